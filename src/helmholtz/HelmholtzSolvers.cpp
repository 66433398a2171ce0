// Density and saturation solvers of the Helmholtz fluids: Newton iteration for the density at
// a pressure, the equal-area (Maxwell) saturation iteration from temperature and from pressure,
// and the single-phase density search with its Peng-Robinson start value.
#include <algorithm>
#include <array>
#include <cmath>

#include "CubicEquationSolver.h"
#include "HelmholzFluidObject.h"
#include "KX_FloatingPoint.h"
#include "KX_Range_Checks.h"
#include "KX_Utils.h"
#include "SaturationCurves.h"

namespace {

// Relative density changes tried from the start density to bracket the root.
static constexpr std::array<double, 11> DensitySteps = {0.001, 0.002, 0.005, 0.01, 0.02, 0.05,
                                                        0.1,   0.2,   0.3,   0.4,  0.5};

// Peng-Robinson equation of state, D.-Y. Peng and D. B. Robinson, Ind. Eng. Chem. Fundam. 15
// (1976) 59: gas constant (cm3 bar/(mol K)), the cubic's u and w, and the a, b, kappa factors.
static constexpr double PengRobinsonR = 83.14462175;
static constexpr double PengRobinsonU = 2.0;
static constexpr double PengRobinsonW = -1.0;
static constexpr double PengRobinsonOmegaA = 0.45724;
static constexpr double PengRobinsonOmegaB = 0.0778;
static constexpr std::array<double, 3> PengRobinsonKappa = {0.37464, 1.54226, -0.26992};

constexpr int NewtonMaxPasses = 1000;
constexpr int MaxwellPsMaxPasses = 100;
constexpr int MaxwellTsMaxPasses = 11;

void SetFailure(std::string& ErrorText, int32_t& ErrorCode, int32_t code, std::string text) {
    ErrorText = CutUtf8(text, KXMaxTextLength);
    ErrorCode = code;
}

}  // namespace

// ---- Newton iteration for the density ----

double THelmholzFluid::Newton_Raphson_Density(double P, double tau, double delta0,
                                              std::string& ErrorText, int32_t& ErrorCode) const {
    ErrorText.clear();
    ErrorCode = KXErrorCode::Success;
    const double pressureTerm = 100.0 * P * tau / (R_ * (Tcr_ + dta) * Dcr_);
    double delta = delta0;
    for (int pass = 1; pass <= NewtonMaxPasses; ++pass) {
        THelmholzResidual r;
        PhirAll(delta, tau, r);
        const double R = 1.0 + delta * r.Phid - pressureTerm / delta;
        const double Rd = delta * r.Phidd + r.Phid + pressureTerm / (delta * delta);
        const double deltaOld = delta;
        delta = delta - R / Rd;
        if (!std::isfinite(delta) || !std::isfinite(R)) break;
        if (std::fabs(R) < 1e-6 && std::fabs((delta - deltaOld) / deltaOld) < 1e-10) {
            // A root at zero or negative density is no state of the fluid.
            if (delta > 0.0) return delta;
            break;
        }
    }
    SetFailure(ErrorText, ErrorCode, KXErrorCode::Failure, "Unknown error.");
    return 0.0;
}

// ---- Saturation from temperature ----

