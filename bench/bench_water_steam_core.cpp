// The water and steam core routines: region equations, saturation line, region-3 volumes,
// near-critical saturation and the inverse routines, each on a handful of states cycled through
// so that no result is computed once and reused. Where a faster method stands beside the
// bracketing or backward-only method it replaces, both are measured.
#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>

#include "KX_WS_IF97_Lib_Root.h"
#include "KX_WS_IF97_Regions.h"

namespace {

using namespace if97;

struct TState {
    double a, b;
};

// (p, T) states of each region.
constexpr std::array<TState, 4> kRegion1PT{
    {{1e5, 300.0}, {3e6, 350.0}, {30e6, 500.0}, {80e6, 600.0}}};
constexpr std::array<TState, 4> kRegion2PT{
    {{3500.0, 300.0}, {1e5, 450.0}, {3e6, 700.0}, {30e6, 900.0}}};
constexpr std::array<TState, 4> kRegion3PT{
    {{25e6, 650.0}, {30e6, 680.0}, {50e6, 700.0}, {20e6, 635.0}}};
constexpr std::array<TState, 4> kRegion5PT{
    {{5e5, 1500.0}, {1e6, 1200.0}, {5e6, 2000.0}, {8e6, 1600.0}}};

template <std::size_t N, class F>
void Cycle(benchmark::State& state, const std::array<TState, N>& states, F f) {
    std::size_t i = 0;
    for (auto _ : state) {
        const TState& s = states[i];
        benchmark::DoNotOptimize(f(s.a, s.b));
        i = (i + 1) % N;
    }
}

// (p, h) and (p, s) states built from the (p, T) states once.
template <std::size_t N>
std::array<TState, N> WithEnthalpy(const std::array<TState, N>& pt) {
    std::array<TState, N> out{};
    for (std::size_t i = 0; i < N; ++i) out[i] = {pt[i].a, H_PT(kPhaseByRegion, pt[i].a, pt[i].b)};
    return out;
}
template <std::size_t N>
std::array<TState, N> WithEntropy(const std::array<TState, N>& pt) {
    std::array<TState, N> out{};
    for (std::size_t i = 0; i < N; ++i) out[i] = {pt[i].a, S_PT(pt[i].a, pt[i].b)};
    return out;
}

// ---- (p, T) properties ----
void BM_Region1_H(benchmark::State& s) {
    Cycle(s, kRegion1PT, Region1_H);
}
void BM_Region1_V(benchmark::State& s) {
    Cycle(s, kRegion1PT, Region1_V);
}
void BM_Region1_S(benchmark::State& s) {
    Cycle(s, kRegion1PT, Region1_S);
}
void BM_Region1_Cp(benchmark::State& s) {
    Cycle(s, kRegion1PT, Region1_Cp);
}
void BM_Region1_W(benchmark::State& s) {
    Cycle(s, kRegion1PT, Region1_W);
}
void BM_Region2_H(benchmark::State& s) {
    Cycle(s, kRegion2PT, Region2_H);
}
void BM_Region2_V(benchmark::State& s) {
    Cycle(s, kRegion2PT, Region2_V);
}
void BM_Region2_S(benchmark::State& s) {
    Cycle(s, kRegion2PT, Region2_S);
}
void BM_Region2_Cp(benchmark::State& s) {
    Cycle(s, kRegion2PT, Region2_Cp);
}
void BM_Region2_W(benchmark::State& s) {
    Cycle(s, kRegion2PT, Region2_W);
}
void BM_Region5_H(benchmark::State& s) {
    Cycle(s, kRegion5PT, Region5_H);
}
void BM_Region3_P(benchmark::State& s) {
    constexpr std::array<TState, 3> vT{{{0.002, 650.0}, {0.005, 650.0}, {0.002, 750.0}}};
    Cycle(s, vT, Region3_P);
}
void BM_H_PT_Region1(benchmark::State& s) {
    Cycle(s, kRegion1PT, [](double p, double T) { return H_PT(kPhaseByRegion, p, T); });
}
void BM_H_PT_Region2(benchmark::State& s) {
    Cycle(s, kRegion2PT, [](double p, double T) { return H_PT(kPhaseByRegion, p, T); });
}
void BM_H_PT_Region3(benchmark::State& s) {
    Cycle(s, kRegion3PT, [](double p, double T) { return H_PT(kPhaseByRegion, p, T); });
}
void BM_W_PT_Region3(benchmark::State& s) {
    Cycle(s, kRegion3PT, [](double p, double T) { return W_PT(p, T); });
}
void BM_Region3_VPT(benchmark::State& s) {
    Cycle(s, kRegion3PT, [](double p, double T) { return Region3_VPT(p, T); });
}
void BM_Region3_VPT_Near_Critical(benchmark::State& s) {
    // Above 642 K below pc the brackets come from searches for the spinodals.
    constexpr std::array<TState, 2> pt{{{21.9e6, 645.0}, {22.0e6, 646.5}}};
    Cycle(s, pt, [](double p, double T) { return Region3_VPT(p, T); });
}

// ---- Saturation line ----
void BM_Psat(benchmark::State& s) {
    constexpr std::array<TState, 4> t{{{300.0, 0}, {373.15, 0}, {500.0, 0}, {640.0, 0}}};
    Cycle(s, t, [](double T, double) { return Psat(T); });
}
void BM_Tsat(benchmark::State& s) {
    constexpr std::array<TState, 4> p{{{1e3, 0}, {1e5, 0}, {1e6, 0}, {20e6, 0}}};
    Cycle(s, p, [](double p, double) { return Tsat(p); });
}
void BM_H_TX_Below623K(benchmark::State& s) {
    constexpr std::array<TState, 3> t{{{300.0, 0.0}, {450.0, 0.5}, {600.0, 1.0}}};
    Cycle(s, t, [](double T, double x) { return H_TX(T, x); });
}
void BM_H_TX_Region3(benchmark::State& s) {
    constexpr std::array<TState, 3> t{{{630.0, 0.0}, {640.0, 0.5}, {646.0, 1.0}}};
    Cycle(s, t, [](double T, double x) { return H_TX(T, x); });
}
void BM_RegionPH(benchmark::State& s) {
    static const auto ph = WithEnthalpy(kRegion2PT);
    Cycle(s, ph, RegionPH);
}

// ---- Temperature from (p, h): Newton start from the backward equations, and the bracketing
// iteration alone ----
void BM_T_PH_Region1(benchmark::State& s) {
    static const auto ph = WithEnthalpy(kRegion1PT);
    Cycle(s, ph, [](double p, double h) { return T_PH(p, h); });
}
void BM_T_PH_Region1_Bracketed(benchmark::State& s) {
    static const auto ph = WithEnthalpy(kRegion1PT);
    Cycle(s, ph, [](double p, double h) { return detail::T_PH_Bracketed(p, h, nullptr); });
}
void BM_T_PH_Region2(benchmark::State& s) {
    static const auto ph = WithEnthalpy(kRegion2PT);
    Cycle(s, ph, [](double p, double h) { return T_PH(p, h); });
}
void BM_T_PH_Region2_Bracketed(benchmark::State& s) {
    static const auto ph = WithEnthalpy(kRegion2PT);
    Cycle(s, ph, [](double p, double h) { return detail::T_PH_Bracketed(p, h, nullptr); });
}
void BM_T_PH_Region3(benchmark::State& s) {
    static const auto ph = WithEnthalpy(kRegion3PT);
    Cycle(s, ph, [](double p, double h) { return T_PH(p, h); });
}
void BM_T_PH_Region5(benchmark::State& s) {
    static const auto ph = WithEnthalpy(kRegion5PT);
    Cycle(s, ph, [](double p, double h) { return T_PH(p, h); });
}

// ---- Temperature from (p, s): backward equations refined on the forward equations, and the
// backward equations alone ----
void BM_T_PS_Region1(benchmark::State& s) {
    static const auto ps = WithEntropy(kRegion1PT);
    Cycle(s, ps, [](double p, double e) { return T_PS(p, e); });
}
void BM_Region1_T_PS_BackwardOnly(benchmark::State& s) {
    static const auto ps = WithEntropy(kRegion1PT);
    Cycle(s, ps, Region1_T_PS);
}
void BM_T_PS_Region2(benchmark::State& s) {
    static const auto ps = WithEntropy(kRegion2PT);
    Cycle(s, ps, [](double p, double e) { return T_PS(p, e); });
}
void BM_Region2_T_PS_BackwardOnly(benchmark::State& s) {
    static const auto ps = WithEntropy(kRegion2PT);
    Cycle(s, ps, [](double p, double e) { return Region2_T_PS(p, e); });
}
void BM_T_PS_Region3(benchmark::State& s) {
    static const auto ps = WithEntropy(kRegion3PT);
    Cycle(s, ps, [](double p, double e) { return T_PS(p, e); });
}

// ---- Flashes ----
void BM_TX_PH_Region1(benchmark::State& s) {
    static const auto ph = WithEnthalpy(kRegion1PT);
    Cycle(s, ph, [](double p, double h) { return TX_PH(p, h).T; });
}
void BM_TX_PH_Region2(benchmark::State& s) {
    static const auto ph = WithEnthalpy(kRegion2PT);
    Cycle(s, ph, [](double p, double h) { return TX_PH(p, h).T; });
}
void BM_TX_PH_TwoPhase(benchmark::State& s) {
    constexpr std::array<TState, 3> ph{{{1e5, 1.5e6}, {1e6, 2e6}, {10e6, 2.2e6}}};
    Cycle(s, ph, [](double p, double h) { return TX_PH(p, h).x; });
}
void BM_S_PH_Region2(benchmark::State& s) {
    static const auto ph = WithEnthalpy(kRegion2PT);
    Cycle(s, ph, [](double p, double h) { return S_PH(p, h); });
}
void BM_H_PS_Region1(benchmark::State& s) {
    static const auto ps = WithEntropy(kRegion1PT);
    Cycle(s, ps, [](double p, double e) { return H_PS(p, e); });
}
void BM_X_TH(benchmark::State& s) {
    constexpr std::array<TState, 3> th{{{373.15, 1.5e6}, {500.0, 2e6}, {640.0, 2e6}}};
    Cycle(s, th, [](double T, double h) { return X_TH(T, h); });
}

}  // namespace

