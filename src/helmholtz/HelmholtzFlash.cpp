// Property functions of the Helmholtz fluids: saturated mixtures from temperature or pressure
// and vapour fraction, single-phase properties from pressure and temperature, and the
// pressure-enthalpy and pressure-entropy flashes with their derived functions.
#include <algorithm>
#include <cmath>
#include <limits>

#include "HelmholzFluidObject.h"
#include "KX_FloatingPoint.h"
#include "KX_Range_Checks.h"
#include "KX_Utils.h"

namespace {

// One argument limit: the check fails when "value comparator limit" holds.
// The checks of one function in order; the first failing one leaves its text and code.
template <std::size_t N>
bool FailsCheck(const THelmholzFluid& fluid, const char* function, const TKXRangeCheck (&limits)[N],
                std::string& ErrorText, int32_t& ErrorCode) {
    return !KXPassesRangeChecks(fluid.Code, function, limits, ErrorText, ErrorCode);
}

void Clear(std::string& ErrorText, int32_t& ErrorCode) {
    ErrorText.clear();
    ErrorCode = KXErrorCode::Success;
}

// The function's failure text with code 1; returns 0.
double Unknown(const THelmholzFluid& fluid, const char* function, std::string& ErrorText,
               int32_t& ErrorCode) {
    ErrorText = UnknownErrorText(fluid.Code, function);
    ErrorCode = KXErrorCode::Failure;
    return 0.0;
}

// "<Code>_<function>; " in front of an inner text; the inner code stays. Returns 0.
double Concatenate(const THelmholzFluid& fluid, const char* function, std::string& ErrorText) {
    ErrorText = CutUtf8(KXErrorPrefix(fluid.Code, function) + "; " + ErrorText, KXMaxTextLength);
    return 0.0;
}

// The inner text with this function's name in front; the inner code stays. Returns 0.
double Rewrite(const THelmholzFluid& fluid, const char* function, std::string& ErrorText) {
    RewriteErrorMessage(ErrorText, static_cast<int32_t>(KXMaxTextLength),
                        KXErrorPrefix(fluid.Code, function));
    return 0.0;
}

// A result that is not a finite number is a failure of the function, never a value.
double Finish(const THelmholzFluid& fluid, const char* function, double result,
              std::string& ErrorText, int32_t& ErrorCode) {
    if (!std::isfinite(result)) return Unknown(fluid, function, ErrorText, ErrorCode);
    return result;
}

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// ---- Saturated mixtures ----

enum class TMixture { Density, Volume, Enthalpy, Entropy };

// The mixture of the liquid (DL, TL) and the vapour (DV, TV) with vapour fraction X.
double MixtureValue(const THelmholzFluid& fluid, TMixture what, double TL, double TV, double X,
                    double DL, double DV) {
    switch (what) {
        case TMixture::Density:
            return 1.0 / ((1.0 - X) / DL + X / DV);
        case TMixture::Volume:
            return (1.0 - X) / DL + X / DV;
        case TMixture::Enthalpy:
            return (1.0 - X) * fluid.HDT(DL, TL) + X * fluid.HDT(DV, TV);
        case TMixture::Entropy:
            return (1.0 - X) * fluid.SDT(DL, TL) + X * fluid.SDT(DV, TV);
    }
    return NaN;
}

double MixtureTX(const THelmholzFluid& fluid, const char* function, TMixture what, double T,
                 double X, std::string& ErrorText, int32_t& ErrorCode) {
    Clear(ErrorText, ErrorCode);
    const TKXRangeCheck limits[] = {
        {"<", T, fluid.Tt_, "Temperature", "°C", KXErrorCode::TemperatureLow},
        {">", T, fluid.Tc_, "Temperature", "°C", KXErrorCode::TemperatureHigh},
        {"<", X, 0.0, "Vapour Fraction", "-", KXErrorCode::VapourFractionLow},
        {">", X, 1.0, "Vapour Fraction", "-", KXErrorCode::VapourFractionHigh}};
    if (FailsCheck(fluid, function, limits, ErrorText, ErrorCode)) return 0.0;
    double TL = 0.0, TV = 0.0, DL = 0.0, DV = 0.0;
    fluid.SaturatedEndsFromTX(T, X, TL, DL, TV, DV, ErrorText, ErrorCode);
    if (ErrorCode != KXErrorCode::Success) return Concatenate(fluid, function, ErrorText);
    return Finish(fluid, function, MixtureValue(fluid, what, TL, TV, X, DL, DV), ErrorText,
                  ErrorCode);
}

double MixturePX(const THelmholzFluid& fluid, const char* function, TMixture what, double P,
                 double X, std::string& ErrorText, int32_t& ErrorCode) {
    Clear(ErrorText, ErrorCode);
    const TKXRangeCheck limits[] = {
        {"<", P, fluid.Pt_, "Pressure", "bar(a)", KXErrorCode::PressureLow},
        {">", P, fluid.Pc_, "Pressure", "bar(a)", KXErrorCode::PressureHigh},
        {"<", X, 0.0, "Vapour Fraction", "-", KXErrorCode::VapourFractionLow},
        {">", X, 1.0, "Vapour Fraction", "-", KXErrorCode::VapourFractionHigh}};
    if (FailsCheck(fluid, function, limits, ErrorText, ErrorCode)) return 0.0;
    double TL = 0.0, TV = 0.0, DL = 0.0, DV = 0.0;
    fluid.SaturatedEndsFromP(P, TL, DL, TV, DV, ErrorText, ErrorCode);
    if (ErrorCode != KXErrorCode::Success) return Concatenate(fluid, function, ErrorText);
    return Finish(fluid, function, MixtureValue(fluid, what, TL, TV, X, DL, DV), ErrorText,
                  ErrorCode);
}

// ---- Single phase from pressure and temperature ----

// Checks P and T against the single-phase limits and solves for the density (0 on failure,
// with the text and code of the failed step).
double CheckedDensityPT(const THelmholzFluid& fluid, const char* function, double P, double T,
                        std::string& ErrorText, int32_t& ErrorCode) {
    Clear(ErrorText, ErrorCode);
    const TKXRangeCheck limits[] = {
        {"<", T, fluid.Tmin(P), "Temperature", "°C", KXErrorCode::TemperatureLow},
        {">", T, fluid.Tmax, "Temperature", "°C", KXErrorCode::TemperatureHigh},
        {"<", P, fluid.Pmin, "Pressure", "bar(a)", KXErrorCode::PressureLow},
        {">", P, fluid.Pmax, "Pressure", "bar(a)", KXErrorCode::PressureHigh}};
    if (FailsCheck(fluid, function, limits, ErrorText, ErrorCode)) return 0.0;
    if (fluid.Dmax > 0.0) {
        // A state denser than Dmax is out of range: its pressure exceeds that of the isochore.
        const TKXRangeCheck dense[] = {
            {">", P, fluid.PDT(fluid.Dmax, T), "Pressure", "bar(a)", KXErrorCode::PressureHigh}};
        if (FailsCheck(fluid, function, dense, ErrorText, ErrorCode)) return 0.0;
    }
    if (P == fluid.Pc_ && T == fluid.Tc_) {
        // The critical point: the isotherm is flat there, and the density is where the
        // saturation line ends.
        double Ps = 0.0, DL = 0.0, DV = 0.0;
        fluid.SaturationFromT(T, Ps, DL, DV, ErrorText, ErrorCode);
        if (ErrorCode == KXErrorCode::Success) return 0.5 * (DL + DV);
        return Unknown(fluid, function, ErrorText, ErrorCode);
    }
    const double D = fluid.DensityPT(P, T, ErrorText, ErrorCode);
    if (ErrorCode != KXErrorCode::Success && ErrorText.ends_with(TooCloseToCriticalText))
        return Rewrite(fluid, function, ErrorText);
    if (ErrorCode != KXErrorCode::Success || !std::isfinite(D) || D <= 0.0)
        return Unknown(fluid, function, ErrorText, ErrorCode);
    return D;
}

enum class TSinglePhase { Volume, Enthalpy, Entropy, Cp, Cv, Kappa, SoundSpeed };

double SinglePhasePT(const THelmholzFluid& fluid, const char* function, TSinglePhase what, double P,
                     double T, std::string& ErrorText, int32_t& ErrorCode) {
    Clear(ErrorText, ErrorCode);
    const double D = fluid.DPT(P, T, ErrorText, ErrorCode);
    if (ErrorCode != KXErrorCode::Success) return Rewrite(fluid, function, ErrorText);
    double result = NaN;
    switch (what) {
        case TSinglePhase::Volume:
            result = 1.0 / D;
            break;
        case TSinglePhase::Enthalpy:
            result = fluid.HDT(D, T);
            break;
        case TSinglePhase::Entropy:
            result = fluid.SDT(D, T);
            break;
        case TSinglePhase::Cp:
            result = fluid.CpDT(D, T);
            break;
        case TSinglePhase::Cv:
            result = fluid.CvDT(D, T);
            break;
        case TSinglePhase::Kappa: {
            // Isentropic exponent w^2 rho / p; 100000: bar to Pa.
            const double W = fluid.WDT(D, T);
            result = W * W * D / (P * 100000.0);
            break;
        }
        case TSinglePhase::SoundSpeed:
            result = fluid.WDT(D, T);
            break;
    }
    // Next to the critical point cp, and with it w and kappa, grows without bound and rounding
    // can give it either sign: a value that is not positive is no property of the fluid.
    const bool positive =
        what == TSinglePhase::Cp || what == TSinglePhase::Kappa || what == TSinglePhase::SoundSpeed;
    if (positive && !(result > 0.0)) {
        ErrorCode = KXErrorCode::Failure;
        ErrorText = CutUtf8(KXErrorPrefix(fluid.Code, function) + "; " + TooCloseToCriticalText,
                            KXMaxTextLength);
        return 0.0;
    }
    return Finish(fluid, function, result, ErrorText, ErrorCode);
}

}  // namespace