namespace {

// How the equal-area iteration from the ancillary start values ended.
enum class TEqualAreaOutcome {
    Converged,   // to a state that still has to be checked for two distinct phases
    Coincident,  // both densities found equal: the trivial solution
    Failed,      // the outputs hold the failure's text and code
};

// The equal-area iteration from the ancillary saturation state in Ps, DL, DV.
TEqualAreaOutcome EqualAreaIteration(const THelmholzFluid& fluid, double T, double& Ps, double& DL,
                                     double& DV, std::string& ErrorText, int32_t& ErrorCode) {
    auto fail = [&](int32_t code, const char* text) {
        Ps = DL = DV = 0.0;
        SetFailure(ErrorText, ErrorCode, code, text);
        return TEqualAreaOutcome::Failed;
    };
    TFloatingPointScope scope;
    const double tau = fluid.TauOf(T);
    const double RT = fluid.R_ * (T + fluid.dta);
    double deltaL = DL / fluid.Dcr_;
    double deltaV = DV / fluid.Dcr_;
    for (int pass = 1; pass <= MaxwellPsMaxPasses; ++pass) {
        deltaL = fluid.Newton_Raphson_Density(Ps, tau, deltaL, ErrorText, ErrorCode);
        if (ErrorCode != KXErrorCode::Success) return fail(ErrorCode, "Unknown error.");
        deltaV = fluid.Newton_Raphson_Density(Ps, tau, deltaV, ErrorText, ErrorCode);
        if (ErrorCode != KXErrorCode::Success) return fail(ErrorCode, "Unknown error.");
        DL = deltaL * fluid.Dcr_;
        DV = deltaV * fluid.Dcr_;
        // Both starts led to one root: no pressure follows from the equal-area condition.
        if (DL == DV) return TEqualAreaOutcome::Coincident;
        const double Pold = Ps;
        // Equal pressure and equal Gibbs energy of the two phases.
        Ps = (fluid.Phir(deltaL, tau) - fluid.Phir(deltaV, tau) + std::log(DL / DV)) * RT * DL *
             DV / (DL - DV) / 100.0;
        if (!std::isfinite(Ps) || Ps <= 0.0) return fail(KXErrorCode::Failure, "Unknown error.");
        if (pass == MaxwellPsMaxPasses) break;
        if (std::fabs(Ps - Pold) / Pold < 1e-10) {
            if (scope.Raised()) return fail(KXErrorCode::Failure, "Unknown error.");
            return TEqualAreaOutcome::Converged;
        }
    }
    return fail(KXErrorCode::NoConvergence, "No convergence.");
}

// True when the equation of state has a finite value and derivatives at D and T.
bool DefinedAt(const THelmholzFluid& fluid, double D, double T) {
    TFloatingPointScope scope;
    THelmholzResidual r;
    fluid.PhirAll(fluid.DeltaOf(D), fluid.TauOf(T), r);
    return !scope.Raised() && std::isfinite(r.Phi) && std::isfinite(r.Phid) &&
           std::isfinite(r.Phidd) && std::isfinite(r.Phit) && std::isfinite(r.Phitt) &&
           std::isfinite(r.Phidt);
}

}  // namespace

void THelmholzFluid::Maxwell_Criterion_Ps(double T, double& Ps, double& DL, double& DV,
                                          std::string& ErrorText, int32_t& ErrorCode) const {
    ErrorText.clear();
    ErrorCode = KXErrorCode::Success;
    bool ancillaryFault = false;
    {
        TFloatingPointScope scope;
        Ps = Pse(T);
        DL = dsle(T);
        DV = dsve(T);
        ancillaryFault = scope.Raised();
    }
    // Above the critical temperature the ancillary equations may have no value.
    if (!std::isfinite(Ps) || !std::isfinite(DL) || !std::isfinite(DV) || Ps <= 0.0 || DL <= 0.0 ||
        DV <= 0.0 || (T <= Tc_Max_ && ancillaryFault)) {
        Ps = DL = DV = 0.0;
        return SetFailure(ErrorText, ErrorCode, KXErrorCode::Failure, "Unknown error.");
    }
    if (T > Tc_Max_) return;

    const double startL = DL;
    const double startV = DV;
    const TEqualAreaOutcome outcome =
        EqualAreaIteration(*this, T, Ps, DL, DV, ErrorText, ErrorCode);
    if (outcome == TEqualAreaOutcome::Converged && AreDistinctPhases(T, DL, DV)) return;
    // Close to the critical temperature the ancillary densities can start the iteration in or
    // next to the unstable part of the isotherm, from where it runs to the trivial solution or
    // fails. Below the critical temperature two phases exist: retry from the spinodals. At it
    // they are one. A start value at which the equation has no value is a fault of the ancillary
    // equation, reported as such.
    const bool retry = T < Tcr_ && (outcome != TEqualAreaOutcome::Failed ||
                                    (DefinedAt(*this, startL, T) && DefinedAt(*this, startV, T)));
    if (retry) {
        double ps = 0.0, dl = 0.0, dv = 0.0;
        std::string text;
        int32_t code = KXErrorCode::Success;
        SaturationFromSpinodals(T, ps, dl, dv, text, code);
        if (code == KXErrorCode::Success) {
            ErrorText.clear();
            ErrorCode = KXErrorCode::Success;
            Ps = ps;
            DL = dl;
            DV = dv;
            return;
        }
    }
    if (outcome == TEqualAreaOutcome::Failed) return;
    Ps = DL = DV = 0.0;
    SetFailure(ErrorText, ErrorCode, KXErrorCode::Failure, NoDistinctPhasesText);
}

