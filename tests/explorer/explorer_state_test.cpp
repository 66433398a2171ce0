// A whole state: every value is what the library function answers when called directly, the
// phase words on both sides of each boundary, placeholders left out, the reference-state note.
#include <cmath>

#include "KXExplorerState.h"
#include "KX_Utils.h"
#include "explorer_support.h"

using namespace kxexplorertest;

namespace {

// States of a library picked from its own constants: a liquid and a vapour at the same
// temperature, between the triple and the critical point.
struct TProbe {
    double T, PLiquid, PVapour, Psat;
};

TProbe ProbeOf(const std::string& library) {
    const double tt = Direct(library, "Tt").Value;
    const double tc = Direct(library, "Tc").Value;
    const double t = tt + 0.6 * (tc - tt);
    const double psat = Direct(library, "PsatT", t).Value;
    return {t, 1.5 * psat, 0.5 * psat, psat};
}

void ExpectCell(const TKXState& s, const std::string& key, const TDirect& d) {
    const TKXStateRow* row = s.Row(key);
    ASSERT_NE(row, nullptr) << key;
    if (d.Code == 0) {
        EXPECT_TRUE(row->Mixture.HasValue) << key << ": " << row->Mixture.Text;
        EXPECT_EQ(row->Mixture.Value, d.Value) << key;
    } else {
        EXPECT_EQ(row->Mixture.Text, d.Text) << key;
    }
}

class EveryLibrary : public testing::TestWithParam<const char*> {};

TEST_P(EveryLibrary, SinglePhaseStateByPTIsTheLibraryAnswers) {
    const std::string lib = GetParam();
    const TProbe probe = ProbeOf(lib);
    for (double p : {probe.PLiquid, probe.PVapour}) {
        const TKXState s = ComputeState(Fluid(lib), TKXInputPair::PT, p, probe.T);
        ASSERT_TRUE(s.Ok) << s.ErrorText;
        EXPECT_FALSE(s.TwoPhase);
        for (const char* key : {"rho", "v", "h", "s", "cp", "cv", "w"}) {
            const char* fn = FindProperty(key)->FromPT;
            ExpectCell(s, key, Direct(lib, fn, p, probe.T));
        }
        EXPECT_EQ(s.Row("p")->Mixture.Value, p);
        EXPECT_EQ(s.Row("T")->Mixture.Value, probe.T);
    }
}

TEST_P(EveryLibrary, StatesByPHAndPSAreTheFlashAnswers) {
    const std::string lib = GetParam();
    const TProbe probe = ProbeOf(lib);
    const double h = Direct(lib, "HPT", probe.PVapour, probe.T).Value;
    const TKXState byH = ComputeState(Fluid(lib), TKXInputPair::PH, probe.PVapour, h);
    ASSERT_TRUE(byH.Ok) << byH.ErrorText;
    ExpectCell(byH, "T", Direct(lib, "TPH", probe.PVapour, h));
    ExpectCell(byH, "s", Direct(lib, "SPH", probe.PVapour, h));
    ExpectCell(byH, "rho", Direct(lib, "DPH", probe.PVapour, h));
    // The temperature found by the flash is the state's: cp comes from (p, T(p, h)).
    const double t = Direct(lib, "TPH", probe.PVapour, h).Value;
    ExpectCell(byH, "cp", Direct(lib, "CpPT", probe.PVapour, t));

    const double s = Direct(lib, "SPT", probe.PLiquid, probe.T).Value;
    const TKXState byS = ComputeState(Fluid(lib), TKXInputPair::PS, probe.PLiquid, s);
    ASSERT_TRUE(byS.Ok) << byS.ErrorText;
    ExpectCell(byS, "T", Direct(lib, "TPS", probe.PLiquid, s));
    ExpectCell(byS, "h", Direct(lib, "HPS", probe.PLiquid, s));
}

TEST_P(EveryLibrary, TwoPhaseStatesHaveTheSaturatedColumnsBesideTheMixture) {
    const std::string lib = GetParam();
    const TProbe probe = ProbeOf(lib);
    const double x = 0.3;
    const TKXState byT = ComputeState(Fluid(lib), TKXInputPair::TX, probe.T, x);
    ASSERT_TRUE(byT.Ok) << byT.ErrorText;
    EXPECT_TRUE(byT.TwoPhase);
    ExpectCell(byT, "p", Direct(lib, "PsatT", probe.T));
    ExpectCell(byT, "h", Direct(lib, "HTX", probe.T, x));
    ExpectCell(byT, "rho", Direct(lib, "DTX", probe.T, x));
    EXPECT_EQ(byT.Row("rho")->Liquid.Value, Direct(lib, "DTX", probe.T, 0.0).Value);
    EXPECT_EQ(byT.Row("s")->Vapour.Value, Direct(lib, "STX", probe.T, 1.0).Value);
    // Heat capacities and speed of sound have no value in the mixture.
    EXPECT_TRUE(byT.Row("cp")->Mixture.Empty());
    EXPECT_EQ(byT.Row("phase")->Mixture.Text.rfind("two-phase", 0), 0u);

    // The same state by (p, x), (T, h) and (T, s): same fraction, same pressure.
    const TKXState byP = ComputeState(Fluid(lib), TKXInputPair::PX, probe.Psat, x);
    ASSERT_TRUE(byP.Ok) << byP.ErrorText;
    ExpectCell(byP, "T", Direct(lib, "TsatP", probe.Psat));
    ExpectCell(byP, "s", Direct(lib, "SPX", probe.Psat, x));
    const double h = Direct(lib, "HTX", probe.T, x).Value;
    const TKXState byH = ComputeState(Fluid(lib), TKXInputPair::TH, probe.T, h);
    ASSERT_TRUE(byH.Ok) << byH.ErrorText;
    ExpectCell(byH, "x", Direct(lib, "XTH", probe.T, h));
    EXPECT_NEAR(byH.Row("x")->Mixture.Value, x, 1e-6);
}

TEST_P(EveryLibrary, AFailedStateCarriesTheLibraryTextAndNoRows) {
    const std::string lib = GetParam();
    const double tc = Direct(lib, "Tc").Value;
    const TKXState s = ComputeState(Fluid(lib), TKXInputPair::TX, tc + 50.0, 0.5);
    EXPECT_FALSE(s.Ok);
    EXPECT_TRUE(s.Rows.empty());
    EXPECT_EQ(s.ErrorText, Direct(lib, "PsatT", tc + 50.0).Text);
    EXPECT_FALSE(s.ErrorText.empty());
}

TEST_P(EveryLibrary, EveryOfferedPairStartsAState) {
    const std::string lib = GetParam();
    const auto pairs = OfferedInputPairs(Fluid(lib));
    EXPECT_EQ(pairs.size(), 7u);  // every library registers the seven pair families
}

INSTANTIATE_TEST_SUITE_P(Libraries, EveryLibrary, testing::ValuesIn(AllLibraries));

// Phase words on either side of each boundary. Saturation temperatures from the IAPWS-IF97
// steam tables (99.61 °C at 1 bar, 179.88 °C at 10 bar) and the R134a tables of the IIR
// (39.37 °C at 10 bar; critical point 101.06 °C, 40.59 bar). The region 2/3 boundary at 400 °C
// is 242.4 bar and at 375 °C 197.5 bar by the B23 equation of the IF97 release.
struct TPhaseCase {
    const char* Library;
    double P, T;
    const char* Words;
};

class PhaseWords : public testing::TestWithParam<TPhaseCase> {};

TEST_P(PhaseWords, OnEitherSideOfEachBoundary) {
    const TPhaseCase c = GetParam();
    const TKXState s = ComputeState(Fluid(c.Library), TKXInputPair::PT, c.P, c.T);
    ASSERT_TRUE(s.Ok) << s.ErrorText;
    EXPECT_EQ(s.Phase, c.Words) << c.Library << " " << c.P << " bar " << c.T;
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, PhaseWords,
    testing::Values(TPhaseCase{"KX_WS_IF97", 1, 99.5, "compressed liquid (region 1)"},
                    TPhaseCase{"KX_WS_IF97", 1, 99.7, "superheated vapour (region 2)"},
                    TPhaseCase{"KX_WS_IF97", 10, 179.8, "compressed liquid (region 1)"},
                    TPhaseCase{"KX_WS_IF97", 10, 180, "superheated vapour (region 2)"},
                    TPhaseCase{"KX_WS_IF97", 500, 349, "compressed liquid (region 1)"},
                    TPhaseCase{"KX_WS_IF97", 500, 351, "compressed liquid (region 3)"},
                    TPhaseCase{"KX_WS_IF97", 300, 373, "compressed liquid (region 3)"},
                    TPhaseCase{"KX_WS_IF97", 300, 375, "supercritical (region 3)"},
                    TPhaseCase{"KX_WS_IF97", 245, 400, "supercritical (region 3)"},
                    TPhaseCase{"KX_WS_IF97", 240, 400, "supercritical (region 2)"},
                    TPhaseCase{"KX_WS_IF97", 150, 375, "superheated vapour (region 2)"},
                    TPhaseCase{"KX_WS_IF97", 200, 375, "superheated vapour (region 3)"},
                    TPhaseCase{"KX_WS_IF97", 10, 799, "superheated vapour (region 2)"},
                    TPhaseCase{"KX_WS_IF97", 10, 801, "superheated vapour (region 5)"},
                    TPhaseCase{"KX_R134a_FE", 10, 39.2, "compressed liquid"},
                    TPhaseCase{"KX_R134a_FE", 10, 39.6, "superheated vapour"},
                    TPhaseCase{"KX_R134a_FE", 41, 100, "compressed liquid"},
                    TPhaseCase{"KX_R134a_FE", 41, 102, "supercritical"},
                    TPhaseCase{"KX_R134a_FE", 40, 102, "superheated vapour"}));

TEST(PhaseWordsOnTheDome, SaturatedEndsAndTheMixture) {
    const TKXFluidFunctions water = Fluid("KX_WS_IF97");
    const std::pair<double, const char*> cases[] = {{0.0, "saturated liquid (region 4)"},
                                                    {0.5, "two-phase (region 4)"},
                                                    {1.0, "saturated vapour (region 4)"}};
    for (const auto& [x, words] : cases)
        EXPECT_EQ(ComputeState(water, TKXInputPair::TX, 100, x).Phase, words);
    // (p, h) on either side of the saturated liquid enthalpy at 10 bar (762.7 kJ/kg in the tables).
    EXPECT_EQ(ComputeState(water, TKXInputPair::PH, 10, 750).Phase, "compressed liquid (region 1)");
    EXPECT_EQ(ComputeState(water, TKXInputPair::PH, 10, 780).Phase, "two-phase (region 4)");
    EXPECT_EQ(ComputeState(water, TKXInputPair::PH, 10, 2790).Phase,
              "superheated vapour (region 2)");
}

// A library with one real function and one placeholder of the kind the fluid libraries register
// for quantities they do not model: the placeholder is not offered.
double RealHPT(double p, double t, char* text, int32_t capacity, int32_t* code) {
    return RunLibraryFunction("KX_PH", "HPT", text, capacity, code,
                              [p, t](std::string&, int32_t&) { return p + t; });
}
double PlaceholderTCPT(double, double, char*, int32_t, int32_t*) {
    return 999.0;
}

TEST(OfferedFunctions, PlaceholdersAreNotOffered) {
    TKXLibraries libraries;
    TKXLibrary& l = libraries.AddLibrary("KX_PH");
    l.AddBinairyFunction("KX_PH_HPT", "Enthalpy", 4, "Pressure", 2, "Temperature", 31, RealHPT);
    l.AddBinairyFunction("KX_PH_TCPT", "ThermalCond", 35, "Pressure", 2, "Temperature", 31,
                         PlaceholderTCPT);
    const TKXFluidFunctions f(libraries, 0);
    EXPECT_TRUE(f.Offers("HPT"));
    EXPECT_FALSE(f.Offers("TCPT"));
    EXPECT_EQ(f.Call("HPT", 1, 2).Value, 3.0);
    EXPECT_NE(f.Call("TCPT", 1, 2).Code, 0);
    bool lambdaRow = false;
    for (const TKXPropertyInfo& p : OfferedProperties(f))
        lambdaRow |= std::string(p.Key) == "lambda";
    EXPECT_FALSE(lambdaRow);
}

TEST(ReferenceState, IIRForTheRefrigerantsAndAmmoniaIAPWSForWater) {
    for (const char* lib :
         {"KX_NH3_FE", "KX_R22_FE", "KX_R32_FE", "KX_R123_FE", "KX_R134a_FE", "KX_R152a_FE"})
        EXPECT_NE(ReferenceStateNote(Fluid(lib)).find("(IIR)"), std::string::npos) << lib;
    EXPECT_NE(ReferenceStateNote(Fluid("KX_WS_IF97")).find("(IAPWS)"), std::string::npos);
    for (const char* lib : {"KX_N2_FE", "KX_CO2_FE", "KX_H2_FE"}) {
        const std::string note = ReferenceStateNote(Fluid(lib));
        EXPECT_EQ(note.find("(IIR)"), std::string::npos) << lib;
        EXPECT_NE(note.find("triple point"), std::string::npos) << lib;
    }
}

}  // namespace

