#include "KX_Mixture_Pairs.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "KX_Function_List.h"
#include "KX_Function_Shapes.h"
#include "KX_Mixture_Blends.h"
#include "KX_Mixture_Citations.h"
#include "KX_Mixture_Entry.h"
#include "KX_Mixture_Equilibrium.h"
#include "KX_Mixture_Lines.h"
#include "KX_Mixture_Phase.h"
#include "KX_Range_Checks.h"
#include "KX_Utils.h"

namespace {

using namespace KXMixtureCitations;

constexpr double Kelvin = 273.15;
constexpr double PascalPerBar = 1e5;
// As the blend libraries: the equilibrium solver reaches down to 200 K, and where it finds no
// line a state counts as one phase only this far beyond the highest pressure or temperature at
// which it found one.
constexpr double MixtureTminC = -73.15;
constexpr double BeyondLinesFactor = 1.1;
constexpr double BeyondLinesKelvin = 10.0;

struct TPairLibraryData {
    const char* Code;
    const char* First;
    const char* Second;
    const char* Citation;
};

// The pairs with parameters, in the order of the pair table of KX_Mixture_Blends.cpp.
const TPairLibraryData Pairs[MixturePairLibraryCount] = {
    {"KX_MIX_R32_R125", "R32", "R125", LemmonJacobsen},
    {"KX_MIX_R32_R134a", "R32", "R134a", LemmonJacobsen},
    {"KX_MIX_R125_R134a", "R125", "R134a", LemmonJacobsen},
    {"KX_MIX_R125_R143a", "R125", "R143a", LemmonJacobsen},
    {"KX_MIX_R134a_R143a", "R134a", "R143a", LemmonJacobsen},
    {"KX_MIX_R32_R1234yf", "R32", "R1234yf", Bell2023},
    {"KX_MIX_R32_R1234zeE", "R32", "R1234ze(E)", Bell2023},
    {"KX_MIX_R125_R1234yf", "R125", "R1234yf", Bell2023},
    {"KX_MIX_R1234yf_R134a", "R1234yf", "R134a", Bell2022},
    {"KX_MIX_R1234yf_R1234zeE", "R1234yf", "R1234ze(E)", Bell2022},
    {"KX_MIX_R134a_R1234zeE", "R134a", "R1234ze(E)", Bell2022},
    {"KX_MIX_R125_R1234zeE", "R125", "R1234ze(E)", Bell2025},
};

constexpr const char* PairFunctionNotes =
    "every function takes the mole fraction of the first component (the first of "
    "chemical_name) as its last argument, 0 < z < 1; PbubT, PdewT: bubble and dew pressure; "
    "TbubP, TdewP: bubble and dew temperature; TglideP: dew minus bubble temperature (K); YbubT, "
    "YbubP: mole fraction of the first component in the first vapour at the bubble point; "
    "XdewT, XdewP: the same in the first liquid at the dew point; DPT ... WPT: single phase only, "
    "liquid below the bubble and vapour above the dew temperature at p (between them an error); "
    "MM: molar mass of the composition; reference state per composition; no critical or triple "
    "point, transport, two-phase states or flashes";

// What a composition needs beyond the bubble or dew point itself, each part computed when first
// asked: the lines' pressures at the lowest temperature, the reference-state offsets, and the
// highest pressure and temperature at which the solver finds either line.
struct TCompositionData {
    double Z = std::numeric_limits<double>::quiet_NaN();
    bool HaveBottoms = false, HaveReference = false, HaveTop = false;
    bool BottomsOk = false, ReferenceOk = false;
    double PbubBottom = 0.0, PdewBottom = 0.0;  // bar
    double DeltaH = 0.0, DeltaS = 0.0;          // kJ/kg, kJ/(kg K)
    double Ptop = 0.0, Ttop = 0.0;              // bar, K
    // The line functions asked at this composition, and after TabledAfter of them, the pair at
    // this composition with tables of its lines (as a blend library has them).
    int LineCalls = 0;
    struct TTabled {
        TTabled(TMixture mix, double Tlow, double Thigh)
            : Mix(std::move(mix)), Lines(Mix, Tlow, Thigh) {}
        TMixture Mix;  // before Lines, which refers to it
        TMixtureLines Lines;
    };
    std::unique_ptr<TTabled> Tabled{};
};

// A sweep over T or p at one composition gets the lines' tables after this many calls there (a
// table costs a few hundred solver calls; a single call is cheaper by the solver).
constexpr int TabledAfter = 64;

using TFeed = std::array<double, 2>;

// One pair as a library: the mixture (its composition unused: every call passes its own) and
// its range.
class TPairLibrary {
  public:
    TPairLibrary(std::size_t index, const TPairLibraryData& data)
        : Index(index), Code(data.Code), Mix(MakeMixture({data.First, data.Second}, Half)) {
        Tmax = std::numeric_limits<double>::infinity();
        Pmax = std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i < Mix.Size(); ++i) {
            Tmax = std::min(Tmax, Mix.Component(i).Fluid->Tmax);
            Pmax = std::min(Pmax, Mix.Component(i).Fluid->Pmax);
            Pmin = std::max(Pmin, Mix.Component(i).Fluid->Pmin);
        }
    }

