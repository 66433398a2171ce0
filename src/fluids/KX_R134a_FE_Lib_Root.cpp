#include "KX_R134a_FE_Lib_Root.h"

#include <cmath>

// R134a residual part, 8 polynomial and 13 exponential terms: Tillner-Roth and Baehr (1994).
static constexpr TResidualTerm R134aResidual[] = {
    {0.05586817, -0.5, 2.0, 0},      // 1
    {0.498223, 0.0, 1.0, 0},         // 2
    {0.02458698, 0.0, 3.0, 0},       // 3
    {0.0008570145, 0.0, 6.0, 0},     // 4
    {0.0004788584, 1.5, 6.0, 0},     // 5
    {-1.800808, 1.5, 1.0, 0},        // 6
    {0.2671641, 2.0, 1.0, 0},        // 7
    {-0.04781652, 2.0, 2.0, 0},      // 8
    {0.01423987, 1.0, 5.0, 1},       // 9
    {0.3324062, 3.0, 2.0, 1},        // 10
    {-0.007485907, 5.0, 2.0, 1},     // 11
    {0.0001017263, 1.0, 4.0, 2},     // 12
    {-0.5184567, 5.0, 1.0, 2},       // 13
    {-0.08692288, 5.0, 4.0, 2},      // 14
    {0.2057144, 6.0, 1.0, 2},        // 15
    {-0.005000457, 10.0, 2.0, 2},    // 16
    {0.0004603262, 10.0, 4.0, 2},    // 17
    {-0.003497836, 10.0, 1.0, 3},    // 18
    {0.006995038, 18.0, 5.0, 3},     // 19
    {-0.01452184, 22.0, 3.0, 3},     // 20
    {-0.0001285458, 50.0, 10.0, 4},  // 21
};
static_assert(ValidResidualTable(R134aResidual));

// R134a ideal-gas part, a_4 τ^(−1/2) + a_5 τ^(−3/4): Tillner-Roth and Baehr (1994).
static constexpr TIdealPowerTerm R134aIdealPowers[] = {
    {-9.723916, -0.5},
    {-3.92717, -0.75},
};
static constexpr TIdealGasPart R134aIdeal{-1.019535, 9.047135, -1.629789, R134aIdealPowers, {}};

// R134a ancillary equations, the empirical fits of this model (start values of the saturation
// solver), ϑ = 1 − T/Tcr: vapour pressure p = p_ref exp(Σ n ϑ^k / (1 − ϑ)); saturated-liquid
// density Σ n ϑ^k; saturated-vapour density D_ref exp(Σ n ϑ^k) (0.3333 and 0.6667 are these
// decimals); saturation temperature fit in ln(p/p_ref); from 100 °C on, straight lines that
// meet at Tc_.
static constexpr double R134aPseRef = 40.56318;
static constexpr double R134aPseN[] = {-7.7057291, 2.4186313, -2.1848312, -3.4530733};
static constexpr double R134aPseK[] = {1.0, 1.5, 2.0, 4.0};
static constexpr double R134aDsleN[] = {518.236, 885.538, 482.517, 192.157};
static constexpr double R134aDsleK[] = {0.0, 1.0 / 3.0, 2.0 / 3.0, 3.25};
static constexpr double R134aDsveRef = 517.44;
static constexpr double R134aDsveN[] = {-3.302839, 5.922844, -9.011844, -13.652539, -54.881903};
static constexpr double R134aDsveK[] = {0.3333, 0.5, 0.6667, 2.25, 5.5};
static constexpr TSaturationTemperatureFit R134aTse{
    40.56318, 101.03, {0.997475, -0.145994, -0.00167232}};
static constexpr TStraightBranch R134aPseBranch{100.0, 39.7241, 0.8418, 1.03};
static constexpr TStraightBranch R134aDsleBranch{100.0, 651.51, -134.07, 1.03};
static constexpr TStraightBranch R134aDsveBranch{100.0, 372.85, 144.59, 1.03};

TR134a_FE::TR134a_FE()
    : TEquationFluid(THelmholzConstants{.Code = "KX_R134a_FE",
                                        .MM_ = 102.032,
                                        .R_ = 0.081488856,
                                        .Ac_ = 0.32684,
                                        .Tc_ = 101.03,
                                        .Tcr_ = 101.03,
                                        .Tc_Max_ = 100.0,
                                        .Pc_ = 40.5659,
                                        .Hc_ = 388.95,
                                        .Pcr_ = 40.5659,
                                        .Dcr_ = 508.0,
                                        .Tt_ = -103.3,
                                        .Pt_ = 0.0038956378651171606,
                                        .Pmin = 0.0038956378651171606,  // the triple-point pressure
                                        .Pmax = 700.0,
                                        .Tmax = 181.85},
                     {R134aResidual}, R134aIdeal) {}

// Ancillary equations: empirical below 100 °C; from there straight lines that meet at Tc_.

double TR134a_FE::Pse(double t) const {
    if (t >= R134aPseBranch.start) return R134aPseBranch.At(t);
    const double th = AncillaryTheta(t, Tcr_, dta);
    return R134aPseRef *
           std::exp(AncillarySum<FluidPowerRule>(R134aPseN, R134aPseK, th) / (1.0 - th));
}

double TR134a_FE::tse(double p) const {
    return R134aTse.At(p, dta);
}

double TR134a_FE::dsle(double t) const {
    if (t >= R134aDsleBranch.start) return R134aDsleBranch.At(t);
    const double th = AncillaryTheta(t, Tcr_, dta);
    return AncillarySum<FluidPowerRule>(R134aDsleN, R134aDsleK, th);
}

double TR134a_FE::dsve(double t) const {
    if (t >= R134aDsveBranch.start) return R134aDsveBranch.At(t);
    const double th = AncillaryTheta(t, Tcr_, dta);
    return R134aDsveRef * std::exp(AncillarySum<FluidPowerRule>(R134aDsveN, R134aDsveK, th));
}
