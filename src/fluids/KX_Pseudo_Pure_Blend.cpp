#include "KX_Pseudo_Pure_Blend.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "HelmholtzMath.h"
#include "KX_FloatingPoint.h"
#include "KX_Range_Checks.h"
#include "KX_Utils.h"

namespace {

constexpr int LineMaxPasses = 100;

// Σ N θ^t and its derivative in θ.
double AncillarySum(const TBlendAncillary& a, double theta) {
    double sum = 0.0;
    for (size_t i = 0; i < a.N.size(); ++i) sum += a.N[i] * PowerOf(theta, a.t[i]);
    return sum;
}
double AncillarySumSlope(const TBlendAncillary& a, double theta) {
    double sum = 0.0;
    for (size_t i = 0; i < a.N.size(); ++i) sum += a.N[i] * a.t[i] * PowerOf(theta, a.t[i] - 1.0);
    return sum;
}

double BarOf(double pascal) {
    return pascal * 1e-5;
}

// At T in °C.
double AncillaryPressureBar(const TPseudoPureBlendData& d, const TBlendAncillary& a, double T) {
    return BarOf(d.pRed) * std::exp(BlendAncillaryLogPressure(a, d.Tred, T + KelvinOffset));
}

// The equation's constants in program units. Hc_ is the enthalpy at the reducing point, the label
// of a single-phase state above the saturation line; Pt_ and Pmin are the bubble and the dew
// pressure at the lowest temperature (the dew line reaches lower pressures: vapour there is in
// range).
THelmholzConstants BlendConstants(const TPseudoPureBlendData& d, const TResidualTables& residual,
                                  const TIdealGasPart& ideal) {
    const double R = d.R / d.M;  // kJ/(kg K)
    THelmholzResidual r;
    TResidualEquation(residual).Evaluate(1.0, 1.0, ResidualPart::All, r);
    THelmholzIdeal o;
    IdealAll(ideal, 1.0, 1.0, o);
    const double Hc = R * d.Tred * (1.0 + o.Phit + r.Phit + r.Phid);
    const double Tred = d.Tred - KelvinOffset;
    const double Pred = BarOf(d.pRed);
    return THelmholzConstants{.Code = d.code,
                              .MM_ = d.M,
                              .R_ = R,
                              .Ac_ = d.acentric,
                              .Tc_ = Tred,
                              .Tcr_ = Tred,
                              .Tc_Max_ = Tred,
                              .Pc_ = Pred,
                              .Hc_ = Hc,
                              .Pcr_ = Pred,
                              .Dcr_ = d.rhoRed * d.M / 1000.0,
                              .Tt_ = BlendTminC,
                              .Pt_ = AncillaryPressureBar(d, d.bubble, BlendTminC),
                              .Pmin = AncillaryPressureBar(d, d.dew, BlendTminC),
                              .Pmax = BlendPmaxBar,
                              .Tmax = BlendTmaxC};
}

// The line of ancillary `a` from Tt (°C) up to the reducing temperature, or up to the maximum of
// its pressure where it has one (the slope changes sign once there): bisection on the slope.
TPseudoPureBlend::TLineEnds LineEnds(const TPseudoPureBlendData& d, const TBlendAncillary& a,
                                     double Tt) {
    double lo = Tt + KelvinOffset, hi = d.Tred;
    double top = hi;
    if (!(BlendAncillaryLogPressureSlope(a, d.Tred, d.Tred * (1.0 - 1e-12)) > 0.0)) {
        while (hi - lo > 2.0 * std::numeric_limits<double>::epsilon() * hi) {
            const double mid = 0.5 * (lo + hi);
            (BlendAncillaryLogPressureSlope(a, d.Tred, mid) > 0.0 ? lo : hi) = mid;
        }
        top = lo;
    }
    const double Ttop = top == d.Tred ? d.Tred - KelvinOffset : top - KelvinOffset;
    const double Ptop = top == d.Tred ? BarOf(d.pRed) : AncillaryPressureBar(d, a, Ttop);
    return {Tt, AncillaryPressureBar(d, a, Tt), Ttop, Ptop};
}

}  // namespace

