#include "KX_WS_IF97_Transport.h"

#include <algorithm>
#include <cmath>

#include "KX_WS_IF97_Lib_Root.h"
#include "KX_WS_IF97_Regions.h"

namespace if97 {

namespace {

// Reference constants of the IAPS Formulation 1985 for viscosity and thermal conductivity.
constexpr double kTstar = 647.226;      // K
constexpr double kRhoStar = 317.763;    // kg/m3
constexpr double kPstar = 22115000.0;   // Pa
constexpr double kMuStar = 55.071;      // micro-Pa s
constexpr double kLambdaStar = 0.4945;  // W/(m K)

// Viscosity, dilute-gas part mu0: IAPS Formulation 1985 for the viscosity of ordinary water
// substance, coefficients H_0 ... H_3.
static constexpr double kViscosityH[4] = {1.0, 0.978197, 0.579829, -0.202354};

// Viscosity, residual part mu1: IAPS Formulation 1985 for the viscosity of ordinary water
// substance, coefficients H_ij (i rows of (1/Tr - 1)^i, j columns of (rho_r - 1)^j).
static constexpr double kViscosityHij[6][7] = {
    {0.5132047, 0.2151778, -0.2818107, 0.1778064, -0.0417661, 0.0, 0.0},
    {0.3205656, 0.7317883, -1.070786, 0.460504, 0.0, -0.01578386, 0.0},
    {0.0, 1.241044, -1.263184, 0.2340379, 0.0, 0.0, 0.0},
    {0.0, 1.476783, 0.0, -0.4924179, 0.1600435, 0.0, -0.003629481},
    {-0.7782567, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {0.1885447, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
};

// Thermal conductivity, dilute-gas part lambda0: IAPS Formulation 1985 for the thermal
// conductivity of ordinary water substance, coefficients L_0 ... L_3.
static constexpr double kConductivityL[4] = {1.0, 6.978267, 2.599096, -0.998254};

// Thermal conductivity, residual part lambda1: IAPS Formulation 1985 for the thermal
// conductivity of ordinary water substance, coefficients L_ij.
static constexpr double kConductivityLij[5][6] = {
    {1.3293046, -0.40452437, 0.2440949, 0.018660751, -0.12961068, 0.044809953},
    {1.7018363, -2.2156845, 1.6511057, -0.76736002, 0.37283344, -0.1120316},
    {5.2246158, -10.124111, 4.9874687, -0.27297694, -0.43083393, 0.13333849},
    {8.7127675, -9.5000611, 4.3786606, -0.91783782, 0.0, 0.0},
    {-1.8525999, 0.9340469, 0.0, 0.0, 0.0, 0.0},
};

// Critical enhancement lambda2: IAPS Formulation 1985 for the thermal conductivity.
constexpr double kCriticalFactor = 0.0013848;
constexpr double kCriticalExponent = 0.4678;
constexpr double kCriticalDecay = -18.66;

// Surface tension: IAPWS release on the surface tension of ordinary water substance (1994).
constexpr double kSurfaceB = 0.2358;  // N/m
constexpr double kSurfaceMu = 1.256;
constexpr double kSurfaceb = -0.625;

// Steps of the numerical derivatives: K for temperature, Pa for pressure (10 Pa in region 3,
// where the volume comes from a root search and a 0.1 Pa step would drown in its tolerance).
constexpr double kStep = 0.1;
constexpr double kStepRegion3 = 10.0;

// Half width of the fallback bracket around p for the isochore root search (Pa): wide enough
// for every isochoric pressure rise over 0.1 K in regions 1 and 5.
constexpr double kFallbackWidth = 1.0e6;

// sum_i sum_j c[i][j] a^i b^j with the powers built by repeated multiplication.
template <int Rows, int Cols>
double DoubleSum(const double (&c)[Rows][Cols], double a, double b) {
    double bPowers[Cols];
    bPowers[0] = 1.0;
    for (int j = 1; j < Cols; ++j) bPowers[j] = bPowers[j - 1] * b;
    double sum = 0.0;
    double aPower = 1.0;
    for (int i = 0; i < Rows; ++i) {
        double row = 0.0;
        for (int j = 0; j < Cols; ++j) row += c[i][j] * bPowers[j];
        sum += row * aPower;
        aPower *= a;
    }
    return sum;
}

// sqrt(Tr) / (c0 + c1/Tr + c2/Tr^2 + c3/Tr^3), the dilute-gas form shared by both properties.
double DiluteGasPart(const double (&c)[4], double Tr) {
    const double invT = 1.0 / Tr;
    return std::sqrt(Tr) / (c[0] + invT * (c[1] + invT * (c[2] + invT * c[3])));
}

// Reduced viscosity mu0 * mu1 at reduced density rhoR and reduced temperature Tr.
double ReducedViscosity(double rhoR, double Tr) {
    const double mu0 = DiluteGasPart(kViscosityH, Tr);
    const double mu1 = std::exp(rhoR * DoubleSum(kViscosityHij, 1.0 / Tr - 1.0, rhoR - 1.0));
    return mu0 * mu1;
}

// Pressure at which the isochore of volume v reaches T + 0.1 K, by root search on the region
// equation F(p, T) in [lo, hi]. When the isochore leaves that bracket (cold liquid at low
// pressure, liquid near 100 MPa, region 5 near 10 MPa) the search is repeated in
// [fallbackLo, p + 1 MPa]; a bracket without a root in the end is a failure. Vapour many decades
// below 1e-8 Pa lies too far below the upper end for the search to reach it within its pass
// limit; its isochore, all but ideal gas, is then searched in [p/2, 2p].
bool IsochorePressure(TPropertyFunction F, double lo, double hi, double fallbackLo, double p,
                      double T, double v, double& pT) {
    bool ok = true;
    pT = BrentRoot(F, 1, lo, hi, v, T + kStep, &ok);
    if (ok) return true;
    if (pT != kBrentNotBracketed) return false;
    ok = true;
    pT = BrentRoot(F, 1, fallbackLo, std::max(hi, p + kFallbackWidth), v, T + kStep, &ok);
    if (ok || p >= lo) return ok;
    ok = true;
    pT = BrentRoot(F, 1, 0.5 * p, 2.0 * p, v, T + kStep, &ok);
    return ok;
}

// Upper pressure end of the region-2 isochore search at T + 0.1 K: the saturation line, the
// B23 line or 100 MPa, taken at the raised temperature so that the root lies inside even for
// vapour just below saturation.
double Region2UpperPressure(double T) {
    const double Tup = T + kStep;
    if (Tup < T_623) return Psat(Tup);
    if (Tup < 863.15) return B23_P(Tup);
    return p_100;
}

// Lower end of the fallback bracket for vapour: 1e-8 Pa, or below p for rarer vapour still.
double LowestPressure(double p) {
    return std::min(1e-8, 0.5 * p);
}

}  // namespace

double Viscosity_RhoT(double v, double T) {
    if (v == 0.0) return 0.0;
    const double rhoR = 1.0 / (kRhoStar * v);
    return ReducedViscosity(rhoR, T / kTstar) * kMuStar;
}

double Viscosity_PT(double p, double T, bool* ok) {
    if (RegionPT(p, T) == kRegionOutside) return 0.0;
    bool volumeOk = true;
    const double v = V_PT(p, T, &volumeOk);
    if (!volumeOk) {
        if (ok) *ok = false;
        return 0.0;
    }
    return Viscosity_RhoT(v, T);
}

double ThermalConductivity_Background(double v, double T) {
    const double rhoR = 1.0 / (kRhoStar * v);
    const double Tr = T / kTstar;
    const double lambda0 = DiluteGasPart(kConductivityL, Tr);
    const double lambda1 = std::exp(rhoR * DoubleSum(kConductivityLij, 1.0 / Tr - 1.0, rhoR - 1.0));
    return lambda0 * lambda1 * kLambdaStar;
}

double ThermalConductivity_Critical(double v, double T, double dpdT_v, double dvdp_T) {
    const double rhoR = 1.0 / (kRhoStar * v);
    const double Tr = T / kTstar;
    const double muR = ReducedViscosity(rhoR, Tr);
    const double dpdTR = dpdT_v * kTstar / kPstar;
    const double chi = -rhoR * rhoR * kPstar * dvdp_T / v;
    const double ratio = Tr / rhoR;
    const double dT = Tr - 1.0;
    const double dRho = rhoR - 1.0;
    // At vanishing density ratio^2 overflows while dpdTR is as small as ratio is large: the
    // product of the two is squared instead.
    const double ratioSlope = ratio * dpdTR;
    const double lambda2 = (kCriticalFactor / muR) * ratioSlope * ratioSlope *
                           std::pow(chi, kCriticalExponent) * std::sqrt(rhoR) *
                           std::exp(kCriticalDecay * dT * dT - dRho * dRho * dRho * dRho);
    return lambda2 * kLambdaStar;
}

bool ThermalConductivity_Derivatives(double p, double T, double v, double& dpdT_v, double& dvdp_T) {
    double pT = 0.0;
    switch (RegionPT(p, T)) {
        case 1:
            if (!IsochorePressure(Region1_V, pt_657, p_100, p - kFallbackWidth, p, T, v, pT))
                return false;
            dvdp_T = (Region1_V(p + kStep, T) - v) / kStep;
            break;
        case 2:
            if (!IsochorePressure(Region2_V, 1e-8, Region2UpperPressure(T), LowestPressure(p), p, T,
                                  v, pT))
                return false;
            dvdp_T = (Region2_V(p + kStep, T) - v) / kStep;
            break;
        case 3: {
            bool ok = true;
            // Exactly on the saturation line the state's volume is the saturated liquid's of the
            // equal-area condition, which belongs to a pressure up to some 200 Pa beside p; the
            // derivatives start from the liquid volume at p itself instead.
            const bool onLine = T <= Tc && p == Psat(T);
            const double v0 = onLine ? detail::Region3_VPT_Phase(p, T, kPhaseLiquid, &ok) : v;
            pT = Region3_P(v0, T + kStep);
            // Vapour within one step below the saturation line: a step up would cross it and
            // pick the liquid volume, so step down instead.
            const bool crossesSaturation = T < Tc && p < Psat(T) && p + kStepRegion3 >= Psat(T);
            if (crossesSaturation) {
                dvdp_T = (v0 - Region3_VPT(p - kStepRegion3, T, &ok)) / kStepRegion3;
            } else {
                dvdp_T = (Region3_VPT(p + kStepRegion3, T, &ok) - v0) / kStepRegion3;
            }
            if (!ok) return false;
            break;
        }
        case 4:
            pT = Psat(T + kStep);
            dvdp_T = 0.0;
            break;
        case 5:
            if (!IsochorePressure(Region5_V, 1e-8, p_10, LowestPressure(p), p, T, v, pT))
                return false;
            dvdp_T = (Region5_V(p + kStep, T) - v) / kStep;
            break;
        default:
            return false;
    }
    dpdT_v = (pT - p) / kStep;
    return true;
}

double ThermalConductivity_PT(double p, double T, bool* ok) {
    bool volumeOk = true;
    const double v = V_PT(p, T, &volumeOk);
    if (!volumeOk) {
        if (ok) *ok = false;
        return 0.0;
    }
    if (v == 0.0) return 0.0;
    double dpdT_v = 0.0;
    double dvdp_T = 0.0;
    // A derivative that failed, or a compressibility of the wrong sign, would only feed the
    // critical term with a meaningless number: report it as a failure instead.
    if (!ThermalConductivity_Derivatives(p, T, v, dpdT_v, dvdp_T) || dvdp_T > 0.0 ||
        !std::isfinite(dpdT_v) || !std::isfinite(dvdp_T)) {
        if (ok) *ok = false;
        return 0.0;
    }
    return ThermalConductivity_Background(v, T) +
           ThermalConductivity_Critical(v, T, dpdT_v, dvdp_T);
}

double IsentropicExponent_PT(double p, double T, bool* ok) {
    const int region = RegionPT(p, T);
    if (region == 4 || region == kRegionOutside) return 0.0;
    bool stateOk = true;
    const double w = W_PT(p, T, &stateOk);
    const double v = V_PT(p, T, &stateOk);
    if (!stateOk) {
        if (ok) *ok = false;
        return 0.0;
    }
    return w * w / (p * v);
}

double SurfaceTension_T(double T) {
    const double tau = 1.0 - T / Tc;
    return kSurfaceB * std::pow(tau, kSurfaceMu) * (1.0 + kSurfaceb * tau);
}

}  // namespace if97
