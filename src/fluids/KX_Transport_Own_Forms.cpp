#include "KX_Transport_Own_Forms.h"

#include <array>
#include <cmath>

#include "HelmholtzMath.h"
#include "HelmholzFluidObject.h"
#include "KX_Transport_PT.h"

namespace {

// ---- Coefficient tables ----

// Surface tension sigma = a theta^b (N/m), theta = 1 - T/Tc.
constexpr double SurfaceTensionA = 0.0912;
constexpr double SurfaceTensionB = 1.1028;

// Viscosity of ammonia, Fenghour, Wakeham, Vesovic, Watson, Millat and Vogel, J. Phys. Chem.
// Ref. Data 24 (1995) 1649: collision integral, second viscosity virial coefficient and the
// higher-density terms.
constexpr double ViscosityEpsilonK = 386.0;  // energy scaling parameter (K)
constexpr double ViscositySigma = 0.2957;    // length scaling parameter (nm)
constexpr double ViscosityMolarMass = 17.03026;
constexpr double ViscosityAvogadro = 0.6022137;
constexpr std::array<double, 5> ViscosityA = {4.9931822, -0.61122364, 0.0, 0.18535124, -0.11160946};
constexpr std::array<double, 13> ViscosityB = {
    -1.7999496, 46.692621,  -534.60794, 3360.4074, -13019.164, 33414.23,  -58711.743,
    71426.686,  -59834.012, 33652.741,  -12027.35, 2434.8205,  -208.07957};
constexpr std::array<std::array<double, 5>, 3> ViscosityD = {{
    {0.0, 0.0, 0.219664285, 0.0, -0.083651107},
    {0.0017366936, -0.0064250359, 0.0, 0.0, 0.0},
    {0.0, 0.0, 0.000167668649, -0.000149710093, 7.7012274e-05},
}};

// Viscosity functions accept pressures up to 500 bar and temperatures up to 680 K at or below
// atmospheric pressure, 600 K above it.
constexpr double ViscosityPmax = 500.0;
constexpr double ViscosityAtmosphere = 1.01325;
constexpr double ViscosityTmaxLowPressureK = 680.0;
constexpr double ViscosityTmaxK = 600.0;

// Dilute-gas collision integral, viscosity and thermal conductivity of Stephan, Krauss and
// Laesecke, J. Phys. Chem. Ref. Data 16 (1987) 993.
constexpr double OmegaA[5] = {0.46649, -0.57015, 0.19164, -0.03708, 0.00241};
constexpr double ViscosityN[5] = {-20.09997, 3.4376416, -1.4470051, -0.027766561, -0.21662362};
constexpr double HeatCapacityPhi[7] = {-837.079888737,    37.9147114487,      -0.601737844275,
                                       3.50418363823,     -8.74955653028e-06, 1.48968607239e-08,
                                       -2.56370354277e-12};
constexpr double ConductivityPsi[4] = {3.3373542, 0.37098251, 0.89913456, 0.16972505};

// Dilute-gas collision integral and residual viscosity of oxygen, Lemmon and Jacobsen,
// Int. J. Thermophys. 25 (2004) 21.
constexpr double OmegaB[5] = {0.431, -0.4623, 0.08406, 0.005341, -0.00331};
struct TO2ViscosityTerm {
    double N;
    double t;
    int d;
    int l;
};
constexpr TO2ViscosityTerm ViscosityTerms[5] = {
    {17.67, 0.05, 1, 0}, {0.4042, 0.0, 5, 0}, {0.0001077, 2.1, 12, 0},
    {0.351, 0.0, 8, 1},  {-13.67, 0.5, 1, 2},
};

}  // namespace

// ---- Ammonia ----

double AmmoniaSTT(const THelmholzFluid& ammonia, double T, std::string& ErrorText,
                  int32_t& ErrorCode) {
    ErrorText.clear();
    ErrorCode = KXErrorCode::Success;
    const TKXRangeCheck checks[] = {
        {"<", T, ammonia.Tt_, "Temperature", "°C", KXErrorCode::TemperatureLow},
        {">", T, ammonia.Tc_, "Temperature", "°C", KXErrorCode::TemperatureHigh},
    };
    if (!KXPassesRangeChecks(ammonia.Code, "STT", checks, ErrorText, ErrorCode)) return 0.0;
    // Reduced with the reported critical temperature, where the surface tension vanishes.
    return GuardedEvaluation(ammonia, "STT", ErrorText, ErrorCode, [&] {
        return SurfaceTensionA *
               std::pow(1.0 - (T + ammonia.dta) / (ammonia.Tc_ + ammonia.dta), SurfaceTensionB);
    });
}

