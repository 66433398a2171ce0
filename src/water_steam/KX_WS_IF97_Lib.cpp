#include "KX_WS_IF97_Lib.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

#include "KX_Range_Checks.h"
#include "KX_Utils.h"
#include "KX_WS_IF97_Lib_Root.h"
#include "KX_WS_IF97_Transport.h"

using namespace if97;

namespace {

constexpr std::string_view kLibraryName = "KX_WS_IF97";

// Argument limits in the library's standard units (bar(a), °C), written as the values they
// stand for: 273.16 K - 273.15 K would be 0.010000000000047748 and reject 0.01 °C itself.
constexpr double kTripleT = 0.01;       // triple point
constexpr double kCriticalT = 373.946;  // critical point
constexpr double kZeroT = 0.0;          // lowest temperature of the (p,T) functions
constexpr double kTopT_Low = 2000.0;    // highest temperature below 100 bar (region 5)
constexpr double kTopT_High = 800.0;    // highest temperature from 100 bar up
constexpr double kZeroP = 0.0;
// Lowest pressure of the (p,T) and flash functions: the equations hold down to zero, but close
// to the smallest normal double the specific volume overflows.
constexpr double kLowestP = 1e-300;
constexpr double kCriticalP = 220.64;
constexpr double kMaxP = 1000.0;
constexpr double kTripleP = pt / bar;  // lowest pressure of the saturation functions
constexpr double kRegion5P = 100.0;    // highest pressure of region 5

// Kinds of argument: each fixes the quantity name and unit of its range checks and the
// conversion from the standard unit to SI.
enum class TArg { None, Temperature, Pressure, Fraction, Enthalpy, Entropy };

struct TArgKind {
    const char* Quantity;
    const char* Unit;
    double Factor;  // SI = standard * Factor + Offset
    double Offset;
};

constexpr TArgKind Kind(TArg arg) {
    switch (arg) {
        case TArg::Temperature:
            return {"Temperature", "°C", 1.0, T0};
        case TArg::Pressure:
            return {"Pressure", "bar(a)", bar, 0.0};
        case TArg::Fraction:
            return {"Vapour Fraction", "-", 1.0, 0.0};
        case TArg::Enthalpy:
            return {"Enthalpy", "kJ/kg", 1000.0, 0.0};
        case TArg::Entropy:
            return {"Entropy", "kJ/kgK", 1000.0, 0.0};
        case TArg::None:
            break;
    }
    return {"", "", 1.0, 0.0};
}

// Families of functions that share their arguments and checks.
enum class TFamily {
    Constant,
    SaturationByT,  // PsatT, STT
    SaturationByP,  // TsatP
    TwoPhaseByT,    // DTX, VTX, HTX, STX
    TwoPhaseByP,    // DPX, VPX, HPX, SPX
    SinglePhase,    // DPT ... WPT
    Transport,      // TCPT, DVPT, KVPT, PrPT
    PressureEnthalpy,
    PressureEntropy,
    TemperatureEnthalpy,
    TemperatureEntropy,
};

struct TFamilyArgs {
    TArg First;
    TArg Second;
};

constexpr TFamilyArgs ArgsOf(TFamily family) {
    switch (family) {
        case TFamily::Constant:
            return {TArg::None, TArg::None};
        case TFamily::SaturationByT:
            return {TArg::Temperature, TArg::None};
        case TFamily::SaturationByP:
            return {TArg::Pressure, TArg::None};
        case TFamily::TwoPhaseByT:
            return {TArg::Temperature, TArg::Fraction};
        case TFamily::TwoPhaseByP:
            return {TArg::Pressure, TArg::Fraction};
        case TFamily::SinglePhase:
        case TFamily::Transport:
            return {TArg::Pressure, TArg::Temperature};
        case TFamily::PressureEnthalpy:
            return {TArg::Pressure, TArg::Enthalpy};
        case TFamily::PressureEntropy:
            return {TArg::Pressure, TArg::Entropy};
        case TFamily::TemperatureEnthalpy:
            return {TArg::Temperature, TArg::Enthalpy};
        case TFamily::TemperatureEntropy:
            return {TArg::Temperature, TArg::Entropy};
    }
    return {TArg::None, TArg::None};
}

// Runs the range checks of one function in order; the first failing check leaves its text and
// code behind.
class TChecker {
  public:
    TChecker(const char* shortName, std::string& text, int32_t& code)
        : ShortName_(shortName), Text_(text), Code_(code) {}

