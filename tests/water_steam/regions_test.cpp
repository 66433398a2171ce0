// Region equations 1, 2, 3 and 5 against the verification tables of the IF97 release, the root
// finder and the extremum search.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "KX_WS_IF97_Lib_Root.h"
#include "if97_core_data.h"

using namespace if97;
using if97core::Number;
using if97core::PrintedHalfUnit;
using if97core::TRow;
using if97core::VerificationRows;

namespace {

constexpr double kPrintSlack = 1.02;  // rounding of the double result itself

// The six properties of a (p,T) region in the release's units (kJ, MPa).
struct TGibbsRegion {
    const char* equation;
    double (*V)(double, double);
    double (*H)(double, double);
    double (*S)(double, double);
    double (*Cp)(double, double);
    double (*W)(double, double);
};

double PropertyPT(const TGibbsRegion& r, const std::string& q, double p, double T) {
    if (q == "v") return r.V(p, T);
    if (q == "h") return r.H(p, T) / 1000.0;
    if (q == "u") return (r.H(p, T) - p * r.V(p, T)) / 1000.0;
    if (q == "s") return r.S(p, T) / 1000.0;
    if (q == "cp") return r.Cp(p, T) / 1000.0;
    if (q == "w") return r.W(p, T);
    ADD_FAILURE() << "unknown quantity " << q;
    return NAN;
}

class GibbsRegionTest : public ::testing::TestWithParam<TGibbsRegion> {};

TEST_P(GibbsRegionTest, MatchesEveryPrintedDigitOfTheVerificationTable) {
    const TGibbsRegion& r = GetParam();
    for (const TRow& row : VerificationRows(r.equation)) {
        const double p = Number(row, "x1") * 1e6, T = Number(row, "x2");
        const std::string q = row.at("quantity");
        const double expected = Number(row, "value");
        EXPECT_NEAR(PropertyPT(r, q, p, T), expected, kPrintSlack * PrintedHalfUnit(expected, 9))
            << r.equation << " " << q << " at p = " << p << " Pa, T = " << T << " K";
    }
}

INSTANTIATE_TEST_SUITE_P(Regions, GibbsRegionTest,
                         ::testing::Values(TGibbsRegion{"region1", Region1_V, Region1_H, Region1_S,
                                                        Region1_Cp, Region1_W},
                                           TGibbsRegion{"region2", Region2_V, Region2_H, Region2_S,
                                                        Region2_Cp, Region2_W},
                                           TGibbsRegion{"region5", Region5_V, Region5_H, Region5_S,
                                                        Region5_Cp, Region5_W}),
                         [](const auto& info) { return std::string(info.param.equation); });

TEST(Region3Test, MatchesEveryPrintedDigitOfTheVerificationTable) {
    for (const TRow& row : VerificationRows("region3")) {
        const double v = 1.0 / Number(row, "x1"), T = Number(row, "x2");
        const std::string q = row.at("quantity");
        double actual = NAN;
        if (q == "p") actual = Region3_P(v, T) / 1e6;
        if (q == "h") actual = Region3_H(v, T) / 1000.0;
        if (q == "u") actual = (Region3_H(v, T) - Region3_P(v, T) * v) / 1000.0;
        if (q == "s") actual = Region3_S(v, T) / 1000.0;
        if (q == "cp") actual = Region3_Cp(v, T) / 1000.0;
        if (q == "w") actual = Region3_W(v, T);
        const double expected = Number(row, "value");
        EXPECT_NEAR(actual, expected, kPrintSlack * PrintedHalfUnit(expected, 9))
            << q << " at rho = " << row.at("x1") << ", T = " << T;
    }
}

// cv has no row in the verification tables; it must follow from cp through the thermodynamic
// identity cp - cv = T v (dp/dT)_v^2 / (-(dp/dv)_T), taken here by central differences of the
// region's own volume function.
struct TCvCase {
    const char* name;
    double (*V)(double, double);
    double (*Cp)(double, double);
    double (*Cv)(double, double);
    double p, T;
};

class CvIdentityTest : public ::testing::TestWithParam<TCvCase> {};

TEST_P(CvIdentityTest, FollowsFromCpAndTheEquationOfState) {
    const TCvCase& c = GetParam();
    const double dp = c.p * 1e-5, dT = 1e-3;
    const double dvdT = (c.V(c.p, c.T + dT) - c.V(c.p, c.T - dT)) / (2 * dT);
    const double dvdp = (c.V(c.p + dp, c.T) - c.V(c.p - dp, c.T)) / (2 * dp);
    const double cpMinusCv = -c.T * dvdT * dvdT / dvdp;
    EXPECT_NEAR(c.Cp(c.p, c.T) - c.Cv(c.p, c.T), cpMinusCv, 1e-5 * c.Cp(c.p, c.T)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Regions, CvIdentityTest,
    ::testing::Values(TCvCase{"liquid", Region1_V, Region1_Cp, Region1_Cv, 3e6, 500.0},
                      TCvCase{"vapour", Region2_V, Region2_Cp, Region2_Cv, 30e6, 700.0},
                      TCvCase{"hot", Region5_V, Region5_Cp, Region5_Cv, 8e6, 1500.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Region3Test, CvFollowsFromCpAndTheEquationOfState) {
    for (const double rho : {200.0, 500.0}) {
        const double v = 1.0 / rho, T = 650.0, dv = v * 1e-6, dT = 1e-3;
        const double dpdT = (Region3_P(v, T + dT) - Region3_P(v, T - dT)) / (2 * dT);
        const double dpdv = (Region3_P(v + dv, T) - Region3_P(v - dv, T)) / (2 * dv);
        EXPECT_NEAR(Region3_Cp(v, T) - Region3_Cv(v, T), -T * dpdT * dpdT / dpdv,
                    1e-5 * Region3_Cp(v, T))
            << rho;
    }
}

TEST(Region3Test, PhiDifferencesMatchThePressureIntegral) {
    // p = rho R T delta phi_delta, so the Helmholtz energy difference between two volumes on an
    // isotherm equals the integral of p dv: checks Region3_Phi against Region3_P.
    const double T = 650.0, v1 = 0.0018, v2 = 0.0022;
    const int n = 2000;
    double integral = 0.0;
    for (int i = 0; i < n; ++i) {
        const double a = v1 + (v2 - v1) * i / n, b = v1 + (v2 - v1) * (i + 1) / n;
        integral +=
            (b - a) * (Region3_P(a, T) + 4 * Region3_P(0.5 * (a + b), T) + Region3_P(b, T)) / 6;
    }
    const double tau = Tc / T;
    const double dPhi = Region3_Phi(1 / (rhoc * v1), tau) - Region3_Phi(1 / (rhoc * v2), tau);
    EXPECT_NEAR(R * T * dPhi, integral, 1e-9 * std::fabs(integral));
}

// ---- Root finder ----

double Line(double x, double slope) {
    return slope * x - 3.0;
}
double Cube(double x, double) {
    return x * x * x;
}
double NotANumber(double, double) {
    return std::numeric_limits<double>::quiet_NaN();
}
// Finite only near the ends of [0, 10], so a bracket holds a sign change but the search meets NaN.
double NaNInside(double x, double) {
    return (x < 1.0 || x > 9.0) ? x : std::numeric_limits<double>::quiet_NaN();
}

struct TBrentCase {
    const char* name;
    TPropertyFunction F;
    int mode;
    double x1, x2, y, fixed;
    double expected;  // root, or the failure marker
    bool succeeds;
};

class BrentRootTest : public ::testing::TestWithParam<TBrentCase> {};

TEST_P(BrentRootTest, FindsTheRootOrReportsItsMarker) {
    const TBrentCase& c = GetParam();
    bool ok = true;
    const double x = BrentRoot(c.F, c.mode, c.x1, c.x2, c.y, c.fixed, &ok);
    EXPECT_EQ(ok, c.succeeds) << c.name;
    if (c.succeeds) {
        EXPECT_NEAR(x, c.expected, 1e-8 * std::fabs(c.expected)) << c.name;
    } else {
        EXPECT_EQ(x, c.expected) << c.name;
    }
    EXPECT_EQ(BrentRoot(c.F, c.mode, c.x1, c.x2, c.y, c.fixed), x) << "without a flag: " << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrentRootTest,
    ::testing::Values(
        TBrentCase{"line_mode1", Line, 1, 0.0, 10.0, 5.0, 2.0, 4.0, true},
        TBrentCase{"reversed_ends", Line, 1, 10.0, 0.0, 5.0, 2.0, 4.0, true},
        TBrentCase{"mode2_swaps_arguments", Region1_H, 2, 280.0, 400.0, Region1_H(3e6, 333.0), 3e6,
                   333.0, true},
        TBrentCase{"cube_root", Cube, 1, 0.5, 3.0, 2.0, 0.0, std::cbrt(2.0), true},
        TBrentCase{"same_side", Line, 1, 5.0, 10.0, 5.0, 2.0, kBrentNotBracketed, false},
        TBrentCase{"unknown_mode", Line, 3, 0.0, 10.0, 5.0, 2.0, kBrentNotBracketed, false},
        TBrentCase{"nan_at_the_ends", NotANumber, 1, 0.0, 1.0, 0.0, 0.0, kBrentNotBracketed, false},
        TBrentCase{"nan_inside", NaNInside, 1, 0.0, 10.0, 5.0, 0.0, kBrentNoConvergence, false}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Extremum search ----

double Parabola(double x, double centre) {
    return (x - centre) * (x - centre) + 1.0;
}

TEST(ExtremumSearchTest, FindsMinimaAndMaximaInEitherBracketOrder) {
    struct TCase {
        TPropertyFunction F;
        int sign;
        double x1, x2, fixed, expected;
    };
    const TCase cases[] = {
        {Parabola, +1, 0.0, 4.0, 1.3, 1.3},
        {Parabola, +1, 4.0, 0.0, 1.3, 1.3},
        {Parabola, +1, 0.1, 4.0, 3.9, 3.9},
        {[](double x, double c) { return -Parabola(x, c); }, -1, 0.0, 4.0, 2.7, 2.7},
        {[](double x, double) { return x; }, +1, 1.0, 2.0, 0.0, 1.0},  // minimum at an end
    };
    for (const TCase& c : cases) {
        EXPECT_NEAR(ExtremumSearch(c.F, c.sign, c.x1, c.x2, c.fixed), c.expected,
                    2e-6 * std::fabs(c.x1 - c.x2))
            << c.x1 << " " << c.x2 << " " << c.fixed;
    }
}

TEST(ExtremumSearchTest, StopsAtANonFiniteValue) {
    const double x = ExtremumSearch(NotANumber, +1, 0.0, 1.0, 0.0);
    EXPECT_TRUE(x >= 0.0 && x <= 1.0);
}

TEST(ExtremumSearchTest, FindsTheSpinodalsOfANearCriticalIsotherm) {
    // Between the two extrema the isotherm rises; outside them it falls.
    const double T = 645.0;
    const double vMin = ExtremumSearch(Region3_P, +1, 0.00131, vc, T);
    const double vMax = ExtremumSearch(Region3_P, -1, vc, 0.015, T);
    ASSERT_LT(vMin, vMax);
    const double dv = 1e-6;
    EXPECT_GT(Region3_P(vMin - dv, T), Region3_P(vMin, T));
    EXPECT_GT(Region3_P(vMin + dv, T), Region3_P(vMin, T));
    EXPECT_LT(Region3_P(vMax - dv, T), Region3_P(vMax, T));
    EXPECT_LT(Region3_P(vMax + dv, T), Region3_P(vMax, T));
}

}  // namespace
