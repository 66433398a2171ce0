#include "KX_HA_RP1485.h"

#include <algorithm>
#include <cmath>

#include "KX_HA_Air.h"
#include "KX_HA_Ideal.h"
#include "KX_HA_RP1485_Model.h"
#include "KX_HA_Solve.h"
#include "KX_WS_IF97_Lib_Root.h"
#include "KX_WS_IF97_Transport.h"

namespace ha::rp1485 {

namespace {

constexpr double kBar = 1e5;

// Texts of the arguments.
constexpr const char* kTemperature = "Temperature";
constexpr const char* kDewPoint = "Dew point temperature";
constexpr const char* kWetBulb = "Wet-bulb temperature";
constexpr const char* kPressure = "Pressure";
constexpr const char* kHumidityRatio = "Humidity ratio";
constexpr const char* kRelativeHumidity = "Relative humidity";
constexpr const char* kEnthalpy = "Enthalpy";
constexpr const char* kCelsius = "°C";
constexpr const char* kBarA = "bar(a)";
constexpr const char* kKgKg = "kg/kg";
constexpr const char* kFraction = "-";
constexpr const char* kKJKg = "kJ/kg";

THAStatus NoConvergence() {
    return OtherFailure(KXErrorCode::NoConvergence, "No convergence");
}

bool CheckP(double p, THAStatus& status) {
    return InRange(p, kMinP, kMaxP, KXErrorCode::PressureLow, KXErrorCode::PressureHigh, kPressure,
                   kBarA, status);
}

bool CheckT(double t, const char* quantity, THAStatus& status) {
    return InRange(t, kMinT, kMaxT, KXErrorCode::TemperatureLow, KXErrorCode::TemperatureHigh,
                   quantity, kCelsius, status);
}

// Saturation at (T, p) in SI: the mole fraction of water, its humidity ratio, and whether
// saturation exists there at all (psi_s < 1) and was computed.
struct TSaturation {
    double Psi = 0.0;
    double W = 0.0;
    bool Exists = false;
    bool Converged = true;
};

TSaturation Saturation(const TVirials& v, double T, double p) {
    TSaturation s;
    // f >= 1: where p_ws alone reaches p there is no saturation, and f is not needed.
    const double pws = SaturationPressure(T);
    if (!(pws < p)) return s;
    s.Psi = EnhancementFactor(v, T, p, &s.Converged) * pws / p;
    s.Exists = s.Psi < 1.0;
    s.W = s.Exists ? WFromPsi(s.Psi) : 0.0;
    return s;
}

// The temperature (K) at which saturated air at p is pure water vapour, f(T, p) p_ws(T) = p:
// the upper end of saturation at that pressure. f varies slowly, so the fixed point converges
// in a few passes.
double SaturationEnd(double p) {
    double T = SaturationTemperature(p);
    for (int pass = 0; pass < 50; ++pass) {
        const double next = SaturationTemperature(p / EnhancementFactor(T, p));
        if (!(std::abs(next - T) > 1e-12 * T)) return next;
        T = next;
    }
    return T;
}

// Failure of a function that needs saturation at a temperature above its end.
THAStatus AboveSaturationEnd(const char* quantity, double t, double pSI) {
    return RangeFailure(KXErrorCode::TemperatureHigh, quantity, ">", t, SaturationEnd(pSI) - T0,
                        kCelsius);
}

// W against 0, 10 kg/kg and the saturation humidity ratio at (T, p).
bool CheckW(double W, double T, double pSI, const TVirials& v, THAStatus& status) {
    if (!InRange(W, 0.0, kMaxW, THACode::HumidityLow, THACode::HumidityHigh, kHumidityRatio, kKgKg,
                 status))
        return false;
    // f >= 1, so W at f = 1 is a lower bound of W_s: below it the check passes for certain and
    // the enhancement factor is not needed.
    const double psiLow = SaturationPressure(T) / pSI;
    if (psiLow >= 1.0 || W <= WFromPsi(psiLow)) return true;
    const TSaturation s = Saturation(v, T, pSI);
    if (!s.Converged) {
        status = NoConvergence();
        return false;
    }
    if (s.Exists && W > s.W) {
        status = RangeFailure(THACode::HumidityHigh, kHumidityRatio, ">", W, s.W, kKgKg);
        return false;
    }
    return true;
}

// The common start of the (p, T, W) functions: checks, then SI temperature and pressure, the
// virial coefficients at T and psi.
struct TStatePTW {
    double T, p, psi;
    TVirials v;
};

bool Begin(double p, double t, double W, TStatePTW& s, THAStatus& status) {
    if (!CheckP(p, status) || !CheckT(t, kTemperature, status)) return false;
    s.T = t + T0;
    s.p = p * kBar;
    s.v = Virials(s.T);
    if (!CheckW(W, s.T, s.p, s.v, status)) return false;
    s.psi = PsiFromW(W);
    return true;
}

// Per kg of dry air at (T, p, psi); NaN where the virial equation has no gas root.
TMolarState StatePerKg(const TVirials& v, double T, double p, double psi, bool withEntropy) {
    TMolarState m = MolarState(v, T, p, psi, withEntropy);
    return {PerKgDryAir(m.V, psi), PerKgDryAir(m.H, psi), PerKgDryAir(m.S, psi)};
}

// A non-finite property comes from a molar volume the virial equation does not have: at high
// pressure and low temperature its isotherm never reaches p in the gas.
THAValue Finite(double value) {
    if (!std::isfinite(value))
        return Fail(OtherFailure(KXErrorCode::NoConvergence,
                                 "No gas solution of the virial equation of state"));
    return {value, {}};
}

// Enthalpy (J/kg dry air) at (T, p, W), the virials taken at T.
double EnthalpyAt(double T, double p, double psi) {
    return StatePerKg(Virials(T), T, p, psi, false).H;
}

// Enthalpy per kg of condensed water at (T, p): liquid (IF97 region 1) from the triple point
// up, ice below, both on the IAPWS-95 reference.
double CondensateEnthalpy(double T, double p) {
    return OverLiquid(T) ? if97::Region1_H(p, T) : IceEnthalpy(T, p);
}

// Adiabatic saturation: the balance h(T, p, W) + (W_s* - W) h_c* - h_s* at the wet-bulb
// temperature Tw (positive below the wet bulb, negative above). exists is false where there is
// no saturation at Tw.
double WetBulbBalance(double h, double W, double Tw, double p, bool& exists) {
    const TVirials v = Virials(Tw);
    const TSaturation s = Saturation(v, Tw, p);
    exists = s.Exists && s.Converged;
    if (!exists) return -1.0;
    const double hs = StatePerKg(v, Tw, p, s.Psi, false).H;
    return h + (s.W - W) * CondensateEnthalpy(Tw, p) - hs;
}

// Wet-bulb temperature (K) of the state (T, p, W) with enthalpy h; false without a root in
// range.
bool SolveWetBulb(double T, double p, double W, double h, double& Tw) {
    bool exists = true;
    auto balance = [&](double x) {
        const double g = WetBulbBalance(h, W, x, p, exists);
        return exists ? g : -1.0;  // no saturation: above the wet bulb
    };
    double hi = T;
    double fhi = balance(hi);
    if (!exists) {
        hi = SaturationEnd(p) * (1.0 - 1e-9);
        fhi = balance(hi);
    }
    // Saturated air (W = W_s up to rounding) is its own wet bulb.
    if (fhi >= 0.0) {
        Tw = hi;
        return true;
    }
    // Bracket the root around the perfect-gas wet bulb, which lies within a few tenths of a
    // kelvin of it near atmospheric pressure; without one, step down from the dry bulb. The
    // steps double until the balance changes sign.
    const double minT = kMinT + T0;
    double lo = hi, flo = fhi;
    double step = 0.25;
    const THAValue guess = ideal::Twb_PTW(p / kBar, T - T0, W);
    if (guess.Ok() && guess.Value + T0 < hi && guess.Value + T0 > minT) {
        const double x = guess.Value + T0;
        const double fx = balance(x);
        if (fx >= 0.0) {
            lo = x;
            flo = fx;
            // The root lies above: move the upper end down towards it.
            for (double up = x + step; up < hi; up += step, step *= 2.0) {
                const double fup = balance(up);
                if (fup < 0.0) {
                    hi = up;
                    fhi = fup;
                    break;
                }
                lo = up;
                flo = fup;
            }
        } else {
            hi = x;
            fhi = fx;
            lo = x;
            flo = fx;
        }
    } else {
        step = std::max(0.5, -fhi / 5000.0);
    }
    while (flo < 0.0 && lo > minT) {
        hi = lo;
        fhi = flo;
        lo = std::max(minT, lo - step);
        flo = balance(lo);
        step *= 2.0;
    }
    return BrentSolve(balance, lo, hi, flo, fhi, 1e-14 * hi, Tw);
}

// Dew point (K) for water mole fraction psi at p: f(Td, p) p_ws(Td) = psi p, by fixed point on
// the inverse of p_ws. f jumps at the triple point (ice and liquid differ in volume, and air
// dissolves only in the liquid), so near it a psi may have a dew point over liquid just above
// T_t and a frost point just below. Cooling from the dry bulb T meets the higher of those not
// above T first: the liquid one unless T itself is on the ice side. Where neither solves the
// equation exactly (psi inside the jump) the dew point is the triple point.
bool SolveDewPoint(double psi, double p, double& Td, double T = 1e300) {
    double x = SaturationTemperature(psi * p);
    bool found = false;
    for (int pass = 0; pass < 50 && !found; ++pass) {
        bool converged = true;
        const double f = EnhancementFactor(x, p, &converged);
        if (!converged) return false;
        const double next = SaturationTemperature(psi * p / f);
        if (!(std::abs(next - x) > 1e-13 * x)) {
            x = next;
            found = true;
        } else if (OverLiquid(next) != OverLiquid(x) && std::abs(next - x) < 1e-2) {
            x = Tt;
            found = true;
        }
        x = found ? x : next;
    }
    if (!found || !std::isfinite(x)) return false;
    if (OverLiquid(x) && !OverLiquid(T) && x > T) {
        // The frost point, with f kept on the ice side.
        double y = std::min(x, Tt - 1e-8);
        for (int pass = 0; pass < 50; ++pass) {
            bool converged = true;
            const double f = EnhancementFactor(std::min(y, Tt - 1e-8), p, &converged);
            if (!converged) return false;
            const double next = SublimationTemperature(psi * p / f);
            if (!(std::abs(next - y) > 1e-13 * y)) return Td = next, true;
            y = next;
        }
        return false;
    }
    Td = x;
    return true;
}

// Tsilingiris (2008): the mole-fraction average of the pure-gas values with the Wilke weights
// of the two viscosities.
double MixTransport(double psi, double etaAir, double etaWater, double air, double water) {
    const double a = 1.0 - psi;
    const double phiAW = std::sqrt(2.0) / 4.0 / std::sqrt(1.0 + Ma / Mw) *
                         std::pow(1.0 + std::sqrt(etaAir / etaWater) * std::pow(Mw / Ma, 0.25), 2);
    const double phiWA = std::sqrt(2.0) / 4.0 / std::sqrt(1.0 + Mw / Ma) *
                         std::pow(1.0 + std::sqrt(etaWater / etaAir) * std::pow(Ma / Mw, 0.25), 2);
    return a * air / (a + psi * phiAW) + psi * water / (psi + a * phiWA);
}

// Viscosity (Pa s) and conductivity (W/(m K)) of humid air; NaN where the air density fails.
struct TTransport {
    double Eta, Lambda;
};
TTransport Transport(double T, double p, double psi) {
    const double rho = air::Density(T, p);
    if (!(rho > 0.0)) return {std::nan(""), std::nan("")};
    const double etaAir = air::ViscosityRhoT(T, rho);
    const double lambdaAir = air::ConductivityRhoT(T, rho);
    if (psi == 0.0) return {etaAir, lambdaAir};
    // Water vapour at its partial pressure, on the vapour side even a rounding above saturation.
    const double v = if97::Region2_V(psi * p, T);
    const double etaWater = if97::Viscosity_RhoT(v, T) * 1e-6;
    const double lambdaWater = if97::ThermalConductivity_Background(v, T);
    return {MixTransport(psi, etaAir, etaWater, etaAir, etaWater),
            MixTransport(psi, etaAir, etaWater, lambdaAir, lambdaWater)};
}

}  // namespace

THAValue Eta_PTW(double p, double t, double W) {
    THAStatus status;
    TStatePTW s;
    if (!Begin(p, t, W, s, status)) return Fail(status);
    return Finite(Transport(s.T, s.p, s.psi).Eta);
}

THAValue Lambda_PTW(double p, double t, double W) {
    THAStatus status;
    TStatePTW s;
    if (!Begin(p, t, W, s, status)) return Fail(status);
    return Finite(Transport(s.T, s.p, s.psi).Lambda);
}

THAValue Pws_T(double t) {
    THAStatus status;
    if (!CheckT(t, kTemperature, status)) return Fail(status);
    return Finite(SaturationPressure(t + T0) / kBar);
}

THAValue F_PT(double p, double t) {
    THAStatus status;
    if (!CheckP(p, status) || !CheckT(t, kTemperature, status)) return Fail(status);
    bool converged = true;
    const double f = EnhancementFactor(t + T0, p * kBar, &converged);
    if (!converged) return Fail(NoConvergence());
    return Finite(f);
}

THAValue Ws_PT(double p, double t) {
    THAStatus status;
    if (!CheckP(p, status) || !CheckT(t, kTemperature, status)) return Fail(status);
    const double T = t + T0, pSI = p * kBar;
    const TSaturation s = Saturation(Virials(T), T, pSI);
    if (!s.Converged) return Fail(NoConvergence());
    if (!s.Exists) return Fail(AboveSaturationEnd(kTemperature, t, pSI));
    return Finite(s.W);
}

THAValue Hs_PT(double p, double t) {
    THAStatus status;
    if (!CheckP(p, status) || !CheckT(t, kTemperature, status)) return Fail(status);
    const double T = t + T0, pSI = p * kBar;
    const TVirials v = Virials(T);
    const TSaturation s = Saturation(v, T, pSI);
    if (!s.Converged) return Fail(NoConvergence());
    if (!s.Exists) return Fail(AboveSaturationEnd(kTemperature, t, pSI));
    return Finite(StatePerKg(v, T, pSI, s.Psi, false).H / 1000.0);
}

THAValue H_PTW(double p, double t, double W) {
    THAStatus status;
    TStatePTW s;
    if (!Begin(p, t, W, s, status)) return Fail(status);
    return Finite(StatePerKg(s.v, s.T, s.p, s.psi, false).H / 1000.0);
}

THAValue S_PTW(double p, double t, double W) {
    THAStatus status;
    TStatePTW s;
    if (!Begin(p, t, W, s, status)) return Fail(status);
    return Finite(StatePerKg(s.v, s.T, s.p, s.psi, true).S / 1000.0);
}

THAValue V_PTW(double p, double t, double W) {
    THAStatus status;
    TStatePTW s;
    if (!Begin(p, t, W, s, status)) return Fail(status);
    return Finite(StatePerKg(s.v, s.T, s.p, s.psi, false).V);
}

THAValue Rho_PTW(double p, double t, double W) {
    THAStatus status;
    TStatePTW s;
    if (!Begin(p, t, W, s, status)) return Fail(status);
    return Finite((1.0 + W) / StatePerKg(s.v, s.T, s.p, s.psi, false).V);
}

THAValue Cp_PTW(double p, double t, double W) {
    THAStatus status;
    TStatePTW s;
    if (!Begin(p, t, W, s, status)) return Fail(status);
    // Central difference of h at fixed p and W: h is smooth in T (no phase change inside), and a
    // step of 0.01 K keeps both the truncation and the rounding error below 1e-9 relative.
    constexpr double dT = 0.01;
    const double hPlus = EnthalpyAt(s.T + dT, s.p, s.psi);
    const double hMinus = EnthalpyAt(s.T - dT, s.p, s.psi);
    return Finite((hPlus - hMinus) / (2.0 * dT) / 1000.0);
}

THAValue RH_PTW(double p, double t, double W) {
    THAStatus status;
    TStatePTW s;
    if (!Begin(p, t, W, s, status)) return Fail(status);
    const TSaturation sat = Saturation(s.v, s.T, s.p);
    if (!sat.Converged) return Fail(NoConvergence());
    if (!sat.Exists) return Fail(AboveSaturationEnd(kTemperature, t, s.p));
    return Finite(std::min(s.psi / sat.Psi, 1.0));
}

THAValue Mu_PTW(double p, double t, double W) {
    THAStatus status;
    TStatePTW s;
    if (!Begin(p, t, W, s, status)) return Fail(status);
    const TSaturation sat = Saturation(s.v, s.T, s.p);
    if (!sat.Converged) return Fail(NoConvergence());
    if (!sat.Exists) return Fail(AboveSaturationEnd(kTemperature, t, s.p));
    return Finite(std::min(W / sat.W, 1.0));
}

THAValue Psi_PTW(double p, double t, double W) {
    THAStatus status;
    TStatePTW s;
    if (!Begin(p, t, W, s, status)) return Fail(status);
    return Finite(s.psi);
}

THAValue Tdp_PW(double p, double W) {
    THAStatus status;
    if (!CheckP(p, status)) return Fail(status);
    // W = 0 has no dew point.
    if (!(W > 0.0)) {
        return Fail(RangeFailure(THACode::HumidityLow, kHumidityRatio, "<=", W, 0.0, kKgKg));
    }
    if (W > kMaxW)
        return Fail(RangeFailure(THACode::HumidityHigh, kHumidityRatio, ">", W, kMaxW, kKgKg));
    const double pSI = p * kBar;
    const double minT = kMinT + T0;
    const double psi = PsiFromW(W);
    // Below the range: the humidity ratio of saturated air at the lowest temperature.
    const double psiMin = SaturationMoleFraction(minT, pSI);
    if (psi < psiMin) {
        return Fail(
            RangeFailure(THACode::HumidityLow, kHumidityRatio, "<", W, WFromPsi(psiMin), kKgKg));
    }
    double Td = 0.0;
    if (!SolveDewPoint(psi, pSI, Td)) return Fail(NoConvergence());
    return Finite(Td - T0);
}

THAValue Tdp_PTW(double p, double t, double W) {
    THAStatus status;
    TStatePTW s;
    if (!Begin(p, t, W, s, status)) return Fail(status);
    THAValue td = Tdp_PW(p, W);
    // Next to the triple point the dry bulb decides between dew and frost point.
    double Td = 0.0;
    if (td.Ok() && std::abs(td.Value + T0 - Tt) < 0.1) {
        if (!SolveDewPoint(s.psi, s.p, Td, s.T)) return Fail(NoConvergence());
        td.Value = Td - T0;
    }
    // A dew point a rounding above the dry bulb is the saturated state itself.
    if (td.Ok() && td.Value > t && td.Value - t < 1e-9 * (t + T0)) return {t, {}};
    return td;
}

THAValue Twb_PTW(double p, double t, double W) {
    THAStatus status;
    TStatePTW s;
    if (!Begin(p, t, W, s, status)) return Fail(status);
    const double h = StatePerKg(s.v, s.T, s.p, s.psi, false).H;
    if (!std::isfinite(h)) return Fail(NoConvergence());
    double Tw = 0.0;
    if (!SolveWetBulb(s.T, s.p, W, h, Tw)) return Fail(NoConvergence());
    return Finite(std::min(Tw - T0, t));
}

THAValue W_PTRH(double p, double t, double rh) {
    THAStatus status;
    if (!CheckP(p, status) || !CheckT(t, kTemperature, status) ||
        !InRange(rh, 0.0, 1.0, THACode::HumidityLow, THACode::HumidityHigh, kRelativeHumidity,
                 kFraction, status))
        return Fail(status);
    const double T = t + T0, pSI = p * kBar;
    const TSaturation sat = Saturation(Virials(T), T, pSI);
    if (!sat.Converged) return Fail(NoConvergence());
    if (!sat.Exists) return Fail(AboveSaturationEnd(kTemperature, t, pSI));
    const double W = WFromPsi(rh * sat.Psi);
    if (W > kMaxW) {
        return Fail(RangeFailure(THACode::HumidityHigh, kRelativeHumidity, ">", rh,
                                 PsiFromW(kMaxW) / sat.Psi, kFraction));
    }
    return Finite(W);
}

THAValue W_PTTdp(double p, double t, double tdp) {
    THAStatus status;
    if (!CheckP(p, status) || !CheckT(t, kTemperature, status) || !CheckT(tdp, kDewPoint, status))
        return Fail(status);
    if (tdp > t)
        return Fail(RangeFailure(KXErrorCode::TemperatureHigh, kDewPoint, ">", tdp, t, kCelsius));
    const double Td = tdp + T0, pSI = p * kBar;
    const TSaturation sat = Saturation(Virials(Td), Td, pSI);
    if (!sat.Converged) return Fail(NoConvergence());
    if (!sat.Exists) return Fail(AboveSaturationEnd(kDewPoint, tdp, pSI));
    if (sat.W > kMaxW) {
        double TdMax = 0.0;
        if (!SolveDewPoint(PsiFromW(kMaxW), pSI, TdMax)) return Fail(NoConvergence());
        return Fail(
            RangeFailure(KXErrorCode::TemperatureHigh, kDewPoint, ">", tdp, TdMax - T0, kCelsius));
    }
    return Finite(sat.W);
}

THAValue W_PTTwb(double p, double t, double twb) {
    THAStatus status;
    if (!CheckP(p, status) || !CheckT(t, kTemperature, status) || !CheckT(twb, kWetBulb, status))
        return Fail(status);
    if (twb > t)
        return Fail(RangeFailure(KXErrorCode::TemperatureHigh, kWetBulb, ">", twb, t, kCelsius));
    const double T = t + T0, Tw = twb + T0, pSI = p * kBar;
    const TVirials vw = Virials(Tw);
    const TSaturation sat = Saturation(vw, Tw, pSI);
    if (!sat.Converged) return Fail(NoConvergence());
    if (!sat.Exists) return Fail(AboveSaturationEnd(kWetBulb, twb, pSI));
    // Solve h(T, p, W) - W h_c* = h_s* - W_s* h_c* for W; the left side rises with W (by the
    // vapour enthalpy less the condensate's), nearly linearly.
    const double hc = CondensateEnthalpy(Tw, pSI);
    const double target = StatePerKg(vw, Tw, pSI, sat.Psi, false).H - sat.W * hc;
    const TVirials v = Virials(T);
    auto residual = [&](double W) {
        return StatePerKg(v, T, pSI, PsiFromW(W), false).H - W * hc - target;
    };
    const double r0 = residual(0.0);
    if (r0 > 0.0) {
        // Too dry for this wet bulb: the lowest wet bulb is that of dry air.
        double TwMin = 0.0;
        if (!SolveWetBulb(T, pSI, 0.0, StatePerKg(v, T, pSI, 0.0, false).H, TwMin))
            return Fail(NoConvergence());
        return Fail(
            RangeFailure(KXErrorCode::TemperatureLow, kWetBulb, "<", twb, TwMin - T0, kCelsius));
    }
    // Secant from W = 0; the slope is close to the vapour enthalpy less the condensate's.
    double W0 = 0.0, f0 = r0;
    double W1 = std::max(-r0 / 2.0e6, 1e-12), f1 = residual(W1);
    double W = W1;
    bool converged = false;
    for (int pass = 0; pass < 50 && !converged; ++pass) {
        if (f1 == f0) break;
        W = W1 - f1 * (W1 - W0) / (f1 - f0);
        // h carries a rounding of 1e-16 of itself, which leaves about 1e-17 in W.
        converged = !(std::abs(W - W1) > 1e-14 * W + 1e-17) || f1 == 0.0;
        W0 = W1;
        f0 = f1;
        W1 = W;
        f1 = residual(W1);
        if (std::isnan(f1)) break;
    }
    if (!converged) return Fail(NoConvergence());
    W = std::max(W, 0.0);
    // The wet bulb equals the dry bulb only at saturation; a rounding above W_s is W_s itself.
    const TSaturation satT = Saturation(v, T, pSI);
    if (satT.Exists && W > satT.W) W = satT.W;
    if (W > kMaxW) {
        // The highest wet bulb in range is that of the largest humidity ratio.
        double TwMax = 0.0;
        if (!SolveWetBulb(T, pSI, kMaxW, StatePerKg(v, T, pSI, PsiFromW(kMaxW), false).H, TwMax))
            return Fail(NoConvergence());
        return Fail(
            RangeFailure(KXErrorCode::TemperatureHigh, kWetBulb, ">", twb, TwMax - T0, kCelsius));
    }
    return Finite(W);
}

THAValue T_PHW(double p, double h, double W) {
    THAStatus status;
    if (!CheckP(p, status) || !InRange(W, 0.0, kMaxW, THACode::HumidityLow, THACode::HumidityHigh,
                                       kHumidityRatio, kKgKg, status))
        return Fail(status);
    if (!std::isfinite(h))
        return Fail(RangeFailure(KXErrorCode::EnthalpyLow, kEnthalpy, "<", h, 0.0, kKJKg));
    const double pSI = p * kBar, psi = PsiFromW(W), hSI = h * 1000.0;
    const double minT = kMinT + T0, maxT = kMaxT + T0;
    auto residual = [&](double T) { return EnthalpyAt(T, pSI, psi) - hSI; };
    // Saturated air solves to its own temperature within rounding: allow W that much above W_s.
    auto answer = [&](double T, bool& ok) {
        const TSaturation sat = Saturation(Virials(T), T, pSI);
        ok = !sat.Exists || W <= sat.W * (1.0 + 1e-11);
        return T - T0;
    };
    // Secant from the perfect-gas estimate; h rises with T almost linearly.
    double Ta = std::clamp((h - 2501.0 * W) / (1.006 + 1.86 * W) + T0, minT, maxT);
    double fa = residual(Ta);
    double Tb = Ta + (Ta < maxT - 1.0 ? 1.0 : -1.0), fb = residual(Tb);
    for (int pass = 0; pass < 20; ++pass) {
        if (fb == fa || !std::isfinite(fa) || !std::isfinite(fb)) break;
        const double T = std::clamp(Tb - fb * (Tb - Ta) / (fb - fa), minT, maxT);
        const bool settled = !(std::abs(T - Tb) > 1e-13 * T);
        Ta = Tb;
        fa = fb;
        Tb = T;
        fb = residual(Tb);
        if (settled && T > minT && T < maxT) {
            bool ok = false;
            const double t = answer(Tb, ok);
            if (ok) return Finite(t);
            break;
        }
    }
    // The secant left the range or met a state the virial equation does not have: bracket the
    // answer between the lowest state (saturated air at the dew point of W, the lowest
    // temperature, or the lowest temperature with a gas solution) and the highest temperature.
    double lo = minT;
    double Td = 0.0;
    if (W > 0.0 && SolveDewPoint(psi, pSI, Td)) lo = std::max(lo, Td);
    double hi = maxT;
    double flo = residual(lo), fhi = residual(hi);
    if (std::isnan(flo) && !std::isnan(fhi)) {
        double bad = lo, good = hi;
        for (int pass = 0; pass < 60 && good - bad > 1e-9 * good; ++pass) {
            const double mid = 0.5 * (bad + good);
            (std::isnan(residual(mid)) ? bad : good) = mid;
        }
        lo = good;
        flo = residual(lo);
    }
    if (flo > 0.0)
        return Fail(
            RangeFailure(KXErrorCode::EnthalpyLow, kEnthalpy, "<", h, (flo + hSI) / 1000.0, kKJKg));
    if (fhi < 0.0)
        return Fail(RangeFailure(KXErrorCode::EnthalpyHigh, kEnthalpy, ">", h, (fhi + hSI) / 1000.0,
                                 kKJKg));
    double T = 0.0;
    if (!BrentSolve(residual, lo, hi, flo, fhi, 1e-13 * hi, T)) return Fail(NoConvergence());
    bool ok = false;
    const double t = answer(T, ok);
    if (!ok) return Fail(NoConvergence());
    return Finite(t);
}

}  // namespace ha::rp1485
