// The carbon dioxide model and library: derivatives of its Helmholtz energy including the
// non-analytic near-critical terms, their behaviour at the critical density, documented and
// published values, phase equilibrium, round trips, the functions it does not model, and the
// library sweep.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "HelmholtzDerivativeCheck.h"
#include "KXSweep.h"
#include "KX_CO2_FE_Lib.h"
#include "KX_CO2_FE_Lib_Root.h"
#include "fluid_model_checks.h"

namespace {

const TCO2_FE& Fluid() {
    static const TCO2_FE fluid;
    return fluid;
}

// Points around the critical point where the Gaussian and non-analytic terms dominate, the
// critical density itself included, but never at δ = 1 and τ = 1 together.
std::vector<helmholtzcheck::TPoint> NearCriticalPoints() {
    std::vector<helmholtzcheck::TPoint> points;
    for (double delta : {0.8, 0.93, 1.0, 1.04, 1.2})
        for (double tau : {0.96, 0.99, 1.015, 1.05}) points.push_back({delta, tau});
    return points;
}

// The Gaussian terms vary steeply in τ (β up to 325), so the differences take a finer step.
TEST(Co2Model, HelmholtzDerivativesMatchCentralDifferences) {
    helmholtzcheck::CheckDerivatives(Fluid(), helmholtzcheck::DefaultPoints(), 1e-7, 1e-6);
}

TEST(Co2Model, NearCriticalDerivativesMatchCentralDifferences) {
    helmholtzcheck::CheckDerivatives(Fluid(), NearCriticalPoints(), 1e-6, 1e-7);
}

TEST(Co2Model, CombinedEvaluationsMatchSingleOperations) {
    helmholtzcheck::CheckCombinedEvaluations(Fluid(), helmholtzcheck::DefaultPoints(), 0.0);
    helmholtzcheck::CheckCombinedEvaluations(Fluid(), NearCriticalPoints(), 0.0);
}

// Each auxiliary quantity of a non-analytic term against a central difference of the one it
// is the derivative of (Δ^b written out, as it has no method of its own).
TEST(Co2Model, NonAnalyticAuxiliaryQuantitiesAreDerivativesOfEachOther) {
    const TCO2_FE& f = Fluid();
    using TAux = std::function<double(double tau, double delta, int i)>;
    auto method = [&](double (TCO2_FE::*m)(double, double, int) const) -> TAux {
        return [&f, m](double tau, double delta, int i) { return (f.*m)(tau, delta, i); };
    };
    const double b[] = {0.875, 0.925, 0.875};
    const TAux deltaB = [&](double tau, double delta, int i) {
        return std::pow(f.DDelta(tau, delta, i), b[i - 40]);
    };
    struct TCase {
        const char* Name;
        TAux Analytic;
        TAux Lower;
        bool ByDelta;
    };
    const std::vector<TCase> cases = {
        {"DDeltad", method(&TCO2_FE::DDeltad), method(&TCO2_FE::DDelta), true},
        {"DDeltadd", method(&TCO2_FE::DDeltadd), method(&TCO2_FE::DDeltad), true},
        {"DDeltabid", method(&TCO2_FE::DDeltabid), deltaB, true},
        {"DDeltabidd", method(&TCO2_FE::DDeltabidd), method(&TCO2_FE::DDeltabid), true},
        {"DDeltabit", method(&TCO2_FE::DDeltabit), deltaB, false},
        {"DDeltabitt", method(&TCO2_FE::DDeltabitt), method(&TCO2_FE::DDeltabit), false},
        {"DDeltabidt", method(&TCO2_FE::DDeltabidt), method(&TCO2_FE::DDeltabid), false},
        {"Psid", method(&TCO2_FE::Psid), method(&TCO2_FE::Psi), true},
        {"Psidd", method(&TCO2_FE::Psidd), method(&TCO2_FE::Psid), true},
        {"Psit", method(&TCO2_FE::Psit), method(&TCO2_FE::Psi), false},
        {"Psitt", method(&TCO2_FE::Psitt), method(&TCO2_FE::Psit), false},
        {"Psidt", method(&TCO2_FE::Psidt), method(&TCO2_FE::Psid), false},
    };
    for (int i : {40, 41, 42})
        for (const auto& p : NearCriticalPoints())
            for (const TCase& c : cases) {
                SCOPED_TRACE(std::string(c.Name) + " term " + std::to_string(i) + " at delta " +
                             std::to_string(p.Delta) + ", tau " + std::to_string(p.Tau));
                const double h = 1e-7;
                const double numeric =
                    c.ByDelta ? (c.Lower(p.Tau, p.Delta + h, i) - c.Lower(p.Tau, p.Delta - h, i)) /
                                    (2 * h)
                              : (c.Lower(p.Tau + h, p.Delta, i) - c.Lower(p.Tau - h, p.Delta, i)) /
                                    (2 * h);
                const double analytic = c.Analytic(p.Tau, p.Delta, i);
                EXPECT_NEAR(analytic, numeric, 1e-6 * (std::fabs(analytic) + 1.0));
            }
}

TEST(Co2Model, NonAnalyticTermIndexOutsideTheTableGivesNaN) {
    for (int i : {0, 39, 43}) EXPECT_TRUE(std::isnan(Fluid().Psi(1.0, 1.0, i))) << i;
}

// At the critical point θ and Δ vanish; the residual part and its derivatives stay finite
// through the zero-base power rule and raise no floating-point fault.
TEST(Co2Model, ResidualPartIsFiniteAtTheCriticalPoint) {
    const TCO2_FE& f = Fluid();
    for (int i : {40, 41, 42}) {
        EXPECT_EQ(f.Theta(1.0, 1.0, i), 0.0);
        EXPECT_EQ(f.DDelta(1.0, 1.0, i), 0.0);
    }
    std::feclearexcept(FE_ALL_EXCEPT);
    THelmholzResidual r;
    f.PhirAll(1.0, 1.0, r);
    for (double v : {r.Phi, r.Phid, r.Phidd, r.Phit, r.Phidt}) EXPECT_TRUE(std::isfinite(v));
    EXPECT_FALSE(std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW));
}

