// Bubble and dew points of the mixture model at random temperatures (R-410A, R-407C, and the
// five-component R-448A), against the saturation pressure of a pure fluid: the library function
// KX_R134a_FE_PsatT and its solution from the equation of state without the saturation curves;
// the libraries' line functions answered from their tables, and the cost of building a table.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "HelmholzFluidObject.h"
#include "KX_Fluid_Objects.h"
#include "KX_Libraries_Catalogue.h"
#include "KX_Libraries_Object.h"
#include "KX_Mixture_Blends.h"
#include "KX_Mixture_Equilibrium.h"
#include "KX_Mixture_Lines.h"

namespace {

constexpr int StateCount = 2000;

std::vector<double> Uniform(double low, double high, unsigned seed) {
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> u(low, high);
    std::vector<double> out(StateCount);
    for (double& x : out) x = u(random);
    return out;
}

// 230 to 320 K: from the evaporator to the condenser of a heat pump.
const std::vector<double>& Temperatures() {
    static const std::vector<double> t = Uniform(230.0, 320.0, 25);
    return t;
}

void BM_R134aPsatTLibrary(benchmark::State& state) {
    int library = -1, function = -1;
    if (!KXRegistry().FindFunction("KX_R134a_FE_PsatT", library, function)) std::abort();
    const TUnaryFunction psat = KXRegistry().GetFunctionPtr(library, function).Unary;
    char text[256];
    int32_t code = 0;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(psat(Temperatures()[i] - KelvinOffset, text, 255, &code));
        i = i + 1 == Temperatures().size() ? 0 : i + 1;
    }
}
BENCHMARK(BM_R134aPsatTLibrary);

void BM_R134aSaturationByEquation(benchmark::State& state) {
    const THelmholzFluid& fluid = *RefrigerantComponent("R134a").Fluid;
    std::string text;
    int32_t code = 0;
    double Ps = 0.0, DL = 0.0, DV = 0.0;
    std::size_t i = 0;
    for (auto _ : state) {
        fluid.SaturationFromTByEquation(Temperatures()[i] - KelvinOffset, Ps, DL, DV, text, code);
        benchmark::DoNotOptimize(Ps);
        i = i + 1 == Temperatures().size() ? 0 : i + 1;
    }
}
BENCHMARK(BM_R134aSaturationByEquation);

void Saturation(benchmark::State& state, const char* blend, TSaturationKind kind) {
    const TMixture mixture = MakeBlend(blend);
    std::size_t i = 0;
    int64_t failures = 0, iterations = 0, calls = 0;
    for (auto _ : state) {
        const TEquilibrium e = SaturationAtT(mixture, kind, Temperatures()[i]);
        benchmark::DoNotOptimize(e.P);
        failures += !e.Ok();
        iterations += e.Iterations;
        ++calls;
        i = i + 1 == Temperatures().size() ? 0 : i + 1;
    }
    state.counters["failures"] = static_cast<double>(failures);
    state.counters["steps"] = static_cast<double>(iterations) / static_cast<double>(calls);
}
BENCHMARK_CAPTURE(Saturation, R410A_bubble, "R-410A", TSaturationKind::Bubble);
BENCHMARK_CAPTURE(Saturation, R407C_bubble, "R-407C", TSaturationKind::Bubble);
BENCHMARK_CAPTURE(Saturation, R407C_dew, "R-407C", TSaturationKind::Dew);
BENCHMARK_CAPTURE(Saturation, R448A_bubble, "R-448A", TSaturationKind::Bubble);

// The mixture library's functions as a caller reaches them, through the registry: the bubble
// pressure at T, and the density at (p, T), whose phase takes the bubble and the dew
// temperature at p (two saturation solves) before the density root. The states at 10 bar lie
// half in the liquid, half in the vapour (the few between the lines answer their error).
template <class F>
F RegistryFunction(const char* name, F TKXFunctionPtr::*member) {
    int library = -1, function = -1;
    if (!KXRegistry().FindFunction(name, library, function)) std::abort();
    return KXRegistry().GetFunctionPtr(library, function).*member;
}

