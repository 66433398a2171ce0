// Nitrogen, oxygen, argon and the three hydrogen libraries: every function family through the
// library entry points, over liquid, vapour, supercritical and two-phase states of each fluid,
// the transport functions of nitrogen and oxygen, and the residual Helmholtz energy with all its
// derivatives (the inner loop of every solver).
#include <benchmark/benchmark.h>

#include <span>
#include <vector>

#include "KX_Ar_FE_Lib.h"
#include "KX_Ar_FE_Lib_Root.h"
#include "KX_Fluid_Objects.h"
#include "KX_H2_FE_Lib.h"
#include "KX_H2_FE_Lib_Root.h"
#include "KX_N2_FE_Lib.h"
#include "KX_N2_FE_Lib_Root.h"
#include "KX_O2_FE_Lib.h"
#include "KX_O2_FE_Lib_Root.h"
#include "fluid_bench_support.h"

namespace {

using fluidbench::TFluidStates;

// The three forms of hydrogen share their states.
TFluidStates Hydrogen(const char* library, std::span<const TKXLibraryEntry> entries,
                      const THelmholzFluid& fluid) {
    return {library,
            entries,
            &fluid,
            {-259, -255, -250, -245, -242},
            {0.1, 1, 3, 7, 11},
            {{5, -255}, {10, -252}, {50, -250}, {200, -255}, {12, -245}},
            {{1, 0}, {1.01325, -200}, {10, 25}, {5, 150}, {2, -250}},
            {{15, -238}, {100, -200}, {1000, 0}, {200, 300}, {13, -239}},
            {"ZPT"}};
}

const std::vector<TFluidStates>& Fluids() {
    static const std::vector<TFluidStates> fluids = {
        {"KX_N2_FE",
         KX_N2_FE_Entries(),
         &N2Fluid(),
         {-205, -190, -170, -155, -148},
         {0.2, 1, 5, 15, 30},
         {{10, -190}, {50, -180}, {100, -160}, {500, -200}, {20, -200}},
         {{1, 0}, {1.01325, -150}, {10, 25}, {5, 150}, {20, -140}},
         {{50, -140}, {100, -100}, {1000, 0}, {200, 300}, {40, -145}},
         {"TCPT", "DVPT", "KVPT"}},
        {"KX_O2_FE",
         KX_O2_FE_Entries(),
         &O2Fluid(),
         {-215, -190, -160, -130, -120},
         {0.01, 1, 5, 20, 45},
         {{10, -200}, {50, -180}, {100, -150}, {500, -210}, {20, -190}},
         {{1, 0}, {1.01325, -150}, {10, 25}, {5, -100}, {30, -110}},
         {{60, -110}, {100, -50}, {700, 0}, {200, 20}, {55, -115}},
         {"DVPT"}},
        {"KX_Ar_FE",
         KX_Ar_FE_Entries(),
         &ArFluid(),
         {-189, -175, -160, -140, -125},
         {0.7, 1, 5, 20, 45},
         {{10, -180}, {50, -170}, {100, -150}, {500, -185}, {30, -140}},
         {{1, 0}, {1.01325, -150}, {10, 25}, {5, 150}, {20, -130}},
         {{60, -120}, {100, -100}, {1000, 0}, {200, 300}, {50, -122}}},
        Hydrogen("KX_H2_FE", KX_H2_FE_Entries(), H2Fluid()),
        Hydrogen("KX_H2o_FE", KX_H2o_FE_Entries(), H2oFluid()),
        Hydrogen("KX_H2p_FE", KX_H2p_FE_Entries(), H2pFluid()),
    };
    return fluids;
}

const bool registered = fluidbench::RegisterFluids(Fluids);

}  // namespace
