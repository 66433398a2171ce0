// Cycles against textbook worked examples (tests/data/cycle_textbook_examples.tsv), each state
// point against the library's own state from two of its properties, and inputs a fluid does not
// allow refused with a message naming them.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "KXCycle.h"
#include "KXDiagram.h"
#include "KXTsv.h"
#include "explorer_support.h"

namespace {

using kxexplorertest::Direct;
using kxexplorertest::Fluid;

// The examples of the data file, computed; each value the data names.
std::map<std::string, double> Example(const std::string& name) {
    std::map<std::string, double> values;
    TKXCycle cycle;
    if (name == "rankine_10_1") {
        cycle = ComputeRankine(Fluid("water"), {.BoilerP = 30, .LiveT = 350, .CondenserP = 0.75});
    } else if (name == "rankine_10_4") {
        cycle = ComputeRankine(
            Fluid("water"),
            {.BoilerP = 150, .LiveT = 600, .ReheatP = 40, .ReheatT = 600, .CondenserP = 0.1});
    } else if (name.rfind("rankine_10_3", 0) == 0) {
        const char part = name.back();
        cycle = ComputeRankine(Fluid("water"), {.BoilerP = part == 'c' ? 150.0 : 30.0,
                                                .LiveT = part == 'a' ? 350.0 : 600.0,
                                                .CondenserP = 0.1});
    } else if (name == "rankine_8_1" || name == "rankine_8_2") {
        // Saturated vapour into the turbine.
        const double eta = name == "rankine_8_2" ? 0.85 : 1.0;
        cycle = ComputeRankine(Fluid("water"), {.BoilerP = 80,
                                                .LiveT = Direct("KX_WS_IF97", "TsatP", 80).Value,
                                                .CondenserP = 0.08,
                                                .TurbineEff = eta,
                                                .PumpEff = eta,
                                                .PowerKW = 100000});
    } else if (name == "refrigeration_11_1") {
        // Saturated vapour at 0.14 MPa into the compressor, saturated liquid at 0.8 MPa out of
        // the condenser.
        TKXVapourCompressionInput in;
        in.EvaporatingT = Direct("KX_R134a_FE", "TsatP", 1.4).Value;
        in.CondensingT = Direct("KX_R134a_FE", "TsatP", 8.0).Value;
        in.Size.MassFlow = 0.05;
        cycle = ComputeVapourCompression(Fluid("R134a"), in);
    }
    EXPECT_TRUE(cycle.Ok) << name << ": " << cycle.ErrorText;
    for (const TKXCycleValue& v : cycle.Values) values[v.Key] = v.Value;
    for (const TKXCyclePoint& p : cycle.Points) values["h_" + p.Label] = p.h;
    if (values.count("w_turbine")) values["w_net"] = values["w_turbine"] - values["w_pump"];
    if (values.count("q_evap")) values["Q_evap_kW"] = values["q_evap"] * values["m_dot"];
    return values;
}

TEST(Cycle, TextbookExamples) {
    std::map<std::string, std::map<std::string, double>> computed;
    int rows = 0;
    for (const kxtsv::TLine& line : kxtsv::Read("cycle_textbook_examples.tsv", true).Lines) {
        const std::string& example = line.Fields.at(0);
        const std::string& key = line.Fields.at(1);
        if (!computed.count(example)) computed[example] = Example(example);
        const auto& values = computed[example];
        SCOPED_TRACE(example + " " + key);
        ASSERT_TRUE(values.count(key));
        EXPECT_NEAR(values.at(key), std::stod(line.Fields.at(2)), std::stod(line.Fields.at(3)));
        ++rows;
    }
    EXPECT_EQ(rows, 36);
}

// Every point is the library's state at its (p, h), and a single-phase point's temperature
// gives its enthalpy back; the energy balance closes.
TEST(Cycle, PointsAreTheLibrarysStates) {
    TKXVapourCompressionInput in;
    in.EvaporatingT = -10;
    in.CondensingT = 40;
    in.Superheat = 5;
    in.Subcooling = 3;
    in.IsentropicEff = 0.7;
    in.IhxEffectiveness = 0.5;
    in.SuctionDrop = 0.1;
    in.DischargeDrop = 0.2;
    in.Size.CapacityKW = 10;
    const TKXCycle cycle = ComputeVapourCompression(Fluid("R134a"), in);
    ASSERT_TRUE(cycle.Ok) << cycle.ErrorText;
    ASSERT_EQ(cycle.Points.size(), 6u);  // 1, 1', 2, 3, 3', 4
    for (const TKXCyclePoint& p : cycle.Points) {
        SCOPED_TRACE(p.Label);
        EXPECT_NEAR(Direct("KX_R134a_FE", "SPH", p.p, p.h).Value, p.s, 1e-12);
        if (!p.HasX) {
            EXPECT_NEAR(Direct("KX_R134a_FE", "HPT", p.p, p.T).Value, p.h, 1e-8);
        }
    }
    EXPECT_NEAR(cycle.Point("1")->T, -5.0, 1e-9);
    EXPECT_NEAR(cycle.Point("3")->T, 37.0, 1e-9);
    const double q = cycle.Value("q_evap")->Value, w = cycle.Value("w_comp")->Value;
    EXPECT_NEAR(cycle.Value("q_cond")->Value, q + w, 1e-9);
    EXPECT_NEAR(cycle.Value("m_dot")->Value * q, 10.0, 1e-9);
    EXPECT_NEAR(cycle.Value("COP_cooling")->Value, q / w, 1e-12);
    // The heat exchanger takes from the liquid what it gives the vapour.
    EXPECT_NEAR(cycle.Point("1'")->h - cycle.Point("1")->h,
                cycle.Point("3")->h - cycle.Point("3'")->h, 1e-9);
}

// A transcritical CO2 cycle: the gas cooler's exit is the state (p, T) given, the compressor
// exit lies on the real path from the isentrope, every point is the library's state at its
// (p, h), and the balance closes.
TEST(Cycle, TranscriticalPointsAreTheLibrarysStates) {
    TKXTranscriticalInput in;
    in.EvaporatingT = -5;
    in.GasCoolerP = 100;
    in.GasCoolerT = 35;
    in.Superheat = 5;
    in.IsentropicEff = 0.7;
    in.Size.MassFlow = 0.1;
    const TKXCycle cycle = ComputeTranscritical(Fluid("CO2"), in);
    ASSERT_TRUE(cycle.Ok) << cycle.ErrorText;
    ASSERT_EQ(cycle.Points.size(), 4u);
    for (const TKXCyclePoint& p : cycle.Points) {
        SCOPED_TRACE(p.Label);
        EXPECT_NEAR(Direct("KX_CO2_FE", "SPH", p.p, p.h).Value, p.s, 1e-12);
    }
    const TKXCyclePoint &suction = *cycle.Point("1"), &discharge = *cycle.Point("2"),
                        &exit = *cycle.Point("3"), &inlet = *cycle.Point("4");
    EXPECT_NEAR(suction.T, 0.0, 1e-9);
    EXPECT_EQ(suction.p, Direct("KX_CO2_FE", "PsatT", -5.0).Value);
    EXPECT_EQ(exit.p, 100.0);
    EXPECT_NEAR(exit.h, Direct("KX_CO2_FE", "HPT", 100.0, 35.0).Value, 1e-9);
    const double hIsentropic = Direct("KX_CO2_FE", "HPS", 100.0, suction.s).Value;
    EXPECT_NEAR(discharge.h - suction.h, (hIsentropic - suction.h) / 0.7, 1e-9);
    EXPECT_EQ(inlet.h, exit.h);
    EXPECT_TRUE(inlet.HasX);
    const double q = cycle.Value("q_evap")->Value, w = cycle.Value("w_comp")->Value;
    EXPECT_NEAR(q, suction.h - inlet.h, 1e-9);
    EXPECT_NEAR(cycle.Value("q_cond")->Value, q + w, 1e-9);
    EXPECT_NEAR(cycle.Value("P_comp")->Value, 0.1 * w, 1e-9);
    EXPECT_NEAR(cycle.Value("T_discharge")->Value, discharge.T, 1e-12);
}

// A blend evaporates to its dew point and condenses to its bubble point: the evaporator exit is
// the dew temperature plus the superheat at the dew pressure of the evaporating temperature, the
// condenser exit the bubble temperature less the subcooling, and the evaporator inlet lies in
// the glide below the dew temperature.
TEST(Cycle, ABlendByItsDewAndBubblePoints) {
    TKXVapourCompressionInput in;
    in.EvaporatingT = 0;
    in.CondensingT = 45;
    in.Superheat = 5;
    in.Subcooling = 3;
    const TKXCycle cycle = ComputeVapourCompression(Fluid("R407C"), in);
    ASSERT_TRUE(cycle.Ok) << cycle.ErrorText;
    EXPECT_EQ(cycle.Point("1")->p, Direct("KX_R407C_FE", "PdewT", 0.0).Value);
    EXPECT_EQ(cycle.Point("3")->p, Direct("KX_R407C_FE", "PbubT", 45.0).Value);
    EXPECT_NEAR(cycle.Point("1")->T, 5.0, 1e-9);
    EXPECT_NEAR(cycle.Point("3")->T, 42.0, 1e-9);
    const TKXCyclePoint* inlet = cycle.Point("4");
    EXPECT_TRUE(inlet->HasX);
    EXPECT_LT(inlet->T, -1.0);  // R-407C glides by several kelvin
    EXPECT_GT(inlet->T, Direct("KX_R407C_FE", "TbubP", inlet->p).Value);
}

// On log p-h the path of a refrigeration cycle is closed, labels each state point where it lies,
// keeps the pressure along the condenser and evaporator and the enthalpy through the valve.
TEST(Cycle, PathOnTheChart) {
    TKXVapourCompressionInput in;
    in.EvaporatingT = -10;
    in.CondensingT = 40;
    in.Superheat = 5;
    in.IsentropicEff = 0.7;
    const TKXCycle cycle = ComputeVapourCompression(Fluid("R134a"), in);
    ASSERT_TRUE(cycle.Ok) << cycle.ErrorText;
    const TKXCyclePath path = CycleInDiagram(Fluid("R134a"), cycle, TKXDiagramKind::PH);
    ASSERT_EQ(path.Segments.size(), 1u);
    const std::vector<TKXPoint>& line = path.Segments.front();
    EXPECT_EQ(line.front().X, line.back().X);
    EXPECT_EQ(line.front().Y, line.back().Y);
    ASSERT_EQ(path.Labels.size(), cycle.Points.size());
    for (std::size_t i = 0; i < cycle.Points.size(); ++i) {
        EXPECT_EQ(path.Labels[i].first, cycle.Points[i].Label);
        EXPECT_EQ(path.Labels[i].second.X, cycle.Points[i].h);
        EXPECT_EQ(path.Labels[i].second.Y, cycle.Points[i].p);
    }
    const double high = cycle.Point("2")->p, low = cycle.Point("1")->p, valve = cycle.Point("3")->h;
    int condenser = 0, evaporator = 0, throttle = 0;
    for (const TKXPoint& p : line) {
        condenser += p.Y == high;
        evaporator += p.Y == low;
        throttle += p.X == valve && p.Y < high && p.Y > low;
    }
    EXPECT_GE(condenser, 20);
    EXPECT_GE(evaporator, 20);
    EXPECT_GE(throttle, 20);
}

TEST(Cycle, InputsTheFluidDoesNotAllowAreRefusedByName) {
    struct TCase {
        const char* Why;
        TKXCycle Cycle;
        const char* Names;
    };
    const auto compression = [](double evap, double cond, double eta) {
        TKXVapourCompressionInput in;
        in.EvaporatingT = evap;
        in.CondensingT = cond;
        in.IsentropicEff = eta;
        return in;
    };
    const TKXVapourCompressionInput reversed = compression(40, -10, 1);
    const TKXVapourCompressionInput badEta = compression(-10, 40, 1.2);
    const TKXVapourCompressionInput aboveCritical = compression(-10, 120, 1);
    TKXTranscriticalInput subcritical;
    subcritical.EvaporatingT = -5;
    subcritical.GasCoolerP = 60;
    subcritical.GasCoolerT = 35;
    TKXRankineInput wetLive;
    wetLive.BoilerP = 80;
    wetLive.LiveT = 250;
    wetLive.CondenserP = 0.1;
    TKXRankineInput reheatAbove = wetLive;
    reheatAbove.LiveT = 500;
    reheatAbove.ReheatP = 100;
    reheatAbove.ReheatT = 500;
    const TCase cases[] = {
        {"evaporating above condensing", ComputeVapourCompression(Fluid("R134a"), reversed),
         "evaporating temperature"},
        {"efficiency above 1", ComputeVapourCompression(Fluid("R134a"), badEta),
         "isentropic efficiency"},
        {"condensing above the critical point",
         ComputeVapourCompression(Fluid("R134a"), aboveCritical), "Condensing temperature"},
        {"gas cooler below the critical pressure", ComputeTranscritical(Fluid("CO2"), subcritical),
         "gas-cooler pressure"},
        {"live steam in the dome", ComputeRankine(Fluid("water"), wetLive), "live-steam"},
        {"reheat above the boiler", ComputeRankine(Fluid("water"), reheatAbove), "reheat pressure"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Why);
        EXPECT_FALSE(c.Cycle.Ok);
        EXPECT_TRUE(c.Cycle.Points.empty() && c.Cycle.Values.empty());
        EXPECT_NE(c.Cycle.ErrorText.find(c.Names), std::string::npos) << c.Cycle.ErrorText;
    }
}

}  // namespace
