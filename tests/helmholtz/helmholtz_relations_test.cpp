// Property relations of the Helmholtz fluid base: the ideal-gas limit in closed form, the base
// defaults, the constant accessors, the reduced pressure equation, and the derivative check
// that every fluid's tests use (shown here to catch a wrong derivative).
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "HelmholtzDerivativeCheck.h"
#include "HelmholtzTestFluids.h"
#include "KX_Function_Types.h"

namespace {

using testfluids::TIdealGas;
using testfluids::TVanDerWaals;

TEST(HelmholtzRelations, IdealGasPropertiesInClosedForm) {
    const TIdealGas gas;
    struct TState {
        double D, T;
    };
    for (TState s : {TState{0.01, -50.0}, TState{1.0, 25.0}, TState{50.0, 300.0}}) {
        SCOPED_TRACE(std::to_string(s.D) + " kg/m3, " + std::to_string(s.T) + " °C");
        const double Tk = s.T + 273.15;
        const double R = gas.R_;
        EXPECT_NEAR(gas.PDT(s.D, s.T), s.D * R * Tk / 100.0, 1e-13 * s.D * R * Tk);
        EXPECT_EQ(gas.PTD(s.T, s.D), gas.PDT(s.D, s.T));
        EXPECT_NEAR(gas.HDT(s.D, s.T), (1.0 + TIdealGas::k) * R * Tk, 1e-12 * R * Tk);
        EXPECT_NEAR(gas.CvDT(s.D, s.T), TIdealGas::k * R, 1e-14);
        EXPECT_NEAR(gas.CpDT(s.D, s.T), (TIdealGas::k + 1.0) * R, 1e-14);
        const double gamma = (TIdealGas::k + 1.0) / TIdealGas::k;
        EXPECT_NEAR(gas.WDT(s.D, s.T), std::sqrt(gamma * 1000.0 * R * Tk), 1e-10);
        // s = R (k ln tau ... ) up to a constant: the entropy difference between two states.
        const double ds = gas.SDT(s.D, s.T) - gas.SDT(1.0, 25.0);
        const double expected = (TIdealGas::k + 1.0) * R * std::log(Tk / 298.15) -
                                R * std::log(gas.PDT(s.D, s.T) / gas.PDT(1.0, 25.0));
        EXPECT_NEAR(ds, expected, 1e-12);
    }
}

TEST(HelmholtzRelations, BaseConstructorLeavesEverythingButTheOffsetZero) {
    // A fluid whose constants are all left at their defaults.
    struct TEmpty : THelmholzFluid {
        TEmpty() : THelmholzFluid(THelmholzConstants{}) {}
        double Pse(double) const override { return 0; }
        double tse(double) const override { return 0; }
        double dsle(double) const override { return 0; }
        double dsve(double) const override { return 0; }
        double Phio(double, double) const override { return 0; }
        double Phiot(double, double) const override { return 0; }
        double Phiott(double, double) const override { return 0; }
        double Phiod(double, double) const override { return 0; }
        double Phiodd(double, double) const override { return 0; }
        double Phiodt(double, double) const override { return 0; }
        double Phir(double, double) const override { return 0; }
        double Phirt(double, double) const override { return 0; }
        double Phirtt(double, double) const override { return 0; }
        double Phird(double, double) const override { return 0; }
        double Phirdd(double, double) const override { return 0; }
        double Phirdt(double, double) const override { return 0; }
    } empty;
    EXPECT_TRUE(empty.Code.empty());
    EXPECT_EQ(empty.dta, 273.15);
    for (double field :
         {empty.MM_,  empty.R_,     empty.Ac_,   empty.Tc_,  empty.Tcr_,      empty.Tc_Max_,
          empty.Pc_,  empty.Hc_,    empty.Pcr_,  empty.Dcr_, empty.Tt_,       empty.Pt_,
          empty.Pmin, empty.Pmax,   empty.Tmax,  empty.Dmax, empty.Pmax_Dmax, empty.dH,
          empty.dS,   empty.dH_XTH, empty.dS_XTS})
        EXPECT_EQ(field, 0.0);
}

TEST(HelmholtzRelations, DefaultMinimumTemperaturesAreTheTriplePointAndZero) {
    const TVanDerWaals fluid;
    for (double P : {0.0, 1.0, 100.0, 5000.0}) {
        EXPECT_EQ(fluid.Tmin(P), fluid.Tt_);
        EXPECT_EQ(fluid.Tmin_Dmax(P, 7), 0.0);
    }
}

TEST(HelmholtzRelations, ConstantAccessorsClearTheErrorOutputs) {
    const TVanDerWaals fluid;
    using TAccessor = double (THelmholzFluid::*)(std::string&, int32_t&) const;
    struct TCase {
        TAccessor Accessor;
        double Expected;
    };
    for (TCase c : {TCase{&THelmholzFluid::MM, fluid.MM_}, TCase{&THelmholzFluid::Tc, fluid.Tc_},
                    TCase{&THelmholzFluid::Pc, fluid.Pc_}, TCase{&THelmholzFluid::Tt, fluid.Tt_},
                    TCase{&THelmholzFluid::Pt, fluid.Pt_}}) {
        std::string text = "stale";
        int32_t code = 26;
        EXPECT_EQ((fluid.*c.Accessor)(text, code), c.Expected);
        EXPECT_TRUE(text.empty());
        EXPECT_EQ(code, 0);
    }
}

TEST(HelmholtzRelations, VanDerWaalsPressureInReducedForm) {
    const TVanDerWaals fluid;
    for (double delta : {0.1, 0.9, 1.0, 2.2})
        for (double Tr : {0.6, 1.0, 1.7}) {
            const double T = Tr * 400.0 - 273.15;
            const double reduced = 8.0 * delta * Tr / (3.0 - delta) - 3.0 * delta * delta;
            EXPECT_NEAR(fluid.PDT(delta * 300.0, T) / fluid.Pc_, reduced,
                        1e-12 * (1 + std::fabs(reduced)));
        }
    // The critical point is an inflection with h = 1.75 R Tc.
    EXPECT_NEAR(fluid.PDT(300.0, fluid.Tc_), fluid.Pc_, 1e-10);
    EXPECT_NEAR(fluid.HDT(300.0, fluid.Tc_), fluid.Hc_, 1e-10);
}

TEST(HelmholtzRelations, ReducedPressureEquationVanishesAtTheStateOfTheTargetPressure) {
    const TVanDerWaals fluid;
    for (double D : {5.0, 150.0, 450.0, 700.0})
        for (double T : {-50.0, 100.0, 400.0}) {
            SCOPED_TRACE(std::to_string(D) + " kg/m3, " + std::to_string(T) + " °C");
            const double P = fluid.PDT(D, T);
            const double tau = fluid.TauOf(T);
            const double delta = fluid.DeltaOf(D);
            EXPECT_NEAR(fluid.Rdelta(P, tau, delta), 0.0, 1e-12);
            EXPECT_GT(std::fabs(fluid.Rdelta(P * 1.01, tau, delta)), 1e-4);
            // Rdeltad is the derivative of Rdelta in delta.
            const double h = 1e-6 * delta;
            const double numeric =
                (fluid.Rdelta(P, tau, delta + h) - fluid.Rdelta(P, tau, delta - h)) / (2 * h);
            EXPECT_NEAR(fluid.Rdeltad(P, tau, delta), numeric, 1e-6 * std::fabs(numeric) + 1e-9);
        }
}

TEST(HelmholtzRelations, DerivativeCheckPassesForCorrectFluids) {
    helmholtzcheck::CheckDerivatives(TVanDerWaals(), helmholtzcheck::DefaultPoints());
    helmholtzcheck::CheckDerivatives(TIdealGas(), helmholtzcheck::DefaultPoints());
    helmholtzcheck::CheckCombinedEvaluations(TVanDerWaals(), helmholtzcheck::DefaultPoints());
}

// A slip in one derivative (here a wrong sign in one part of phir_dd, and a transposed
// exponent in phio_tt) must not pass the check.
struct TSlippedSecondDerivative : TVanDerWaals {
    double Phirdd(double d, double) const override { return -1.0 / ((3.0 - d) * (3.0 - d)); }
};
struct TSlippedIdealPart : TVanDerWaals {
    double Phiott(double, double t) const override { return -2.5 / (t * t * t); }
};
// A combined evaluation that disagrees with the single operations.
struct TSlippedCombined : TVanDerWaals {
    void PhirAll(double d, double t, THelmholzResidual& r) const override {
        TVanDerWaals::PhirAll(d, t, r);
        r.Phidt *= 1.001;
    }
};

// Failures the check reports, counted without failing this test; only those whose text names
// the expected operation.
int ReportedFailures(const std::function<void()>& check, const std::string& name) {
    ::testing::TestPartResultArray results;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
        check();
    }
    int count = 0;
    for (int i = 0; i < results.size(); ++i)
        if (std::string(results.GetTestPartResult(i).message()).find(name) != std::string::npos)
            ++count;
    return count;
}

TEST(HelmholtzRelations, DerivativeCheckCatchesSlips) {
    const auto points = helmholtzcheck::DefaultPoints();
    EXPECT_GT(ReportedFailures(
                  [&] { helmholtzcheck::CheckDerivatives(TSlippedSecondDerivative(), points); },
                  "Phirdd"),
              0);
    EXPECT_GT(ReportedFailures(
                  [&] { helmholtzcheck::CheckDerivatives(TSlippedIdealPart(), points); }, "Phiott"),
              0);
    EXPECT_GT(ReportedFailures(
                  [&] { helmholtzcheck::CheckCombinedEvaluations(TSlippedCombined(), points); },
                  "Phirdt"),
              0);
}

}  // namespace
