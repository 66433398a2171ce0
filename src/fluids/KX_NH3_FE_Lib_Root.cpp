#include "KX_NH3_FE_Lib_Root.h"

#include <array>
#include <cmath>

#include "KX_Ancillary_Equations.h"
#include "KX_FloatingPoint.h"

namespace {

// Residual part of the ammonia equation of state, Tillner-Roth, Harms-Watzenberg and Baehr,
// DKV-Tagungsbericht 20 (1993) 167, Table 2.
static constexpr std::array<TResidualTerm, 21> ResidualTerms = {{
    {0.7238548, 0.5, 1, 0},    {-1.858814, 1.5, 1, 0},     {0.04554431, -0.5, 2, 0},
    {0.0122947, 1.0, 4, 0},    {2.141882e-11, 3.0, 15, 0}, {-0.2873571, 4.0, 1, 1},
    {-0.03497111, 5.0, 2, 1},  {-0.0143002, 0.0, 3, 1},    {0.3441324, 3.0, 3, 1},
    {2.352589e-05, 4.0, 8, 1}, {0.02397852, 3.0, 1, 2},    {-0.04085375, 6.0, 1, 2},
    {0.2379275, 8.0, 2, 2},    {-0.1823729, 10.0, 2, 2},   {-0.03548972, 8.0, 3, 2},
    {0.02281556, 10.0, 4, 2},  {0.001831117, 5.0, 8, 2},   {-0.008847486, 7.5, 1, 3},
    {0.002272635, 15.0, 2, 3}, {-0.006663444, 5.0, 3, 3},  {-0.0005588655, 30.0, 4, 3},
}};

// Ideal-gas part, same source, Table 1: phio = ln delta + a1 + a2 tau - ln tau + a3 tau^(1/3)
// + a4 tau^(-1.5) + a5 tau^(-1.75).
static constexpr TIdealPowerTerm IdealPowers[] = {
    {11.47434, 1.0 / 3.0}, {-1.296211, -1.5}, {0.5706757, -1.75}};
static constexpr TIdealGasPart Ideal{-15.81502, 4.255726, -1.0, IdealPowers, {}};

// Vapour-pressure ancillary equation (same source): ln(p/pr) = sum a_i theta^e_i / (1 - theta).
static constexpr double PseReference = 113.3926;
static constexpr double PseN[] = {-6.731962,  -3.5015526, 9.3251383,
                                  -6.1478322, -2.8277491, 2.0853131};
static constexpr double PseK[] = {1.0, 1.25, 1.5, 1.75, 4.5, 8.5};

// Saturated-liquid density ancillary equation (same source): a constant and four powers of theta.
static constexpr double DsleN[] = {246.734, 199.132, 440.676, 229.581, -593.315};
static constexpr double DsleK[] = {0.0, 1.0 / 3.0, 0.5, 11.0 / 3.0, 6.0};

// Saturated-vapour density ancillary equation (same source).
static constexpr double DsveReference = 224.5;
static constexpr double DsveN[] = {-1.955252, 2.698261, -6.829793, -12.90315, -44.568974};
static constexpr double DsveK[] = {0.3333, 0.5, 0.6667, 2.25, 5.5};

// Saturation-temperature ancillary equation: T = Tr / (b0 + b1 x + b2 x^2), x = ln(p/pr).
static constexpr std::array<double, 3> TseB = {0.997078, -0.152743, -0.00127457};

// Straight continuation of the ancillary equations from 132.2 °C to the reported critical
// point: value = (t - 132.2) / 0.16 * slope + value at 132.2.
static constexpr double LinearBranchStart = 132.2;
static constexpr double LinearBranchSpan = 0.16;
static constexpr double PseLinearSlope = 0.3174;
static constexpr double PseLinearStart = 113.294;
static constexpr double DsleLinearSlope = -24.861;
static constexpr double DsleLinearStart = 249.361;
static constexpr double DsveLinearSlope = 20.826;
static constexpr double DsveLinearStart = 203.674;

// The straight continuation at t °C of one ancillary equation.
constexpr double LinearBranch(double t, double slope, double start) {
    return (t - LinearBranchStart) / LinearBranchSpan * slope + start;
}

// Start of the temperature on the Dmax isochore: a cubic fit in pressure (bar -> °C).
static constexpr std::array<double, 4> TminDmaxStart = {-171.765, 0.0362623, -1.28474e-06,
                                                        8.99641e-11};

}  // namespace

