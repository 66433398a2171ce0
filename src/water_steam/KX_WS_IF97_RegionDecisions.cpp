// The region decisions: the region of a state given by (p, T), (p, h) or (p, s); the (p,h) and
// (p,s) decisions compare with fitted region boundaries.
#include <array>
#include <cmath>
#include <span>

#include "KX_WS_IF97_Lib_Root.h"
#include "KX_WS_IF97_Regions.h"

namespace if97 {
namespace {

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
constexpr double kP_Lowest = 1e-08;           // lowest pressure of the (p,h), (p,s) decisions

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

// Bounds of the saturation pressure on narrow temperature bands below 623.15 K, so that the
// (p, T) decision computes Psat(T) only for states close to the line: the band of T gives
// Psat(T) between its lower and upper bound (Psat rises with T; the margins of 1e-9 cover the
// rounding of the band's index and of Psat itself). States between the bounds compare with
// Psat(T) as before, so every decision stays as it was.
struct TSatBand {
    double low, high;
};
constexpr double kBandT0 = 273.0, kBandT1 = 624.0;  // K, around [kT_LowestPT, T_623]
constexpr int kBandCount = 128;
constexpr double kBandsPerKelvin = kBandCount / (kBandT1 - kBandT0);

const std::array<TSatBand, kBandCount>& SatBands() {
    static const std::array<TSatBand, kBandCount> bands = [] {
        std::array<TSatBand, kBandCount> b{};
        for (int k = 0; k < kBandCount; ++k) {
            b[k] = {Psat(kBandT0 + k / kBandsPerKelvin) * (1.0 - 1e-9),
                    Psat(kBandT0 + (k + 1) / kBandsPerKelvin) * (1.0 + 1e-9)};
        }
        return b;
    }();
    return bands;
}

}  // namespace

// ---- Region decisions ----
int RegionPT(double p, double T) {
    if (!(p > 0.0 && p <= p_100 && T >= kT_LowestPT && T <= T_1073)) {
        return (p > 0.0 && p <= p_10 && T >= T_1073 && T <= T_2273) ? 5 : kRegionOutside;
    }
    if (p <= p_623) {
        if (T > T_623) return 2;
        const TSatBand& band = SatBands()[static_cast<int>((T - kBandT0) * kBandsPerKelvin)];
        if (p > band.high) return 1;
        if (p < band.low) return 2;
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

}  // namespace if97
