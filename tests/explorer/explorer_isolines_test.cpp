// Isoline values: round 1-2-5 steps in the unit shown that follow the view, a set step or none
// per family, and a default view inside every library's equation that shows its working region.
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "KXDiagram.h"
#include "explorer_support.h"

using namespace kxexplorertest;

namespace {

constexpr TKXDiagramKind Kinds[] = {TKXDiagramKind::PH, TKXDiagramKind::TS, TKXDiagramKind::HS,
                                    TKXDiagramKind::PT};

// Every fluid library of the registry.
std::vector<std::string> EveryLibrary() {
    std::vector<std::string> names;
    for (int i = 0; i < Registry().Count(); ++i) {
        const std::string name = Registry().Library(i)->Library_Name;
        if (Fluid(name).Offers("HPT") && Fluid(name).Offers("Tc")) names.push_back(name);
    }
    return names;
}

// Round values of one family: equal 1-2-5 steps (1, 2, 5 times a power of ten) whose multiples
// they are or, on a logarithmic family, 1, 1.5, 2, 3, 5 or 7 times a power of ten.
bool Round(const std::vector<double>& v, bool logarithmic) {
    const auto power = [](double x) { return std::pow(10.0, std::floor(std::log10(x) + 1e-9)); };
    if (logarithmic) {
        bool all = true;
        for (double x : v) {
            const double m = x / power(x);
            bool any = false;
            for (double r : {1.0, 1.5, 2.0, 3.0, 5.0, 7.0}) any = any || std::fabs(m - r) < 1e-9;
            all = all && x > 0 && any;
        }
        if (all) return true;
    }
    if (v.size() < 2) return true;
    const double difference = v[1] - v[0], m = difference / power(difference);
    if (std::fabs(m - 1) > 1e-6 && std::fabs(m - 2) > 1e-6 && std::fabs(m - 5) > 1e-6) return false;
    const double step = std::round(m) * power(difference);
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (i > 0 && std::fabs(v[i] - v[i - 1] - step) > 1e-6 * step) return false;
        if (std::fabs(std::remainder(v[i], step)) > 1e-6 * step) return false;
    }
    return true;
}

// The values of a diagram's lines of one key, in the unit shown.
std::vector<double> Shown(const TKXDiagram& d, const std::string& key, const TKXUnitChoice& u) {
    std::vector<double> values;
    for (const TKXCurve& c : d.Curves) {
        if (c.Key != key || c.Kind == TKXCurveKind::SaturatedLiquid ||
            c.Kind == TKXCurveKind::SaturatedVapour)
            continue;
        double v = 0.0;
        EXPECT_TRUE(u.FromStandard(key, c.Value, v));
        values.push_back(v);
    }
    return values;
}

}  // namespace

