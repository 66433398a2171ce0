#pragma once
// Internal building blocks of the IF97 routines: power series with their first and second
// derivatives, and combined evaluations (a property together with its temperature or volume
// derivative) that the inverse routines use for Newton steps. Not part of the library's
// interface; include KX_WS_IF97_Lib_Root.h for that.
#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

namespace if97::detail {

// One term n * x^I * y^J of a fitted equation, as the release lists it.
struct TPowerTerm {
    int I;
    int J;
    double n;
};

// x^0 ... x^N, each power formed once by multiplication in short independent chains (x^k from
// x^(k-8) and x^8) so that long tables cost little latency. Every index is a constant, so the
// powers stay in registers instead of an array in memory.
template <int N>
struct TPowerChain {
    double p[N + 1];

    explicit TPowerChain(double x) { Fill(x, std::make_integer_sequence<int, N + 1>{}); }

  private:
    template <int... K>
    void Fill(double x, std::integer_sequence<int, K...>) {
        ((p[K] = Next<K>(x)), ...);
    }
    template <int K>
    double Next(double x) const {
        if constexpr (K == 0)
            return 1.0;
        else if constexpr (K == 1)
            return x;
        else if constexpr (K <= 8)
            return p[K / 2] * p[K - K / 2];
        else
            return p[K - 8] * p[8];
    }
};

// x^k for Lo <= k <= Hi. Negative powers come from 1/x and are only built when Lo < 0.
template <int Lo, int Hi>
struct TPowers {
    static_assert(Lo <= 0 && Hi >= 0);
    TPowerChain<Hi> up;
    TPowerChain<-Lo> down;