double BlendAncillaryLogPressure(const TBlendAncillary& a, double Tred, double T) {
    return Tred / T * AncillarySum(a, 1.0 - T / Tred);
}

double BlendAncillaryLogPressureSlope(const TBlendAncillary& a, double Tred, double T) {
    const double theta = 1.0 - T / Tred;
    return -Tred / (T * T) * AncillarySum(a, theta) - AncillarySumSlope(a, theta) / T;
}

TPseudoPureBlend::TPseudoPureBlend(const TPseudoPureBlendData& data,
                                   const TResidualTables& residual, const TIdealGasPart& ideal)
    : TEquationFluid(BlendConstants(data, residual, ideal), residual, ideal),
      BubbleLine(LineEnds(data, data.bubble, BlendTminC)),
      DewLine(LineEnds(data, data.dew, BlendTminC)),
      data_(data) {}

double TPseudoPureBlend::AncillaryPressure(TLine line, double T) const {
    return AncillaryPressureBar(data_, line == TLine::Bubble ? data_.bubble : data_.dew, T);
}

double TPseudoPureBlend::Pse(double t) const {
    return AncillaryPressure(TLine::Bubble, t);
}

double TPseudoPureBlend::tse(double p) const {
    std::string text;
    int32_t code = KXErrorCode::Success;
    const double T = BubbleTemperature(p, text, code);
    return code == KXErrorCode::Success ? T : std::numeric_limits<double>::quiet_NaN();
}

double TPseudoPureBlend::dsle(double t) const {
    const double theta = 1.0 - (t + dta) / data_.Tred;
    return Dcr_ * (1.0 + AncillarySum(data_.liquidStart, theta));
}

double TPseudoPureBlend::dsve(double t) const {
    const double T = t + dta;
    return Dcr_ * std::exp(data_.Tred / T * AncillarySum(data_.vapourStart, 1.0 - T / data_.Tred));
}

double TPseudoPureBlend::LinePressure(TLine line, const char* function, double T,
                                      std::string& ErrorText, int32_t& ErrorCode) const {
    ErrorText.clear();
    ErrorCode = KXErrorCode::Success;
    const TKXRangeCheck checks[] = {
        {"<", T, Tt_, "Temperature", "°C", KXErrorCode::TemperatureLow},
        {">", T, Ends(line).Ttop, "Temperature", "°C", KXErrorCode::TemperatureHigh}};
    if (!KXPassesRangeChecks(Code, function, checks, ErrorText, ErrorCode)) return 0.0;
    // The ends of the line are its constants.
    if (T == Ends(line).Tbottom) return Ends(line).Pbottom;
    if (T == Ends(line).Ttop) return Ends(line).Ptop;
    return AncillaryPressure(line, T);
}

double TPseudoPureBlend::BubblePressure(double T, std::string& ErrorText,
                                        int32_t& ErrorCode) const {
    return LinePressure(TLine::Bubble, "BubblePressure", T, ErrorText, ErrorCode);
}

double TPseudoPureBlend::DewPressure(double T, std::string& ErrorText, int32_t& ErrorCode) const {
    return LinePressure(TLine::Dew, "DewPressure", T, ErrorText, ErrorCode);
}

double TPseudoPureBlend::LineTemperatureOf(TLine line, double P) const {
    const TLineEnds& ends = Ends(line);
    if (P == ends.Pbottom) return ends.Tbottom;
    if (P == ends.Ptop) return ends.Ttop;
    const TBlendAncillary& a = line == TLine::Bubble ? data_.bubble : data_.dew;
    const double Tred = data_.Tred;
    const double target = std::log(P / BarOf(data_.pRed));
    // ln p rises with T along the line: a start straight in 1/T between its ends, then Newton
    // steps kept inside the bracket (bisection where one would leave it).
    const double Tlow = ends.Tbottom + dta, Thigh = ends.Ttop + dta;
    const double lnLow = std::log(ends.Pbottom / BarOf(data_.pRed));
    const double lnHigh = std::log(ends.Ptop / BarOf(data_.pRed));
    double lo = Tlow, hi = Thigh;
    double T =
        1.0 / (1.0 / Tlow + (target - lnLow) / (lnHigh - lnLow) * (1.0 / Thigh - 1.0 / Tlow));
    for (int pass = 1; pass <= LineMaxPasses; ++pass) {
        const double f = BlendAncillaryLogPressure(a, Tred, T) - target;
        if (f == 0.0) return T - dta;
        (f < 0.0 ? lo : hi) = T;
        double next = T - f / BlendAncillaryLogPressureSlope(a, Tred, T);
        if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
        const double step = std::fabs(next - T);
        T = next;
        // Converged when the step is down to the rounding of T itself.
        if (step <= 2.0 * std::numeric_limits<double>::epsilon() * T) return T - dta;
    }
    return std::numeric_limits<double>::quiet_NaN();
}