    const std::size_t Index;
    const std::string Code;
    const TMixture Mix;
    double Tmax = 0.0;  // °C, the lowest of the components' limits
    double Pmax = 0.0;  // bar
    double Pmin = 0.0;  // bar, the highest of the components' lowest pressures

    // ---- Saturation ----
    double PbubT(const char* fn, double T, double z, std::string& text, int32_t& code) const {
        return LinePressure(fn, TSaturationKind::Bubble, T, z, text, code);
    }
    double PdewT(const char* fn, double T, double z, std::string& text, int32_t& code) const {
        return LinePressure(fn, TSaturationKind::Dew, T, z, text, code);
    }
    double TbubP(const char* fn, double P, double z, std::string& text, int32_t& code) const {
        const double T = LineTemperature(fn, TSaturationKind::Bubble, P, z, text, code);
        return code ? 0.0 : T - Kelvin;
    }
    double TdewP(const char* fn, double P, double z, std::string& text, int32_t& code) const {
        const double T = LineTemperature(fn, TSaturationKind::Dew, P, z, text, code);
        return code ? 0.0 : T - Kelvin;
    }
    double TglideP(const char* fn, double P, double z, std::string& text, int32_t& code) const {
        const double b = LineTemperature(fn, TSaturationKind::Bubble, P, z, text, code);
        if (code) return 0.0;
        const double d = LineTemperature(fn, TSaturationKind::Dew, P, z, text, code);
        return code ? 0.0 : d - b;
    }
    double YbubT(const char* fn, double T, double z, std::string& text, int32_t& code) const {
        const TEquilibrium e = LineAtT(fn, TSaturationKind::Bubble, T, z, text, code);
        return code ? 0.0 : e.Y[0];
    }
    double YbubP(const char* fn, double P, double z, std::string& text, int32_t& code) const {
        const TEquilibrium e = LineAtP(fn, TSaturationKind::Bubble, P, z, text, code);
        return code ? 0.0 : e.Y[0];
    }
    double XdewT(const char* fn, double T, double z, std::string& text, int32_t& code) const {
        const TEquilibrium e = LineAtT(fn, TSaturationKind::Dew, T, z, text, code);
        return code ? 0.0 : e.X[0];
    }
    double XdewP(const char* fn, double P, double z, std::string& text, int32_t& code) const {
        const TEquilibrium e = LineAtP(fn, TSaturationKind::Dew, P, z, text, code);
        return code ? 0.0 : e.X[0];
    }

    // ---- Single phase at (p, T) ----
    double DPT(const char* fn, double P, double T, double z, std::string& text,
               int32_t& code) const {
        const double rho = PhaseDensity(fn, P, T, z, text, code);
        return code ? 0.0 : rho * Mix.MolarMass(Feed(z));
    }
    double HPT(const char* fn, double P, double T, double z, std::string& text,
               int32_t& code) const {
        const TMixtureState s = StateAt(fn, P, T, z, text, code);
        const TCompositionData* d = code ? nullptr : Reference(fn, z, text, code);
        return code ? 0.0 : PerMass(s.H, z) + d->DeltaH;
    }
    double SPT(const char* fn, double P, double T, double z, std::string& text,
               int32_t& code) const {
        const TMixtureState s = StateAt(fn, P, T, z, text, code);
        const TCompositionData* d = code ? nullptr : Reference(fn, z, text, code);
        return code ? 0.0 : PerMass(s.S, z) + d->DeltaS;
    }
    double CpPT(const char* fn, double P, double T, double z, std::string& text,
                int32_t& code) const {
        const TMixtureState s = StateAt(fn, P, T, z, text, code);
        return code ? 0.0 : PerMass(s.Cp, z);
    }
    double CvPT(const char* fn, double P, double T, double z, std::string& text,
                int32_t& code) const {
        const TMixtureState s = StateAt(fn, P, T, z, text, code);
        return code ? 0.0 : PerMass(s.Cv, z);
    }
    double WPT(const char* fn, double P, double T, double z, std::string& text,
               int32_t& code) const {
        const TMixtureState s = StateAt(fn, P, T, z, text, code);
        return code ? 0.0 : s.W;
    }
    double MM(const char* fn, double z, std::string& text, int32_t& code) const {
        if (!CompositionInRange(fn, z, text, code)) return 0.0;
        return Mix.MolarMass(Feed(z)) * 1000.0;
    }

