// Temperature from (p, h) by a bracketing iteration on the forward enthalpy of a fixed phase,
// with Newton steps from the backward equations first where one region equation holds.
#include <cmath>

#include "KX_WS_IF97_FlashSearch.h"
#include "KX_WS_IF97_Lib_Root.h"
#include "KX_WS_IF97_Regions.h"

namespace if97 {
using namespace flash;

namespace {

constexpr double kTPH_Tolerance = 0.001;  // J/kg, enthalpy tolerance of T_PH
constexpr int kTPH_PassLimit = 1000;

// Enthalpy at (p, T) with a fixed phase, as the iteration evaluates it. A fault inside gives 0
// (the iteration goes on), and is remembered so that a fault is never taken as converged.
struct TPhaseEnthalpy {
    int phase;
    double p;
    mutable bool lastFaulted = false;
    double operator()(double T) const {
        bool ok = true;
        const double h = H_PT(phase, p, T, &ok);
        lastFaulted = !ok;
        return h;
    }
};

// A temperature bracket and the enthalpies at its ends where they are known already (the
// saturated values at a saturation-temperature end), NaN where they are not.
struct TBracket {
    double lo, hi;
    double hLo = kNaN, hHi = kNaN;
};

// Bisection for four passes, then false position, until |H(T) - h| < 0.001 J/kg.
double BracketedTemperature(const TPhaseEnthalpy& H, double h, TBracket b, bool* ok) {
    double lo = b.lo, hi = b.hi, hLo = b.hLo, hHi = b.hHi;
    bool haveLo = !std::isnan(hLo), haveHi = !std::isnan(hHi);
    for (int pass = 1; pass <= kTPH_PassLimit; ++pass) {
        double T;
        if (pass < 5) {
            T = 0.5 * (lo + hi);
        } else {
            if (!haveLo) hLo = H(lo), haveLo = true;
            if (!haveHi) hHi = H(hi), haveHi = true;
            T = lo + (h - hLo) * (hi - lo) / (hHi - hLo);
        }
        const double hNew = H(T);
        if (std::isnan(hNew) || std::isnan(T)) break;
        const bool faulted = H.lastFaulted;
        if (hNew <= h) {
            lo = T;
            hLo = hNew;
            haveLo = true;
        } else {
            hi = T;
            hHi = hNew;
            haveHi = true;
        }
        if (std::fabs(hNew - h) < kTPH_Tolerance) {
            if (pass < kTPH_PassLimit && !faulted) return T;
            break;
        }
    }
    return Failed(0.0, ok);
}

// Where the bracketing iteration cannot settle to 0.001 J/kg - where the phase-fixed enthalpy
// jumps between two region equations on their common boundary (by up to 134 J/kg on the B23
// line near 60 MPa, 30 J/kg at 623.15 K, 20 J/kg at 1073.15 K), or within a few millikelvin of
// the critical point, where the region-3 volume and with it h are not smooth to that tolerance -
// bisection narrows [lo, hi] to the temperature at which the enthalpy crosses h. That
// temperature is the answer when the enthalpy changes there by no more than such a jump; a
// larger change is a failure.
// At a saturation-temperature end whose enthalpy is the saturated value, the region-3 isobar
// starts up to some 340 J/kg beside that value near the critical point (the saturation equation
// and the equal-area condition of region 3 differ slightly there); a crossing that stays at that
// end is a saturated state, at Tsat itself.
double CrossingTemperature(const TPhaseEnthalpy& H, double h, TBracket b, bool* ok) {
    constexpr double kLargestJump = 150.0;  // J/kg
    constexpr double kWidth = 1e-10;        // relative temperature width
    double lo = b.lo, hi = b.hi;
    double hLo = std::isnan(b.hLo) ? H(lo) : b.hLo;
    if (H.lastFaulted) return Failed(0.0, ok);
    double hHi = std::isnan(b.hHi) ? H(hi) : b.hHi;
    if (H.lastFaulted || !(hLo <= h && h <= hHi)) return Failed(0.0, ok);
    for (int pass = 0; pass < 200 && hi - lo > kWidth * hi; ++pass) {
        const double mid = 0.5 * (lo + hi);
        const double hMid = H(mid);
        if (H.lastFaulted || std::isnan(hMid)) return Failed(0.0, ok);
        if (hMid <= h) {
            lo = mid;
            hLo = hMid;
        } else {
            hi = mid;
            hHi = hMid;
        }
    }
    if (hi - lo <= kWidth * hi) {
        if (lo == b.lo && !std::isnan(b.hLo)) return b.lo;
        if (hi == b.hi && !std::isnan(b.hHi)) return b.hi;
    }
    const double T = 0.5 * (lo + hi);
    // Beside the critical point the isobaric enthalpy is nearly vertical in T: a large change
    // over the last interval is its steepness there, not a jump.
    const bool nearCritical = std::fabs(T - Tc) < 1e-3;
    if (!(hi - lo <= kWidth * hi && (hHi - hLo <= kLargestJump || nearCritical))) {
        return Failed(0.0, ok);
    }
    return T;
}

// Newton on one region's enthalpy from a backward-equation start; accepted only when the
// temperature stays in [lo, hi], meets the tolerance of the bracketing iteration, and lies where
// the phase-fixed enthalpy is this region's (inRegion).
template <class InRegion>
bool FastTemperature(TSlopeFunction F, double p, double h, double start, double lo, double hi,
                     InRegion inRegion, double* T) {
    double t;
    start = std::fmin(std::fmax(start, lo), hi);
    if (!NewtonTemperature(F, p, h, start, lo, hi, &t) || !inRegion(t)) return false;
    if (!(std::fabs(F(p, t).value - h) < kTPH_Tolerance)) return false;
    *T = t;
    return true;
}

// fastStart: Newton from the backward equations before the bracketing iteration.
double TemperatureFromEnthalpy(double p, double h, bool fastStart, bool* ok) {
    if (!(p > 0.0 && p <= p_100)) return Failed(0.0, ok);
    int phase;
    double lo, hi;
    // At a saturation-temperature end the enthalpy is the saturated value: near the critical
    // point the region-3 volume there is not unique to working precision, the saturated value is.
    double hAtLo = kNaN, hAtHi = kNaN;
    if (p > pc) {
        phase = kPhaseByRegion;
        lo = T0;
        hi = T_1073;
    } else {
        // Saturated enthalpies; below 611.213 Pa both are 0 and the vapour branch follows.
        double hL = 0.0, hV = 0.0;
        if (p >= psat_273 && p < p_623) {
            const double Ts = Tsat(p);
            hL = Region1_H(p, Ts);
            hV = Region2_H(p, Ts);
        } else if (p >= psat_273) {
            double v1, v2;
            const double Ts = Tsat(p);
            if (!detail::Region3_SatVolumes(Ts, &v1, &v2)) return Failed(0.0, ok);
            hL = Region3_H(v1, Ts);
            hV = Region3_H(v2, Ts);
        }
        if (h <= hL) {
            phase = kPhaseLiquid;
            lo = T0;
            hi = Tsat(p);
            if (p >= psat_273) hAtHi = hL;
        } else if (h >= hV) {
            phase = kPhaseVapour;
            // Tsat has no value below about 5.7e-3 Pa; the range starts at 273.15 K there.
            lo = ExtrapolatedTsat(p);
            if (std::isnan(lo)) lo = T0;
            hi = T_1073;
            if (p >= psat_273) hAtLo = hV;
        } else {
            return Tsat(p);
        }
    }

    // Above the enthalpy at 1073.15 K (admitted below 10 MPa) the state is in region 5. Region 5
    // starts a little above region 2 there; an enthalpy between the two is at 1073.15 K.
    if (phase == kPhaseVapour && p <= p_10 && h > H_PT(kPhaseVapour, p, T_1073)) {
        const double T5 = Region5TemperatureFromH(p, h, ok);
        return (T5 >= kT_Region5Low && T5 < T_1073) ? T_1073 : T5;
    }

    // Fast start where the phase-fixed enthalpy is a single region equation.
    double T;
    const auto anywhere = [](double) { return true; };
    const auto inRegion1 = [p](double t) { return RegionPT(p, t) == 1; };
    const auto inRegion2 = [p](double t) { return RegionPT(p, t) == 2; };
    if (fastStart && phase == kPhaseLiquid &&
        FastTemperature(detail::Region1_HSlope, p, h, detail::Region1_T_PH(p, h), lo,
                        std::fmin(hi, T_623), anywhere, &T)) {
        return T;
    }
    if (fastStart && phase == kPhaseVapour && p <= 16529200.0 &&
        FastTemperature(detail::Region2_HSlope, p, h, Region2_T_PH(p, h), lo, hi, anywhere, &T)) {
        return T;
    }
    if (fastStart && phase == kPhaseByRegion &&
        (FastTemperature(detail::Region1_HSlope, p, h, detail::Region1_T_PH(p, h), lo, T_623,
                         inRegion1, &T) ||
         FastTemperature(detail::Region2_HSlope, p, h, Region2_T_PH(p, h), lo, hi, inRegion2,
                         &T))) {
        return T;
    }
    bool converged = true;
    const TBracket bracket{lo, hi, hAtLo, hAtHi};
    T = BracketedTemperature(TPhaseEnthalpy{phase, p}, h, bracket, &converged);
    if (converged) return T;
    return CrossingTemperature(TPhaseEnthalpy{phase, p}, h, bracket, ok);
}

}  // namespace

double T_PH(double p, double h, bool* ok) {
    return TemperatureFromEnthalpy(p, h, true, ok);
}

namespace detail {

double T_PH_Bracketed(double p, double h, bool* ok) {
    return TemperatureFromEnthalpy(p, h, false, ok);
}

}  // namespace detail

}  // namespace if97
