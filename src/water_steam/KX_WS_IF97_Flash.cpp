// Inverse and flash routines: temperature and vapour fraction from (p,h), (p,s), (T,h), (T,s);
// the temperature from (p,h) by its own bracketing iteration is in KX_WS_IF97_TemperaturePH.cpp.
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

#include "KX_WS_IF97_FlashSearch.h"
#include "KX_WS_IF97_Lib_Root.h"
#include "KX_WS_IF97_Regions.h"

namespace if97 {
using namespace flash;

namespace {

constexpr double kT_Region3Low = 622.52685;  // K, lower end of the region-3 temperature searches
constexpr double kT_Region1High = 624.0;     // K, region-1 search end at and above pc
constexpr double kT_Region5High = 2273.3;    // K, upper end of the region-5 searches
constexpr double kT_Region2cHighBelow623 = 750.0, kT_Region2cHighAbove623 = 1050.0;  // K
constexpr double kT_RefineLow = 200.0;             // K, lowest temperature a refinement may reach
constexpr double kSatOffset = 1e-08;               // K, region-3 search ends beside Tsat
constexpr double kSatMargin = 1e-06;               // K, how far a polished state may pass Tsat
constexpr double kNearCriticalResolution = 2e-06;  // relative, of h and s beside Tc

// (z - z') / (z'' - z') clamped to [0, 1]. At the critical point z' = z'': a state there counts
// as liquid up to the critical value and as vapour above it.
double Fraction(double z, double zL, double zV) {
    if (!(zV > zL)) return z > zV ? 1.0 : 0.0;
    return std::fmin(std::fmax((z - zL) / (zV - zL), 0.0), 1.0);
}

// Temperature search of one region: Newton from start (when finite), else Brent's method over
// [x1, x2] followed by Newton polishing. Failure: the Brent marker and *ok = false.
double SearchTemperature(TPropertyFunction F, TSlopeFunction FS, double p, double target, double x1,
                         double x2, double start, bool* ok) {
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
// its partial derivatives in (v, T).
struct TRegion3Quantity {
    TPropertyFunction atPT;
    double (*atVT)(double v, double T);
    detail::TRegion3Partials (*partials)(double v, double T);
};
constexpr TRegion3Quantity kRegion3Enthalpy{Region3H, Region3_H, detail::Region3_PartialsH};
constexpr TRegion3Quantity kRegion3Entropy{Region3S, Region3_S, detail::Region3_PartialsS};

// Saturated z' and z'' at Ts from the near-critical saturated volumes.
bool Region3Saturated(const TRegion3Quantity& q, double Ts, double* zLiquid, double* zVapour) {
    double v1, v2;
    if (!detail::Region3_SatVolumes(Ts, &v1, &v2)) return false;
    *zLiquid = q.atVT(v1, Ts);
    *zVapour = q.atVT(v2, Ts);
    return true;
}

// Newton steps in (v, T) on p(v,T) = p and z(v,T) = target from a root-search result. The search
// in T stops at a relative width of 1e-8 (microkelvins), and near the critical point the volume
// at given (p, T) is not unique to working precision (the isotherm is flat); in (v, T) the two
// equations stay well conditioned there. A step is kept only inside [Tlo, Thi] and only when it
// lowers the scaled residual.
void PolishRegion3(const TRegion3Quantity& q, double p, double target, double Tlo, double Thi,
                   double* v, double* T) {
    const auto residual = [&](const detail::TRegion3Partials& r) {
        return std::hypot((r.p - p) / p, (r.z - target) / std::fabs(target));
    };
    detail::TRegion3Partials r = q.partials(*v, *T);
    double res = residual(r);
    for (int pass = 0; pass < 6 && res > 0.0; ++pass) {
        const double det = r.p_v * r.z_T - r.p_T * r.z_v;
        const double dv = ((r.p - p) * r.z_T - r.p_T * (r.z - target)) / det;
        const double dT = (r.p_v * (r.z - target) - (r.p - p) * r.z_v) / det;
        const double vNext = *v - dv, TNext = *T - dT;
        if (!(std::isfinite(det) && det != 0.0 && vNext > 0.0 && TNext >= Tlo && TNext <= Thi)) {
            return;
        }
        const detail::TRegion3Partials rNext = q.partials(vNext, TNext);
        const double resNext = residual(rNext);
        if (!(resNext < res)) return;
        const bool small = std::fabs(dv) <= 1e-14 * *v && std::fabs(dT) <= 1e-14 * *T;
        *v = vNext;
        *T = TNext;
        r = rNext;
        res = resNext;
        if (small) return;
    }
}

// A region-3 state from (p, z) and, below pc, the saturated values at Tsat(p) it was found
// against.
struct TRegion3Result {
    double T;
    double v;       // the state's volume; NaN for a two-phase state
    bool twoPhase;  // between the saturated values: T = Tsat(p)
    bool haveSat;   // zL, zV hold the saturated values (p <= pc)
    double zL, zV;
};

// The volume at the root-search temperature T, then both polished together within [Tlo, Thi].
void FinishRegion3(const TRegion3Quantity& q, double p, double target, double Tlo, double Thi,
                   TRegion3Result* r) {
    bool found = true;
    double v = Region3_VPT(p, r->T, &found);
    if (!found) return;
    PolishRegion3(q, p, target, Tlo, Thi, &v, &r->T);
    r->v = v;
}

// Region-3 temperature from (p, z). Above pc the bracket runs from 622.52685 K to just above the
// B23 line; below pc from 622.52685 K to just below Tsat for liquid, from just above Tsat to the
// B23 line for vapour, and a state between the saturated values is at Tsat.
TRegion3Result Region3Temperature(const TRegion3Quantity& q, double p, double target, bool* ok) {
    TRegion3Result r{0.0, kNaN, false, false, 0.0, 0.0};
    double x1 = kT_Region3Low, x2;
    double Ts = kNaN;
    if (p > pc) {
        x2 = B23_T(p) * 1.001;
    } else {
        Ts = Tsat(p);
        if (!Region3Saturated(q, Ts, &r.zL, &r.zV)) {
            r.T = Failed(kBrentNotBracketed, ok);
            return r;
        }
        r.haveSat = true;
        if (target < r.zL) {
            x2 = Ts - kSatOffset;
        } else if (target <= r.zV) {
            r.T = Ts;
            r.twoPhase = true;
            return r;
        } else {
            x1 = Ts + kSatOffset;
            x2 = B23_T(p) * 1.001;
        }
    }
    // A polished state may move up to Tsat from an end placed just beside it, and a hair past it:
    // the saturation equation puts Tsat(pc) about 1e-9 K below the critical point of region 3.
    const double Tlo = std::isnan(Ts) || x1 == kT_Region3Low ? x1 : Ts - kSatMargin;
    const double Thi = std::isnan(Ts) || x1 != kT_Region3Low ? x2 : Ts + kSatMargin;
    bool found = true;
    const double T = BrentRoot(q.atPT, 2, x1, x2, target, p, &found);
    if (!found) {
        // The search starts 1e-8 K beside Tsat. A target between the saturated value and the
        // value at that end lies within 1e-8 K of the end; so does one that differs from it by
        // less than the resolution of region-3 values within millikelvins of the critical point.
        if (p <= pc) {
            const bool vapourSide = x1 != kT_Region3Low;
            const double end = vapourSide ? x1 : x2;
            const double zSat = vapourSide ? r.zV : r.zL;
            const double zEnd = q.atPT(p, end);
            const bool between = (target - zSat) * (target - zEnd) <= 0.0;
            if (between ||
                std::fabs(zEnd - target) <= kNearCriticalResolution * std::fabs(target)) {
                r.T = end;
                FinishRegion3(q, p, target, Tlo, Thi, &r);
                return r;
            }
        }
        r.T = Failed(T, ok);
        return r;
    }
    r.T = T;
    FinishRegion3(q, p, target, Tlo, Thi, &r);
    return r;
}

// Vapour fraction of a region-3 state: 1 above Tc, 0 above pc, else from the saturated values.
double Region3Fraction(const TRegion3Result& r, double p, double target) {
    if (r.T > Tc) return 1.0;
    if (p > pc || !r.haveSat) return 0.0;
    return Fraction(target, r.zL, r.zV);
}

// ---- Region-specific searches ----

double Region1HighEnd(double p) {
    return p < pc ? Tsat(p) * 1.001 : kT_Region1High;
}

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

double Region5TemperatureFromS(double p, double s, bool* ok) {
    const TValueSlope low = detail::Region5_SSlope(p, T_1073);
    const double start = T_1073 * std::exp((s - low.value) / (low.slope * T_1073));
    return SearchTemperature(Region5_S, detail::Region5_SSlope, p, s, kT_Region5Low, kT_Region5High,
                             start, ok);
}

// Two-phase fraction below 16529164.3 Pa from the region-1 and region-2 saturated values.
double Region4Fraction(double (*R1)(double, double), double (*R2)(double, double), double p,
                       double T, double z) {
    const double zL = R1(p, T), zV = R2(p, T);
    return Fraction(z, zL, zV);
}

double HByRegion(double p, double T, bool* ok) {
    return H_PT(kPhaseByRegion, p, T, ok);
}

// Region-1 temperature from (p,s) by the backward equation, refined (the route of T_PS).
double Region1BackwardFromS(double p, double s, bool*) {
    return RefineTemperature(detail::Region1_SSlope, p, s, Region1_T_PS(p, s), kT_RefineLow,
                             Region1HighEnd(p));
}

// What a flash needs to know about the quantity z (h or s) it starts from.
struct TFlashQuantity {
    int (*region)(double p, double z);                 // RegionPH or RegionPS
    double (*byRegion)(double p, double T, bool* ok);  // z at (p, T) by RegionPT
    double (*region1)(double p, double T);
    double (*region2)(double p, double T);
    TRegion3Quantity region3;
    double (*solve1)(double p, double z, bool* ok);
    double (*solve2)(double p, double z, bool* ok);
    double (*solve5)(double p, double z, bool* ok);
};

constexpr TFlashQuantity kFlashPH{RegionPH,
                                  HByRegion,
                                  Region1_H,
                                  Region2_H,
                                  kRegion3Enthalpy,
                                  Region1TemperatureFromH,
                                  Region2TemperatureFromH,
                                  Region5TemperatureFromH};
constexpr TFlashQuantity kFlashPS{RegionPS,
                                  S_PT,
                                  Region1_S,
                                  Region2_S,
                                  kRegion3Entropy,
                                  Region1TemperatureFromS,
                                  Region2TemperatureFromS,
                                  Region5TemperatureFromS};
// T_PS reaches region-1 temperatures through the backward equation instead of a search.
constexpr TFlashQuantity kFlashPS_Backward{RegionPS,
                                           S_PT,
                                           Region1_S,
                                           Region2_S,
                                           kRegion3Entropy,
                                           Region1BackwardFromS,
                                           Region2TemperatureFromS,
                                           Region5TemperatureFromS};

// The state a flash found: temperature, vapour fraction, whether it lies in the two-phase dome
// (T = Tsat(p); its properties are mixtures) and the region whose equation gave T.
struct TFlashState {
    double T;
    double x;
    bool twoPhase;
    int region;
    double v = kNaN;  // region 3: the volume found with T
};

// The region of (p, z) decided on the region lines themselves, by the (p,T) equations: the
// isotherms 273.15 K, 1073.15 K and 2273.15 K that bound the formulation, the saturated values
// below 16.53 MPa, and 623.15 K and the B23 line above. The fitted region map approximates these
// lines and misses some states just inside the formulation's edges (it answers -10 there, or a
// region whose equation cannot reach z), and between 611.213 Pa and 611.657 Pa it knows no
// liquid nor two-phase states at all.
int RegionByLines(const TFlashQuantity& q, double p, double z) {
    if (!(p > 0.0 && p <= p_100)) return kRegionOutside;
    bool ok = true;
    const double zLow = q.byRegion(p, T0, &ok);
    const double z1073 = q.byRegion(p, T_1073, &ok);
    const double zTop = p < p_10 ? q.byRegion(p, T_2273, &ok) : z1073;
    if (!ok || !(z >= zLow && z <= zTop)) return kRegionOutside;
    if (z > z1073) return 5;
    if (p < p_623) {
        // Below the saturation pressure at 273.15 K every state of the range is vapour.
        if (RegionPT(p, T0) == 2) return 2;
        const double Ts = Tsat(p);
        if (z < q.region1(p, Ts)) return 1;
        return z <= q.region2(p, Ts) ? 4 : 2;
    }
    if (z < q.region1(p, T_623)) return 1;
    return z < q.region2(p, B23_T(p)) ? 3 : 2;
}

bool FlashInRegion(const TFlashQuantity& q, int region, double p, double z, TFlashState* s) {
    bool ok = true;
    switch (region) {
        case 1:
            *s = {q.solve1(p, z, &ok), 0.0, false, 1};
            return ok;
        case 2:
            *s = {q.solve2(p, z, &ok), 1.0, false, 2};
            return ok;
        case 3: {
            const TRegion3Result r = Region3Temperature(q.region3, p, z, &ok);
            *s = {r.T, Region3Fraction(r, p, z), r.twoPhase, 3, r.v};
            return ok;
        }
        case 4: {
            const double Ts = Tsat(p);
            *s = {Ts, Region4Fraction(q.region1, q.region2, p, Ts, z), true, 4};
            return true;
        }
        case 5:
            *s = {q.solve5(p, z, &ok), 1.0, false, 5};
            return ok;
        default:
            return false;
    }
}

// Temperature on the boundary between two regions, NaN for regions that do not touch.
double BoundaryTemperature(int a, int b, double p) {
    const int lo = std::min(a, b), hi = std::max(a, b);
    if (lo == 1 && hi == 3) return T_623;
    if (lo == 2 && hi == 3) return B23_T(p);
    if (lo == 2 && hi == 5) return T_1073;
    return kNaN;
}

// Flash by the region map, then made consistent with the (p,T) region decision: the fitted
// boundaries of the map lie a little beside the true ones, and a state just across one is solved
// in the region (p,T) puts it in, so that the (p,T) functions at the flash temperature give back
// z. A state between the saturated values of a fitted region 1 or 2 is two-phase; a z that
// neither of two neighbouring equations reaches (they differ slightly on their common boundary)
// is on that boundary.
bool Flash(const TFlashQuantity& q, double p, double z, TFlashState* s) {
    int region = q.region(p, z);
    if (region == kRegionOutside) region = RegionByLines(q, p, z);
    if (!FlashInRegion(q, region, p, z, s)) {
        const int byLines = RegionByLines(q, p, z);
        if (byLines == region || !FlashInRegion(q, byLines, p, z, s)) return false;
        region = byLines;
    }
    if (s->twoPhase) return true;
    const int regionPT = RegionPT(p, s->T);
    if (regionPT == region || regionPT == 4 || regionPT == kRegionOutside) return true;
    if (p < p_623 && region + regionPT == 3) return FlashInRegion(q, 4, p, z, s);
    TFlashState other;
    if (FlashInRegion(q, regionPT, p, z, &other) && !other.twoPhase &&
        RegionPT(p, other.T) == regionPT) {
        *s = other;
        return true;
    }
    const double boundary = BoundaryTemperature(region, regionPT, p);
    if (std::isfinite(boundary)) {
        s->T = boundary;
        s->v = kNaN;
    }
    return true;
}

// A property in each region and as a two-phase mixture.
struct TPropertySet {
    double (*region1)(double p, double T);
    double (*region2)(double p, double T);
    double (*region3)(double v, double T);
    double (*region5)(double p, double T);
    double (*mixture)(double p, double x, bool* ok);
};

double VolumeItself(double v, double) {
    return v;
}

constexpr TPropertySet kEnthalpy{Region1_H, Region2_H, Region3_H, Region5_H, H_PX};
constexpr TPropertySet kEntropy{Region1_S, Region2_S, Region3_S, Region5_S, S_PX};
constexpr TPropertySet kVolume{Region1_V, Region2_V, VolumeItself, Region5_V, V_PX};

// z' + x (z'' - z') for a two-phase state, else the value of the region whose equation gave the
// flash temperature (the same as the (p,T) functions there, also at the very ends of the range).
double PropertyOf(const TPropertySet& set, const TFlashState& s, double p, bool* ok) {
    if (s.twoPhase) return set.mixture(p, s.x, ok);
    switch (s.region) {
        case 1:
            return set.region1(p, s.T);
        case 2:
            return set.region2(p, s.T);
        case 5:
            return set.region5(p, s.T);
        default: {
            if (!std::isnan(s.v)) return set.region3(s.v, s.T);
            bool found = true;
            const double v = Region3_VPT(p, s.T, &found);
            if (!found) return Failed(0.0, ok);
            return set.region3(v, s.T);
        }
    }
}

// Vapour fraction by the region map (no temperature needed outside region 3). The fitted
// saturation lines of the map lie some J/kg (J/(kg K)) beside the true ones, and a state between
// the two would get 0 or 1 instead of its small fraction: below 16.53 MPa the fraction is taken
// from the saturated values themselves, clamped to [0, 1], and up to pc the region is decided on
// the region lines, so that a state near the saturation line reaches the region-3 fraction.
double FractionByRegionMap(const TFlashQuantity& q, double p, double z, bool* ok) {
    int region = q.region(p, z);
    if (region == kRegionOutside || (p >= p_623 && p <= pc)) region = RegionByLines(q, p, z);
    if (region == kRegionOutside) return Failed(0.0, ok);
    if (p < p_623) {
        // Tsat has no value below about 5.7e-3 Pa, where every state is vapour.
        const double Ts = ExtrapolatedTsat(p);
        if (std::isnan(Ts)) return 1.0;
        return Region4Fraction(q.region1, q.region2, p, Ts, z);
    }
    switch (region) {
        case 2:
        case 5:
            return 1.0;
        case 1:
            return 0.0;
        case 3: {
            bool found = true;
            const TRegion3Result r = Region3Temperature(q.region3, p, z, &found);
            if (!found) return Failed(0.0, ok);
            return Region3Fraction(r, p, z);
        }
        default:
            return Failed(0.0, ok);
    }
}

}  // namespace

// Region 5 start: the enthalpy and entropy of region 5 are close to linear and logarithmic in T.
double flash::Region5TemperatureFromH(double p, double h, bool* ok) {
    const TValueSlope low = detail::Region5_HSlope(p, T_1073);
    const double start = T_1073 + (h - low.value) / low.slope;
    return SearchTemperature(Region5_H, detail::Region5_HSlope, p, h, kT_Region5Low, kT_Region5High,
                             start, ok);
}

// ---- Flash from (p, h) ----

TFlashTX TX_PH(double p, double h, bool* ok) {
    TFlashState s;
    if (!Flash(kFlashPH, p, h, &s)) {
        Failed(0.0, ok);
        return {kFlashFailedT, kFlashFailedX_PH};
    }
    return {s.T, s.x};
}

double X_PH(double p, double h, bool* ok) {
    return FractionByRegionMap(kFlashPH, p, h, ok);
}

double S_PH(double p, double h, bool* ok) {
    TFlashState s;
    if (!Flash(kFlashPH, p, h, &s)) return Failed(0.0, ok);
    return PropertyOf(kEntropy, s, p, ok);
}

double V_PH(double p, double h, bool* ok) {
    TFlashState s;
    if (!Flash(kFlashPH, p, h, &s)) return Failed(0.0, ok);
    return PropertyOf(kVolume, s, p, ok);
}

// ---- Flash from (p, s) ----

TFlashTX TX_PS(double p, double s, bool* ok) {
    TFlashState f;
    if (!Flash(kFlashPS, p, s, &f)) {
        Failed(0.0, ok);
        return {kFlashFailedT, 0.0};
    }
    return {f.T, f.x};
}

double T_PS(double p, double s, bool* ok) {
    TFlashState f;
    if (!Flash(kFlashPS_Backward, p, s, &f)) return Failed(kFlashFailedT, ok);
    return f.T;
}

double X_PS(double p, double s, bool* ok) {
    return FractionByRegionMap(kFlashPS, p, s, ok);
}

double H_PS(double p, double s, bool* ok) {
    TFlashState f;
    if (!Flash(kFlashPS, p, s, &f)) return Failed(0.0, ok);
    return PropertyOf(kEnthalpy, f, p, ok);
}

double V_PS(double p, double s, bool* ok) {
    TFlashState f;
    if (!Flash(kFlashPS, p, s, &f)) return Failed(0.0, ok);
    return PropertyOf(kVolume, f, p, ok);
}

// ---- Vapour fraction from (T, h) and (T, s) ----

namespace {

// Region-3 fraction at temperature T: 0 below the critical isobar, else from the near-critical
// saturated values.
double Region3FractionByTemperature(const TRegion3Quantity& q,
                                    double (*atPT)(double, double, bool*), double T, double z,
                                    bool* ok) {
    if (T > Tc) return 1.0;
    bool found = true;
    const double onCriticalIsobar = atPT(pc, T, &found);
    if (!found) return Failed(0.0, ok);
    if (onCriticalIsobar > z) return 0.0;
    double zL, zV;
    if (!Region3Saturated(q, T, &zL, &zV)) return Failed(0.0, ok);
    return Fraction(z, zL, zV);
}

// Vapour fraction at temperature T from the saturated values at T themselves, those the
// two-phase functions by temperature use (regions 1 and 2 below 623.15 K, region 3 from there
// up), clamped to [0, 1]. The region map at Psat(T) only tells a state outside every region: its
// fitted saturation lines lie some J/kg (J/(kg K)) beside the true ones, and a state between the
// two would get 0 or 1 instead of its small fraction.
double FractionByTemperature(const TFlashQuantity& q, double T, double z, bool* ok) {
    if (T > Tc) return 1.0;
    const double ps = Psat(T);
    if (q.region(ps, z) == kRegionOutside && RegionByLines(q, ps, z) == kRegionOutside) {
        return Failed(0.0, ok);
    }
    if (T < T_623) return Region4Fraction(q.region1, q.region2, ps, T, z);
    return Region3FractionByTemperature(q.region3, q.byRegion, T, z, ok);
}

}  // namespace

double X_TH(double T, double h, bool* ok) {
    return FractionByTemperature(kFlashPH, T, h, ok);
}

double X_TS(double T, double s, bool* ok) {
    return FractionByTemperature(kFlashPS, T, s, ok);
}

}  // namespace if97
