// Saturation line, region boundaries, region decisions, the region-3 volume from (p, T), the
// near-critical saturated volumes, the (p, T) property dispatchers and two-phase mixtures.
#include <cfenv>
#include <cmath>
#include <span>

#include "KX_WS_IF97_Lib_Root.h"
#include "KX_WS_IF97_Regions.h"

namespace if97 {
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

// A fitted boundary of the (p,h) and (p,s) region map:
// F(p) = a0 + sum a_k p^k + sum b_k (ln p)^k + sum c_k (1/p)^k, k from 1.
struct TBoundaryFit {
    double a0;
    std::span<const double> a, b, c;
};

// Fit of the enthalpy of vapour at 273.15 K against pressure (the system's own boundary fit)
static constexpr double kHVapour273P[] = {-0.813456839};
static constexpr TBoundaryFit kHVapour273{2501424.75, kHVapour273P, {}, {}};

// Fit of the enthalpy at 1073.15 K against pressure (the system's own boundary fit)
static constexpr double kH1073P[] = {-0.00451831575, -8.55033494e-12, 1.09557993e-19,
                                     -1.76948792e-28};
static constexpr TBoundaryFit kH1073{4160663.52, kH1073P, {}, {}};

// Fit of the enthalpy at 2273.15 K against pressure (the system's own boundary fit)
static constexpr double kH2273P[] = {-0.00022742945, 4.24399023e-13};
static constexpr TBoundaryFit kH2273{7376980.77, kH2273P, {}, {}};

// Fit of the region-1 enthalpy at 273.15 K against pressure (the system's own boundary fit)
static constexpr double kH273P[] = {0.00101880588,   -7.80438016e-13, 1.55153047e-21,
                                    -1.93588407e-30, -8.95455541e-40, 3.84774485e-48,
                                    -9.78132184e-57, 1.14412166e-65};
static constexpr TBoundaryFit kH273{-42.2105329, kH273P, {}, {}};

// Fit of the enthalpy of saturated liquid against pressure (the system's own boundary fit)
static constexpr double kHSatLiquidP[] = {0.00934734232,   1.14123733e-10, 2.58685302e-18,
                                          -5.42725138e-25, 1.07421128e-31, -7.00820424e-39,
                                          1.81034783e-46};
static constexpr double kHSatLiquidL[] = {54096.0041,  -2845.53281,  378.938096,    -2.13685123,
                                          -0.87015224, 0.0493328899, 0.000451102857};
static constexpr double kHSatLiquidE[] = {207738.368, -43063584.9};
static constexpr TBoundaryFit kHSatLiquid{-320828.804, kHSatLiquidP, kHSatLiquidL, kHSatLiquidE};

// Fit of the enthalpy of saturated vapour against pressure (the system's own boundary fit)
static constexpr double kHSatVapourP[] = {-0.0231138157,  4.52079274e-10,  -8.19535474e-17,
                                          5.45863856e-24, -2.06882775e-31, 2.11880153e-39};
static constexpr double kHSatVapourL[] = {10320.1503, 339.146308, 71.1467923};
static constexpr double kHSatVapourE[] = {-2851069.08, 643463295.0};
static constexpr TBoundaryFit kHSatVapour{2404964.03, kHSatVapourP, kHSatVapourL, kHSatVapourE};

// Fit of the region-1 enthalpy at 623.15 K against pressure (the system's own boundary fit)
static constexpr double kH623P[] = {-0.13462191,     1.05249823e-08,  -4.94318083e-16,
                                    1.48298216e-23,  -2.89682616e-31, 3.59708639e-39,
                                    -2.53515469e-47, 5.08135787e-56,  6.35134501e-64,
                                    -5.0722137e-72,  1.17510046e-80};
static constexpr TBoundaryFit kH623{2437836.38, kH623P, {}, {}};

// Fit of the enthalpy on the region 2/3 boundary against pressure (the system's own boundary fit)
static constexpr double kHB23P[] = {1.50670127,      -1.80445934e-08, 1.43538018e-16,
                                    -7.09920291e-25, 1.92157829e-33,  -2.06071432e-42};
static constexpr double kHB23E[] = {3405993060000000.0, -9.47554634e+22, 1.82742031e+30,
                                    -2.32589107e+37,    1.75112571e+44,  -5.90023488e+50};
static constexpr TBoundaryFit kHB23{-83308453.2, kHB23P, {}, kHB23E};

// Fit of the entropy of vapour at 273.15 K against pressure (the system's own boundary fit)
static constexpr double kSVapour273L[] = {-461.513923, -0.0210078922};
static constexpr TBoundaryFit kSVapour273{12118.4927, {}, kSVapour273L, {}};

// Fit of the entropy at 1073.15 K below 10 MPa against pressure (the system's own boundary fit)
static constexpr double kS1073LowL[] = {
    -461.435771,     0.0378126449,    -0.0141774967,  -0.00116614219, 0.000503558467,
    -3.41610711e-06, -5.57707191e-06, 2.40745906e-07, 1.40014262e-08, -7.97335855e-10};
static constexpr TBoundaryFit kS1073Low{14881.8371, {}, kS1073LowL, {}};

// Fit of the entropy at 2273.15 K against pressure (the system's own boundary fit)
static constexpr double kS2273P[] = {-3.0225993e-07};
static constexpr double kS2273L[] = {-461.525818, -1.97268667e-05};
static constexpr TBoundaryFit kS2273{16865.851, kS2273P, kS2273L, {}};

// Fit of the region-1 entropy at 273.15 K against pressure (the system's own boundary fit)
static constexpr double kS273P[] = {6.8089292e-08,   -1.92535277e-15, 4.65167274e-24,
                                    -6.11312741e-33, -3.03276876e-42, -3.69998827e-51,
                                    2.66225119e-58,  -1.88863038e-66};
static constexpr TBoundaryFit kS273{-0.154591208, kS273P, {}, {}};

// Fit of the entropy of saturated liquid against pressure (the system's own boundary fit)
static constexpr double kSSatLiquidP[] = {1.18348148e-05,  1.34793962e-13, 1.85646695e-21,
                                          -4.23049768e-28, 1.32240454e-34, -9.54308363e-42,
                                          2.60081093e-49};
static constexpr double kSSatLiquidL[] = {192.202337,     -4.25724678,    0.614755274,
                                          0.0279254929,   -0.00635012967, 0.000399431225,
                                          -7.42907504e-06};
static constexpr double kSSatLiquidE[] = {-266.76278, -104409.235};
static constexpr TBoundaryFit kSSatLiquid{-1222.43606, kSSatLiquidP, kSSatLiquidL, kSSatLiquidE};

// Fit of the entropy of saturated vapour against pressure (the system's own boundary fit)
static constexpr double kSSatVapourP[] = {-3.05249092e-05, 1.14296194e-12, -1.82836162e-19,
                                          1.32597883e-26,  -5.3387306e-34, 7.13123498e-42};
static constexpr double kSSatVapourL[] = {-447.546053, 6.08623658, -0.0646683453};
static constexpr double kSSatVapourE[] = {-11427.956, 2215776.19};
static constexpr TBoundaryFit kSSatVapour{11806.5354, kSSatVapourP, kSSatVapourL, kSSatVapourE};

// Fit of the entropy at 1073.15 K from 10 MPa up against pressure (the system's own boundary fit)
static constexpr double kS1073HighP[] = {-1.45534319e-05, 7.05923608e-14, -2.99146135e-22,
                                         7.38764934e-31};
static constexpr double kS1073HighE[] = {11258940600.0, -7.93632305e+16, 3.95424211e+23,
                                         -9.04234882e+29};
static constexpr TBoundaryFit kS1073High{6910.15438, kS1073HighP, {}, kS1073HighE};

// Fit of the region-1 entropy at 623.15 K against pressure (the system's own boundary fit)
static constexpr double kS623P[] = {-0.000221237329, 1.70702904e-11,  -8.00910786e-19,
                                    2.40167736e-26,  -4.69006415e-34, 5.82260308e-42,
                                    -4.10282082e-50, 8.21791414e-59,  1.02825904e-66,
                                    -8.2096268e-75,  1.90178092e-83};
static constexpr TBoundaryFit kS623{5068.25081, kS623P, {}, {}};

// Fit of the entropy on the region 2/3 boundary against pressure (the system's own boundary fit)
static constexpr double kSB23P[] = {0.00240020806,   -2.92790261e-11, 2.39600311e-19,
                                    -1.24050351e-27, 3.62024576e-36,  -4.44418496e-45};
static constexpr double kSB23E[] = {5397129680000.0, -1.50831369e+20, 2.93021889e+27,
                                    -3.75610349e+34, 2.84455025e+41,  -9.62837156e+47};
static constexpr TBoundaryFit kSB23{-130911.066, kSB23P, {}, kSB23E};

constexpr double kT_LowestPT = 273.14999999;  // lowest temperature RegionPT accepts, K
constexpr double kT_FitLimit = 642.0;         // below: cubic volume brackets, above: searches
constexpr double kP_Lowest = 1e-08;           // lowest pressure of the (p,h), (p,s) decisions
constexpr double kP_VapourForcedLimit = 16529200.0;  // vapour-side H_PT switch to region 3
constexpr double kV_131 = 0.00131, kV_16 = 0.0016, kV_15 = 0.015, kV_25 = 0.025;

// Equal-area iteration of the near-critical saturated volumes: tolerance and pass limit.
constexpr double kSatVolumeTolerance = 1e-06;
constexpr int kSatVolumePassLimit = 50;
// Within this distance below the critical temperature the two saturated volumes can no longer
// be told apart by the iteration; both are the critical volume there.
constexpr double kCriticalHair = 1e-07;  // K

// sum k_i x^(i+1) by Horner's scheme.
double HornerWithoutConstant(std::span<const double> k, double x) {
    double s = 0.0;
    for (std::size_t i = k.size(); i-- > 0;) s = (s + k[i]) * x;
    return s;
}

// A boundary fit at pressure p; L = ln p, E = 1/p are shared by the fits of one decision.
struct TFitVariables {
    double p, L, E;
    explicit TFitVariables(double pressure)
        : p(pressure), L(std::log(pressure)), E(1.0 / pressure) {}
};

double Fit(const TBoundaryFit& f, const TFitVariables& x) {
    return f.a0 + HornerWithoutConstant(f.a, x.p) + HornerWithoutConstant(f.b, x.L) +
           HornerWithoutConstant(f.c, x.E);
}

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

// Marks a failure and returns the 0 the caller hands back.
double Failed(bool* ok) {
    if (ok) *ok = false;
    return 0.0;
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

// Runs a forced-phase enthalpy: a floating-point fault or failed inner search gives 0 and
// leaves the caller's floating-point flags as they were.
template <class Compute>
double ForcedPhase(Compute compute, bool* ok) {
    std::fexcept_t saved;
    std::fegetexceptflag(&saved, FE_ALL_EXCEPT);
    bool inner = true;
    const double h = compute(&inner);
    if (inner && std::isfinite(h)) return h;
    std::fesetexceptflag(&saved, FE_ALL_EXCEPT);
    return Failed(ok);
}

}  // namespace

// ---- Saturation line ----
double Psat(double T) {
    if (T > Tc) return 0.0;
    const double theta = T + kSat[8] / (T - kSat[9]);
    const double A = theta * theta + kSat[0] * theta + kSat[1];
    const double B = kSat[2] * theta * theta + kSat[3] * theta + kSat[4];
    const double C = kSat[5] * theta * theta + kSat[6] * theta + kSat[7];
    const double q = 2.0 * C / (-B + std::sqrt(B * B - 4.0 * A * C));
    const double q2 = q * q;
    return q2 * q2 * 1e6;
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

// ---- Region decisions ----
int RegionPT(double p, double T) {
    if (!(p > 0.0 && p <= p_100 && T >= kT_LowestPT && T <= T_1073)) {
        return (p > 0.0 && p <= p_10 && T >= T_1073 && T <= T_2273) ? 5 : kRegionOutside;
    }
    if (p <= p_623) {
        if (T > T_623) return 2;
        const double ps = Psat(T);
        if (p > ps) return 1;
        if (p == ps) return 4;
        return 2;
    }
    if (T <= T_623) return 1;
    if (T < B23_T(p)) return 3;
    return 2;
}

int RegionPH(double p, double h) {
    if (!(p >= kP_Lowest && p <= p_100)) return kRegionOutside;
    const TFitVariables x(p);
    if (p < pt_657) {
        if (h < Fit(kHVapour273, x)) return kRegionOutside;
        if (h < Fit(kH1073, x)) return 2;
        if (h <= Fit(kH2273, x)) return 5;
        return kRegionOutside;
    }
    if (h < Fit(kH273, x)) return kRegionOutside;
    if (p < p_623) {
        if (h < Fit(kHSatLiquid, x)) return 1;
        if (h < Fit(kHSatVapour, x)) return 4;
        if (h < Fit(kH1073, x)) return 2;
        if (h <= Fit(kH2273, x) && p <= p_10) return 5;
        return kRegionOutside;
    }
    if (h < Fit(kH623, x)) return 1;
    if (h < Fit(kHB23, x)) return 3;
    if (h <= Fit(kH1073, x)) return 2;
    return kRegionOutside;
}

int RegionPS(double p, double s) {
    if (!(p >= kP_Lowest && p <= p_100)) return kRegionOutside;
    const TFitVariables x(p);
    if (p < pt_657) {
        if (s < Fit(kSVapour273, x)) return kRegionOutside;
        if (s < Fit(kS1073Low, x)) return 2;
        if (s <= Fit(kS2273, x)) return 5;
        return kRegionOutside;
    }
    if (s < Fit(kS273, x)) return kRegionOutside;
    if (p < p_623) {
        if (s < Fit(kSSatLiquid, x)) return 1;
        if (s < Fit(kSSatVapour, x)) return 4;
        if (p < p_10) {
            if (s < Fit(kS1073Low, x)) return 2;
            if (s <= Fit(kS2273, x)) return 5;
            return kRegionOutside;
        }
        return s <= Fit(kS1073High, x) ? 2 : kRegionOutside;
    }
    if (s < Fit(kS623, x)) return 1;
    if (s < Fit(kSB23, x)) return 3;
    if (s <= Fit(kS1073High, x)) return 2;
    return kRegionOutside;
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
    return SolveRegion3Volume(p, T, x1, x2, ok);
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

// ---- Property dispatchers ----
namespace {

// Region-3 (v, T) function at (p, T).
template <double (*Property)(double, double)>
double Region3AtPT(double p, double T, bool* ok) {
    bool found = true;
    const double v = Region3_VPT(p, T, &found);
    if (!found) return Failed(ok);
    return Property(v, T);
}

template <double (*R1)(double, double), double (*R2)(double, double), double (*R3)(double, double),
          double (*R5)(double, double), bool VapourOnLine>
double Dispatch(double p, double T, bool* ok) {
    switch (RegionPT(p, T)) {
        case 1:
            return R1(p, T);
        case 2:
            return R2(p, T);
        case 3:
            return Region3AtPT<R3>(p, T, ok);
        case 4:
            return VapourOnLine ? R2(p, T) : R1(p, T);
        case 5:
            return R5(p, T);
        default:
            return Failed(ok);
    }
}

double Region3VolumeOf(double v, double) {
    return v;
}

// Region-3 enthalpy on the side of the saturation line a forced phase asks for.
double ForcedRegion3H(double p, double T, int phase, bool* ok) {
    bool found = true;
    const double v = detail::Region3_VPT_Phase(p, T, phase, &found);
    if (!found) return Failed(ok);
    return Region3_H(v, T);
}

}  // namespace

double H_PT(int phase, double p, double T, bool* ok) {
    if (phase == kPhaseLiquid) {
        return ForcedPhase(
            [&](bool* inner) {
                return T <= T_623 ? Region1_H(p, T) : ForcedRegion3H(p, T, kPhaseLiquid, inner);
            },
            ok);
    }
    if (phase == kPhaseVapour) {
        return ForcedPhase(
            [&](bool* inner) {
                if (T > T_1073) return Region5_H(p, T);
                if (T <= T_623 || p <= kP_VapourForcedLimit) return Region2_H(p, T);
                if (T <= B23_T(p)) return ForcedRegion3H(p, T, kPhaseVapour, inner);
                return Region2_H(p, T);
            },
            ok);
    }
    return Dispatch<Region1_H, Region2_H, Region3_H, Region5_H, false>(p, T, ok);
}
double S_PT(double p, double T, bool* ok) {
    return Dispatch<Region1_S, Region2_S, Region3_S, Region5_S, false>(p, T, ok);
}
double V_PT(double p, double T, bool* ok) {
    return Dispatch<Region1_V, Region2_V, Region3VolumeOf, Region5_V, false>(p, T, ok);
}
double Cp_PT(double p, double T, bool* ok) {
    return Dispatch<Region1_Cp, Region2_Cp, Region3_Cp, Region5_Cp, false>(p, T, ok);
}
double Cv_PT(double p, double T, bool* ok) {
    return Dispatch<Region1_Cv, Region2_Cv, Region3_Cv, Region5_Cv, false>(p, T, ok);
}
double W_PT(double p, double T, bool* ok) {
    return Dispatch<Region1_W, Region2_W, Region3_W, Region5_W, true>(p, T, ok);
}

// ---- Two-phase mixtures ----
namespace {

double Mix(double liquid, double vapour, double x) {
    return liquid + std::fmin(std::fmax(x, 0.0), 1.0) * (vapour - liquid);
}

// Mixture by pressure: regions 1 and 2 below 16529164.3 Pa, region 3 above.
template <double (*R1)(double, double), double (*R2)(double, double), double (*R3)(double, double)>
double MixtureByPressure(double p, double x, bool* ok) {
    if (!(p >= pt && p <= pc)) return Failed(ok);
    const double T = Tsat(p);
    if (p < p_623) return Mix(R1(p, T), R2(p, T), x);
    double v1, v2;
    if (!detail::Region3_SatVolumes(T, &v1, &v2)) return Failed(ok);
    return Mix(R3(v1, T), R3(v2, T), x);
}

// Mixture by temperature: regions 1 and 2 below 623.15 K, region 3 above.
template <double (*R1)(double, double), double (*R2)(double, double), double (*R3)(double, double)>
double MixtureByTemperature(double T, double x, bool* ok) {
    if (!(T >= T0 && T <= Tc)) return Failed(ok);
    if (T < T_623) {
        const double p = Psat(T);
        return Mix(R1(p, T), R2(p, T), x);
    }
    double v1, v2;
    if (!detail::Region3_SatVolumes(T, &v1, &v2)) return Failed(ok);
    return Mix(R3(v1, T), R3(v2, T), x);
}

}  // namespace

double H_PX(double p, double x, bool* ok) {
    return MixtureByPressure<Region1_H, Region2_H, Region3_H>(p, x, ok);
}
double S_PX(double p, double x, bool* ok) {
    return MixtureByPressure<Region1_S, Region2_S, Region3_S>(p, x, ok);
}
double V_PX(double p, double x, bool* ok) {
    return MixtureByPressure<Region1_V, Region2_V, Region3VolumeOf>(p, x, ok);
}
double H_TX(double T, double x, bool* ok) {
    return MixtureByTemperature<Region1_H, Region2_H, Region3_H>(T, x, ok);
}
double S_TX(double T, double x, bool* ok) {
    return MixtureByTemperature<Region1_S, Region2_S, Region3_S>(T, x, ok);
}
double V_TX(double T, double x, bool* ok) {
    return MixtureByTemperature<Region1_V, Region2_V, Region3VolumeOf>(T, x, ok);
}

}  // namespace if97