  private:
    static constexpr double Half[2] = {0.5, 0.5};

    static TFeed Feed(double z) { return {z, 1.0 - z}; }
    double PerMass(double molar, double z) const { return molar / Mix.MolarMass(Feed(z)) / 1000.0; }

    void Fail(const char* fn, int32_t c, const char* why, std::string& text, int32_t& code) const {
        code = c;
        text = CutUtf8(KXErrorPrefix(Code, fn) + "; " + why, KXMaxTextLength);
    }
    // 0 < z < 1: the pure fluids (z = 0 or 1) have libraries of their own.
    bool CompositionInRange(const char* fn, double z, std::string& text, int32_t& code) const {
        if (std::isnan(z)) {
            Fail(fn, KXErrorCode::MoleFractionLow, "Mole Fraction is not a number.", text, code);
            return false;
        }
        const TKXRangeCheck checks[] = {
            {"<=", z, 0.0, "Mole Fraction", "-", KXErrorCode::MoleFractionLow},
            {">=", z, 1.0, "Mole Fraction", "-", KXErrorCode::MoleFractionHigh}};
        return KXPassesRangeChecks(Code, fn, checks, text, code);
    }
    bool TemperatureInRange(const char* fn, double T, std::string& text, int32_t& code) const {
        const TKXRangeCheck checks[] = {
            {"<", T, MixtureTminC, "Temperature", "°C", KXErrorCode::TemperatureLow},
            {">", T, Tmax, "Temperature", "°C", KXErrorCode::TemperatureHigh}};
        return KXPassesRangeChecks(Code, fn, checks, text, code);
    }

    // The data of composition z, kept per thread for the last few compositions asked of this
    // pair (a sweep over T or p at a few z computes each part once per z; no lock is taken).
    TCompositionData& Data(double z) const {
        static thread_local std::array<std::array<TCompositionData, 4>, MixturePairLibraryCount>
            kept;
        static thread_local std::array<std::size_t, MixturePairLibraryCount> next{};
        std::array<TCompositionData, 4>& set = kept[Index];
        for (TCompositionData& d : set)
            if (d.Z == z) return d;
        TCompositionData& d = set[next[Index]++ % set.size()];
        d = TCompositionData{.Z = z};
        return d;
    }
    // The lines' pressures at the lowest temperature, or nullptr with code 26.
    const TCompositionData* Bottoms(const char* fn, double z, std::string& text,
                                    int32_t& code) const {
        TCompositionData& d = Data(z);
        if (!d.HaveBottoms) {
            const TFeed x = Feed(z);
            const double Tmin = MixtureTminC + Kelvin;
            const TEquilibrium b = SaturationAtT(Mix, TSaturationKind::Bubble, Tmin, x);
            const TEquilibrium w = SaturationAtT(Mix, TSaturationKind::Dew, Tmin, x);
            d.BottomsOk = b.Ok() && w.Ok();
            d.PbubBottom = b.P / PascalPerBar;
            d.PdewBottom = w.P / PascalPerBar;
            d.HaveBottoms = true;
        }
        if (d.BottomsOk) return &d;
        Fail(fn, KXErrorCode::NoConvergence, "No convergence.", text, code);
        return nullptr;
    }
    // The offsets that put the saturated liquid at the bubble point at 0 °C of composition z at
    // h = 200 kJ/kg, s = 1 kJ/(kg K); nullptr with code 26 where that point is not found.
    const TCompositionData* Reference(const char* fn, double z, std::string& text,
                                      int32_t& code) const {
        TCompositionData& d = Data(z);
        if (!d.HaveReference) {
            const TFeed x = Feed(z);
            const TEquilibrium r = SaturationAtT(Mix, TSaturationKind::Bubble, Kelvin, x);
            d.ReferenceOk = r.Ok();
            if (r.Ok()) {
                const TMixtureState s = Mix.State(Kelvin, r.RhoLiquid, x);
                d.DeltaH = 200.0 - PerMass(s.H, z);
                d.DeltaS = 1.0 - PerMass(s.S, z);
            }
            d.HaveReference = true;
        }
        if (d.ReferenceOk) return &d;
        Fail(fn, KXErrorCode::NoConvergence, "No convergence.", text, code);
        return nullptr;
    }
    // The highest pressure and temperature at which the solver finds either line, tracing them
    // up from the lowest temperature (a few hundred equilibria: asked only next to or beyond the
    // critical region, where neither line is found at the state's pressure).
    const TCompositionData& Top(double z) const {
        TCompositionData& d = Data(z);
        if (!d.HaveTop) {
            const TFeed x = Feed(z);
            for (const TSaturationKind kind : {TSaturationKind::Bubble, TSaturationKind::Dew})
                for (double T = MixtureTminC + Kelvin; T < Tmax + Kelvin; T += 1.0) {
                    const TEquilibrium e = SaturationAtT(Mix, kind, T, x);
                    if (!e.Ok()) break;
                    d.Ptop = std::max(d.Ptop, e.P / PascalPerBar);
                    d.Ttop = std::max(d.Ttop, T);
                }
            d.HaveTop = true;
        }
        return d;
    }

