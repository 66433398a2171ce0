#pragma once
// The common base of every pure fluid described by a reduced Helmholtz-energy equation of state:
// its constants and limits, the fluid-specific operations (reduced Helmholtz energy and its
// derivatives, ancillary saturation equations, minimum temperatures), the property relations that
// follow from the Helmholtz energy, the density and saturation solvers and the flash routines.
//
// Units everywhere: temperature °C (absolute T + dta in K), pressure bar(a), density kg/m3,
// specific volume m3/kg, enthalpy kJ/kg, entropy and heat capacities kJ/(kg K), speed of sound
// m/s, molar mass kg/kmol.
//
// Error outputs: every solver, flash and accessor reports through a text and a code. Unless a
// routine says otherwise it clears both on entry; on failure it leaves a non-empty text of the
// form "<Code>_<function>; <message>" (at most 255 bytes) and a non-zero code, and returns 0.
#include <atomic>
#include <cstdint>
#include <string>

struct TSaturationCurve;

// Residual part of the reduced Helmholtz energy and its derivatives at one (delta, tau), in the
// precision Real: double for the property relations, long double where a tool needs the
// equation beyond double rounding (the saturation-curve generator near the critical point).
template <class Real>
struct TResidualDerivatives {
    Real Phi = 0.0;    // phir
    Real Phid = 0.0;   // d phir / d delta
    Real Phidd = 0.0;  // d2 phir / d delta2
    Real Phit = 0.0;   // d phir / d tau
    Real Phitt = 0.0;  // d2 phir / d tau2
    Real Phidt = 0.0;  // d2 phir / d delta d tau
};
using THelmholzResidual = TResidualDerivatives<double>;
using THelmholzResidualExtended = TResidualDerivatives<long double>;

// Ideal-gas part: only the tau derivatives enter the property relations.
struct THelmholzIdeal {
    double Phi = 0.0;    // phio
    double Phit = 0.0;   // d phio / d tau
    double Phitt = 0.0;  // d2 phio / d tau2
};

// Offset from °C to K.
inline constexpr double KelvinOffset = 273.15;

// The constants of one fluid, given to its constructor: the fluid keeps them unchanged.
// Members are named as the fluid's constants; see THelmholzFluid for their meaning.
struct THelmholzConstants {
    std::string Code;
    double MM_ = 0.0;
    double R_ = 0.0;
    double Ac_ = 0.0;
    double Tc_ = 0.0;
    double Tcr_ = 0.0;
    double Tc_Max_ = 0.0;
    double Pc_ = 0.0;
    double Hc_ = 0.0;
    double Pcr_ = 0.0;
    double Dcr_ = 0.0;
    double Tt_ = 0.0;
    double Pt_ = 0.0;
    double Pmin = 0.0;
    double Pmax = 0.0;
    double Tmax = 0.0;
    double Dmax = 0.0;
    double Pmax_Dmax = 0.0;
    double dH = 0.0;
    double dS = 0.0;
    double dH_XTH = 0.0;
    double dS_XTS = 0.0;
};

class THelmholzFluid {
  public:
    explicit THelmholzFluid(const THelmholzConstants& constants);
    virtual ~THelmholzFluid() = default;
    THelmholzFluid(const THelmholzFluid&) = delete;
    THelmholzFluid& operator=(const THelmholzFluid&) = delete;

    // ---- Constants, fixed at construction ----
    const std::string Code;  // library name, first part of every error text ("KX_NH3_FE")
    const double dta;        // 273.15, offset from °C to K
    const double MM_;        // molar mass (kg/kmol)
    const double R_;         // specific gas constant (kJ/(kg K))
    const double Ac_;        // acentric factor (start-density estimate only)
    const double Tc_;   // critical temperature as reported; top of the saturation functions (°C)
    const double Tcr_;  // reducing temperature of the equation of state (°C)
    const double Tc_Max_;  // highest temperature at which saturation is iterated (°C)
    const double Pc_;      // critical pressure as reported; top of the two-phase range (bar)
    const double Hc_;      // critical enthalpy: vapour/liquid label outside the two-phase range
    const double Pcr_;     // reducing pressure; below it the density solver consults saturation
    const double Dcr_;     // reducing density (kg/m3)
    const double Tt_;      // triple-point temperature (°C)
    const double Pt_;      // triple-point pressure: the equation's saturation pressure at Tt_ (bar)
    const double Pmin;     // lowest pressure of the single-phase and flash functions (bar)
    const double Pmax;     // highest pressure of the single-phase and flash functions (bar)
    const double Tmax;     // highest temperature accepted (°C)
    const double Dmax;     // highest density accepted (kg/m3); 0: no density limit
    const double Pmax_Dmax;  // above it the flashes start at Tmin_Dmax instead of Tmin (bar)
    const double dH;         // enthalpy margin of the pressure-enthalpy flash (kJ/kg)
    const double dS;         // entropy margin of the pressure-entropy flash (kJ/(kg K))
    const double dH_XTH;     // enthalpy tolerance of XTH outside the saturated range
    const double dS_XTS;     // entropy tolerance of XTS outside the saturated range

