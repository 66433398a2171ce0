// Saturation and the flashes that start from it, over random states: PsatT and TsatP of every
// Helmholtz fluid and its temperature from pressure and enthalpy in the vapour, R134a and CO2
// temperature from pressure and enthalpy (with the slowest single CO2 state), the IF97 saturation
// pressure, and the per-line cost of `varnexa-cli batch`.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "HelmholzFluidObject.h"
#include "KX_Libraries_Catalogue.h"
#include "KX_Libraries_Object.h"
#include "KX_Library_Descriptions.h"
#include "VarnexaCli.h"

namespace {

constexpr int StateCount = 20000;

const TKXLibraries& Registry() {
    return KXRegistry();
}

TKXFunctionPtr Function(const std::string& name) {
    int library = -1, function = -1;
    if (!Registry().FindFunction(name, library, function)) std::abort();
    return Registry().GetFunctionPtr(library, function);
}

double Call(TUnaryFunction f, double x) {
    char text[256];
    int32_t code = 0;
    return f(x, text, 255, &code);
}
double Call(TBinaryFunction f, double x1, double x2) {
    char text[256];
    int32_t code = 0;
    return f(x1, x2, text, 255, &code);
}

std::vector<double> Uniform(double low, double high, int n, unsigned seed) {
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> u(low, high);
    std::vector<double> out(static_cast<std::size_t>(n));
    for (double& x : out) x = u(random);
    return out;
}

void RunUnary(benchmark::State& state, TUnaryFunction fn, const std::vector<double>& args) {
    char text[256];
    int32_t code = 0;
    std::size_t i = 0;
    int64_t failures = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fn(args[i], text, 255, &code));
        failures += code != 0;
        i = i + 1 == args.size() ? 0 : i + 1;
    }
    state.counters["failures"] = static_cast<double>(failures);
}

struct TPair {
    double a, b;
};

void RunBinary(benchmark::State& state, TBinaryFunction fn, const std::vector<TPair>& args) {
    char text[256];
    int32_t code = 0;
    std::size_t i = 0;
    int64_t failures = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fn(args[i].a, args[i].b, text, 255, &code));
        failures += code != 0;
        i = i + 1 == args.size() ? 0 : i + 1;
    }
    state.counters["failures"] = static_cast<double>(failures);
}

// (P, H) of random single-phase states with P and T uniform in the given ranges.
std::vector<TPair> PHStates(const std::string& library, double p0, double p1, double t0, double t1,
                            unsigned seed) {
    const TBinaryFunction hpt = Function(library + "_HPT").Binary;
    const std::vector<double> p = Uniform(p0, p1, StateCount, seed);
    const std::vector<double> t = Uniform(t0, t1, StateCount, seed + 1);
    std::vector<TPair> out;
    for (int i = 0; i < StateCount; ++i) out.push_back({p[i], Call(hpt, p[i], t[i])});
    return out;
}

// Times every state once (best of three) and reports the slowest.
void SlowestState(benchmark::State& state, TBinaryFunction fn, const std::vector<TPair>& args) {
    double worst = 0.0;
    TPair worstState{0, 0};
    for (auto _ : state) {
        for (const TPair& a : args) {
            double best = 1e300;
            for (int r = 0; r < 3; ++r) {
                const auto start = std::chrono::steady_clock::now();
                benchmark::DoNotOptimize(Call(fn, a.a, a.b));
                const auto stop = std::chrono::steady_clock::now();
                best =
                    std::min(best, std::chrono::duration<double, std::micro>(stop - start).count());
            }
            if (best > worst) {
                worst = best;
                worstState = a;
            }
        }
    }
    state.counters["worst_us"] = worst;
    state.counters["worst_P"] = worstState.a;
    state.counters["worst_H"] = worstState.b;
}

// Batch input of n lines calling one unary function.
std::string BatchInput(const std::string& function, const std::vector<double>& args) {
    std::string input;
    char number[40];
    for (double x : args) {
        std::snprintf(number, sizeof number, "%.10g", x);
        input += function + " " + number + "\n";
    }
    return input;
}