TEST(IsolineValues, RoundStepsForTheRangeInView) {
    const struct {
        double Lo, Hi;
        bool Log;
        double Step;
        std::vector<double> Expected;
    } cases[] = {
        {0, 100, false, -1, {0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}},
        {-103.3,
         181.85,
         false,
         -1,
         {-100, -80, -60, -40, -20, 0, 20, 40, 60, 80, 100, 120, 140, 160, 180}},
        {150,
         182,
         false,
         -1,
         {150, 152, 154, 156, 158, 160, 162, 164, 166, 168, 170, 172, 174, 176, 178, 180, 182}},
        {0.71, 1.93, false, -1, {0.8, 0.9, 1, 1.1, 1.2, 1.3, 1.4, 1.5, 1.6, 1.7, 1.8, 1.9}},
        // Pressures over decades: 1-2-5 in each (the 0.1 bar condenser isobar among them), a
        // finer set over a decade or two, linear steps inside one decade.
        {0.0061,
         1000,
         true,
         -1,
         {0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1, 2, 5, 10, 20, 50, 100, 200, 500, 1000}},
        {1, 30, true, -1, {1, 1.5, 2, 3, 5, 7, 10, 15, 20, 30}},
        {10, 30, true, -1, {10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30}},
        {1e-4, 1e4, true, -1, {1e-4, 1e-3, 1e-2, 0.1, 1, 10, 100, 1000, 1e4}},
        // A step the user set; none; one too fine for a chart, widened to 2, 5, 10 times itself.
        {0, 20, false, 5, {0, 5, 10, 15, 20}},
        {-12, 12, false, 4, {-12, -8, -4, 0, 4, 8, 12}},
        {0, 100, false, 0, {}},
        {0, 100, false, 0.01, {0,  2,  4,  6,  8,  10, 12, 14, 16, 18, 20, 22, 24,
                               26, 28, 30, 32, 34, 36, 38, 40, 42, 44, 46, 48, 50,
                               52, 54, 56, 58, 60, 62, 64, 66, 68, 70, 72, 74, 76,
                               78, 80, 82, 84, 86, 88, 90, 92, 94, 96, 98, 100}},
        {5, 5, false, -1, {}},
    };
    for (const auto& c : cases) {
        const std::vector<double> v = IsolineValues(c.Lo, c.Hi, c.Log, c.Step);
        ASSERT_EQ(v.size(), c.Expected.size()) << c.Lo << " " << c.Hi;
        // Exactly the double of the decimal number: the label prints it as written.
        for (std::size_t i = 0; i < v.size(); ++i) EXPECT_EQ(v[i], c.Expected[i]) << i;
    }
}

TEST(IsolineValues, AReadableCountOfRoundValuesAtEveryScale) {
    // A step far too fine for the range is widened in 1-2-5 multiples to at most 60 lines.
    const std::vector<double> fine = IsolineValues(-1e5, 1e5, false, 1e-300);
    EXPECT_EQ(fine.size(), 41u);
    EXPECT_TRUE(Round(fine, false));
    // Ranges of every width and place, as zooming and panning make them.
    for (double lo = -500; lo < 500; lo += 37.3)
        for (double width : {0.013, 0.7, 3.1, 42.0, 180.0, 777.0, 5100.0})
            for (bool log : {false, true}) {
                const double a = log ? std::fabs(lo) / 100 + 1e-3 : lo, b = a + width;
                const std::vector<double> v = IsolineValues(a, b, log);
                ASSERT_GE(v.size(), 6u) << a << " " << b;
                ASSERT_LE(v.size(), 18u) << a << " " << b;
                for (double x : v) {
                    const double slack = 1e-9 * (std::fabs(a) + std::fabs(b));
                    EXPECT_TRUE(x >= a - slack && x <= b + slack) << x << " in " << a << " " << b;
                }
                EXPECT_TRUE(Round(v, log)) << a << " " << b;
            }
}

// On every library's four charts, in SI and engineering units, at the default view and zoomed
// in: every family's values are round in the unit shown, and there are enough of them.
TEST(IsolineValues, EveryChartIsRoundInTheUnitsShown) {
    const TPropertyList catalogue;
    for (const std::string& lib : EveryLibrary())
        for (TKXDiagramKind kind : Kinds)
            for (int system : {0, 1}) {
                const TKXUnitChoice units(catalogue, system);
                TKXDiagramOptions options;
                options.Units = &units;
                options.PointsPerLine = 20;
                const TKXFluidFunctions fluid = Fluid(lib);
                const TKXDiagram home = ComputeDiagram(fluid, kind, options);
                // A quarter of the view about its middle (in log p on a pressure axis).
                const double cx = 0.5 * (home.HomeMin.X + home.HomeMax.X);
                const double wx = 0.125 * (home.HomeMax.X - home.HomeMin.X);
                const double cy = home.LogY ? std::sqrt(home.HomeMin.Y * home.HomeMax.Y)
                                            : 0.5 * (home.HomeMin.Y + home.HomeMax.Y);
                const double ry = home.LogY ? std::pow(home.HomeMax.Y / home.HomeMin.Y, 0.125)
                                            : 0.125 * (home.HomeMax.Y - home.HomeMin.Y);
                options.RangeX = std::pair{cx - wx, cx + wx};
                options.RangeY =
                    home.LogY ? std::pair{cy / ry, cy * ry} : std::pair{cy - ry, cy + ry};
                const TKXDiagram zoomed = ComputeDiagram(fluid, kind, options);
                for (const TKXDiagram* d : {&home, &zoomed})
                    for (const std::string& key : IsolineFamilies(kind)) {
                        const std::vector<double> v = Shown(*d, key, units);
                        const std::string where = lib + " " + DiagramKindKey(kind) + " " + key +
                                                  (d == &home ? " home" : " zoomed") +
                                                  (system ? " engineering" : " SI");
                        EXPECT_TRUE(Round(v, key == "p" || key == "rho")) << where;
                        // The families that span the view; the vapour fraction only where the
                        // dome is in view.
                        if (key != "x" && d == &home) {
                            EXPECT_GE(v.size(), 5u) << where;
                        }
                        EXPECT_LE(v.size(), 18u) << where;
                    }
            }
}

