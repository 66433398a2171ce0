// Ammonia library: every function family through its entry points, over liquid, vapour,
// supercritical and two-phase states.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "KX_Fluid_Objects.h"
#include "KX_NH3_FE_Lib.h"
#include "KX_NH3_FE_Lib_Root.h"
#include "fluid_bench_support.h"

namespace {

using fluidbench::ByFlashValue;
using fluidbench::RunBinary;
using fluidbench::RunUnary;
using fluidbench::TArgs;

// Single-phase states (bar, °C): compressed liquid, superheated vapour, supercritical.
const std::vector<TArgs>& LiquidPT() {
    static const std::vector<TArgs> v = {{10, -20}, {50, 20}, {100, 60}, {20, -60}, {200, 100}};
    return v;
}
const std::vector<TArgs>& VapourPT() {
    static const std::vector<TArgs> v = {{1, 0}, {1.01325, 50}, {10, 80}, {5, 150}, {50, 120}};
    return v;
}
const std::vector<TArgs>& SupercriticalPT() {
    static const std::vector<TArgs> v = {{150, 140}, {200, 300}, {1000, 0}, {500, 400}, {120, 200}};
    return v;
}

// Two-phase states at these pressures (bar), from the vapour fraction 0.4.
std::vector<TArgs> TwoPhase(TBinaryFunction valuePX) {
    return fluidbench::TwoPhase({1.0, 5.0, 20.0, 60.0, 100.0}, valuePX);
}

void BM_PsatT(benchmark::State& s) {
    RunUnary(s, KX_NH3_FE_PsatT, {-70.0, -30.0, 0.0, 50.0, 120.0});
}
void BM_TsatP(benchmark::State& s) {
    RunUnary(s, KX_NH3_FE_TsatP, {0.1, 1.0, 10.0, 50.0, 110.0});
}
void BM_MixtureTX(benchmark::State& s) {
    RunBinary(s, KX_NH3_FE_HTX, {{-70, 0.3}, {-30, 0.5}, {0, 0.7}, {50, 0.1}, {120, 0.9}});
}
void BM_MixturePX(benchmark::State& s) {
    RunBinary(s, KX_NH3_FE_HPX, {{0.1, 0.3}, {1, 0.5}, {10, 0.7}, {50, 0.1}, {110, 0.9}});
}
void BM_DPT_Liquid(benchmark::State& s) {
    RunBinary(s, KX_NH3_FE_DPT, LiquidPT());
}
void BM_DPT_Vapour(benchmark::State& s) {
    RunBinary(s, KX_NH3_FE_DPT, VapourPT());
}
void BM_DPT_Supercritical(benchmark::State& s) {
    RunBinary(s, KX_NH3_FE_DPT, SupercriticalPT());
}
void BM_HPT_Liquid(benchmark::State& s) {
    RunBinary(s, KX_NH3_FE_HPT, LiquidPT());
}
void BM_HPT_Vapour(benchmark::State& s) {
    RunBinary(s, KX_NH3_FE_HPT, VapourPT());
}
void BM_SPT_Vapour(benchmark::State& s) {
    RunBinary(s, KX_NH3_FE_SPT, VapourPT());
}
void BM_CpPT_Vapour(benchmark::State& s) {
    RunBinary(s, KX_NH3_FE_CpPT, VapourPT());
}
void BM_WPT_Liquid(benchmark::State& s) {
    RunBinary(s, KX_NH3_FE_WPT, LiquidPT());
}
void BM_TPH_Liquid(benchmark::State& s) {
    RunBinary(s, KX_NH3_FE_TPH, ByFlashValue(LiquidPT(), KX_NH3_FE_HPT));
}
void BM_TPH_Vapour(benchmark::State& s) {
    RunBinary(s, KX_NH3_FE_TPH, ByFlashValue(VapourPT(), KX_NH3_FE_HPT));
}
void BM_TPH_Supercritical(benchmark::State& s) {
    RunBinary(s, KX_NH3_FE_TPH, ByFlashValue(SupercriticalPT(), KX_NH3_FE_HPT));
}
void BM_TPH_TwoPhase(benchmark::State& s) {
    RunBinary(s, KX_NH3_FE_TPH, TwoPhase(KX_NH3_FE_HPX));
}
void BM_SPH_Vapour(benchmark::State& s) {
    RunBinary(s, KX_NH3_FE_SPH, ByFlashValue(VapourPT(), KX_NH3_FE_HPT));
}
void BM_TPS_Liquid(benchmark::State& s) {
    RunBinary(s, KX_NH3_FE_TPS, ByFlashValue(LiquidPT(), KX_NH3_FE_SPT));
}
void BM_TPS_Vapour(benchmark::State& s) {
    RunBinary(s, KX_NH3_FE_TPS, ByFlashValue(VapourPT(), KX_NH3_FE_SPT));
}
void BM_TPS_Supercritical(benchmark::State& s) {
    RunBinary(s, KX_NH3_FE_TPS, ByFlashValue(SupercriticalPT(), KX_NH3_FE_SPT));
}
void BM_HPS_TwoPhase(benchmark::State& s) {
    RunBinary(s, KX_NH3_FE_HPS, TwoPhase(KX_NH3_FE_SPX));
}
void BM_XTH(benchmark::State& s) {
    RunBinary(s, KX_NH3_FE_XTH, {{-70, 500}, {-30, 600}, {0, 700}, {50, 1000}, {120, 1200}});
}
void BM_STT(benchmark::State& s) {
    RunUnary(s, KX_NH3_FE_STT, {-70.0, -30.0, 0.0, 50.0, 120.0});
}
void BM_DVPT(benchmark::State& s) {
    RunBinary(s, KX_NH3_FE_DVPT, VapourPT());
}
void BM_KVPT(benchmark::State& s) {
    RunBinary(s, KX_NH3_FE_KVPT, LiquidPT());
}
// The plain iterations against the faster routes that the library uses in their place.
template <class Method>
void RunDensity(benchmark::State& state, Method method, const std::vector<TArgs>& args) {
    const TNH3_FE& f = NH3Fluid();
    std::string text;
    int32_t code = 0;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize((f.*method)(args[i].X1, args[i].X2, text, code));
        i = i + 1 == args.size() ? 0 : i + 1;
    }
}
template <class Method>
void RunSaturation(benchmark::State& state, Method method, const std::vector<double>& args) {
    const TNH3_FE& f = NH3Fluid();
    std::string text;
    int32_t code = 0;
    double a = 0, b = 0, c = 0;
    std::size_t i = 0;
    for (auto _ : state) {
        (f.*method)(args[i], a, b, c, text, code);
        benchmark::DoNotOptimize(a);
        i = i + 1 == args.size() ? 0 : i + 1;
    }
}
void BM_Plain_Solve_DPT_Liquid(benchmark::State& s) {
    RunDensity(s, &THelmholzFluid::Solve_DPT, LiquidPT());
}
void BM_Fast_DensityPT_Liquid(benchmark::State& s) {
    RunDensity(s, &THelmholzFluid::DensityPT, LiquidPT());
}
void BM_Plain_Solve_DPT_Vapour(benchmark::State& s) {
    RunDensity(s, &THelmholzFluid::Solve_DPT, VapourPT());
}
void BM_Fast_DensityPT_Vapour(benchmark::State& s) {
    RunDensity(s, &THelmholzFluid::DensityPT, VapourPT());
}
void BM_Plain_Solve_DPT_Supercritical(benchmark::State& s) {
    RunDensity(s, &THelmholzFluid::Solve_DPT, SupercriticalPT());
}
void BM_Fast_DensityPT_Supercritical(benchmark::State& s) {
    RunDensity(s, &THelmholzFluid::DensityPT, SupercriticalPT());
}
const std::vector<double> SaturationTemperatures = {-70.0, -30.0, 0.0, 50.0, 120.0};
const std::vector<double> SaturationPressures = {0.1, 1.0, 10.0, 50.0, 110.0};
void BM_Plain_Maxwell_Criterion_Ps(benchmark::State& s) {
    RunSaturation(s, &THelmholzFluid::Maxwell_Criterion_Ps, SaturationTemperatures);
}
void BM_Fast_SaturationFromT(benchmark::State& s) {
    RunSaturation(s, &THelmholzFluid::SaturationFromT, SaturationTemperatures);
}
void BM_Plain_Maxwell_Criterion_Ts(benchmark::State& s) {
    RunSaturation(s, &THelmholzFluid::Maxwell_Criterion_Ts, SaturationPressures);
}
void BM_Fast_SaturationFromP(benchmark::State& s) {
    RunSaturation(s, &THelmholzFluid::SaturationFromP, SaturationPressures);
}

