#include "KX_HA_Ideal.h"

#include <algorithm>
#include <cmath>

#include "KX_HA_Solve.h"

namespace ha::ideal {

namespace {

constexpr double kEpsilon = 0.621945;
constexpr double kT0 = 273.15;
constexpr double kBarKPa = 100.0;  // kPa per bar

constexpr const char* kTemperature = "Temperature";
constexpr const char* kDewPoint = "Dew point temperature";
constexpr const char* kWetBulb = "Wet-bulb temperature";
constexpr const char* kHumidityRatio = "Humidity ratio";
constexpr const char* kKgKg = "kg/kg";

// Hyland-Wexler saturation pressure, Pa, T in K: ice below 273.15 K, liquid water from there.
constexpr double kIce[] = {-5674.5359,    6.3925247,     -0.009677843, 6.2215701e-07,
                           2.0747825e-09, -9.484024e-13, 4.1635019};
constexpr double kWater[] = {-5800.2206,    1.3914993,      -0.048640239,
                             4.1764768e-05, -1.4452093e-08, 6.5459673};

double LnPwsIce(double T, double& slope) {
    const double* c = kIce;
    slope =
        -c[0] / (T * T) + c[2] + T * (2.0 * c[3] + T * (3.0 * c[4] + T * 4.0 * c[5])) + c[6] / T;
    return c[0] / T + c[1] + T * (c[2] + T * (c[3] + T * (c[4] + T * c[5]))) + c[6] * std::log(T);
}

double LnPwsWater(double T, double& slope) {
    const double* c = kWater;
    slope = -c[0] / (T * T) + c[2] + T * (2.0 * c[3] + T * 3.0 * c[4]) + c[5] / T;
    return c[0] / T + c[1] + T * (c[2] + T * (c[3] + T * c[4])) + c[5] * std::log(T);
}

double PwsSI(double T) {
    double slope;
    return std::exp(T < kT0 ? LnPwsIce(T, slope) : LnPwsWater(T, slope));
}

// Temperature (K) of saturation pressure pw (Pa): Newton on ln p_ws of the branch the pressure
// belongs to. Between the two formulas' values at 0 °C (they differ by 0.003 %) no temperature
// fits exactly, and 0 °C is the answer.
double TwsSI(double pw) {
    double slope;
    const double pWater0 = std::exp(LnPwsWater(kT0, slope));
    const double pIce0 = std::exp(LnPwsIce(kT0, slope));
    const bool water = pw >= pWater0;
    if (!water && pw > pIce0) return kT0;
    const double target = std::log(pw);
    // Clausius-Clapeyron start, L/R about 6000 K.
    double T = 1.0 / (1.0 / kT0 - (target - std::log(pWater0)) / 6000.0);
    for (int pass = 0; pass < 50; ++pass) {
        const double g = (water ? LnPwsWater(T, slope) : LnPwsIce(T, slope)) - target;
        const double step = g / slope;
        T -= step;
        if (!(std::abs(step) > 1e-14 * T)) return T;
    }
    return std::nan("");
}

double WFromPw(double pw, double p) {
    return kEpsilon * pw / (p - pw);
}
double PwFromW(double W, double p) {
    return p * W / (kEpsilon + W);
}

double Enthalpy(double t, double W) {
    return 1.006 * t + W * (2501.0 + 1.86 * t);
}

// W from the adiabatic-saturation balance at wet bulb tw (°C): condensate water from 0 °C up,
// ice below.
double WFromWetBulb(double t, double tw, double p) {
    const double Ws = WFromPw(PwsSI(tw + kT0), p);
    if (tw >= 0.0)
        return ((2501.0 - 2.326 * tw) * Ws - 1.006 * (t - tw)) / (2501.0 + 1.86 * t - 4.186 * tw);
    return ((2830.0 - 0.24 * tw) * Ws - 1.006 * (t - tw)) / (2830.0 + 1.86 * t - 2.1 * tw);
}

THAStatus NoConvergence() {
    return OtherFailure(KXErrorCode::NoConvergence, "No convergence");
}

bool CheckP(double p, THAStatus& status) {
    return InRange(p, kMinP, kMaxP, KXErrorCode::PressureLow, KXErrorCode::PressureHigh, "Pressure",
                   "bar(a)", status);
}

bool CheckT(double t, const char* quantity, THAStatus& status) {
    return InRange(t, kMinT, kMaxT, KXErrorCode::TemperatureLow, KXErrorCode::TemperatureHigh,
                   quantity, "°C", status);
}

// Saturation at (t, p SI): exists where p_ws < p.
bool Saturated(double t, double pSI, double& Ws) {
    const double pws = PwsSI(t + kT0);
    if (!(pws < pSI)) return false;
    Ws = WFromPw(pws, pSI);
    return true;
}

THAStatus NoSaturation(const char* quantity, double t, double pSI) {
    // Saturated vapour fills the whole pressure at the saturation temperature of p.
    return RangeFailure(KXErrorCode::TemperatureHigh, quantity, ">", t, TwsSI(pSI) - kT0, "°C");
}

bool Begin(double p, double t, double W, double& pSI, THAStatus& status) {
    if (!CheckP(p, status) || !CheckT(t, kTemperature, status) ||
        !InRange(W, 0.0, kMaxW, THACode::HumidityLow, THACode::HumidityHigh, kHumidityRatio, kKgKg,
                 status))
        return false;
    pSI = p * 1e5;
    double Ws = 0.0;
    if (Saturated(t, pSI, Ws) && W > Ws) {
        status = RangeFailure(THACode::HumidityHigh, kHumidityRatio, ">", W, Ws, kKgKg);
        return false;
    }
    return true;
}

THAValue Finite(double value) {
    if (!std::isfinite(value)) return Fail(NoConvergence());
    return {value, {}};
}

}  // namespace

THAValue Pws_T(double t) {
    THAStatus status;
    if (!CheckT(t, kTemperature, status)) return Fail(status);
    return Finite(PwsSI(t + kT0) / 1e5);
}

THAValue Ws_PT(double p, double t) {
    THAStatus status;
    if (!CheckP(p, status) || !CheckT(t, kTemperature, status)) return Fail(status);
    double Ws = 0.0;
    if (!Saturated(t, p * 1e5, Ws)) return Fail(NoSaturation(kTemperature, t, p * 1e5));
    return Finite(Ws);
}

THAValue Hs_PT(double p, double t) {
    const THAValue Ws = Ws_PT(p, t);
    if (!Ws.Ok()) return Ws;
    return Finite(Enthalpy(t, Ws.Value));
}

THAValue H_PTW(double p, double t, double W) {
    THAStatus status;
    double pSI;
    if (!Begin(p, t, W, pSI, status)) return Fail(status);
    return Finite(Enthalpy(t, W));
}

THAValue V_PTW(double p, double t, double W) {
    THAStatus status;
    double pSI;
    if (!Begin(p, t, W, pSI, status)) return Fail(status);
    return Finite(0.287042 * (t + kT0) * (1.0 + 1.607858 * W) / (p * kBarKPa));
}

THAValue Rho_PTW(double p, double t, double W) {
    const THAValue v = V_PTW(p, t, W);
    if (!v.Ok()) return v;
    return Finite((1.0 + W) / v.Value);
}

THAValue Cp_PTW(double p, double t, double W) {
    THAStatus status;
    double pSI;
    if (!Begin(p, t, W, pSI, status)) return Fail(status);
    return Finite(1.006 + 1.86 * W);
}

THAValue RH_PTW(double p, double t, double W) {
    THAStatus status;
    double pSI;
    if (!Begin(p, t, W, pSI, status)) return Fail(status);
    const double pws = PwsSI(t + kT0);
    if (!(pws < pSI)) return Fail(NoSaturation(kTemperature, t, pSI));
    return Finite(std::min(PwFromW(W, pSI) / pws, 1.0));
}

THAValue Mu_PTW(double p, double t, double W) {
    THAStatus status;
    double pSI, Ws = 0.0;
    if (!Begin(p, t, W, pSI, status)) return Fail(status);
    if (!Saturated(t, pSI, Ws)) return Fail(NoSaturation(kTemperature, t, pSI));
    return Finite(std::min(W / Ws, 1.0));
}

THAValue Psi_PTW(double p, double t, double W) {
    THAStatus status;
    double pSI;
    if (!Begin(p, t, W, pSI, status)) return Fail(status);
    return Finite(W / (kEpsilon + W));
}

THAValue Tdp_PW(double p, double W) {
    THAStatus status;
    if (!CheckP(p, status)) return Fail(status);
    if (!(W > 0.0))
        return Fail(RangeFailure(THACode::HumidityLow, kHumidityRatio, "<=", W, 0.0, kKgKg));
    if (W > kMaxW)
        return Fail(RangeFailure(THACode::HumidityHigh, kHumidityRatio, ">", W, kMaxW, kKgKg));
    const double pSI = p * 1e5, pw = PwFromW(W, pSI);
    const double pwMin = PwsSI(kMinT + kT0), pwMax = PwsSI(kMaxT + kT0);
    if (pw < pwMin) {
        return Fail(
            RangeFailure(THACode::HumidityLow, kHumidityRatio, "<", W, WFromPw(pwMin, pSI), kKgKg));
    }
    if (pw > pwMax) {
        return Fail(RangeFailure(THACode::HumidityHigh, kHumidityRatio, ">", W, WFromPw(pwMax, pSI),
                                 kKgKg));
    }
    return Finite(TwsSI(pw) - kT0);
}

THAValue Tdp_PTW(double p, double t, double W) {
    THAStatus status;
    double pSI;
    if (!Begin(p, t, W, pSI, status)) return Fail(status);
    const THAValue td = Tdp_PW(p, W);
    // A dew point a rounding above the dry bulb is the saturated state itself.
    if (td.Ok() && td.Value > t && td.Value - t < 1e-9 * (t + kT0)) return {t, {}};
    return td;
}

THAValue Twb_PTW(double p, double t, double W) {
    THAStatus status;
    double pSI;
    if (!Begin(p, t, W, pSI, status)) return Fail(status);
    // W(t*) rises with t*; the wet bulb lies between the lowest temperature and the dry bulb
    // (or the saturation temperature of p, where W_s is unbounded).
    double hi = t;
    if (!(PwsSI(t + kT0) < pSI)) hi = TwsSI(pSI) - kT0 - 1e-9;
    auto balance = [&](double tw) { return WFromWetBulb(t, tw, pSI) - W; };
    const double fhi = balance(hi);
    if (fhi <= 0.0) return Finite(hi);  // saturated air, up to rounding
    const double flo = balance(kMinT);
    double tw = 0.0;
    if (flo > 0.0) {
        // Even the lowest wet bulb needs more water than W: the state is too dry for the range.
        return Fail(RangeFailure(THACode::HumidityLow, kHumidityRatio, "<", W, W + flo, kKgKg));
    }
    if (!BrentSolve(balance, kMinT, hi, flo, fhi, 1e-12 * (std::abs(hi) + 1.0), tw))
        return Fail(NoConvergence());
    return Finite(tw);
}

THAValue W_PTRH(double p, double t, double rh) {
    THAStatus status;
    if (!CheckP(p, status) || !CheckT(t, kTemperature, status) ||
        !InRange(rh, 0.0, 1.0, THACode::HumidityLow, THACode::HumidityHigh, "Relative humidity",
                 "-", status))
        return Fail(status);
    const double pSI = p * 1e5, pws = PwsSI(t + kT0);
    if (!(pws < pSI)) return Fail(NoSaturation(kTemperature, t, pSI));
    const double W = WFromPw(rh * pws, pSI);
    if (W > kMaxW) {
        const double rhMax = PwFromW(kMaxW, pSI) / pws;
        return Fail(RangeFailure(THACode::HumidityHigh, "Relative humidity", ">", rh, rhMax, "-"));
    }
    return Finite(W);
}

THAValue W_PTTdp(double p, double t, double tdp) {
    THAStatus status;
    if (!CheckP(p, status) || !CheckT(t, kTemperature, status) || !CheckT(tdp, kDewPoint, status))
        return Fail(status);
    if (tdp > t)
        return Fail(RangeFailure(KXErrorCode::TemperatureHigh, kDewPoint, ">", tdp, t, "°C"));
    const double pSI = p * 1e5;
    double Ws = 0.0;
    if (!Saturated(tdp, pSI, Ws)) return Fail(NoSaturation(kDewPoint, tdp, pSI));
    if (Ws > kMaxW) {
        const double tdMax = TwsSI(PwFromW(kMaxW, pSI)) - kT0;
        return Fail(RangeFailure(KXErrorCode::TemperatureHigh, kDewPoint, ">", tdp, tdMax, "°C"));
    }
    return Finite(Ws);
}

THAValue W_PTTwb(double p, double t, double twb) {
    THAStatus status;
    if (!CheckP(p, status) || !CheckT(t, kTemperature, status) || !CheckT(twb, kWetBulb, status))
        return Fail(status);
    if (twb > t)
        return Fail(RangeFailure(KXErrorCode::TemperatureHigh, kWetBulb, ">", twb, t, "°C"));
    const double pSI = p * 1e5;
    double Ws = 0.0;
    if (!Saturated(twb, pSI, Ws)) return Fail(NoSaturation(kWetBulb, twb, pSI));
    const double W = WFromWetBulb(t, twb, pSI);
    if (W < 0.0) {
        // The lowest wet bulb is that of dry air.
        auto balance = [&](double tw) { return WFromWetBulb(t, tw, pSI); };
        double twMin = 0.0;
        if (!BrentSolve(balance, twb, t, W, balance(t), 1e-12 * (std::abs(t) + 1.0), twMin))
            return Fail(NoConvergence());
        return Fail(RangeFailure(KXErrorCode::TemperatureLow, kWetBulb, "<", twb, twMin, "°C"));
    }
    if (W > kMaxW)
        return Fail(RangeFailure(THACode::HumidityHigh, kHumidityRatio, ">", W, kMaxW, kKgKg));
    return Finite(W);
}

THAValue T_PHW(double p, double h, double W) {
    THAStatus status;
    if (!CheckP(p, status) || !InRange(W, 0.0, kMaxW, THACode::HumidityLow, THACode::HumidityHigh,
                                       kHumidityRatio, kKgKg, status))
        return Fail(status);
    // The lowest state is saturated air at the dew point of W (colder air would hold W only as
    // fog), or the lowest temperature.
    const double pSI = p * 1e5, pw = PwFromW(W, pSI);
    const double tLow = W > 0.0 && pw > PwsSI(kMinT + kT0) ? TwsSI(pw) - kT0 : kMinT;
    const double hMin = Enthalpy(tLow, W), hMax = Enthalpy(kMaxT, W);
    if (!InRange(h, hMin, hMax, KXErrorCode::EnthalpyLow, KXErrorCode::EnthalpyHigh, "Enthalpy",
                 "kJ/kg", status))
        return Fail(status);
    // h is linear in t; saturated air comes back to its dew point within rounding.
    const double t = std::clamp((h - 2501.0 * W) / (1.006 + 1.86 * W), tLow, kMaxT);
    return Finite(t);
}

}  // namespace ha::ideal

namespace ha {

namespace {
bool CheckAltitude(double z, THAStatus& status) {
    return InRange(z, kMinAltitude, kMaxAltitude, THACode::AltitudeLow, THACode::AltitudeHigh,
                   "Altitude", "m", status);
}
}  // namespace

THAValue StandardAtmosphereP_Z(double z) {
    THAStatus status;
    if (!CheckAltitude(z, status)) return Fail(status);
    return {1.01325 * std::pow(1.0 - 2.25577e-5 * z, 5.2559), {}};
}

THAValue StandardAtmosphereT_Z(double z) {
    THAStatus status;
    if (!CheckAltitude(z, status)) return Fail(status);
    return {15.0 - 0.0065 * z, {}};
}

}  // namespace ha