namespace {

// A blend on its dome: the state (T, x) is the state (p, x) at the pressure PTX gives; its
// liquid column is the bubble and its vapour column the dew state at that pressure, each at its
// own temperature; the state by (p, x) gives the temperature back.
class BlendDome : public testing::TestWithParam<const char*> {};

TEST_P(BlendDome, TheStateOfTXIsTheStateOfItsPressure) {
    const std::string lib = GetParam();
    const double t = 0.0, x = 0.4;
    const TKXState byT = ComputeState(Fluid(lib), TKXInputPair::TX, t, x);
    ASSERT_TRUE(byT.Ok) << byT.ErrorText;
    const TDirect p = Direct(lib, "PTX", t, x);
    ASSERT_EQ(p.Code, 0) << p.Text;
    ExpectCell(byT, "p", p);
    ExpectCell(byT, "h", Direct(lib, "HTX", t, x));
    EXPECT_EQ(byT.Row("T")->Liquid.Value, Direct(lib, "TbubP", p.Value).Value);
    EXPECT_EQ(byT.Row("T")->Vapour.Value, Direct(lib, "TdewP", p.Value).Value);
    EXPECT_LT(byT.Row("T")->Liquid.Value, t);
    EXPECT_GT(byT.Row("T")->Vapour.Value, t);
    EXPECT_EQ(byT.Row("h")->Liquid.Value, Direct(lib, "HPX", p.Value, 0.0).Value);
    EXPECT_EQ(byT.Row("h")->Vapour.Value, Direct(lib, "HPX", p.Value, 1.0).Value);
    EXPECT_NEAR(byT.Row("h")->Mixture.Value,
                (1 - x) * byT.Row("h")->Liquid.Value + x * byT.Row("h")->Vapour.Value, 1e-9);

    const TKXState byP = ComputeState(Fluid(lib), TKXInputPair::PX, p.Value, x);
    ASSERT_TRUE(byP.Ok) << byP.ErrorText;
    EXPECT_NEAR(byP.Row("T")->Mixture.Value, t, 1e-9);
    EXPECT_NEAR(byP.Row("h")->Mixture.Value, byT.Row("h")->Mixture.Value, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Blends, BlendDome,
                         testing::Values("KX_R410A_FE", "KX_R404A_FE", "KX_R407C_FE",
                                         "KX_R507A_FE"));

// A mixture's state lists its feed, and inside the dome the liquid and the vapour in equilibrium,
// each as the library's phase-composition functions give them: each sums to one, the feed lies
// between them (the lever rule), and the state found again by its (p, h) has the same phases.
class MixtureState : public testing::TestWithParam<const char*> {};

TEST_P(MixtureState, TwoPhaseStatesShowBothPhasesCompositions) {
    const std::string lib = GetParam();
    const TKXFluidFunctions fluid = Fluid(lib);
    const std::vector<std::string>& names = fluid.Info().Components;
    ASSERT_GE(names.size(), 2u);
    const double p = 5.0, x = 0.4;
    const TKXState byX = ComputeState(fluid, TKXInputPair::PX, p, x);
    ASSERT_TRUE(byX.Ok) << byX.ErrorText;
    const TKXState byH = ComputeState(fluid, TKXInputPair::PH, p, byX.Row("h")->Mixture.Value);
    ASSERT_TRUE(byH.Ok) << byH.ErrorText;
    EXPECT_NEAR(byH.Row("T")->Mixture.Value, byX.Row("T")->Mixture.Value, 1e-9);
    const TKXState single = ComputeState(fluid, TKXInputPair::PT, p, 80.0);
    ASSERT_TRUE(single.Ok) << single.ErrorText;
    double sumX = 0.0, sumY = 0.0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::string key;
        for (char c : names[i])
            if (c != '(' && c != ')') key += c;
        SCOPED_TRACE(key);
        const double n = static_cast<double>(i + 1);
        ExpectCell(byX, "x_" + key, Direct(lib, "XLPX", p, x, n));
        ExpectCell(byX, "y_" + key, Direct(lib, "YVPX", p, x, n));
        const double z = byX.Row("z_" + key)->Mixture.Value;
        const double xl = byX.Row("x_" + key)->Mixture.Value;
        const double yv = byX.Row("y_" + key)->Mixture.Value;
        EXPECT_EQ(z, fluid.Info().MoleFractions[i]);
        EXPECT_GT((z - xl) * (yv - z), 0.0);
        EXPECT_NEAR(byH.Row("x_" + key)->Mixture.Value, xl, 1e-9);
        sumX += xl;
        sumY += yv;
        // One phase: the feed, and no phases' compositions.
        EXPECT_EQ(single.Row("z_" + key)->Mixture.Value, z);
        EXPECT_TRUE(single.Row("x_" + key)->Mixture.Empty());
    }
    EXPECT_NEAR(sumX, 1.0, 1e-12);
    EXPECT_NEAR(sumY, 1.0, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Mixtures, MixtureState,
                         testing::Values("KX_R454B_MIX", "KX_R513A_MIX", "KX_R448A_MIX"));

}  // namespace