double THelmholzFluid::DTX(double T, double X, std::string& ErrorText, int32_t& ErrorCode) const {
    return MixtureTX(*this, "DTX", TMixture::Density, T, X, ErrorText, ErrorCode);
}
double THelmholzFluid::VTX(double T, double X, std::string& ErrorText, int32_t& ErrorCode) const {
    return MixtureTX(*this, "VTX", TMixture::Volume, T, X, ErrorText, ErrorCode);
}
double THelmholzFluid::HTX(double T, double X, std::string& ErrorText, int32_t& ErrorCode) const {
    return MixtureTX(*this, "HTX", TMixture::Enthalpy, T, X, ErrorText, ErrorCode);
}
double THelmholzFluid::STX(double T, double X, std::string& ErrorText, int32_t& ErrorCode) const {
    return MixtureTX(*this, "STX", TMixture::Entropy, T, X, ErrorText, ErrorCode);
}

double THelmholzFluid::DPX(double P, double X, std::string& ErrorText, int32_t& ErrorCode) const {
    return MixturePX(*this, "DPX", TMixture::Density, P, X, ErrorText, ErrorCode);
}
double THelmholzFluid::VPX(double P, double X, std::string& ErrorText, int32_t& ErrorCode) const {
    return MixturePX(*this, "VPX", TMixture::Volume, P, X, ErrorText, ErrorCode);
}
double THelmholzFluid::HPX(double P, double X, std::string& ErrorText, int32_t& ErrorCode) const {
    return MixturePX(*this, "HPX", TMixture::Enthalpy, P, X, ErrorText, ErrorCode);
}
double THelmholzFluid::SPX(double P, double X, std::string& ErrorText, int32_t& ErrorCode) const {
    return MixturePX(*this, "SPX", TMixture::Entropy, P, X, ErrorText, ErrorCode);
}