    // Small enough to be compiled into each caller, where the comparator is a constant and the
    // passing case costs one comparison.
    bool Check(TArg arg, std::string_view comparator, double value, double limit,
               int32_t failCode) {
        if (KXClearlyPasses(comparator, value, limit)) return true;
        return Reject(arg, comparator.data(), value, limit, failCode);
    }

    bool Fail(const char* message) {
        Text_ = KXErrorPrefix(kLibraryName, ShortName_) + ";" + message;
        Code_ = KXErrorCode::Failure;
        return false;
    }

    const char* ShortName() const { return ShortName_; }

  private:
    // The argument's quantity and unit are looked up only for a value that may be rejected.
    [[gnu::noinline]] bool Reject(TArg arg, const char* comparator, double value, double limit,
                                  int32_t failCode) {
        const TArgKind kind = Kind(arg);
        return KXCheckRange(kLibraryName, ShortName_,
                            {comparator, value, limit, kind.Quantity, kind.Unit, failCode}, Text_,
                            Code_);
    }

    const char* ShortName_;
    std::string& Text_;
    int32_t& Code_;
};

using namespace KXErrorCode;

bool CheckSaturationTemperature(TChecker& c, double t) {
    return c.Check(TArg::Temperature, "<", t, kTripleT, TemperatureLow) &&
           c.Check(TArg::Temperature, ">", t, kCriticalT, TemperatureHigh);
}

bool CheckFraction(TChecker& c, double x) {
    return c.Check(TArg::Fraction, "<", x, 0.0, VapourFractionLow) &&
           c.Check(TArg::Fraction, ">", x, 1.0, VapourFractionHigh);
}

bool CheckPressureToMax(TChecker& c, double p) {
    return c.Check(TArg::Pressure, "<=", p, kZeroP, PressureLow) &&
           c.Check(TArg::Pressure, "<", p, kLowestP, PressureLow) &&
           c.Check(TArg::Pressure, ">", p, kMaxP, PressureHigh);
}

// A limit computed in its own protected step: a fault or a failed inner routine gives false.
// The entry point has just cleared the exception flags and the checks before raise none (a NaN
// argument stops at its check), so a flag found here was raised by this computation.
template <class Compute>
bool ProtectedLimit(double& limit, Compute&& compute) {
    bool ok = true;
    limit = compute(ok);
    return ok && std::isfinite(limit) && !kxfp::Raised();
}

// Enthalpy (entropy) limits at pressure p [Pa]: the values at 0 °C and at 2000 °C below
// 100 bar, 800 °C from 100 bar up.
double TopTemperature(double p) {
    return p < p_10 ? T_2273 : T_1073;
}

// The computed limits of an enthalpy or entropy argument in SI units (J/kg, J/(kg K)). A value
// that passed its check in kJ/kg can lie a rounding step outside them once converted; the
// computation takes it on the limit itself, the state the limit was computed from.
struct TLimitsSI {
    double Low = -std::numeric_limits<double>::infinity();
    double High = std::numeric_limits<double>::infinity();
};

bool CheckComputedRange(TChecker& c, TArg arg, double value, const TLimitsSI& limits) {
    const bool enthalpy = arg == TArg::Enthalpy;
    return c.Check(arg, "<", value, limits.Low / 1000.0, enthalpy ? EnthalpyLow : EntropyLow) &&
           c.Check(arg, ">", value, limits.High / 1000.0, enthalpy ? EnthalpyHigh : EntropyHigh);
}

bool CheckPressureEnthalpy(TChecker& c, double p, double h, TLimitsSI& limits) {
    if (!CheckPressureToMax(c, p)) return false;
    const double pSI = p * bar;
    if (!ProtectedLimit(limits.Low, [&](bool& ok) { return H_PT(kPhaseByRegion, pSI, T0, &ok); }))
        return c.Fail(" The lowest enthalpy at this pressure cannot be computed.");
    if (!ProtectedLimit(limits.High, [&](bool& ok) {
            return H_PT(kPhaseByRegion, pSI, TopTemperature(pSI), &ok);
        }))
        return c.Fail(" The highest enthalpy at this pressure cannot be computed.");
    return CheckComputedRange(c, TArg::Enthalpy, h, limits);
}

bool CheckPressureEntropy(TChecker& c, double p, double s, TLimitsSI& limits) {
    if (!CheckPressureToMax(c, p)) return false;
    const double pSI = p * bar;
    if (!ProtectedLimit(limits.Low, [&](bool& ok) { return S_PT(pSI, T0, &ok); }))
        return c.Fail(" The lowest entropy at this pressure cannot be computed.");
    if (!ProtectedLimit(limits.High, [&](bool& ok) { return S_PT(pSI, TopTemperature(pSI), &ok); }))
        return c.Fail(" The highest entropy at this pressure cannot be computed.");
    return CheckComputedRange(c, TArg::Entropy, s, limits);
}

// Saturated-liquid and saturated-vapour values at t [°C] bound h or s of XTH and XTS.
bool CheckSaturatedRange(TChecker& c, TArg arg, double t, double value, TLimitsSI& limits) {
    if (!CheckSaturationTemperature(c, t)) return false;
    const double T = t + T0;
    bool ok = true;
    const bool enthalpy = arg == TArg::Enthalpy;
    limits.Low = enthalpy ? H_TX(T, 0.0, &ok) : S_TX(T, 0.0, &ok);
    limits.High = enthalpy ? H_TX(T, 1.0, &ok) : S_TX(T, 1.0, &ok);
    if (!ok) return c.Fail(" Unknown error.");
    return CheckComputedRange(c, arg, value, limits);
}

bool RunChecks(TFamily family, TChecker& c, double a, double b, TLimitsSI& limits) {
    switch (family) {
        case TFamily::Constant:
            return true;
        case TFamily::SaturationByT:
            return CheckSaturationTemperature(c, a);
        case TFamily::SaturationByP:
            // The saturation line starts at the triple point: no temperature below it.
            return c.Check(TArg::Pressure, "<=", a, kZeroP, PressureLow) &&
                   c.Check(TArg::Pressure, "<", a, kTripleP, PressureLow) &&
                   c.Check(TArg::Pressure, ">", a, kCriticalP, PressureHigh);
        case TFamily::TwoPhaseByT:
            return CheckSaturationTemperature(c, a) && CheckFraction(c, b);
        case TFamily::TwoPhaseByP:
            // Below the triple-point pressure there is no liquid-vapour line to interpolate on.
            return c.Check(TArg::Pressure, "<", a, kZeroP, PressureLow) &&
                   c.Check(TArg::Pressure, "<", a, kTripleP, PressureLow) &&
                   c.Check(TArg::Pressure, ">", a, kCriticalP, PressureHigh) && CheckFraction(c, b);
        case TFamily::SinglePhase:
            return CheckPressureToMax(c, a) &&
                   c.Check(TArg::Temperature, "<", b, kZeroT, TemperatureLow) &&
                   c.Check(TArg::Temperature, ">", b, a < kRegion5P ? kTopT_Low : kTopT_High,
                           TemperatureHigh);
        case TFamily::Transport:
            return CheckPressureToMax(c, a) &&
                   c.Check(TArg::Temperature, "<", b, kZeroT, TemperatureLow) &&
                   c.Check(TArg::Temperature, ">", b, kTopT_High, TemperatureHigh);
        case TFamily::PressureEnthalpy:
            return CheckPressureEnthalpy(c, a, b, limits);
        case TFamily::PressureEntropy:
            return CheckPressureEntropy(c, a, b, limits);
        case TFamily::TemperatureEnthalpy:
            return CheckSaturatedRange(c, TArg::Enthalpy, a, b, limits);
        case TFamily::TemperatureEntropy:
            return CheckSaturatedRange(c, TArg::Entropy, a, b, limits);
    }
    return c.Fail(" Unknown error.");
}

// One computation with its arguments in SI units. A failed inner routine clears Ok; Message
// may replace the "Unknown error." text.
struct TCall {
    double A;
    double B;
    bool Ok = true;
    const char* Message = nullptr;
};

using TCompute = double (*)(TCall&);

struct TFunctionDef {
    const char* ShortName;
    TFamily Family;
    TCompute Compute;
};

// The viscosity and the isentropic exponent answer 0 outside every region without a failure;
// that is no value to show. (The other (p,T) routines, the thermal conductivity through its
// volume, report it as a failure themselves.)
bool InsideRegions(TCall& c) {
    if (RegionPT(c.A, c.B) != kRegionOutside) return true;
    c.Ok = false;
    return false;
}

double Viscosity(TCall& c) {
    return InsideRegions(c) ? Viscosity_PT(c.A, c.B, &c.Ok) * 1e-06 : 0.0;
}

double Kinematic(TCall& c) {
    return Viscosity(c) * V_PT(c.A, c.B, &c.Ok);
}

// The saturation line from the triple point to the critical point, ends included: the two
// equations of region 4 are inverse to each other only within rounding, so their results are
// kept on the line and its ends are met exactly.
// The pressure is computed in bar directly: a division by 1e5 after it would add as much to the
// call as the equation's own divisions.
double SaturationPressure_bar(double T) {
    if (T >= Tc) return pc / bar;
    return std::clamp(Psat_bar(T), pt / bar, pc / bar);
}
double SaturationTemperature(double p) {
    if (p >= pc) return Tc;
    return std::clamp(Tsat(p), Tt, Tc);
}

// The isobaric heat capacity (J/(kg K)). It grows without bound at the critical point, where
// rounding can give it either sign: a value that is not positive is no heat capacity.
double HeatCapacity(TCall& c) {
    const double cp = Cp_PT(c.A, c.B, &c.Ok);
    if (c.Ok && !(cp > 0.0)) {
        c.Ok = false;
        c.Message = " Too close to the critical point.";
    }
    return cp;
}

double Prandtl(TCall& c) {
    const double mu = Viscosity(c);
    const double cp = HeatCapacity(c);
    if (!c.Ok) return 0.0;
    return mu * cp / ThermalConductivity_PT(c.A, c.B, &c.Ok);
}

double IsentropicExponent(TCall& c) {
    const int region = RegionPT(c.A, c.B);
    if (region == 4) {
        c.Ok = false;
        c.Message = " Undefined on the saturation line.";
        return 0.0;
    }
    if (region == kRegionOutside) {
        c.Ok = false;
        return 0.0;
    }
    return IsentropicExponent_PT(c.A, c.B, &c.Ok);
}

// Every function of the library, in registration order.
constexpr TFunctionDef kFunctions[] = {
    {"PsatT", TFamily::SaturationByT, [](TCall& c) { return SaturationPressure_bar(c.A); }},
    {"TsatP", TFamily::SaturationByP, [](TCall& c) { return SaturationTemperature(c.A) - T0; }},
    {"DTX", TFamily::TwoPhaseByT, [](TCall& c) { return 1.0 / V_TX(c.A, c.B, &c.Ok); }},
    {"VTX", TFamily::TwoPhaseByT, [](TCall& c) { return V_TX(c.A, c.B, &c.Ok); }},
    {"HTX", TFamily::TwoPhaseByT, [](TCall& c) { return H_TX(c.A, c.B, &c.Ok) / 1000.0; }},
    {"STX", TFamily::TwoPhaseByT, [](TCall& c) { return S_TX(c.A, c.B, &c.Ok) / 1000.0; }},
    {"DPX", TFamily::TwoPhaseByP, [](TCall& c) { return 1.0 / V_PX(c.A, c.B, &c.Ok); }},
    {"VPX", TFamily::TwoPhaseByP, [](TCall& c) { return V_PX(c.A, c.B, &c.Ok); }},
    {"HPX", TFamily::TwoPhaseByP, [](TCall& c) { return H_PX(c.A, c.B, &c.Ok) / 1000.0; }},
    {"SPX", TFamily::TwoPhaseByP, [](TCall& c) { return S_PX(c.A, c.B, &c.Ok) / 1000.0; }},
    {"DPT", TFamily::SinglePhase, [](TCall& c) { return 1.0 / V_PT(c.A, c.B, &c.Ok); }},
    {"VPT", TFamily::SinglePhase, [](TCall& c) { return V_PT(c.A, c.B, &c.Ok); }},
    {"HPT", TFamily::SinglePhase,
     [](TCall& c) { return H_PT(kPhaseByRegion, c.A, c.B, &c.Ok) / 1000.0; }},
    {"SPT", TFamily::SinglePhase, [](TCall& c) { return S_PT(c.A, c.B, &c.Ok) / 1000.0; }},
    {"TPH", TFamily::PressureEnthalpy, [](TCall& c) { return T_PH(c.A, c.B, &c.Ok) - T0; }},
    {"XPH", TFamily::PressureEnthalpy, [](TCall& c) { return X_PH(c.A, c.B, &c.Ok); }},
    {"SPH", TFamily::PressureEnthalpy, [](TCall& c) { return S_PH(c.A, c.B, &c.Ok) / 1000.0; }},
    {"VPH", TFamily::PressureEnthalpy, [](TCall& c) { return V_PH(c.A, c.B, &c.Ok); }},
    {"DPH", TFamily::PressureEnthalpy, [](TCall& c) { return 1.0 / V_PH(c.A, c.B, &c.Ok); }},
    {"TPS", TFamily::PressureEntropy, [](TCall& c) { return T_PS(c.A, c.B, &c.Ok) - T0; }},
    {"XPS", TFamily::PressureEntropy, [](TCall& c) { return X_PS(c.A, c.B, &c.Ok); }},
    {"HPS", TFamily::PressureEntropy, [](TCall& c) { return H_PS(c.A, c.B, &c.Ok) / 1000.0; }},
    {"VPS", TFamily::PressureEntropy, [](TCall& c) { return V_PS(c.A, c.B, &c.Ok); }},
    {"DPS", TFamily::PressureEntropy, [](TCall& c) { return 1.0 / V_PS(c.A, c.B, &c.Ok); }},
    {"XTH", TFamily::TemperatureEnthalpy, [](TCall& c) { return X_TH(c.A, c.B, &c.Ok); }},
    {"XTS", TFamily::TemperatureEntropy, [](TCall& c) { return X_TS(c.A, c.B, &c.Ok); }},
    {"CpPT", TFamily::SinglePhase, [](TCall& c) { return HeatCapacity(c) / 1000.0; }},
    {"CvPT", TFamily::SinglePhase, [](TCall& c) { return Cv_PT(c.A, c.B, &c.Ok) / 1000.0; }},
    {"KPT", TFamily::SinglePhase, IsentropicExponent},
    {"WPT", TFamily::SinglePhase, [](TCall& c) { return W_PT(c.A, c.B, &c.Ok); }},
    {"STT", TFamily::SaturationByT, [](TCall& c) { return SurfaceTension_T(c.A); }},
    {"TCPT", TFamily::Transport, [](TCall& c) { return ThermalConductivity_PT(c.A, c.B, &c.Ok); }},
    {"DVPT", TFamily::Transport, Viscosity},
    {"KVPT", TFamily::Transport, Kinematic},
    {"PrPT", TFamily::Transport, Prandtl},
    {"MM", TFamily::Constant, [](TCall&) { return MM; }},
    {"Pc", TFamily::Constant, [](TCall&) { return pc / bar; }},
    {"Tc", TFamily::Constant, [](TCall&) { return Tc - T0; }},
    {"Pt", TFamily::Constant, [](TCall&) { return pt / bar; }},
    {"Tt", TFamily::Constant, [](TCall&) { return Tt - T0; }},
};

static_assert(std::size(kFunctions) == 40, "the library registers 40 functions");

// The library's functions in registration order, from the one list of KX_Function_List.h.
// clang-format off
#define KX_WS_IF97_FUNCTIONS(ROW, SEP)              \
    KX_FUNCTIONS_SHARED(ROW, KX_WS_IF97, SEP) SEP() \
    KX_FUNCTIONS_TRANSPORT(ROW, KX_WS_IF97, SEP) SEP() \
    KX_FUNCTIONS_CONSTANTS(ROW, KX_WS_IF97, SEP)
// clang-format on

// Positions in kFunctions, so the entry points below name their row.
#define KX_WS_IF97_INDEX(LIB, NAME, ...) i##NAME
enum TIndex { KX_WS_IF97_FUNCTIONS(KX_WS_IF97_INDEX, KX_FUNCTION_SEP_COMMA) };

// kFunctions holds each function's row at its position in the list.
constexpr bool SameText(const char* a, const char* b) {
    while (*a && *a == *b) ++a, ++b;
    return *a == *b;
}
#define KX_WS_IF97_ORDER_CHECK(LIB, NAME, ...)                    \
    static_assert(SameText(kFunctions[i##NAME].ShortName, #NAME), \
                  "kFunctions follows the order of the function list");
KX_WS_IF97_FUNCTIONS(KX_WS_IF97_ORDER_CHECK, KX_FUNCTION_SEP_NONE)

double ToSI(TArg arg, double value) {
    const TArgKind kind = Kind(arg);
    return value * kind.Factor + kind.Offset;
}

// The body of every entry point: checks in order, conversion to SI, computation, and a failed
// inner routine reported as code 1 rather than its marker value. One instance per function, so
// that its family's checks and its computation are compiled in, not chosen at every call.
template <TIndex Index>
double CheckAndCompute(double a, double b, std::string& text, int32_t& code) {
    constexpr const TFunctionDef& f = kFunctions[Index];
    TChecker checker(f.ShortName, text, code);
    TLimitsSI limits;
    if (!RunChecks(f.Family, checker, a, b, limits)) return 0.0;
    const TFamilyArgs args = ArgsOf(f.Family);
    TCall call{ToSI(args.First, a), std::clamp(ToSI(args.Second, b), limits.Low, limits.High)};
    const double value = f.Compute(call);
    if (!call.Ok) {
        checker.Fail(call.Message ? call.Message : " Unknown error.");
        return 0.0;
    }
    return value;
}

// One instance per function, so that its checks and computation are known when it is compiled.
template <TIndex Index>
double Evaluate(double a, double b, char* errorText, int32_t capacity, int32_t* errorCode) {
    constexpr const TFunctionDef& f = kFunctions[Index];
    return RunLibraryFunction(
        kLibraryName, f.ShortName, errorText, capacity, errorCode,
        [&](std::string& text, int32_t& code) { return CheckAndCompute<Index>(a, b, text, code); });
}

}  // namespace

// The entry points: each evaluates its row of kFunctions.
#define KX_WS_IF97_DEFINE_0(NAME)                              \
    double KX_WS_IF97_##NAME(char* e, int32_t n, int32_t* c) { \
        return Evaluate<i##NAME>(0.0, 0.0, e, n, c);           \
    }
#define KX_WS_IF97_DEFINE_1(NAME)                                         \
    double KX_WS_IF97_##NAME(double x1, char* e, int32_t n, int32_t* c) { \
        return Evaluate<i##NAME>(x1, 0.0, e, n, c);                       \
    }
#define KX_WS_IF97_DEFINE_2(NAME)                                                    \
    double KX_WS_IF97_##NAME(double x1, double x2, char* e, int32_t n, int32_t* c) { \
        return Evaluate<i##NAME>(x1, x2, e, n, c);                                   \
    }
#define KX_WS_IF97_DEFINE_ROW(LIB, NAME, ARITY, ...) KX_WS_IF97_DEFINE_##ARITY(NAME)
KX_WS_IF97_FUNCTIONS(KX_WS_IF97_DEFINE_ROW, KX_FUNCTION_SEP_NONE)

std::span<const TKXLibraryEntry> KX_WS_IF97_Entries() {
    static constexpr TKXLibraryEntry entries[] = {
        KX_WS_IF97_FUNCTIONS(KX_FUNCTION_ENTRY_ROW, KX_FUNCTION_SEP_COMMA)};
    return entries;
}
