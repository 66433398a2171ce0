// The explorer's logic without a window: one whole state per input pair (every property the
// library offers, through its functions) and a 1000-row table.
#include <benchmark/benchmark.h>

#include "KXCycle.h"
#include "KXExplorerState.h"
#include "KXExplorerTable.h"
#include "KX_Libraries_Catalogue.h"

namespace {

const TKXLibraries& Registry() {
    return KXRegistry();
}

struct TCase {
    const char* Library;
    TKXInputPair Pair;
    double X1, X2;
};

// Superheated, compressed and two-phase states of water and two Helmholtz fluids.
constexpr TCase Cases[] = {
    {"KX_WS_IF97", TKXInputPair::PT, 10, 250}, {"KX_WS_IF97", TKXInputPair::PH, 10, 2000},
    {"KX_WS_IF97", TKXInputPair::PS, 10, 6.5}, {"KX_WS_IF97", TKXInputPair::TX, 100, 0.5},
    {"KX_R134a_FE", TKXInputPair::PT, 10, 60}, {"KX_R134a_FE", TKXInputPair::PH, 3, 300},
    {"KX_R134a_FE", TKXInputPair::TX, 0, 0.3}, {"KX_CO2_FE", TKXInputPair::PT, 100, 40},
    {"KX_CO2_FE", TKXInputPair::PH, 50, 300},
};

void BM_ExplorerState(benchmark::State& state) {
    const TCase& c = Cases[state.range(0)];
    const TKXFluidFunctions fluid(Registry(), FindLibraryIndex(Registry(), c.Library));
    for (auto _ : state) benchmark::DoNotOptimize(ComputeState(fluid, c.Pair, c.X1, c.X2));
    state.SetLabel(std::string(c.Library) + " " + AllInputPairs()[static_cast<int>(c.Pair)].Key);
}
BENCHMARK(BM_ExplorerState)->DenseRange(0, std::size(Cases) - 1)->Unit(benchmark::kMicrosecond);

void BM_ExplorerTable1000(benchmark::State& state) {
    const char* library = state.range(0) == 0 ? "KX_WS_IF97" : "KX_R134a_FE";
    const TKXFluidFunctions fluid(Registry(), FindLibraryIndex(Registry(), library));
    std::string error;
    const auto values = RangeByCount(-20, 150, 1000, error);
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeTable(fluid, TKXTableKind::Isobar, 5, values));
    state.SetLabel(std::string(library) + " isobar, 1000 rows");
}
BENCHMARK(BM_ExplorerTable1000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A whole cycle with its state table (target: within 1 ms): R134a with superheat, subcooling,
// compressor efficiency and internal heat exchanger; steam Rankine with reheat.
void BM_Cycle(benchmark::State& state) {
    if (state.range(0) == 0) {
        const TKXFluidFunctions fluid(Registry(), FindLibraryIndex(Registry(), "KX_R134a_FE"));
        TKXVapourCompressionInput in;
        in.EvaporatingT = -10;
        in.CondensingT = 40;
        in.Superheat = 5;
        in.Subcooling = 3;
        in.IsentropicEff = 0.7;
        in.IhxEffectiveness = 0.5;
        for (auto _ : state) benchmark::DoNotOptimize(ComputeVapourCompression(fluid, in));
        state.SetLabel("R134a vapour compression with IHX");
    } else {
        const TKXFluidFunctions fluid(Registry(), FindLibraryIndex(Registry(), "KX_WS_IF97"));
        TKXRankineInput in;
        in.BoilerP = 150;
        in.LiveT = 600;
        in.ReheatP = 40;
        in.ReheatT = 600;
        in.CondenserP = 0.1;
        in.TurbineEff = 0.85;
        in.PumpEff = 0.8;
        for (auto _ : state) benchmark::DoNotOptimize(ComputeRankine(fluid, in));
        state.SetLabel("steam Rankine with reheat");
    }
}
BENCHMARK(BM_Cycle)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