double THelmholzFluid::DPT(double P, double T, std::string& ErrorText, int32_t& ErrorCode) const {
    return CheckedDensityPT(*this, "DPT", P, T, ErrorText, ErrorCode);
}

double THelmholzFluid::ZPT(double P, double T, std::string& ErrorText, int32_t& ErrorCode) const {
    const double D = CheckedDensityPT(*this, "ZPT", P, T, ErrorText, ErrorCode);
    if (ErrorCode != KXErrorCode::Success) return 0.0;
    return Finish(*this, "ZPT", 100.0 * P / (D * R_ * (T + dta)), ErrorText, ErrorCode);
}

double THelmholzFluid::VPT(double P, double T, std::string& ErrorText, int32_t& ErrorCode) const {
    return SinglePhasePT(*this, "VPT", TSinglePhase::Volume, P, T, ErrorText, ErrorCode);
}
double THelmholzFluid::HPT(double P, double T, std::string& ErrorText, int32_t& ErrorCode) const {
    return SinglePhasePT(*this, "HPT", TSinglePhase::Enthalpy, P, T, ErrorText, ErrorCode);
}
double THelmholzFluid::SPT(double P, double T, std::string& ErrorText, int32_t& ErrorCode) const {
    return SinglePhasePT(*this, "SPT", TSinglePhase::Entropy, P, T, ErrorText, ErrorCode);
}
double THelmholzFluid::CpPT(double P, double T, std::string& ErrorText, int32_t& ErrorCode) const {
    return SinglePhasePT(*this, "CpPT", TSinglePhase::Cp, P, T, ErrorText, ErrorCode);
}
double THelmholzFluid::CvPT(double P, double T, std::string& ErrorText, int32_t& ErrorCode) const {
    return SinglePhasePT(*this, "CvPT", TSinglePhase::Cv, P, T, ErrorText, ErrorCode);
}
double THelmholzFluid::KPT(double P, double T, std::string& ErrorText, int32_t& ErrorCode) const {
    return SinglePhasePT(*this, "KPT", TSinglePhase::Kappa, P, T, ErrorText, ErrorCode);
}
double THelmholzFluid::WPT(double P, double T, std::string& ErrorText, int32_t& ErrorCode) const {
    return SinglePhasePT(*this, "WPT", TSinglePhase::SoundSpeed, P, T, ErrorText, ErrorCode);
}

double THelmholzFluid::HPTFunction(double P, double T) const {
    std::string text;
    int32_t code = KXErrorCode::Success;
    const double D = DPT(P, T, text, code);
    return code == KXErrorCode::Success ? HDT(D, T) : NaN;
}

double THelmholzFluid::SPTFunction(double P, double T) const {
    std::string text;
    int32_t code = KXErrorCode::Success;
    const double D = DPT(P, T, text, code);
    return code == KXErrorCode::Success ? SDT(D, T) : NaN;
}

// ---- Pressure-enthalpy and pressure-entropy flashes ----