void BM_Constant(benchmark::State& s) {
    char text[256];
    int32_t code = 0;
    for (auto _ : s) benchmark::DoNotOptimize(KX_NH3_FE_Tc(text, 255, &code));
}

}  // namespace

BENCHMARK(BM_PsatT);
BENCHMARK(BM_TsatP);
BENCHMARK(BM_MixtureTX);
BENCHMARK(BM_MixturePX);
BENCHMARK(BM_DPT_Liquid);
BENCHMARK(BM_DPT_Vapour);
BENCHMARK(BM_DPT_Supercritical);
BENCHMARK(BM_HPT_Liquid);
BENCHMARK(BM_HPT_Vapour);
BENCHMARK(BM_SPT_Vapour);
BENCHMARK(BM_CpPT_Vapour);
BENCHMARK(BM_WPT_Liquid);
BENCHMARK(BM_TPH_Liquid);
BENCHMARK(BM_TPH_Vapour);
BENCHMARK(BM_TPH_Supercritical);
BENCHMARK(BM_TPH_TwoPhase);
BENCHMARK(BM_SPH_Vapour);
BENCHMARK(BM_TPS_Liquid);
BENCHMARK(BM_TPS_Vapour);
BENCHMARK(BM_TPS_Supercritical);
BENCHMARK(BM_HPS_TwoPhase);
BENCHMARK(BM_XTH);
BENCHMARK(BM_STT);
BENCHMARK(BM_DVPT);
BENCHMARK(BM_KVPT);
BENCHMARK(BM_Constant);
BENCHMARK(BM_Plain_Solve_DPT_Liquid);
BENCHMARK(BM_Fast_DensityPT_Liquid);
BENCHMARK(BM_Plain_Solve_DPT_Vapour);
BENCHMARK(BM_Fast_DensityPT_Vapour);
BENCHMARK(BM_Plain_Solve_DPT_Supercritical);
BENCHMARK(BM_Fast_DensityPT_Supercritical);
BENCHMARK(BM_Plain_Maxwell_Criterion_Ps);
BENCHMARK(BM_Fast_SaturationFromT);
BENCHMARK(BM_Plain_Maxwell_Criterion_Ts);
BENCHMARK(BM_Fast_SaturationFromP);