double TPseudoPureBlend::LineTemperature(TLine line, const char* function, double P,
                                         std::string& ErrorText, int32_t& ErrorCode) const {
    ErrorText.clear();
    ErrorCode = KXErrorCode::Success;
    const TLineEnds& ends = Ends(line);
    const TKXRangeCheck checks[] = {
        {"<", P, ends.Pbottom, "Pressure", "bar(a)", KXErrorCode::PressureLow},
        {">", P, ends.Ptop, "Pressure", "bar(a)", KXErrorCode::PressureHigh}};
    if (!KXPassesRangeChecks(Code, function, checks, ErrorText, ErrorCode)) return 0.0;
    const double T = LineTemperatureOf(line, P);
    if (std::isnan(T)) {
        ErrorCode = KXErrorCode::NoConvergence;
        ErrorText = CutUtf8(KXErrorPrefix(Code, function) + "; No convergence.", KXMaxTextLength);
        return 0.0;
    }
    return T;
}

double TPseudoPureBlend::BubbleTemperature(double P, std::string& ErrorText,
                                           int32_t& ErrorCode) const {
    return LineTemperature(TLine::Bubble, "BubbleTemperature", P, ErrorText, ErrorCode);
}

double TPseudoPureBlend::DewTemperature(double P, std::string& ErrorText,
                                        int32_t& ErrorCode) const {
    return LineTemperature(TLine::Dew, "DewTemperature", P, ErrorText, ErrorCode);
}

double TPseudoPureBlend::RootDensity(TLine line, double P, double T) const {
    TFloatingPointScope scope;
    const double start = line == TLine::Bubble ? dsle(T) : dsve(T);
    const double tau = TauOf(T);
    std::string text;
    int32_t code = KXErrorCode::Success;
    const double delta = Newton_Raphson_Density(P, tau, start / Dcr_, text, code);
    // A root is a state of the phase only where the pressure rises with the density.
    THelmholzResidual r;
    PhirAll(delta, tau, r);
    const double slope = 1.0 + 2.0 * delta * r.Phid + delta * delta * r.Phidd;
    if (code != KXErrorCode::Success || !(delta > 0.0) || !(slope > 0.0) || scope.Raised())
        return 0.0;
    return delta * Dcr_;
}

double TPseudoPureBlend::PhaseDensity(TLine line, const char* function, double T,
                                      std::string& ErrorText, int32_t& ErrorCode) const {
    const double P = LinePressure(line, function, T, ErrorText, ErrorCode);
    if (ErrorCode != KXErrorCode::Success) return 0.0;
    const double D = RootDensity(line, P, T);
    if (D == 0.0) {
        ErrorCode = KXErrorCode::Failure;
        ErrorText = CutUtf8(KXErrorPrefix(Code, function) + "; Unknown error.", KXMaxTextLength);
    }
    return D;
}

double TPseudoPureBlend::BubbleLiquidDensity(double T, std::string& ErrorText,
                                             int32_t& ErrorCode) const {
    return PhaseDensity(TLine::Bubble, "BubbleLiquidDensity", T, ErrorText, ErrorCode);
}

double TPseudoPureBlend::DewVapourDensity(double T, std::string& ErrorText,
                                          int32_t& ErrorCode) const {
    return PhaseDensity(TLine::Dew, "DewVapourDensity", T, ErrorText, ErrorCode);
}

