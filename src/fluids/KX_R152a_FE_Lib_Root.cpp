#include "KX_R152a_FE_Lib_Root.h"

#include <cmath>

// R152a residual part, 7 polynomial and 12 exponential terms: Tillner-Roth (1995).
static constexpr TResidualTerm R152aResidual[] = {
    {0.355226, 0.0, 1.0, 0},       // 1
    {-1.42566, 1.5, 1.0, 0},       // 2
    {-0.04631621, 3.0, 1.0, 0},    // 3
    {0.06903546, -0.5, 1.5, 0},    // 4
    {0.0197571, -0.5, 3.0, 0},     // 5
    {0.0007486977, -0.5, 6.0, 0},  // 6
    {0.0004642204, 1.5, 6.0, 0},   // 7
    {-0.2603396, 3.0, 1.0, 1},     // 8
    {-0.07624212, 4.0, 1.0, 1},    // 9
    {0.2233522, 3.0, 3.0, 1},      // 10
    {0.01992515, 2.0, 4.0, 1},     // 11
    {0.344904, 4.0, 1.0, 2},       // 12
    {-0.4963849, 5.0, 1.0, 2},     // 13
    {0.1290719, 6.0, 1.0, 2},      // 14
    {0.000976079, 5.0, 8.0, 2},    // 15
    {0.005066545, 12.5, 2.0, 3},   // 16
    {-0.0140202, 25.0, 3.0, 3},    // 17
    {0.005169918, 20.0, 5.0, 3},   // 18
    {0.0002679087, 25.0, 6.0, 3},  // 19
};
static_assert(ValidResidualTable(R152aResidual));

// R152a ideal-gas part, −ln τ + a_3 τ^(−1/4) + a_4 τ^(−2) + a_5 τ^(−4): Tillner-Roth (1995).
static constexpr TIdealPowerTerm R152aIdealPowers[] = {
    {-20.78887, -0.25},
    {-0.6539092, -2.0},
    {0.03342831, -4.0},
};
static constexpr TIdealGasPart R152aIdeal{10.87227, 6.839515, -1.0, R152aIdealPowers, {}};

// R152a ancillary equations, the empirical fits of this model (start values of the saturation
// solver), ϑ = 1 − T/Tcr: vapour pressure p = p_ref exp(Σ n ϑ^k / (1 − ϑ)); saturated-liquid
// density Σ n ϑ^k; saturated-vapour density D_ref exp(Σ n ϑ^k) (0.3333 and 0.6667 are these
// decimals); saturation temperature fit in ln(p/p_ref), above 44 bar a quadratic in p; from
// 113 °C on, straight density lines that meet at Tc_.
static constexpr double R152aPseRef = 45.1681;
static constexpr double R152aPseN[] = {-7.4284069, 1.8245044, -3.4110761, 2.3252755, -3.5077925};
static constexpr double R152aPseK[] = {1.0, 1.5, 2.5, 3.0, 4.25};
static constexpr double R152aDsleN[] = {392.236, 358.397, 594.808, 114.02};
static constexpr double R152aDsleK[] = {0.0, 1.0 / 3.0, 0.5, 7.0 / 3.0};
static constexpr double R152aDsveRef = 359.32;
static constexpr double R152aDsveN[] = {-3.030414, 5.775173, -9.147946, -12.281872, -51.012339};
static constexpr double R152aDsveK[] = {0.3333, 0.5, 0.6667, 2.25, 5.5};
static constexpr TSaturationTemperatureFit R152aTse{
    45.1681, 113.26, {0.997312, -0.151088, -0.00146623}};
static constexpr double R152aTseQuadraticAbove = 44.0;  // bar
static constexpr double R152aTseQuadratic[] = {-0.00301659, 1.44848, 53.9871};
static constexpr TStraightBranch R152aDsleBranch{113.0, 432.97, -73.65, 0.26};
static constexpr TStraightBranch R152aDsveBranch{113.0, 299.38, 59.94, 0.26};

TR152a_FE::TR152a_FE()
    : TEquationFluid(THelmholzConstants{.Code = "KX_R152a_FE",
                                        .MM_ = 66.051,
                                        .R_ = 0.12587956,
                                        .Ac_ = 0.2805,
                                        .Tc_ = 113.26,
                                        .Tcr_ = 113.26,
                                        .Tc_Max_ = 113.17,
                                        .Pc_ = 45.1681,
                                        .Hc_ = 479.81,
                                        .Pcr_ = 45.1652,
                                        .Dcr_ = 368.0,
                                        .Tt_ = -118.5,
                                        .Pt_ = 0.00066187967821067749,
                                        .Pmin = 0.00065991,
                                        .Pmax = 300.0,
                                        .Tmax = 161.85},
                     {R152aResidual}, R152aIdeal) {}

// Ancillary equations. The pressure equation has no straight-line branch; the densities switch
// to straight lines that meet at Tc_ from 113 °C, the temperature to a quadratic above 44 bar.

double TR152a_FE::Pse(double t) const {
    const double th = AncillaryTheta(t, Tcr_, dta);
    return R152aPseRef *
           std::exp(AncillarySum<FluidPowerRule>(R152aPseN, R152aPseK, th) / (1.0 - th));
}

double TR152a_FE::tse(double p) const {
    if (p > R152aTseQuadraticAbove) {
        const double* q = R152aTseQuadratic;
        return q[0] * p * p + q[1] * p + q[2];
    }
    return R152aTse.At(p, dta);
}

double TR152a_FE::dsle(double t) const {
    if (t >= R152aDsleBranch.start) return R152aDsleBranch.At(t);
    const double th = AncillaryTheta(t, Tcr_, dta);
    return AncillarySum<FluidPowerRule>(R152aDsleN, R152aDsleK, th);
}

double TR152a_FE::dsve(double t) const {
    if (t >= R152aDsveBranch.start) return R152aDsveBranch.At(t);
    const double th = AncillaryTheta(t, Tcr_, dta);
    return R152aDsveRef * std::exp(AncillarySum<FluidPowerRule>(R152aDsveN, R152aDsveK, th));
}