    // ---- Fluid-specific operations, in slot order ----
    virtual double Pse(double t) const = 0;   // 0: ancillary saturation pressure (bar)
    virtual double tse(double p) const = 0;   // 1: ancillary saturation temperature (°C)
    virtual double dsle(double t) const = 0;  // 2: ancillary saturated-liquid density
    virtual double dsve(double t) const = 0;  // 3: ancillary saturated-vapour density
    virtual double Phio(double Delta, double Tau) const = 0;    // 4
    virtual double Phiot(double Delta, double Tau) const = 0;   // 5
    virtual double Phiott(double Delta, double Tau) const = 0;  // 6
    virtual double Phiod(double Delta, double Tau) const = 0;   // 7
    virtual double Phiodd(double Delta, double Tau) const = 0;  // 8
    virtual double Phiodt(double Delta, double Tau) const = 0;  // 9
    virtual double Phir(double Delta, double Tau) const = 0;    // 10
    virtual double Phirt(double Delta, double Tau) const = 0;   // 11
    virtual double Phirtt(double Delta, double Tau) const = 0;  // 12
    virtual double Phird(double Delta, double Tau) const = 0;   // 13
    virtual double Phirdd(double Delta, double Tau) const = 0;  // 14
    virtual double Phirdt(double Delta, double Tau) const = 0;  // 15
    virtual double Tmin(double P) const;                        // 16: lowest T at P; Tt_
    // 17: temperature at which the density at P equals Dmax; 0 when it cannot be found. The
    // code is passed by value, so a failure cannot be reported through it.
    virtual double Tmin_Dmax(double P, int32_t ErrorCode) const;

    // Residual and ideal parts with all their derivatives in one evaluation. The base versions
    // call the slots above; a fluid overrides them to share powers and exponentials between
    // the derivatives (the solvers call these in their inner loops).
    virtual void PhirAll(double Delta, double Tau, THelmholzResidual& r) const;
    virtual void PhioAll(double Delta, double Tau, THelmholzIdeal& o) const;
    // Only r.Phid and r.Phidd, what a density iteration at fixed temperature needs, each equal
    // to PhirAll's; the other sums are left unspecified. The base version calls PhirAll.
    virtual void PhirDeltaDerivatives(double Delta, double Tau, THelmholzResidual& r) const;
    // The residual part evaluated in long double. A fluid whose evaluator is written for any
    // precision overrides both; the base version widens the double evaluation, so
    // ResidualInExtendedPrecision tells a caller whether the extra digits are real.
    virtual void PhirAllExtended(long double Delta, long double Tau,
                                 THelmholzResidualExtended& r) const;
    virtual bool ResidualInExtendedPrecision() const { return false; }

    // ---- Reduced variables ----
    double DeltaOf(double D) const { return D / Dcr_; }
    // Enthalpy HDT or entropy SDT (as `enthalpy` says) and heat capacity CpDT of one state from
    // one evaluation of each part, equal to the three functions' own results.
    void ValueAndCpDT(bool enthalpy, double D, double T, double& value, double& cp) const;
    // PDT from its residual derivative phird = Phird(DeltaOf(D), TauOf(T)), formed as PDT does.
    double PressureFromPhird(double D, double T, double phird) const;
    double TauOf(double T) const { return (Tcr_ + dta) / (T + dta); }

    // ---- Property relations of density D and temperature T; no checks, no errors ----
    double PDT(double D, double T) const;   // pressure (bar)
    double PTD(double T, double D) const;   // the same with the arguments swapped
    double HDT(double D, double T) const;   // enthalpy
    double SDT(double D, double T) const;   // entropy
    double CvDT(double D, double T) const;  // isochoric heat capacity
    double CpDT(double D, double T) const;  // isobaric heat capacity
    double WDT(double D, double T) const;   // speed of sound