    // The tables of the lines at composition z once TabledAfter line functions were asked there
    // on this thread (counting this one); nullptr before.
    const TMixtureLines* Tables(double z) const {
        TCompositionData& d = Data(z);
        if (!d.Tabled && ++d.LineCalls > TabledAfter) {
            const double x[] = {z, 1.0 - z};
            d.Tabled = std::make_unique<TCompositionData::TTabled>(
                MakeMixture({Mix.Component(0).Name, Mix.Component(1).Name}, x),
                MixtureTminC + Kelvin, Tmax + Kelvin);
        }
        return d.Tabled ? &d.Tabled->Lines : nullptr;
    }
    // Bubble or dew pressure (bar) at T (°C): the table where there is one and it reaches, else
    // the solver.
    double LinePressure(const char* fn, TSaturationKind kind, double T, double z, std::string& text,
                        int32_t& code) const {
        if (!CompositionInRange(fn, z, text, code)) return 0.0;
        if (!TemperatureInRange(fn, T, text, code)) return 0.0;
        if (const TMixtureLines* lines = Tables(z))
            if (const std::optional<double> p = lines->Line(kind).PressureAt(T + Kelvin))
                return *p / PascalPerBar;
        const TEquilibrium e = LineAtT(fn, kind, T, z, text, code);
        return code ? 0.0 : e.P / PascalPerBar;
    }
    // Bubble or dew temperature (K) at P (bar), the same way.
    double LineTemperature(const char* fn, TSaturationKind kind, double P, double z,
                           std::string& text, int32_t& code) const {
        if (!CompositionInRange(fn, z, text, code)) return 0.0;
        const TCompositionData* d = Bottoms(fn, z, text, code);
        if (!d) return 0.0;
        const double bottom = kind == TSaturationKind::Bubble ? d->PbubBottom : d->PdewBottom;
        const TKXRangeCheck checks[] = {
            {"<", P, bottom, "Pressure", "bar(a)", KXErrorCode::PressureLow},
            {">", P, Pmax, "Pressure", "bar(a)", KXErrorCode::PressureHigh}};
        if (!KXPassesRangeChecks(Code, fn, checks, text, code)) return 0.0;
        if (const TMixtureLines* lines = Tables(z))
            if (const std::optional<double> T = lines->Line(kind).TemperatureAt(P * PascalPerBar))
                return *T;
        const TEquilibrium e = LineAtP(fn, kind, P, z, text, code);
        return code ? 0.0 : e.T;
    }
    // Bubble or dew point at T (°C); a failure of the solver is code 26.
    TEquilibrium LineAtT(const char* fn, TSaturationKind kind, double T, double z,
                         std::string& text, int32_t& code) const {
        if (!CompositionInRange(fn, z, text, code)) return {};
        if (!TemperatureInRange(fn, T, text, code)) return {};
        const TEquilibrium e = SaturationAtT(Mix, kind, T + Kelvin, Feed(z));
        if (!e.Ok()) Fail(fn, ErrorCodeOf(e.Status), "No convergence.", text, code);
        return e;
    }
    // Bubble or dew point at P (bar), from the line's pressure at the lowest temperature to the
    // highest pressure of the components' equations.
    TEquilibrium LineAtP(const char* fn, TSaturationKind kind, double P, double z,
                         std::string& text, int32_t& code) const {
        if (!CompositionInRange(fn, z, text, code)) return {};
        const TCompositionData* d = Bottoms(fn, z, text, code);
        if (!d) return {};
        const double bottom = kind == TSaturationKind::Bubble ? d->PbubBottom : d->PdewBottom;
        const TKXRangeCheck checks[] = {
            {"<", P, bottom, "Pressure", "bar(a)", KXErrorCode::PressureLow},
            {">", P, Pmax, "Pressure", "bar(a)", KXErrorCode::PressureHigh}};
        if (!KXPassesRangeChecks(Code, fn, checks, text, code)) return {};
        const TEquilibrium e = SaturationAtP(Mix, kind, P * PascalPerBar, Feed(z));
        if (!e.Ok()) Fail(fn, ErrorCodeOf(e.Status), "No convergence.", text, code);
        return e;
    }

