#include "KX_HA_RP1485_Model.h"

#include <algorithm>
#include <cmath>
#include <complex>

#include "KX_WS_IF97_Lib_Root.h"

namespace ha::rp1485 {

namespace {

// ---- Virial limits of the Helmholtz equations ----
// In the limit delta -> 0 only power terms n delta^d tau^t exp(-delta^l) with d = 1 (for B) and
// d <= 2 (for C) survive: B = sum n tau^t / rho_r over d = 1; C = (sum 2 n tau^t over d = 2
// minus sum 2 n tau^t over d = 1, l = 1) / rho_r^2. The sums below hold those n (with the factors
// 2 and -2) and t; the Gaussian and non-analytic terms of IAPWS-95 vanish there.
struct TVirialTerm {
    double n, t;
};

// Lemmon et al. (2000) dry air: T_r = 132.6312 K, rho_r = 10447.7 mol/m3.
constexpr double kAirTr = 132.6312;
constexpr double kAirRhor = 10447.7;
constexpr TVirialTerm kAirB[] = {{0.118160747229, 0.0},  {0.713116392079, 0.33},
                                 {-1.61824192067, 1.01}, {-0.101365037912, 1.6},
                                 {-0.146629609713, 3.6}, {0.0148287891978, 3.5}};
constexpr TVirialTerm kAirC[] = {{0.1428280357942, 0.0}, {0.202730075824, 1.6}};

// IAPWS-95 water: T_r = 647.096 K, rho_r = 322 kg/m3 / M_w.
constexpr double kWaterTr = 647.096;
constexpr double kWaterRhor = 17873.7279956091;
constexpr TVirialTerm kWaterB[] = {{0.012533547935523, -0.5}, {7.8957634722828, 0.875},
                                   {-8.7803203303561, 1.0},   {-0.66856572307965, 4.0},
                                   {0.20433810950965, 6.0},   {-6.6212605039687e-05, 12.0},
                                   {-0.10793600908932, 7.0}};
constexpr TVirialTerm kWaterC[] = {{0.63605018690836, 0.5},      {-0.52291067718716, 0.75},
                                   {1.3371314461593, 4.0},       {-0.4086762190193, 6.0},
                                   {0.000132425210079374, 12.0}, {-0.38465442312004, 1.0},
                                   {-0.51418086006876, 5.0},     {0.035222982017504, 1.0},
                                   {0.44264590335092, 9.0},      {-0.80495339527056, 10.0}};

// Sum n tau^t and its tau derivative.
template <std::size_t N>
void SumTerms(const TVirialTerm (&terms)[N], double tau, double& value, double& dTau) {
    value = 0.0;
    dTau = 0.0;
    for (const TVirialTerm& term : terms) {
        const double power = std::pow(tau, term.t);
        value += term.n * power;
        dTau += term.n * term.t * power / tau;
    }
}

// One pure fluid: B, C and their temperature derivatives (dtau/dT = -tau/T).
template <std::size_t NB, std::size_t NC>
void PureVirials(const TVirialTerm (&bTerms)[NB], const TVirialTerm (&cTerms)[NC], double Tr,
                 double rhor, double T, double& B, double& dB, double& C, double& dC) {
    const double tau = Tr / T;
    double sum = 0.0, dSum = 0.0;
    SumTerms(bTerms, tau, sum, dSum);
    B = sum / rhor;
    dB = -dSum * tau / T / rhor;
    SumTerms(cTerms, tau, sum, dSum);
    C = sum / (rhor * rhor);
    dC = -dSum * tau / T / (rhor * rhor);
}

// ---- IAPWS-06 ice Ih ----
// g00 as revised in 2009 (R10-06(2009)), which puts ice on the IAPWS-95 reference; the 2006 value
// -632020.233449497 gives enthalpies 1.1e-4 J/kg lower.
constexpr double kIcePt = 611.657;
constexpr double kIcePi0 = 101325.0 / kIcePt;
constexpr double kIceG0[] = {-632020.233335886, 0.655022213658955, -1.89369929326131e-08,
                             3.39746123271053e-15, -5.56464869058991e-22};
using TComplex = std::complex<double>;
const TComplex kIceT1(0.0368017112855051, 0.0510878114959572);
const TComplex kIceR1(44.7050716285388, 65.6876847463481);
const TComplex kIceT2(0.337315741065416, 0.335449415919309);
const TComplex kIceR2[] = {{-72.597457432922, -78.100842711287},
                           {-5.57107698030123e-05, 4.64578634580806e-05},
                           {2.34801409215913e-11, -2.85651142904972e-11}};

TComplex IceF(TComplex t, double theta) {
    return (t - theta) * std::log(t - theta) + (t + theta) * std::log(t + theta) -
           2.0 * t * std::log(t) - theta * theta / t;
}
TComplex IceFTheta(TComplex t, double theta) {
    return -std::log(t - theta) + std::log(t + theta) - 2.0 * theta / t;
}

// g_p (m3/kg) and g_pp (m3/(kg Pa)) of ice.
void IcePressureDerivatives(double T, double p, double& gp, double& gpp) {
    const double theta = T / Tt;
    const double x = p / kIcePt - kIcePi0;
    const double g0p =
        (kIceG0[1] + x * (2.0 * kIceG0[2] + x * (3.0 * kIceG0[3] + x * 4.0 * kIceG0[4]))) / kIcePt;
    const double g0pp =
        (2.0 * kIceG0[2] + x * (6.0 * kIceG0[3] + x * 12.0 * kIceG0[4])) / (kIcePt * kIcePt);
    const TComplex r2p = (kIceR2[1] + 2.0 * kIceR2[2] * x) / kIcePt;
    const TComplex r2pp = 2.0 * kIceR2[2] / (kIcePt * kIcePt);
    const TComplex F2 = IceF(kIceT2, theta);
    gp = g0p + Tt * (r2p * F2).real();
    gpp = g0pp + Tt * (r2pp * F2).real();
}

// ---- Ideal-gas parts ----
// Lemmon et al. (2000) air, alpha0 without ln(delta): value and tau derivative.
constexpr double kAirR = 8.31451;
constexpr double kAirN[] = {6.057194e-08,  -2.10274769e-05, -0.000158860716,
                            -13.841928076, 17.275266575,    -0.00019536342};
constexpr double kAirE[] = {-3.0, -2.0, -1.0, 0.0, 1.0, 1.5};
constexpr double kAirN7 = 2.490888032, kAirN8 = 0.791309509, kAirN9 = 0.212236768,
                 kAirN10 = -0.197938904, kAirN11 = 25.36365, kAirN12 = 16.90741, kAirN13 = 87.31279;
// RP-1485's constant that puts real dry air at h = 0 at 0 °C and 101.325 kPa.
constexpr double kAirH0 = -7914.149298;

void AirIdeal(double T, double& alpha, double& alphaTau, double& tau) {
    tau = kAirTr / T;
    alpha = 0.0;
    alphaTau = 0.0;
    for (int k = 0; k < 6; ++k) {
        const double power = std::pow(tau, kAirE[k]);
        alpha += kAirN[k] * power;
        alphaTau += kAirN[k] * kAirE[k] * power / tau;
    }
    alpha += kAirN7 * std::log(tau);
    alphaTau += kAirN7 / tau;
    const double e8 = std::exp(-kAirN11 * tau), e9 = std::exp(-kAirN12 * tau);
    alpha += kAirN8 * std::log1p(-e8) + kAirN9 * std::log1p(-e9);
    alphaTau += kAirN8 * kAirN11 * e8 / (1.0 - e8) + kAirN9 * kAirN12 * e9 / (1.0 - e9);
    // ln(2/3 + e^x) written with e^-x, which cannot overflow.
    const double x = kAirN13 * tau, em = std::exp(-x);
    alpha += kAirN10 * (x + std::log1p(2.0 / 3.0 * em));
    alphaTau += kAirN10 * kAirN13 / (1.0 + 2.0 / 3.0 * em);
}

// IAPWS-95 water, alpha0 without ln(delta).
constexpr double kWaterR = 8.314371357587;
constexpr double kWaterN1 = -8.3204464837497, kWaterN2 = 6.6832105275932, kWaterN3 = 3.00632;
constexpr double kWaterN[] = {0.012436, 0.97315, 1.2795, 0.96956, 0.24873};
constexpr double kWaterG[] = {1.28728967, 3.53734222, 7.74073708, 9.24437796, 27.5075105};

void WaterIdeal(double T, double& alpha, double& alphaTau, double& tau) {
    tau = kWaterTr / T;
    alpha = kWaterN1 + kWaterN2 * tau + kWaterN3 * std::log(tau);
    alphaTau = kWaterN2 + kWaterN3 / tau;
    for (int k = 0; k < 5; ++k) {
        const double e = std::exp(-kWaterG[k] * tau);
        alpha += kWaterN[k] * std::log1p(-e);
        alphaTau += kWaterN[k] * kWaterG[k] * e / (1.0 - e);
    }
}

// Entropy of humid air without the dry-air constant, J/(mol K): the exact entropy of the virial
// equation in (T, v), ideal parts at the ideal-gas pressure R T / v.
double RawMolarEntropy(const TMixVirials& m, double T, double psi, double V) {
    const double pIdeal = R * T / V;
    double alpha, alphaTau, tau;
    AirIdeal(T, alpha, alphaTau, tau);
    const double sAir =
        kAirR * (tau * alphaTau - alpha - std::log(pIdeal / (kAirR * T * kAirRhor)));
    WaterIdeal(T, alpha, alphaTau, tau);
    const double sWater =
        kWaterR * (tau * alphaTau - alpha - std::log(pIdeal / (kWaterR * T * kWaterRhor)));
    double mixing = 0.0;
    if (psi > 0.0) mixing -= R * psi * std::log(psi);
    if (psi < 1.0) mixing -= R * (1.0 - psi) * std::log1p(-psi);
    return (1.0 - psi) * sAir + psi * sWater + mixing -
           R * ((m.B + T * m.dB) / V + (m.C + T * m.dC) / (2.0 * V * V));
}

// Dry air s = 0 at 0 °C and 101.325 kPa.
double AirEntropyConstant() {
    static const double constant = [] {
        const TMixVirials m = MixVirials(Virials(T0), 0.0);
        return -RawMolarEntropy(m, T0, 0.0, MolarVolume(m, T0, P0));
    }();
    return constant;
}

// Liquid water (IF97 region 1): isothermal compressibility by a central difference of the
// volume; region 1 is a polynomial in p, smooth through zero, so the step is safe at any p.
double LiquidCompressibility(double T, double p) {
    constexpr double dp = 1e4;
    return -(if97::Region1_V(p + dp, T) - if97::Region1_V(p - dp, T)) /
           (2.0 * dp * if97::Region1_V(p, T));
}

}  // namespace

TVirials Virials(double T) {
    TVirials v;
    PureVirials(kAirB, kAirC, kAirTr, kAirRhor, T, v.Baa, v.dBaa, v.Caaa, v.dCaaa);
    PureVirials(kWaterB, kWaterC, kWaterTr, kWaterRhor, T, v.Bww, v.dBww, v.Cwww, v.dCwww);
    // Harvey & Huang (2007), cm3/mol.
    constexpr double bc[] = {66.5687, -238.834, -176.755};
    constexpr double bd[] = {-0.237, -1.048, -3.183};
    const double x = T / 100.0;
    v.Baw = v.dBaw = 0.0;
    for (int i = 0; i < 3; ++i) {
        const double term = bc[i] * std::pow(x, bd[i]);
        v.Baw += term;
        v.dBaw += term * bd[i] / T;
    }
    v.Baw *= 1e-6;
    v.dBaw *= 1e-6;
    // Hyland & Wexler (1983), cm6/mol2: sum c_i T^(1-i).
    constexpr double cc[] = {482.737, 105678.0, -65639400.0, 29444200000.0, -3193170000000.0};
    const double y = 1.0 / T;
    v.Caaw = cc[0] + y * (cc[1] + y * (cc[2] + y * (cc[3] + y * cc[4])));
    v.dCaaw = -y * y * (cc[1] + y * (2.0 * cc[2] + y * (3.0 * cc[3] + y * 4.0 * cc[4])));
    v.Caaw *= 1e-12;
    v.dCaaw *= 1e-12;
    // Nelson & Sauer (2002), dm6/mol2: -exp(sum d_i T^(1-i)).
    constexpr double cd[] = {-10.72887, 3478.04, -383383.0, 33406000.0};
    const double exponent = cd[0] + y * (cd[1] + y * (cd[2] + y * cd[3]));
    const double dExponent = -y * y * (cd[1] + y * (2.0 * cd[2] + y * 3.0 * cd[3]));
    v.Caww = -1e-6 * std::exp(exponent);
    v.dCaww = v.Caww * dExponent;
    return v;
}

TMixVirials MixVirials(const TVirials& v, double psi) {
    const double a = 1.0 - psi, w = psi;
    return {a * a * v.Baa + 2.0 * a * w * v.Baw + w * w * v.Bww,
            a * a * a * v.Caaa + 3.0 * a * a * w * v.Caaw + 3.0 * a * w * w * v.Caww +
                w * w * w * v.Cwww,
            a * a * v.dBaa + 2.0 * a * w * v.dBaw + w * w * v.dBww,
            a * a * a * v.dCaaa + 3.0 * a * a * w * v.dCaaw + 3.0 * a * w * w * v.dCaww +
                w * w * w * v.dCwww};
}

double SublimationPressure(double T) {
    const double theta = T / Tt;
    const double sum = -21.2144006 * std::pow(theta, 0.00333333333) +
                       27.3203819 * std::pow(theta, 1.20666667) +
                       -6.1059813 * std::pow(theta, 1.70333333);
    return kIcePt * std::exp(sum / theta);
}

double SaturationPressure(double T) {
    return OverLiquid(T) ? if97::Psat(T) : SublimationPressure(T);
}

double SaturationTemperature(double pws) {
    return pws >= kIcePt ? if97::Tsat(pws) : SublimationTemperature(pws);
}

double SublimationTemperature(double pws) {
    // Newton on ln(p/p_t) = sum a_i x^(1 - b_i), x = T_t/T, from the Clausius-Clapeyron guess
    // (sublimation enthalpy over R about 6140 K); the function is nearly linear in x.
    constexpr double a[] = {-21.2144006, 27.3203819, -6.1059813};
    constexpr double b[] = {0.00333333333, 1.20666667, 1.70333333};
    const double target = std::log(pws / kIcePt);
    double x = 1.0 - target * Tt / 6140.0;
    for (int pass = 0; pass < 50; ++pass) {
        double g = -target, dg = 0.0;
        for (int i = 0; i < 3; ++i) {
            const double power = std::pow(x, -b[i]);
            g += a[i] * power * x;
            dg += a[i] * (1.0 - b[i]) * power;
        }
        const double step = g / dg;
        x -= step;
        if (!(std::abs(step) > 1e-15 * x)) break;
    }
    return Tt / x;
}

double IceVolume(double T, double p) {
    double gp, gpp;
    IcePressureDerivatives(T, p, gp, gpp);
    return gp;
}

double IceCompressibility(double T, double p) {
    double gp, gpp;
    IcePressureDerivatives(T, p, gp, gpp);
    return -gpp / gp;
}

double IceEnthalpy(double T, double p) {
    // h = g - T g_T; the s0 terms of g and g_T cancel.
    const double theta = T / Tt;
    const double x = p / kIcePt - kIcePi0;
    const double g0 =
        kIceG0[0] + x * (kIceG0[1] + x * (kIceG0[2] + x * (kIceG0[3] + x * kIceG0[4])));
    const TComplex r2 = kIceR2[0] + x * (kIceR2[1] + x * kIceR2[2]);
    const double rF = (kIceR1 * IceF(kIceT1, theta) + r2 * IceF(kIceT2, theta)).real();
    const double rFTheta =
        (kIceR1 * IceFTheta(kIceT1, theta) + r2 * IceFTheta(kIceT2, theta)).real();
    return g0 + Tt * rF - T * rFTheta;
}

double HenryBeta(double T) {
    if (!OverLiquid(T)) return 0.0;
    // Fernandez-Prini et al. (2003) for N2, O2, Ar, combined by mole fraction.
    constexpr double abc[3][3] = {{-9.67578, 4.72162, 11.70585},
                                  {-9.44833, 4.43822, 11.42005},
                                  {-8.40954, 4.29587, 10.52779}};
    constexpr double x[] = {0.7812, 0.2095, 0.0093};
    const double Tr = T / 647.096, tau = 1.0 - Tr;
    const double pws = if97::Psat(T);
    double inverseK = 0.0;
    for (int j = 0; j < 3; ++j) {
        const double kH = pws * std::exp(abc[j][0] / Tr + abc[j][1] * std::pow(tau, 0.355) / Tr +
                                         abc[j][2] * std::pow(Tr, -0.41) * std::exp(tau));
        inverseK += x[j] / kH;
    }
    return inverseK / 1.01325;
}

double EnhancementFactor(double T, double p, bool* converged) {
    return EnhancementFactor(Virials(T), T, p, converged);
}

double EnhancementFactor(const TVirials& v, double T, double p, bool* converged) {
    const double pws = SaturationPressure(T);
    double vws, kappa, betaH;
    if (OverLiquid(T)) {
        vws = if97::Region1_V(pws, T) * Mw;
        kappa = LiquidCompressibility(T, p);
        betaH = HenryBeta(T);
    } else {
        vws = IceVolume(T, pws) * Mw;
        kappa = IceCompressibility(T, p);
        betaH = 0.0;
    }
    if (pws > p) kappa = betaH = 0.0;
    // RP-1485 evaluates this equation with the IAPWS-95 gas constant.
    const double RT = 8.314371 * T, RT2 = RT * RT, p2 = p * p, pws2 = pws * pws;
    // The parts that do not depend on psi_s.
    const double condensed =
        ((1.0 + kappa * pws) * (p - pws) - kappa * (p2 - pws2) / 2.0) / RT * vws;
    auto rhs = [&](double f) {
        const double x = f * pws / p, a = 1.0 - x, a2 = a * a;
        return condensed + std::log(1.0 - betaH * a * p) + a2 * p / RT * v.Baa -
               2.0 * a2 * p / RT * v.Baw - (p - pws - a2 * p) / RT * v.Bww +
               a2 * a * p2 / RT2 * v.Caaa + 3.0 * a2 * (1.0 - 2.0 * a) * p2 / (2.0 * RT2) * v.Caaw -
               3.0 * a2 * x * p2 / RT2 * v.Caww -
               ((3.0 - 2.0 * x) * x * x * p2 - pws2) / (2.0 * RT2) * v.Cwww -
               a2 * (3.0 * x - 2.0) * x * p2 / RT2 * v.Baa * v.Bww -
               2.0 * a2 * a * (3.0 * x - 1.0) * p2 / RT2 * v.Baa * v.Baw +
               6.0 * a2 * x * x * p2 / RT2 * v.Bww * v.Baw -
               3.0 * a2 * a2 * p2 / (2.0 * RT2) * v.Baa * v.Baa -
               2.0 * a2 * x * (3.0 * x - 2.0) * p2 / RT2 * v.Baw * v.Baw -
               (pws2 - (4.0 - 3.0 * x) * x * x * x * p2) / (2.0 * RT2) * v.Bww * v.Bww;
    };
    // Fixed point ln f <- rhs(f): the right side depends on f only through psi_s, weakly.
    double f = 1.0;
    bool settled = false;
    for (int pass = 0; pass < 50 && !settled; ++pass) {
        const double next = std::exp(rhs(f));
        settled = !(std::abs(next - f) > 1e-15 * next);  // a NaN ends the loop as well
        f = next;
    }
    if (converged) *converged = settled && std::isfinite(f);
    return std::max(f, 1.0);
}

double SaturationMoleFraction(double T, double p, bool* converged) {
    return EnhancementFactor(T, p, converged) * SaturationPressure(T) / p;
}

double MolarVolume(const TMixVirials& m, double T, double p) {
    // Newton on p(v) from the ideal gas; the gas root is reached in a few steps. A state where
    // it is not (no gas root of the truncated equation) gives NaN.
    const double RT = R * T;
    double v = RT / p;
    for (int pass = 0; pass < 50; ++pass) {
        const double F = RT / v * (1.0 + m.B / v + m.C / (v * v)) - p;
        const double dF = -RT / (v * v) * (1.0 + 2.0 * m.B / v + 3.0 * m.C / (v * v));
        const double next = v - F / dF;
        if (!(next > 0.0)) break;
        if (!(std::abs(next - v) > 1e-15 * next)) return next;
        v = next;
    }
    return std::nan("");
}

double IdealEnthalpyAir(double T) {
    double alpha, alphaTau, tau;
    AirIdeal(T, alpha, alphaTau, tau);
    return kAirH0 + kAirR * T * (1.0 + tau * alphaTau);
}

double IdealEnthalpyWater(double T) {
    // The IAPWS-95 ideal part with R = 8.314472 (not its own 8.314371): this is what the
    // published tables of saturated humid air come out of.
    double alpha, alphaTau, tau;
    WaterIdeal(T, alpha, alphaTau, tau);
    return R * T * (1.0 + tau * alphaTau) - 0.01102303806;
}

TMolarState MolarState(const TVirials& v, double T, double p, double psi, bool withEntropy) {
    const TMixVirials m = MixVirials(v, psi);
    TMolarState state;
    state.V = MolarVolume(m, T, p);
    const double V = state.V;
    state.H = (1.0 - psi) * IdealEnthalpyAir(T) + psi * IdealEnthalpyWater(T) +
              R * T * ((m.B - T * m.dB) / V + (m.C - T / 2.0 * m.dC) / (V * V));
    state.S =
        withEntropy ? RawMolarEntropy(m, T, psi, V) + (1.0 - psi) * AirEntropyConstant() : 0.0;
    return state;
}

}  // namespace ha::rp1485