void BM_R454BMixPbubTLibrary(benchmark::State& state) {
    const TUnaryFunction pbub = RegistryFunction("KX_R454B_MIX_PbubT", &TKXFunctionPtr::Unary);
    char text[256];
    int32_t code = 0;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pbub(Temperatures()[i] - KelvinOffset, text, 255, &code));
        i = i + 1 == Temperatures().size() ? 0 : i + 1;
    }
}
BENCHMARK(BM_R454BMixPbubTLibrary);

// The same bubble points through the pair library at R-454B's composition: the composition is an
// argument, the mixture object one per pair (no object built per call); after 64 calls at one
// composition the lines there are tables, so this measures the sweep's steady state.
void BM_R32R1234yfPairPbubTLibrary(benchmark::State& state) {
    const TBinaryFunction pbub =
        RegistryFunction("KX_MIX_R32_R1234yf_PbubT", &TKXFunctionPtr::Binary);
    const double z = MakeBlend("R-454B").Composition()[0];
    char text[256];
    int32_t code = 0;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pbub(Temperatures()[i] - KelvinOffset, z, text, 255, &code));
        i = i + 1 == Temperatures().size() ? 0 : i + 1;
    }
}
BENCHMARK(BM_R32R1234yfPairPbubTLibrary);

// The bubble and dew lines of the libraries answer from their tables (built at the first call,
// before the timing): a line's pressure at T over the temperatures above, or its temperature at
// p over their pressures on the line (pressureAtT names the function that gives them).
void LineFunction(benchmark::State& state, const char* name, const char* pressureAtT) {
    const TUnaryFunction f = RegistryFunction(name, &TKXFunctionPtr::Unary);
    char text[256];
    int32_t code = 0;
    std::vector<double> args;
    for (const double T : Temperatures()) args.push_back(T - KelvinOffset);
    if (pressureAtT) {
        const TUnaryFunction p = RegistryFunction(pressureAtT, &TKXFunctionPtr::Unary);
        for (double& x : args) x = p(x, text, 255, &code);
    }
    f(args[0], text, 255, &code);
    std::size_t i = 0;
    int64_t failures = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f(args[i], text, 255, &code));
        failures += code != 0;
        i = i + 1 == args.size() ? 0 : i + 1;
    }
    state.counters["failures"] = static_cast<double>(failures);
}
BENCHMARK_CAPTURE(LineFunction, R410A_PbubT, "KX_R410A_MIX_PbubT", nullptr);
BENCHMARK_CAPTURE(LineFunction, R410A_PdewT, "KX_R410A_MIX_PdewT", nullptr);
BENCHMARK_CAPTURE(LineFunction, R410A_TbubP, "KX_R410A_MIX_TbubP", "KX_R410A_MIX_PbubT");
BENCHMARK_CAPTURE(LineFunction, R410A_TdewP, "KX_R410A_MIX_TdewP", "KX_R410A_MIX_PdewT");
BENCHMARK_CAPTURE(LineFunction, R410A_TglideP, "KX_R410A_MIX_TglideP", "KX_R410A_MIX_PbubT");
BENCHMARK_CAPTURE(LineFunction, R448A_PbubT, "KX_R448A_MIX_PbubT", nullptr);
BENCHMARK_CAPTURE(LineFunction, R448A_TbubP, "KX_R448A_MIX_TbubP", "KX_R448A_MIX_PbubT");

// What the first call of a line function pays once per process: one line's table, built from
// the solver (about 230 to 330 solver calls).
void LineTable(benchmark::State& state, const char* blend, TSaturationKind kind) {
    const TMixture mixture = MakeBlend(blend);
    int64_t calls = 0, segments = 0;
    for (auto _ : state) {
        const TMixtureLine line(mixture, kind, 200.0, 500.0);
        calls = line.SolverCalls();
        segments = static_cast<int64_t>(line.Segments());
    }
    state.counters["solver_calls"] = static_cast<double>(calls);
    state.counters["segments"] = static_cast<double>(segments);
}
BENCHMARK_CAPTURE(LineTable, R410A_bubble, "R-410A", TSaturationKind::Bubble)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LineTable, R410A_dew, "R-410A", TSaturationKind::Dew)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LineTable, R448A_bubble, "R-448A", TSaturationKind::Bubble)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LineTable, R448A_dew, "R-448A", TSaturationKind::Dew)
    ->Unit(benchmark::kMillisecond);

