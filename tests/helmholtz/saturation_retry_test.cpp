// The saturation iteration from temperature when its start values are bad, on the van der Waals
// fluid: a trivial solution (one density for both phases) is never a result; close to the
// critical temperature the retry between the spinodals reaches the state that good start values
// give; at the critical temperature itself, further from it, and from start values at which the
// equation has no value, the iteration fails.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "HelmholtzTestFluids.h"

namespace {

using testfluids::TVanDerWaals;

// Ancillary densities placed around the critical density, inside the unstable part of every
// isotherm close to the critical temperature: factors of the reducing density.
struct TUnstableStarts : TVanDerWaals {
    TUnstableStarts(double liquidFactor, double vapourFactor,
                    const THelmholzConstants& constants = Constants())
        : TVanDerWaals(constants), LiquidFactor(liquidFactor), VapourFactor(vapourFactor) {}
    double dsle(double) const override { return LiquidFactor * Dcr_; }
    double dsve(double) const override { return VapourFactor * Dcr_; }
    double LiquidFactor;
    double VapourFactor;
};

double Celsius(double reducedTemperature) {
    return reducedTemperature * 400.0 - 273.15;
}

using TSaturationRoutine = void (THelmholzFluid::*)(double, double&, double&, double&, std::string&,
                                                    int32_t&) const;

struct TRetryCase {
    double LiquidFactor;
    double VapourFactor;
    double Tr;
};

TEST(SaturationRetry, BadStartsCloseToTheCriticalPointReachTheStateOfGoodStarts) {
    const TRetryCase cases[] = {
        {1.0, 1.0, 0.98},   {1.0, 1.0, 0.99}, {1.0, 1.0, 0.995},  // one start for both phases
        {1.05, 0.95, 0.98}, {1.1, 0.9, 0.99}, {0.95, 1.05, 0.995},
    };
    const TVanDerWaals good;
    for (const TRetryCase& c : cases) {
        const TUnstableStarts bad(c.LiquidFactor, c.VapourFactor);
        for (TSaturationRoutine routine :
             {&THelmholzFluid::Maxwell_Criterion_Ps, &THelmholzFluid::SaturationFromT}) {
            SCOPED_TRACE(std::to_string(c.LiquidFactor) + "/" + std::to_string(c.VapourFactor) +
                         " at Tr " + std::to_string(c.Tr));
            std::string text;
            int32_t code = -1;
            double Ps = 0, DL = 0, DV = 0, goodPs = 0, goodDL = 0, goodDV = 0;
            (good.*routine)(Celsius(c.Tr), goodPs, goodDL, goodDV, text, code);
            ASSERT_EQ(code, 0) << text;
            (bad.*routine)(Celsius(c.Tr), Ps, DL, DV, text, code);
            ASSERT_EQ(code, 0) << text;
            EXPECT_EQ(text, "");
            EXPECT_NEAR(Ps, goodPs, 1e-9 * goodPs);
            EXPECT_NEAR(DL, goodDL, 1e-7 * goodDL);
            EXPECT_NEAR(DV, goodDV, 1e-7 * goodDV);
        }
    }
}

// Each library-level function on the saturation state from temperature, with its own prefix.
struct TFunctionCase {
    const char* Name;
    double (*Call)(const THelmholzFluid&, double, std::string&, int32_t&);
};

const TFunctionCase SaturationFunctions[] = {
    {"PsatT", [](const THelmholzFluid& f, double T, std::string& text,
                 int32_t& code) { return f.PsatT(T, text, code); }},
    {"DTX", [](const THelmholzFluid& f, double T, std::string& text,
               int32_t& code) { return f.DTX(T, 0.0, text, code); }},
    {"XTH", [](const THelmholzFluid& f, double T, std::string& text,
               int32_t& code) { return f.XTH(T, f.HDT(f.Dcr_, T), text, code); }},
};

// Far from the critical point the isotherm of a real equation can have more loops, so there is no
// retry; the trivial solution the bad start runs into is reported as what it is.
TEST(SaturationRetry, WithoutRetryTheTrivialSolutionIsAFailure) {
    const TUnstableStarts bad(1.0, 1.0);
    const double T = Celsius(0.9);
    std::string text;
    int32_t code = -1;
    double Ps = 1, DL = 1, DV = 1;
    bad.Maxwell_Criterion_Ps(T, Ps, DL, DV, text, code);
    EXPECT_EQ(code, 1);
    EXPECT_EQ(text, "No distinct liquid and vapour phases found.");
    EXPECT_EQ(Ps, 0.0);
    EXPECT_EQ(DL, 0.0);
    EXPECT_EQ(DV, 0.0);
    for (const TFunctionCase& c : SaturationFunctions) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(c.Call(bad, T, text, code), 0.0);
        EXPECT_EQ(code, 1);
        EXPECT_EQ(text, std::string("KX_VDW_FE_") + c.Name +
                            "; No distinct liquid and vapour phases found.");
    }
}

