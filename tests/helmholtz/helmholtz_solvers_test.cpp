// Density and saturation solvers, the root finder and the cubic solver, on the van der Waals
// fluid (whose saturation state is known independently) and the ideal gas.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "CubicEquationSolver.h"
#include "HelmholtzTestFluids.h"
#include "KX_Function_Types.h"

namespace {

using testfluids::TIdealGas;
using testfluids::TVanDerWaals;

const double NaN = std::numeric_limits<double>::quiet_NaN();

// ---- Cubic solver ----

TEST(CubicSolver, RealRootsOfCubics) {
    struct TCase {
        double c3, c2, c1, c0;
        std::vector<double> roots;
    };
    const TCase cases[] = {
        {1, -6, 11, -6, {1, 2, 3}},    // (z-1)(z-2)(z-3)
        {2, -12, 22, -12, {1, 2, 3}},  // the same, scaled
        {1, 0, 0, -8, {2}},            // z^3 = 8
        {1, 0, 1, 0, {0}},             // z (z^2 + 1)
        {1, -3, 3, -1, {1}},           // triple root: one root reported
        {-1, 0, 0, -27, {-3}},         // negative leading coefficient
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.c3) + " " + std::to_string(c.c2) + " " +
                     std::to_string(c.c1) + " " + std::to_string(c.c0));
        int count = -1;
        double z[3] = {NaN, NaN, NaN};
        const int n = SolveCubic(c.c3, c.c2, c.c1, c.c0, count, z[0], z[1], z[2]);
        ASSERT_EQ(n, static_cast<int>(c.roots.size()));
        EXPECT_EQ(count, n);
        std::vector<double> found(z, z + n);
        std::sort(found.begin(), found.end());
        for (int i = 0; i < n; ++i) {
            EXPECT_TRUE(std::isfinite(z[i]));
            EXPECT_NEAR(found[i], c.roots[i], 1e-5);
        }
    }
}

// Three close roots: the trigonometric form stays defined and finite.
TEST(CubicSolver, CloseRootsStayFinite) {
    for (double spacing : {1e-2, 1e-3, 1e-4}) {
        const double r1 = 1.0, r2 = 1.0 + spacing, r3 = 1.0 + 2.0 * spacing;
        int count = -1;
        double z[3];
        const int n = SolveCubic(1.0, -(r1 + r2 + r3), r1 * r2 + r1 * r3 + r2 * r3, -r1 * r2 * r3,
                                 count, z[0], z[1], z[2]);
        ASSERT_EQ(n, 3) << spacing;
        std::sort(z, z + 3);
        EXPECT_NEAR(z[0], r1, 1e-6);
        EXPECT_NEAR(z[1], r2, 1e-6);
        EXPECT_NEAR(z[2], r3, 1e-6);
    }
}

TEST(CubicSolver, LeadingZeroAndNonFiniteCoefficientsGiveNoRoot) {
    for (auto c : {std::vector<double>{0, 1, 2, 3}, std::vector<double>{1, NaN, 0, 0},
                   std::vector<double>{1, 0, 0, std::numeric_limits<double>::infinity()}}) {
        int count = -1;
        double z1 = 5, z2 = 5, z3 = 5;
        EXPECT_EQ(SolveCubic(c[0], c[1], c[2], c[3], count, z1, z2, z3), 0);
        EXPECT_EQ(count, 0);
        EXPECT_EQ(z1, 0.0);
    }
}

// ---- Root finder ----

TEST(RootFinder, FindsTheIdealGasDensity) {
    const TIdealGas gas;
    std::string text = "stale";
    int32_t code = -1;
    const double T = 25.0, P = 10.0;
    const double exact = 100.0 * P / (gas.R_ * (T + 273.15));
    // Given end values, swapped ends, and ends evaluated by the solver itself.
    struct TCase {
        double xA, xB, fA, fB;
    };
    for (TCase c : {TCase{1.0, 20.0, gas.PDT(1.0, T), gas.PDT(20.0, T)},
                    TCase{20.0, 1.0, gas.PDT(20.0, T), gas.PDT(1.0, T)}, TCase{1.0, 20.0, 0, 0}}) {
        const double D =
            D2Solver(gas, &THelmholzFluid::PTD, T, P, c.xA, c.xB, c.fA, c.fB, 1e-8, text, code);
        EXPECT_EQ(code, 0);
        EXPECT_TRUE(text.empty());
        EXPECT_NEAR(D, exact, 1e-8);
    }
}