BENCHMARK(BM_Region1_H);
BENCHMARK(BM_Region1_V);
BENCHMARK(BM_Region1_S);
BENCHMARK(BM_Region1_Cp);
BENCHMARK(BM_Region1_W);
BENCHMARK(BM_Region2_H);
BENCHMARK(BM_Region2_V);
BENCHMARK(BM_Region2_S);
BENCHMARK(BM_Region2_Cp);
BENCHMARK(BM_Region2_W);
BENCHMARK(BM_Region5_H);
BENCHMARK(BM_Region3_P);
BENCHMARK(BM_H_PT_Region1);
BENCHMARK(BM_H_PT_Region2);
BENCHMARK(BM_H_PT_Region3);
BENCHMARK(BM_W_PT_Region3);
BENCHMARK(BM_Region3_VPT);
BENCHMARK(BM_Region3_VPT_Near_Critical);
BENCHMARK(BM_Psat);
BENCHMARK(BM_Tsat);
BENCHMARK(BM_H_TX_Below623K);
BENCHMARK(BM_H_TX_Region3);
BENCHMARK(BM_RegionPH);
BENCHMARK(BM_T_PH_Region1);
BENCHMARK(BM_T_PH_Region1_Bracketed);
BENCHMARK(BM_T_PH_Region2);
BENCHMARK(BM_T_PH_Region2_Bracketed);
BENCHMARK(BM_T_PH_Region3);
BENCHMARK(BM_T_PH_Region5);
BENCHMARK(BM_T_PS_Region1);
BENCHMARK(BM_Region1_T_PS_BackwardOnly);
BENCHMARK(BM_T_PS_Region2);
BENCHMARK(BM_Region2_T_PS_BackwardOnly);
BENCHMARK(BM_T_PS_Region3);
BENCHMARK(BM_TX_PH_Region1);
BENCHMARK(BM_TX_PH_Region2);
BENCHMARK(BM_TX_PH_TwoPhase);
BENCHMARK(BM_S_PH_Region2);
BENCHMARK(BM_H_PS_Region1);
BENCHMARK(BM_X_TH);
