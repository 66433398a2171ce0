// Flash routines on the van der Waals fluid: round trips, phase labels outside the two-phase
// pressure range, the density limit, and the failures of inner steps that must stop a flash.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "HelmholtzTestFluids.h"
#include "KX_Function_Types.h"

namespace {

using testfluids::TVanDerWaals;

const double NaN = std::numeric_limits<double>::quiet_NaN();

using TMethod = double (THelmholzFluid::*)(double, double, std::string&, int32_t&) const;

struct TResult {
    double Value;
    int32_t Code;
    std::string Text;
};

TResult Call(const THelmholzFluid& fluid, TMethod method, double x1, double x2) {
    TResult r{0.0, -1, "stale"};
    r.Value = (fluid.*method)(x1, x2, r.Text, r.Code);
    return r;
}

double Ok(const THelmholzFluid& fluid, TMethod method, double x1, double x2) {
    const TResult r = Call(fluid, method, x1, x2);
    EXPECT_EQ(r.Code, 0) << r.Text << " at " << x1 << ", " << x2;
    EXPECT_TRUE(r.Text.empty());
    return r.Value;
}

TEST(Flash, TemperatureRoundTripsOverTheSinglePhaseRange) {
    const TVanDerWaals fluid;
    int checked = 0;
    for (double P : {0.6, 3.0, 10.0, 60.0, 150.0, 210.0})
        for (double T : {-70.0, -20.0, 40.0, 100.0, 250.0, 500.0}) {
            SCOPED_TRACE(std::to_string(P) + " bar, " + std::to_string(T) + " °C");
            const TResult h = Call(fluid, &THelmholzFluid::HPT, P, T);
            if (h.Code != 0) continue;
            EXPECT_NEAR(Ok(fluid, &THelmholzFluid::TPH, P, h.Value), T, 1e-5);
            EXPECT_NEAR(Ok(fluid, &THelmholzFluid::TPS, P, Ok(fluid, &THelmholzFluid::SPT, P, T)),
                        T, 1e-5);
            ++checked;
        }
    EXPECT_GT(checked, 30);
}

TEST(Flash, TwoPhaseStatesGiveTheFractionAndTheSaturationTemperature) {
    const TVanDerWaals fluid;
    for (double P : {10.0, 100.0, 200.0}) {
        const double HL = Ok(fluid, &THelmholzFluid::HPX, P, 0.0);
        const double HV = Ok(fluid, &THelmholzFluid::HPX, P, 1.0);
        const double H = HL + 0.3 * (HV - HL);
        EXPECT_NEAR(Ok(fluid, &THelmholzFluid::XPH, P, H), 0.3, 1e-12);
        std::string text;
        int32_t code = -1;
        const double Ts = fluid.TsatP(P, text, code);
        ASSERT_EQ(code, 0);
        EXPECT_DOUBLE_EQ(Ok(fluid, &THelmholzFluid::TPH, P, H), Ts);
        const double SL = Ok(fluid, &THelmholzFluid::SPX, P, 0.0);
        const double SV = Ok(fluid, &THelmholzFluid::SPX, P, 1.0);
        EXPECT_NEAR(Ok(fluid, &THelmholzFluid::XPS, P, SL + 0.3 * (SV - SL)), 0.3, 1e-12);
    }
}

// Below the triple-point pressure there is no two-phase state either: the enthalpy flash labels
// by the critical enthalpy, the entropy flash leaves the fraction at 0.
TEST(Flash, BelowTheTriplePointPressureTheEntropyFlashReportsZero) {
    const TVanDerWaals fluid;
    const double P = 3.0;
    ASSERT_LT(P, fluid.Pt_);
    ASSERT_GE(P, fluid.Pmin);
    const double T = 300.0;
    const double H = Ok(fluid, &THelmholzFluid::HPT, P, T);
    ASSERT_GE(H, fluid.Hc_);
    EXPECT_EQ(Ok(fluid, &THelmholzFluid::XPH, P, H), 1.0);
    EXPECT_EQ(Ok(fluid, &THelmholzFluid::XPS, P, Ok(fluid, &THelmholzFluid::SPT, P, T)), 0.0);
}

// ---- Density limit ----

// The van der Waals isochore is a straight line in T, so its temperature is exact.
struct TWithDensityLimit : TVanDerWaals {
    static THelmholzConstants WithDensityLimit() {
        THelmholzConstants c = Constants();
        c.Dmax = 700.0;
        c.Pmax_Dmax = 100.0;
        return c;
    }
    TWithDensityLimit() : TVanDerWaals(WithDensityLimit()) {}
    double Tmin_Dmax(double P, int32_t) const override {
        const double delta = Dmax / Dcr_;
        const double Tr = (P / Pc_ + 3.0 * delta * delta) * (3.0 - delta) / (8.0 * delta);
        return Tr * (Tcr_ + dta) - dta;
    }
};
// A fluid whose isochore temperature is not found (the base returns 0).
struct TLostDensityLimit : TWithDensityLimit {
    double Tmin_Dmax(double, int32_t) const override { return 0.0; }
};

TEST(Flash, StatesDenserThanTheLimitAreOutOfRange) {
    const TWithDensityLimit fluid;
    const double T = 0.6 * 400.0 - 273.15;
    const double Plimit = fluid.PDT(fluid.Dmax, T);
    ASSERT_LT(Plimit * 1.01, fluid.Pmax);
    const TResult r = Call(fluid, &THelmholzFluid::DPT, Plimit * 1.01, T);
    EXPECT_EQ(r.Code, 5);
    EXPECT_EQ(r.Text.rfind("KX_VDW_FE_DPT; Pressure higher than maximum value of ", 0), 0u);
    EXPECT_LE(Ok(fluid, &THelmholzFluid::DPT, Plimit * 0.99, T), fluid.Dmax);
    const TResult v = Call(fluid, &THelmholzFluid::VPT, Plimit * 1.01, T);
    EXPECT_EQ(v.Code, 5);
    EXPECT_EQ(v.Text.rfind("KX_VDW_FE_VPT; Pressure higher than maximum value of ", 0), 0u);
}

TEST(Flash, AboveTheLimitPressureTheFlashStartsOnTheIsochore) {
    const TWithDensityLimit fluid;
    const double P = 200.0;
    const double Tlo = fluid.Tmin_Dmax(P, 0);
    const double Hlo = fluid.HDT(fluid.Dmax, Tlo);
    const TResult below = Call(fluid, &THelmholzFluid::TPH, P, Hlo - 1.0);
    EXPECT_EQ(below.Code, 8);
    const double T = Ok(fluid, &THelmholzFluid::TPH, P, Hlo + 5.0);
    EXPECT_GT(T, Tlo);
    EXPECT_NEAR(Ok(fluid, &THelmholzFluid::HPT, P, T), Hlo + 5.0, 1e-5);
}

TEST(Flash, AnIsochoreTemperatureThatMissesThePressureFailsTheFlash) {
    const TLostDensityLimit fluid;
    const double P = 200.0;
    const double H = Ok(fluid, &THelmholzFluid::HPT, P, 50.0);
    for (TMethod method : {&THelmholzFluid::TPH, &THelmholzFluid::XPH, &THelmholzFluid::DPH}) {
        const TResult r = Call(fluid, method, P, H);
        EXPECT_EQ(r.Code, 1);
        EXPECT_EQ(r.Value, 0.0);
        EXPECT_NE(r.Text.find("; Unknown error."), std::string::npos) << r.Text;
    }
    const TResult s =
        Call(fluid, &THelmholzFluid::TPS, P, Ok(fluid, &THelmholzFluid::SPT, P, 50.0));
    EXPECT_EQ(s.Code, 1);
    EXPECT_EQ(s.Text, "KX_VDW_FE_TPS; Unknown error.");
}

// ---- Failures of inner steps ----

// A fluid whose equation has no value in a band of temperatures.
struct TBandWithoutValue : TVanDerWaals {
    double low, high;  // K
    TBandWithoutValue(double lowK, double highK) : low(lowK), high(highK) {}
    bool InBand(double tau) const {
        const double Tk = (Tcr_ + dta) / tau;
        return Tk >= low && Tk <= high;
    }
    double Phird(double d, double t) const override {
        return InBand(t) ? NaN : TVanDerWaals::Phird(d, t);
    }
    void PhirAll(double d, double t, THelmholzResidual& r) const override {
        TVanDerWaals::PhirAll(d, t, r);
        if (InBand(t)) r.Phid = NaN;
    }
};

TEST(Flash, AFailedDensityInsideTheRootFinderFailsTheFlash) {
    const TBandWithoutValue fluid(450.0, 700.0);
    const double P = 10.0;
    EXPECT_TRUE(std::isnan(fluid.HPTFunction(P, 500.0 - 273.15)));
    EXPECT_TRUE(std::isnan(fluid.SPTFunction(P, 500.0 - 273.15)));
    EXPECT_TRUE(std::isnan(fluid.HPTFunction(P, fluid.Tt_ - 10.0)));  // below Tmin
    // A state above the band: its bracket runs through the band.
    const double H = Ok(fluid, &THelmholzFluid::HPT, P, 750.0 - 273.15);
    const TResult t = Call(fluid, &THelmholzFluid::TPH, P, H);
    EXPECT_EQ(t.Code, 1);
    EXPECT_EQ(t.Value, 0.0);
    EXPECT_EQ(t.Text, "KX_VDW_FE_TPH; Unknown error.");
}

// Between the triple-point pressure and twice it, the lowest enthalpy comes from two calls; a
// failure of the first must not be hidden by the success of the second.
struct TFailingLowestState : TBandWithoutValue {
    TFailingLowestState() : TBandWithoutValue(198.9, 199.1) {}
    double Tmin(double) const override { return 199.0 - dta; }
};

TEST(Flash, EveryCallOfTheLowerLimitIsChecked) {
    const TFailingLowestState fluid;
    const double P = 1.5 * fluid.Pt_;
    std::string text;
    int32_t code = -1;
    ASSERT_EQ(fluid.HPT(P, fluid.Tmin(P), text, code), 0.0);
    ASSERT_NE(code, 0);
    fluid.HPX(P, 0.0, text, code);
    ASSERT_EQ(code, 0);
    const TResult r = Call(fluid, &THelmholzFluid::TPH, P, Ok(fluid, &THelmholzFluid::HPX, P, 0.5));
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(r.Text.rfind("KX_VDW_FE_TPH;", 0), 0u) << r.Text;
    const TResult s = Call(fluid, &THelmholzFluid::TPS, P, Ok(fluid, &THelmholzFluid::SPX, P, 0.5));
    EXPECT_EQ(s.Code, 1);
}

}  // namespace
