#include "KX_R32_FE_Lib_Root.h"

#include <cmath>

// R32 residual part, 8 polynomial and 11 exponential terms: Tillner-Roth and Yokozeki (1997).
static constexpr TResidualTerm R32Residual[] = {
    {1.046634, 0.25, 1.0, 0},       // 1
    {-0.5451165, 1.0, 2.0, 0},      // 2
    {-0.002448595, -0.25, 5.0, 0},  // 3
    {-0.04877002, -1.0, 1.0, 0},    // 4
    {0.03520158, 2.0, 1.0, 0},      // 5
    {0.00162275, 2.0, 3.0, 0},      // 6
    {2.377225e-05, 0.75, 8.0, 0},   // 7
    {0.029149, 0.25, 4.0, 0},       // 8
    {0.003386203, 18.0, 4.0, 4},    // 9
    {-0.004202444, 26.0, 4.0, 3},   // 10
    {0.0004782025, -1.0, 8.0, 1},   // 11
    {-0.005504323, 25.0, 3.0, 4},   // 12
    {-0.02418396, 1.75, 5.0, 1},    // 13
    {0.4209034, 4.0, 1.0, 2},       // 14
    {-0.4616537, 5.0, 1.0, 2},      // 15
    {-1.200513, 1.0, 3.0, 1},       // 16
    {-2.59155, 1.5, 1.0, 1},        // 17
    {-1.400145, 1.0, 2.0, 1},       // 18
    {0.8263017, 0.5, 3.0, 1},       // 19
};
static_assert(ValidResidualTable(R32Residual));

// R32 ideal-gas part, Planck-Einstein terms: Tillner-Roth and Yokozeki (1997).
static constexpr TIdealPlanckTerm R32IdealPlanck[] = {
    {1.160761, 2.2718538},
    {2.645151, 11.914421},
    {5.794987, 5.1415638},
    {1.129475, 32.768217},
};
static constexpr TIdealGasPart R32Ideal{-8.258096, 6.353098, 3.004486, {}, R32IdealPlanck};

// R32 ancillary equations, the empirical fits of this model (start values of the saturation
// solver), ϑ = 1 − T/Tcr: vapour pressure p = p_ref exp(Σ n ϑ^k / (1 − ϑ)); saturated-liquid
// density Σ n ϑ^k; saturated-vapour density D_ref exp(Σ n ϑ^k), an ideal gas below −50 °C;
// saturation temperature fit in ln(p/p_ref); from 75.73 °C on, straight lines that reach the
// critical pressure and density at Tc_.
static constexpr double R32PseRef = 57.8116;
static constexpr double R32PseN[] = {-7.44892, 1.6886, -1.908, -2.81};
static constexpr double R32PseK[] = {1.0, 1.5, 2.5, 5.0};
static constexpr double R32DsleN[] = {424.0, 434.55, 1296.53, -777.49, 366.84};
static constexpr double R32DsleK[] = {0.0, 1.0 / 4.0, 2.0 / 3.0, 1.0, 5.0 / 3.0};
static constexpr double R32DsveRef = 424.0;
static constexpr double R32DsveN[] = {-1.969, -2.0222, -6.7409, -27.479};
static constexpr double R32DsveK[] = {1.0 / 3.0, 2.0 / 3.0, 4.0 / 3.0, 11.0 / 3.0};
static constexpr double R32IdealVapourBelow = -50.0;
static constexpr TSaturationTemperatureFit R32Tse{
    57.826, 78.105, {0.997389, -0.150585, -0.00133953}};
static constexpr TStraightBranch R32PseBranch{75.73, 55.0, 2.826, 2.375};
static constexpr TStraightBranch R32DsleBranch{75.73, 590.01, -166.01, 2.375};
static constexpr TStraightBranch R32DsveBranch{75.73, 269.17, 154.83, 2.375};

TR32_FE::TR32_FE()
    : TEquationFluid(
          THelmholzConstants{.Code = "KX_R32_FE",
                             .MM_ = 52.024,
                             .R_ = 0.15981991,
                             .Ac_ = 0.271,
                             .Tc_ = 78.105,
                             .Tcr_ = 78.105,
                             .Tc_Max_ = 77.9,
                             .Pc_ = 57.826,
                             .Hc_ = 414.15,
                             .Pcr_ = 57.82,
                             .Dcr_ = 424.0,
                             .Tt_ = -136.81,
                             .Pt_ = 0.00047999893513182352,
                             .Pmin = 0.00047999893513182352,  // the triple-point pressure
                             .Pmax = 700.0,
                             .Tmax = 161.85},
          {R32Residual}, R32Ideal) {}

// Ancillary equations: empirical below 75.73 °C; from there straight lines that reach the
// critical pressure and density at Tc_.

double TR32_FE::Pse(double t) const {
    if (t >= R32PseBranch.start) return R32PseBranch.At(t);
    const double th = AncillaryTheta(t, Tcr_, dta);
    return R32PseRef * std::exp(AncillarySum<FluidPowerRule>(R32PseN, R32PseK, th) / (1.0 - th));
}

double TR32_FE::tse(double p) const {
    return R32Tse.At(p, dta);
}

double TR32_FE::dsle(double t) const {
    if (t >= R32DsleBranch.start) return R32DsleBranch.At(t);
    const double th = AncillaryTheta(t, Tcr_, dta);
    return AncillarySum<FluidPowerRule>(R32DsleN, R32DsleK, th);
}

double TR32_FE::dsve(double t) const {
    if (t >= R32DsveBranch.start) return R32DsveBranch.At(t);
    // Below -50 °C the vapour is dilute enough to be taken as an ideal gas.
    if (t < R32IdealVapourBelow) return Pse(t) * 100.0 / (R_ * (t + dta));
    const double th = AncillaryTheta(t, Tcr_, dta);
    return R32DsveRef * std::exp(AncillarySum<FluidPowerRule>(R32DsveN, R32DsveK, th));
}

double TR32_FE::Tmin(double P) const {
    return P >= Pc_ ? -109.0 : Tt_;
}
