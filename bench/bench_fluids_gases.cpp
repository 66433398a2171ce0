// Nitrogen, oxygen, argon and the three hydrogen libraries: every function family through the
// library entry points, over liquid, vapour, supercritical and two-phase states of each fluid,
// the transport functions of nitrogen and oxygen, and the residual Helmholtz energy with all its
// derivatives (the inner loop of every solver).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>
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

namespace {

struct TArgs {
    double X1;
    double X2;
};

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
};

const std::vector<TArgs> HydrogenLiquid = {
    {5, -255}, {10, -252}, {50, -250}, {200, -255}, {12, -245}};
const std::vector<TArgs> HydrogenVapour = {{1, 0}, {1.01325, -200}, {10, 25}, {5, 150}, {2, -250}};
const std::vector<TArgs> HydrogenSupercritical = {
    {15, -238}, {100, -200}, {1000, 0}, {200, 300}, {13, -239}};

const std::vector<TFluidStates>& Fluids() {
    static const std::vector<TFluidStates> fluids = {
        {"KX_N2_FE",
         KX_N2_FE_Entries(),
         &N2Fluid(),
         {-205, -190, -170, -155, -148},
         {0.2, 1, 5, 15, 30},
         {{10, -190}, {50, -180}, {100, -160}, {500, -200}, {20, -200}},
         {{1, 0}, {1.01325, -150}, {10, 25}, {5, 150}, {20, -140}},
         {{50, -140}, {100, -100}, {1000, 0}, {200, 300}, {40, -145}}},
        {"KX_O2_FE",
         KX_O2_FE_Entries(),
         &O2Fluid(),
         {-215, -190, -160, -130, -120},
         {0.01, 1, 5, 20, 45},
         {{10, -200}, {50, -180}, {100, -150}, {500, -210}, {20, -190}},
         {{1, 0}, {1.01325, -150}, {10, 25}, {5, -100}, {30, -110}},
         {{60, -110}, {100, -50}, {700, 0}, {200, 20}, {55, -115}}},
        {"KX_Ar_FE",
         KX_Ar_FE_Entries(),
         &ArFluid(),
         {-189, -175, -160, -140, -125},
         {0.7, 1, 5, 20, 45},
         {{10, -180}, {50, -170}, {100, -150}, {500, -185}, {30, -140}},
         {{1, 0}, {1.01325, -150}, {10, 25}, {5, 150}, {20, -130}},
         {{60, -120}, {100, -100}, {1000, 0}, {200, 300}, {50, -122}}},
        {"KX_H2_FE",
         KX_H2_FE_Entries(),
         &H2Fluid(),
         {-259, -255, -250, -245, -242},
         {0.1, 1, 3, 7, 11},
         HydrogenLiquid,
         HydrogenVapour,
         HydrogenSupercritical},
        {"KX_H2o_FE",
         KX_H2o_FE_Entries(),
         &H2oFluid(),
         {-259, -255, -250, -245, -242},
         {0.1, 1, 3, 7, 11},
         HydrogenLiquid,
         HydrogenVapour,
         HydrogenSupercritical},
        {"KX_H2p_FE",
         KX_H2p_FE_Entries(),
         &H2pFluid(),
         {-259, -255, -250, -245, -242},
         {0.1, 1, 3, 7, 11},
         HydrogenLiquid,
         HydrogenVapour,
         HydrogenSupercritical},
    };
    return fluids;
}

const TKXLibraryEntry& Entry(const TFluidStates& f, const char* shortName) {
    for (const TKXLibraryEntry& e : f.Entries)
        if (std::strcmp(e.ShortName, shortName) == 0) return e;
    std::abort();  // a benchmark of a function the library does not have is a coding slip
}

// Calls fn over the states in turn; counts failures, which a benchmark state should not have.
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

// Reduced states of the fluid's single-phase benchmark states.
std::vector<TArgs> ReducedStates(const TFluidStates& f) {
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
    binary("XTH", "XTH", [&] {
        std::vector<TArgs> th;
        char text[256];
        int32_t code = 0;
        for (double T : f.SaturationT)
            th.push_back({T, Entry(f, "HTX").Ptr.Binary(T, 0.4, text, 255, &code)});
        return th;
    }());
    // The functions only some of these libraries register.
    for (const char* extra : {"ZPT", "TCPT", "DVPT", "KVPT"}) {
        bool present = false;
        for (const TKXLibraryEntry& e : f.Entries) present |= std::strcmp(e.ShortName, extra) == 0;
        if (!present) continue;
        binary(std::string(extra) + "_Vapour", extra, f.Vapour);
        binary(std::string(extra) + "_Liquid", extra, f.Liquid);
    }
}

const bool registered = [] {
    CreateFluidObjects();
    for (const TFluidStates& f : Fluids()) RegisterFluid(f);
    return true;
}();

}  // namespace
