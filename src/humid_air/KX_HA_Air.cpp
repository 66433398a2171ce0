#include "KX_HA_Air.h"

#include <cmath>

namespace ha::air {

namespace {

// Lemmon et al. (2000), residual part: n delta^d tau^t exp(-delta^l) (no exponential for l = 0).
struct TTerm {
    double n, t;
    int d, l;
};
constexpr TTerm kResidual[] = {{0.118160747229, 0.0, 1, 0},      {0.713116392079, 0.33, 1, 0},
                               {-1.61824192067, 1.01, 1, 0},     {0.0714140178971, 0.0, 2, 0},
                               {-0.0865421396646, 0.0, 3, 0},    {0.134211176704, 0.15, 3, 0},
                               {0.0112626704218, 0.0, 4, 0},     {-0.0420533228842, 0.2, 4, 0},
                               {0.0349008431982, 0.35, 4, 0},    {0.000164957183186, 1.35, 6, 0},
                               {-0.101365037912, 1.6, 1, 1},     {-0.17381369097, 0.8, 3, 1},
                               {-0.0472103183731, 0.95, 5, 1},   {-0.0122523554253, 1.25, 6, 1},
                               {-0.146629609713, 3.6, 1, 2},     {-0.0316055879821, 6.0, 3, 2},
                               {0.000233594806142, 3.25, 11, 2}, {0.0148287891978, 3.5, 1, 3},
                               {-0.00938782884667, 15.0, 3, 3}};

// tau^2 alpha0_tautau of the ideal part (the Lemmon et al. 2000 form; the last term written with
// e^-x, e^x overflowing at low temperature).
double IdealTauTau(double tau) {
    constexpr double N[] = {6.057194e-08,  -2.10274769e-05, -0.000158860716,
                            -13.841928076, 17.275266575,    -0.00019536342};
    constexpr double e[] = {-3.0, -2.0, -1.0, 0.0, 1.0, 1.5};
    constexpr double N7 = 2.490888032, N8 = 0.791309509, N9 = 0.212236768, N10 = -0.197938904,
                     N11 = 25.36365, N12 = 16.90741, N13 = 87.31279;
    double sum = -N7;
    for (int k = 0; k < 6; ++k) sum += N[k] * e[k] * (e[k] - 1.0) * std::pow(tau, e[k]);
    auto planck = [](double n, double x) {
        const double em = std::exp(-x);
        return -n * x * x * em / ((1.0 - em) * (1.0 - em));
    };
    sum += planck(N8, N11 * tau) + planck(N9, N12 * tau);
    const double x = N13 * tau, em = std::exp(-x);
    sum += N10 * x * x * (2.0 / 3.0) * em / ((2.0 / 3.0 * em + 1.0) * (2.0 / 3.0 * em + 1.0));
    return sum;
}

struct TResidual {
    double a, d1, d2, tt, dt;  // a, delta a_d, delta^2 a_dd, tau^2 a_tt, delta tau a_dt
};

TResidual Residual(double tau, double delta) {
    TResidual r{0.0, 0.0, 0.0, 0.0, 0.0};
    for (const TTerm& k : kResidual) {
        const double dl = k.l > 0 ? std::pow(delta, k.l) : 0.0;
        const double f = k.n * std::pow(delta, k.d) * std::pow(tau, k.t) * std::exp(-dl);
        const double g = k.d - k.l * dl;
        r.a += f;
        r.d1 += f * g;
        r.d2 += f * (g * (g - 1.0) - k.l * k.l * dl);
        r.tt += f * k.t * (k.t - 1.0);
        r.dt += f * k.t * g;
    }
    return r;
}

// Newton on p(rho) from rho; 0 unless it settles on a root where p rises with rho.
double NewtonDensity(double T, double p, double rho) {
    for (int pass = 0; pass < 100; ++pass) {
        const TAirState s = StateRhoT(T, rho);
        if (!(s.dpdrho > 0.0)) return 0.0;
        double next = rho - (s.p - p) / s.dpdrho;
        if (!(next > 0.0)) next = 0.5 * rho;
        if (!(std::abs(next - rho) > 1e-14 * next)) return next;
        rho = next;
    }
    return 0.0;
}

// Lemmon & Jacobsen (2004), air. V1 with the correlation's own molar mass 28.9586 g/mol.
constexpr double kDiluteA[] = {0.431, -0.4623, 0.08406, 0.005341, -0.00331};
constexpr double kDiluteT[] = {0.0, 1.0, 2.0, 3.0, 4.0};
constexpr kxtransport::TViscosityDiluteFitted kDiluteViscosity{.C = 2.66958e-08,
                                                               .M = 0.0289586,
                                                               .sigma = 3.6e-10,
                                                               .epsilonOverK = 103.3,
                                                               .a = kDiluteA,
                                                               .t = kDiluteT};
constexpr double kResidualViscosityA[] = {1.072e-05, 1.122e-06, 2.019e-09, -8.876e-06, -2.916e-08};
constexpr double kResidualViscosityD[] = {1.0, 4.0, 9.0, 1.0, 8.0};
constexpr double kResidualViscosityT[] = {0.2, 0.05, 2.4, 0.6, 3.6};
constexpr double kResidualViscosityGamma[] = {0.0, 0.0, 0.0, 1.0, 1.0};
constexpr double kResidualViscosityL[] = {0.0, 0.0, 0.0, 1.0, 1.0};
constexpr kxtransport::TViscosityResidualSum kResidualViscosity{.Tred = Tj,
                                                                .rhoRed = RhoJ,
                                                                .a = kResidualViscosityA,
                                                                .d = kResidualViscosityD,
                                                                .t = kResidualViscosityT,
                                                                .gamma = kResidualViscosityGamma,
                                                                .l = kResidualViscosityL,
                                                                .closePacked = nullptr};
constexpr double kDiluteConductivityA[] = {0.001308, 0.001405, -0.001036};
constexpr double kDiluteConductivityT[] = {0.0, -1.1, -0.3};
constexpr kxtransport::TConductivityDiluteFromViscosity kDiluteConductivity{
    .A = kDiluteConductivityA, .t = kDiluteConductivityT, .Tred = Tj};
constexpr double kResidualConductivityN[] = {0.008743, 0.01476,   -0.01662,
                                             0.003793, -0.006142, -0.0003778};
constexpr double kResidualConductivityT[] = {0.1, 0.0, 0.5, 2.7, 0.3, 1.3};
constexpr double kResidualConductivityD[] = {1.0, 2.0, 3.0, 7.0, 7.0, 11.0};
constexpr double kResidualConductivityGamma[] = {0.0, 0.0, 1.0, 1.0, 1.0, 1.0};
constexpr double kResidualConductivityL[] = {0.0, 0.0, 2.0, 2.0, 2.0, 2.0};
constexpr kxtransport::TConductivityResidualSum kResidualConductivity{
    .Tred = Tj,
    .rhoRed = RhoJ,
    .N = kResidualConductivityN,
    .t = kResidualConductivityT,
    .d = kResidualConductivityD,
    .gamma = kResidualConductivityGamma,
    .l = kResidualConductivityL};
// The critical term takes the reducing point of the air equation (the maxcondentherm), and
// T_ref = 2 T_j as the paper gives it.
constexpr kxtransport::TConductivityCritical kCriticalConductivity{.RD = 1.01,
                                                                   .nu = 0.63,
                                                                   .gamma = 1.2415,
                                                                   .Gamma = 0.055,
                                                                   .xi0 = 1.1e-10,
                                                                   .qD = 1.0 / 3.1e-10,
                                                                   .Tref = 265.262,
                                                                   .Tc = Tj,
                                                                   .rhoc = RhoJ,
                                                                   .pc = Pj};

}  // namespace

const kxtransport::TViscosityCorrelation Viscosity{.diluteFitted = &kDiluteViscosity,
                                                   .residualSum = &kResidualViscosity};
const kxtransport::TConductivityCorrelation Conductivity{
    .diluteFromViscosity = &kDiluteConductivity,
    .residualSum = &kResidualConductivity,
    .critical = &kCriticalConductivity,
    .viscosity = &Viscosity};

TAirState StateRhoT(double T, double rho) {
    const double tau = Tj / T, delta = rho / RhoJ;
    const TResidual r = Residual(tau, delta);
    const double stiffness = 1.0 + 2.0 * r.d1 + r.d2;
    TAirState s;
    s.p = rho * R * T * (1.0 + r.d1);
    s.dpdrho = R * T * stiffness;
    s.cv = -R * (IdealTauTau(tau) + r.tt);
    const double a = 1.0 + r.d1 - r.dt;
    s.cp = s.cv + R * a * a / stiffness;
    return s;
}

double Density(double T, double p) {
    const double gas = NewtonDensity(T, p, p / (R * T));
    // Above the maxcondentherm the isotherm has one root; below it a liquid root may exist as
    // well, and the stable state is the root of lower Gibbs energy, g/(R T) = ln delta + alphar +
    // delta alphar_delta + (terms of T alone).
    if (T >= Tj && gas > 0.0) return gas;
    const double liquid = NewtonDensity(T, p, 35000.0);
    if (!(gas > 0.0)) return liquid;
    if (!(liquid > 0.0)) return gas;
    auto gibbs = [&](double rho) {
        const double delta = rho / RhoJ;
        const TResidual r = Residual(Tj / T, delta);
        return std::log(delta) + r.a + r.d1;
    };
    return gibbs(liquid) < gibbs(gas) ? liquid : gas;
}

kxtransport::TTransportState TransportState(double T, double rho) {
    kxtransport::TTransportState state;
    state.T = T;
    state.rho = rho;
    state.rhoMass = rho * M;
    const TAirState s = StateRhoT(T, rho);
    state.cp = s.cp;
    state.cv = s.cv;
    state.dpdrho = s.dpdrho;
    state.dpdrhoRef = StateRhoT(kCriticalConductivity.Tref, rho).dpdrho;
    return state;
}

double ViscosityRhoT(double T, double rho) {
    kxtransport::TTransportState state;
    state.T = T;
    state.rho = rho;
    state.rhoMass = rho * M;
    return kxtransport::Evaluate(Viscosity, state).Total();
}

double ConductivityRhoT(double T, double rho) {
    return kxtransport::Evaluate(Conductivity, TransportState(T, rho)).Total();
}

}  // namespace ha::air