    // Molar density at (P bar, T °C) in the phase the bubble and dew temperatures at P decide,
    // as the blend libraries decide it: the liquid below the bubble temperature, the vapour above
    // the dew temperature, an error between them; where the solver finds neither line, one phase
    // only well beyond the lines it found, otherwise code 26.
    double PhaseDensity(const char* fn, double P, double T, double z, std::string& text,
                        int32_t& code) const {
        if (!CompositionInRange(fn, z, text, code)) return 0.0;
        if (!TemperatureInRange(fn, T, text, code)) return 0.0;
        const TKXRangeCheck checks[] = {
            {"<", P, Pmin, "Pressure", "bar(a)", KXErrorCode::PressureLow},
            {">", P, Pmax, "Pressure", "bar(a)", KXErrorCode::PressureHigh}};
        if (!KXPassesRangeChecks(Code, fn, checks, text, code)) return 0.0;
        const TCompositionData* data = Bottoms(fn, z, text, code);
        if (!data) return 0.0;
        const TFeed x = Feed(z);
        const double TK = T + Kelvin, p = P * PascalPerBar;
        const TPhaseDecision d = DecidePhase(Mix, TK, p, x, data->PbubBottom * PascalPerBar,
                                             data->PdewBottom * PascalPerBar);
        if (d.Verdict == TPhaseVerdict::TwoPhase) {
            Fail(fn, KXErrorCode::Failure, TwoPhaseStateText(d, MixtureTminC).c_str(), text, code);
            return 0.0;
        }
        if (d.Verdict == TPhaseVerdict::NoLines) {
            const TCompositionData& top = Top(z);
            if (P > BeyondLinesFactor * top.Ptop || TK > top.Ttop + BeyondLinesKelvin)
                return StableRoot(fn, TK, p, z, text, code);
            Fail(fn, KXErrorCode::NoConvergence,
                 "No convergence: the phase cannot be decided near the critical region.", text,
                 code);
            return 0.0;
        }
        const TMixturePhase phase =
            d.Verdict == TPhaseVerdict::Liquid ? TMixturePhase::Liquid : TMixturePhase::Vapour;
        const double rho = Mix.Density(TK, p, x, phase);
        if (!(rho > 0.0)) Fail(fn, KXErrorCode::NoConvergence, "No convergence.", text, code);
        return rho;
    }
    // Well beyond the traced lines the state is one phase: the root of lower Gibbs energy where
    // p(ρ) has two (no spurious vapour root).
    double StableRoot(const char* fn, double TK, double p, double z, std::string& text,
                      int32_t& code) const {
        const double rho = Mix.StableDensity(TK, p, Feed(z));
        if (!(rho > 0.0)) Fail(fn, KXErrorCode::NoConvergence, "No convergence.", text, code);
        return rho;
    }
    TMixtureState StateAt(const char* fn, double P, double T, double z, std::string& text,
                          int32_t& code) const {
        const double rho = PhaseDensity(fn, P, T, z, text, code);
        if (code) return {};
        return Mix.State(T + Kelvin, rho, Feed(z));
    }
};

