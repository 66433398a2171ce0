// Inverse and flash routines: temperature and vapour fraction from (p,h), (p,s), (T,h), (T,s).
//
// Every temperature search is Brent's method on the forward equation within the bracket of its
// region, as the table in each routine gives. Where a backward equation or a smooth forward
// equation offers a good start, Newton steps on the forward equation (with its analytic
// temperature derivative) come first; they are accepted only inside the same bracket, so they
// find the root Brent's method would find, to full precision and in a few evaluations. When they
// do not settle, the Brent search runs as before. Results of Brent's method are polished by
// Newton steps in the same way, and temperatures from the backward equations (accurate to about
// 10-25 mK) are refined on the forward equation, so that the (p,T) functions at the flash
// temperature give back the enthalpy or entropy the flash started from.
#include <cmath>
#include <limits>

#include "KX_WS_IF97_Lib_Root.h"
#include "KX_WS_IF97_Regions.h"

namespace if97 {
namespace {

using detail::TValueSlope;
using TSlopeFunction = TValueSlope (*)(double p, double T);

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

constexpr double kT_Region3Low = 622.52685;  // K, lower end of the region-3 temperature searches
constexpr double kT_Region1High = 624.0;     // K, region-1 search end at and above pc
constexpr double kT_Region5Low = 1073.0, kT_Region5High = 2273.3;     // K, region-5 searches
constexpr double kT_LowPressureLow = 273.0, kT_LowPressureHigh = 1073.3;  // K
constexpr double kT_Region2cHighBelow623 = 750.0, kT_Region2cHighAbove623 = 1050.0;  // K
constexpr double kT_RefineLow = 200.0;         // K, lowest temperature a refinement may reach
constexpr double kSatOffset = 1e-08;          // K, region-3 search ends beside Tsat
constexpr double kTPH_Tolerance = 0.001;      // J/kg, enthalpy tolerance of T_PH
constexpr int kTPH_PassLimit = 1000;
constexpr int kNewtonPassLimit = 8;
constexpr double kNewtonRelativeStep = 1e-12;

double Failed(double marker, bool* ok) {
    if (ok) *ok = false;
    return marker;
}

double Clamp01(double x) { return std::fmin(std::fmax(x, 0.0), 1.0); }

// Newton iteration on F(p, T) = target from start, kept inside [lo, hi]. Returns false (and
// leaves *T alone) when a step leaves the bracket, a value is not finite, or it does not settle.
bool NewtonTemperature(TSlopeFunction F, double p, double target, double start, double lo,
                       double hi, double* T) {
    double t = start;
    if (!(t >= lo && t <= hi)) return false;
    for (int pass = 0; pass < kNewtonPassLimit; ++pass) {
        const TValueSlope f = F(p, t);
        const double step = (f.value - target) / f.slope;
        if (!std::isfinite(step)) return false;
        const double next = t - step;
        if (!(next >= lo && next <= hi)) return false;
        t = next;
        if (std::fabs(step) <= kNewtonRelativeStep * t) {
            *T = t;
            return true;
        }
    }
    return false;
}

// Temperature search of one region: Newton from start (when finite), else Brent's method over
// [x1, x2] followed by Newton polishing. Failure: the Brent marker and *ok = false.
double SearchTemperature(TPropertyFunction F, TSlopeFunction FS, double p, double target,
                         double x1, double x2, double start, bool* ok) {
    const double lo = std::fmin(x1, x2), hi = std::fmax(x1, x2);
    double T;
    if (std::isfinite(start) && NewtonTemperature(FS, p, target, start, lo, hi, &T)) return T;
    bool found = true;
    const double root = BrentRoot(F, 2, x1, x2, target, p, &found);
    if (!found) return Failed(root, ok);
    return NewtonTemperature(FS, p, target, root, lo, hi, &T) ? T : root;
}

// Refines a temperature from a backward equation on the forward equation; keeps the backward
// value when the refinement leaves [lo, hi] (for example where the backward equation was
// clamped to the saturation line).
double RefineTemperature(TSlopeFunction FS, double p, double target, double start, double lo,
                         double hi) {
    double T;
    return NewtonTemperature(FS, p, target, start, lo, hi, &T) ? T : start;
}

// ---- Region 3: temperature from (p, h) or (p, s) ----

// Region-3 enthalpy and entropy at (p, T) as plain two-argument functions for the root finder; a
// failed volume search gives NaN, which stops the search as a failure.
double Region3H(double p, double T) {
    bool ok = true;
    const double h = Region3_H_PT(p, T, &ok);
    return ok ? h : kNaN;
}
double Region3S(double p, double T) {
    bool ok = true;
    const double s = Region3_S_PT(p, T, &ok);
    return ok ? s : kNaN;
}

// The region-3 quantity z (h or s) of one flash: its (p,T) function, its (v,T) function and
// the (v,T) function with its isobaric temperature derivative.
struct TRegion3Quantity {
    TPropertyFunction atPT;
    double (*atVT)(double v, double T);
    TValueSlope (*slopeVT)(double v, double T);
};
constexpr TRegion3Quantity kRegion3Enthalpy{Region3H, Region3_H, detail::Region3_HSlopeVT};
constexpr TRegion3Quantity kRegion3Entropy{Region3S, Region3_S, detail::Region3_SSlopeVT};

// Saturated z' and z'' at Ts from the near-critical saturated volumes.
bool Region3Saturated(const TRegion3Quantity& q, double Ts, double* zLiquid, double* zVapour) {
    double v1, v2;
    if (!detail::Region3_SatVolumes(Ts, &v1, &v2)) return false;
    *zLiquid = q.atVT(v1, Ts);
    *zVapour = q.atVT(v2, Ts);
    return true;
}

// One Newton step from a Brent result in region 3 (Brent stops at a relative width of 1e-8,
// several microkelvin); kept only inside the bracket.
double PolishRegion3(const TRegion3Quantity& q, double p, double target, double T, double lo,
                     double hi) {
    bool ok = true;
    const double v = Region3_VPT(p, T, &ok);
    if (!ok) return T;
    const TValueSlope z = q.slopeVT(v, T);
    const double next = T - (z.value - target) / z.slope;
    return (next >= lo && next <= hi) ? next : T;
}

// Region-3 temperature from (p, z). Above pc the bracket runs from 622.52685 K to just above the
// B23 line; below pc from 622.52685 K to just below Tsat for liquid, from just above Tsat to the
// B23 line for vapour, and a state between the saturated values is at Tsat.
double Region3Temperature(const TRegion3Quantity& q, double p, double target, bool* ok) {
    double x1 = kT_Region3Low, x2;
    if (p > pc) {
        x2 = B23_T(p) * 1.001;
    } else {
        const double Ts = Tsat(p);
        double zL, zV;
        if (!Region3Saturated(q, Ts, &zL, &zV)) return Failed(kBrentNotBracketed, ok);
        if (target < zL) {
            x2 = Ts - kSatOffset;
        } else if (target <= zV) {
            return Ts;
        } else {
            x1 = Ts + kSatOffset;
            x2 = B23_T(p) * 1.001;
        }
    }
    bool found = true;
    const double T = BrentRoot(q.atPT, 2, x1, x2, target, p, &found);
    if (!found) return Failed(T, ok);
    return PolishRegion3(q, p, target, T, std::fmin(x1, x2), std::fmax(x1, x2));
}

// Vapour fraction of a region-3 state from (p, z) at its temperature T.
double Region3FractionByPressure(const TRegion3Quantity& q, double p, double target, double T,
                                 bool* ok) {
    if (T > Tc) return 1.0;
    if (p > pc) return 0.0;
    double zL, zV;
    if (!Region3Saturated(q, Tsat(p), &zL, &zV)) return Failed(0.0, ok);
    return Clamp01((target - zL) / (zV - zL));
}

// ---- Region-specific searches ----

double Region1HighEnd(double p) { return p < pc ? Tsat(p) * 1.001 : kT_Region1High; }

double Region1TemperatureFromH(double p, double h, bool* ok) {
    return SearchTemperature(Region1_H, detail::Region1_HSlope, p, h, T0, Region1HighEnd(p),
                             detail::Region1_T_PH(p, h), ok);
}

double Region1TemperatureFromS(double p, double s, bool* ok) {
    return SearchTemperature(Region1_S, detail::Region1_SSlope, p, s, T0, Region1HighEnd(p),
                             Region1_T_PS(p, s), ok);
}

// Region 2 from (p,h): the backward equation in 2a and 2b, Brent's method in 2c.
double Region2TemperatureFromH(double p, double h, bool* ok) {
    const double start = Region2_T_PH(p, h);
    if (p <= 4000000.0 || p <= B2bc_P(h)) {
        // Refined on the forward equation within the clamps of the backward equation.
        const double lo = (p > pt_657 && p < pc) ? Tsat(p) : kT_RefineLow;
        return RefineTemperature(detail::Region2_HSlope, p, h, start, lo, T_1073);
    }
    const double x1 = p < p_623 ? Tsat(p) - 1.0 : B23_T(p) - 1.0;
    const double x2 = p < p_623 ? kT_Region2cHighBelow623 : kT_Region2cHighAbove623;
    return SearchTemperature(Region2_H, detail::Region2_HSlope, p, h, x1, x2, start, ok);
}

// Region 2 from (p,s): the backward equation (a search below 611.153 Pa), refined.
double Region2TemperatureFromS(double p, double s, bool* ok) {
    bool found = true;
    const double start = Region2_T_PS(p, s, &found);
    if (!found) return Failed(start, ok);
    return RefineTemperature(detail::Region2_SSlope, p, s, start, kT_RefineLow, kT_Region5High);
}

// Region 5 start: the enthalpy and entropy of region 5 are close to linear and logarithmic in T.
double Region5TemperatureFromH(double p, double h, bool* ok) {
    const TValueSlope low = detail::Region5_HSlope(p, T_1073);
    const double start = T_1073 + (h - low.value) / low.slope;
    return SearchTemperature(Region5_H, detail::Region5_HSlope, p, h, kT_Region5Low,
                             kT_Region5High, start, ok);
}

double Region5TemperatureFromS(double p, double s, bool* ok) {
    const TValueSlope low = detail::Region5_SSlope(p, T_1073);
    const double start = T_1073 * std::exp((s - low.value) / (low.slope * T_1073));
    return SearchTemperature(Region5_S, detail::Region5_SSlope, p, s, kT_Region5Low,
                             kT_Region5High, start, ok);
}

// Two-phase fraction below 16529164.3 Pa from the region-1 and region-2 saturated values.
double Region4Fraction(double (*R1)(double, double), double (*R2)(double, double), double p,
                       double T, double z) {
    const double zL = R1(p, T), zV = R2(p, T);
    return Clamp01((z - zL) / (zV - zL));
}

}  // namespace

// ---- Flash from (p, h) ----

TFlashTX TX_PH(double p, double h, bool* ok) {
    switch (RegionPH(p, h)) {
        case 1:
            return {Region1TemperatureFromH(p, h, ok), 0.0};
        case 2:
            return {Region2TemperatureFromH(p, h, ok), 1.0};
        case 3: {
            bool found = true;
            const double T = Region3Temperature(kRegion3Enthalpy, p, h, &found);
            if (!found) {
                Failed(0.0, ok);
                return {T, 0.0};
            }
            return {T, Region3FractionByPressure(kRegion3Enthalpy, p, h, T, ok)};
        }
        case 4: {
            const double Ts = Tsat(p);
            return {Ts, Region4Fraction(Region1_H, Region2_H, p, Ts, h)};
        }
        case 5:
            return {Region5TemperatureFromH(p, h, ok), 1.0};
        default:
            Failed(0.0, ok);
            return {kFlashFailedT, kFlashFailedX_PH};
    }
}

double X_PH(double p, double h, bool* ok) {
    switch (RegionPH(p, h)) {
        case 2:
        case 5:
            return 1.0;
        case 1:
            return 0.0;
        case 3: {
            bool found = true;
            const double T = Region3Temperature(kRegion3Enthalpy, p, h, &found);
            if (!found) return Failed(0.0, ok);
            return Clamp01(Region3FractionByPressure(kRegion3Enthalpy, p, h, T, ok));
        }
        case 4:
            return Region4Fraction(Region1_H, Region2_H, p, Tsat(p), h);
        default:
            return Failed(0.0, ok);
    }
}

double S_PH(double p, double h, bool* ok) {
    bool found = true;
    const TFlashTX f = TX_PH(p, h, &found);
    if (!found) return Failed(0.0, ok);
    return (f.x != 0.0 && f.x != 1.0) ? S_PX(p, f.x, ok) : S_PT(p, f.T, ok);
}

double V_PH(double p, double h, bool* ok) {
    bool found = true;
    const TFlashTX f = TX_PH(p, h, &found);
    if (!found) return Failed(0.0, ok);
    return (f.x != 0.0 && f.x != 1.0) ? V_PX(p, f.x, ok) : V_PT(p, f.T, ok);
}

// ---- Flash from (p, s) ----

TFlashTX TX_PS(double p, double s, bool* ok) {
    switch (RegionPS(p, s)) {
        case 1:
            return {Region1TemperatureFromS(p, s, ok), 0.0};
        case 2:
            return {Region2TemperatureFromS(p, s, ok), 1.0};
        case 3: {
            bool found = true;
            const double T = Region3Temperature(kRegion3Entropy, p, s, &found);
            if (!found) {
                Failed(0.0, ok);
                return {T, 0.0};
            }
            return {T, Region3FractionByPressure(kRegion3Entropy, p, s, T, ok)};
        }
        case 4: {
            const double Ts = Tsat(p);
            return {Ts, Region4Fraction(Region1_S, Region2_S, p, Ts, s)};
        }
        case 5:
            return {Region5TemperatureFromS(p, s, ok), 1.0};
        default:
            Failed(0.0, ok);
            return {kFlashFailedT, 0.0};
    }
}

double T_PS(double p, double s, bool* ok) {
    switch (RegionPS(p, s)) {
        case 1:
            return RefineTemperature(detail::Region1_SSlope, p, s, Region1_T_PS(p, s),
                                     kT_RefineLow, Region1HighEnd(p));
        case 2:
            return Region2TemperatureFromS(p, s, ok);
        case 3:
            return Region3Temperature(kRegion3Entropy, p, s, ok);
        case 4:
            return Tsat(p);
        case 5:
            return Region5TemperatureFromS(p, s, ok);
        default:
            return Failed(kFlashFailedT, ok);
    }
}

double X_PS(double p, double s, bool* ok) {
    switch (RegionPS(p, s)) {
        case 2:
        case 5:
            return 1.0;
        case 1:
            return 0.0;
        case 3: {
            bool found = true;
            const double T = Region3Temperature(kRegion3Entropy, p, s, &found);
            if (!found) return Failed(0.0, ok);
            return Clamp01(Region3FractionByPressure(kRegion3Entropy, p, s, T, ok));
        }
        case 4:
            return Region4Fraction(Region1_S, Region2_S, p, Tsat(p), s);
        default:
            return Failed(0.0, ok);
    }
}

double H_PS(double p, double s, bool* ok) {
    bool found = true;
    const TFlashTX f = TX_PS(p, s, &found);
    if (!found) return Failed(0.0, ok);
    return (f.x != 0.0 && f.x != 1.0) ? H_PX(p, f.x, ok) : H_PT(kPhaseByRegion, p, f.T, ok);
}

double V_PS(double p, double s, bool* ok) {
    bool found = true;
    const TFlashTX f = TX_PS(p, s, &found);
    if (!found) return Failed(0.0, ok);
    return (f.x != 0.0 && f.x != 1.0) ? V_PX(p, f.x, ok) : V_PT(p, f.T, ok);
}

// ---- Vapour fraction from (T, h) and (T, s) ----

namespace {

// Region-3 fraction at temperature T: 0 below the critical isobar, else from the near-critical
// saturated values.
double Region3FractionByTemperature(const TRegion3Quantity& q, double (*atPT)(double, double,
                                                                              bool*),
                                    double T, double z, bool* ok) {
    if (T > Tc) return 1.0;
    bool found = true;
    const double onCriticalIsobar = atPT(pc, T, &found);
    if (!found) return Failed(0.0, ok);
    if (onCriticalIsobar > z) return 0.0;
    double zL, zV;
    if (!Region3Saturated(q, T, &zL, &zV)) return Failed(0.0, ok);
    return Clamp01((z - zL) / (zV - zL));
}

double HByRegion(double p, double T, bool* ok) { return H_PT(kPhaseByRegion, p, T, ok); }

double FractionByTemperature(int region, const TRegion3Quantity& q,
                             double (*atPT)(double, double, bool*), double (*R1)(double, double),
                             double (*R2)(double, double), double T, double ps, double z,
                             bool* ok) {
    switch (region) {
        case 2:
        case 5:
            return 1.0;
        case 1:
            return 0.0;
        case 3:
            return Region3FractionByTemperature(q, atPT, T, z, ok);
        case 4:
            return Region4Fraction(R1, R2, ps, T, z);
        default:
            return Failed(0.0, ok);
    }
}

}  // namespace

double X_TH(double T, double h, bool* ok) {
    if (T > Tc) return 1.0;
    const double ps = Psat(T);
    return FractionByTemperature(RegionPH(ps, h), kRegion3Enthalpy, HByRegion, Region1_H,
                                 Region2_H, T, ps, h, ok);
}

double X_TS(double T, double s, bool* ok) {
    if (T > Tc) return 1.0;
    const double ps = Psat(T);
    return FractionByTemperature(RegionPS(ps, s), kRegion3Entropy, S_PT, Region1_S, Region2_S,
                                 T, ps, s, ok);
}

// ---- Temperature from (p, h) by a bracketing iteration on the forward enthalpy ----

namespace {

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

// Bisection for four passes, then false position, until |H(T) - h| < 0.001 J/kg.
double BracketedTemperature(const TPhaseEnthalpy& H, double h, double lo, double hi, bool* ok) {
    double hLo = kNaN, hHi = kNaN;
    bool haveLo = false, haveHi = false;
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

}  // namespace

double T_PH(double p, double h, bool* ok) {
    if (!(p > 0.0 && p <= p_100)) return Failed(0.0, ok);
    int phase;
    double lo, hi;
    if (p > pc) {
        phase = kPhaseByRegion;
        lo = T0;
        hi = T_1073;
    } else {
        // Saturated enthalpies; below 611.213 Pa both are 0 and the vapour branch follows.
        double hL = 0.0, hV = 0.0;
        if (p >= pt && p < p_623) {
            const double Ts = Tsat(p);
            hL = Region1_H(p, Ts);
            hV = Region2_H(p, Ts);
        } else if (p >= pt) {
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
        } else if (h >= hV) {
            phase = kPhaseVapour;
            lo = Tsat(p);
            hi = T_1073;
        } else {
            return Tsat(p);
        }
    }

    // Above the enthalpy at 1073.15 K (admitted below 10 MPa) the state is in region 5.
    if (phase == kPhaseVapour && p <= p_10 && h > H_PT(kPhaseVapour, p, T_1073)) {
        return Region5TemperatureFromH(p, h, ok);
    }

    // Fast start where the phase-fixed enthalpy is a single region equation.
    double T;
    const auto anywhere = [](double) { return true; };
    if (phase == kPhaseLiquid && hi <= T_623 &&
        FastTemperature(detail::Region1_HSlope, p, h, detail::Region1_T_PH(p, h), lo, hi, anywhere,
                        &T)) {
        return T;
    }
    if (phase == kPhaseVapour && p <= 16529200.0 &&
        FastTemperature(detail::Region2_HSlope, p, h, Region2_T_PH(p, h), lo, hi, anywhere, &T)) {
        return T;
    }
    if (phase == kPhaseByRegion) {
        const auto inRegion1 = [p](double t) { return RegionPT(p, t) == 1; };
        const auto inRegion2 = [p](double t) { return RegionPT(p, t) == 2; };
        if (FastTemperature(detail::Region1_HSlope, p, h, detail::Region1_T_PH(p, h), lo, T_623,
                            inRegion1, &T) ||
            FastTemperature(detail::Region2_HSlope, p, h, Region2_T_PH(p, h), lo, hi, inRegion2,
                            &T)) {
            return T;
        }
    }
    return BracketedTemperature(TPhaseEnthalpy{phase, p}, h, lo, hi, ok);
}

}  // namespace if97