double AmmoniaViscosity(const THelmholzFluid& ammonia, double D, double T) {
    const double Tk = T + 273.15;
    const double Tstar = Tk / ViscosityEpsilonK;
    const double rhoMolar = D / ammonia.MM_;
    const double lnT = std::log(Tstar);
    double lnS = 0.0;
    for (std::size_t i = ViscosityA.size(); i-- > 0;) lnS = lnS * lnT + ViscosityA[i];
    const double S = std::exp(lnS);
    const double eta0 =
        2.1357 * std::sqrt(ViscosityMolarMass * Tk) / (ViscositySigma * ViscositySigma * S);
    // B* = sum b_i T*^(-i/2), as a polynomial in T*^(-1/2).
    const double x = 1.0 / std::sqrt(Tstar);
    double Bstar = 0.0;
    for (std::size_t i = ViscosityB.size(); i-- > 0;) Bstar = Bstar * x + ViscosityB[i];
    std::array<double, 5> c{};
    c[1] = ViscosityAvogadro * ViscositySigma * ViscositySigma * ViscositySigma * eta0 * Bstar;
    for (std::size_t k = 0; k < ViscosityD.size(); ++k) {
        double sum = 0.0;
        for (std::size_t j = ViscosityD[k].size(); j-- > 0;) sum = sum / Tstar + ViscosityD[k][j];
        c[k + 2] = sum;
    }
    double excess = 0.0;
    for (std::size_t k = c.size(); k-- > 1;) excess = (excess + c[k]) * rhoMolar;
    return (eta0 + excess) * 1e-06;
}

namespace {

// Viscosity from pressure and temperature; kinematic divides by the density.
double ViscosityPT(const THelmholzFluid& fluid, const char* name, bool kinematic, double P,
                   double T, std::string& ErrorText, int32_t& ErrorCode) {
    const double tmax =
        (P <= ViscosityAtmosphere ? ViscosityTmaxLowPressureK : ViscosityTmaxK) - fluid.dta;
    const TKXRangeCheck checks[] = {
        {"<", P, fluid.Pt_, "Pressure", "bar(a)", KXErrorCode::PressureLow},
        {">", P, ViscosityPmax, "Pressure", "bar(a)", KXErrorCode::PressureHigh},
        {"<", T, fluid.Tmin(P), "Temperature", "°C", KXErrorCode::TemperatureLow},
        {">", T, tmax, "Temperature", "°C", KXErrorCode::TemperatureHigh},
    };
    return TransportPropertyPT(fluid, name, checks, 0.0, P, T, ErrorText, ErrorCode,
                               [&fluid, kinematic](double D, double t) {
                                   const double eta = AmmoniaViscosity(fluid, D, t);
                                   return kinematic ? eta / D : eta;
                               });
}

}  // namespace

double AmmoniaDVPT(const THelmholzFluid& ammonia, double P, double T, std::string& ErrorText,
                   int32_t& ErrorCode) {
    return ViscosityPT(ammonia, "DVPT", false, P, T, ErrorText, ErrorCode);
}

double AmmoniaKVPT(const THelmholzFluid& ammonia, double P, double T, std::string& ErrorText,
                   int32_t& ErrorCode) {
    return ViscosityPT(ammonia, "KVPT", true, P, T, ErrorText, ErrorCode);
}

// ---- Nitrogen ----

double NitrogenDiluteViscosity(double T) {
    const double tk = T + 273.15;
    const double lnT = std::log(tk / 100.01654);
    const double lnOmega =
        OmegaA[0] + lnT * (OmegaA[1] + lnT * (OmegaA[2] + lnT * (OmegaA[3] + lnT * OmegaA[4])));
    constexpr double sigma = 3.6502496e-10;
    return 312500.0 * std::sqrt(2.0442e-49 * tk) / (sigma * sigma * std::exp(lnOmega));
}

double NitrogenViscosity(double D, double T) {
    const double* N = ViscosityN;
    const double rho = D / 314.0;
    const double excess =
        N[0] / (rho - N[1]) + N[0] / N[1] + rho * (N[2] + rho * (N[3] + rho * N[4]));
    return (NitrogenDiluteViscosity(T) + 14.0 * excess) * 1e-06;
}

