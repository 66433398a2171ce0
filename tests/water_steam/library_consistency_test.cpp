// The water and steam library functions agree with one another: the (p,h) and (p,s) functions
// with the (p,T) functions at the flash temperature, the two-phase functions by temperature
// with those by pressure, and both with the saturated single-phase states.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "KX_WS_IF97_Lib.h"

namespace {

// Calls a library function and insists on success.
double Ok(TBinaryFunction f, double x1, double x2, const char* name) {
    char text[256];
    int32_t code = 0;
    const double value = f(x1, x2, text, 255, &code);
    EXPECT_EQ(code, 0) << name << "(" << x1 << ", " << x2 << "): " << text;
    return value;
}

double Ok(TUnaryFunction f, double x, const char* name) {
    char text[256];
    int32_t code = 0;
    const double value = f(x, text, 255, &code);
    EXPECT_EQ(code, 0) << name << "(" << x << "): " << text;
    return value;
}

// A grid over the whole (p,T) range that crosses every region boundary on both sides: 40 bar
// (2b/2c), 165.29 bar (the region-3 part of the saturation line), 100 bar and 800 °C (region 5),
// 350 °C and the B23 line, the critical pressure and temperature. Region 5 starts at 801 °C:
// the (p,s) region decision places 1073.15 K by a fitted line, and a state 0.1 K above it is
// still taken for region 2 (enthalpy off by 1e-5 relative).
const std::vector<double> kPressures = {0.01, 0.1, 1,   10,  39.99, 40.01, 99.99, 100, 150, 165,
                                        166,  200, 220, 221, 250,   300,   400,   500, 700, 1000};
const std::vector<double> kTemperatures = {0.5, 10,  50,  100,   150, 200,  250,  300, 349.9, 350.1,
                                           360, 370, 373, 375,   380, 390,  400,  420, 450,   500,
                                           550, 600, 700, 799.9, 801, 1000, 1500, 1999};

bool NearSaturation(double p, double t) {
    if (p >= 220.64) return false;
    char text[256];
    int32_t code = 0;
    const double ts = KX_WS_IF97_TsatP(p, text, 255, &code);
    return std::fabs(t - ts) < 0.05;
}

struct TState {
    double p, t;
};

std::vector<TState> SinglePhaseStates() {
    std::vector<TState> states;
    for (double p : kPressures)
        for (double t : kTemperatures) {
            if (t > (p < 100 ? 2000.0 : 800.0) || NearSaturation(p, t)) continue;
            states.push_back({p, t});
        }
    return states;
}

// What a flash result may differ from the (p,T) value z(p, t) it came from: the temperature
// searches stop within 1e-8 of the temperature in kelvin, worth |dz/dT| times that (with a
// factor 4 of margin), which near the critical point is much more than elsewhere.
double FlashTolerance(TBinaryFunction z, double p, double t, const char* name) {
    const double slope = (Ok(z, p, t + 0.01, name) - Ok(z, p, t - 0.01, name)) / 0.02;
    return 4.0 * std::fabs(slope) * 1e-8 * (t + 273.15) + 1e-10 * std::fabs(Ok(z, p, t, name));
}

struct TFlashCheck {
    const char* Name;
    TBinaryFunction ByFlash;  // (p, h) or (p, s)
    TBinaryFunction ByPT;     // the same property from (p, T)
};

void CheckFlashes(TBinaryFunction flashArgument, TBinaryFunction temperature,
                  double temperatureTolerance, const std::vector<TFlashCheck>& checks) {
    for (const auto& s : SinglePhaseStates()) {
        SCOPED_TRACE(std::to_string(s.p) + " bar, " + std::to_string(s.t) + " °C");
        const double argument = Ok(flashArgument, s.p, s.t, "argument");
        EXPECT_NEAR(Ok(temperature, s.p, argument, "temperature"), s.t, temperatureTolerance);
        for (const auto& c : checks) {
            EXPECT_NEAR(Ok(c.ByFlash, s.p, argument, c.Name), Ok(c.ByPT, s.p, s.t, c.Name),
                        FlashTolerance(c.ByPT, s.p, s.t, c.Name))
                << c.Name;
        }
    }
}

TEST(Consistency, PressureEnthalpyFunctionsAgreeWithTheTemperatureFunctions) {
    CheckFlashes(KX_WS_IF97_HPT, KX_WS_IF97_TPH, 1e-6,
                 {{"SPH", KX_WS_IF97_SPH, KX_WS_IF97_SPT},
                  {"VPH", KX_WS_IF97_VPH, KX_WS_IF97_VPT},
                  {"DPH", KX_WS_IF97_DPH, KX_WS_IF97_DPT}});
}

TEST(Consistency, PressureEntropyFunctionsAgreeWithTheTemperatureFunctions) {
    // The temperature from (p,s) comes from the backward equations where they hold, which
    // are exact only to their published accuracy (10 mK in region 1, 25 mK in region 2).
    CheckFlashes(KX_WS_IF97_SPT, KX_WS_IF97_TPS, 0.025,
                 {{"HPS", KX_WS_IF97_HPS, KX_WS_IF97_HPT},
                  {"VPS", KX_WS_IF97_VPS, KX_WS_IF97_VPT},
                  {"DPS", KX_WS_IF97_DPS, KX_WS_IF97_DPT}});
}

const std::vector<double> kSaturationTemperatures = {
    0.01, 1, 25, 50, 100, 150, 200, 250, 300, 340, 349, 351, 355, 360, 365, 370, 372, 373.5, 373.9};

// Mixture properties by temperature and by the saturation pressure of that temperature.
TEST(Consistency, TwoPhaseByTemperatureAgreesWithTwoPhaseByPressure) {
    const struct {
        const char* Name;
        TBinaryFunction ByT, ByP;
    } pairs[] = {{"H", KX_WS_IF97_HTX, KX_WS_IF97_HPX},
                 {"S", KX_WS_IF97_STX, KX_WS_IF97_SPX},
                 {"V", KX_WS_IF97_VTX, KX_WS_IF97_VPX},
                 {"D", KX_WS_IF97_DTX, KX_WS_IF97_DPX}};
    for (double t : kSaturationTemperatures) {
        const double p = Ok(KX_WS_IF97_PsatT, t, "PsatT");
        for (double x : {0.0, 0.25, 1.0})
            for (const auto& f : pairs) {
                SCOPED_TRACE(std::string(f.Name) + " at " + std::to_string(t) + " °C, x " +
                             std::to_string(x));
                // Near the critical point the round trip through the saturation pressure moves
                // the temperature by ~1e-9 K, which the steep saturated volumes feel.
                const double tol = t > 370 ? 1e-5 : 1e-8;
                // The liquid entropy is 0 at the triple point: relative to at least 1 there.
                const double byT = Ok(f.ByT, t, x, "byT");
                EXPECT_NEAR(byT, Ok(f.ByP, p, x, "byP"), tol * std::max(std::fabs(byT), 1.0));
            }
    }
}

// The mixture ends are the saturated liquid and vapour: the (p,T) functions a hair off the line
// (0.001 K) on either side approach them.
TEST(Consistency, TwoPhaseEndsAreTheSaturatedStates) {
    for (double t : kSaturationTemperatures) {
        if (t > 373) continue;  // too close to the critical point for a finite step
        const double p = Ok(KX_WS_IF97_PsatT, t, "PsatT");
        const double ts = Ok(KX_WS_IF97_TsatP, p, "TsatP");
        SCOPED_TRACE(std::to_string(t) + " °C");
        const double liquidT = ts - 0.001;
        const double vapourT = ts + 0.001;
        // Enthalpy changes by cp * 0.001 K; allow that with a margin for the steep cp near the
        // critical point.
        const double cpLiquid = Ok(KX_WS_IF97_CpPT, p, std::max(liquidT, 0.0), "CpPT");
        const double cpVapour = Ok(KX_WS_IF97_CpPT, p, vapourT, "CpPT");
        if (liquidT >= 0.0) {
            EXPECT_NEAR(Ok(KX_WS_IF97_HTX, t, 0.0, "HTX"), Ok(KX_WS_IF97_HPT, p, liquidT, "HPT"),
                        2.0 * cpLiquid * 0.001);
        }
        EXPECT_NEAR(Ok(KX_WS_IF97_HTX, t, 1.0, "HTX"), Ok(KX_WS_IF97_HPT, p, vapourT, "HPT"),
                    2.0 * cpVapour * 0.001);
    }
}

// Inverting a mixture state gives back its vapour fraction and the saturation temperature.
TEST(Consistency, FlashOfAMixtureStateReturnsItsFractionAndTemperature) {
    for (double t : kSaturationTemperatures) {
        if (t < 1.0) continue;  // the (p,h) and (p,s) decisions start at 611.657 Pa
        const double p = Ok(KX_WS_IF97_PsatT, t, "PsatT");
        const double ts = Ok(KX_WS_IF97_TsatP, p, "TsatP");
        for (double x : {0.1, 0.5, 0.9}) {
            SCOPED_TRACE(std::to_string(t) + " °C, x " + std::to_string(x));
            const double h = Ok(KX_WS_IF97_HPX, p, x, "HPX");
            const double s = Ok(KX_WS_IF97_SPX, p, x, "SPX");
            const double tol = t > 370 ? 1e-4 : 1e-7;
            EXPECT_NEAR(Ok(KX_WS_IF97_XPH, p, h, "XPH"), x, tol);
            EXPECT_NEAR(Ok(KX_WS_IF97_XPS, p, s, "XPS"), x, tol);
            EXPECT_NEAR(Ok(KX_WS_IF97_XTH, t, Ok(KX_WS_IF97_HTX, t, x, "HTX"), "XTH"), x, tol);
            EXPECT_NEAR(Ok(KX_WS_IF97_XTS, t, Ok(KX_WS_IF97_STX, t, x, "STX"), "XTS"), x, tol);
            EXPECT_NEAR(Ok(KX_WS_IF97_TPH, p, h, "TPH"), ts, 1e-6);
            EXPECT_NEAR(Ok(KX_WS_IF97_TPS, p, s, "TPS"), ts, 1e-6);
        }
    }
}

// At the critical temperature and pressure both saturated states are the critical point.
TEST(Consistency, SaturatedStatesMeetAtTheCriticalPoint) {
    const double d0 = Ok(KX_WS_IF97_DTX, 373.946, 0.0, "DTX");
    const double d1 = Ok(KX_WS_IF97_DTX, 373.946, 1.0, "DTX");
    EXPECT_NEAR(d0, 322.0, 1e-9);
    EXPECT_NEAR(d1, 322.0, 1e-9);
    EXPECT_NEAR(Ok(KX_WS_IF97_DPX, 220.64, 0.0, "DPX"), 322.0, 1e-6);
    EXPECT_NEAR(Ok(KX_WS_IF97_HPX, 220.64, 0.0, "HPX"), Ok(KX_WS_IF97_HPX, 220.64, 1.0, "HPX"),
                1e-6);
}

}  // namespace
