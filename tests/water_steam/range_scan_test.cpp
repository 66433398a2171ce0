// Every two-argument function of the water and steam library over the whole range its checks
// admit: a call whose arguments pass the range checks must return code 0 and a finite value.
// The grids run from each limit to the other (the limits themselves, values 1e-9 relative and a
// few fixed steps inside them, an even or logarithmic spread between) and add the lines inside
// the range where two region equations or the fitted region map meet, since those are where a
// state is most easily placed outside every region.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "KX_WS_IF97_Lib.h"
#include "KX_WS_IF97_Lib_Root.h"

namespace {

constexpr double kTripleT = 0.01, kCriticalT = 373.946;                                  // °C
constexpr double kTripleP = 0.0061165700001066534, kCriticalP = 220.64, kMaxP = 1000.0;  // bar(a)
constexpr double kRegion3P = 165.291643;  // bar(a), saturation pressure at 350 °C
constexpr double kRelativeInside = 1e-9;

double Call(TBinaryFunction f, double a, double b, int32_t* code, std::string* text = nullptr) {
    char buffer[256];
    *code = 0;
    const double value = f(a, b, buffer, 255, code);
    if (text) *text = buffer;
    return value;
}

// A value of the library that the grid is built from (a limit or a boundary); NaN when the
// library does not give it: a missing limit fails the scan, a missing inner line is left out.
double Value(TBinaryFunction f, double a, double b) {
    int32_t code = 0;
    const double v = Call(f, a, b, &code);
    return code == 0 ? v : std::nan("");
}

void AddFinite(std::vector<double>& values, double v) {
    if (std::isfinite(v)) values.push_back(v);
}

// Fixed steps inside a limit, in the argument's standard unit: the fitted region map misses
// the range's edges by up to about 0.1 kJ/kg and 0.01 kJ/kgK.
constexpr double kStepsInside[] = {1e-6, 1e-4, 1e-3, 1e-2, 0.1, 1.0};

// From lo to hi: the ends, 1e-9 relative inside each, the fixed steps inside each and n even
// steps between.
std::vector<double> Between(double lo, double hi, int n) {
    std::vector<double> v;
    if (!(std::isfinite(lo) && std::isfinite(hi) && hi > lo)) return v;
    const double span = hi - lo;
    v.push_back(lo);
    v.push_back(hi);
    v.push_back(lo + kRelativeInside * std::max(std::fabs(lo), span));
    v.push_back(hi - kRelativeInside * std::max(std::fabs(hi), span));
    for (double step : kStepsInside) {
        if (step >= span / 4) continue;
        v.push_back(lo + step);
        v.push_back(hi - step);
    }
    for (int i = 1; i < n; ++i) v.push_back(lo + span * i / n);
    return v;
}

// A line inside the range and the values just beside it on both sides.
void AddAround(std::vector<double>& values, double v, double lo, double hi) {
    if (!std::isfinite(v)) return;
    for (double d : {0.0, 1e-6, -1e-6, 1e-3, -1e-3, 0.05, -0.05}) {
        const double x = v + d;
        if (x >= lo && x <= hi) values.push_back(x);
    }
}

// Pressures from just above `lo` (or from `lo` itself when it is admitted) to `hi`,
// log-spaced, with the pressures where region boundaries change.
std::vector<double> Pressures(double lo, bool loAdmitted, double hi) {
    std::vector<double> v;
    const double first = loAdmitted ? lo : 1e-12;
    if (loAdmitted) v.push_back(lo * (1 + kRelativeInside));
    const int n = 48;
    for (int i = 0; i < n; ++i) v.push_back(first * std::pow(hi / first, double(i) / n));
    v.push_back(hi);
    v.push_back(hi * (1 - kRelativeInside));
    // Around the triple point (the saturation pressures at 0 °C and 0.01 °C, between which the
    // liquid and two-phase states of the range lie beside the fitted region map), 40 bar (2b/2c),
    // 100 bar (region 5), the region-3 part of the saturation line and the critical pressure.
    for (double p :
         {0.0061121, kTripleP, 0.0061130, 0.006114, 0.006115,   0.006116, 0.0061165, 0.00611657,
          0.0061166, 0.01,     1.01325,   40.0,     99.999999,  100.0,    165.29,    kRegion3P,
          165.3,     200.0,    220.0,     220.63,   kCriticalP, 220.65,   300.0,     500.0})
        if (p > lo && p <= hi) v.push_back(p);
    if (!loAdmitted) {
        // Far below every other grid pressure: still admitted by the "<= 0" check.
        for (double p : {1e-300, 1e-100, 1e-30, 1e-15}) v.push_back(p);
    }
    std::sort(v.begin(), v.end());
    v.erase(std::unique(v.begin(), v.end()), v.end());
    return v;
}

std::vector<double> SaturationTemperatures() {
    std::vector<double> v = Between(kTripleT, kCriticalT, 40);
    for (double t :
         {100.0, 200.0, 300.0, 349.99, 350.0, 350.01, 370.0, 373.0, 373.9, 373.94, 373.9459})
        v.push_back(t);
    return v;
}

// ---- Families: the first argument's grid, the second argument's range at it ----

struct TSecondRange {
    double lo, hi;
    std::vector<double> inner;  // lines inside the range where equations meet
};

double TopTemperature(double p) {
    return p < 100.0 ? 2000.0 : 800.0;
}

// Temperatures in °C where (p,T) region equations meet at pressure p.
std::vector<double> RegionLinesT(double p) {
    std::vector<double> t = {350.0, 800.0, kCriticalT};
    if (p <= kCriticalP) t.push_back(if97::Tsat(p * if97::bar) - if97::T0);
    if (p > kRegion3P) t.push_back(if97::B23_T(p * if97::bar) - if97::T0);
    return t;
}

TSecondRange Fraction(double) {
    return {0.0, 1.0, {}};
}

TSecondRange SinglePhaseT(double p) {
    TSecondRange r{0.0, TopTemperature(p), {}};
    for (double t : RegionLinesT(p)) AddAround(r.inner, t, r.lo, r.hi);
    return r;
}

TSecondRange TransportT(double p) {
    TSecondRange r{0.0, 800.0, {}};
    for (double t : RegionLinesT(p)) AddAround(r.inner, t, r.lo, r.hi);
    return r;
}

// h or s (byPT: HPT or SPT, byPX: HPX or SPX) from its value at 0 °C to its value at the top
// temperature, with its values on the region lines and the saturated values inside.
TSecondRange CaloricRange(TBinaryFunction byPT, TBinaryFunction byPX, double p) {
    TSecondRange r{Value(byPT, p, 0.0), Value(byPT, p, TopTemperature(p)), {}};
    std::vector<double> lines;
    for (double t : RegionLinesT(p)) AddFinite(lines, Value(byPT, p, t));
    if (p >= kTripleP && p <= kCriticalP) {
        AddFinite(lines, Value(byPX, p, 0.0));
        AddFinite(lines, Value(byPX, p, 1.0));
    }
    for (double z : lines) AddAround(r.inner, z, r.lo, r.hi);
    return r;
}

TSecondRange Enthalpy(double p) {
    return CaloricRange(KX_WS_IF97_HPT, KX_WS_IF97_HPX, p);
}
TSecondRange Entropy(double p) {
    return CaloricRange(KX_WS_IF97_SPT, KX_WS_IF97_SPX, p);
}

TSecondRange SaturatedEnthalpy(double t) {
    return {Value(KX_WS_IF97_HTX, t, 0.0), Value(KX_WS_IF97_HTX, t, 1.0), {}};
}
TSecondRange SaturatedEntropy(double t) {
    return {Value(KX_WS_IF97_STX, t, 0.0), Value(KX_WS_IF97_STX, t, 1.0), {}};
}

struct TScanFunction {
    const char* Name;
    TBinaryFunction Function;
};

struct TState {
    double a, b;
};

struct TScanFamily {
    const char* Name;
    std::vector<double> Firsts;
    TSecondRange (*Second)(double first);
    int Steps;  // even steps of the second argument between its limits
    std::vector<TScanFunction> Functions;
    std::vector<TState> Extra = {};  // states besides the grid
};

// (p, t) exactly on the saturation line: the pressure the library gives for t.
std::vector<TState> SaturationLineStates() {
    std::vector<TState> states;
    for (double t : SaturationTemperatures()) {
        int32_t code = 0;
        char text[256];
        const double p = KX_WS_IF97_PsatT(t, text, 255, &code);
        if (code == 0) states.push_back({p, t});
    }
    return states;
}

std::vector<TScanFamily> Families() {
    const auto twoPhaseP = Pressures(kTripleP, true, kCriticalP);
    const auto anyP = Pressures(0.0, false, kMaxP);
    return {
        {"two-phase by T",
         SaturationTemperatures(),
         Fraction,
         20,
         {{"DTX", KX_WS_IF97_DTX},
          {"VTX", KX_WS_IF97_VTX},
          {"HTX", KX_WS_IF97_HTX},
          {"STX", KX_WS_IF97_STX}}},
        {"two-phase by p",
         twoPhaseP,
         Fraction,
         20,
         {{"DPX", KX_WS_IF97_DPX},
          {"VPX", KX_WS_IF97_VPX},
          {"HPX", KX_WS_IF97_HPX},
          {"SPX", KX_WS_IF97_SPX}}},
        {"single phase",
         anyP,
         SinglePhaseT,
         40,
         {{"DPT", KX_WS_IF97_DPT},
          {"VPT", KX_WS_IF97_VPT},
          {"HPT", KX_WS_IF97_HPT},
          {"SPT", KX_WS_IF97_SPT},
          {"CpPT", KX_WS_IF97_CpPT},
          {"CvPT", KX_WS_IF97_CvPT},
          {"KPT", KX_WS_IF97_KPT},
          {"WPT", KX_WS_IF97_WPT}},
         SaturationLineStates()},
        {"transport",
         anyP,
         TransportT,
         20,
         {{"TCPT", KX_WS_IF97_TCPT},
          {"DVPT", KX_WS_IF97_DVPT},
          {"KVPT", KX_WS_IF97_KVPT},
          {"PrPT", KX_WS_IF97_PrPT}},
         SaturationLineStates()},
        {"pressure and enthalpy",
         anyP,
         Enthalpy,
         40,
         {{"TPH", KX_WS_IF97_TPH},
          {"XPH", KX_WS_IF97_XPH},
          {"SPH", KX_WS_IF97_SPH},
          {"VPH", KX_WS_IF97_VPH},
          {"DPH", KX_WS_IF97_DPH}}},
        {"pressure and entropy",
         anyP,
         Entropy,
         40,
         {{"TPS", KX_WS_IF97_TPS},
          {"XPS", KX_WS_IF97_XPS},
          {"HPS", KX_WS_IF97_HPS},
          {"VPS", KX_WS_IF97_VPS},
          {"DPS", KX_WS_IF97_DPS}}},
        {"temperature and enthalpy",
         SaturationTemperatures(),
         SaturatedEnthalpy,
         20,
         {{"XTH", KX_WS_IF97_XTH}}},
        {"temperature and entropy",
         SaturationTemperatures(),
         SaturatedEntropy,
         20,
         {{"XTS", KX_WS_IF97_XTS}}},
    };
}

// ---- States the formulation cannot answer ----

struct TAllowed {
    const char* Function;
    bool (*Applies)(double a, double b);
    const char* Text;  // the whole error text the function gives there
    const char* Reason;
};

// The isentropic exponent cp/cv (times w²/(p v)) has no single value on the saturation line,
// where the (p,T) state is either phase.
bool OnSaturationLine(double p, double t) {
    return if97::RegionPT(p * if97::bar, t + if97::T0) == 4;
}

const TAllowed kAllowed[] = {
    {"KPT", OnSaturationLine, "KX_WS_IF97_KPT; Undefined on the saturation line.",
     "the isentropic exponent is undefined on the saturation line"},
};

bool IsAllowed(const char* function, double a, double b, const std::string& text) {
    for (const TAllowed& allowed : kAllowed)
        if (std::strcmp(allowed.Function, function) == 0 && allowed.Applies(a, b))
            return text == allowed.Text;
    return false;
}

struct TScanResult {
    int calls = 0;
    int failures = 0;
    int allowed = 0;
    std::ostringstream examples;
};

void ScanCall(const TScanFunction& f, double a, double b, TScanResult& result) {
    int32_t code = 0;
    std::string text;
    const double value = Call(f.Function, a, b, &code, &text);
    ++result.calls;
    if (code == 0 && std::isfinite(value)) return;
    if (IsAllowed(f.Name, a, b, text)) {
        ++result.allowed;
        return;
    }
    if (result.failures++ < 12) {
        result.examples.precision(17);
        result.examples << "\n  " << f.Name << "(" << a << ", " << b << ") = " << value << " code "
                        << code << ": " << text;
    }
}

class RangeScan : public ::testing::TestWithParam<int> {};

TEST_P(RangeScan, EveryAdmittedStateComputes) {
    const TScanFamily family = Families()[GetParam()];
    for (const TScanFunction& f : family.Functions) {
        TScanResult result;
        for (double a : family.Firsts) {
            const TSecondRange range = family.Second(a);
            if (!(std::isfinite(range.lo) && std::isfinite(range.hi))) {
                ADD_FAILURE() << f.Name << ": no limits of the second argument at " << a;
                continue;
            }
            std::vector<double> seconds = Between(range.lo, range.hi, family.Steps);
            seconds.insert(seconds.end(), range.inner.begin(), range.inner.end());
            for (double b : seconds) ScanCall(f, a, b, result);
        }
        for (const TState& state : family.Extra) ScanCall(f, state.a, state.b, result);
        EXPECT_EQ(result.failures, 0)
            << family.Name << ", " << f.Name << ": " << result.failures << " of " << result.calls
            << " calls failed" << result.examples.str();
        EXPECT_GT(result.calls, 100) << f.Name;
        // An entry of the allow-list that the scan never meets has gone stale.
        for (const TAllowed& allowed : kAllowed) {
            if (std::strcmp(allowed.Function, f.Name) == 0) {
                EXPECT_GT(result.allowed, 0) << f.Name << ": " << allowed.Reason;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllFamilies, RangeScan, ::testing::Range(0, 8));

}  // namespace
