#include "KX_CO2_FE_Lib_Root.h"

#include <cmath>
#include <limits>

#include "KX_Range_Checks.h"

// Carbon dioxide residual part, polynomial terms 1-7 and exponential terms 8-34 (l = c_i):
// Span and Wagner (1996).
static constexpr TResidualTerm CO2Residual[] = {
    {0.38856823203161, 0.0, 1.0, 0},       // 1
    {2.938547594274, 0.75, 1.0, 0},        // 2
    {-5.5867188534934, 1.0, 1.0, 0},       // 3
    {-0.76753199592477, 2.0, 1.0, 0},      // 4
    {0.31729005580416, 0.75, 2.0, 0},      // 5
    {0.54803315897767, 2.0, 2.0, 0},       // 6
    {0.12279411220335, 0.75, 3.0, 0},      // 7
    {2.165896154322, 1.5, 1.0, 1},         // 8
    {1.5841735109724, 1.5, 2.0, 1},        // 9
    {-0.23132705405503, 2.5, 4.0, 1},      // 10
    {0.058116916431436, 0.0, 5.0, 1},      // 11
    {-0.55369137205382, 1.5, 5.0, 1},      // 12
    {0.48946615909422, 2.0, 5.0, 1},       // 13
    {-0.024275739843501, 0.0, 6.0, 1},     // 14
    {0.062494790501678, 1.0, 6.0, 1},      // 15
    {-0.12175860225246, 2.0, 6.0, 1},      // 16
    {-0.37055685270086, 3.0, 1.0, 2},      // 17
    {-0.016775879700426, 6.0, 1.0, 2},     // 18
    {-0.11960736637987, 3.0, 4.0, 2},      // 19
    {-0.045619362508778, 6.0, 4.0, 2},     // 20
    {0.035612789270346, 8.0, 4.0, 2},      // 21
    {-0.0074427727132052, 6.0, 7.0, 2},    // 22
    {-0.0017395704902432, 0.0, 8.0, 2},    // 23
    {-0.021810121289527, 7.0, 2.0, 3},     // 24
    {0.024332166559236, 12.0, 3.0, 3},     // 25
    {-0.037440133423463, 16.0, 3.0, 3},    // 26
    {0.14338715756878, 22.0, 5.0, 4},      // 27
    {-0.13491969083286, 24.0, 5.0, 4},     // 28
    {-0.02315122505348, 16.0, 6.0, 4},     // 29
    {0.012363125492901, 24.0, 7.0, 4},     // 30
    {0.002105832197294, 8.0, 8.0, 4},      // 31
    {-0.00033958519026368, 2.0, 10.0, 4},  // 32
    {0.0055993651771592, 28.0, 4.0, 5},    // 33
    {-0.00030335118055646, 14.0, 8.0, 6},  // 34
};
static_assert(ValidResidualTable(CO2Residual));

// Carbon dioxide Gaussian bell-shaped terms 35-39: Span and Wagner (1996).
static constexpr TGaussianTerm CO2Gaussian[] = {
    {-213.6548868832, 1.0, 2, 25, 325.0, 1.16, 1.0},   // 35
    {26641.569149272, 0.0, 2, 25, 300.0, 1.19, 1.0},   // 36
    {-24027.212204557, 1.0, 2, 25, 300.0, 1.19, 1.0},  // 37
    {-283.41603423999, 3.0, 3, 15, 275.0, 1.25, 1.0},  // 38
    {212.47284400179, 3.0, 3, 20, 275.0, 1.22, 1.0},   // 39
};

// Carbon dioxide non-analytic terms 40-42: Span and Wagner (1996).
static constexpr TNonAnalyticTerm CO2NonAnalytic[] = {
    {-0.66642276540751, 3.5, 0.875, 0.3, 0.7, 0.3, 10.0, 275.0},  // 40
    {0.72608632349897, 3.5, 0.925, 0.3, 0.7, 0.3, 10.0, 275.0},   // 41
    {0.055068668612842, 3.0, 0.875, 0.3, 0.7, 1.0, 12.5, 275.0},  // 42
};
static constexpr int FirstNonAnalyticTerm = 40;

// Carbon dioxide ideal-gas part, Planck-Einstein terms a_i ln(1 − exp(−θ°_i τ)), i = 4-8:
// Span and Wagner (1996).
static constexpr TIdealPlanckTerm CO2IdealPlanck[] = {
    {1.99427042, 3.15163},  {0.62105248, 6.1119},   {0.41195293, 6.77708},
    {1.04028922, 11.32384}, {0.08327678, 27.08792},
};
static constexpr TIdealGasPart CO2Ideal{8.37304456, -3.70454304, 2.5, {}, CO2IdealPlanck};