namespace {

// What distinguishes the pressure-entropy flash from the pressure-enthalpy flash.
struct TFlashKind {
    const char* Name;      // "XTPH" or "XTPS"
    const char* Quantity;  // "Enthalpy" or "Entropy"
    const char* Unit;      // "kJ/kg" or "kJ/kgK"
    int32_t LowCode;
    int32_t HighCode;
    double (THelmholzFluid::*ValuePT)(double, double, std::string&, int32_t&) const;  // HPT
    double (THelmholzFluid::*ValuePX)(double, double, std::string&, int32_t&) const;  // HPX
    double (THelmholzFluid::*ValueDT)(double, double) const;                          // HDT
    TD2Function RootFunction;                                                         // HPTFunction
    bool Enthalpy;
};

const TFlashKind EnthalpyFlash = {"XTPH",
                                  "Enthalpy",
                                  "kJ/kg",
                                  KXErrorCode::EnthalpyLow,
                                  KXErrorCode::EnthalpyHigh,
                                  &THelmholzFluid::HPT,
                                  &THelmholzFluid::HPX,
                                  &THelmholzFluid::HDT,
                                  &THelmholzFluid::HPTFunction,
                                  true};

const TFlashKind EntropyFlash = {"XTPS",
                                 "Entropy",
                                 "kJ/kgK",
                                 KXErrorCode::EntropyLow,
                                 KXErrorCode::EntropyHigh,
                                 &THelmholzFluid::SPT,
                                 &THelmholzFluid::SPX,
                                 &THelmholzFluid::SDT,
                                 &THelmholzFluid::SPTFunction,
                                 false};

// The temperature in (Tlo, Thi) at which the enthalpy (or entropy) at P equals Y, by Newton
// steps in temperature and density together on p(D, T) = P and h(D, T) = Y (s for entropy): one
// evaluation of the equation per step where FlashNewton solves a whole density at every
// temperature. It gives up (false, for FlashNewton to take over) on any step that leaves the
// bracket or a positive density, without convergence, or where the density found is not the root
// DPT chooses.
bool FlashNewtonTD(const THelmholzFluid& fluid, bool enthalpy, double P, double Y, double Tlo,
                   double Thi, double Ylo, double Yhi, double& T) {
    constexpr int MaxPasses = 30;
    constexpr double Tolerance = 1e-9;  // K, as FlashNewton
    constexpr double SameDensity = 1e-9;
    TFloatingPointScope scope;
    double gLo = Ylo - Y, gHi = Yhi - Y;
    if (Tlo > Thi) {
        std::swap(Tlo, Thi);
        std::swap(gLo, gHi);
    }
    if (!(gLo < 0.0 && gHi > 0.0)) return false;
    // Start in the middle with the density there, as FlashNewton does: a density that fails
    // there fails the flash either way.
    double t = 0.5 * (Tlo + Thi);
    std::string text;
    int32_t code = KXErrorCode::Success;
    double D = fluid.DPT(P, t, text, code);
    if (code != KXErrorCode::Success) return false;
    const double R = fluid.R_;
    for (int pass = 1; pass <= MaxPasses; ++pass) {
        const double delta = fluid.DeltaOf(D);
        const double tau = fluid.TauOf(t);
        const double Tk = t + fluid.dta;
        THelmholzResidual r;
        THelmholzIdeal o;
        fluid.PhirAll(delta, tau, r);
        fluid.PhioAll(delta, tau, o);
        // p = D R T (1 + delta phir_d) in bar (100: kPa to bar) and its derivatives.
        const double A = 1.0 + delta * r.Phid - delta * tau * r.Phidt;
        const double B = 1.0 + 2.0 * delta * r.Phid + delta * delta * r.Phidd;
        const double cvR = -tau * tau * (o.Phitt + r.Phitt);
        const double f1 = D * R * Tk * (1.0 + delta * r.Phid) / 100.0 - P;
        const double pD = R * Tk * B / 100.0;
        const double pT = D * R * A / 100.0;
        double f2 = 0.0, yD = 0.0, yT = 0.0;
        if (enthalpy) {
            f2 = R * Tk * (1.0 + tau * (o.Phit + r.Phit) + delta * r.Phid) - Y;
            yD = R * Tk / D * (tau * delta * r.Phidt + delta * r.Phid + delta * delta * r.Phidd);
            yT = R * (cvR + A);
        } else {
            f2 = R * (tau * (o.Phit + r.Phit) - o.Phi - r.Phi) - Y;
            yD = -R / D * A;
            yT = R * cvR / Tk;
        }
        const double det = pD * yT - pT * yD;
        const double dD = -(f1 * yT - pT * f2) / det;
        const double dT = -(pD * f2 - yD * f1) / det;
        if (!std::isfinite(dD) || !std::isfinite(dT)) return false;
        D += dD;
        t += dT;
        if (!(t > Tlo && t < Thi) || !(D > 0.0)) return false;
        if (std::fabs(dT) <= Tolerance && std::fabs(dD) <= SameDensity * D) {
            // Above SingleRootTemperature a stable density (B > 0 at the last evaluation, a
            // converged step away) is the only root; below it, it must be the one DPT picks.
            if (!(t > fluid.SingleRootTemperature() && B > 0.0)) {
                const double check = fluid.DPT(P, t, text, code);
                if (code != KXErrorCode::Success || !(std::fabs(check - D) <= SameDensity * check))
                    return false;
            }
            T = t;
            return !scope.Raised();
        }
    }
    return false;
}

// The temperature in [Tlo, Thi] at which the enthalpy (or entropy) at P equals Y, as D2Solver
// finds it, by Newton steps with the slope dh/dT = cp (ds/dT = cp / T) kept inside the bracket;
// a step that leaves it, or does not shrink it enough, is replaced by bisection. Near the
// critical point h(T) is almost a step, on which the root finder crawls. False (for D2Solver to
// take over) when a density fails or the iteration does not converge.
bool FlashNewton(const THelmholzFluid& fluid, bool enthalpy, double P, double Y, double Tlo,
                 double Thi, double Ylo, double Yhi, double& T) {
    constexpr int MaxPasses = 60;
    constexpr double Tolerance = 1e-9;  // K, far inside the root finder's 1e-6
    TFloatingPointScope scope;
    double gLo = Ylo - Y, gHi = Yhi - Y;
    if (Tlo > Thi) {
        std::swap(Tlo, Thi);
        std::swap(gLo, gHi);
    }
    if (!(gLo <= 0.0 && gHi >= 0.0)) return false;
    // Start in the middle, where the root finder takes its first value: a density that fails
    // there fails the flash either way.
    double t = 0.5 * (Tlo + Thi);
    double step = Thi - Tlo, stepBefore = step;
    for (int pass = 1; pass <= MaxPasses; ++pass) {
        std::string text;
        int32_t code = KXErrorCode::Success;
        const double D = fluid.DPT(P, t, text, code);
        if (code != KXErrorCode::Success) return false;
        double value = 0.0, cp = 0.0;
        fluid.ValueAndCpDT(enthalpy, D, t, value, cp);
        const double g = value - Y;
        const double slope = enthalpy ? cp : cp / (t + fluid.dta);
        if (!std::isfinite(g) || !std::isfinite(slope)) return false;
        if (g == 0.0) {
            T = t;
            return !scope.Raised();
        }
        if (g < 0.0) {
            Tlo = t;
            gLo = g;
        } else {
            Thi = t;
            gHi = g;
        }
        if (pass == 1) {
            // From the middle on, the straight line through the ends of the halved bracket.
            const double line = Tlo - gLo * (Thi - Tlo) / (gHi - gLo);
            t = line > Tlo && line < Thi ? line : 0.5 * (Tlo + Thi);
            step = stepBefore = Thi - Tlo;
            continue;
        }
        // Bisect where the Newton step would leave the bracket or does not halve the step
        // before the last (the safeguard of Numerical Recipes' rtsafe).
        stepBefore = step;
        const bool outside = ((t - Thi) * slope - g) * ((t - Tlo) * slope - g) > 0.0;
        if (outside || std::fabs(2.0 * g) > std::fabs(stepBefore * slope)) {
            step = 0.5 * (Thi - Tlo);
            t = Tlo + step;
        } else {
            step = g / slope;
            t -= step;
        }
        if (std::fabs(step) <= Tolerance) {
            T = t;
            return !scope.Raised();
        }
    }
    return false;
}

// Temperature, vapour fraction and saturated densities from pressure and enthalpy (or entropy)
// Y.
void Flash(const THelmholzFluid& fluid, const TFlashKind& kind, double P, double Y, double& X,
           double& T, double& DL, double& DV, std::string& ErrorText, int32_t& ErrorCode) {
    X = T = DL = DV = 0.0;
    Clear(ErrorText, ErrorCode);
    const double margin = kind.Enthalpy ? fluid.dH : fluid.dS;
    auto failWith = [&](int32_t code) {
        RewriteErrorMessage(ErrorText, static_cast<int32_t>(KXMaxTextLength),
                            KXErrorPrefix(fluid.Code, kind.Name));
        ErrorCode = code;
        X = T = DL = DV = 0.0;
    };
    auto unknown = [&]() {
        Unknown(fluid, kind.Name, ErrorText, ErrorCode);
        X = T = DL = DV = 0.0;
    };

    const TKXRangeCheck pressureLimits[] = {
        {"<", P, fluid.Pmin, "Pressure", "bar(a)", KXErrorCode::PressureLow},
        {">", P, fluid.Pmax, "Pressure", "bar(a)", KXErrorCode::PressureHigh}};
    if (FailsCheck(fluid, kind.Name, pressureLimits, ErrorText, ErrorCode)) return;

    // Highest admissible value: at Tmax.
    double Thi = fluid.Tmax;
    double Yhi = (fluid.*kind.ValuePT)(P, Thi, ErrorText, ErrorCode);
    if (ErrorCode != KXErrorCode::Success) return failWith(KXErrorCode::Failure);
    const TKXRangeCheck highLimit[] = {
        {">", Y, Yhi - margin, kind.Quantity, kind.Unit, kind.HighCode}};
    if (FailsCheck(fluid, kind.Name, highLimit, ErrorText, ErrorCode)) return;

    // Lowest admissible value: at Tmin, or on the Dmax isochore at high pressure.
    double Tlo = 0.0;
    double Ylo = 0.0;
    if (fluid.Dmax <= 0.0 || P <= fluid.Pmax_Dmax) {
        Tlo = fluid.Tmin(P);
        Ylo = (fluid.*kind.ValuePT)(P, Tlo, ErrorText, ErrorCode);
        if (ErrorCode != KXErrorCode::Success) return failWith(KXErrorCode::Failure);
        if (fluid.Pt_ <= P && P < 2.0 * fluid.Pt_) {
            // Near the triple point the saturated liquid can lie below the Tmin state.
            const double Ysat = (fluid.*kind.ValuePX)(P, 0.0, ErrorText, ErrorCode);
            if (ErrorCode != KXErrorCode::Success) return failWith(KXErrorCode::Failure);
            Ylo = std::min(Ylo, Ysat);
        }
    } else {
        Tlo = fluid.Tmin_Dmax(P, ErrorCode);
        // The isochore temperature cannot report a failure itself: accept it only when it
        // reproduces the pressure.
        const double Pm = fluid.PDT(fluid.Dmax, Tlo);
        if (!std::isfinite(Tlo) || !std::isfinite(Pm) || !(std::fabs(Pm - P) / P < 1e-6))
            return unknown();
        Ylo = (fluid.*kind.ValueDT)(fluid.Dmax, Tlo);
        if (!std::isfinite(Ylo)) return unknown();
    }
    const TKXRangeCheck lowLimit[] = {
        {"<", Y, Ylo + margin, kind.Quantity, kind.Unit, kind.LowCode}};
    if (FailsCheck(fluid, kind.Name, lowLimit, ErrorText, ErrorCode)) return;

    // Phase decision.
    bool superheated = false;
    if (P < fluid.Pt_ || P >= fluid.Pc_) {
        // No two-phase state at this pressure: label by the critical enthalpy.
        if (kind.Enthalpy) X = Y >= fluid.Hc_ ? 1.0 : 0.0;
    } else {
        double TL = 0.0, TV = 0.0;
        fluid.SaturatedEndsFromP(P, TL, DL, TV, DV, ErrorText, ErrorCode);
        if (ErrorCode != KXErrorCode::Success) return failWith(ErrorCode);
        const double YL = (fluid.*kind.ValueDT)(DL, TL);
        const double YV = (fluid.*kind.ValueDT)(DV, TV);
        if (!std::isfinite(YL) || !std::isfinite(YV)) return unknown();
        if (YL <= Y && Y <= YV) {
            X = (Y - YL) / (YV - YL);
            if (!std::isfinite(X)) return unknown();
            // The temperature of the mixture (TL itself where TV is TL).
            T = TL + X * (TV - TL);
            return;
        }
        if (Y > YV) {
            Tlo = TV;
            Ylo = YV;
            X = 1.0;
            superheated = true;
        } else {
            Thi = TL;
            Yhi = YL;
            X = 0.0;
        }
    }

    double t = 0.0;
    // The vapour above its saturation line, where the isotherms are smooth and the density
    // moves little with the temperature, takes the joint Newton steps; the liquid and the states
    // above the critical pressure keep the one-dimensional iteration.
    if (!(superheated && FlashNewtonTD(fluid, kind.Enthalpy, P, Y, Tlo, Thi, Ylo, Yhi, t)) &&
        !FlashNewton(fluid, kind.Enthalpy, P, Y, Tlo, Thi, Ylo, Yhi, t)) {
        t = D2Solver(fluid, kind.RootFunction, P, Y, Tlo, Thi, Ylo, Yhi, 1e-6, ErrorText,
                     ErrorCode);
        if (ErrorCode != KXErrorCode::Success) return unknown();
    }
    T = t;
    if (!kind.Enthalpy && P >= fluid.Pc_) {
        const double H = fluid.HPT(P, T, ErrorText, ErrorCode);
        if (ErrorCode != KXErrorCode::Success) return unknown();
        X = H >= fluid.Hc_ ? 1.0 : 0.0;
    }
}

enum class TFlashResult { Temperature, Fraction };

double FlashValue(const THelmholzFluid& fluid, const TFlashKind& kind, const char* function,
                  TFlashResult what, double P, double Y, std::string& ErrorText,
                  int32_t& ErrorCode) {
    double X = 0.0, T = 0.0, DL = 0.0, DV = 0.0;
    Flash(fluid, kind, P, Y, X, T, DL, DV, ErrorText, ErrorCode);
    if (!ErrorText.empty()) return Rewrite(fluid, function, ErrorText);
    return Finish(fluid, function, what == TFlashResult::Temperature ? T : X, ErrorText, ErrorCode);
}

// Properties derived from a flash: the mixture value from pressure in the two-phase region,
// otherwise the single-phase state at the flash temperature.
enum class TDerived { Enthalpy, Entropy, Volume, Density };

double FlashDerived(const THelmholzFluid& fluid, const TFlashKind& kind, const char* function,
                    TDerived what, double P, double Y, std::string& ErrorText, int32_t& ErrorCode) {
    double X = 0.0, T = 0.0, DL = 0.0, DV = 0.0;
    Flash(fluid, kind, P, Y, X, T, DL, DV, ErrorText, ErrorCode);
    if (!ErrorText.empty()) return Rewrite(fluid, function, ErrorText);
    if (X != 0.0 && X != 1.0) {
        if (P >= fluid.Pc_ || X <= 0.0 || X >= 1.0)
            return Unknown(fluid, function, ErrorText, ErrorCode);
        double value = 0.0;
        switch (what) {
            case TDerived::Enthalpy:
                value = fluid.HPX(P, X, ErrorText, ErrorCode);
                break;
            case TDerived::Entropy:
                value = fluid.SPX(P, X, ErrorText, ErrorCode);
                break;
            case TDerived::Volume:
                value = fluid.VPX(P, X, ErrorText, ErrorCode);
                break;
            case TDerived::Density:
                value = fluid.DPX(P, X, ErrorText, ErrorCode);
                break;
        }
        if (ErrorCode != KXErrorCode::Success)
            return Unknown(fluid, function, ErrorText, ErrorCode);
        return Finish(fluid, function, value, ErrorText, ErrorCode);
    }
    double D = fluid.DPT(P, T, ErrorText, ErrorCode);
    if (ErrorCode != KXErrorCode::Success) return Unknown(fluid, function, ErrorText, ErrorCode);
    if (DL > 0.0 && DV > 0.0) {
        // Keep the density on the side of saturation the flash found.
        D = X == 0.0 ? std::max(DL, D) : std::min(DV, D);
    }
    double value = NaN;
    switch (what) {
        case TDerived::Enthalpy:
            value = fluid.HDT(D, T);
            break;
        case TDerived::Entropy:
            value = fluid.SDT(D, T);
            break;
        case TDerived::Volume:
            value = 1.0 / D;
            break;
        case TDerived::Density:
            value = D;
            break;
    }
    return Finish(fluid, function, value, ErrorText, ErrorCode);
}

// Vapour fraction at T of a fluid with a temperature glide, whose two-phase states at T lie at
// different pressures (SaturatedEndsFromTX): the X at which the state's value is Y, between the
// ends' values YL < Y < YV, by regula falsi (Illinois) on X in [0, 1].
double GlideFraction(const THelmholzFluid& fluid, const TFlashKind& kind, const char* function,
                     double T, double Y, double YL, double YV, std::string& ErrorText,
                     int32_t& ErrorCode) {
    const TMixture what = kind.Enthalpy ? TMixture::Enthalpy : TMixture::Entropy;
    double a = 0.0, fa = YL - Y, b = 1.0, fb = YV - Y;
    int side = 0;
    for (int pass = 1; pass <= KXRootFinderMaxPasses; ++pass) {
        const double X = (a * fb - b * fa) / (fb - fa);
        double TL = 0.0, TV = 0.0, DL = 0.0, DV = 0.0;
        fluid.SaturatedEndsFromTX(T, X, TL, DL, TV, DV, ErrorText, ErrorCode);
        if (ErrorCode != KXErrorCode::Success) return Concatenate(fluid, function, ErrorText);
        const double f = MixtureValue(fluid, what, TL, TV, X, DL, DV) - Y;
        if (!std::isfinite(f)) return Unknown(fluid, function, ErrorText, ErrorCode);
        if (f == 0.0 || b - a <= 1e-15 || std::fabs(f) <= 1e-13 * std::fabs(Y)) return X;
        if ((f < 0.0) == (fa < 0.0)) {
            a = X;
            fa = f;
            if (side == -1) fb *= 0.5;
            side = -1;
        } else {
            b = X;
            fb = f;
            if (side == 1) fa *= 0.5;
            side = 1;
        }
    }
    ErrorCode = KXErrorCode::NoConvergence;
    ErrorText = "No convergence.";
    return Concatenate(fluid, function, ErrorText);
}

// Vapour fraction from temperature and enthalpy (or entropy), within a tolerance outside the
// saturated range.
double FractionTY(const THelmholzFluid& fluid, const TFlashKind& kind, const char* function,
                  double T, double Y, std::string& ErrorText, int32_t& ErrorCode) {
    Clear(ErrorText, ErrorCode);
    const TKXRangeCheck limits[] = {
        {"<", T, fluid.Tt_, "Temperature", "°C", KXErrorCode::TemperatureLow},
        {">", T, fluid.Tc_, "Temperature", "°C", KXErrorCode::TemperatureHigh}};
    if (FailsCheck(fluid, function, limits, ErrorText, ErrorCode)) return 0.0;
    double Ps = 0.0, DL = 0.0, DV = 0.0;
    fluid.SaturationFromT(T, Ps, DL, DV, ErrorText, ErrorCode);
    if (ErrorCode != KXErrorCode::Success) return Concatenate(fluid, function, ErrorText);
    const double YL = (fluid.*kind.ValueDT)(DL, T);
    const double YV = (fluid.*kind.ValueDT)(DV, T);
    const double tolerance = kind.Enthalpy ? fluid.dH_XTH : fluid.dS_XTS;
    const TKXRangeCheck valueLimits[] = {
        {"<", Y, YL - tolerance, kind.Quantity, kind.Unit, kind.LowCode},
        {">", Y, YV + tolerance, kind.Quantity, kind.Unit, kind.HighCode}};
    if (FailsCheck(fluid, function, valueLimits, ErrorText, ErrorCode)) return 0.0;
    if (YL == YV) {
        // The critical point: liquid and vapour are one, no fraction tells them apart.
        ErrorCode = KXErrorCode::Failure;
        ErrorText = NoDistinctPhasesText;
        return Concatenate(fluid, function, ErrorText);
    }
    if (fluid.HasTemperatureGlide() && Y > YL && Y < YV)
        return GlideFraction(fluid, kind, function, T, Y, YL, YV, ErrorText, ErrorCode);
    return Finish(fluid, function, (Y - YL) / (YV - YL), ErrorText, ErrorCode);
}

}  // namespace