// ---- Saturation from pressure ----

void THelmholzFluid::Maxwell_Criterion_Ts(double P, double& Ts, double& DL, double& DV,
                                          std::string& ErrorText, int32_t& ErrorCode) const {
    ErrorText.clear();
    ErrorCode = KXErrorCode::Success;
    auto fail = [&](int32_t code, const std::string& text) {
        Ts = DL = DV = 0.0;
        SetFailure(ErrorText, ErrorCode, code, text);
    };
    TFloatingPointScope scope;
    Ts = tse(P);
    // Slope of the ancillary vapour-pressure curve, kept for the whole iteration.
    const double slope =
        Ts < Tcr_ - 0.1 ? (Pse(Ts + 0.1) - Pse(Ts)) / 0.1 : (Pse(Ts) - Pse(Ts - 0.1)) / 0.1;
    DL = dsle(Ts);
    DV = dsve(Ts);
    if (!std::isfinite(Ts) || !std::isfinite(slope) || slope == 0.0)
        return fail(KXErrorCode::Failure, "Unknown error.");
    for (int pass = 1; pass <= MaxwellTsMaxPasses; ++pass) {
        double Pcalc = 0.0;
        Maxwell_Criterion_Ps(Ts, Pcalc, DL, DV, ErrorText, ErrorCode);
        if (ErrorCode != KXErrorCode::Success) return fail(ErrorCode, ErrorText);
        Ts = Ts + (P - Pcalc) / slope;
        if (!std::isfinite(Ts)) return fail(KXErrorCode::Failure, "Unknown error.");
        if (pass == MaxwellTsMaxPasses) break;
        if (std::fabs(Pcalc - P) / P < 1e-10) {
            if (scope.Raised()) return fail(KXErrorCode::Failure, "Unknown error.");
            return;
        }
    }
    fail(KXErrorCode::NoConvergence, "No convergence.");
}

// ---- Library-level saturation functions ----

double THelmholzFluid::PsatT(double T, std::string& ErrorText, int32_t& ErrorCode) const {
    ErrorText.clear();
    ErrorCode = KXErrorCode::Success;
    const TKXRangeCheck checks[] = {
        {"<", T, Tt_, "Temperature", "°C", KXErrorCode::TemperatureLow},
        {">", T, Tc_, "Temperature", "°C", KXErrorCode::TemperatureHigh},
    };
    // Within the range (NaN is not) the checks have nothing to say.
    if (!(T >= Tt_ && T <= Tc_) &&
        !KXPassesRangeChecks(Code, "PsatT", checks, ErrorText, ErrorCode))
        return 0.0;
    // The saturation line runs from the triple point to the critical point, both included, and
    // TsatP meets it there exactly.
    if (T == Tt_) return Pt_;
    if (T == Tc_) return Pc_;
    // A blend's saturation pressure is its bubble line, an explicit equation: no density is
    // needed (next to the critical point a density root may be missing where the line answers).
    if (HasTemperatureGlide()) return std::clamp(Pse(T), Pt_, Pc_);
    double Ps = 0.0, DL = 0.0, DV = 0.0;
    // The pressure alone from the curves, where they reach.
    const TSaturationCurve* curve = SaturationCurve();
    if (curve && T <= Tc_Max_ && CurvePsatT(*curve, T, Ps)) return std::clamp(Ps, Pt_, Pc_);
    SaturationFromT(T, Ps, DL, DV, ErrorText, ErrorCode);
    if (ErrorCode != KXErrorCode::Success) {
        ErrorText = CutUtf8(Code + "_PsatT; " + ErrorText, KXMaxTextLength);
        return 0.0;
    }
    if (!std::isfinite(Ps)) {
        SetFailure(ErrorText, ErrorCode, KXErrorCode::Failure, UnknownErrorText(Code, "PsatT"));
        return 0.0;
    }
    return std::clamp(Ps, Pt_, Pc_);
}

