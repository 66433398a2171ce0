// The humid-air state and the psychrometric chart against the library functions called directly
// through the registry: every point of every chart line has the line's value when the library is
// asked there, and a state from any humidity input is the same state.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "KXPsychroChart.h"
#include "explorer_support.h"

namespace {

using kxexplorertest::Registry;

// library + "_" + shortName with up to three arguments, through the registry's address.
kxexplorertest::TDirect Direct3(const std::string& library, const std::string& shortName, double x1,
                                double x2 = 0, double x3 = 0) {
    int l = -1, f = -1;
    if (!Registry().FindFunction(library + "_" + shortName, l, f))
        ADD_FAILURE() << library << "_" << shortName << " is not registered";
    char text[256] = "";
    int32_t code = 0;
    const double args[3] = {x1, x2, x3};
    const double v = KXCallFunction(Registry().GetFunctionPtr(l, f), args, text, 255, &code);
    return {v, code, text};
}

TKXHumidAirFunctions Air(const std::string& library) {
    return TKXHumidAirFunctions(Registry(), FindLibraryIndex(Registry(), library));
}

struct TChartCase {
    const char* Library;
    double P;
    int UnitSystem;  // the lines' round values in this system's units; -1: standard units
};

class PsychroChartTest : public ::testing::TestWithParam<TChartCase> {};

// Each line's points answer the line's value: W = WsPT on the saturation curve, RPTW on a
// relative-humidity curve, HPTW on an enthalpy line, TwbPTW on a wet-bulb line, VPTW on a volume
// line; every point lies in the chart's box, and a line that ends inside the box ends on the
// saturation curve.
TEST_P(PsychroChartTest, LinesAgreeWithTheLibrary) {
    const TChartCase c = GetParam();
    const TPropertyList catalogue;
    const TKXUnitChoice units(catalogue, std::max(c.UnitSystem, 0));
    const TKXPsychroChart chart =
        ComputePsychroChart(Air(c.Library), c.P, c.UnitSystem < 0 ? nullptr : &units);
    ASSERT_TRUE(chart.Ok()) << chart.Error;
    EXPECT_EQ(chart.Pressure, c.P);
    int counts[5] = {};
    for (const TKXPsychroLine& line : chart.Lines) {
        ++counts[static_cast<int>(line.Kind)];
        ASSERT_GE(line.Points.size(), 2u);
        const char* function = nullptr;
        double tolerance = 1e-9;
        switch (line.Kind) {
            case TKXPsychroLineKind::Saturation:
                break;
            case TKXPsychroLineKind::RelativeHumidity:
                function = "RPTW";
                break;
            case TKXPsychroLineKind::Enthalpy:
                function = "HPTW";
                break;
            case TKXPsychroLineKind::WetBulb:
                function = "TwbPTW";
                tolerance = 1e-7;  // the library's own wet-bulb iteration
                break;
            case TKXPsychroLineKind::Volume:
                function = "VPTW";
                break;
        }
        for (const TKXPoint& q : line.Points) {
            SCOPED_TRACE(line.Key + "=" + std::to_string(line.Value) +
                         " at T=" + std::to_string(q.X) + " W=" + std::to_string(q.Y));
            EXPECT_GE(q.X, chart.Min.X - 1e-9);
            EXPECT_LE(q.X, chart.Max.X + 1e-9);
            EXPECT_GE(q.Y, -1e-15);
            EXPECT_LE(q.Y, chart.Max.Y + 1e-12);
            if (!function) {
                const auto ws = Direct3(c.Library, "WsPT", c.P, q.X);
                ASSERT_EQ(ws.Code, 0) << ws.Text;
                EXPECT_DOUBLE_EQ(q.Y, ws.Value);
                continue;
            }
            if (line.Kind == TKXPsychroLineKind::WetBulb) {
                // The line is drawn by W from the wet bulb; at exactly 0 °C the condensate may be
                // water or ice, and the inverse may take the other side.
                EXPECT_DOUBLE_EQ(q.Y, Direct3(c.Library, "WPTTwb", c.P, q.X, line.Value).Value);
                if (line.Value == 0.0) continue;
            }
            const auto a = Direct3(c.Library, function, c.P, q.X, q.Y);
            ASSERT_EQ(a.Code, 0) << a.Text;
            EXPECT_NEAR(a.Value, line.Value, tolerance * (1.0 + std::fabs(line.Value)));
        }
        // The upper end of an enthalpy or volume line: on the saturation curve, or on an edge.
        if (line.Kind == TKXPsychroLineKind::Enthalpy || line.Kind == TKXPsychroLineKind::Volume) {
            const TKXPoint end = line.Points.back();
            const bool onEdge =
                std::fabs(end.Y - chart.Max.Y) < 1e-9 || std::fabs(end.X - chart.Min.X) < 1e-6;
            const auto rh = Direct3(c.Library, "RPTW", c.P, end.X, end.Y);
            ASSERT_EQ(rh.Code, 0) << rh.Text;
            EXPECT_TRUE(onEdge || std::fabs(rh.Value - 1.0) < 1e-6)
                << line.Key << "=" << line.Value << " ends at RH " << rh.Value;
        }
    }
    // Each family's values: whole multiples of one step in the units shown, none missing, from
    // the box's lower left corner (dry air at the lowest temperature) to its upper right (the
    // highest temperature, at the top or on the saturation curve).
    const double wsRight = Direct3(c.Library, "WsPT", c.P, chart.Max.X).Value;
    const double wTopRight = std::min(chart.Max.Y, wsRight);
    const struct {
        TKXPsychroLineKind Kind;
        const char* Key;  // of the unit
        const char* Forward;
    } families[] = {{TKXPsychroLineKind::Enthalpy, "h", "HPTW"},
                    {TKXPsychroLineKind::WetBulb, "T", nullptr},
                    {TKXPsychroLineKind::Volume, "v", "VPTW"}};
    const auto shownOf = [&](const char* key, double standard) {
        double v = standard;
        if (c.UnitSystem >= 0) {
            EXPECT_TRUE(units.FromStandard(key, standard, v));
        }
        return v;
    };
    for (const auto& family : families) {
        std::vector<double> shown;
        for (const TKXPsychroLine& line : chart.Lines)
            if (line.Kind == family.Kind) shown.push_back(shownOf(family.Key, line.Value));
        ASSERT_GE(shown.size(), 2u);
        const double step = shown[1] - shown[0];
        for (std::size_t i = 0; i < shown.size(); ++i) {
            EXPECT_NEAR(shown[i] / step, std::round(shown[i] / step), 1e-6) << family.Key;
            EXPECT_NEAR(shown[i] - shown[0], i * step, 1e-6 * step) << family.Key << " missing";
        }
        if (!family.Forward) continue;
        const double lowest =
            shownOf(family.Key, Direct3(c.Library, family.Forward, c.P, chart.Min.X, 0.0).Value);
        const double highest = shownOf(
            family.Key, Direct3(c.Library, family.Forward, c.P, chart.Max.X, wTopRight).Value);
        EXPECT_LT(shown.front() - step, lowest) << family.Key;
        EXPECT_GT(shown.back() + step, highest) << family.Key;
    }
    EXPECT_EQ(counts[int(TKXPsychroLineKind::Saturation)], 1);
    EXPECT_EQ(counts[int(TKXPsychroLineKind::RelativeHumidity)], 9);
    for (auto kind :
         {TKXPsychroLineKind::Enthalpy, TKXPsychroLineKind::WetBulb, TKXPsychroLineKind::Volume})
        EXPECT_GE(counts[int(kind)], 6) << "line kind " << int(kind);
}

INSTANTIATE_TEST_SUITE_P(Charts, PsychroChartTest,
                         ::testing::Values(TChartCase{"KX_HA_RP1485", 1.01325, -1},
                                           TChartCase{"KX_HA_RP1485", 0.8, 0},
                                           TChartCase{"KX_HA_IDEAL", 1.01325, 1},
                                           TChartCase{"KX_HA_RP1485", 1.2, 1}));

TEST(PsychroChart, PressureOutsideTheRangeGivesTheLibrarysText) {
    const TKXPsychroChart chart = ComputePsychroChart(Air("KX_HA_RP1485"), 0.01);
    EXPECT_FALSE(chart.Ok());
    EXPECT_TRUE(chart.Lines.empty());
    EXPECT_EQ(chart.Error, Direct3("KX_HA_RP1485", "RPTW", 0.01, 50.0, 0.0).Text);
}

// A state from each humidity input: the same humidity ratio, and every row the library's
// answer at (p, T, W).
TEST(HumidAirState, EveryInputGivesTheSameState) {
    for (const char* library : {"KX_HA_RP1485", "KX_HA_IDEAL"}) {
        SCOPED_TRACE(library);
        const TKXHumidAirFunctions air = Air(library);
        const double p = 0.95, t = 30.0;
        const double w = Direct3(library, "WPTR", p, t, 0.4).Value;
        const TKXState byRh = ComputeHumidAirState(air, TKXHumidInput::RH, p, t, 0.4);
        ASSERT_TRUE(byRh.Ok) << byRh.ErrorText;
        for (const char* input : {"W", "Td", "Twb"}) {
            const TKXHumidInputInfo* info = FindHumidInput(input);
            ASSERT_NE(info, nullptr);
            const TKXStateRow* row = byRh.Row(input);
            ASSERT_TRUE(row && row->Mixture.HasValue) << input;
            const TKXState other = ComputeHumidAirState(air, info->Input, p, t, row->Mixture.Value);
            ASSERT_TRUE(other.Ok) << other.ErrorText;
            EXPECT_NEAR(other.Row("W")->Mixture.Value, w, 1e-9 * w) << input;
            EXPECT_NEAR(other.Row("RH")->Mixture.Value, 0.4, 1e-8) << input;
        }
        for (const TKXStateRow& r : byRh.Rows) {
            const std::string key = r.Property.Key;
            ASSERT_TRUE(r.Mixture.HasValue) << key << ": " << r.Mixture.Text;
            if (*r.Property.FromPT == '\0') continue;
            const auto direct = key == "Td" ? Direct3(library, "TdPW", p, w)
                                            : Direct3(library, r.Property.FromPT, p, t, w);
            EXPECT_NEAR(r.Mixture.Value, direct.Value, 1e-12 * std::fabs(direct.Value)) << key;
        }
        // The ideal-gas library offers no entropy or transport: no rows for them.
        EXPECT_EQ(byRh.Row("s") != nullptr, std::string(library) == "KX_HA_RP1485");
    }
}

// Relative humidity above 1, a humidity ratio above saturation, a dew point or a wet bulb above
// the dry bulb: no state, the library's text.
TEST(HumidAirState, WrongInputsGiveTheLibrarysText) {
    const struct {
        TKXHumidInput Input;
        const char* Function;
        double X;
    } cases[] = {{TKXHumidInput::RH, "WPTR", 1.2},
                 {TKXHumidInput::W, "RPTW", 0.05},
                 {TKXHumidInput::Td, "WPTTd", 30.0},
                 {TKXHumidInput::Twb, "WPTTwb", 26.0}};
    for (const auto& c : cases) {
        const TKXState s =
            ComputeHumidAirState(Air("KX_HA_RP1485"), c.Input, KXStandardPressure, 25.0, c.X);
        EXPECT_FALSE(s.Ok) << c.Function;
        EXPECT_TRUE(s.Rows.empty());
        const auto direct = Direct3("KX_HA_RP1485", c.Function, KXStandardPressure, 25.0, c.X);
        EXPECT_NE(direct.Code, 0);
        EXPECT_EQ(s.ErrorText, direct.Text);
        EXPECT_FALSE(HumidStateInChart(s).has_value());
    }
}

}  // namespace