void THelmholzFluid::XTPH(double P, double H, double& X, double& T, double& DL, double& DV,
                          std::string& ErrorText, int32_t& ErrorCode) const {
    Flash(*this, EnthalpyFlash, P, H, X, T, DL, DV, ErrorText, ErrorCode);
}

void THelmholzFluid::XTPS(double P, double S, double& X, double& T, double& DL, double& DV,
                          std::string& ErrorText, int32_t& ErrorCode) const {
    Flash(*this, EntropyFlash, P, S, X, T, DL, DV, ErrorText, ErrorCode);
}

double THelmholzFluid::TPH(double P, double H, std::string& ErrorText, int32_t& ErrorCode) const {
    return FlashValue(*this, EnthalpyFlash, "TPH", TFlashResult::Temperature, P, H, ErrorText,
                      ErrorCode);
}
double THelmholzFluid::XPH(double P, double H, std::string& ErrorText, int32_t& ErrorCode) const {
    return FlashValue(*this, EnthalpyFlash, "XPH", TFlashResult::Fraction, P, H, ErrorText,
                      ErrorCode);
}
double THelmholzFluid::SPH(double P, double H, std::string& ErrorText, int32_t& ErrorCode) const {
    return FlashDerived(*this, EnthalpyFlash, "SPH", TDerived::Entropy, P, H, ErrorText, ErrorCode);
}
double THelmholzFluid::VPH(double P, double H, std::string& ErrorText, int32_t& ErrorCode) const {
    return FlashDerived(*this, EnthalpyFlash, "VPH", TDerived::Volume, P, H, ErrorText, ErrorCode);
}
double THelmholzFluid::DPH(double P, double H, std::string& ErrorText, int32_t& ErrorCode) const {
    return FlashDerived(*this, EnthalpyFlash, "DPH", TDerived::Density, P, H, ErrorText, ErrorCode);
}
double THelmholzFluid::XTH(double T, double H, std::string& ErrorText, int32_t& ErrorCode) const {
    return FractionTY(*this, EnthalpyFlash, "XTH", T, H, ErrorText, ErrorCode);
}