TEST(RootFinder, ReportsBracketsWithoutRoot) {
    const TIdealGas gas;
    struct TCase {
        double xA, xB, fA, fB;
        int32_t code;
        const char* text;
    };
    const double T = 25.0, P = 10.0;
    const double root = 100.0 * P / (gas.R_ * (T + 273.15));
    const TCase cases[] = {
        // Both ends below the target pressure.
        {1.0, 2.0, 0, 0, 103, "KX_D2Solver; No root possible."},
        // An empty bracket whose end hits the target exactly: no interval.
        {root, root, P, P, 104, "KX_D2Solver; No interval specified."},
        // An empty bracket on one side: the no-root test comes first.
        {1.0, 1.0, 0, 0, 103, "KX_D2Solver; No root possible."},
        // A function value that is not a number stops the solver at once.
        {1.0, 20.0, NaN, 100.0, 1, "KX_D2Solver; Unknown error."},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.text);
        std::string text;
        int32_t code = -1;
        EXPECT_EQ(
            D2Solver(gas, &THelmholzFluid::PTD, T, P, c.xA, c.xB, c.fA, c.fB, 1e-8, text, code),
            0.0);
        EXPECT_EQ(code, c.code);
        EXPECT_EQ(text, c.text);
    }
}

// A function that turns into NaN inside the bracket: the solver stops instead of searching on.
struct TBrokenInside : TIdealGas {
    double Phird(double d, double) const override { return d * 300.0 > 5.0 ? NaN : 0.0; }
};

TEST(RootFinder, StopsAtANonFiniteValueInsideTheBracket) {
    const TBrokenInside fluid;
    std::string text;
    int32_t code = -1;
    const double T = 25.0;
    // The root (3.4 kg/m3 at 5 bar) lies where the function is finite, the first midpoint not.
    EXPECT_EQ(D2Solver(fluid, &THelmholzFluid::PTD, T, 5.0, 1.0, 20.0, fluid.PDT(1.0, T), 1e6, 1e-8,
                       text, code),
              0.0);
    EXPECT_EQ(code, 1);
    EXPECT_EQ(text, "KX_D2Solver; Unknown error.");
}

// ---- Density iteration ----

TEST(NewtonDensity, ConvergesToTheRootOfEachPhase) {
    const TVanDerWaals fluid;
    const double T = 0.9 * 400.0 - 273.15;
    const double tau = fluid.TauOf(T);
    const double P = 0.5 * fluid.Pc_;  // below the saturation pressure 0.647 Pc
    std::string text;
    int32_t code = -1;
    const double vapour = fluid.Newton_Raphson_Density(P, tau, 0.05, text, code);
    EXPECT_EQ(code, 0);
    const double liquid = fluid.Newton_Raphson_Density(P, tau, 2.0, text, code);
    EXPECT_EQ(code, 0);
    EXPECT_LT(vapour, 0.6);
    EXPECT_GT(liquid, 1.4);
    for (double delta : {vapour, liquid})
        EXPECT_NEAR(fluid.PDT(delta * fluid.Dcr_, T), P, 1e-9 * P);
}

TEST(NewtonDensity, FailsAtOnceOnANonFiniteStart) {
    const TVanDerWaals fluid;
    std::string text;
    int32_t code = -1;
    EXPECT_EQ(fluid.Newton_Raphson_Density(10.0, 1.2, NaN, text, code), 0.0);
    EXPECT_EQ(code, 1);
    EXPECT_EQ(text, "Unknown error.");
}

// ---- Saturation ----

// Equal-area solution of the reduced van der Waals equation (P/Pc, rho'/rhoc, rho''/rhoc at
// T/Tc), computed separately by Newton iteration on the two densities and fixed-point iteration
// on the pressure to 1e-14.
struct TVdwSaturation {
    double Tr, Pr, DLr, DVr;
};
const TVdwSaturation VdwSaturation[] = {
    {0.55, 0.0515798171515094, 2.38754928140075, 0.0375800453395596},
    {0.7, 0.200458467081935, 2.14044254850571, 0.128022301665787},
    {0.8, 0.38336162368854, 1.9327058285997, 0.239666921841091},
    {0.9, 0.646998351872245, 1.65727021199832, 0.425741637724047},
    {0.95, 0.811879243364481, 1.46172734375698, 0.579014926821752},
};

