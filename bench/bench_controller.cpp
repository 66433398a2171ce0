// The calculator's own overhead: a recalculation of the panel around a trivial library function,
// and the command-line batch per line beyond the function itself.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "KXCalculatorController.h"
#include "KXInMemoryView.h"
#include "KX_Utils.h"
#include "VarnexaCli.h"

namespace {

double Trivial(double t, char* text, int32_t capacity, int32_t* code) {
    return RunLibraryFunction("KX_B", "PsatT", text, capacity, code,
                              [t](std::string&, int32_t&) { return t * 0.01; });
}

class NoDialog : public IKXMemoryDialog {
  public:
    bool Edit(TMemoryElement&) override { return false; }
};

void BM_ControllerRecalculate(benchmark::State& state) {
    TKXLibraries registry;
    registry.AddLibrary("KX_B").AddUnairyFunction("KX_B_PsatT", "Pressure", 2, "Temperature", 31,
                                                  Trivial);
    TKXInMemoryView view;
    TMemory memory;
    NoDialog dialog;
    TKXCalculatorController controller(view, registry, memory, dialog);
    controller.FormActivate();
    view.SelectText(TKXElement::Argument1UnitList, "°F");
    view.SelectText(TKXElement::ResultUnitList, "psi(a)");
    view.SetText(TKXElement::Argument1Edit, "212.5");
    for (auto _ : state) {
        controller.Argument1EditChange();
        benchmark::DoNotOptimize(view.GetText(TKXElement::ResultEdit));
    }
}
BENCHMARK(BM_ControllerRecalculate);

// Lines of a constant function: what remains is the batch's own parsing, lookup and printing.
void BM_CliBatchPerLine(benchmark::State& state) {
    std::string input;
    for (int i = 0; i < 1000; ++i) input += "KX_WS_IF97_Tc\n";
    const char* argv[] = {"varnexa-cli", "batch"};
    for (auto _ : state) {
        std::istringstream in(input);
        std::ostringstream out, err;
        RunVarnexaCli(2, argv, in, out, err);
        benchmark::DoNotOptimize(out.str().size());
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_CliBatchPerLine);

}  // namespace
