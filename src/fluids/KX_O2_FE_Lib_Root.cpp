#include "KX_O2_FE_Lib_Root.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "HelmholtzMath.h"
#include "KX_Ancillary_Equations.h"

namespace {

// ---- Coefficient tables ----

// Ideal-gas part of the oxygen equation of state, Schmidt and Wagner (1985): k1 τ^1.5 + k2 ln τ
// + k3 τ^−2 + k4 ln(exp(k6 τ) − 1) + k5 ln(1 + 2/3 exp(−k7 τ)), with the linear and constant
// coefficients of the reference state of enthalpy and entropy. ln(exp(k6 τ) − 1) is written as
// k6 τ + ln(1 − exp(−k6 τ)), so k4 k6 joins the linear coefficient.
constexpr double IdealK4 = 1.01258;
constexpr double IdealK6 = 14.5066;
constexpr TIdealPowerTerm O2IdealPowers[] = {{-0.000740775, 1.5}, {-6.6493e-05, -2.0}};
constexpr TIdealPlanckTerm O2IdealPlanck[] = {{IdealK4, IdealK6}, {-0.944365, 74.9148, 2.0 / 3.0}};
constexpr TIdealGasPart O2Ideal{-14.70273896, -14.69352 + IdealK4* IdealK6, 2.50042, O2IdealPowers,
                                O2IdealPlanck};

// Residual part of the oxygen equation of state, Schmidt and Wagner, Fluid Phase Equilibria 19
// (1985) 175.
constexpr TResidualTerm O2Terms[32] = {
    {0.3983768749, 0.0, 1, 0},       // 1
    {-1.846157454, 1.5, 1, 0},       // 2
    {0.4183473197, 2.5, 1, 0},       // 3
    {0.02370620711, -0.5, 2, 0},     // 4
    {0.09771730573, 1.5, 2, 0},      // 5
    {0.03017891294, 2.0, 2, 0},      // 6
    {0.02273353212, 0.0, 3, 0},      // 7
    {0.01357254086, 1.0, 3, 0},      // 8
    {-0.04052698943, 2.5, 3, 0},     // 9
    {0.0005454628515, 0.0, 6, 0},    // 10
    {0.0005113182277, 2.0, 7, 0},    // 11
    {2.953466883e-07, 5.0, 7, 0},    // 12
    {-8.687645072e-05, 2.0, 8, 0},   // 13
    {-0.2127082589, 5.0, 1, 2},      // 14
    {0.08735941958, 6.0, 1, 2},      // 15
    {0.127550919, 3.5, 2, 2},        // 16
    {-0.09067701064, 5.5, 2, 2},     // 17
    {-0.03540084206, 3.0, 3, 2},     // 18
    {-0.03623278059, 7.0, 3, 2},     // 19
    {0.0132769929, 6.0, 5, 2},       // 20
    {-0.0003254111865, 8.5, 6, 2},   // 21
    {-0.008313582932, 4.0, 7, 2},    // 22
    {0.002124570559, 6.5, 8, 2},     // 23
    {-0.0008325206232, 5.5, 10, 2},  // 24
    {-2.626173276e-05, 22.0, 2, 4},  // 25
    {0.002599581482, 11.0, 3, 4},    // 26
    {0.009984649663, 18.0, 3, 4},    // 27
    {0.002199923153, 11.0, 4, 4},    // 28
    {-0.02591350486, 23.0, 4, 4},    // 29
    {-0.1259630848, 17.0, 5, 4},     // 30
    {0.1478355637, 18.0, 5, 4},      // 31
    {-0.01011251078, 23.0, 5, 4},    // 32
};

// Ancillary saturation equations of Schmidt and Wagner (1985): vapour pressure, saturated-liquid
// and saturated-vapour density; and the inverse vapour-pressure fit in ln(p/pc).
constexpr double PseN[5] = {-6.043938, 1.175627, -0.994086, -3.456781, 3.361499};
constexpr double PseK[5] = {1.0, 1.5, 3.0, 7.0, 9.0};
constexpr double DsleN[3] = {1.507678, 0.85810805, 0.19035504};
constexpr double DsleK[3] = {1.0 / 3.0, 2.0 / 3.0, 3.0};
constexpr double DsveN[6] = {-1.498431, -2.116826, -0.905713, -5.65999, -18.90964, -53.780774};
constexpr double DsveK[6] = {1.0 / 3.0, 2.0 / 3.0, 1.0, 5.0 / 3.0, 4.0, 9.0};
constexpr double TseC[5] = {0.000186313, -0.171404, -0.0223775, -0.00169731, -5.34795e-05};

// ---- Residual part ----

// The density factor U = exp(−δ^p) and its first two derivatives; pow holds δ^0 ... δ^p.
struct TDensityFactor {
    double U;
    double Ud;
    double Udd;
};

TDensityFactor DensityFactor(const double* pow, int p) {
    // Without an exponential factor the derivatives vanish; they are not formed from
    // p·δ^(p−1), which would be 0·∞ at δ = 0.
    if (p == 0) return {1.0, 0.0, 0.0};
    const double U = std::exp(-pow[p]);
    const double Ud = -p * pow[p - 1] * U;
    const double Udd = -p * ((p - 1.0) * pow[p - 2] * U + pow[p - 1] * Ud);
    return {U, Ud, Udd};
}

void DeltaPowers(double delta, double* pow, int count) {
    pow[0] = 1.0;
    for (int k = 1; k <= count; ++k) pow[k] = pow[k - 1] * delta;
}

// The largest exponent l of exp(−δ^l) in the table.
constexpr int HighestL() {
    int highest = 0;
    for (const TResidualTerm& term : O2Terms) highest = term.l > highest ? term.l : highest;
    return highest;
}

TDensityFactor TermFactor(double delta, int k) {
    const int p = O2Terms[k - 1].l;
    double pow[HighestL() + 1];
    DeltaPowers(delta, pow, p);
    return DensityFactor(pow, p);
}

}  // namespace