double TPseudoPureBlend::GlideOf(const char* function, double P, std::string& ErrorText,
                                 int32_t& ErrorCode) const {
    const double Tbubble = LineTemperature(TLine::Bubble, function, P, ErrorText, ErrorCode);
    if (ErrorCode != KXErrorCode::Success) return 0.0;
    const double Tdew = LineTemperature(TLine::Dew, function, P, ErrorText, ErrorCode);
    if (ErrorCode != KXErrorCode::Success) return 0.0;
    return Tdew - Tbubble;
}

double TPseudoPureBlend::Glide(double P, std::string& ErrorText, int32_t& ErrorCode) const {
    return GlideOf("Glide", P, ErrorText, ErrorCode);
}

double TPseudoPureBlend::PbubT(double T, std::string& ErrorText, int32_t& ErrorCode) const {
    return LinePressure(TLine::Bubble, "PbubT", T, ErrorText, ErrorCode);
}
double TPseudoPureBlend::PdewT(double T, std::string& ErrorText, int32_t& ErrorCode) const {
    return LinePressure(TLine::Dew, "PdewT", T, ErrorText, ErrorCode);
}
double TPseudoPureBlend::TbubP(double P, std::string& ErrorText, int32_t& ErrorCode) const {
    return LineTemperature(TLine::Bubble, "TbubP", P, ErrorText, ErrorCode);
}
double TPseudoPureBlend::TdewP(double P, std::string& ErrorText, int32_t& ErrorCode) const {
    return LineTemperature(TLine::Dew, "TdewP", P, ErrorText, ErrorCode);
}
double TPseudoPureBlend::TglideP(double P, std::string& ErrorText, int32_t& ErrorCode) const {
    return GlideOf("TglideP", P, ErrorText, ErrorCode);
}

double TPseudoPureBlend::PTX(double T, double X, std::string& ErrorText, int32_t& ErrorCode) const {
    // The same checks and state as DTX, under this function's name.
    DTX(T, X, ErrorText, ErrorCode);
    if (ErrorCode != KXErrorCode::Success) {
        RewriteErrorMessage(ErrorText, KXMaxTextLength, KXErrorPrefix(Code, "PTX"));
        return 0.0;
    }
    const double P = TwoPhasePressure(T, X);
    if (!std::isfinite(P)) {
        ErrorText = UnknownErrorText(Code, "PTX");
        ErrorCode = KXErrorCode::Failure;
        return 0.0;
    }
    return P;
}

// ---- The saturation of the shared routines ----
// Their callers check T in [Tt_, Tc_] and P in [Pt_, Pc_] first, inside both lines (the bubble
// pressure above its top, up to Tc_, from the ancillary itself), and add their own prefix.

namespace {
void SaturationFailure(double& a, double& b, double& c, std::string& ErrorText,
                       int32_t& ErrorCode) {
    a = b = c = 0.0;
    ErrorText = "Unknown error.";
    ErrorCode = KXErrorCode::Failure;
}
}  // namespace

void TPseudoPureBlend::SaturationFromT(double T, double& Ps, double& DL, double& DV,
                                       std::string& ErrorText, int32_t& ErrorCode) const {
    ErrorText.clear();
    ErrorCode = KXErrorCode::Success;
    Ps = AncillaryPressure(TLine::Bubble, T);
    DL = RootDensity(TLine::Bubble, Ps, T);
    DV = RootDensity(TLine::Dew, AncillaryPressure(TLine::Dew, T), T);
    if (DL == 0.0 || DV == 0.0) SaturationFailure(Ps, DL, DV, ErrorText, ErrorCode);
}

void TPseudoPureBlend::SaturationFromP(double P, double& Ts, double& DL, double& DV,
                                       std::string& ErrorText, int32_t& ErrorCode) const {
    double TV = 0.0;
    SaturatedEndsFromP(P, Ts, DL, TV, DV, ErrorText, ErrorCode);
}

void TPseudoPureBlend::SaturatedEndsFromP(double P, double& TL, double& DL, double& TV, double& DV,
                                          std::string& ErrorText, int32_t& ErrorCode) const {
    ErrorText.clear();
    ErrorCode = KXErrorCode::Success;
    TL = LineTemperatureOf(TLine::Bubble, P);
    TV = LineTemperatureOf(TLine::Dew, P);
    DL = std::isnan(TL) ? 0.0 : RootDensity(TLine::Bubble, P, TL);
    DV = std::isnan(TV) ? 0.0 : RootDensity(TLine::Dew, P, TV);
    if (DL == 0.0 || DV == 0.0) {
        SaturationFailure(TL, DL, DV, ErrorText, ErrorCode);
        TV = 0.0;
    }
}

