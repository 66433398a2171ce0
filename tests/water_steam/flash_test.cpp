// Inverse and flash routines: temperature and vapour fraction from (p,h), (p,s), (T,h), (T,s).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "KX_WS_IF97_Lib_Root.h"
#include "KX_WS_IF97_Regions.h"
#include "KX_WS_IF97_Transport.h"

using namespace if97;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// ---- Consistency over the whole range ----

// Temperatures of a dense grid at pressure p, with states 0.05 K and 1 K either side of every
// boundary that crosses the isobar. Two neighbouring region equations differ slightly on their
// common boundary (at 623.15 K, on the B23 line, at 1073.15 K), so within about 0.02 K of it one
// enthalpy can belong to a state on either side; states that close are left to the boundary test.
std::vector<double> GridTemperatures(double p) {
    std::vector<double> boundaries = {623.15, 1073.15};
    if (p <= pc) boundaries.push_back(Tsat(p));
    if (p > p_623) boundaries.push_back(B23_T(p));
    std::vector<double> Ts = {273.15, 2273.15};
    for (double T = 274.0; T < 2273.15; T += 6.1) Ts.push_back(T);
    for (const double b : boundaries) {
        for (const double d : {-1.0, -0.05, 0.05, 1.0}) Ts.push_back(b + d);
    }
    std::vector<double> kept;
    for (const double T : Ts) {
        bool nearOverlap = false;
        for (const double b : {623.15, 1073.15, p > p_623 ? B23_T(p) : -1.0}) {
            if (std::fabs(T - b) < 0.03) nearOverlap = true;
        }
        if (!nearOverlap) kept.push_back(T);
    }
    return kept;
}

std::vector<double> GridPressures() {
    std::vector<double> ps;
    for (double lp = std::log(700.0); lp <= std::log(100e6); lp += 0.15) ps.push_back(std::exp(lp));
    // Either side of 4 MPa (2a/2b), 10 MPa (region 5), 16.53 MPa (region 3), pc, and the ends.
    for (const double p :
         {611.3, 3.99e6, 4.01e6, 9.99e6, 10e6, 16.5e6, 16.54e6, 22.06e6, 22.07e6, 100e6}) {
        ps.push_back(p);
    }
    return ps;
}

// The states of the library's (p,T) domain outside the saturation line.
template <class Check>
int ForEachSinglePhaseState(Check check) {
    int n = 0;
    for (const double p : GridPressures()) {
        for (const double T : GridTemperatures(p)) {
            const int region = RegionPT(p, T);
            if (region == kRegionOutside || region == 4) continue;
            if (p >= p_10 && T > T_1073) continue;
            check(p, T, region);
            ++n;
        }
    }
    return n;
}

TEST(FlashConsistencyTest, TemperatureFromEnthalpyGivesBackTheTemperature) {
    const int n = ForEachSinglePhaseState([](double p, double T, int region) {
        bool ok = true;
        const double h = H_PT(kPhaseByRegion, p, T, &ok);
        ASSERT_TRUE(ok);
        bool okT = true, okTX = true;
        EXPECT_NEAR(T_PH(p, h, &okT), T, 1e-6)
            << "T_PH region " << region << " p " << p << " T " << T;
        const TFlashTX f = TX_PH(p, h, &okTX);
        EXPECT_NEAR(f.T, T, 1e-6) << "TX_PH region " << region << " p " << p << " T " << T;
        EXPECT_TRUE(okT && okTX) << p << " " << T;
    });
    EXPECT_GT(n, 5000);
}

// The Newton start from the backward equations must give what the bracketing iteration alone
// gives, and fail where it fails.
TEST(FlashConsistencyTest, FastStartAgreesWithTheBracketingIteration) {
    ForEachSinglePhaseState([](double p, double T, int) {
        const double h = H_PT(kPhaseByRegion, p, T);
        for (const double dh : {0.0, -3e6, 9e6}) {  // in range, below, above
            bool okFast = true, okBracketed = true;
            const double fast = T_PH(p, h + dh, &okFast);
            const double bracketed = detail::T_PH_Bracketed(p, h + dh, &okBracketed);
            EXPECT_EQ(okFast, okBracketed) << p << " " << T << " " << dh;
            EXPECT_NEAR(fast, bracketed, 1e-6) << p << " " << T << " " << dh;
        }
    });
}