double THelmholzFluid::TsatP(double P, std::string& ErrorText, int32_t& ErrorCode) const {
    ErrorText.clear();
    ErrorCode = KXErrorCode::Success;
    const TKXRangeCheck checks[] = {
        {"<", P, Pt_, "Pressure", "bar(a)", KXErrorCode::PressureLow},
        {">", P, Pc_, "Pressure", "bar(a)", KXErrorCode::PressureHigh},
    };
    if (!(P >= Pt_ && P <= Pc_) &&
        !KXPassesRangeChecks(Code, "TsatP", checks, ErrorText, ErrorCode))
        return 0.0;
    if (P == Pt_) return Tt_;
    if (P == Pc_) return Tc_;
    // A blend's saturation temperature is the inverse of its bubble line, without densities.
    if (HasTemperatureGlide()) {
        const double Tbubble = tse(P);
        if (std::isfinite(Tbubble)) return std::clamp(Tbubble, Tt_, Tc_);
    }
    double Ts = 0.0, DL = 0.0, DV = 0.0;
    const TSaturationCurve* curve = SaturationCurve();
    if (curve && CurveTsatP(*curve, P, Ts)) return std::clamp(Ts, Tt_, Tc_);
    SaturationFromP(P, Ts, DL, DV, ErrorText, ErrorCode);
    if (ErrorCode != KXErrorCode::Success) {
        ErrorText = CutUtf8(Code + "_TsatP; " + ErrorText, KXMaxTextLength);
        return 0.0;
    }
    if (!std::isfinite(Ts)) {
        SetFailure(ErrorText, ErrorCode, KXErrorCode::Failure, UnknownErrorText(Code, "TsatP"));
        return 0.0;
    }
    return std::clamp(Ts, Tt_, Tc_);
}

// ---- Start density ----

double PengRobinsonDensity(const THelmholzFluid& fluid, double P, double T) {
    TFloatingPointScope scope;
    const double Tc = fluid.Tc_ + fluid.dta;
    const double Tk = T + fluid.dta;
    const double R = PengRobinsonR;
    const double omega = fluid.Ac_;
    const double kappa =
        PengRobinsonKappa[0] + PengRobinsonKappa[1] * omega + PengRobinsonKappa[2] * omega * omega;
    const double root = 1.0 + kappa * (1.0 - std::sqrt(Tk / Tc));
    const double alpha = root * root;
    const double a = alpha * PengRobinsonOmegaA * (R * Tc) * (R * Tc) / fluid.Pc_;
    const double b = PengRobinsonOmegaB * R * Tc / fluid.Pc_;
    const double A = a * P / ((R * Tk) * (R * Tk));
    const double B = b * P / (R * Tk);
    const double u = PengRobinsonU;
    const double w = PengRobinsonW;
    const double c2 = -(1.0 + B - u * B);
    const double c1 = A + w * B * B - u * B - u * B * B;
    const double c0 = -A * B - w * B * B - w * B * B * B;
    int count = 0;
    double z1 = 0.0, z2 = 0.0, z3 = 0.0;
    const int roots = SolveCubic(1.0, c2, c1, c0, count, z1, z2, z3);
    if (roots < 1) return 0.0;
    const double z = roots == 3 ? std::max({z1, z2, z3}) : z1;
    const double estimate = P * fluid.MM_ / (z * R * (T + 273.15)) * 1000.0;
    if (scope.Faulted(estimate) || estimate <= 0.0) return 0.0;
    return estimate;
}