// Iterated right up to the critical temperature, where both phases are one.
struct TIteratedToCritical : TUnstableStarts {
    static THelmholzConstants IteratedToCritical() {
        THelmholzConstants c = Constants();
        c.Tc_Max_ = c.Tcr_;
        return c;
    }
    TIteratedToCritical() : TUnstableStarts(1.0, 1.0, IteratedToCritical()) {}
};

TEST(SaturationRetry, AtTheCriticalTemperatureIsTheCriticalPoint) {
    const TIteratedToCritical fluid;
    std::string text;
    int32_t code = -1;
    EXPECT_EQ(fluid.PsatT(fluid.Tc_, text, code), fluid.Pc_);
    EXPECT_EQ(fluid.DTX(fluid.Tc_, 0.0, text, code), fluid.Dcr_);
    // The saturation temperature found by inverting the saturation pressure meets that end.
    double Ts = 0.0, DLc = 0.0, DVc = 0.0;
    code = -1;
    fluid.SaturationFromPByInverse(fluid.Pc_, Ts, DLc, DVc, text, code);
    EXPECT_EQ(code, 0) << text;
    EXPECT_EQ(Ts, fluid.Tc_);
    EXPECT_EQ(DLc, fluid.Dcr_);
    // There the vapour fraction has no meaning.
    EXPECT_EQ(fluid.XTH(fluid.Tc_, fluid.HDT(fluid.Dcr_, fluid.Tc_), text, code), 0.0);
    EXPECT_EQ(text, "KX_VDW_FE_XTH; No distinct liquid and vapour phases found.");
    for (const TFunctionCase& c : SaturationFunctions) {
        SCOPED_TRACE(c.Name);
        // A hundredth of a kelvin below, the two phases are there.
        c.Call(fluid, fluid.Tcr_ - 0.01, text, code);
        EXPECT_EQ(code, 0) << text;
    }
    double Ps = 1, DL = 1, DV = 1;
    fluid.SaturationFromSpinodals(fluid.Tcr_, Ps, DL, DV, text, code);
    EXPECT_EQ(code, 1);
    EXPECT_EQ(text, "No distinct liquid and vapour phases found.");
}

// A start value at which the equation has no value (beyond the co-volume) points at a faulty
// ancillary equation: its failure is reported, not covered by the retry.
TEST(SaturationRetry, AStartWhereTheEquationHasNoValueIsNotRetried) {
    const TUnstableStarts beyondCoVolume(1.0, 6.0);
    std::string text;
    int32_t code = -1;
    EXPECT_EQ(beyondCoVolume.PsatT(Celsius(0.99), text, code), 0.0);
    EXPECT_EQ(code, 1);
    EXPECT_EQ(text, "KX_VDW_FE_PsatT; Unknown error.");
}

// At Tr = 0.9 the van der Waals isotherm is unstable between the reduced densities 0.65 and
// 1.39 (spinodals, where 4 Tr = delta (3 - delta)^2).
TEST(SaturationRetry, DistinctPhasesAreTwoStableDensitiesApart) {
    struct TPair {
        double DLr, DVr;
        bool Distinct;
    };
    const TPair pairs[] = {
        {1.7, 0.3, true},  {0.3, 1.7, false}, {1.7, 1.7, false}, {1.7 * (1 + 1e-7), 1.7, false},
        {1.7, 1.0, false}, {1.0, 0.3, false}, {1.7, 0.0, false},
    };
    const TVanDerWaals fluid;
    for (const TPair& p : pairs) {
        SCOPED_TRACE(std::to_string(p.DLr) + "/" + std::to_string(p.DVr));
        EXPECT_EQ(fluid.AreDistinctPhases(Celsius(0.9), p.DLr * fluid.Dcr_, p.DVr * fluid.Dcr_),
                  p.Distinct);
    }
}

}  // namespace