// Carbon dioxide ancillary equations, Span and Wagner (1996), ϑ = 1 − T/Tcr: vapour pressure
// ln(p/pc) = (Tc/T) Σ n ϑ^k; saturated-liquid density ln(ρ'/ρc) = Σ n ϑ^k; saturated-vapour
// density ln(ρ''/ρc) = Σ n ϑ^k. The saturation temperature is this model's approximate inverse
// of the vapour pressure, T = Tc (c0 + c1 y + c2 y² + c3 y³), y = ln(p/pc).
static constexpr double CO2PseN[] = {-7.0602087, 1.9391218, -1.6463597, -3.2995634};
static constexpr double CO2PseK[] = {1.0, 1.5, 2.0, 4.0};
static constexpr double CO2DsleN[] = {1.9245108, -0.62385555, -0.32731127, 0.39245142};
static constexpr double CO2DsleK[] = {0.34, 0.5, 10.0 / 6.0, 11.0 / 6.0};
static constexpr double CO2DsveN[] = {-1.7074879, -0.8227467, -4.6008549, -10.111178, -29.742252};
static constexpr double CO2DsveK[] = {0.34, 0.5, 1.0, 7.0 / 3.0, 14.0 / 3.0};
static constexpr double CO2TseC[] = {1.0, 0.151223, 0.0194924, 0.00132413};

TCO2_FE::TCO2_FE()
    : TEquationFluid(THelmholzConstants{.Code = "KX_CO2_FE",
                                        .MM_ = 44.0098,
                                        .R_ = 0.1889241,
                                        .Ac_ = 0.0938,
                                        .Tc_ = 30.9782,
                                        .Tcr_ = 30.9782,
                                        .Tc_Max_ = 30.9782,
                                        .Pc_ = 73.773,
                                        .Hc_ = -174.53,
                                        .Pcr_ = 73.773,
                                        .Dcr_ = 467.6,
                                        .Tt_ = -56.558,
                                        .Pt_ = 5.1796445756557858,
                                        .Pmin = 0.01,
                                        .Pmax = 8000.0,
                                        .Tmax = 1100.0 - KelvinOffset},
                     {CO2Residual, CO2Gaussian, CO2NonAnalytic}, CO2Ideal) {}

// The auxiliary quantities of one non-analytic term, by its index 40 to 42.
#define KX_CO2_NON_ANALYTIC_ACCESSOR(NAME)                                 \
    double TCO2_FE::NAME(double Tau, double Delta, int i) const {          \
        const int row = i - FirstNonAnalyticTerm;                          \
        if (row < 0 || row >= static_cast<int>(std::size(CO2NonAnalytic))) \
            return std::numeric_limits<double>::quiet_NaN();               \
        return NonAnalyticParts(CO2NonAnalytic[row], Tau, Delta).NAME;     \
    }
KX_CO2_NON_ANALYTIC_ACCESSOR(Theta)
KX_CO2_NON_ANALYTIC_ACCESSOR(DDelta)
KX_CO2_NON_ANALYTIC_ACCESSOR(DDeltad)
KX_CO2_NON_ANALYTIC_ACCESSOR(DDeltadd)
KX_CO2_NON_ANALYTIC_ACCESSOR(DDeltabid)
KX_CO2_NON_ANALYTIC_ACCESSOR(DDeltabidd)
KX_CO2_NON_ANALYTIC_ACCESSOR(DDeltabit)
KX_CO2_NON_ANALYTIC_ACCESSOR(DDeltabitt)
KX_CO2_NON_ANALYTIC_ACCESSOR(DDeltabidt)
KX_CO2_NON_ANALYTIC_ACCESSOR(Psi)
KX_CO2_NON_ANALYTIC_ACCESSOR(Psid)
KX_CO2_NON_ANALYTIC_ACCESSOR(Psidd)
KX_CO2_NON_ANALYTIC_ACCESSOR(Psit)
KX_CO2_NON_ANALYTIC_ACCESSOR(Psitt)
KX_CO2_NON_ANALYTIC_ACCESSOR(Psidt)
#undef KX_CO2_NON_ANALYTIC_ACCESSOR

// Ancillary equations: start values for the saturation solver.

double TCO2_FE::Pse(double t) const {
    const double th = AncillaryTheta(t, Tcr_, dta);
    return Pcr_ *
           std::exp((Tcr_ + dta) / (t + dta) * AncillarySum<FluidPowerRule>(CO2PseN, CO2PseK, th));
}

double TCO2_FE::tse(double p) const {
    const double y = std::log(p / Pcr_);
    const double* c = CO2TseC;
    return (Tcr_ + dta) * (c[0] + c[1] * y + c[2] * y * y + c[3] * y * y * y) - 273.15;
}

double TCO2_FE::dsle(double t) const {
    const double th = AncillaryTheta(t, Tcr_, dta);
    return Dcr_ * std::exp(AncillarySum<FluidPowerRule>(CO2DsleN, CO2DsleK, th));
}

double TCO2_FE::dsve(double t) const {
    const double th = AncillaryTheta(t, Tcr_, dta);
    return Dcr_ * std::exp(AncillarySum<FluidPowerRule>(CO2DsveN, CO2DsveK, th));
}