    // Reduced pressure equation, zero where PDT equals ps, and its derivative in delta.
    double Rdelta(double ps, double tau, double delta) const;
    double Rdeltad(double ps, double tau, double delta) const;

    // ---- Constants; never fail ----
    double MM(std::string& ErrorText, int32_t& ErrorCode) const;
    double Tc(std::string& ErrorText, int32_t& ErrorCode) const;
    double Pc(std::string& ErrorText, int32_t& ErrorCode) const;
    double Tt(std::string& ErrorText, int32_t& ErrorCode) const;
    double Pt(std::string& ErrorText, int32_t& ErrorCode) const;

    // ---- Density and saturation solvers ----
    // Reduced density at pressure P and reduced temperature tau by Newton iteration from delta0.
    double Newton_Raphson_Density(double P, double tau, double delta0, std::string& ErrorText,
                                  int32_t& ErrorCode) const;
    // Saturation pressure and densities at T by the equal-area condition, started from the
    // ancillary equations. Above Tc_Max_ the ancillary values are the result (for most fluids
    // straight lines that meet at the critical values at Tc_). Below the critical temperature
    // Tcr_, an iteration that ends on the trivial solution (one density for both phases, or a
    // pair that is not two stable phases), or fails from start values at which the equation has
    // a value, is retried from the spinodals of the isotherm (SaturationFromSpinodals). When that
    // finds no two distinct phases either, the result is a failure: code 1 with
    // NoDistinctPhasesText after a trivial solution, the first attempt's code and text after a
    // failure. At Tcr_ itself there is no retry: where the state is iterated up to the critical
    // temperature (Tc_Max_ = Tcr_) the saturation functions fail exactly there.
    void Maxwell_Criterion_Ps(double T, double& Ps, double& DL, double& DV, std::string& ErrorText,
                              int32_t& ErrorCode) const;
    // Saturation temperature and densities at P.
    void Maxwell_Criterion_Ts(double P, double& Ts, double& DL, double& DV, std::string& ErrorText,
                              int32_t& ErrorCode) const;
    double PsatT(double T, std::string& ErrorText, int32_t& ErrorCode) const;
    double TsatP(double P, std::string& ErrorText, int32_t& ErrorCode) const;
    // Density of a single-phase state at P and T. Leaves the outputs empty and 0 on success.
    double Solve_DPT(double P, double T, std::string& ErrorText, int32_t& ErrorCode) const;