const TPairLibrary& Library(std::size_t index) {
    static std::array<std::unique_ptr<TPairLibrary>, MixturePairLibraryCount> objects;
    static std::array<std::once_flag, MixturePairLibraryCount> flags;
    std::call_once(flags[index], [index] {
        objects[index] = std::make_unique<TPairLibrary>(index, Pairs[index]);
    });
    return *objects[index];
}

// The entry points: the library function contract around a method of the index-th pair.
template <std::size_t I>
const char* CodeAt() {
    return Pairs[I].Code;
}
template <std::size_t I>
const TPairLibrary& LibraryAt() {
    return Library(I);
}
template <std::size_t I, const char* Name, auto Method>
using TEntry = TKXMixtureEntry<&CodeAt<I>, &LibraryAt<I>, Name, Method>;

// The short names, as objects with linkage so that they can be template arguments.
#define KX_PAIR_NAME(NAME) constexpr char Name##NAME[] = #NAME;
KX_PAIR_NAME(PbubT)
KX_PAIR_NAME(PdewT)
KX_PAIR_NAME(TbubP)
KX_PAIR_NAME(TdewP)
KX_PAIR_NAME(TglideP)
KX_PAIR_NAME(YbubT)
KX_PAIR_NAME(YbubP)
KX_PAIR_NAME(XdewT)
KX_PAIR_NAME(XdewP)
KX_PAIR_NAME(DPT)
KX_PAIR_NAME(HPT)
KX_PAIR_NAME(SPT)
KX_PAIR_NAME(CpPT)
KX_PAIR_NAME(CvPT)
KX_PAIR_NAME(WPT)
KX_PAIR_NAME(MM)
#undef KX_PAIR_NAME

}  // namespace

// The entry points under their own names (the C interface exports each by name), in the order of
// KX_FUNCTIONS_MIXTURE_PAIR; each entry names its shape, as the short names are shared with
// functions of other arguments.
// clang-format off
#define KX_PAIR_ENTRY_POINT_1(LIB, I, NAME) \
    double LIB##_##NAME(double x1, char* t, int32_t c, int32_t* e) { \
        return TEntry<I, Name##NAME, &TPairLibrary::NAME>::Unary(x1, t, c, e); }
#define KX_PAIR_ENTRY_POINT_2(LIB, I, NAME) \
    double LIB##_##NAME(double x1, double x2, char* t, int32_t c, int32_t* e) { \
        return TEntry<I, Name##NAME, &TPairLibrary::NAME>::Binary(x1, x2, t, c, e); }
#define KX_PAIR_ENTRY_POINT_3(LIB, I, NAME) \
    double LIB##_##NAME(double x1, double x2, double x3, char* t, int32_t c, int32_t* e) { \
        return TEntry<I, Name##NAME, &TPairLibrary::NAME>::Ternary(x1, x2, x3, t, c, e); }
#define KX_PAIR_ENTRY_POINT_ROW(LIB, NAME, ARITY, ...) KX_PAIR_ENTRY_POINT_##ARITY(LIB, LIB##_Index, NAME)
#define KX_PAIR_ENTRY_1(LIB, NAME) TKXLibraryEntry{#NAME, TKXFunctionPtr{.Unary = &LIB##_##NAME}, FindMixturePairFunctionShape(#NAME)}
#define KX_PAIR_ENTRY_2(LIB, NAME) TKXLibraryEntry{#NAME, TKXFunctionPtr{.Binary = &LIB##_##NAME}, FindMixturePairFunctionShape(#NAME)}
#define KX_PAIR_ENTRY_3(LIB, NAME) TKXLibraryEntry{#NAME, TKXFunctionPtr{.Ternary = &LIB##_##NAME}, FindMixturePairFunctionShape(#NAME)}
#define KX_PAIR_ENTRY_ROW(LIB, NAME, ARITY, ...) KX_PAIR_ENTRY_##ARITY(LIB, NAME)
#define KX_PAIR_LIBRARY(LIB, I) \
    namespace { constexpr std::size_t LIB##_Index = I; } \
    KX_FUNCTIONS_MIXTURE_PAIR(KX_PAIR_ENTRY_POINT_ROW, LIB, KX_FUNCTION_SEP_NONE) \
    static std::span<const TKXLibraryEntry> LIB##_Entries() { \
        static const TKXLibraryEntry entries[] = { \
            KX_FUNCTIONS_MIXTURE_PAIR(KX_PAIR_ENTRY_ROW, LIB, KX_FUNCTION_SEP_COMMA)}; \
        return entries; \
    }
