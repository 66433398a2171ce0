// Carbon dioxide and the five refrigerant libraries: every function family through the library
// entry points, over liquid, vapour, supercritical and two-phase states of each fluid, and the
// residual Helmholtz energy with all its derivatives (the inner loop of every solver).
#include <benchmark/benchmark.h>

#include <vector>

#include "KX_CO2_FE_Lib.h"
#include "KX_CO2_FE_Lib_Root.h"
#include "KX_Fluid_Objects.h"
#include "KX_R123_FE_Lib.h"
#include "KX_R123_FE_Lib_Root.h"
#include "KX_R134a_FE_Lib.h"
#include "KX_R134a_FE_Lib_Root.h"
#include "KX_R152a_FE_Lib.h"
#include "KX_R152a_FE_Lib_Root.h"
#include "KX_R22_FE_Lib.h"
#include "KX_R22_FE_Lib_Root.h"
#include "KX_R32_FE_Lib.h"
#include "KX_R32_FE_Lib_Root.h"
#include "fluid_bench_support.h"

namespace {

using fluidbench::TFluidStates;

const std::vector<TFluidStates>& Fluids() {
    static const std::vector<TFluidStates> fluids = {
        {"KX_R22_FE",
         KX_R22_FE_Entries(),
         &R22Fluid(),
         {-100, -40, 0, 50, 90},
         {0.1, 1, 5, 20, 45},
         {{10, -20}, {30, 20}, {100, 60}, {200, -100}, {50, 0}},
         {{1, 0}, {1.01325, 50}, {10, 80}, {5, 150}, {20, 120}},
         {{60, 120}, {100, 200}, {500, 150}, {1000, 240}, {55, 100}}},
        {"KX_R32_FE",
         KX_R32_FE_Entries(),
         &R32Fluid(),
         {-100, -50, 0, 50, 75},
         {0.1, 1, 5, 20, 55},
         {{10, -20}, {30, 20}, {100, 60}, {200, -100}, {50, 0}},
         {{1, 0}, {1.01325, 50}, {10, 80}, {5, 150}, {20, 120}},
         {{70, 100}, {100, 150}, {300, 120}, {600, 160}, {60, 90}}},
        {"KX_R123_FE",
         KX_R123_FE_Entries(),
         &R123Fluid(),
         {-80, -20, 30, 100, 180},
         {0.01, 0.5, 2, 10, 35},
         {{5, 20}, {30, 50}, {100, 100}, {200, -50}, {20, 0}},
         {{0.5, 100}, {1.01325, 50}, {5, 150}, {2, 200}, {10, 180}},
         {{40, 190}, {100, 240}, {300, 200}, {50, 250}, {38, 185}}},
        {"KX_R134a_FE",
         KX_R134a_FE_Entries(),
         &R134aFluid(),
         {-100, -26, 0, 50, 95},
         {0.01, 1, 5, 20, 40},
         {{10, 0}, {30, 20}, {100, 60}, {300, -50}, {50, -20}},
         {{1, 0}, {1.01325, 50}, {10, 80}, {5, 150}, {20, 120}},
         {{50, 120}, {100, 150}, {300, 110}, {600, 180}, {45, 105}}},
        {"KX_R152a_FE",
         KX_R152a_FE_Entries(),
         &R152aFluid(),
         {-110, -24, 0, 50, 110},
         {0.01, 1, 5, 20, 44},
         {{10, 0}, {30, 20}, {100, 60}, {200, -50}, {50, -20}},
         {{1, 0}, {1.01325, 50}, {10, 80}, {5, 150}, {20, 120}},
         {{60, 130}, {100, 150}, {250, 120}, {290, 160}, {50, 115}}},
        {"KX_CO2_FE",
         KX_CO2_FE_Entries(),
         &CO2Fluid(),
         {-56, -30, 0, 20, 30},
         {5.2, 10, 30, 60, 73},
         {{50, -20}, {100, 0}, {200, 20}, {500, -50}, {70, 10}},
         {{10, 0}, {1.01325, 50}, {30, 20}, {5, 150}, {50, 100}},
         {{100, 40}, {75, 31.5}, {1000, 200}, {300, 500}, {80, 35}}},
    };
    return fluids;
}

const bool registered = fluidbench::RegisterFluids(Fluids);

}  // namespace