TEST(Saturation, VanDerWaalsEqualAreaStateFromTemperature) {
    const TVanDerWaals fluid;
    for (const TVdwSaturation& s : VdwSaturation) {
        SCOPED_TRACE(s.Tr);
        const double T = s.Tr * 400.0 - 273.15;
        using TRoutine = void (THelmholzFluid::*)(double, double&, double&, double&, std::string&,
                                                  int32_t&) const;
        for (TRoutine routine :
             {&THelmholzFluid::Maxwell_Criterion_Ps, &THelmholzFluid::SaturationFromT}) {
            std::string text;
            int32_t code = -1;
            double Ps = 0, DL = 0, DV = 0;
            (fluid.*routine)(T, Ps, DL, DV, text, code);
            ASSERT_EQ(code, 0) << text;
            EXPECT_NEAR(Ps / fluid.Pc_, s.Pr, 1e-9 * s.Pr);
            EXPECT_NEAR(DL / fluid.Dcr_, s.DLr, 1e-8 * s.DLr);
            EXPECT_NEAR(DV / fluid.Dcr_, s.DVr, 1e-8 * s.DVr);
        }
    }
}

TEST(Saturation, VanDerWaalsSaturationTemperatureFromPressure) {
    const TVanDerWaals fluid;
    for (const TVdwSaturation& s : VdwSaturation) {
        SCOPED_TRACE(s.Tr);
        std::string text;
        int32_t code = -1;
        EXPECT_NEAR(fluid.TsatP(s.Pr * fluid.Pc_, text, code), s.Tr * 400.0 - 273.15, 1e-7);
        EXPECT_EQ(code, 0) << text;
        double Ts = 0, DL = 0, DV = 0;
        fluid.Maxwell_Criterion_Ts(s.Pr * fluid.Pc_, Ts, DL, DV, text, code);
        EXPECT_EQ(code, 0) << text;
        EXPECT_NEAR(Ts, s.Tr * 400.0 - 273.15, 1e-6);
    }
}

TEST(Saturation, AboveTheIterationLimitTheAncillaryStateIsReturned) {
    const TVanDerWaals fluid;
    const double T = fluid.Tc_Max_ + 1.0;
    std::string text;
    int32_t code = -1;
    double Ps = 0, DL = 0, DV = 0;
    fluid.Maxwell_Criterion_Ps(T, Ps, DL, DV, text, code);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(Ps, fluid.Pse(T));
    EXPECT_EQ(DL, fluid.dsle(T));
    EXPECT_EQ(DV, fluid.dsve(T));
    EXPECT_EQ(fluid.PsatT(T, text, code), fluid.Pse(T));
}

// Ancillary equations that have no value above the critical temperature.
struct TUndefinedAboveCritical : TVanDerWaals {
    static THelmholzConstants WithTcAboveTcr() {
        THelmholzConstants c = Constants();
        c.Tc_ = c.Tcr_ + 5.0;
        return c;
    }
    TUndefinedAboveCritical() : TVanDerWaals(WithTcAboveTcr()) {}
    double Pse(double t) const override {
        return t > Tcr_ ? std::sqrt(Tcr_ - t) : TVanDerWaals::Pse(t);
    }
};

TEST(Saturation, AnAncillaryWithoutValueIsAFailureNotANumber) {
    const TUndefinedAboveCritical fluid;
    std::string text;
    int32_t code = -1;
    EXPECT_EQ(fluid.PsatT(fluid.Tcr_ + 1.0, text, code), 0.0);
    EXPECT_EQ(code, 1);
    EXPECT_EQ(text, "KX_VDW_FE_PsatT; Unknown error.");
    EXPECT_EQ(fluid.DTX(fluid.Tcr_ + 1.0, 0.5, text, code), 0.0);
    EXPECT_EQ(code, 1);
    EXPECT_EQ(text, "KX_VDW_FE_DTX; Unknown error.");
}

// A vapour start value from which the density iteration cannot converge: the saturation
// iteration stops at that failure instead of letting the liquid's later success hide it.
struct TBadVapourStart : TVanDerWaals {
    double dsve(double) const override { return 2000.0; }  // beyond the co-volume
};