KX_PAIR_LIBRARY(KX_MIX_R32_R125, 0)
KX_PAIR_LIBRARY(KX_MIX_R32_R134a, 1)
KX_PAIR_LIBRARY(KX_MIX_R125_R134a, 2)
KX_PAIR_LIBRARY(KX_MIX_R125_R143a, 3)
KX_PAIR_LIBRARY(KX_MIX_R134a_R143a, 4)
KX_PAIR_LIBRARY(KX_MIX_R32_R1234yf, 5)
KX_PAIR_LIBRARY(KX_MIX_R32_R1234zeE, 6)
KX_PAIR_LIBRARY(KX_MIX_R125_R1234yf, 7)
KX_PAIR_LIBRARY(KX_MIX_R1234yf_R134a, 8)
KX_PAIR_LIBRARY(KX_MIX_R1234yf_R1234zeE, 9)
KX_PAIR_LIBRARY(KX_MIX_R134a_R1234zeE, 10)
KX_PAIR_LIBRARY(KX_MIX_R125_R1234zeE, 11)
// clang-format on
#undef KX_PAIR_LIBRARY
#undef KX_PAIR_ENTRY_ROW
#undef KX_PAIR_ENTRY_1
#undef KX_PAIR_ENTRY_2
#undef KX_PAIR_ENTRY_3
#undef KX_PAIR_ENTRY_POINT_ROW
#undef KX_PAIR_ENTRY_POINT_1
#undef KX_PAIR_ENTRY_POINT_2
#undef KX_PAIR_ENTRY_POINT_3

namespace {

constexpr std::span<const TKXLibraryEntry> (*Entries[MixturePairLibraryCount])() = {
    &KX_MIX_R32_R125_Entries,       &KX_MIX_R32_R134a_Entries,
    &KX_MIX_R125_R134a_Entries,     &KX_MIX_R125_R143a_Entries,
    &KX_MIX_R134a_R143a_Entries,    &KX_MIX_R32_R1234yf_Entries,
    &KX_MIX_R32_R1234zeE_Entries,   &KX_MIX_R125_R1234yf_Entries,
    &KX_MIX_R1234yf_R134a_Entries,  &KX_MIX_R1234yf_R1234zeE_Entries,
    &KX_MIX_R134a_R1234zeE_Entries, &KX_MIX_R125_R1234zeE_Entries};

}  // namespace

const char* MixturePairLibraryName(std::size_t index) {
    return Pairs[index].Code;
}

std::span<const TKXLibraryEntry> MixturePairLibraryEntries(std::size_t index) {
    return Entries[index]();
}

TKXLibraryInfo MixturePairLibraryInfo(std::size_t index) {
    const TPairLibraryData& data = Pairs[index];
    const TPairLibrary& library = Library(index);
    const std::string pair = std::string(data.First) + "/" + data.Second;

    TKXLibraryInfo info;
    info.Kind = TKXLibraryKind::Mixture;
    info.CompositionArgument = true;
    info.DisplayName = pair + " (binary mixture)";
    info.ChemicalName = pair;
    // No molar mass (it depends on the composition: MM(z)), critical or triple point.
    info.MinTemperature = MixtureTminC;
    info.MaxTemperature = library.Tmax;
    info.MaxPressure = library.Pmax;
    info.MaxTemperatureLowPressure = library.Tmax;
    info.LowPressureLimit = library.Pmax;
    info.ReferenceState =
        "h = 200 kJ/kg and s = 1 kJ/kgK for saturated liquid (bubble point) at 0 °C of each "
        "composition (IIR)";
    info.EquationOfState =
        "multi-fluid mixture model (reduced Helmholtz energy of the components plus binary "
        "departure functions, Kunz-Wagner reducing functions) with the components' equations of "
        "their libraries; pair parameters: " +
        std::string(data.Citation);
    info.HasTransport = false;
    info.FunctionNotes = PairFunctionNotes;
    // "MIX_R32_R1234yf" and "R32/R1234yf".
    info.Aliases = {std::string(data.Code + 3), info.ChemicalName};
    return info;
}