TO2_FE::TO2_FE()
    : TEquationFluid(THelmholzConstants{.Code = "KX_O2_FE",
                                        .MM_ = 31.9988,
                                        .R_ = 0.2598328,
                                        .Ac_ = 0.025,
                                        .Tc_ = -118.569,
                                        .Tcr_ = -118.569,
                                        .Tc_Max_ = -118.584,
                                        .Pc_ = 50.43,
                                        .Hc_ = 32.4853,
                                        .Pcr_ = 50.43,
                                        .Dcr_ = 436.144,
                                        .Tt_ = -218.789,
                                        .Pt_ = 0.0014627772774857307,
                                        .Pmin = 0.0014627772774857307,  // the triple-point pressure
                                        .Pmax = 800.0,
                                        .Tmax = 300.0 - KelvinOffset},
                     {O2Terms, {}, {}, {}, 2}, O2Ideal) {}

// ---- Ancillary equations; θ = 1 − T/Tc ----

double TO2_FE::Pse(double t) const {
    const double theta = AncillaryTheta(t, Tcr_, dta);
    return Pcr_ * std::exp((Tcr_ + dta) / (t + dta) * AncillarySum(PseN, PseK, theta));
}

double TO2_FE::tse(double p) const {
    const double x = std::log(p / Pcr_);
    const double fit = TseC[0] + x * (TseC[1] + x * (TseC[2] + x * (TseC[3] + x * TseC[4])));
    return (Tcr_ + dta) * (1.0 - fit) - 273.15;
}

double TO2_FE::dsle(double t) const {
    const double theta = AncillaryTheta(t, Tcr_, dta);
    return Dcr_ * (1.0 + AncillarySum(DsleN, DsleK, theta));
}

double TO2_FE::dsve(double t) const {
    const double theta = AncillaryTheta(t, Tcr_, dta);
    return Dcr_ * std::exp(AncillarySum(DsveN, DsveK, theta));
}

// ---- Residual part ----

double TO2_FE::Uk(double Delta, int k) const {
    return TermFactor(Delta, k).U;
}
double TO2_FE::Ukd(double Delta, int k) const {
    return TermFactor(Delta, k).Ud;
}
double TO2_FE::Ukdd(double Delta, int k) const {
    return TermFactor(Delta, k).Udd;
}