void RegisterAll() {
    // Every Helmholtz fluid of the one list of libraries, from the triple point to the top of
    // its iterated saturation range (a millikelvin below the critical point at most).
    for (const TKXLibraryDescription& d : KXLibraryDescriptions()) {
        if (!d.Fluid) continue;
        const THelmholzFluid& f = *d.Fluid();
        const std::string lib = d.Name;
        const std::vector<double> t =
            Uniform(f.Tt_, std::min(f.Tc_Max_, f.Tc_ - 1e-3), StateCount, 7);
        const TUnaryFunction psat = Function(lib + "_PsatT").Unary;
        std::vector<double> p;
        for (double x : t) p.push_back(Call(psat, x));
        benchmark::RegisterBenchmark((lib + "_PsatT").c_str(),
                                     [psat, t](benchmark::State& s) { RunUnary(s, psat, t); });
        const TUnaryFunction tsat = Function(lib + "_TsatP").Unary;
        benchmark::RegisterBenchmark((lib + "_TsatP").c_str(),
                                     [tsat, p](benchmark::State& s) { RunUnary(s, tsat, p); });
        // Temperature from pressure and enthalpy in the vapour, alike for every fluid: pressures
        // from the saturation pressure at 0.7 Tc to 0.7 pc, temperatures 9 K to 69 K above the
        // critical temperature (R134a: 2.0 to 28 bar, 110 to 170 °C).
        const double tr07 = 0.7 * (f.Tc_ + f.dta) - f.dta;
        const std::vector<TPair> ph = PHStates(lib, Call(psat, std::max(tr07, f.Tt_)), 0.7 * f.Pc_,
                                               f.Tc_ + 9.0, std::min(f.Tc_ + 69.0, f.Tmax), 19);
        const TBinaryFunction tph = Function(lib + "_TPH").Binary;
        benchmark::RegisterBenchmark((lib + "_TPH_vapour").c_str(),
                                     [tph, ph](benchmark::State& s) { RunBinary(s, tph, ph); });
    }
    {
        const TUnaryFunction psat = Function("KX_R134a_FE_PsatT").Unary;
        const std::vector<double> t = Uniform(-100.0, 99.0, StateCount, 3);
        benchmark::RegisterBenchmark("KX_R134a_FE_PsatT_m100_99C",
                                     [psat, t](benchmark::State& s) { RunUnary(s, psat, t); });
    }
    {
        const TBinaryFunction tph = Function("KX_R134a_FE_TPH").Binary;
        const std::vector<TPair> ph = PHStates("KX_R134a_FE", 1.0, 30.0, 110.0, 170.0, 11);
        benchmark::RegisterBenchmark("KX_R134a_FE_TPH_1_30bar_110_170C",
                                     [tph, ph](benchmark::State& s) { RunBinary(s, tph, ph); });
    }
    {
        const TBinaryFunction tph = Function("KX_CO2_FE_TPH").Binary;
        const std::vector<TPair> ph = PHStates("KX_CO2_FE", 80.0, 300.0, 40.0, 300.0, 13);
        benchmark::RegisterBenchmark("KX_CO2_FE_TPH_80_300bar_40_300C",
                                     [tph, ph](benchmark::State& s) { RunBinary(s, tph, ph); });
        benchmark::RegisterBenchmark("KX_CO2_FE_TPH_80_300bar_40_300C_slowest",
                                     [tph, ph](benchmark::State& s) { SlowestState(s, tph, ph); })
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
        const std::vector<TPair> nearCritical = {
            {75.0, Call(Function("KX_CO2_FE_HPT").Binary, 75.0, 31.5)}};
        benchmark::RegisterBenchmark("KX_CO2_FE_TPH_75bar_31.5C", [tph, nearCritical](
                                                                      benchmark::State& s) {
            RunBinary(s, tph, nearCritical);
        })->Unit(benchmark::kMicrosecond);
    }
    {
        const TUnaryFunction psat = Function("KX_WS_IF97_PsatT").Unary;
        const std::vector<double> t = Uniform(0.01, 373.9, StateCount, 5);
        benchmark::RegisterBenchmark("KX_WS_IF97_PsatT",
                                     [psat, t](benchmark::State& s) { RunUnary(s, psat, t); });
    }
    {
        // Per line of `batch`, the function itself included; compare with KX_WS_IF97_PsatT.
        const std::vector<double> t = Uniform(0.01, 373.9, 10000, 17);
        const std::string input = BatchInput("KX_WS_IF97_PsatT", t);
        benchmark::RegisterBenchmark("Cli_batch_per_line_IF97_PsatT", [input](benchmark::State& s) {
            const char* argv[] = {"varnexa-cli", "batch"};
            for (auto _ : s) {
                std::istringstream in(input);
                std::ostringstream out, err;
                benchmark::DoNotOptimize(RunVarnexaCli(2, argv, in, out, err));
            }
            s.counters["per_line"] =
                benchmark::Counter(10000.0, benchmark::Counter::kIsIterationInvariantRate |
                                                benchmark::Counter::kInvert);
        })->Unit(benchmark::kMillisecond);
    }
}

const bool registered = (RegisterAll(), true);

}  // namespace
