#pragma once
// The benchmark bodies every fluid library shares: runners that call a library function over a
// list of states, the flash and two-phase states built from single-phase ones, and the family of
// benchmarks registered for one fluid (its residual Helmholtz energy with all derivatives, the
// saturation functions, every function family over liquid, vapour, supercritical and two-phase
// states, and the functions only that library has).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "HelmholzFluidObject.h"
#include "KX_Fluid_Objects.h"
#include "KX_Function_Types.h"

namespace fluidbench {

struct TArgs {
    double X1;
    double X2;
};

// Calls fn over the states in turn; counts failures, which a benchmark state should not have.
inline void RunBinary(benchmark::State& state, TBinaryFunction fn, const std::vector<TArgs>& args) {
    char text[256];
    int32_t code = 0;
    std::size_t i = 0;
    int64_t failures = 0;
    for (auto _ : state) {
        const TArgs& a = args[i];
        benchmark::DoNotOptimize(fn(a.X1, a.X2, text, 255, &code));
        failures += code != 0;
        i = i + 1 == args.size() ? 0 : i + 1;
    }
    state.counters["failures"] = static_cast<double>(failures);
    state.counters["states"] = static_cast<double>(args.size());
}

inline void RunUnary(benchmark::State& state, TUnaryFunction fn, const std::vector<double>& args) {
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
    state.counters["states"] = static_cast<double>(args.size());
}

// (P, H) or (P, S) of single-phase states, and two-phase states at the given pressures.
inline std::vector<TArgs> ByFlashValue(const std::vector<TArgs>& pt, TBinaryFunction valuePT) {
    std::vector<TArgs> out;
    char text[256];
    int32_t code = 0;
    for (const TArgs& a : pt) out.push_back({a.X1, valuePT(a.X1, a.X2, text, 255, &code)});
    return out;
}
inline std::vector<TArgs> TwoPhase(const std::vector<double>& pressures, TBinaryFunction valuePX) {
    std::vector<TArgs> out;
    char text[256];
    int32_t code = 0;
    for (double P : pressures) out.push_back({P, valuePX(P, 0.4, text, 255, &code)});
    return out;
}

// One fluid: its library, its model and states (bar, °C) in each region.
struct TFluidStates {
    const char* Library;
    std::span<const TKXLibraryEntry> Entries;
    const THelmholzFluid* Fluid;
    std::vector<double> SaturationT;
    std::vector<double> SaturationP;
    std::vector<TArgs> Liquid;
    std::vector<TArgs> Vapour;
    std::vector<TArgs> Supercritical;
    // Functions of this library beyond the shared ones, timed over vapour and liquid states.
    std::vector<const char*> Extras = {};
};

inline const TKXLibraryEntry& Entry(const TFluidStates& f, const char* shortName) {
    for (const TKXLibraryEntry& e : f.Entries)
        if (std::strcmp(e.ShortName, shortName) == 0) return e;
    std::abort();  // a benchmark of a function the library does not have is a coding slip
}

// Reduced states of the fluid's single-phase benchmark states.
inline std::vector<TArgs> ReducedStates(const TFluidStates& f) {
    std::vector<TArgs> out;
    char text[256];
    int32_t code = 0;
    const TBinaryFunction dpt = Entry(f, "DPT").Ptr.Binary;
    for (const auto* states : {&f.Liquid, &f.Vapour, &f.Supercritical})
        for (const TArgs& a : *states)
            out.push_back(
                {f.Fluid->DeltaOf(dpt(a.X1, a.X2, text, 255, &code)), f.Fluid->TauOf(a.X2)});
    return out;
}

// Registers the benchmarks of one fluid, each named "<library>_<function>[_<region>]".
inline void RegisterFluid(const TFluidStates& f) {
    const std::string lib = f.Library;
    auto binary = [&](const std::string& name, const char* fn, std::vector<TArgs> args) {
        benchmark::RegisterBenchmark(
            (lib + "_" + name).c_str(),
            [fn = Entry(f, fn).Ptr.Binary, args](benchmark::State& s) { RunBinary(s, fn, args); });
    };
    auto unary = [&](const std::string& name, const char* fn, std::vector<double> args) {
        benchmark::RegisterBenchmark(
            (lib + "_" + name).c_str(),
            [fn = Entry(f, fn).Ptr.Unary, args](benchmark::State& s) { RunUnary(s, fn, args); });
    };
    benchmark::RegisterBenchmark((lib + "_PhirAll").c_str(),
                                 [fluid = f.Fluid, args = ReducedStates(f)](benchmark::State& s) {
                                     THelmholzResidual r;
                                     std::size_t i = 0;
                                     for (auto _ : s) {
                                         fluid->PhirAll(args[i].X1, args[i].X2, r);
                                         benchmark::DoNotOptimize(r);
                                         i = i + 1 == args.size() ? 0 : i + 1;
                                     }
                                 });
    unary("PsatT", "PsatT", f.SaturationT);
    unary("TsatP", "TsatP", f.SaturationP);
    std::vector<TArgs> tx, px;
    for (double T : f.SaturationT) tx.push_back({T, 0.4});
    for (double P : f.SaturationP) px.push_back({P, 0.4});
    binary("HTX", "HTX", tx);
    binary("HPX", "HPX", px);
    const TBinaryFunction hpt = Entry(f, "HPT").Ptr.Binary;
    const TBinaryFunction spt = Entry(f, "SPT").Ptr.Binary;
    const TBinaryFunction hpx = Entry(f, "HPX").Ptr.Binary;
    const TBinaryFunction spx = Entry(f, "SPX").Ptr.Binary;
    const TBinaryFunction htx = Entry(f, "HTX").Ptr.Binary;
    const std::pair<const char*, const std::vector<TArgs>*> regions[] = {
        {"Liquid", &f.Liquid}, {"Vapour", &f.Vapour}, {"Supercritical", &f.Supercritical}};
    for (const auto& [region, states] : regions) {
        const std::string r = region;
        binary("DPT_" + r, "DPT", *states);
        binary("HPT_" + r, "HPT", *states);
        binary("SPT_" + r, "SPT", *states);
        binary("CpPT_" + r, "CpPT", *states);
        binary("WPT_" + r, "WPT", *states);
        binary("TPH_" + r, "TPH", ByFlashValue(*states, hpt));
        binary("TPS_" + r, "TPS", ByFlashValue(*states, spt));
        binary("SPH_" + r, "SPH", ByFlashValue(*states, hpt));
        binary("HPS_" + r, "HPS", ByFlashValue(*states, spt));
    }
    binary("TPH_TwoPhase", "TPH", TwoPhase(f.SaturationP, hpx));
    binary("TPS_TwoPhase", "TPS", TwoPhase(f.SaturationP, spx));
    binary("XPH_TwoPhase", "XPH", TwoPhase(f.SaturationP, hpx));
    std::vector<TArgs> th;
    char text[256];
    int32_t code = 0;
    for (double T : f.SaturationT) th.push_back({T, htx(T, 0.4, text, 255, &code)});
    binary("XTH", "XTH", th);
    for (const char* extra : f.Extras) {
        binary(std::string(extra) + "_Vapour", extra, f.Vapour);
        binary(std::string(extra) + "_Liquid", extra, f.Liquid);
    }
}

// Creates the fluid objects and registers every fluid of the list; its value initialises a
// namespace-scope flag, so the benchmarks exist before the benchmark main runs.
inline bool RegisterFluids(const std::vector<TFluidStates>& (*fluids)()) {
    CreateFluidObjects();
    for (const TFluidStates& f : fluids()) RegisterFluid(f);
    return true;
}

}  // namespace fluidbench
