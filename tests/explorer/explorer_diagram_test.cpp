// Diagram curves: the dome is the saturation functions, isolines are states the library answers,
// lines cross the dome horizontally where they must, a clicked point leads back to its state.
#include <cmath>

#include "KXDiagram.h"
#include "explorer_support.h"

using namespace kxexplorertest;

namespace {

const TKXCurve* First(const TKXDiagram& d, TKXCurveKind kind) {
    for (const TKXCurve& c : d.Curves)
        if (c.Kind == kind) return &c;
    return nullptr;
}

class DiagramsOfEveryLibrary : public testing::TestWithParam<const char*> {};

TEST_P(DiagramsOfEveryLibrary, TheDomeIsTheSaturationFunctions) {
    const std::string lib = GetParam();
    const TKXDiagram ts = ComputeDiagram(Fluid(lib), TKXDiagramKind::TS, 60);
    for (const auto& [kind, x] : {std::pair{TKXCurveKind::SaturatedLiquid, 0.0},
                                  std::pair{TKXCurveKind::SaturatedVapour, 1.0}}) {
        const TKXCurve* dome = First(ts, kind);
        ASSERT_NE(dome, nullptr);
        EXPECT_GE(dome->PointCount(), 50u);
        for (const auto& segment : dome->Segments)
            for (const TKXPoint& p : segment) EXPECT_EQ(p.X, Direct(lib, "STX", p.Y, x).Value);
    }
    const TKXDiagram pt = ComputeDiagram(Fluid(lib), TKXDiagramKind::PT, 60);
    const TKXCurve* curve = First(pt, TKXCurveKind::VapourPressure);
    ASSERT_NE(curve, nullptr);
    for (const auto& segment : curve->Segments)
        for (const TKXPoint& p : segment) EXPECT_EQ(p.Y, Direct(lib, "PsatT", p.X).Value);
    // From the triple point to the critical point.
    EXPECT_EQ(curve->Segments.front().front().X, Direct(lib, "Tt").Value);
    ASSERT_TRUE(pt.Critical.has_value());
    EXPECT_EQ(pt.Critical->X, Direct(lib, "Tc").Value);
}

TEST_P(DiagramsOfEveryLibrary, IsothermsOnPHAreAnsweredStatesAndFlatInTheDome) {
    const std::string lib = GetParam();
    const TKXDiagram ph = ComputeDiagram(Fluid(lib), TKXDiagramKind::PH, 60);
    EXPECT_TRUE(ph.LogY);
    const double tc = Direct(lib, "Tc").Value;
    int flat = 0, isotherms = 0;
    for (const TKXCurve& c : ph.Curves) {
        if (c.Kind != TKXCurveKind::Isotherm) continue;
        ++isotherms;
        const double t = c.Value;
        const double h1 = Direct(lib, "HTX", t, 1.0).Value, h0 = Direct(lib, "HTX", t, 0.0).Value;
        for (const auto& segment : c.Segments) {
            for (std::size_t i = 0; i < segment.size(); ++i) {
                const TKXPoint& p = segment[i];
                ASSERT_TRUE(std::isfinite(p.X) && p.Y > 0);
                const TDirect h = Direct(lib, "HPT", p.Y, t);
                const bool onDome = t < tc && p.Y == Direct(lib, "PsatT", t).Value;
                if (!onDome) {
                    EXPECT_EQ(h.Code, 0) << t << " " << p.Y;
                    EXPECT_EQ(p.X, h.Value);
                }
                // Inside the dome the isotherm is the isobar at psat: one horizontal step from
                // the saturated vapour to the saturated liquid.
                if (onDome && i + 1 < segment.size() && segment[i + 1].Y == p.Y) {
                    EXPECT_EQ(p.X, h1);
                    EXPECT_EQ(segment[i + 1].X, h0);
                    ++flat;
                }
            }
        }
    }
    EXPECT_GE(isotherms, 5);
    EXPECT_GE(flat, 1);
}

TEST_P(DiagramsOfEveryLibrary, IsobarsOnTSAreFlatInTheDome) {
    const std::string lib = GetParam();
    const TKXDiagram ts = ComputeDiagram(Fluid(lib), TKXDiagramKind::TS, 60);
    const double pc = Direct(lib, "Pc").Value;
    int flat = 0;
    for (const TKXCurve& c : ts.Curves) {
        if (c.Kind != TKXCurveKind::Isobar || c.Value >= pc) continue;
        const TDirect tsat = Direct(lib, "TsatP", c.Value);
        if (tsat.Code != 0) continue;
        for (const auto& segment : c.Segments)
            for (std::size_t i = 0; i + 1 < segment.size(); ++i)
                if (segment[i].Y == tsat.Value && segment[i + 1].Y == tsat.Value) {
                    EXPECT_EQ(segment[i].X, Direct(lib, "SPX", c.Value, 0.0).Value);
                    EXPECT_EQ(segment[i + 1].X, Direct(lib, "SPX", c.Value, 1.0).Value);
                    ++flat;
                }
    }
    EXPECT_GE(flat, 1);
}

TEST_P(DiagramsOfEveryLibrary, AClickedPointLeadsBackToItsState) {
    const std::string lib = GetParam();
    const TKXFluidFunctions fluid = Fluid(lib);
    const double tt = Direct(lib, "Tt").Value, tc = Direct(lib, "Tc").Value;
    const double t = tt + 0.7 * (tc - tt);
    const double p = 0.3 * Direct(lib, "PsatT", t).Value;  // a vapour
    const double h = Direct(lib, "HPT", p, t).Value, s = Direct(lib, "SPT", p, t).Value;
    const double tm = tt + 0.5 * (tc - tt);
    const double sm = Direct(lib, "STX", tm, 0.4).Value;  // inside the dome
    const struct {
        TKXDiagramKind Kind;
        TKXPoint Point;
    } cases[] = {{TKXDiagramKind::PH, {h, p}},
                 {TKXDiagramKind::TS, {s, t}},
                 {TKXDiagramKind::HS, {s, h}},
                 {TKXDiagramKind::PT, {t, p}},
                 {TKXDiagramKind::TS, {sm, tm}}};
    for (const auto& c : cases) {
        const auto input = StateAtPoint(fluid, c.Kind, c.Point);
        ASSERT_TRUE(input.has_value()) << DiagramKindKey(c.Kind);
        const TKXState state = ComputeState(fluid, input->Pair, input->X1, input->X2);
        ASSERT_TRUE(state.Ok) << state.ErrorText;
        const auto back = StateInDiagram(state, c.Kind);
        ASSERT_TRUE(back.has_value());
        EXPECT_NEAR(back->X, c.Point.X, 1e-6 * std::max(1.0, std::fabs(c.Point.X)))
            << DiagramKindKey(c.Kind);
        EXPECT_NEAR(back->Y, c.Point.Y, 1e-6 * std::max(1.0, std::fabs(c.Point.Y)))
            << DiagramKindKey(c.Kind);
    }
}

INSTANTIATE_TEST_SUITE_P(Libraries, DiagramsOfEveryLibrary, testing::ValuesIn(AllLibraries));

// A blend's isotherm crosses the dome from its dew to its bubble point through the two-phase
// states of its temperature (rising pressure, PTX), and its dome's vapour line is the dew line.
class BlendDiagrams : public testing::TestWithParam<const char*> {};

TEST_P(BlendDiagrams, IsothermsClimbThroughTheDome) {
    const std::string lib = GetParam();
    const TKXDiagram ph = ComputeDiagram(Fluid(lib), TKXDiagramKind::PH, 60);
    int sloped = 0, dewPoints = 0;
    for (const TKXCurve& c : ph.Curves) {
        if (c.Kind == TKXCurveKind::SaturatedVapour)
            for (const auto& segment : c.Segments)
                for (const TKXPoint& p : segment) {
                    const TDirect h = Direct(lib, "HPX", p.Y, 1.0);  // the dew state at p
                    if (h.Code != 0) continue;  // below the bubble line's lowest pressure
                    EXPECT_NEAR(p.X, h.Value, 1e-6 * std::fabs(h.Value) + 1e-9);
                    ++dewPoints;
                }
        if (c.Kind != TKXCurveKind::Isotherm) continue;
        const double t = c.Value;
        const TDirect bubble = Direct(lib, "PbubT", t), dew = Direct(lib, "PdewT", t);
        if (bubble.Code != 0 || dew.Code != 0) continue;
        for (const auto& segment : c.Segments)
            for (const TKXPoint& p : segment)
                if (p.Y > dew.Value * (1 + 1e-9) && p.Y < bubble.Value * (1 - 1e-9)) {
                    ++sloped;
                    // A two-phase state of this temperature: the flash gives t back.
                    EXPECT_NEAR(Direct(lib, "TPH", p.Y, p.X).Value, t, 1e-6);
                }
    }
    EXPECT_GE(sloped, 10);
    EXPECT_GE(dewPoints, 10);
    // A mixture's lines end a few kelvin below its critical point, which no library function
    // gives: the dome stays open, with no critical point drawn.
    const bool mixture = lib.ends_with("_MIX");
    EXPECT_EQ(ph.Critical.has_value(), !mixture);
}

INSTANTIATE_TEST_SUITE_P(Blends, BlendDiagrams,
                         testing::Values("KX_R410A_FE", "KX_R404A_FE", "KX_R407C_FE", "KX_R507A_FE",
                                         "KX_R454B_MIX", "KX_R448A_MIX"));

// The default view is the working region, not the whole equation: the lines are chosen for it
// and cross it, while their ends beyond it are clipped when drawn.
TEST(Diagrams, EveryKindHasItsLinesAcrossItsView) {
    const TKXFluidFunctions water = Fluid("KX_WS_IF97");
    for (TKXDiagramKind kind :
         {TKXDiagramKind::PH, TKXDiagramKind::TS, TKXDiagramKind::HS, TKXDiagramKind::PT}) {
        const TKXDiagram d = ComputeDiagram(water, kind);
        std::size_t points = 0, crossing = 0;
        for (const TKXCurve& c : d.Curves) {
            bool inside = false;
            for (const auto& s : c.Segments)
                for (const TKXPoint& p : s)
                    if (p.X >= d.Min.X && p.X <= d.Max.X && p.Y >= d.Min.Y && p.Y <= d.Max.Y) {
                        ++points;
                        inside = true;
                    }
            crossing += inside;
        }
        EXPECT_GT(points, 100u) << DiagramKindKey(kind);
        if (kind != TKXDiagramKind::PT) {
            EXPECT_GE(crossing, 20u) << DiagramKindKey(kind);
            EXPECT_GE(crossing, d.Curves.size() * 9 / 10) << DiagramKindKey(kind);
        }
    }
    // Isochores on p-h only.
    EXPECT_NE(First(ComputeDiagram(water, TKXDiagramKind::PH), TKXCurveKind::Isochore), nullptr);
    EXPECT_EQ(First(ComputeDiagram(water, TKXDiagramKind::TS), TKXCurveKind::Isochore), nullptr);
}

}  // namespace