    // ---- Faster routes, used by the property functions ----
    // Each returns the result of the routine named, within that routine's tolerance, and falls
    // back to it wherever it does not converge to a state it can vouch for.
    // Saturation state from temperature (as Maxwell_Criterion_Ps): from the fluid's saturation
    // curves where they reach, otherwise SaturationFromTByEquation. Every saturation function of
    // the fluid takes its states from these three; a fluid whose saturation is not the phase
    // equilibrium of its equation (a blend: bubble and dew lines) overrides them.
    virtual void SaturationFromT(double T, double& Ps, double& DL, double& DV,
                                 std::string& ErrorText, int32_t& ErrorCode) const;
    // Saturation state from pressure (as Maxwell_Criterion_Ts): from the saturation curves
    // where they reach, otherwise SaturationFromPByEquation.
    virtual void SaturationFromP(double P, double& Ts, double& DL, double& DV,
                                 std::string& ErrorText, int32_t& ErrorCode) const;
    // The ends of the two-phase range at P, the saturated liquid (TL, DL) and the saturated
    // vapour (TV, DV), between which the two-phase states at P are the mixture on a mass basis:
    // for a pure fluid both at the saturation temperature (SaturationFromP).
    virtual void SaturatedEndsFromP(double P, double& TL, double& DL, double& TV, double& DV,
                                    std::string& ErrorText, int32_t& ErrorCode) const;
    // The ends of the two-phase state at T with vapour fraction X (T in [Tt_, Tc_], X in [0, 1]),
    // of which that state is the mixture on a mass basis: for a pure fluid the saturated liquid
    // and vapour at T (SaturationFromT, TL = TV = T). An error text here has no prefix.
    virtual void SaturatedEndsFromTX(double T, double X, double& TL, double& DL, double& TV,
                                     double& DV, std::string& ErrorText, int32_t& ErrorCode) const;
    // True where the two-phase states at one temperature lie at different pressures (a blend's
    // glide), so that a property at T is not linear in the vapour fraction.
    virtual bool HasTemperatureGlide() const { return false; }
    // The same solved from the equation of state: Newton iteration on equal pressure and equal
    // Gibbs energy in both densities (from T), Newton iteration in temperature with the slope of
    // the vapour-pressure curve from the Clapeyron equation (from P); Maxwell_Criterion_Ps and
    // Maxwell_Criterion_Ts where these do not converge. The reference of the saturation curves.
    void SaturationFromTByEquation(double T, double& Ps, double& DL, double& DV,
                                   std::string& ErrorText, int32_t& ErrorCode) const;
    void SaturationFromPByEquation(double P, double& Ts, double& DL, double& DV,
                                   std::string& ErrorText, int32_t& ErrorCode) const;
    // Below the critical temperature by less than a band in which the equation's saturation
    // state cannot be solved: between the state at the band's end and the critical point (Tc_,
    // Pc_, Dcr_). Leaves the outputs as they are elsewhere or when that state fails too.
    void NearCriticalSaturationT(double T, double& Ps, double& DL, double& DV,
                                 std::string& ErrorText, int32_t& ErrorCode) const;
    // The saturation temperature at P in [Pt_, Pc_] by inverting SaturationFromT; leaves the
    // outputs as they are when that fails.
    void SaturationFromPByInverse(double P, double& Ts, double& DL, double& DV,
                                  std::string& ErrorText, int32_t& ErrorCode) const;
    // The saturation curves fitted to this fluid's equation (found by Code), or nullptr.
    const TSaturationCurve* SaturationCurve() const;
    // A temperature above which every isotherm has a single density root (°C).
    double SingleRootTemperature() const;
    // Saturation state at T close to the critical temperature (T / Tcr at least 0.98, where
    // isotherms have a single loop) found without start values: an unstable density of the
    // isotherm, the two spinodals around it, and the pressure between the spinodal pressures at
    // which the liquid and the vapour root have equal Gibbs energy. Code 1 with
    // NoDistinctPhasesText further from the critical temperature and where the isotherm has no
    // unstable part (at or above the critical temperature of the equation).
    void SaturationFromSpinodals(double T, double& Ps, double& DL, double& DV,
                                 std::string& ErrorText, int32_t& ErrorCode) const;
    // True when DL and DV at T are two distinct phases: liquid denser than vapour by more than
    // rounding, and both mechanically stable (pressure rising with density).
    bool AreDistinctPhases(double T, double DL, double DV) const;

    // Single-phase density (as Solve_DPT): the phase is decided from the ancillary vapour
    // pressure when the state is clearly off saturation, from the saturation state otherwise,
    // and the density found by Newton iteration from that phase's start value.
    double DensityPT(double P, double T, std::string& ErrorText, int32_t& ErrorCode) const;

    // ---- Saturated mixture from temperature and vapour fraction ----
    double DTX(double T, double X, std::string& ErrorText, int32_t& ErrorCode) const;
    double VTX(double T, double X, std::string& ErrorText, int32_t& ErrorCode) const;
    double HTX(double T, double X, std::string& ErrorText, int32_t& ErrorCode) const;
    double STX(double T, double X, std::string& ErrorText, int32_t& ErrorCode) const;

    // ---- Saturated mixture from pressure and vapour fraction ----
    double DPX(double P, double X, std::string& ErrorText, int32_t& ErrorCode) const;
    double VPX(double P, double X, std::string& ErrorText, int32_t& ErrorCode) const;
    double HPX(double P, double X, std::string& ErrorText, int32_t& ErrorCode) const;
    double SPX(double P, double X, std::string& ErrorText, int32_t& ErrorCode) const;

