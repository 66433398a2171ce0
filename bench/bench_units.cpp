// Unit conversion by name, as the window does for every argument and result.
#include <benchmark/benchmark.h>

#include <string>

#include "PropertyListObject.h"

namespace {

const TPropertyList& Catalogue() {
    static const TPropertyList catalogue;
    return catalogue;
}

void BM_ConvertByName(benchmark::State& state) {
    const TPropertyList& catalogue = Catalogue();
    // A long name late in the catalogue, and a name shared by several quantities.
    const std::string from = "ft.lb(force)/lbR";
    const std::string to = "psi.ft3/lbR";
    double value = 1.0;
    for (auto _ : state) {
        double result = catalogue.Convert(from, to, value);
        benchmark::DoNotOptimize(result);
        value += 1e-9;
    }
}
BENCHMARK(BM_ConvertByName);

void BM_ConvertSharedName(benchmark::State& state) {
    const TPropertyList& catalogue = Catalogue();
    const std::string from = "kJ/kgK";
    const std::string to = "BTU/lbR";
    double value = 1.0;
    for (auto _ : state) {
        double result = 0.0;
        benchmark::DoNotOptimize(catalogue.TryConvert(from, to, value, result));
        benchmark::DoNotOptimize(result);
        value += 1e-9;
    }
}
BENCHMARK(BM_ConvertSharedName);

void BM_ConvertToStandard(benchmark::State& state) {
    const TPropertyList& catalogue = Catalogue();
    const std::string unit = "°F";
    double value = 212.0;
    for (auto _ : state) {
        double result = catalogue.ConvertToStandard(unit, value);
        benchmark::DoNotOptimize(result);
        value += 1e-9;
    }
}
BENCHMARK(BM_ConvertToStandard);

void BM_BuildCatalogue(benchmark::State& state) {
    for (auto _ : state) {
        TPropertyList catalogue;
        benchmark::DoNotOptimize(catalogue.Count());
    }
}
BENCHMARK(BM_BuildCatalogue);

}  // namespace
