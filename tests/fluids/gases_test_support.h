#pragma once
// Checks shared by the tests of nitrogen, oxygen, argon and the three forms of hydrogen: reference
// tables of several fluids, library functions against a table, saturation round trips, the
// faster routes against the plain iterations, the critical point of the equation of state and the
// zero-density limit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "HelmholzFluidObject.h"
#include "KX_Function_Call.h"
#include "KX_Function_Types.h"
#include "fluid_test_support.h"

namespace gasestest {

using fluidtest::CheckFlashRoundTrips;
using fluidtest::IdealGasMolarHeatCapacity;
using fluidtest::Number;
using fluidtest::TRoutine;
using fluidtest::TRow;

// Evaluates every row of fileName on the fluid whose Code is in column "fluid"; routines not
// shared by all fluids come from extra.
inline void CheckReferenceTable(const std::string& fileName,
                                const std::vector<const THelmholzFluid*>& fluids,
                                const fluidtest::TRoutines& extra = {}) {
    fluidtest::CheckReferenceTable(
        fileName,
        [&fluids](const TRow& row) -> const THelmholzFluid* {
            for (const THelmholzFluid* f : fluids)
                if (f->Code == row.at("fluid")) return f;
            return nullptr;
        },
        extra);
}

// ---- Library functions against a table (library, function, x1, x2, code, value, text) ----

inline const TKXLibraryEntry* FindEntry(std::span<const TKXLibraryEntry> entries,
                                        const std::string& shortName) {
    for (const TKXLibraryEntry& e : entries)
        if (shortName == e.ShortName) return &e;
    return nullptr;
}

// Calls a library function with the arguments its arity takes.
inline double CallEntry(const TKXLibraryEntry& e, double x1, double x2, char* text, int32_t* code) {
    const double args[] = {x1, x2, 0.0};  // a third for any function of three
    return KXCallFunction(e.Ptr, args, text, 255, code);
}

// A failing row must return 0 with its code and exactly its text; a succeeding row its value
// (to 1e-12 relative) with code 0 and an empty text.
inline void CheckLibraryTable(
    const std::string& fileName,
    const std::map<std::string, std::span<const TKXLibraryEntry>>& libraries) {
    for (const TRow& row : fluidtest::ReadTable(fileName)) {
        SCOPED_TRACE(fileName + ": " + fluidtest::Describe(row));
        const auto library = libraries.find(row.at("library"));
        ASSERT_NE(library, libraries.end());
        const TKXLibraryEntry* entry = FindEntry(library->second, row.at("function"));
        ASSERT_NE(entry, nullptr);
        char text[256] = "stale text";
        int32_t code = -1;
        const double value = CallEntry(*entry, Number(row, "x1"), Number(row, "x2"), text, &code);
        const int32_t expectedCode = static_cast<int32_t>(Number(row, "code"));
        EXPECT_EQ(code, expectedCode);
        EXPECT_EQ(std::string(text), row.at("text"));
        if (expectedCode == 0) {
            const double expected = Number(row, "value");
            EXPECT_NEAR(value, expected, 1e-12 * std::fabs(expected));
        } else {
            EXPECT_EQ(value, 0.0);
        }
    }
}

// ---- Round trips ----

// TsatP(PsatT(T)) returns T at temperatures spread from just above the triple point (where the
// saturation pressure of the equation of state reaches the triple-point pressure of the range
// checks) to 0.1 K below the highest iterated saturation temperature.
inline void CheckSaturationRoundTrips(const THelmholzFluid& fluid) {
    const int steps = 12;
    const double low = fluid.Tt_ + 0.01;
    const double high = fluid.Tc_Max_ - 0.1;
    for (int i = 0; i <= steps; ++i) {
        const double T = low + (high - low) * i / steps;
        SCOPED_TRACE(fluid.Code + " at " + std::to_string(T) + " °C");
        std::string text;
        int32_t code = 0;
        const double p = fluid.PsatT(T, text, code);
        ASSERT_EQ(code, 0) << text;
        EXPECT_NEAR(fluid.TsatP(p, text, code), T, 1e-6);
        EXPECT_EQ(code, 0) << text;
    }
}

// The faster density and saturation routes that the library functions take agree with the plain
// iterations, within their tolerances, over the fluid's range of single-phase states and along
// the saturation line up to 0.01 K below the highest iterated temperature.
inline void CheckFastRoutesAgree(const THelmholzFluid& fluid) {
    std::string plainText, fastText;
    int32_t plainCode = 0, fastCode = 0;
    const double pLow = std::max(fluid.Pmin, 1e-3);
    const double pHigh = std::min(fluid.Pmax, 2000.0);
    const double tHigh = std::min(fluid.Tmax, fluid.Tcr_ + 100.0);
    const int steps = 24;
    for (int i = 0; i <= steps; ++i)
        for (int j = 0; j <= steps; ++j) {
            const double P = pLow * std::pow(pHigh / pLow, static_cast<double>(i) / steps);
            const double tLow = fluid.Tmin(P) + 0.01;  // above the triple point or the melting line
            const double T = tLow + (tHigh - tLow) * j / steps;
            SCOPED_TRACE(fluid.Code + " at " + std::to_string(P) + " bar, " + std::to_string(T) +
                         " °C");
            const double plain = fluid.Solve_DPT(P, T, plainText, plainCode);
            const double fast = fluid.DensityPT(P, T, fastText, fastCode);
            ASSERT_EQ(plainCode, 0) << plainText;
            ASSERT_EQ(fastCode, 0) << fastText;
            EXPECT_NEAR(fast, plain, 1e-8 * plain);
        }
    for (int j = 0; j <= 4 * steps; ++j) {
        const double T = fluid.Tt_ + (fluid.Tc_Max_ - 0.01 - fluid.Tt_) * j / (4 * steps);
        SCOPED_TRACE(fluid.Code + " saturated at " + std::to_string(T) + " °C");
        double ps[2], dl[2], dv[2];
        fluid.Maxwell_Criterion_Ps(T, ps[0], dl[0], dv[0], plainText, plainCode);
        fluid.SaturationFromT(T, ps[1], dl[1], dv[1], fastText, fastCode);
        ASSERT_EQ(plainCode, 0) << plainText;
        ASSERT_EQ(fastCode, 0) << fastText;
        EXPECT_NEAR(ps[1], ps[0], 1e-8 * ps[0]);
        EXPECT_NEAR(dl[1], dl[0], 1e-8 * dl[0]);
        EXPECT_NEAR(dv[1], dv[0], 1e-8 * dv[0]);
    }
}

// The equation of state reproduces the fluid's critical pressure at its reducing density and
// temperature, where the critical isotherm is flat, and its critical enthalpy: a slip in a
// coefficient or an exponent of any term that matters near the critical point moves one of them.
inline void CheckCriticalPoint(const THelmholzFluid& fluid, double pressureTolerance) {
    SCOPED_TRACE(fluid.Code);
    const double D = fluid.Dcr_;
    const double T = fluid.Tcr_;
    EXPECT_NEAR(fluid.PDT(D, T), fluid.Pcr_, pressureTolerance * fluid.Pcr_);
    // dp/dρ in bar per kg/m3, against the ideal-gas slope R T / 100 at the same temperature.
    const double h = 1e-3 * D;
    const double slope = (fluid.PDT(D + h, T) - fluid.PDT(D - h, T)) / (2.0 * h);
    const double idealSlope = fluid.R_ * (T + fluid.dta) / 100.0;
    EXPECT_LT(std::fabs(slope), 1e-3 * idealSlope);
    // The critical enthalpy that labels states outside the two-phase range is the enthalpy of
    // the equation there, which ties it to the reference constants of the ideal-gas part.
    EXPECT_NEAR(fluid.HDT(D, T), fluid.Hc_, 0.01);
}

// The residual part and its derivatives at zero density are finite and continuous: the limit
// from a small density agrees, so no derivative multiplies 0 by an infinite power of δ.
inline void CheckZeroDensityLimit(const THelmholzFluid& fluid) {
    for (double tau : {0.5, 1.0, 2.0}) {
        SCOPED_TRACE(fluid.Code + " at tau " + std::to_string(tau));
        THelmholzResidual atZero, nearZero;
        fluid.PhirAll(0.0, tau, atZero);
        fluid.PhirAll(1e-12, tau, nearZero);
        const double values[][2] = {{atZero.Phi, nearZero.Phi},     {atZero.Phid, nearZero.Phid},
                                    {atZero.Phidd, nearZero.Phidd}, {atZero.Phit, nearZero.Phit},
                                    {atZero.Phitt, nearZero.Phitt}, {atZero.Phidt, nearZero.Phidt}};
        for (const auto& v : values) {
            ASSERT_TRUE(std::isfinite(v[0]));
            EXPECT_NEAR(v[0], v[1], 1e-6 * (std::fabs(v[1]) + 1.0));
        }
        EXPECT_EQ(atZero.Phi, 0.0);
        EXPECT_TRUE(std::isfinite(fluid.Phirdd(0.0, tau)));
        EXPECT_TRUE(std::isfinite(fluid.Phird(0.0, tau)));
    }
}

}  // namespace gasestest