    // ---- Single phase from pressure and temperature ----
    double DPT(double P, double T, std::string& ErrorText, int32_t& ErrorCode) const;
    double VPT(double P, double T, std::string& ErrorText, int32_t& ErrorCode) const;
    double HPT(double P, double T, std::string& ErrorText, int32_t& ErrorCode) const;
    double SPT(double P, double T, std::string& ErrorText, int32_t& ErrorCode) const;
    double ZPT(double P, double T, std::string& ErrorText, int32_t& ErrorCode) const;
    double CpPT(double P, double T, std::string& ErrorText, int32_t& ErrorCode) const;
    double CvPT(double P, double T, std::string& ErrorText, int32_t& ErrorCode) const;
    double KPT(double P, double T, std::string& ErrorText, int32_t& ErrorCode) const;
    double WPT(double P, double T, std::string& ErrorText, int32_t& ErrorCode) const;

    // Root-finder functions of the flashes: enthalpy and entropy at P and T. They return NaN
    // when the density cannot be found, which stops the root finder with a failure.
    double HPTFunction(double P, double T) const;
    double SPTFunction(double P, double T) const;

    // ---- Pressure-enthalpy flash and its family ----
    // Vapour fraction, temperature and (when computed) the saturated densities at P and H.
    void XTPH(double P, double H, double& X, double& T, double& DL, double& DV,
              std::string& ErrorText, int32_t& ErrorCode) const;
    double TPH(double P, double H, std::string& ErrorText, int32_t& ErrorCode) const;
    double XPH(double P, double H, std::string& ErrorText, int32_t& ErrorCode) const;
    double SPH(double P, double H, std::string& ErrorText, int32_t& ErrorCode) const;
    double VPH(double P, double H, std::string& ErrorText, int32_t& ErrorCode) const;
    double DPH(double P, double H, std::string& ErrorText, int32_t& ErrorCode) const;
    double XTH(double T, double H, std::string& ErrorText, int32_t& ErrorCode) const;

    // ---- Pressure-entropy flash and its family ----
    void XTPS(double P, double S, double& X, double& T, double& DL, double& DV,
              std::string& ErrorText, int32_t& ErrorCode) const;
    double TPS(double P, double S, std::string& ErrorText, int32_t& ErrorCode) const;
    double XPS(double P, double S, std::string& ErrorText, int32_t& ErrorCode) const;
    double HPS(double P, double S, std::string& ErrorText, int32_t& ErrorCode) const;
    double VPS(double P, double S, std::string& ErrorText, int32_t& ErrorCode) const;
    double DPS(double P, double S, std::string& ErrorText, int32_t& ErrorCode) const;
    double XTS(double T, double S, std::string& ErrorText, int32_t& ErrorCode) const;

  private:
    // Looked up on first use, once.
    mutable std::atomic<const TSaturationCurve*> curve_{nullptr};
    mutable std::atomic<bool> curveLookedUp_{false};
};

// Message of a saturation state whose liquid and vapour densities coincide or are not both
// stable phases: the trivial solution of the phase-equilibrium equations, never a result.
inline constexpr const char* NoDistinctPhasesText = "No distinct liquid and vapour phases found.";

// Message of a (p,T) state whose only density found lies where the pressure falls with the
// density: the unstable part of an isotherm next to the critical point, where a heat capacity
// would come out negative.
inline constexpr const char* TooCloseToCriticalText = "Too close to the critical point.";

// The pair test of AreDistinctPhases on reduced densities and the slopes
// 1 + 2 delta phir_d + delta^2 phir_dd of the reduced pressure at each.
inline bool DistinctPhasePair(double deltaL, double deltaV, double slopeL, double slopeV) {
    return deltaV > 0.0 && deltaL > deltaV * (1.0 + 1e-6) && slopeL > 0.0 && slopeV > 0.0;
}

// A root-finder function of the fluid: f(x1, x2), of which the root finder varies x2.
using TD2Function = double (THelmholzFluid::*)(double x1, double x2) const;

// Program-wide pass limit of the bracketing root finder.
inline constexpr int KXRootFinderMaxPasses = 100;

// Bracketing root finder (bisection, inverse quadratic interpolation, doubled Newton step):
// x in [xA, xB] with (fluid.*f)(x1, x) = y within tol. fA and fB are the function values at the
// bracket ends; pass both as 0 to have them evaluated here.
double D2Solver(const THelmholzFluid& fluid, TD2Function f, double x1, double y, double xA,
                double xB, double fA, double fB, double tol, std::string& ErrorText,
                int32_t& ErrorCode);

// Start-density estimate at P and T from the Peng-Robinson equation (kg/m3), 0 when none.
double PengRobinsonDensity(const THelmholzFluid& fluid, double P, double T);
