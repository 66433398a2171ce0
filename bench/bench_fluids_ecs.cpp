// The extended-corresponding-states transport functions of R22 and R32 against the density
// function of the same fluid at the same states, through the library entry points: each region's
// DVPT, KVPT, TCPT and PrPT beside its DPT, so their ratio reads off directly.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "KX_Fluid_Objects.h"
#include "KX_R22_FE_Lib.h"
#include "KX_R22_FE_Lib_Root.h"
#include "KX_R32_FE_Lib.h"
#include "KX_R32_FE_Lib_Root.h"
#include "fluid_bench_support.h"

namespace {

using fluidbench::TArgs;

struct TECSFluidStates {
    const char* Library;
    std::span<const TKXLibraryEntry> Entries;
    std::vector<TArgs> Liquid;
    std::vector<TArgs> Vapour;
    std::vector<TArgs> Supercritical;
};

const std::vector<TECSFluidStates>& Fluids() {
    static const std::vector<TECSFluidStates> fluids = {
        {"KX_R22_FE",
         KX_R22_FE_Entries(),
         {{10, -20}, {30, 20}, {100, 60}, {200, -100}, {50, 0}},
         {{1, 0}, {1.01325, 50}, {10, 80}, {5, 150}, {20, 120}},
         {{60, 120}, {100, 200}, {500, 150}, {1000, 240}, {55, 100}}},
        {"KX_R32_FE",
         KX_R32_FE_Entries(),
         {{10, -20}, {30, 20}, {100, 60}, {200, -100}, {50, 0}},
         {{1, 0}, {1.01325, 50}, {10, 80}, {5, 150}, {20, 120}},
         {{70, 100}, {100, 150}, {300, 120}, {600, 160}, {60, 90}}},
    };
    return fluids;
}

TBinaryFunction Function(const TECSFluidStates& f, const char* shortName) {
    for (const TKXLibraryEntry& e : f.Entries)
        if (std::string(e.ShortName) == shortName) return e.Ptr.Binary;
    std::abort();  // a benchmark of a function the library does not have is a coding slip
}

bool Register() {
    CreateFluidObjects();
    for (const TECSFluidStates& f : Fluids()) {
        const std::pair<const char*, const std::vector<TArgs>*> regions[] = {
            {"Liquid", &f.Liquid}, {"Vapour", &f.Vapour}, {"Supercritical", &f.Supercritical}};
        for (const auto& [region, states] : regions)
            for (const char* fn : {"DPT", "DVPT", "KVPT", "TCPT", "PrPT"})
                benchmark::RegisterBenchmark(
                    (std::string(f.Library) + "_ECS_" + region + "_" + fn).c_str(),
                    [function = Function(f, fn), args = *states](benchmark::State& s) {
                        fluidbench::RunBinary(s, function, args);
                    });
    }
    return true;
}

const bool registered = Register();

}  // namespace
