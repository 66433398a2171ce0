// Cost of pressing "=" on the calculator display: target under 2 us for a 60-character
// expression.
#include <benchmark/benchmark.h>

#include <string>

#include "KX_PARSER.h"

namespace {

// Both expressions are 60 characters: one of plain arithmetic, one that calls functions.
const std::string ArithmeticExpression =
    "(1.25+3.5)*-2^3/(4.75-0.5)+12.125*(7-3.5)/2.5-100.75/(3+0.5)";
const std::string FunctionExpression =
    "sqrt(2.5^2+3.75*4)-ln(10)/exp(0.5)+round(12.5)*(1.5E-3-7)/3 ";

void Evaluate(benchmark::State& state, const std::string& expression) {
    if (EvaluateExpression(expression).Status != KXParseStatus::Success) {
        state.SkipWithError("benchmark expression does not evaluate");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(EvaluateExpression(expression));
    state.counters["chars"] = static_cast<double>(expression.size());
    state.SetItemsProcessed(state.iterations());
}

// What the display receives: evaluation plus the 15-digit general format.
void DisplayText(benchmark::State& state, const std::string& expression) {
    for (auto _ : state) benchmark::DoNotOptimize(EvaluateDisplayText(expression));
    state.counters["chars"] = static_cast<double>(expression.size());
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK_CAPTURE(Evaluate, arithmetic, ArithmeticExpression);
BENCHMARK_CAPTURE(Evaluate, functions, FunctionExpression);
BENCHMARK_CAPTURE(DisplayText, arithmetic, ArithmeticExpression);
BENCHMARK_CAPTURE(DisplayText, functions, FunctionExpression);

}  // namespace
