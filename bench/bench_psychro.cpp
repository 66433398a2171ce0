// Humid air as a user reaches it: a property at (p, T, W), the dew point and the wet bulb called
// through the registry (targets: 2 us, 20 us, 20 us), and the psychrometric chart computed and
// drawn into a 900x650 image (target: 100 ms).
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <string>
#include <vector>

#include "KXDiagramFile.h"
#include "KXPsychroChart.h"
#include "KXPsychroPainter.h"
#include "KX_Function_Call.h"
#include "KX_Libraries_Catalogue.h"

namespace {

const TKXLibraries& Registry() {
    return KXRegistry();
}

// One registered function called through its registry address, as the C interface and the
// explorer call it.
void ThroughRegistry(benchmark::State& state, const char* function, std::vector<double> args) {
    int l = -1, f = -1;
    if (!Registry().FindFunction(function, l, f)) {
        state.SkipWithError((std::string(function) + " is not registered").c_str());
        return;
    }
    const TKXFunctionPtr ptr = Registry().GetFunctionPtr(l, f);
    char text[256] = "";
    int32_t code = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(args.data());
        benchmark::DoNotOptimize(KXCallFunction(ptr, args.data(), text, 255, &code));
    }
    if (code != 0) state.SkipWithError(text);
    state.SetLabel(function);
}

BENCHMARK_CAPTURE(ThroughRegistry, RP1485_HPTW, "KX_HA_RP1485_HPTW", {1.01325, 25.0, 0.01});
BENCHMARK_CAPTURE(ThroughRegistry, RP1485_TdPW, "KX_HA_RP1485_TdPW", {1.01325, 0.01});
BENCHMARK_CAPTURE(ThroughRegistry, RP1485_TwbPTW, "KX_HA_RP1485_TwbPTW", {1.01325, 25.0, 0.01});
BENCHMARK_CAPTURE(ThroughRegistry, IDEAL_HPTW, "KX_HA_IDEAL_HPTW", {1.01325, 25.0, 0.01});
BENCHMARK_CAPTURE(ThroughRegistry, IDEAL_TdPW, "KX_HA_IDEAL_TdPW", {1.01325, 0.01});
BENCHMARK_CAPTURE(ThroughRegistry, IDEAL_TwbPTW, "KX_HA_IDEAL_TwbPTW", {1.01325, 25.0, 0.01});

// The whole chart: every line computed through the library, then painted with its labels.
void BM_PsychroChart(benchmark::State& state, const char* library) {
    EnsureGuiApplication();
    const TKXHumidAirFunctions air(Registry(), FindLibraryIndex(Registry(), library));
    const TPropertyList catalogue;
    const TKXUnitChoice units(catalogue, 0);
    QImage image(900, 650, QImage::Format_ARGB32_Premultiplied);
    std::size_t lines = 0, labels = 0;
    for (auto _ : state) {
        const TKXPsychroChart chart = ComputePsychroChart(air, KXStandardPressure, &units);
        TKXPsychroPainter painter(chart, units);
        painter.SetSize(image.size());
        painter.SetState(TKXPoint{25.0, 0.01});
        QPainter p(&image);
        painter.Paint(p);
        p.end();
        lines = chart.Lines.size();
        labels = painter.LabelBoxes().size();
    }
    state.counters["lines"] = static_cast<double>(lines);
    state.counters["labels"] = static_cast<double>(labels);
}
BENCHMARK_CAPTURE(BM_PsychroChart, RP1485, "KX_HA_RP1485")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PsychroChart, IDEAL, "KX_HA_IDEAL")->Unit(benchmark::kMillisecond);

}  // namespace