TEST(FlashConsistencyTest, TemperatureFromEntropyGivesBackTheTemperature) {
    const int n = ForEachSinglePhaseState([](double p, double T, int region) {
        bool ok = true;
        const double s = S_PT(p, T, &ok);
        ASSERT_TRUE(ok);
        bool okT = true, okTX = true;
        EXPECT_NEAR(T_PS(p, s, &okT), T, 1e-6)
            << "T_PS region " << region << " p " << p << " T " << T;
        const TFlashTX f = TX_PS(p, s, &okTX);
        EXPECT_NEAR(f.T, T, 1e-6) << "TX_PS region " << region << " p " << p << " T " << T;
        EXPECT_TRUE(okT && okTX) << p << " " << T;
    });
    EXPECT_GT(n, 5000);
}

TEST(FlashConsistencyTest, DerivedPropertiesAgreeWithTheForwardFunctions) {
    ForEachSinglePhaseState([](double p, double T, int) {
        const double h = H_PT(kPhaseByRegion, p, T), s = S_PT(p, T), v = V_PT(p, T);
        EXPECT_NEAR(S_PH(p, h), s, 1e-6 * std::fabs(s) + 1e-6) << p << " " << T;
        EXPECT_NEAR(V_PH(p, h), v, 1e-8 * v) << p << " " << T;
        EXPECT_NEAR(H_PS(p, s), h, 1e-8 * std::fabs(h) + 1e-3) << p << " " << T;
        EXPECT_NEAR(V_PS(p, s), v, 1e-8 * v) << p << " " << T;
    });
}

// On a boundary itself the answer may lie on either side, but its (p,T) value is the one asked.
TEST(FlashConsistencyTest, OnRegionBoundariesTheFlashReproducesItsArgument) {
    std::vector<std::pair<double, double>> states;
    for (const double p : {17e6, 25e6, 50e6, 100e6}) {
        states.push_back({p, T_623});
        states.push_back({p, B23_T(p)});
    }
    for (const double p : {1e3, 1e5, 3e6, 9e6, 20e6, 80e6}) states.push_back({p, T_1073});
    for (const auto& [p, T] : states) {
        const double h = H_PT(kPhaseByRegion, p, T), s = S_PT(p, T);
        bool ok = true;
        const double tH = T_PH(p, h, &ok), tS = T_PS(p, s, &ok);
        const TFlashTX fH = TX_PH(p, h, &ok), fS = TX_PS(p, s, &ok);
        ASSERT_TRUE(ok) << p << " " << T;
        EXPECT_NEAR(H_PT(kPhaseByRegion, p, tH), h, 1e-3) << p << " " << T;
        EXPECT_NEAR(H_PT(kPhaseByRegion, p, fH.T), h, 1e-3) << p << " " << T;
        EXPECT_NEAR(S_PT(p, tS), s, 1e-6) << p << " " << T;
        EXPECT_NEAR(S_PT(p, fS.T), s, 1e-6) << p << " " << T;
        EXPECT_NEAR(tH, T, 0.05) << p << " " << T;
    }
}

// ---- Two-phase states ----

TEST(TwoPhaseFlashTest, InsideTheDomeTheTemperatureIsTheSaturationTemperature) {
    const double p = 1e5, Ts = Tsat(p);
    const double hL = Region1_H(p, Ts), hV = Region2_H(p, Ts);
    for (const double x : {0.0001, 0.3, 0.9999}) {
        const double h = hL + x * (hV - hL);
        EXPECT_EQ(T_PH(p, h), Ts) << x;
        const TFlashTX f = TX_PH(p, h);
        EXPECT_EQ(f.T, Ts);
        EXPECT_NEAR(f.x, x, 1e-12);
        EXPECT_NEAR(S_PH(p, h), S_PX(p, x), 1e-9 * S_PX(p, x));
        EXPECT_NEAR(X_PH(p, h), x, 1e-12);
    }
    // 2000 kJ/kg at 1 bar
    const TFlashTX f = TX_PH(p, 2000e3);
    EXPECT_EQ(f.T, Ts);
    EXPECT_NEAR(f.x, (2000e3 - hL) / (hV - hL), 1e-15);
    EXPECT_NEAR(Ts, 372.7559, 5e-5);
}

