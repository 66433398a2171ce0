#include "KX_N2_FE_Lib_Root.h"

#include <cmath>

#include "HelmholtzMath.h"

namespace {

// ---- Coefficient tables ----

// Ideal-gas part of the nitrogen equation of state, Span et al. (2000): a1 ln τ + a2 + a3 τ
// + a4/τ + a5/τ² + a6/τ³ + a7 ln(1 − exp(−a8 τ)).
constexpr TIdealPowerTerm N2IdealPowers[] = {
    {-0.0001934819, -1.0}, {-1.247742e-05, -2.0}, {6.678326e-08, -3.0}};
constexpr TIdealPlanckTerm N2IdealPlanck[] = {{1.012941, 26.65788}};
constexpr TIdealGasPart N2Ideal{-12.76952708, -0.00784163, 2.5, N2IdealPowers, N2IdealPlanck};

// Residual polynomial and exponential terms 1-32 of the nitrogen equation of state,
// Span, Lemmon, Jacobsen, Wagner and Yokozeki, J. Phys. Chem. Ref. Data 29 (2000) 1361.
constexpr TResidualTerm N2Terms[32] = {
    {0.924803575275, 0.25, 1, 0},     // 1
    {-0.492448489428, 0.875, 1, 0},   // 2
    {0.661883336938, 0.5, 2, 0},      // 3
    {-1.92902649201, 0.875, 2, 0},    // 4
    {-0.0622469309629, 0.375, 3, 0},  // 5
    {0.349943957581, 0.75, 3, 0},     // 6
    {0.564857472498, 0.5, 1, 1},      // 7
    {-1.61720005987, 0.75, 1, 1},     // 8
    {-0.481395031883, 2.0, 1, 1},     // 9
    {0.421150636384, 1.25, 3, 1},     // 10
    {-0.0161962230825, 3.5, 3, 1},    // 11
    {0.172100994165, 1.0, 4, 1},      // 12
    {0.00735448924933, 0.5, 6, 1},    // 13
    {0.0168077305479, 3.0, 6, 1},     // 14
    {-0.00107626664179, 0.0, 7, 1},   // 15
    {-0.0137318088513, 2.75, 7, 1},   // 16
    {0.000635466899859, 0.75, 8, 1},  // 17
    {0.00304432279419, 2.5, 8, 1},    // 18
    {-0.0435762336045, 4.0, 1, 2},    // 19
    {-0.0723174889316, 6.0, 2, 2},    // 20
    {0.0389644315272, 6.0, 3, 2},     // 21
    {-0.021220136391, 3.0, 4, 2},     // 22
    {0.00408822981509, 3.0, 5, 2},    // 23
    {-5.51990017984e-05, 6.0, 8, 2},  // 24
    {-0.0462016716479, 16.0, 4, 3},   // 25
    {-0.00300311716011, 11.0, 5, 3},  // 26
    {0.0368825891208, 15.0, 5, 3},    // 27
    {-0.0025585684622, 12.0, 8, 3},   // 28
    {0.00896915264558, 12.0, 3, 4},   // 29
    {-0.0044151337035, 7.0, 5, 4},    // 30
    {0.00133722924858, 4.0, 6, 4},    // 31
    {0.000264832491957, 16.0, 9, 4},  // 32
};

// Residual Gaussian terms 33-36 of the nitrogen equation of state, Span et al. (2000).
constexpr TGaussianTerm N2GaussianTerms[4] = {
    {19.6688194015, 0.0, 1, 20.0, 325.0, 1.16, 1.0},    // 33
    {-20.911560073, 1.0, 1, 20.0, 325.0, 1.16, 1.0},    // 34
    {0.0167788306989, 2.0, 3, 15.0, 300.0, 1.13, 1.0},  // 35
    {2627.67566274, 3.0, 2, 25.0, 275.0, 1.25, 1.0},    // 36
};

// Ancillary saturation equations of Span et al. (2000): vapour pressure, saturated-liquid and
// saturated-vapour density; and the inverse vapour-pressure fit in ln(p/pc).
constexpr double PseN[4] = {-6.12445284, 1.2632722, -0.765910082, -1.77570564};
constexpr double PseK[4] = {1.0, 1.5, 2.5, 5.0};
constexpr double DsleN[4] = {1.48654237, -0.280476066, 0.0894143085, -0.119879866};
constexpr double DsleK[4] = {0.3294, 2.0 / 3.0, 8.0 / 3.0, 35.0 / 6.0};
constexpr double DsveN[5] = {-1.70127164, -3.70402649, 1.29859383, -0.561424977, -2.68505381};
constexpr double DsveK[5] = {0.34, 5.0 / 6.0, 7.0 / 6.0, 13.0 / 6.0, 14.0 / 3.0};
constexpr double TseC[4] = {0.000170829, -0.168798, -0.0209056, -0.00120029};

}  // namespace

TN2_FE::TN2_FE()
    : TEquationFluid(THelmholzConstants{.Code = "KX_N2_FE",
                                        .MM_ = 28.01348,
                                        .R_ = 0.2968039,
                                        .Ac_ = 0.045,
                                        .Tc_ = -146.958,
                                        .Tcr_ = -146.958,
                                        .Tc_Max_ = -146.958,
                                        .Pc_ = 33.958,
                                        .Hc_ = 29.2327,
                                        .Pcr_ = 33.958,
                                        .Dcr_ = 313.3,
                                        .Tt_ = -209.999,
                                        .Pt_ = 0.12519783662960463,
                                        .Pmin = 0.12519783662960463,  // the triple-point pressure
                                        .Pmax = 22000.0,
                                        .Tmax = 1000.0 - KelvinOffset},
                     {N2Terms, N2GaussianTerms, {}, {}, 8}, N2Ideal) {}

// ---- Ancillary equations; θ = 1 − T/Tc, negative (and the powers undefined) above Tc ----

double TN2_FE::Pse(double t) const {
    const double theta = AncillaryTheta(t, Tcr_, dta);
    return Pcr_ * std::exp((Tcr_ + dta) / (t + dta) * AncillarySum(PseN, PseK, theta));
}

double TN2_FE::tse(double p) const {
    const double x = std::log(p / Pcr_);
    const double fit = TseC[0] + x * (TseC[1] + x * (TseC[2] + x * TseC[3]));
    return (Tcr_ + dta) * (1.0 - fit) - 273.15;
}

double TN2_FE::dsle(double t) const {
    const double theta = AncillaryTheta(t, Tcr_, dta);
    return Dcr_ * std::exp(AncillarySum(DsleN, DsleK, theta));
}

double TN2_FE::dsve(double t) const {
    const double theta = AncillaryTheta(t, Tcr_, dta);
    return Dcr_ * std::exp((Tcr_ + dta) / (t + dta) * AncillarySum(DsveN, DsveK, theta));
}