TEST(IsolineValues, ZoomingRefinesTheSteps) {
    // R134a at 1 to 30 bar and 150 to 450 kJ/kg: isotherms every 10 K, isentropes every 0.1
    // kJ/kgK, where the whole chart has every 20 K and 0.2 kJ/kgK.
    const TPropertyList catalogue;
    const TKXUnitChoice units(catalogue, 0);
    TKXDiagramOptions options;
    options.Units = &units;
    options.PointsPerLine = 40;
    const TKXFluidFunctions r134a = Fluid("KX_R134a_FE");
    const TKXDiagram home = ComputeDiagram(r134a, TKXDiagramKind::PH, options);
    options.RangeX = std::pair{150.0, 450.0};
    options.RangeY = std::pair{1.0, 30.0};
    const TKXDiagram zoomed = ComputeDiagram(r134a, TKXDiagramKind::PH, options);
    const auto step = [&units](const TKXDiagram& d, const char* key) {
        const std::vector<double> v = Shown(d, key, units);
        return v.size() < 2 ? 0.0 : v[1] - v[0];
    };
    EXPECT_NEAR(step(home, "T"), 20, 1e-9);
    EXPECT_NEAR(step(zoomed, "T"), 10, 1e-9);
    EXPECT_NEAR(step(home, "s"), 0.2, 1e-9);
    EXPECT_NEAR(step(zoomed, "s"), 0.1, 1e-9);
    EXPECT_GE(Shown(zoomed, "T", units).size(), 8u);
    EXPECT_EQ(zoomed.Min.X, 150.0);
    EXPECT_EQ(zoomed.Max.Y, 30.0);
    // Water's h-s chart has the condenser's 0.1 bar isobar.
    const TKXDiagram water = ComputeDiagram(Fluid("KX_WS_IF97"), TKXDiagramKind::HS, 40);
    const std::vector<double> isobars = Shown(water, "p", units);
    EXPECT_NE(std::find(isobars.begin(), isobars.end(), 0.1), isobars.end());
}

TEST(IsolineValues, AStepPerFamilyOrNone) {
    const TPropertyList catalogue;
    const TKXUnitChoice units(catalogue, 1);  // °F, psia, BTU/lb
    TKXDiagramOptions options;
    options.Units = &units;
    options.PointsPerLine = 30;
    options.Steps = {{"T", 25.0}, {"s", 0.0}, {"rho", 0.0}, {"x", 0.25}};
    const TKXDiagram d = ComputeDiagram(Fluid("KX_R134a_FE"), TKXDiagramKind::PH, options);
    const std::vector<double> t = Shown(d, "T", units);
    ASSERT_GE(t.size(), 5u);
    for (std::size_t i = 0; i < t.size(); ++i) {
        EXPECT_NEAR(std::remainder(t[i], 25.0), 0.0, 1e-9) << t[i];
        if (i > 0) {
            EXPECT_NEAR(t[i] - t[i - 1], 25.0, 1e-9);
        }
    }
    EXPECT_TRUE(Shown(d, "s", units).empty());
    EXPECT_TRUE(Shown(d, "rho", units).empty());
    EXPECT_EQ(Shown(d, "x", units), (std::vector<double>{0.25, 0.5, 0.75}));
}

