#include "KX_R22_FE_Lib_Root.h"

#include <cmath>

// R22 residual part, 8 polynomial and 14 exponential terms: Kamei, Beyerlein and Jacobsen (1995).
static constexpr TResidualTerm R22Residual[] = {
    {0.2959920181, 0.0, 1.0, 0},       // 1
    {-1.151392173, 1.5, 1.0, 0},       // 2
    {0.5259746924, 0.0, 2.0, 0},       // 3
    {-0.6644393736, 0.5, 2.0, 0},      // 4
    {0.1723481086, 1.5, 2.0, 0},       // 5
    {-0.0001158525163, 3.0, 5.0, 0},   // 6
    {0.0003803104348, 0.0, 7.0, 0},    // 7
    {4.119291557e-06, 2.5, 8.0, 0},    // 8
    {-0.2267374456, 2.5, 1.0, 1},      // 9
    {0.01433024764, 3.5, 3.0, 1},      // 10
    {-0.1392978451, 1.5, 4.0, 1},      // 11
    {-0.1172221416, -0.5, 5.0, 1},     // 12
    {0.2003394173, 0.0, 5.0, 1},       // 13
    {-0.2097857448, 4.0, 1.0, 2},      // 14
    {0.01284497611, 6.0, 1.0, 2},      // 15
    {0.001724693488, 4.0, 9.0, 2},     // 16
    {-0.0005663447308, 2.0, 10.0, 2},  // 17
    {1.485459957e-05, 2.0, 12.0, 2},   // 18
    {-0.0005691734346, 12.0, 1.0, 3},  // 19
    {0.008341057068, 15.0, 3.0, 3},    // 20
    {-0.02526287501, 18.0, 3.0, 3},    // 21
    {0.001185506149, 36.0, 6.0, 4},    // 22
};
static_assert(ValidResidualTable(R22Residual));

// R22 ideal-gas part, Planck-Einstein terms a_i ln(1 − exp(−θ_i τ)): Kamei et al. (1995).
static constexpr TIdealPlanckTerm R22IdealPlanck[] = {
    {3.9321463, 4.82421333},
    {1.1007467, 11.392964},
    {1.8712909, 2.82862148},
    {2.2270666, 1.55580861},
};
static constexpr TIdealGasPart R22Ideal{-11.882967, 8.092478, 3.0067158, {}, R22IdealPlanck};

// R22 ancillary equations, the empirical fits of this model (start values of the saturation
// solver), ϑ = 1 − T/Tcr: vapour pressure p = p_ref exp(Σ n ϑ^k / (1 − ϑ)); saturated-liquid
// density Σ n ϑ^k; saturated-vapour density D_ref exp(Σ n ϑ^k) (0.3333 and 0.6667 are these
// decimals, not 1/3 and 2/3); saturation temperature fit in ln(p/p_ref); from 96 °C on, straight
// lines that reach the critical pressure and density at Tc_.
static constexpr double R22PseRef = 49.8844;
static constexpr double R22PseN[] = {-7.1394518, 2.1352753, -1.7610879, -3.016996};
static constexpr double R22PseK[] = {1.0, 1.5, 2.0, 4.25};
static constexpr double R22DsleN[] = {563.604, 2319.228, -1297.809, 382.565, 65.957};
static constexpr double R22DsleK[] = {0.0, 1.0 / 2.0, 2.0 / 3.0, 4.0 / 3.0, 13.0 / 3.0};
static constexpr double R22DsveRef = 520.0;
static constexpr double R22DsveN[] = {-4.008809, 9.553529, -12.3693, -9.344011, -56.032629};
static constexpr double R22DsveK[] = {0.3333, 0.5, 0.6667, 2.25, 5.5};
static constexpr TSaturationTemperatureFit R22Tse{
    49.8856, 96.13, {0.999568, -0.155766, -0.00138996}};
static constexpr TStraightBranch R22PseBranch{96.0, 49.7609, 0.1247, 0.13};
static constexpr TStraightBranch R22DsleBranch{96.0, 583.61, -63.61, 0.13};
static constexpr TStraightBranch R22DsveBranch{96.0, 457.44, 62.56, 0.13};

TR22_FE::TR22_FE()
    : TEquationFluid(THelmholzConstants{.Code = "KX_R22_FE",
                                        .MM_ = 86.469,
                                        .R_ = 0.09615596,
                                        .Ac_ = 0.22082,
                                        .Tc_ = 96.13,
                                        .Tcr_ = 96.13,
                                        .Tc_Max_ = 96.0,
                                        .Pc_ = 49.8856,
                                        .Hc_ = 367.49,
                                        .Pcr_ = 49.89,
                                        .Dcr_ = 520.0,
                                        .Tt_ = -157.42,
                                        .Pt_ = 3.680783299178176e-06,
                                        .Pmin = 3.68e-06,
                                        .Pmax = 2000.0,
                                        .Tmax = 525.0 - KelvinOffset},
                     {R22Residual}, R22Ideal) {}

// Ancillary equations: empirical below 96 °C; above it straight lines that reach the critical
// pressure and density at Tc_.

double TR22_FE::Pse(double t) const {
    if (t > R22PseBranch.start) return R22PseBranch.At(t);
    const double th = AncillaryTheta(t, Tcr_, dta);
    return R22PseRef * std::exp(AncillarySum<FluidPowerRule>(R22PseN, R22PseK, th) / (1.0 - th));
}

double TR22_FE::tse(double p) const {
    return R22Tse.At(p, dta);
}

double TR22_FE::dsle(double t) const {
    if (t >= R22DsleBranch.start) return R22DsleBranch.At(t);
    const double th = AncillaryTheta(t, Tcr_, dta);
    return AncillarySum<FluidPowerRule>(R22DsleN, R22DsleK, th);
}

double TR22_FE::dsve(double t) const {
    if (t >= R22DsveBranch.start) return R22DsveBranch.At(t);
    const double th = AncillaryTheta(t, Tcr_, dta);
    return R22DsveRef * std::exp(AncillarySum<FluidPowerRule>(R22DsveN, R22DsveK, th));
}