double THelmholzFluid::TPS(double P, double S, std::string& ErrorText, int32_t& ErrorCode) const {
    return FlashValue(*this, EntropyFlash, "TPS", TFlashResult::Temperature, P, S, ErrorText,
                      ErrorCode);
}
double THelmholzFluid::XPS(double P, double S, std::string& ErrorText, int32_t& ErrorCode) const {
    return FlashValue(*this, EntropyFlash, "XPS", TFlashResult::Fraction, P, S, ErrorText,
                      ErrorCode);
}
double THelmholzFluid::HPS(double P, double S, std::string& ErrorText, int32_t& ErrorCode) const {
    return FlashDerived(*this, EntropyFlash, "HPS", TDerived::Enthalpy, P, S, ErrorText, ErrorCode);
}
double THelmholzFluid::VPS(double P, double S, std::string& ErrorText, int32_t& ErrorCode) const {
    return FlashDerived(*this, EntropyFlash, "VPS", TDerived::Volume, P, S, ErrorText, ErrorCode);
}
double THelmholzFluid::DPS(double P, double S, std::string& ErrorText, int32_t& ErrorCode) const {
    return FlashDerived(*this, EntropyFlash, "DPS", TDerived::Density, P, S, ErrorText, ErrorCode);
}
double THelmholzFluid::XTS(double T, double S, std::string& ErrorText, int32_t& ErrorCode) const {
    return FractionTY(*this, EntropyFlash, "XTS", T, S, ErrorText, ErrorCode);
}