// The default view: from the triple point to 1.5 times the critical temperature and 2.5 times
// the critical pressure (water: the steam tables' 800 °C and 1000 bar), never beyond the
// equation; the dome and its critical point inside it.
TEST(DefaultView, EveryLibraryWithinItsEquation) {
    for (const std::string& lib : EveryLibrary()) {
        const TKXFluidFunctions fluid = Fluid(lib);
        const TKXLibraryInfo& info = fluid.Info();
        const bool water = info.Kind == TKXLibraryKind::WaterIF97;
        const double tc = Direct(lib, "Tc").Value, pc = Direct(lib, "Pc").Value;
        const double tt = Direct(lib, "Tt").Value;
        const double pt = std::max(Direct(lib, "PsatT", tt).Value, 0.0);
        // What the equation covers, through its (p, T) functions on a grid of its range.
        std::map<std::string, std::pair<double, double>> span;
        for (int i = 0; i <= 30; ++i)
            for (int j = 0; j <= 30; ++j) {
                const double t = std::min(
                    info.MaxTemperature,
                    info.MinTemperature + (info.MaxTemperature - info.MinTemperature) * i / 30);
                const double p = pt * std::pow(info.MaxPressure / pt, j / 30.0);
                for (const char* fn : {"HPT", "SPT"}) {
                    const TDirect r = Direct(lib, fn, p, t);
                    if (r.Code != 0) continue;
                    auto& s =
                        span.try_emplace(fn[0] == 'H' ? "h" : "s", r.Value, r.Value).first->second;
                    s = {std::min(s.first, r.Value), std::max(s.second, r.Value)};
                }
            }
        span["T"] = {info.MinTemperature, info.MaxTemperature};
        span["p"] = {0.0, info.MaxPressure};
        for (TKXDiagramKind kind : Kinds) {
            const TKXDiagram d = ComputeDiagram(fluid, kind, 20);
            const std::string where = lib + " " + DiagramKindKey(kind);
            for (const auto& [key, lo, hi] : {std::tuple{d.XKey, d.HomeMin.X, d.HomeMax.X},
                                              std::tuple{d.YKey, d.HomeMin.Y, d.HomeMax.Y}}) {
                ASSERT_LT(lo, hi) << where;
                const auto [a, b] = span.at(key);
                // T and p within the equation; h and s within what it gives, and a margin of
                // 3 % of the axis around the region.
                const double margin = key == "h" || key == "s" ? 0.05 * (hi - lo) : 0.0;
                EXPECT_GE(lo, a - margin) << where << " " << key;
                EXPECT_LE(hi, b + margin) << where << " " << key;
                if (key == "p") {
                    EXPECT_LE(hi, water ? 1000.0 : 3.0 * pc) << where;
                    EXPECT_GE(hi, std::min(2.0 * pc, info.MaxPressure)) << where;
                }
                if (key == "T") {
                    EXPECT_LE(hi + 273.15, water ? 1073.15 : 1.5 * (tc + 273.15) + 1e-6) << where;
                    EXPECT_LE(lo, std::max(tt, info.MinTemperature) + 1e-9) << where;
                }
            }
            // The critical point is in view.
            ASSERT_TRUE(d.Critical.has_value()) << where;
            EXPECT_TRUE(d.Critical->X > d.HomeMin.X && d.Critical->X < d.HomeMax.X &&
                        d.Critical->Y > d.HomeMin.Y && d.Critical->Y < d.HomeMax.Y)
                << where;
        }
    }
}