void BM_R454BMixDPTLibrary(benchmark::State& state) {
    const TBinaryFunction dpt = RegistryFunction("KX_R454B_MIX_DPT", &TKXFunctionPtr::Binary);
    char text[256];
    int32_t code = 0;
    std::size_t i = 0;
    int64_t refused = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(dpt(10.0, Temperatures()[i] - KelvinOffset, text, 255, &code));
        refused += code != 0;
        i = i + 1 == Temperatures().size() ? 0 : i + 1;
    }
    state.counters["refused"] = static_cast<double>(refused);
}
BENCHMARK(BM_R454BMixDPTLibrary);

// A two-phase state at 10 bar and a random vapour fraction: bubble and dew point, then the
// phase split searched between them.
void BM_R454BMixHPXLibrary(benchmark::State& state) {
    const TBinaryFunction hpx = RegistryFunction("KX_R454B_MIX_HPX", &TKXFunctionPtr::Binary);
    static const std::vector<double> fractions = Uniform(0.0, 1.0, 26);
    char text[256];
    int32_t code = 0;
    std::size_t i = 0;
    int64_t refused = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(hpx(10.0, fractions[i], text, 255, &code));
        refused += code != 0;
        i = i + 1 == fractions.size() ? 0 : i + 1;
    }
    state.counters["refused"] = static_cast<double>(refused);
}
BENCHMARK(BM_R454BMixHPXLibrary);

// (p, h) flashes of each blend at 10 bar (R-513A and R-454C: 5 bar, below their critical region)
// over the liquid, the two-phase and the vapour part: enthalpies at 40 K below the bubble point to
// the bubble point, across the dome by vapour fraction, and from the dew point to 60 K above it.
// The slowest part is the target's "everywhere".
void FlashPH(benchmark::State& state, const std::string& lib, int part) {
    const TBinaryFunction tph = RegistryFunction((lib + "_TPH").c_str(), &TKXFunctionPtr::Binary);
    const TBinaryFunction hpt = RegistryFunction((lib + "_HPT").c_str(), &TKXFunctionPtr::Binary);
    const TBinaryFunction hpx = RegistryFunction((lib + "_HPX").c_str(), &TKXFunctionPtr::Binary);
    const TUnaryFunction tbub = RegistryFunction((lib + "_TbubP").c_str(), &TKXFunctionPtr::Unary);
    const TUnaryFunction tdew = RegistryFunction((lib + "_TdewP").c_str(), &TKXFunctionPtr::Unary);
    const double P = lib == "KX_R513A_MIX" || lib == "KX_R454C_MIX" ? 5.0 : 10.0;
    char text[256];
    int32_t code = 0;
    std::vector<double> h;
    for (double u : Uniform(0.0, 1.0, 31 + part)) {
        if (part == 0) h.push_back(hpt(P, tbub(P, text, 255, &code) - 40.0 * u, text, 255, &code));
        if (part == 1) h.push_back(hpx(P, u, text, 255, &code));
        if (part == 2) h.push_back(hpt(P, tdew(P, text, 255, &code) + 60.0 * u, text, 255, &code));
        if (code) std::abort();
    }
    std::size_t i = 0;
    int64_t refused = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tph(P, h[i], text, 255, &code));
        refused += code != 0;
        i = i + 1 == h.size() ? 0 : i + 1;
    }
    state.counters["refused"] = static_cast<double>(refused);
}
const int FlashBenchmarks = [] {
    for (const char* lib : {"KX_R454B_MIX", "KX_R513A_MIX", "KX_R407C_MIX", "KX_R448A_MIX"})
        for (int part : {0, 1, 2}) {
            const char* names[] = {"liquid", "two_phase", "vapour"};
            benchmark::RegisterBenchmark(
                (std::string("FlashPH/") + lib + "/" + names[part]).c_str(),
                [lib, part](benchmark::State& s) { FlashPH(s, lib, part); })
                ->Unit(benchmark::kMicrosecond);
        }
    return 0;
}();

}  // namespace
