// Carbon dioxide and the five refrigerant libraries: every function family through the library
// entry points, over liquid, vapour, supercritical and two-phase states of each fluid.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "KX_CO2_FE_Lib.h"
#include "KX_Fluid_Objects.h"
#include "KX_R123_FE_Lib.h"
#include "KX_R134a_FE_Lib.h"
#include "KX_R152a_FE_Lib.h"
#include "KX_R22_FE_Lib.h"
#include "KX_R32_FE_Lib.h"

namespace {

struct TArgs {
    double X1;
    double X2;
};

// One fluid: its library and states (bar, °C) in each region.
struct TFluidStates {
    const char* Library;
    std::span<const TKXLibraryEntry> Entries;
    std::vector<double> SaturationT;
    std::vector<double> SaturationP;
    std::vector<TArgs> Liquid;
    std::vector<TArgs> Vapour;
    std::vector<TArgs> Supercritical;
};

const std::vector<TFluidStates>& Fluids() {
    static const std::vector<TFluidStates> fluids = {
        {"KX_R22_FE",
         KX_R22_FE_Entries(),
         {-100, -40, 0, 50, 90},
         {0.1, 1, 5, 20, 45},
         {{10, -20}, {30, 20}, {100, 60}, {200, -100}, {50, 0}},
         {{1, 0}, {1.01325, 50}, {10, 80}, {5, 150}, {20, 120}},
         {{60, 120}, {100, 200}, {500, 150}, {1000, 240}, {55, 100}}},
        {"KX_R32_FE",
         KX_R32_FE_Entries(),
         {-100, -50, 0, 50, 75},
         {0.1, 1, 5, 20, 55},
         {{10, -20}, {30, 20}, {100, 60}, {200, -100}, {50, 0}},
         {{1, 0}, {1.01325, 50}, {10, 80}, {5, 150}, {20, 120}},
         {{70, 100}, {100, 150}, {300, 120}, {600, 160}, {60, 90}}},
        {"KX_R123_FE",
         KX_R123_FE_Entries(),
         {-80, -20, 30, 100, 180},
         {0.01, 0.5, 2, 10, 35},
         {{5, 20}, {30, 50}, {100, 100}, {200, -50}, {20, 0}},
         {{0.5, 100}, {1.01325, 50}, {5, 150}, {2, 200}, {10, 180}},
         {{40, 190}, {100, 240}, {300, 200}, {50, 250}, {38, 185}}},
        {"KX_R134a_FE",
         KX_R134a_FE_Entries(),
         {-100, -26, 0, 50, 95},
         {0.01, 1, 5, 20, 40},
         {{10, 0}, {30, 20}, {100, 60}, {300, -50}, {50, -20}},
         {{1, 0}, {1.01325, 50}, {10, 80}, {5, 150}, {20, 120}},
         {{50, 120}, {100, 150}, {300, 110}, {600, 180}, {45, 105}}},
        {"KX_R152a_FE",
         KX_R152a_FE_Entries(),
         {-110, -24, 0, 50, 110},
         {0.01, 1, 5, 20, 44},
         {{10, 0}, {30, 20}, {100, 60}, {200, -50}, {50, -20}},
         {{1, 0}, {1.01325, 50}, {10, 80}, {5, 150}, {20, 120}},
         {{60, 130}, {100, 150}, {250, 120}, {290, 160}, {50, 115}}},
        {"KX_CO2_FE",
         KX_CO2_FE_Entries(),
         {-56, -30, 0, 20, 30},
         {5.2, 10, 30, 60, 73},
         {{50, -20}, {100, 0}, {200, 20}, {500, -50}, {70, 10}},
         {{10, 0}, {1.01325, 50}, {30, 20}, {5, 150}, {50, 100}},
         {{100, 40}, {75, 31.5}, {1000, 200}, {300, 500}, {80, 35}}},
    };
    return fluids;
}

const TKXLibraryEntry& Entry(const TFluidStates& f, const char* shortName) {
    for (const TKXLibraryEntry& e : f.Entries)
        if (std::strcmp(e.ShortName, shortName) == 0) return e;
    std::abort();  // a benchmark of a function the library does not have is a coding slip
}

// Calls fn over the states in turn; counts calls and failures.
void RunBinary(benchmark::State& state, TBinaryFunction fn, const std::vector<TArgs>& args) {
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

// (P, H) or (P, S) of single-phase states, and two-phase states at the saturation pressures.
std::vector<TArgs> ByFlashValue(const std::vector<TArgs>& pt, TBinaryFunction valuePT) {
    std::vector<TArgs> out;
    char text[256];
    int32_t code = 0;
    for (const TArgs& a : pt) out.push_back({a.X1, valuePT(a.X1, a.X2, text, 255, &code)});
    return out;
}
std::vector<TArgs> TwoPhase(const std::vector<double>& pressures, TBinaryFunction valuePX) {
    std::vector<TArgs> out;
    char text[256];
    int32_t code = 0;
    for (double P : pressures) out.push_back({P, valuePX(P, 0.4, text, 255, &code)});
    return out;
}

void RegisterFluid(const TFluidStates& f) {
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
    std::vector<TArgs> th;
    for (const TArgs& a : TwoPhase(f.SaturationP, hpx)) th.push_back(a);
    binary("XPH_TwoPhase", "XPH", th);
}

const bool registered = [] {
    CreateFluidObjects();
    for (const TFluidStates& f : Fluids()) RegisterFluid(f);
    return true;
}();

}  // namespace