double TPseudoPureBlend::MixedLineTemperature(double P, double X, double* slope) const {
    const double TL = LineTemperatureOf(TLine::Bubble, P);
    const double TV = LineTemperatureOf(TLine::Dew, P);
    if (slope) {
        // dT/d ln p of each line is the inverse of its ancillary's slope (infinite at the
        // reducing temperature where an exponent is below 1: never asked there).
        const double sL = BlendAncillaryLogPressureSlope(data_.bubble, data_.Tred, TL + dta);
        const double sV = BlendAncillaryLogPressureSlope(data_.dew, data_.Tred, TV + dta);
        *slope = (1.0 - X) / sL + X / sV;
    }
    return (1.0 - X) * TL + X * TV;
}

double TPseudoPureBlend::TwoPhasePressure(double T, double X) const {
    constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
    if (X == 0.0) return AncillaryPressure(TLine::Bubble, T);
    if (X == 1.0) return AncillaryPressure(TLine::Dew, T);
    // The mixed temperature rises with ln p between the ends of the two-phase range: Newton steps
    // in ln p kept inside the bracket (bisection where one would leave it).
    double slope = 0.0;
    double lo = std::log(Pt_), hi = std::log(Pc_);
    const double fLo = MixedLineTemperature(Pt_, X) - T;
    const double fHi = MixedLineTemperature(Pc_, X) - T;
    if (fLo == 0.0) return Pt_;
    if (fHi == 0.0) return Pc_;
    if (!(fLo < 0.0 && fHi > 0.0)) return NaN;
    double u = lo - fLo * (hi - lo) / (fHi - fLo);
    for (int pass = 1; pass <= LineMaxPasses; ++pass) {
        const double f = MixedLineTemperature(std::exp(u), X, &slope) - T;
        if (std::isnan(f)) return NaN;
        if (f == 0.0) return std::exp(u);
        (f < 0.0 ? lo : hi) = u;
        double next = u - f / slope;
        if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
        const double step = std::fabs(next - u);
        u = next;
        // Converged when the step is down to a few roundings of ln p.
        if (step <= 4.0 * std::numeric_limits<double>::epsilon() * std::max(1.0, std::fabs(u)))
            return std::exp(u);
    }
    return NaN;
}

void TPseudoPureBlend::SaturatedEndsFromTX(double T, double X, double& TL, double& DL, double& TV,
                                           double& DV, std::string& ErrorText,
                                           int32_t& ErrorCode) const {
    ErrorText.clear();
    ErrorCode = KXErrorCode::Success;
    if (X == 0.0 || X == 1.0) {
        // Only one end counts: the bubble or the dew state at T, as the saturated states are.
        THelmholzFluid::SaturatedEndsFromTX(T, X, TL, DL, TV, DV, ErrorText, ErrorCode);
        return;
    }
    // The temperatures this X reaches: the mixed temperature at the ends of the two-phase range.
    const TKXRangeCheck checks[] = {
        {"<", T, MixedLineTemperature(Pt_, X), "Temperature", "°C", KXErrorCode::TemperatureLow},
        {">", T, MixedLineTemperature(Pc_, X), "Temperature", "°C", KXErrorCode::TemperatureHigh}};
    if (!KXPassesRangeChecks(Code, "TX", checks, ErrorText, ErrorCode)) {
        // The caller puts its own name in front.
        ErrorText.erase(0, ErrorText.find("; ") + 2);
        TL = DL = TV = DV = 0.0;
        return;
    }
    const double P = TwoPhasePressure(T, X);
    if (std::isnan(P)) {
        SaturationFailure(TL, DL, DV, ErrorText, ErrorCode);
        TV = 0.0;
        return;
    }
    SaturatedEndsFromP(P, TL, DL, TV, DV, ErrorText, ErrorCode);
}