TEST(TwoPhaseFlashTest, VapourFractionsBelowAndAboveTheRegion3Corner) {
    struct TCase {
        double p, x;
    };
    const TCase cases[] = {{1e3, 0.5},   {1e6, 0.2},  {16e6, 0.7},
                           {17e6, 0.25}, {20e6, 0.5}, {22e6, 0.6}};
    for (const TCase& c : cases) {
        const double h = H_PX(c.p, c.x), s = S_PX(c.p, c.x);
        EXPECT_NEAR(X_PH(c.p, h), c.x, 1e-9) << c.p;
        EXPECT_NEAR(X_PS(c.p, s), c.x, 1e-9) << c.p;
        EXPECT_NEAR(TX_PH(c.p, h).x, c.x, 1e-9) << c.p;
        EXPECT_NEAR(TX_PS(c.p, s).x, c.x, 1e-9) << c.p;
        EXPECT_NEAR(TX_PS(c.p, s).T, Tsat(c.p), 1e-9) << c.p;
        EXPECT_NEAR(V_PH(c.p, h), V_PX(c.p, c.x), 1e-9 * V_PX(c.p, c.x)) << c.p;
        EXPECT_NEAR(H_PS(c.p, s), h, 1e-9 * h) << c.p;
    }
}

TEST(TwoPhaseFlashTest, VapourFractionFromTemperature) {
    struct TCase {
        double T, x;
    };
    const TCase cases[] = {{280.0, 0.1}, {373.15, 0.5}, {600.0, 0.9}, {630.0, 0.3}, {645.0, 0.6}};
    for (const TCase& c : cases) {
        EXPECT_NEAR(X_TH(c.T, H_TX(c.T, c.x)), c.x, 1e-9) << c.T;
        EXPECT_NEAR(X_TS(c.T, S_TX(c.T, c.x)), c.x, 1e-9) << c.T;
        EXPECT_NEAR(X_TH(c.T, H_TX(c.T, 0.0)), 0.0, 1e-12) << c.T;
        EXPECT_NEAR(X_TH(c.T, H_TX(c.T, 1.0)), 1.0, 1e-12) << c.T;
    }
    // Above the critical temperature every state is vapour, whatever h or s.
    EXPECT_EQ(X_TH(Tc + 0.001, -1e9), 1.0);
    EXPECT_EQ(X_TS(700.0, 0.0), 1.0);
}

// ---- T_PH where the bracketing iteration alone does not reach ----

TEST(TemperatureFromEnthalpyTest, NegativeEnthalpiesOfColdLiquid) {
    // Below about 0.41 bar liquid at 0 degC has a negative enthalpy.
    for (const double p : {611.213, 1000.0, 10000.0, 40000.0}) {
        const double hMin = Region1_H(p, 273.15);
        ASSERT_LT(hMin, 0.0) << p;
        bool ok = true;
        EXPECT_NEAR(T_PH(p, hMin, &ok), 273.15, 1e-6) << p;
        if (Region1_H(p, Tsat(p)) > 0.0) {  // h = 0 is liquid here, not two-phase
            const double T0h = T_PH(p, 0.0, &ok);
            EXPECT_NEAR(Region1_H(p, T0h), 0.0, 1e-3) << p;
            EXPECT_GT(T0h, 273.15);
        } else {
            EXPECT_EQ(T_PH(p, 0.0, &ok), Tsat(p));
        }
        EXPECT_TRUE(ok) << p;
    }
}

TEST(TemperatureFromEnthalpyTest, Region5EnthalpiesBelow10MPa) {
    for (const double p : {500.0, 1e5, 5e6, 9.99e6}) {
        for (const double T : {1100.0, 1500.0, 2273.15}) {
            bool ok = true;
            EXPECT_NEAR(T_PH(p, Region5_H(p, T), &ok), T, 1e-6) << p << " " << T;
            EXPECT_TRUE(ok);
        }
    }
}

TEST(TemperatureFromEnthalpyTest, BetweenRegion1And3At623K) {
    // Above 16.53 MPa region 3 starts a few J/kg above region 1 at 623.15 K: an enthalpy in
    // between is at that temperature.
    for (const double p : {16.6e6, 20e6, 50e6}) {
        const double h1 = Region1_H(p, T_623), h3 = Region3_H_PT(p, T_623);
        ASSERT_LT(h1, h3) << p;
        bool ok = true;
        EXPECT_NEAR(T_PH(p, 0.5 * (h1 + h3), &ok), T_623, 1e-6) << p;
        EXPECT_TRUE(ok);
    }
}

