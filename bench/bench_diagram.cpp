// The time to a full diagram's curves (dome, isolines and vapour-fraction lines of about 200
// points each) per kind, for water and two Helmholtz fluids; drawing is timed in
// bench_explorer_window.
#include <benchmark/benchmark.h>

#include "KXDiagram.h"
#include "KX_Libraries_Catalogue.h"

namespace {

const TKXLibraries& Registry() {
    return KXRegistry();
}

constexpr const char* Libraries[] = {"KX_WS_IF97", "KX_R134a_FE", "KX_CO2_FE"};
constexpr TKXDiagramKind Kinds[] = {TKXDiagramKind::PH, TKXDiagramKind::TS, TKXDiagramKind::HS,
                                    TKXDiagramKind::PT};

void BM_DiagramCurves(benchmark::State& state) {
    const char* library = Libraries[state.range(0)];
    const TKXDiagramKind kind = Kinds[state.range(1)];
    const TKXFluidFunctions fluid(Registry(), FindLibraryIndex(Registry(), library));
    std::size_t points = 0, lines = 0;
    for (auto _ : state) {
        const TKXDiagram d = ComputeDiagram(fluid, kind);
        lines = d.Curves.size();
        points = 0;
        for (const TKXCurve& c : d.Curves) points += c.PointCount();
        benchmark::DoNotOptimize(points);
    }
    state.counters["lines"] = static_cast<double>(lines);
    state.counters["points"] = static_cast<double>(points);
    state.SetLabel(std::string(library) + " " + DiagramKindKey(kind));
}
BENCHMARK(BM_DiagramCurves)
    ->ArgsProduct({{0, 1, 2}, {0, 1, 2, 3}})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

}  // namespace
