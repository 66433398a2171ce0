// Saturation line and region boundaries, the region-3 volume from (p, T) and the near-critical
// saturated volumes (both solve the region-3 pressure equation for a volume).
#include <cmath>

#include "KX_WS_IF97_Lib_Root.h"
#include "KX_WS_IF97_Regions.h"

namespace if97 {
using detail::Failed;
namespace {

// Saturation-line equation n1 ... n10: IAPWS-IF97 release, Table 34
static constexpr double kSat[10] = {
    1167.0521452767, -724213.16703206, -17.073846940092, 12020.82470247,    -3232555.0322333,
    14.91510861353,  -4823.2657361591, 405113.40542057,  -0.23855557567849, 650.17534844798};

// Boundary between regions 2 and 3, p(T) and T(p): IAPWS-IF97 release, Table 1
static constexpr double kB23[5] = {348.05185628969, -1.1671859879975, 0.0010192970039326,
                                   572.54459862746, 13.91883977887};

// Boundary between subregions 2b and 2c, p(h): IAPWS-IF97 release, Table 19 (first three)
static constexpr double kB2bc[3] = {905.84278514723, -0.67955786399241, 0.00012809002730136};

// Region-3 volume brackets below 642 K, cubics in 1/T just beyond the liquid spinodal and just
// short of the vapour spinodal (the system's own fits).
static constexpr double kVLiquidFit[4] = {5.2899867, -9846.51318, 6114579.54, -1266327450.0};
static constexpr double kVVapourFit[4] = {-7.7504515, 14462.0552, -9010544.67, 1876021160.0};

constexpr double kT_FitLimit = 642.0;  // below: cubic volume brackets, above: searches
constexpr double kV_131 = 0.00131, kV_16 = 0.0016, kV_15 = 0.015, kV_25 = 0.025;

// Equal-area iteration of the near-critical saturated volumes: tolerance and pass limit.
constexpr double kSatVolumeTolerance = 1e-06;
constexpr int kSatVolumePassLimit = 50;
// Within this distance below the critical temperature the two saturated volumes can no longer
// be told apart by the iteration; both are the critical volume there.
constexpr double kCriticalHair = 1e-07;  // K

double Cubic(const double (&c)[4], double x) {
    return c[0] + x * (c[1] + x * (c[2] + x * c[3]));
}

double LiquidVolumeBracket(double T) {
    return T < kT_FitLimit ? Cubic(kVLiquidFit, 1.0 / T)
                           : ExtremumSearch(Region3_P, +1, kV_131, vc, T);
}
double VapourVolumeBracket(double T) {
    return T < kT_FitLimit ? Cubic(kVVapourFit, 1.0 / T)
                           : ExtremumSearch(Region3_P, -1, vc, kV_15, T);
}

// Newton steps on p(v) = p after a root search: the search stops at a relative width of 1e-8,
// the steps bring the volume to full precision where the isotherm is not flat. A step is kept
// only inside [lo, hi] and only when it lowers the pressure residual.
double PolishVolume(double v, double p, double T, double lo, double hi) {
    detail::TValueSlope r = detail::Region3_PSlope(v, T);
    for (int pass = 0; pass < 3; ++pass) {
        const double residual = r.value - p;
        if (residual == 0.0 || !(r.slope < 0.0)) break;
        const double next = v - residual / r.slope;
        if (!(next >= lo && next <= hi)) break;
        const detail::TValueSlope rNext = detail::Region3_PSlope(next, T);
        if (!(std::fabs(rNext.value - p) < std::fabs(residual))) break;
        const bool small = std::fabs(next - v) <= 1e-13 * v;
        v = next;
        r = rNext;
        if (small) break;
    }
    return v;
}

// Volume root of Region3_P(v, T) = p inside [x1, x2], polished.
double SolveRegion3Volume(double p, double T, double x1, double x2, bool* ok) {
    bool found = true;
    const double v = BrentRoot(Region3_P, 1, x1, x2, p, T, &found);
    if (!found) {
        if (ok) *ok = false;
        return v;
    }
    return PolishVolume(v, p, T, std::fmin(x1, x2), std::fmax(x1, x2));
}

}  // namespace

// ---- Saturation line ----
namespace {

// (Psat / 1 MPa) for T <= Tc: the two divisions and the square root the equation needs.
double SaturationPressureMPa(double T) {
    const double theta = T + kSat[8] / (T - kSat[9]);
    const double A = theta * theta + kSat[0] * theta + kSat[1];
    const double B = kSat[2] * theta * theta + kSat[3] * theta + kSat[4];
    const double C = kSat[5] * theta * theta + kSat[6] * theta + kSat[7];
    const double q = 2.0 * C / (-B + std::sqrt(B * B - 4.0 * A * C));
    const double q2 = q * q;
    return q2 * q2;
}

}  // namespace

double Psat(double T) {
    if (T > Tc) return 0.0;
    return SaturationPressureMPa(T) * 1e6;
}

double Psat_bar(double T) {
    if (T > Tc) return 0.0;
    return SaturationPressureMPa(T) * 10.0;
}

double Tsat(double p) {
    if (p > pc) return 0.0;
    const double beta = std::sqrt(std::sqrt(p / 1e6));
    const double b2 = beta * beta;
    const double E = b2 + kSat[2] * beta + kSat[5];
    const double F = kSat[0] * b2 + kSat[3] * beta + kSat[6];
    const double G = kSat[1] * b2 + kSat[4] * beta + kSat[7];
    const double D = 2.0 * G / (-F - std::sqrt(F * F - 4.0 * E * G));
    const double s = kSat[9] + D;
    return (s - std::sqrt(s * s - 4.0 * (kSat[8] + kSat[9] * D))) / 2.0;
}

// ---- Boundaries ----
double B23_P(double T) {
    return (kB23[0] + kB23[1] * T + kB23[2] * T * T) * 1e6;
}
double B23_T(double p) {
    return kB23[3] + std::sqrt((p / 1e6 - kB23[4]) / kB23[2]);
}
double B2bc_P(double h) {
    const double eta = h / 1000.0;
    return (kB2bc[0] + kB2bc[1] * eta + kB2bc[2] * eta * eta) * 1e6;
}

// ---- Region 3 at (p, T) ----
double Region3_VPT(double p, double T, bool* ok) {
    double x1, x2;
    const double ps = T <= Tc ? Psat(T) : 0.0;
    if (T <= Tc && ps == p) {
        // On the saturation line the state has two volumes; the liquid one is the answer, as
        // for the saturation line bordering region 1.
        if (T >= T_623) return Region3_SatVolume(T, 0.0, ok);
        x1 = kV_16;
        x2 = LiquidVolumeBracket(T);
    } else if (p >= pc || T >= Tc) {
        x1 = kV_131;
        x2 = kV_25;
    } else if (ps < p) {
        x1 = kV_16;
        x2 = LiquidVolumeBracket(T);
    } else {
        x1 = VapourVolumeBracket(T);
        x2 = kV_15;
    }
    if (T < kT_FitLimit) return SolveRegion3Volume(p, T, x1, x2, ok);
    // Within about a microkelvin of Tc the pressure loop of the region-3 isotherm need not
    // contain the saturation-line pressure: a pressure just beside Psat(T) then has its only
    // root on the other side of the loop, which is the state's volume.
    bool found = true;
    const double v = SolveRegion3Volume(p, T, x1, x2, &found);
    if (found) return v;
    return ps < p ? SolveRegion3Volume(p, T, VapourVolumeBracket(T), kV_15, ok)
                  : SolveRegion3Volume(p, T, kV_16, LiquidVolumeBracket(T), ok);
}

namespace detail {

double Region3_VPT_Phase(double p, double T, int phase, bool* ok) {
    // Below Tc a forced phase takes the volume root on its own side of the saturation line,
    // also where rounding puts Psat(T) on the other side of p (for example at T = Tsat(p)).
    if (T < Tc && p < pc) {
        const double ps = Psat(T);
        bool found = true;
        double v = 0.0;
        if (phase == kPhaseLiquid && !(ps < p)) {
            v = SolveRegion3Volume(p, T, kV_16, LiquidVolumeBracket(T), &found);
            if (found) return v;
        } else if (phase == kPhaseVapour && ps < p) {
            v = SolveRegion3Volume(p, T, VapourVolumeBracket(T), kV_15, &found);
            if (found) return v;
        }
    }
    return Region3_VPT(p, T, ok);
}

}  // namespace detail

double Region3_H_PT(double p, double T, bool* ok) {
    bool found = true;
    const double v = Region3_VPT(p, T, &found);
    if (!found) return Failed(ok);
    return Region3_H(v, T);
}

double Region3_S_PT(double p, double T, bool* ok) {
    bool found = true;
    const double v = Region3_VPT(p, T, &found);
    if (!found) return Failed(ok);
    return Region3_S(v, T);
}

// ---- Near-critical saturation ----
namespace detail {

bool Region3_SatVolumes(double T, double* vLiquid, double* vVapour) {
    if (!(T <= Tc)) return false;
    if (Tc - T <= kCriticalHair) {
        *vLiquid = *vVapour = vc;
        return true;
    }
    // The bracket ends depend on T only. Close to Tc the searches over [0.00131, 1.01 vc] and
    // [0.99 vc, 0.015] reach past the other spinodal and return their far ends; the spinodals
    // are then searched on either side of vc instead.
    double vL, vV;
    if (T >= kT_FitLimit) {
        vL = ExtremumSearch(Region3_P, +1, kV_131, 1.01 * vc, T);
        vV = ExtremumSearch(Region3_P, -1, 0.99 * vc, kV_15, T);
        if (!(vL < vV && Region3_P(vL, T) < Region3_P(vV, T))) {
            vL = ExtremumSearch(Region3_P, +1, kV_131, vc, T);
            vV = ExtremumSearch(Region3_P, -1, vc, kV_15, T);
        }
    } else {
        vL = Cubic(kVLiquidFit, 1.0 / T);
        vV = Cubic(kVVapourFit, 1.0 / T);
    }
    const double tau = Tc / T;
    double ps = Psat(T);
    if (T >= kT_FitLimit) {
        // Close to Tc the saturation-line pressure can lie outside the pressure loop of the
        // region-3 isotherm, where one of the two volumes does not exist; start inside it.
        const double pMin = Region3_P(vL, T), pMax = Region3_P(vV, T);
        if (!(ps > pMin && ps < pMax)) ps = 0.5 * (pMin + pMax);
    }
    for (int pass = 0; pass < kSatVolumePassLimit; ++pass) {
        bool found = true;
        const double v1 = BrentRoot(Region3_P, 1, kV_16, vL, ps, T, &found);
        const double v2 = BrentRoot(Region3_P, 1, vV, kV_15, ps, T, &found);
        if (!found || !(v2 > v1)) return false;
        // Equal-area (Maxwell) condition: p (v'' - v') = R T (phi' - phi'').
        const double d1 = 1.0 / (rhoc * v1), d2 = 1.0 / (rhoc * v2);
        const double pNew = R * T * Region3_PhiDifference(d1, d2, tau) / (v2 - v1);
        if (!std::isfinite(pNew)) return false;
        if (std::fabs(pNew - ps) / pNew <= kSatVolumeTolerance) {
            *vLiquid = PolishVolume(v1, ps, T, kV_16, vL);
            *vVapour = PolishVolume(v2, ps, T, vV, kV_15);
            return true;
        }
        ps = pNew;
    }
    return false;
}

}  // namespace detail

double Region3_SatVolume(double T, double x, bool* ok) {
    double v1, v2;
    if (!detail::Region3_SatVolumes(T, &v1, &v2)) return Failed(ok);
    return v1 + std::fmin(std::fmax(x, 0.0), 1.0) * (v2 - v1);
}

}  // namespace if97
