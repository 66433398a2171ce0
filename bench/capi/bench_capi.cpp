// Per-call cost of the C interface against the library function alone, over the same 2^20
// states: the exported function called by name in a loop (the function alone), varnexa_call
// through a handle, and varnexa_call_array over all states at once. The difference per state is
// what the interface adds. Two functions: a cheap one (saturation pressure) and a typical one
// (enthalpy from pressure and temperature). Every entry point keeps the caller's floating-point
// environment: BM_CallerEnvironment is what that costs per call, BM_Cfenv_HoldAndSet what
// feholdexcept and fesetenv would cost instead.
#include <benchmark/benchmark.h>

#include <cfenv>
#include <cstdint>
#include <vector>

#include "CApiCall.h"
#include "varnexa.h"

namespace {

constexpr int64_t kStates = 1 << 20;

// Liquid and steam states that every function below computes: p 1 .. 100 bar(a), t 150 .. 400 °C
// for the binary function, t 1 .. 370 °C for the unary one.
struct TStates {
    std::vector<double> P, T, Tsat;
    TStates() : P(kStates), T(kStates), Tsat(kStates) {
        for (int64_t i = 0; i < kStates; ++i) {
            const double f = static_cast<double>(i) / (kStates - 1);
            P[i] = 1.0 + 99.0 * f;
            T[i] = 150.0 + 250.0 * f;
            Tsat[i] = 1.0 + 369.0 * f;
        }
    }
};

const TStates& States() {
    static const TStates states;
    return states;
}

void Finish(benchmark::State& state, int64_t failures) {
    state.SetItemsProcessed(state.iterations() * kStates);
    state.counters["ns_per_state"] =
        benchmark::Counter(static_cast<double>(state.iterations() * kStates),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    if (failures) state.SkipWithError("a state failed");
}

// One pass over all states with call(i, text, code) for state i; the loop is the same for the
// function alone and the handle, so only the call differs.
template <class Call>
void Loop(benchmark::State& state, Call call) {
    std::vector<double> out(kStates);
    char text[VARNEXA_TEXT_CAPACITY + 1];
    int64_t failures = 0;
    for (auto _ : state) {
        for (int64_t i = 0; i < kStates; ++i) {
            int32_t code = 0;
            out[i] = call(i, text, &code);
            failures += code != 0;
        }
        benchmark::DoNotOptimize(out.data());
    }
    Finish(state, failures);
}

void BM_Alone_PsatT(benchmark::State& state) {
    const TStates& s = States();
    Loop(state, [&s](int64_t i, char* text, int32_t* code) {
        return KX_WS_IF97_PsatT(s.Tsat[i], text, VARNEXA_TEXT_CAPACITY, code);
    });
}

void BM_Alone_HPT(benchmark::State& state) {
    const TStates& s = States();
    Loop(state, [&s](int64_t i, char* text, int32_t* code) {
        return KX_WS_IF97_HPT(s.P[i], s.T[i], text, VARNEXA_TEXT_CAPACITY, code);
    });
}

void Handle(benchmark::State& state, const char* name, const std::vector<double>& x1,
            const std::vector<double>& x2) {
    const varnexa_function* f = varnexa_find_function(name);
    Loop(state, [&](int64_t i, char* text, int32_t* code) {
        const double args[2] = {x1[i], x2[i]};
        return varnexa_call(f, args, text, VARNEXA_TEXT_CAPACITY, code);
    });
}

void Array(benchmark::State& state, const char* name, const std::vector<double>& x1,
           const std::vector<double>& x2) {
    const varnexa_function* f = varnexa_find_function(name);
    std::vector<double> out(kStates);
    std::vector<int32_t> codes(kStates);
    const double* args[2] = {x1.data(), x2.data()};
    int64_t failures = 0;
    for (auto _ : state) {
        failures +=
            varnexa_call_array(f, kStates, args, nullptr, out.data(), codes.data(), nullptr, 0);
        benchmark::DoNotOptimize(out.data());
    }
    Finish(state, failures);
}

void BM_Handle_PsatT(benchmark::State& state) {
    Handle(state, "KX_WS_IF97_PsatT", States().Tsat, States().Tsat);
}
void BM_Handle_HPT(benchmark::State& state) {
    Handle(state, "KX_WS_IF97_HPT", States().P, States().T);
}
void BM_Array_PsatT(benchmark::State& state) {
    Array(state, "KX_WS_IF97_PsatT", States().Tsat, States().Tsat);
}
void BM_Array_HPT(benchmark::State& state) {
    Array(state, "KX_WS_IF97_HPT", States().P, States().T);
}

void BM_CallerEnvironment(benchmark::State& state) {
    for (auto _ : state) {
        const varnexa_capi::TCallerEnvironment environment;
        benchmark::ClobberMemory();
    }
}

void BM_Cfenv_HoldAndSet(benchmark::State& state) {
    for (auto _ : state) {
        std::fenv_t saved;
        std::feholdexcept(&saved);
        benchmark::ClobberMemory();
        std::fesetenv(&saved);
    }
}

}  // namespace

BENCHMARK(BM_CallerEnvironment);
BENCHMARK(BM_Cfenv_HoldAndSet);
BENCHMARK(BM_Alone_PsatT)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Handle_PsatT)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Array_PsatT)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Alone_HPT)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Handle_HPT)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Array_HPT)->Unit(benchmark::kMillisecond);