TEST(TemperatureFromEnthalpyTest, CompressedLiquidBelowTheCriticalPressureAboveTheCorner) {
    // At T = Tsat(p) the liquid end of the bracket must stay liquid.
    for (const double p : {16.6e6, 18e6, 21e6, 22e6}) {
        for (const double T : {500.0, 623.0, 623.2, Tsat(p) - 0.1}) {
            const double h = H_PT(kPhaseByRegion, p, T);
            bool ok = true;
            EXPECT_NEAR(T_PH(p, h, &ok), T, 1e-6) << p << " " << T;
            EXPECT_TRUE(ok);
        }
    }
}

TEST(TemperatureFromEnthalpyTest, CriticalPoint) {
    bool ok = true;
    const double hc = H_TX(Tc, 0.0);
    EXPECT_NEAR(T_PH(pc, hc, &ok), Tc, 1e-6);
    EXPECT_NEAR(TX_PH(pc, hc, &ok).T, Tc, 1e-6);
    EXPECT_TRUE(ok);
}

TEST(TemperatureFromEnthalpyTest, NearTheCriticalPointTheFlashStateSolvesBothEquations) {
    // The critical isotherm is so flat that (p,T) fixes the volume only to about 0.1 kg/m3;
    // the flash state (v, T) must still give back p and h (or s). (Just below pc these states
    // are two-phase.)
    const double hc = H_TX(Tc, 0.0), sc = S_TX(Tc, 0.0);
    for (const double p : {pc, pc * (1 + 1e-6), pc * (1 + 1e-4)}) {
        for (const double dz : {-50.0, -1e-4, 0.0, 50.0}) {
            bool ok = true;
            const double h = hc + dz, s = sc + dz * 1e-3;
            const double vH = V_PH(p, h, &ok), TH = TX_PH(p, h, &ok).T;
            const double vS = V_PS(p, s, &ok), TS = TX_PS(p, s, &ok).T;
            ASSERT_TRUE(ok) << p << " " << dz;
            EXPECT_NEAR(Region3_P(vH, TH), p, 1e-9 * p) << p << " " << dz;
            EXPECT_NEAR(Region3_H(vH, TH), h, 1e-9 * h) << p << " " << dz;
            EXPECT_NEAR(Region3_P(vS, TS), p, 1e-9 * p) << p << " " << dz;
            EXPECT_NEAR(Region3_S(vS, TS), s, 1e-9 * s) << p << " " << dz;
            EXPECT_NEAR(TH, Tc, 0.01) << p << " " << dz;
        }
    }
    EXPECT_NEAR(1.0 / V_PH(pc, hc), rhoc, 1e-4);
}

// ---- Failures and states just inside the formulation's edges ----

TEST(FlashFailureTest, MarkersWithTheFailureFlag) {
    struct TCase {
        const char* name;
        double value, marker;
        bool flagged;
    };
    bool f1 = true, f2 = true, f3 = true, f4 = true, f5 = true, f6 = true, f7 = true, f8 = true;
    const TCase cases[] = {
        {"T_PH p = 0", T_PH(0.0, 1e5, &f1), 0.0, f1},
        {"T_PH above 100 MPa", T_PH(101e6, 1e6, &f2), 0.0, f2},
        {"T_PH NaN", T_PH(kNaN, 1e6, &f3), 0.0, f3},
        {"TX_PH T outside", TX_PH(1e5, -1e6, &f4).T, kFlashFailedT, f4},
        {"TX_PH x outside", TX_PH(1e5, -1e6).x, kFlashFailedX_PH, false},
        {"TX_PS outside", TX_PS(1e5, 1e6, &f5).T, kFlashFailedT, f5},
        {"T_PS outside", T_PS(1e5, -1e4, &f6), kFlashFailedT, f6},
        {"X_PH outside", X_PH(1e5, 1e8, &f7), 0.0, f7},
        {"S_PH outside", S_PH(1e5, 1e8, &f8), 0.0, f8},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(c.value, c.marker) << c.name;
        EXPECT_FALSE(c.flagged) << c.name;
    }
    EXPECT_EQ(TX_PS(1e5, 1e6).x, 0.0);
}