// At the critical density away from the critical temperature, φr_δδ takes the limit of its
// neighbours, so a state at D = 467.6 kg/m3 has finite heat capacities and speed of sound.
TEST(Co2Model, SecondDensityDerivativeIsContinuousAtTheCriticalDensity) {
    const TCO2_FE& f = Fluid();
    for (double tau : {0.9, 0.99, 1.01, 1.1}) {
        SCOPED_TRACE(tau);
        std::feclearexcept(FE_ALL_EXCEPT);
        const double at = f.Phirdd(1.0, tau);
        EXPECT_FALSE(std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW));
        EXPECT_NEAR(at, f.Phirdd(1.0 - 1e-6, tau), 1e-4 * std::fabs(at));
        EXPECT_NEAR(at, f.Phirdd(1.0 + 1e-6, tau), 1e-4 * std::fabs(at));
    }
    for (double T : {35.0, 100.0}) {
        SCOPED_TRACE(T);
        for (double v : {f.CpDT(467.6, T), f.CvDT(467.6, T), f.WDT(467.6, T)}) {
            EXPECT_TRUE(std::isfinite(v));
            EXPECT_GT(v, 0.0);
        }
        EXPECT_NEAR(f.WDT(467.6, T), f.WDT(467.6 * (1 + 1e-9), T), 1e-5 * f.WDT(467.6, T));
    }
}

TEST(Co2Model, DocumentedValues) {
    fluidchecks::CheckReferenceTable(Fluid(), "co2_reference.tsv");
}

TEST(Co2Model, PublishedTriplePointCriticalPointAndReferenceState) {
    fluidchecks::CheckReferenceTable(Fluid(), "co2_published.tsv");
}

// The ancillary temperature is a rough inverse of the ancillary pressure (about 0.35 K low at
// 0 °C); the saturation functions still converge to the equation of state.
TEST(Co2Model, AncillaryTemperatureIsARoughInverse) {
    const TCO2_FE& f = Fluid();
    EXPECT_NEAR(f.tse(f.Pse(0.0)), -0.35, 0.005);
    fluidchecks::CheckSaturationRoundTrips(f, {0.0});
}

TEST(Co2Model, IdealGasDensityDerivatives) {
    const TCO2_FE& f = Fluid();
    for (double delta : {0.01, 1.0, 2.5}) {
        EXPECT_EQ(f.Phiod(delta, 1.3), 1.0 / delta);
        EXPECT_EQ(f.Phiodd(delta, 1.3), -1.0 / (delta * delta));
        EXPECT_EQ(f.Phiodt(delta, 1.3), 0.0);
    }
}

TEST(Co2Model, SaturationStateHasEqualPressureAndGibbsEnergy) {
    fluidchecks::CheckPhaseEquilibrium(Fluid(), {-56.558, -30.0, 0.0, 20.0, 30.0, 30.9});
}

TEST(Co2Model, FlashesReturnTheTemperature) {
    fluidchecks::CheckFlashRoundTrips(Fluid(), {{50.0, -20.0},
                                                {10.0, 0.0},
                                                {100.0, 40.0},
                                                {75.0, 31.5},
                                                {1000.0, 200.0},
                                                {1.0, 500.0},
                                                {0.05, -50.0}});
}

TEST(Co2Model, SaturationTemperatureOfTheSaturationPressure) {
    fluidchecks::CheckSaturationRoundTrips(Fluid(), {-56.0, -20.0, 20.0, 30.0, 30.9});
}

// Thermal conductivity, viscosities and the Prandtl number are not modelled: whatever the
// arguments, each reports that plainly and returns 0.
// The conductivity correlation is valid up to 200 MPa, the viscosity over the whole range of
// the equation of state (8000 bar).
TEST(Co2Library, TransportFunctionsCheckTheirCorrelationRanges) {
    struct TCase {
        const char* Name;
        TBinaryFunction Function;
        double P;
        int32_t Code;
        const char* Text;
    };
    for (const TCase& c :
         {TCase{"TCPT", KX_CO2_FE_TCPT, 2001.0, 5,
                "KX_CO2_FE_TCPT; Pressure higher than maximum value of 2000.000 bar(a)."},
          TCase{"PrPT", KX_CO2_FE_PrPT, 2001.0, 5,
                "KX_CO2_FE_PrPT; Pressure higher than maximum value of 2000.000 bar(a)."},
          TCase{"DVPT", KX_CO2_FE_DVPT, 2001.0, 0, ""},
          TCase{"KVPT", KX_CO2_FE_KVPT, 8001.0, 5,
                "KX_CO2_FE_KVPT; Pressure higher than maximum value of 8000.000 bar(a)."}}) {
        SCOPED_TRACE(c.Name);
        char text[256] = "";
        int32_t code = -1;
        const double value = c.Function(c.P, 20.0, text, 255, &code);
        EXPECT_EQ(code, c.Code);
        EXPECT_EQ(std::string(text), c.Text);
        EXPECT_EQ(value > 0.0, c.Code == 0);
    }
}

TEST(Co2Library, EveryFunctionKeepsTheContract) {
    kxsweep::SweepLibrary("KX_CO2_FE", KX_CO2_FE_Entries());
}

}  // namespace