double NitrogenConductivity(double D, double T) {
    const double tk = T + KelvinOffset;
    const double u = 3353.4061 / tk;
    // Ideal-gas heat capacity in units of the gas constant.
    double c = 0.0;
    for (int i = 0; i < 7; ++i) c += HeatCapacityPhi[i] * IntegralPower(tk, i - 3);
    const double eu = std::exp(u);
    c += 1.00773735767 * u * u * eu / ((eu - 1.0) * (eu - 1.0));
    constexpr double boltzmann = 1.38062e-23;
    constexpr double avogadro = 6.02213e+26;  // per kmol
    const double cv = (c - 1.0) * 8.31434 * 1000.0 / avogadro;
    const double f = NitrogenDiluteViscosity(T) * boltzmann * avogadro / (28.013 * 1000.0);
    const double dilute =
        ((1.5 - 0.95185202) * 2.5 + (cv / boltzmann + 0.95185202) * 1.0205422) * f;
    const double rho = D / 314.0;
    double excess = 0.0;
    for (int i = 3; i >= 0; --i) excess = (excess + ConductivityPsi[i]) * rho;
    return (dilute + 4.17 * excess) / 1000.0;
}

namespace {

// Checks the range of the correlations, finds the density at (P, T) and evaluates
// property(D, T); functionName names the caller in the error texts.
template <class Property>
double NitrogenTransportPT(const THelmholzFluid& nitrogen, const char* functionName, double P,
                           double T, std::string& ErrorText, int32_t& ErrorCode,
                           Property property) {
    using Range = TNitrogenTransportRange;
    const TKXRangeCheck checks[] = {
        {"<", P, nitrogen.Pt_, "Pressure", "bar(a)", KXErrorCode::PressureLow},
        {">", P, Range::Pmax, "Pressure", "bar(a)", KXErrorCode::PressureHigh},
        {"<", T, Range::TminK - nitrogen.dta, "Temperature", "°C", KXErrorCode::TemperatureLow},
        {">", T, Range::TmaxK - nitrogen.dta, "Temperature", "°C", KXErrorCode::TemperatureHigh},
    };
    return TransportPropertyPT(nitrogen, functionName, checks, Range::Dmax, P, T, ErrorText,
                               ErrorCode, property);
}

}  // namespace

double NitrogenDVPT(const THelmholzFluid& nitrogen, double P, double T, std::string& ErrorText,
                    int32_t& ErrorCode) {
    return NitrogenTransportPT(nitrogen, "DVPT", P, T, ErrorText, ErrorCode,
                               [](double D, double t) { return NitrogenViscosity(D, t); });
}

double NitrogenKVPT(const THelmholzFluid& nitrogen, double P, double T, std::string& ErrorText,
                    int32_t& ErrorCode) {
    return NitrogenTransportPT(nitrogen, "KVPT", P, T, ErrorText, ErrorCode,
                               [](double D, double t) { return NitrogenViscosity(D, t) / D; });
}

double NitrogenTCPT(const THelmholzFluid& nitrogen, double P, double T, std::string& ErrorText,
                    int32_t& ErrorCode) {
    return NitrogenTransportPT(nitrogen, "TCPT", P, T, ErrorText, ErrorCode,
                               [](double D, double t) { return NitrogenConductivity(D, t); });
}

// ---- Oxygen ----

double OxygenDiluteViscosity(const THelmholzFluid& oxygen, double T) {
    const double tk = T + 273.15;
    const double lnT = std::log(tk / 118.5);
    const double lnOmega =
        OmegaB[0] + lnT * (OmegaB[1] + lnT * (OmegaB[2] + lnT * (OmegaB[3] + lnT * OmegaB[4])));
    return 0.0266958 * std::sqrt(tk * oxygen.MM_) / (0.3428 * 0.3428 * std::exp(lnOmega));
}

double OxygenViscosity(const THelmholzFluid& oxygen, double D, double T) {
    const double tau = 154.581 / (T + 273.15);
    const double delta = D / (13.63 * oxygen.MM_);
    double residual = 0.0;
    for (const TO2ViscosityTerm& term : ViscosityTerms) {
        double value = term.N * PowerOf(tau, term.t) * IntegralPower(delta, term.d);
        if (term.l != 0) value *= std::exp(-IntegralPower(delta, term.l));
        residual += value;
    }
    return (OxygenDiluteViscosity(oxygen, T) + residual) * 1e-06;
}

double OxygenDVPT(const THelmholzFluid& oxygen, double P, double T, std::string& ErrorText,
                  int32_t& ErrorCode) {
    const TKXRangeCheck checks[] = {
        {"<", P, oxygen.Pt_, "Pressure", "bar(a)", KXErrorCode::PressureLow},
        {">", P, oxygen.Pmax, "Pressure", "bar(a)", KXErrorCode::PressureHigh},
        {"<", T, oxygen.Tt_, "Temperature", "°C", KXErrorCode::TemperatureLow},
        {">", T, oxygen.Tmax, "Temperature", "°C", KXErrorCode::TemperatureHigh},
    };
    return TransportPropertyPT(
        oxygen, "DVPT", checks, 0.0, P, T, ErrorText, ErrorCode,
        [&oxygen](double D, double t) { return OxygenViscosity(oxygen, D, t); });
}