TEST(FlashFailureTest, StatesOnTheEdgesOfTheFormulationAreSolved) {
    // The fitted region maps lie a little inside 273.15 K, 1073.15 K and 2273.15 K; the flashes
    // still solve every state the (p,T) functions give on those isotherms.
    struct TCase {
        double p, T;
    };
    const TCase cases[] = {{1e5, 273.15},   {50e6, 273.15},  {100e6, 273.15}, {611.3, 273.15},
                           {1e3, 2273.15},  {9e6, 2273.15},  {1e3, 1073.15},  {10e6, 1073.15},
                           {22e6, 1073.15}, {50e6, 1073.15}, {80e6, 1073.15}, {100e6, 1073.15}};
    for (const TCase& c : cases) {
        const double h = H_PT(kPhaseByRegion, c.p, c.T), s = S_PT(c.p, c.T);
        bool ok = true;
        EXPECT_NEAR(TX_PH(c.p, h, &ok).T, c.T, 1e-6) << c.p << " " << c.T;
        EXPECT_NEAR(TX_PS(c.p, s, &ok).T, c.T, 1e-6) << c.p << " " << c.T;
        EXPECT_NEAR(T_PS(c.p, s, &ok), c.T, 1e-6) << c.p << " " << c.T;
        EXPECT_NEAR(T_PH(c.p, h, &ok), c.T, 1e-6) << c.p << " " << c.T;
        EXPECT_NEAR(H_PS(c.p, s, &ok), h, 1e-3) << c.p << " " << c.T;
        EXPECT_TRUE(ok) << c.p << " " << c.T;
    }
}

// ---- States the fitted region map places beside their region ----

// The fitted saturation lines of the (p,h) and (p,s) maps lie up to about 6 J/kg (0.01 J/(kg K))
// beside the saturated-liquid values near 16.53 MPa and up to 68 J/kg (0.2 J/(kg K)) beside the
// saturated-vapour values near 611.657 Pa. A state between a fitted and a true line has its own
// small fraction (or one just short of 1), not 0 or 1.
TEST(FlashFittedMapTest, FractionsBesideTheSaturationLine) {
    struct TCase {
        double p;
        double dh, ds;  // J/kg, J/(kg K) from the saturated value into the dome
    };
    const TCase cases[] = {{611.657, 0.5, 1e-3}, {611.657, 50.0, 0.15}, {1e3, 0.5, 1e-3},
                           {1e5, 0.5, 1e-3},     {1e6, 2.0, 5e-3},      {1e7, 2.0, 5e-3},
                           {16.5e6, 0.5, 1e-3},  {16.5e6, 5.0, 8e-3}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.p) + " Pa, " + std::to_string(c.dh) + " J/kg");
        const double Ts = Tsat(c.p);
        const double hL = Region1_H(c.p, Ts), hV = Region2_H(c.p, Ts);
        const double sL = Region1_S(c.p, Ts), sV = Region2_S(c.p, Ts);
        bool ok = true;
        EXPECT_NEAR(X_PH(c.p, hL + c.dh, &ok), c.dh / (hV - hL), 1e-12);
        EXPECT_NEAR(X_PH(c.p, hV - c.dh, &ok), 1.0 - c.dh / (hV - hL), 1e-12);
        EXPECT_NEAR(X_PS(c.p, sL + c.ds, &ok), c.ds / (sV - sL), 1e-12);
        EXPECT_NEAR(X_PS(c.p, sV - c.ds, &ok), 1.0 - c.ds / (sV - sL), 1e-12);
        EXPECT_NEAR(X_TH(Ts, hL + c.dh, &ok), c.dh / (hV - hL), 1e-12);
        EXPECT_NEAR(X_TS(Ts, sV - c.ds, &ok), 1.0 - c.ds / (sV - sL), 1e-12);
        EXPECT_TRUE(ok);
    }
}

// Between the saturation pressures at 273.15 K (611.213 Pa) and 273.16 K (611.657 Pa) the map
// knows vapour only; the liquid and two-phase states there are solved all the same.
TEST(FlashFittedMapTest, TwoPhaseStatesAtTheTriplePoint) {
    for (const double p : {611.213, 611.3, 611.5, 611.65}) {
        for (const double x : {0.0, 1e-4, 0.4, 0.9999}) {
            SCOPED_TRACE(std::to_string(p) + " Pa, x = " + std::to_string(x));
            const double h = H_PX(p, x), s = S_PX(p, x);
            bool ok = true;
            EXPECT_NEAR(X_PH(p, h, &ok), x, 1e-12);
            EXPECT_NEAR(X_PS(p, s, &ok), x, 1e-12);
            EXPECT_NEAR(S_PH(p, h, &ok), s, 1e-9 * s + 1e-9);
            EXPECT_NEAR(H_PS(p, s, &ok), h, 1e-9 * h + 1e-6);
            EXPECT_NEAR(V_PH(p, h, &ok), V_PX(p, x), 1e-9 * V_PX(p, x));
            EXPECT_NEAR(T_PH(p, h, &ok), Tsat(p), 1e-9);
            EXPECT_NEAR(T_PS(p, s, &ok), Tsat(p), 1e-9);
            EXPECT_TRUE(ok);
        }
    }
}