TEST(Saturation, StopsAtTheFirstFailedDensityIteration) {
    const TBadVapourStart fluid;
    std::string text;
    int32_t code = -1;
    double Ps = 1, DL = 1, DV = 1;
    fluid.Maxwell_Criterion_Ps(0.8 * 400.0 - 273.15, Ps, DL, DV, text, code);
    EXPECT_EQ(code, 1);
    EXPECT_EQ(text, "Unknown error.");
    EXPECT_EQ(Ps, 0.0);
    EXPECT_EQ(DL, 0.0);
    EXPECT_EQ(DV, 0.0);
    EXPECT_EQ(fluid.PsatT(0.8 * 400.0 - 273.15, text, code), 0.0);
    EXPECT_EQ(code, 1);
    EXPECT_EQ(text, "KX_VDW_FE_PsatT; Unknown error.");
}

TEST(Saturation, RangeChecksOfTheSaturationFunctions) {
    const TVanDerWaals fluid;
    std::string text;
    int32_t code = -1;
    EXPECT_GT(fluid.PsatT(fluid.Tt_, text, code), 0.0);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(fluid.PsatT(fluid.Tt_ - 0.001, text, code), 0.0);
    EXPECT_EQ(code, 2);
    EXPECT_EQ(text, "KX_VDW_FE_PsatT; Temperature lower than minimum value of -73.150 °C.");
    EXPECT_EQ(fluid.TsatP(fluid.Pc_ + 1.0, text, code), 0.0);
    EXPECT_EQ(code, 5);
    EXPECT_EQ(text, "KX_VDW_FE_TsatP; Pressure higher than maximum value of 225.000 bar(a).");
}

// ---- Single-phase density ----

TEST(DensitySearch, PicksTheLiquidAboveAndTheVapourBelowSaturation) {
    const TVanDerWaals fluid;
    for (const TVdwSaturation& s : VdwSaturation) {
        SCOPED_TRACE(s.Tr);
        const double T = s.Tr * 400.0 - 273.15;
        const double Ps = s.Pr * fluid.Pc_;
        std::string text;
        int32_t code = -1;
        EXPECT_GE(fluid.Solve_DPT(Ps * (1 + 1e-6), T, text, code), s.DLr * fluid.Dcr_);
        EXPECT_EQ(code, 0);
        EXPECT_LE(fluid.Solve_DPT(Ps * (1 - 1e-6), T, text, code), s.DVr * fluid.Dcr_);
        EXPECT_EQ(code, 0);
    }
}

TEST(DensitySearch, NoBracketLeavesATextAndCodeOne) {
    const TVanDerWaals fluid;
    // At zero pressure the start estimate is zero: nothing to bracket.
    std::string text;
    int32_t code = -1;
    EXPECT_EQ(fluid.Solve_DPT(0.0, 50.0, text, code), 0.0);
    EXPECT_EQ(code, 1);
    EXPECT_FALSE(text.empty());
}

TEST(DensitySearch, FasterRouteMatchesTheBracketingSearch) {
    const TVanDerWaals fluid;
    int compared = 0;
    for (double Pr = 0.01; Pr < 6.0; Pr *= 1.17)
        for (double Tr = 0.5; Tr < 2.0; Tr += 0.037) {
            const double P = Pr * fluid.Pc_, T = Tr * 400.0 - 273.15;
            std::string t1, t2;
            int32_t c1 = -1, c2 = -1;
            const double D1 = fluid.Solve_DPT(P, T, t1, c1);
            const double D2 = fluid.DensityPT(P, T, t2, c2);
            SCOPED_TRACE(std::to_string(Pr) + " Pc, " + std::to_string(Tr) + " Tc");
            ASSERT_EQ(c1, c2) << t1 << " / " << t2;
            if (c1 == 0) {
                EXPECT_NEAR(D2, D1, 2e-8);
                ++compared;
            }
        }
    EXPECT_GT(compared, 1000);
}

TEST(DensitySearch, PengRobinsonEstimateOfADiluteGasIsNearlyIdeal) {
    const TVanDerWaals fluid;
    for (double T : {0.0, 200.0}) {
        const double P = 0.1;
        const double ideal = 100.0 * P / (fluid.R_ * (T + 273.15));
        EXPECT_NEAR(PengRobinsonDensity(fluid, P, T), ideal, 1e-3 * ideal);
    }
    EXPECT_EQ(PengRobinsonDensity(fluid, 0.0, 50.0), 0.0);
}

}  // namespace