    explicit TPowers(double x) : up(x), down(Lo < 0 ? 1.0 / x : 1.0) {}
    double operator[](int k) const { return k >= 0 ? up.p[k] : down.p[-k]; }
};

// Precomputed products of a term: n, n*I, n*I*(I-1), n*J, n*J*(J-1), n*I*J, and the exponents of
// the value and its derivatives. For a non-negative exponent the derivative exponents are kept
// at 0 or above: their coefficient is then zero, and no power of 1/x is needed (x may be 0).
struct TSeriesTerm {
    double n, nI, nII, nJ, nJJ, nIJ;
    int i0, i1, i2, j0, j1, j2;
};

constexpr int LoweredExponent(int e, int by) {
    return e >= 0 ? std::max(e - by, 0) : e - by;
}

template <std::size_t N>
constexpr std::array<TSeriesTerm, N> MakeSeries(const std::array<TPowerTerm, N>& t,
                                                std::size_t first = 0) {
    std::array<TSeriesTerm, N> s{};
    for (std::size_t k = 0; k < N; ++k) {
        const double n = k < first ? 0.0 : t[k].n;
        const int I = t[k].I, J = t[k].J;
        s[k] = {n,
                n * I,
                n * I * (I - 1),
                n * J,
                n * J * (J - 1),
                n * I * J,
                I,
                LoweredExponent(I, 1),
                LoweredExponent(I, 2),
                J,
                LoweredExponent(J, 1),
                LoweredExponent(J, 2)};
    }
    return s;
}

template <std::size_t N>
constexpr std::array<TSeriesTerm, N> MakeSeries(const TPowerTerm (&t)[N], std::size_t first = 0) {
    std::array<TPowerTerm, N> a{};
    for (std::size_t k = 0; k < N; ++k) a[k] = t[k];
    return MakeSeries(a, first);
}

// Lowest and highest exponent a sum needs: derivative exponents only when derivatives are asked
// for (by = 0, 1 or 2 orders).
template <std::size_t N>
constexpr int MinExponent(const std::array<TSeriesTerm, N>& s, bool ofX, int by) {
    int m = 0;
    for (const auto& t : s) {
        const int e = ofX ? (by == 0   ? t.i0
                             : by == 1 ? t.i1
                                       : t.i2)
                          : (by == 0   ? t.j0
                             : by == 1 ? t.j1
                                       : t.j2);
        m = std::min(m, e);
    }
    return m;
}
template <std::size_t N>
constexpr int MaxExponent(const std::array<TSeriesTerm, N>& s, bool ofX) {
    int m = 0;
    for (const auto& t : s) m = std::max(m, ofX ? t.i0 : t.j0);
    return m;
}

// Which sums a caller needs: f, df/dx, d2f/dx2, df/dy, d2f/dy2, d2f/dxdy.
enum : unsigned { kF = 1, kFx = 2, kFxx = 4, kFy = 8, kFyy = 16, kFxy = 32, kAll = 63 };

struct TSeriesSums {
    double f = 0.0, fx = 0.0, fxx = 0.0, fy = 0.0, fyy = 0.0, fxy = 0.0;
};

// One term's share of the requested sums. A term whose coefficient is zero adds nothing and is
// left out.
template <unsigned Need, const auto& Series, std::size_t K, class PX, class PY>
inline void AddTerm(const PX& X, const PY& Y, TSeriesSums& s) {
    constexpr TSeriesTerm t = Series[K];
    if constexpr ((Need & kF) && t.n != 0.0) s.f += t.n * X[t.i0] * Y[t.j0];
    if constexpr ((Need & kFx) && t.nI != 0.0) s.fx += t.nI * X[t.i1] * Y[t.j0];
    if constexpr ((Need & kFxx) && t.nII != 0.0) s.fxx += t.nII * X[t.i2] * Y[t.j0];
    if constexpr ((Need & kFy) && t.nJ != 0.0) s.fy += t.nJ * X[t.i0] * Y[t.j1];
    if constexpr ((Need & kFyy) && t.nJJ != 0.0) s.fyy += t.nJJ * X[t.i0] * Y[t.j2];
    if constexpr ((Need & kFxy) && t.nIJ != 0.0) s.fxy += t.nIJ * X[t.i1] * Y[t.j1];
}

// The terms in table order, unrolled: every exponent is a constant of the code.
template <unsigned Need, const auto& Series, class PX, class PY, std::size_t... K>
inline TSeriesSums SumTerms(const PX& X, const PY& Y, std::index_sequence<K...>) {
    TSeriesSums s;
    (AddTerm<Need, Series, K>(X, Y, s), ...);
    return s;
}

// Sum of n x^I y^J and the requested derivatives with respect to x and y: the powers of x and y
// are formed once, each sum runs over the terms in one pass.
template <unsigned Need, const auto& Series>
TSeriesSums SumSeries(double x, double y) {
    constexpr unsigned kNeed2X = kFxx, kNeed1X = kFx | kFxy;
    constexpr unsigned kNeed2Y = kFyy, kNeed1Y = kFy | kFxy;
    constexpr int xBy = (Need & kNeed2X) ? 2 : (Need & kNeed1X) ? 1 : 0;
    constexpr int yBy = (Need & kNeed2Y) ? 2 : (Need & kNeed1Y) ? 1 : 0;
    constexpr int xLo = MinExponent(Series, true, xBy), xHi = MaxExponent(Series, true);
    constexpr int yLo = MinExponent(Series, false, yBy), yHi = MaxExponent(Series, false);
    const TPowers<xLo, xHi> X(x);
    const TPowers<yLo, yHi> Y(y);
    return SumTerms<Need, Series>(X, Y, std::make_index_sequence<Series.size()>{});
}

// Sum of n x^I y^J without derivatives (backward equations).
template <const auto& Series>
double SumSeriesValue(double x, double y) {
    return SumSeries<kF, Series>(x, y).f;
}

// Property and its derivative along the iteration variable, for Newton steps.
struct TValueSlope {
    double value;
    double slope;
};

// h and dh/dT = cp at (p, T).
TValueSlope Region1_HSlope(double p, double T);
TValueSlope Region2_HSlope(double p, double T);
TValueSlope Region5_HSlope(double p, double T);
// s and ds/dT = cp/T at (p, T).
TValueSlope Region1_SSlope(double p, double T);
TValueSlope Region2_SSlope(double p, double T);
TValueSlope Region5_SSlope(double p, double T);
// p and dp/dv at (v, T) in region 3.
TValueSlope Region3_PSlope(double v, double T);
// Region-3 pressure and h or s at (v, T) with their derivatives along v (constant T) and along T
// (constant v), for Newton steps in (v, T).
struct TRegion3Partials {
    double p, p_v, p_T;
    double z, z_v, z_T;
};
TRegion3Partials Region3_PartialsH(double v, double T);
TRegion3Partials Region3_PartialsS(double v, double T);

// phi(delta1, tau) - phi(delta2, tau) of region 3, the ln(delta) term taken as
// n1 ln(delta1/delta2).
double Region3_PhiDifference(double delta1, double delta2, double tau);

// Saturated liquid and vapour volumes for 623.15 K <= T <= Tc (equal-area condition on the
// region-3 equation); false when the iteration fails.
bool Region3_SatVolumes(double T, double* vLiquid, double* vVapour);

// Region-3 volume at (p, T) on the side a forced phase asks for (kPhaseLiquid, kPhaseVapour):
// below Tc and pc the root on that side of the saturation line where it exists, otherwise
// Region3_VPT.
double Region3_VPT_Phase(double p, double T, int phase, bool* ok);

// Marks a failure and returns the 0 the caller hands back.
inline double Failed(bool* ok) {
    if (ok) *ok = false;
    return 0.0;
}

// The region-3 volume as a (v, T) function, so the dispatchers treat it as any other property.
inline double Region3VolumeOf(double v, double) {
    return v;
}

// T_PH by the bracketing iteration alone, without the Newton start from the backward equations
// (kept to compare and benchmark the two).
double T_PH_Bracketed(double p, double h, bool* ok);

// Region 1 backward T(p,h), used as the start of the (p,h) temperature iteration.
double Region1_T_PH(double p, double h);

}  // namespace if97::detail