// ---- Single-phase density ----

double THelmholzFluid::Solve_DPT(double P, double T, std::string& ErrorText,
                                 int32_t& ErrorCode) const {
    double D0 = 0.0;
    double DL = 0.0;
    double Psat = 0.0;
    if (P < Pcr_) {
        // A failed saturation state only means no liquid start value.
        TFloatingPointScope scope;
        double DV = 0.0;
        Maxwell_Criterion_Ps(T, Psat, DL, DV, ErrorText, ErrorCode);
        if (ErrorCode != KXErrorCode::Success)
            DL = 0.0;
        else if (P >= Psat)
            D0 = DL;
        else
            DL = 0.0;
    }
    if (D0 == 0.0) D0 = PengRobinsonDensity(*this, P, T);

    TFloatingPointScope scope;
    double Dlo = 0.0, Plo = 0.0, Dhi = 0.0, Phi = 0.0;
    // Steps away from D0 (pressure P0 there) toward the pressure P until they bracket it.
    auto bracket = [&](double D0, double P0) {
        Dlo = D0, Plo = P0, Dhi = D0, Phi = P0;
        if (!std::isfinite(P0) || !(D0 > 0.0)) return false;
        for (double step : DensitySteps) {
            if (P0 >= P) {
                // The density must fall.
                Dlo = (1.0 - step) * D0;
                Plo = PDT(Dlo, T);
                if (!std::isfinite(Plo)) return false;
                if (Plo < P) return true;
            } else {
                Dhi = (1.0 + step) * D0;
                Phi = PDT(Dhi, T);
                if (!std::isfinite(Phi)) return false;
                if (Phi > P) return true;
            }
        }
        return false;
    };
    bool bracketed = bracket(D0, DL != 0.0 ? Psat : PDT(D0, T));
    if (!bracketed && P >= Pcr_ && T < Tcr_) {
        // A liquid compressed above the critical pressure, far below the critical temperature,
        // where the cubic estimate can miss by more than the steps reach: start from the
        // saturated liquid as below the critical pressure.
        std::string text;
        int32_t code = KXErrorCode::Success;
        double DV = 0.0;
        SaturationFromT(T, Psat, DL, DV, text, code);
        if (code == KXErrorCode::Success && P >= Psat) {
            kxfp::Clear();  // the failed search's faults are not this one's
            bracketed = bracket(DL, Psat);
        }
    }
    if (!bracketed) {
        SetFailure(ErrorText, ErrorCode, KXErrorCode::Failure,
                   Code + "_DPT; No density found at this pressure and temperature.");
        return 0.0;
    }
    const double D =
        D2Solver(*this, &THelmholzFluid::PTD, T, P, Dlo, Dhi, Plo, Phi, 1e-8, ErrorText, ErrorCode);
    if (ErrorCode != KXErrorCode::Success) {
        ErrorCode = KXErrorCode::Failure;
        return 0.0;
    }
    if (scope.Faulted(D) || D <= 0.0) {
        SetFailure(ErrorText, ErrorCode, KXErrorCode::Failure, UnknownErrorText(Code, "DPT"));
        return 0.0;
    }
    // The bracket can hold the unstable root between the spinodals: no state of the fluid.
    THelmholzResidual r;
    const double delta = DeltaOf(D);
    PhirAll(delta, TauOf(T), r);
    if (!(1.0 + 2.0 * delta * r.Phid + delta * delta * r.Phidd > 0.0)) {
        SetFailure(ErrorText, ErrorCode, KXErrorCode::Failure,
                   Code + "_DPT; " + TooCloseToCriticalText);
        return 0.0;
    }
    return D;
}
