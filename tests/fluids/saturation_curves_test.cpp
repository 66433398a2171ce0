// The saturation curves built into the program, for every fluid whose saturation is its phase
// equilibrium (the blends have their ancillaries instead): regenerated from the equation
// they agree with the checked-in tables, and their states satisfy the phase equilibrium of the
// equation (equal pressure and equal Gibbs energy of both phases), independently of the fit.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "HelmholzFluidObject.h"
#include "KX_Library_Descriptions.h"
#include "SaturationCurveFit.h"
#include "SaturationCurves.h"

namespace {

const THelmholzFluid& Fluid(int i) {
    return *KXEquilibriumFluids()[static_cast<std::size_t>(i)];
}

class SaturationCurves : public ::testing::TestWithParam<int> {};

TEST_P(SaturationCurves, RegeneratedPiecesMatchTheCheckedInTable) {
    const THelmholzFluid& fluid = Fluid(GetParam());
    const TSaturationCurve* table = FindSaturationCurve(fluid.Code);
    ASSERT_NE(table, nullptr) << fluid.Code;
    // The first pieces are the hottest, next to the critical point, where the fit works hardest.
    constexpr int Pieces = 2;
    TFittedCurve fit;
    std::string message;
    ASSERT_TRUE(FitSaturationCurve(fluid, fit, message, Pieces)) << message;
    EXPECT_DOUBLE_EQ(fit.TcrC, table->TcrC);
    EXPECT_DOUBLE_EQ(fit.UMin, table->UMin);
    EXPECT_DOUBLE_EQ(fit.UMax, table->UMax);
    ASSERT_EQ(fit.Terms, table->Terms);
    ASSERT_EQ(static_cast<int>(fit.Breaks.size()), Pieces + 1);
    for (int i = 0; i <= Pieces; ++i) EXPECT_DOUBLE_EQ(fit.Breaks[i], table->Breaks[i]);
    for (int k = 0; k < Pieces * fit.Terms; ++k) {
        EXPECT_NEAR(fit.LnP[k], table->LnP[k], 1e-13) << fluid.Code << " coefficient " << k;
        EXPECT_NEAR(fit.LnDL[k], table->LnDL[k], 1e-13) << fluid.Code << " coefficient " << k;
        EXPECT_NEAR(fit.LnDV[k], table->LnDV[k], 1e-13) << fluid.Code << " coefficient " << k;
    }
    // The inverse of a piece spans ln psat to the start of the next one, which the partial fit
    // does not have for its last piece.
    ASSERT_EQ(fit.InverseTerms, table->InverseTerms);
    for (int k = 0; k < (Pieces - 1) * fit.InverseTerms; ++k)
        EXPECT_NEAR(fit.InverseX[k], table->InverseX[k], 1e-12) << fluid.Code << " inverse " << k;
}

TEST_P(SaturationCurves, StatesAreInPhaseEquilibriumOfTheEquation) {
    const THelmholzFluid& fluid = Fluid(GetParam());
    const TSaturationCurve* curve = FindSaturationCurve(fluid.Code);
    ASSERT_NE(curve, nullptr);
    const double hot = CurveHotEnd(fluid);
    std::vector<double> temperatures;
    for (double f : {0.0, 0.013, 0.25, 0.5, 0.75, 0.97, 1.0})
        temperatures.push_back(std::fmin(fluid.Tt_ + f * (hot - fluid.Tt_), hot));
    // Towards the critical point, where the curves of the fluids whose saturation range reaches
    // it end 1e-6 K short of it.
    for (double distance : {1e-2, 1e-3, 1e-4, 1e-5})
        temperatures.push_back(std::fmax(fluid.Tt_, hot - distance));
    for (double T : temperatures) {
        double Ps = 0.0, DL = 0.0, DV = 0.0;
        ASSERT_TRUE(CurveSaturationT(*curve, T, Ps, DL, DV)) << fluid.Code << " " << T;
        // The expansion of ln psat inverts to the temperature.
        double Ts = 0.0;
        ASSERT_TRUE(CurveTsatP(*curve, Ps, Ts)) << fluid.Code << " " << T;
        EXPECT_NEAR(Ts, T, 1e-10) << fluid.Code;
        // The vapour reproduces the pressure (the liquid is too stiff to tell it), and both
        // phases have the same Gibbs energy g = h - T s, compared with RT.
        EXPECT_NEAR(fluid.PDT(DV, T) / Ps, 1.0, 1e-10) << fluid.Code << " " << T;
        const double TK = T + fluid.dta;
        const double gL = fluid.HDT(DL, T) - TK * fluid.SDT(DL, T);
        const double gV = fluid.HDT(DV, T) - TK * fluid.SDT(DV, T);
        EXPECT_NEAR((gL - gV) / (fluid.R_ * TK), 0.0, 1e-8) << fluid.Code << " " << T;
    }
}

TEST_P(SaturationCurves, LibraryFunctionsUseTheCurvesBothWays) {
    const THelmholzFluid& fluid = Fluid(GetParam());
    // The iterative solvers, the reference here, work in double precision: within 0.1 K of the
    // critical temperature their densities scatter by more than these tolerances (the phase
    // equilibrium is ill-conditioned there), so the comparison stops short of it.
    const double hot = std::fmin(CurveHotEnd(fluid), CriticalTemperatureOfEquation(fluid) - 0.1);
    // From just above the triple point: the equation's pressure there can lie below Pt_.
    for (double f : {0.001, 0.1, 0.5, 0.9, 0.999, 1.0}) {
        // Not beyond the hot end by rounding: above Tc_Max_ the ancillary equations answer.
        const double T = std::fmin(fluid.Tt_ + f * (hot - fluid.Tt_), hot);
        std::string text;
        int32_t code = 0;
        const double P = fluid.PsatT(T, text, code);
        ASSERT_EQ(code, 0) << text;
        // The equation's own solution, which the curves stand in for.
        double Ps = 0.0, DL = 0.0, DV = 0.0;
        fluid.SaturationFromTByEquation(T, Ps, DL, DV, text, code);
        ASSERT_EQ(code, 0) << text;
        EXPECT_NEAR(P / Ps, 1.0, 1e-10) << fluid.Code << " " << T;
        const double Ts = fluid.TsatP(P, text, code);
        ASSERT_EQ(code, 0) << text << " at " << T;
        EXPECT_NEAR(Ts, T, 1e-9) << fluid.Code;
        // The saturation state from pressure lands on the same densities.
        double Tx = 0.0, DLx = 0.0, DVx = 0.0;
        fluid.SaturationFromP(P, Tx, DLx, DVx, text, code);
        ASSERT_EQ(code, 0) << text;
        EXPECT_NEAR(DLx / DL, 1.0, 1e-9) << fluid.Code << " " << T;
        EXPECT_NEAR(DVx / DV, 1.0, 1e-9) << fluid.Code << " " << T;
    }
}

// The smallest pressure rise across a density step around the critical density at T (°C):
// negative where the isotherm has a spinodal loop, positive above the critical temperature.
double LeastPressureRise(const THelmholzFluid& fluid, double T, double Dc) {
    double least = HUGE_VAL;
    for (int i = -400; i <= 400; ++i) {
        const double D = Dc * (1.0 + i * 5e-5);
        least = std::fmin(least, fluid.PDT(D * (1.0 + 1e-5), T) - fluid.PDT(D * (1.0 - 1e-5), T));
    }
    return least;
}

TEST_P(SaturationCurves, CurvesEndAtTheCriticalPointOfTheEquation) {
    const THelmholzFluid& fluid = Fluid(GetParam());
    double Tc = 0.0, deltaC = 0.0;
    ASSERT_TRUE(SolveCriticalPoint(fluid, Tc, deltaC)) << fluid.Code;
    // Its definition: the isotherm turns flat there. 1e-4 K below it the equation has a loop,
    // 1e-4 K above none.
    const double Dc = deltaC * fluid.Dcr_;
    EXPECT_LT(LeastPressureRise(fluid, Tc - 1e-4, Dc), 0.0) << fluid.Code;
    EXPECT_GT(LeastPressureRise(fluid, Tc + 1e-4, Dc), 0.0) << fluid.Code;
    // Equations fitted with their critical point as a constraint reproduce the published one:
    // nitrogen 126.192 K (Span et al., J. Phys. Chem. Ref. Data 29 (2000) 1361), carbon dioxide
    // 304.1282 K (Span and Wagner, J. Phys. Chem. Ref. Data 25 (1996) 1509), argon 150.687 K
    // (Tegeler et al., J. Phys. Chem. Ref. Data 28 (1999) 779).
    const std::pair<const char*, double> published[] = {
        {"KX_N2_FE", 126.192}, {"KX_CO2_FE", 304.1282}, {"KX_Ar_FE", 150.687}};
    for (const auto& [code, TcK] : published) {
        if (fluid.Code == code) {
            EXPECT_NEAR(Tc + fluid.dta, TcK, 1e-7) << fluid.Code;
        }
    }
    // The curves reach to within 1e-6 K of it where the saturation range does.
    const TSaturationCurve* curve = FindSaturationCurve(fluid.Code);
    ASSERT_NE(curve, nullptr);
    EXPECT_DOUBLE_EQ(curve->TcrC, Tc);
    const double hot = std::fmin(fluid.Tc_Max_, Tc - 1e-6);
    double Ps = 0.0;
    EXPECT_TRUE(CurvePsatT(*curve, hot, Ps)) << fluid.Code;
}

INSTANTIATE_TEST_SUITE_P(EveryFluid, SaturationCurves,
                         ::testing::Range(0, static_cast<int>(KXEquilibriumFluids().size())));

}  // namespace
