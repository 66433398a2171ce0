// The explorer reads what a library states about itself: input pairs, range, reference state,
// kind and transport come from the library's information, never from probing its functions.
#include <algorithm>

#include "KXDiagram.h"
#include "KXExplorerState.h"
#include "explorer_support.h"

using namespace kxexplorertest;

namespace {

std::vector<std::string> PairKeys(const TKXFluidFunctions& f) {
    std::vector<std::string> keys;
    for (const TKXPairInfo& p : OfferedInputPairs(f)) keys.push_back(p.Key);
    return keys;
}

// The largest temperature of the isobars (T-s) and pressure of the isotherms (log p-h) in a view
// of everything the library states it covers: from its lowest to its largest temperature or
// pressure, and entropies and enthalpies far beyond its default view.
struct TReach {
    double T = -1e300, IsobarValue = -1e300, P = -1e300;
};

TKXDiagram WholeRange(const TKXFluidFunctions& f, TKXDiagramKind kind) {
    const TKXDiagram home = ComputeDiagram(f, kind, 20);
    const TKXLibraryInfo& info = f.Info();
    TKXDiagramOptions options;
    options.PointsPerLine = 20;
    const double w = home.HomeMax.X - home.HomeMin.X;
    options.RangeX = std::pair{home.HomeMin.X - 20 * w, home.HomeMax.X + 20 * w};
    options.RangeY = kind == TKXDiagramKind::TS
                         ? std::pair{info.MinTemperature, info.MaxTemperature}
                         : std::pair{home.HomeMin.Y, info.MaxPressure};
    return ComputeDiagram(f, kind, options);
}

TReach ReachOf(const TKXFluidFunctions& f) {
    TReach r;
    for (const TKXCurve& c : WholeRange(f, TKXDiagramKind::TS).Curves) {
        if (c.Kind != TKXCurveKind::Isobar) continue;
        r.IsobarValue = std::max(r.IsobarValue, c.Value);
        for (const auto& segment : c.Segments)
            for (const TKXPoint& p : segment) r.T = std::max(r.T, p.Y);
    }
    for (const TKXCurve& c : WholeRange(f, TKXDiagramKind::PH).Curves)
        if (c.Kind == TKXCurveKind::Isotherm)
            for (const auto& segment : c.Segments)
                for (const TKXPoint& p : segment) r.P = std::max(r.P, p.Y);
    return r;
}

TEST(LibraryInformation, EveryLibraryShowsWhatItsInformationStates) {
    const TKXLibraries& registry = Registry();
    ASSERT_GT(registry.Count(), 0);
    for (int l = 0; l < registry.Count(); ++l) {
        const TKXLibraryInfo& info = registry.Library(l)->Info;
        const TKXFluidFunctions f(registry, l);
        SCOPED_TRACE(f.LibraryName());
        EXPECT_EQ(PairKeys(f), info.InputPairs);
        // Humid air offers no pairs of a fluid, so the explorer has no state or diagram of it.
        if (info.Kind == TKXLibraryKind::HumidAir) {
            EXPECT_TRUE(info.InputPairs.empty());
            continue;
        }
        EXPECT_EQ(ReferenceStateNote(f), "Reference state: " + info.ReferenceState + ".");
        for (const char* transport : {"DVPT", "KVPT", "TCPT", "PrPT"})
            EXPECT_EQ(f.Offers(transport), info.HasTransport) << transport;
        // The explorer draws no diagram of a mixture yet (no saturated states to draw from).
        if (info.Kind == TKXLibraryKind::Mixture) continue;
        // A view of the stated range is drawn to its ends: isobars up to the largest
        // temperature, isotherms up to the largest pressure, no isobar beyond it.
        const TReach reach = ReachOf(f);
        EXPECT_EQ(reach.T, info.MaxTemperature);
        EXPECT_EQ(reach.P, info.MaxPressure);
        EXPECT_LT(reach.IsobarValue, info.MaxPressure);
    }
}

// The same functions under a stated range narrower than the one they answer in: the diagram
// keeps to the statement. A library's name decides nothing: an IF97 library under another name
// still labels its regions.
TEST(LibraryInformation, TheStatementDecidesNotTheFunctionsNorTheName) {
    const TKXLibrary& r134a = *Registry().Library(Registry().FindLibrary("KX_R134a_FE"));
    const TKXLibrary& water = *Registry().Library(Registry().FindLibrary("KX_WS_IF97"));
    TKXLibraries registry;
    TKXLibrary& narrow = CopyLibrary(r134a, "KX_NARROW", registry);
    narrow.Info.MaxTemperature = r134a.Info.CriticalTemperature + 40.0;
    narrow.Info.MaxPressure = 3.0 * r134a.Info.CriticalPressure;
    CopyLibrary(water, "KX_STEAM", registry);
    const TReach reach = ReachOf(TKXFluidFunctions(registry, 0));
    EXPECT_EQ(reach.T, narrow.Info.MaxTemperature);
    EXPECT_EQ(reach.P, narrow.Info.MaxPressure);

    const TKXFluidFunctions steam(registry, 1);
    EXPECT_EQ(ComputeState(steam, TKXInputPair::PT, 10, 801).Phase,
              "superheated vapour (region 5)");
    EXPECT_EQ(ComputeState(steam, TKXInputPair::TX, 100, 0.5).Phase, "two-phase (region 4)");
    TKXLibraries asFluid;
    CopyLibrary(water, "KX_WS_IF97", asFluid).Info.Kind = TKXLibraryKind::PureFluidHelmholtz;
    EXPECT_EQ(ComputeState(TKXFluidFunctions(asFluid, 0), TKXInputPair::PT, 10, 801).Phase,
              "superheated vapour");
}

// Pairs as the information lists them, in its order, also when it leaves out the first one; a
// pair the explorer does not know is passed over.
TEST(LibraryInformation, PairsFollowTheListEvenWithoutTheFirst) {
    TKXLibraries registry;
    TKXLibrary& lib =
        CopyLibrary(*Registry().Library(Registry().FindLibrary("KX_WS_IF97")), "KX_W", registry);
    lib.Info.InputPairs = {"Tx", "ph", "uv"};
    const TKXFluidFunctions f(registry, 0);
    EXPECT_EQ(PairKeys(f), (std::vector<std::string>{"Tx", "ph"}));
    EXPECT_TRUE(ComputeState(f, TKXInputPair::TX, 100, 0.5).Ok);
    lib.Info.InputPairs.clear();
    EXPECT_TRUE(PairKeys(TKXFluidFunctions(registry, 0)).empty());
}

// A display name or alias, in any case, finds the library; its full name is what the explorer
// shows.
TEST(LibraryInformation, DisplayNamesFindTheLibrary) {
    for (const char* name : {"KX_R134a_FE", "R134a", "r134A", "water", "IF97", "KX_WS_IF97"}) {
        const int index = FindLibraryIndex(Registry(), name);
        ASSERT_GE(index, 0) << name;
        const std::string full = TKXFluidFunctions(Registry(), index).LibraryName();
        EXPECT_EQ(full.rfind("KX_", 0), 0u) << name;
        EXPECT_EQ(index, FindLibraryIndex(Registry(), full)) << name;
    }
    EXPECT_EQ(FindLibraryIndex(Registry(), "KX_R134a"), -1);
}

}  // namespace
