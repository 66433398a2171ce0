// The faster saturation and density routes against the plain iterations they stand in for, over
// the whole range of the ammonia model: same results within the plain iterations' tolerances,
// and the same outcome (success or failure) everywhere.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "KX_NH3_FE_Lib_Root.h"

namespace {

const TNH3_FE& Fluid() {
    static const TNH3_FE fluid;
    return fluid;
}

// n values from a to b, evenly or logarithmically spaced.
std::vector<double> Range(double a, double b, int n, bool logarithmic = false) {
    std::vector<double> v;
    for (int i = 0; i < n; ++i) {
        const double f = static_cast<double>(i) / (n - 1);
        v.push_back(logarithmic ? a * std::pow(b / a, f) : a + f * (b - a));
    }
    return v;
}

TEST(Nh3FastRoutes, SaturationFromTemperatureMatchesTheEqualAreaIteration) {
    const TNH3_FE& f = Fluid();
    for (double T : Range(f.Tt_ - 2.0, f.Tc_, 400)) {
        SCOPED_TRACE(T);
        std::string t1, t2;
        int32_t c1 = -1, c2 = -1;
        double P1 = 0, L1 = 0, V1 = 0, P2 = 0, L2 = 0, V2 = 0;
        f.Maxwell_Criterion_Ps(T, P1, L1, V1, t1, c1);
        f.SaturationFromT(T, P2, L2, V2, t2, c2);
        ASSERT_EQ(c1, c2);
        ASSERT_EQ(c1, 0) << t1;
        EXPECT_NEAR(P2, P1, 1e-9 * P1);
        EXPECT_NEAR(L2, L1, 1e-9 * L1);
        EXPECT_NEAR(V2, V1, 1e-9 * V1);
    }
}

TEST(Nh3FastRoutes, SaturationFromPressureMatchesTheSecantIteration) {
    const TNH3_FE& f = Fluid();
    for (double P : Range(f.Pt_, f.Pc_, 300, true)) {
        SCOPED_TRACE(P);
        std::string t1, t2;
        int32_t c1 = -1, c2 = -1;
        double T1 = 0, L1 = 0, V1 = 0, T2 = 0, L2 = 0, V2 = 0;
        f.Maxwell_Criterion_Ts(P, T1, L1, V1, t1, c1);
        f.SaturationFromP(P, T2, L2, V2, t2, c2);
        ASSERT_EQ(c1, c2);
        ASSERT_EQ(c1, 0) << t1;
        EXPECT_NEAR(T2, T1, 1e-7);
        // The densities belong to the temperature before the last correction in both.
        EXPECT_NEAR(L2, L1, 1e-7 * L1);
        EXPECT_NEAR(V2, V1, 1e-7 * V1);
    }
}

void ExpectSameDensity(double P, double T, int& checked) {
    const TNH3_FE& f = Fluid();
    std::string t1, t2;
    int32_t c1 = -1, c2 = -1;
    const double D1 = f.Solve_DPT(P, T, t1, c1);
    const double D2 = f.DensityPT(P, T, t2, c2);
    SCOPED_TRACE(std::to_string(P) + " bar, " + std::to_string(T) + " °C");
    ASSERT_EQ(c1, c2) << t1 << " / " << t2;
    if (c1 != 0) return;
    // The bracketing search stops within 1e-8 kg/m3.
    EXPECT_NEAR(D2, D1, 2e-8 + 1e-12 * D1);
    ++checked;
}

TEST(Nh3FastRoutes, DensityMatchesTheBracketingSearchOverTheWholeRange) {
    const TNH3_FE& f = Fluid();
    int checked = 0;
    for (double P : Range(f.Pmin, f.Pmax, 90, true))
        for (double T : Range(f.Tt_, f.Tmax, 90)) ExpectSameDensity(P, T, checked);
    EXPECT_GT(checked, 7000);
}

// Around the critical point, where the isotherms flatten.
TEST(Nh3FastRoutes, DensityMatchesTheBracketingSearchAroundTheCriticalPoint) {
    int checked = 0;
    for (double P : Range(100.0, 130.0, 61))
        for (double T : Range(131.0, 134.0, 61)) ExpectSameDensity(P, T, checked);
    EXPECT_GT(checked, 3000);
}

// Next to the saturation line, on both sides and at the ancillary margins.
TEST(Nh3FastRoutes, DensityMatchesTheBracketingSearchNextToSaturation) {
    const TNH3_FE& f = Fluid();
    int checked = 0;
    for (double T : Range(f.Tt_, f.Tc_Max_, 60)) {
        std::string text;
        int32_t code = -1;
        double Ps = 0, DL = 0, DV = 0;
        f.Maxwell_Criterion_Ps(T, Ps, DL, DV, text, code);
        ASSERT_EQ(code, 0);
        for (double factor : {1e-9, 1e-6, 1e-3, 0.01, 0.049, 0.051, 0.1})
            for (double sign : {-1.0, 1.0}) ExpectSameDensity(Ps * (1 + sign * factor), T, checked);
        const double Pa = f.Pse(T);
        for (double factor : {0.95, 1.05}) ExpectSameDensity(Pa * factor, T, checked);
    }
    EXPECT_EQ(checked, 60 * 16);
}

}  // namespace