// Vapour many decades below the lowest pressure of the region map is ideal gas: its enthalpy,
// entropy difference and thermal conductivity are those at 1e-8 Pa, and the flashes find T.
TEST(FlashFittedMapTest, VanishingPressures) {
    constexpr double pRef = 1e-8;
    for (const double p : {1e-295, 1e-100, 1e-20, 1e-9, 1e-5, 1e-3}) {
        for (const double T : {273.15, 500.0, 1073.15, 1080.0, 2273.15}) {
            SCOPED_TRACE(std::to_string(T) + " K at " + std::to_string(std::log10(p)) + " dex Pa");
            bool ok = true;
            const double h = H_PT(kPhaseByRegion, p, T, &ok), s = S_PT(p, T, &ok);
            EXPECT_NEAR(h, H_PT(kPhaseByRegion, pRef, T), 1e-9 * h);
            EXPECT_NEAR(s - S_PT(pRef, T), -R * std::log(p / pRef), 1e-9 * s);
            EXPECT_NEAR(T_PH(p, h, &ok), T, 1e-6);
            EXPECT_NEAR(T_PS(p, s, &ok), T, 1e-6);
            EXPECT_NEAR(H_PS(p, s, &ok), h, 1e-3);
            EXPECT_EQ(X_PH(p, h, &ok), 1.0);
            if (T <= T_1073) {
                const double k = ThermalConductivity_PT(p, T, &ok);
                EXPECT_NEAR(k, ThermalConductivity_PT(pRef, T), 1e-8 * k);
            }
            EXPECT_TRUE(ok);
        }
    }
}

// Where two region equations meet, the isobaric enthalpy jumps: by up to 134 J/kg on the B23
// line, and by up to some 340 J/kg at Tsat near the critical point, where the region-3 isobar
// starts beside the saturated value of the equal-area condition. An enthalpy inside such a jump
// belongs to the state on the line.
TEST(FlashFittedMapTest, EnthalpiesInsideTheJumpsOnRegionLines) {
    for (const double p : {30e6, 60.35e6, 90e6}) {
        const double TB = B23_T(p);
        const double h3 = H_PT(kPhaseByRegion, p, TB * (1 - 1e-12));
        const double h2 = H_PT(kPhaseByRegion, p, TB * (1 + 1e-12));
        ASSERT_LT(h3, h2) << p;
        for (const double f : {0.01, 0.5, 0.99}) {
            bool ok = true;
            EXPECT_NEAR(T_PH(p, h3 + f * (h2 - h3), &ok), TB, 1e-6) << p << " " << f;
            EXPECT_TRUE(ok) << p << " " << f;
        }
    }
    for (const double p : {19e6, 21.9e6, 22e6, 22.06e6}) {
        const double Ts = Tsat(p);
        const double hL = H_PX(p, 0.0), hV = H_PX(p, 1.0);
        const double hLiquid = H_PT(kPhaseLiquid, p, Ts * (1 - 1e-12));
        const double hVapour = H_PT(kPhaseVapour, p, Ts * (1 + 1e-12));
        // Each of these pressures has a jump on one side at least (liquid at 19 MPa, vapour at
        // 21.9 and 22 MPa, both at 22.06 MPa); without one the case would check nothing.
        EXPECT_TRUE(hVapour > hV || hLiquid < hL) << "no jump at " << p << " Pa";
        for (const double f : {0.01, 0.5, 0.99}) {
            bool ok = true;
            if (hVapour > hV) {
                EXPECT_NEAR(T_PH(p, hV + f * (hVapour - hV), &ok), Ts, 1e-6) << p << " " << f;
            }
            if (hLiquid < hL) {
                EXPECT_NEAR(T_PH(p, hLiquid + f * (hL - hLiquid), &ok), Ts, 1e-6) << p << " " << f;
            }
            EXPECT_TRUE(ok) << p << " " << f;
        }
    }
}

}  // namespace