TNH3_FE::TNH3_FE()
    : TEquationFluid(THelmholzConstants{.Code = "KX_NH3_FE",
                                        .MM_ = 17.0305,
                                        .R_ = 0.4882175,
                                        .Ac_ = 0.25,
                                        .Tc_ = 132.36,
                                        .Tcr_ = 132.25,
                                        .Tc_Max_ = 132.2,
                                        .Pc_ = 113.6114,
                                        .Hc_ = 1120.5,
                                        .Pcr_ = 113.39,
                                        .Dcr_ = 225.0,
                                        .Tt_ = -77.65,
                                        .Pt_ = 0.060936569927454665,
                                        .Pmin = 0.0609,
                                        .Pmax = 10000.0,
                                        .Tmax = 720.0 - KelvinOffset,
                                        .Dmax = 800.0,
                                        .Pmax_Dmax = 2830.89},
                     {ResidualTerms, {}, {}, {}, 2}, Ideal) {}

// ---- Ancillary saturation equations ----

double TNH3_FE::Pse(double t) const {
    if (t >= LinearBranchStart) return LinearBranch(t, PseLinearSlope, PseLinearStart);
    const double theta = AncillaryTheta(t, Tcr_, dta);
    return PseReference * std::exp(AncillarySum(PseN, PseK, theta) / (1.0 - theta));
}

double TNH3_FE::tse(double p) const {
    const double x = std::log(p / PseReference);
    return (Tcr_ + dta) / (TseB[0] + TseB[1] * x + TseB[2] * x * x) - dta;
}

double TNH3_FE::dsle(double t) const {
    if (t >= LinearBranchStart) return LinearBranch(t, DsleLinearSlope, DsleLinearStart);
    return AncillarySum(DsleN, DsleK, AncillaryTheta(t, Tcr_, dta));
}

double TNH3_FE::dsve(double t) const {
    if (t >= LinearBranchStart) return LinearBranch(t, DsveLinearSlope, DsveLinearStart);
    return DsveReference * std::exp(AncillarySum(DsveN, DsveK, AncillaryTheta(t, Tcr_, dta)));
}

// ---- Temperature on the Dmax isochore ----

double TNH3_FE::Tmin_Dmax(double P, int32_t) const {
    constexpr int MaxPasses = 11;
    constexpr double Tolerance = 1e-6;
    TFloatingPointScope scope;
    const double deltaM = Dmax / Dcr_;
    double T =
        ((TminDmaxStart[3] * P + TminDmaxStart[2]) * P + TminDmaxStart[1]) * P + TminDmaxStart[0];
    double Pm = PDT(Dmax, T);
    for (int pass = 1; pass <= MaxPasses; ++pass) {
        const double tau = TauOf(T);
        THelmholzResidual r;
        PhirAll(deltaM, tau, r);
        // Isochoric pressure derivative (bar/K).
        const double slope = (1.0 + deltaM * r.Phid - deltaM * tau * r.Phidt) * R_ * Dmax / 100.0;
        T += (P - Pm) / slope;
        Pm = PDT(Dmax, T);
        if (!std::isfinite(T) || !std::isfinite(Pm)) return 0.0;
        if (pass == MaxPasses) return 0.0;
        if (std::fabs(Pm - P) / P < Tolerance) return scope.Faulted(T) ? 0.0 : T;
    }
    return 0.0;
}
