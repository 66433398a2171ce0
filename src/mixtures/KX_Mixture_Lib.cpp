#include "KX_Mixture_Lib.h"

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
#include "KX_Mixture_Blends.h"
#include "KX_Mixture_Citations.h"
#include "KX_Mixture_Entry.h"
#include "KX_Mixture_Equilibrium.h"
#include "KX_Mixture_Flash.h"
#include "KX_Mixture_Lines.h"
#include "KX_Mixture_Phase.h"
#include "KX_Range_Checks.h"
#include "KX_Utils.h"

namespace {

using namespace KXMixtureCitations;

constexpr double Kelvin = 273.15;
constexpr double PascalPerBar = 1e5;
// The equilibrium solver reaches down to 200 K (as a user types it, -73.15 °C).
constexpr double MixtureTminC = -73.15;
// Where the bubble and dew solver finds no line, a state counts as one phase only this far beyond
// the highest pressure or temperature at which it found one (a margin for the last few kelvin
// below the critical point that it does not reach).
constexpr double BeyondLinesFactor = 1.1;
constexpr double BeyondLinesKelvin = 10.0;

// The highest temperature (K) of the components' equations: no line is traced beyond it.
double ComponentsTmax(const TMixture& mix) {
    double T = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < mix.Size(); ++i) T = std::min(T, mix.Component(i).Fluid->Tmax);
    return T + Kelvin;
}

struct TMixtureLibraryData {
    const char* Code;
    const char* Blend;
    const char* PairModels;  // citations of the pair parameters the blend uses
    const char* Remark;      // nullptr or a sentence for the equation-of-state row
};

const TMixtureLibraryData Libraries[MixtureLibraryCount] = {
    {"KX_R454B_MIX", "R-454B", "Bell2023",
     "The R32/R1234yf parameters of Bell (2023) give bubble pressures 0.8-1.0 % above an older "
     "manufacturer chart made with the superseded Akasaka (2013) parameters."},
    {"KX_R513A_MIX", "R-513A", "Bell2022", nullptr},
    {"KX_R410A_MIX", "R-410A", "LJ", nullptr},
    {"KX_R407C_MIX", "R-407C", "LJ", nullptr},
    {"KX_R404A_MIX", "R-404A", "LJ", nullptr},
    {"KX_R507A_MIX", "R-507A", "LJ", nullptr},
    {"KX_R448A_MIX", "R-448A", "LJ Bell2022 Bell2023 Bell2025", nullptr},
    {"KX_R449A_MIX", "R-449A", "LJ Bell2022 Bell2023", nullptr},
    {"KX_R452B_MIX", "R-452B", "LJ Bell2023", nullptr},
    {"KX_R454A_MIX", "R-454A", "Bell2023", nullptr},
    {"KX_R454C_MIX", "R-454C", "Bell2023", nullptr},
};

constexpr const char* MixtureFunctionNotes =
    "PsatT: bubble pressure; TsatP: bubble temperature; PbubT, PdewT: bubble and dew pressure; "
    "TbubP, TdewP: bubble and dew temperature; TglideP: dew minus bubble temperature (K); "
    "YbubT, YbubP: mole fraction of component i (the last argument, 1 for the first component "
    "of the composition) in the first vapour at the bubble point; XdewT, XdewP: the same in the "
    "first liquid at the dew point; DTX ... SPX: the two-phase state at a vapour fraction by "
    "mass, split into a liquid and a vapour of their own compositions in phase equilibrium (x = "
    "0: the bubble point, x = 1: the dew point); TPX, PTX: its temperature at (p, x) and its "
    "pressure at (T, x); XLPX, YVPX, XLTX, YVTX: the mole fraction of component i in its liquid "
    "and its vapour; DPT ... WPT: single phase only, liquid below the bubble and vapour above "
    "the dew temperature at p (between them an error); TPH ... DPS: flashes from (p, h) and (p, "
    "s), "
    "a liquid below the bubble point's value, a vapour above the dew point's, a two-phase state "
    "split into phases between them (XPH, XPS: 0 for a liquid, 1 for a vapour); XPT: the vapour "
    "fraction of the (p, T) state, 0 at and below the bubble and 1 at and above the dew "
    "temperature, between them the split of the (p, T) flash; no critical or "
    "triple point or transport";

// One blend as a library: the mixture, its range, and what is computed once for it.
class TMixtureLibrary {
  public:
    explicit TMixtureLibrary(const TMixtureLibraryData& data)
        : Code(data.Code),
          Mix(MakeBlend(data.Blend)),
          Lines(Mix, MixtureTminC + Kelvin, ComponentsTmax(Mix)) {
        const std::span<const double> z = Mix.Composition();
        MolarMass = Mix.MolarMass(z);  // kg/mol
        Tmax = std::numeric_limits<double>::infinity();
        Pmax = std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i < Mix.Size(); ++i) {
            Tmax = std::min(Tmax, Mix.Component(i).Fluid->Tmax);
            Pmax = std::min(Pmax, Mix.Component(i).Fluid->Pmax);
            Pmin = std::max(Pmin, Mix.Component(i).Fluid->Pmin);
        }
    }

    const std::string Code;
    const TMixture Mix;
    double MolarMass = 0.0;  // kg/mol
    double Tmax = 0.0;       // °C, the lowest of the components' limits
    double Pmax = 0.0;       // bar
    double Pmin = 0.0;       // bar, the highest of the components' lowest pressures
    // The bubble and dew lines as tables (KX_Mixture_Lines.h), built at their first use; the
    // solver answers above their tops.
    const TMixtureLines Lines;

    // ---- Saturation ----
    double PbubT(const char* fn, double T, std::string& text, int32_t& code) const {
        return LinePressure(fn, TSaturationKind::Bubble, T, text, code);
    }
    double PdewT(const char* fn, double T, std::string& text, int32_t& code) const {
        return LinePressure(fn, TSaturationKind::Dew, T, text, code);
    }
    double TbubP(const char* fn, double P, std::string& text, int32_t& code) const {
        const double T = LineTemperature(fn, TSaturationKind::Bubble, P, text, code);
        return code ? 0.0 : T - Kelvin;
    }
    double TdewP(const char* fn, double P, std::string& text, int32_t& code) const {
        const double T = LineTemperature(fn, TSaturationKind::Dew, P, text, code);
        return code ? 0.0 : T - Kelvin;
    }
    double TglideP(const char* fn, double P, std::string& text, int32_t& code) const {
        const double b = LineTemperature(fn, TSaturationKind::Bubble, P, text, code);
        if (code) return 0.0;
        const double d = LineTemperature(fn, TSaturationKind::Dew, P, text, code);
        return code ? 0.0 : d - b;
    }
    double YbubT(const char* fn, double T, double i, std::string& text, int32_t& code) const {
        return IncipientAtT(fn, TSaturationKind::Bubble, T, i, text, code);
    }
    double XdewT(const char* fn, double T, double i, std::string& text, int32_t& code) const {
        return IncipientAtT(fn, TSaturationKind::Dew, T, i, text, code);
    }
    double YbubP(const char* fn, double P, double i, std::string& text, int32_t& code) const {
        return IncipientAtP(fn, TSaturationKind::Bubble, P, i, text, code);
    }
    double XdewP(const char* fn, double P, double i, std::string& text, int32_t& code) const {
        return IncipientAtP(fn, TSaturationKind::Dew, P, i, text, code);
    }

    // ---- Two-phase states at a vapour fraction (by mass), split into phases ----
    double TPX(const char* fn, double P, double X, std::string& text, int32_t& code) const {
        const TTwoPhaseState s = TwoPhase(fn, true, P, X, text, code);
        if (code) return 0.0;
        // The ends are the lines, to the digit as TbubP and TdewP give them.
        if (X == 0.0) return TbubP(fn, P, text, code);
        if (X == 1.0) return TdewP(fn, P, text, code);
        return s.T - Kelvin;
    }
    double PTX(const char* fn, double T, double X, std::string& text, int32_t& code) const {
        const TTwoPhaseState s = TwoPhase(fn, false, T, X, text, code);
        if (code) return 0.0;
        if (X == 0.0) return PbubT(fn, T, text, code);
        if (X == 1.0) return PdewT(fn, T, text, code);
        return s.P / PascalPerBar;
    }
    double DPX(const char* fn, double P, double X, std::string& text, int32_t& code) const {
        return TwoPhaseDensity(TwoPhase(fn, true, P, X, text, code), code);
    }
    double DTX(const char* fn, double T, double X, std::string& text, int32_t& code) const {
        return TwoPhaseDensity(TwoPhase(fn, false, T, X, text, code), code);
    }
    double VPX(const char* fn, double P, double X, std::string& text, int32_t& code) const {
        const double d = DPX(fn, P, X, text, code);
        return code ? 0.0 : 1.0 / d;
    }
    double VTX(const char* fn, double T, double X, std::string& text, int32_t& code) const {
        const double d = DTX(fn, T, X, text, code);
        return code ? 0.0 : 1.0 / d;
    }
    double HPX(const char* fn, double P, double X, std::string& text, int32_t& code) const {
        return TwoPhaseCaloric(TwoPhase(fn, true, P, X, text, code), true, code);
    }
    double HTX(const char* fn, double T, double X, std::string& text, int32_t& code) const {
        return TwoPhaseCaloric(TwoPhase(fn, false, T, X, text, code), true, code);
    }
    double SPX(const char* fn, double P, double X, std::string& text, int32_t& code) const {
        return TwoPhaseCaloric(TwoPhase(fn, true, P, X, text, code), false, code);
    }
    double STX(const char* fn, double T, double X, std::string& text, int32_t& code) const {
        return TwoPhaseCaloric(TwoPhase(fn, false, T, X, text, code), false, code);
    }
    double XLPX(const char* fn, double P, double X, double i, std::string& text,
                int32_t& code) const {
        return PhaseFraction(fn, true, P, X, i, false, text, code);
    }
    double YVPX(const char* fn, double P, double X, double i, std::string& text,
                int32_t& code) const {
        return PhaseFraction(fn, true, P, X, i, true, text, code);
    }
    double XLTX(const char* fn, double T, double X, double i, std::string& text,
                int32_t& code) const {
        return PhaseFraction(fn, false, T, X, i, false, text, code);
    }
    double YVTX(const char* fn, double T, double X, double i, std::string& text,
                int32_t& code) const {
        return PhaseFraction(fn, false, T, X, i, true, text, code);
    }

    // ---- Single phase at (p, T) ----
    double DPT(const char* fn, double P, double T, std::string& text, int32_t& code) const {
        const double rho = PhaseDensity(fn, P, T, text, code);
        return code ? 0.0 : rho * MolarMass;
    }
    double VPT(const char* fn, double P, double T, std::string& text, int32_t& code) const {
        const double rho = PhaseDensity(fn, P, T, text, code);
        return code ? 0.0 : 1.0 / (rho * MolarMass);
    }
    double HPT(const char* fn, double P, double T, std::string& text, int32_t& code) const {
        const TMixtureState s = StateAt(fn, P, T, text, code);
        return code ? 0.0 : PerMass(s.H) + Reference().DeltaH;
    }
    double SPT(const char* fn, double P, double T, std::string& text, int32_t& code) const {
        const TMixtureState s = StateAt(fn, P, T, text, code);
        return code ? 0.0 : PerMass(s.S) + Reference().DeltaS;
    }
    double CpPT(const char* fn, double P, double T, std::string& text, int32_t& code) const {
        const TMixtureState s = StateAt(fn, P, T, text, code);
        return code ? 0.0 : PerMass(s.Cp);
    }
    double CvPT(const char* fn, double P, double T, std::string& text, int32_t& code) const {
        const TMixtureState s = StateAt(fn, P, T, text, code);
        return code ? 0.0 : PerMass(s.Cv);
    }
    double WPT(const char* fn, double P, double T, std::string& text, int32_t& code) const {
        const TMixtureState s = StateAt(fn, P, T, text, code);
        return code ? 0.0 : s.W;
    }
    double MM(const char*, std::string&, int32_t&) const { return MolarMass * 1000.0; }

    // ---- The vapour fraction (by mass) of the feed at (p, T) ----
    // 0 at and below the bubble temperature at P, 1 at and above the dew temperature, between
    // them the split of the (p, T) flash; above the lines 0 or 1 as the flashes answer.
    double XPT(const char* fn, double P, double T, std::string& text, int32_t& code) const {
        if (!TemperatureInRange(fn, T, text, code)) return 0.0;
        if (!PressureInRange(fn, P, text, code)) return 0.0;
        const TOnce& once = Reference();
        if (!once.Ok) {
            Fail(fn, KXErrorCode::NoConvergence, "No convergence.", text, code);
            return 0.0;
        }
        const double TK = T + Kelvin, p = P * PascalPerBar;
        if (P < once.PdewBottom) return 1.0;
        const TEquilibrium d = SaturationAtP(Mix, TSaturationKind::Dew, p);
        if (!d.Ok()) {
            if (P > BeyondLinesFactor * once.Ptop) return TK < once.Ttop ? 0.0 : 1.0;
            // Near the critical pressure: a liquid below a bubble point that is found, a vapour
            // well above the lines' temperatures (as the (p, T) functions decide).
            if (TK > once.Ttop + BeyondLinesKelvin) return 1.0;
            const TPhaseDecision at =
                DecidePhase(Mix, TK, p, Mix.Composition(), once.PbubBottom * PascalPerBar,
                            once.PdewBottom * PascalPerBar);
            if (at.Verdict == TPhaseVerdict::Liquid) return 0.0;
            if (at.Verdict == TPhaseVerdict::Vapour) return 1.0;
            // No line here: a split that the stability test finds and the flash converges.
            const TTwoPhaseState split = SplitBeyondLines(TK, p);
            if (split.Ok()) return split.Quality;
            Fail(fn, KXErrorCode::NoConvergence,
                 "No convergence: the phase cannot be decided near the critical region.", text,
                 code);
            return 0.0;
        }
        if (TK >= d.T) return 1.0;
        if (P < once.PbubBottom) {
            char why[160];
            std::snprintf(why, sizeof why,
                          "Two-phase state whose bubble point lies below %.2f °C: below %.4f "
                          "bar(a) only the vapour is in the range.",
                          MixtureTminC, once.PbubBottom);
            Fail(fn, KXErrorCode::PressureLow, why, text, code);
            return 0.0;
        }
        const TEquilibrium b = SaturationAtP(Mix, TSaturationKind::Bubble, p);
        if (!b.Ok()) {
            Fail(fn, ErrorCodeOf(b.Status), "No convergence.", text, code);
            return 0.0;
        }
        if (TK <= b.T) return 0.0;
        const TTwoPhaseState s = TwoPhaseAtTP(Mix, TK, p, b, d);
        if (!s.Ok()) {
            Fail(fn, ErrorCodeOf(s.Status), "No convergence.", text, code);
            return 0.0;
        }
        return s.Quality;
    }

    // ---- Flashes from (p, h) and (p, s), through the two-phase region ----
    double TPH(const char* fn, double P, double h, std::string& text, int32_t& code) const {
        return FlashOutput(fn, P, h, true, 'T', text, code);
    }
    double XPH(const char* fn, double P, double h, std::string& text, int32_t& code) const {
        return FlashOutput(fn, P, h, true, 'x', text, code);
    }
    double SPH(const char* fn, double P, double h, std::string& text, int32_t& code) const {
        return FlashOutput(fn, P, h, true, 's', text, code);
    }
    double VPH(const char* fn, double P, double h, std::string& text, int32_t& code) const {
        return FlashOutput(fn, P, h, true, 'v', text, code);
    }
    double DPH(const char* fn, double P, double h, std::string& text, int32_t& code) const {
        return FlashOutput(fn, P, h, true, 'd', text, code);
    }
    double TPS(const char* fn, double P, double s, std::string& text, int32_t& code) const {
        return FlashOutput(fn, P, s, false, 'T', text, code);
    }
    double XPS(const char* fn, double P, double s, std::string& text, int32_t& code) const {
        return FlashOutput(fn, P, s, false, 'x', text, code);
    }
    double HPS(const char* fn, double P, double s, std::string& text, int32_t& code) const {
        return FlashOutput(fn, P, s, false, 'h', text, code);
    }
    double VPS(const char* fn, double P, double s, std::string& text, int32_t& code) const {
        return FlashOutput(fn, P, s, false, 'v', text, code);
    }
    double DPS(const char* fn, double P, double s, std::string& text, int32_t& code) const {
        return FlashOutput(fn, P, s, false, 'd', text, code);
    }

  private:
    // What is computed once, at the first call that needs it: the ends of the lines at the
    // lowest temperature, and the reference-state offsets.
    struct TOnce {
        double PbubBottom = 0.0, PdewBottom = 0.0;  // bar
        double DeltaH = 0.0, DeltaS = 0.0;          // kJ/kg, kJ/(kg K)
        // The highest pressure (bar) and temperature (K) at which the solver found either
        // line, tracing them up from the lowest temperature.
        double Ptop = 0.0, Ttop = 0.0;
        bool Ok = false;
    };
    const TOnce& Reference() const {
        std::call_once(OnceFlag, [this] {
            const double Tmin = MixtureTminC + Kelvin;
            const TEquilibrium b = SaturationAtT(Mix, TSaturationKind::Bubble, Tmin);
            const TEquilibrium d = SaturationAtT(Mix, TSaturationKind::Dew, Tmin);
            const TEquilibrium r = SaturationAtT(Mix, TSaturationKind::Bubble, Kelvin);
            if (!b.Ok() || !d.Ok() || !r.Ok()) return;
            Once.PbubBottom = b.P / PascalPerBar;
            Once.PdewBottom = d.P / PascalPerBar;
            const TMixtureState s = Mix.State(Kelvin, r.RhoLiquid, Mix.Composition());
            Once.DeltaH = 200.0 - PerMass(s.H);
            Once.DeltaS = 1.0 - PerMass(s.S);
            for (const TSaturationKind kind : {TSaturationKind::Bubble, TSaturationKind::Dew})
                for (double T = Tmin; T < Tmax + Kelvin; T += 1.0) {
                    const TEquilibrium e = SaturationAtT(Mix, kind, T);
                    if (!e.Ok()) break;
                    Once.Ptop = std::max(Once.Ptop, e.P / PascalPerBar);
                    Once.Ttop = std::max(Once.Ttop, T);
                }
            Once.Ok = true;
        });
        return Once;
    }
    double PerMass(double molar) const { return molar / MolarMass / 1000.0; }

    void Fail(const char* fn, int32_t c, const char* why, std::string& text, int32_t& code) const {
        code = c;
        text = CutUtf8(KXErrorPrefix(Code, fn) + "; " + why, KXMaxTextLength);
    }
    // P (bar) within the components' equations' pressures.
    bool PressureInRange(const char* fn, double P, std::string& text, int32_t& code) const {
        const TKXRangeCheck checks[] = {
            {"<", P, Pmin, "Pressure", "bar(a)", KXErrorCode::PressureLow},
            {">", P, Pmax, "Pressure", "bar(a)", KXErrorCode::PressureHigh}};
        return KXPassesRangeChecks(Code, fn, checks, text, code);
    }
    bool TemperatureInRange(const char* fn, double T, std::string& text, int32_t& code) const {
        const TKXRangeCheck checks[] = {
            {"<", T, MixtureTminC, "Temperature", "°C", KXErrorCode::TemperatureLow},
            {">", T, Tmax, "Temperature", "°C", KXErrorCode::TemperatureHigh}};
        return KXPassesRangeChecks(Code, fn, checks, text, code);
    }
    // Bubble or dew point at T (°C); a failure of the solver is code 26.
    TEquilibrium LineAtT(const char* fn, TSaturationKind kind, double T, std::string& text,
                         int32_t& code) const {
        if (!TemperatureInRange(fn, T, text, code)) return {};
        const TEquilibrium e = SaturationAtT(Mix, kind, T + Kelvin);
        if (!e.Ok()) Fail(fn, ErrorCodeOf(e.Status), "No convergence.", text, code);
        return e;
    }
    // Bubble or dew pressure (bar) at T (°C): the line's table where it reaches, else the solver.
    double LinePressure(const char* fn, TSaturationKind kind, double T, std::string& text,
                        int32_t& code) const {
        if (!TemperatureInRange(fn, T, text, code)) return 0.0;
        if (const std::optional<double> p = Lines.Line(kind).PressureAt(T + Kelvin))
            return *p / PascalPerBar;
        const TEquilibrium e = LineAtT(fn, kind, T, text, code);
        return code ? 0.0 : e.P / PascalPerBar;
    }
    // Whether P (bar) lies from the line's pressure at the lowest temperature to the highest
    // pressure of the components' equations.
    bool LinePressureInRange(const char* fn, TSaturationKind kind, double P, std::string& text,
                             int32_t& code) const {
        const TOnce& once = Reference();
        if (!once.Ok) {
            Fail(fn, KXErrorCode::NoConvergence, "No convergence.", text, code);
            return false;
        }
        const double bottom = kind == TSaturationKind::Bubble ? once.PbubBottom : once.PdewBottom;
        const TKXRangeCheck checks[] = {
            {"<", P, bottom, "Pressure", "bar(a)", KXErrorCode::PressureLow},
            {">", P, Pmax, "Pressure", "bar(a)", KXErrorCode::PressureHigh}};
        return KXPassesRangeChecks(Code, fn, checks, text, code);
    }
    // Bubble or dew point at P (bar) by the solver.
    TEquilibrium LineAtP(const char* fn, TSaturationKind kind, double P, std::string& text,
                         int32_t& code) const {
        if (!LinePressureInRange(fn, kind, P, text, code)) return {};
        const TEquilibrium e = SaturationAtP(Mix, kind, P * PascalPerBar);
        if (!e.Ok()) Fail(fn, ErrorCodeOf(e.Status), "No convergence.", text, code);
        return e;
    }
    // Bubble or dew temperature (K) at P (bar): the line's table where it reaches, else the
    // solver.
    double LineTemperature(const char* fn, TSaturationKind kind, double P, std::string& text,
                           int32_t& code) const {
        if (!LinePressureInRange(fn, kind, P, text, code)) return 0.0;
        if (const std::optional<double> T = Lines.Line(kind).TemperatureAt(P * PascalPerBar))
            return *T;
        const TEquilibrium e = LineAtP(fn, kind, P, text, code);
        return code ? 0.0 : e.T;
    }
    // The 1-based component index i as a position, or false with code 1.
    bool ComponentIndex(const char* fn, double i, std::size_t& index, std::string& text,
                        int32_t& code) const {
        if (!(i >= 1.0 && i <= static_cast<double>(Mix.Size()) && i == std::floor(i))) {
            char why[96];
            std::snprintf(why, sizeof why, "Component must be a whole number from 1 to %zu.",
                          Mix.Size());
            Fail(fn, KXErrorCode::Failure, why, text, code);
            return false;
        }
        index = static_cast<std::size_t>(i) - 1;
        return true;
    }
    double Incipient(const TEquilibrium& e, TSaturationKind kind, std::size_t i) const {
        return kind == TSaturationKind::Bubble ? e.Y[i] : e.X[i];
    }
    double IncipientAtT(const char* fn, TSaturationKind kind, double T, double i, std::string& text,
                        int32_t& code) const {
        std::size_t index = 0;
        if (!ComponentIndex(fn, i, index, text, code)) return 0.0;
        const TEquilibrium e = LineAtT(fn, kind, T, text, code);
        return code ? 0.0 : Incipient(e, kind, index);
    }
    double IncipientAtP(const char* fn, TSaturationKind kind, double P, double i, std::string& text,
                        int32_t& code) const {
        std::size_t index = 0;
        if (!ComponentIndex(fn, i, index, text, code)) return 0.0;
        const TEquilibrium e = LineAtP(fn, kind, P, text, code);
        return code ? 0.0 : Incipient(e, kind, index);
    }

    // The two-phase state at P (bar; atP) or T (°C) with vapour fraction X: both ends of the
    // two-phase range inside the range (at P from the bubble pressure at the lowest
    // temperature), X from 0 to 1; a split that does not converge is code 26.
    TTwoPhaseState TwoPhase(const char* fn, bool atP, double v, double X, std::string& text,
                            int32_t& code) const {
        if (atP) {
            const TOnce& once = Reference();
            if (!once.Ok) {
                Fail(fn, KXErrorCode::NoConvergence, "No convergence.", text, code);
                return {};
            }
            const TKXRangeCheck checks[] = {
                {"<", v, once.PbubBottom, "Pressure", "bar(a)", KXErrorCode::PressureLow},
                {">", v, Pmax, "Pressure", "bar(a)", KXErrorCode::PressureHigh}};
            if (!KXPassesRangeChecks(Code, fn, checks, text, code)) return {};
        } else if (!TemperatureInRange(fn, v, text, code)) {
            return {};
        }
        const TKXRangeCheck fraction[] = {
            {"<", X, 0.0, "Vapour Fraction", "-", KXErrorCode::VapourFractionLow},
            {">", X, 1.0, "Vapour Fraction", "-", KXErrorCode::VapourFractionHigh}};
        if (!KXPassesRangeChecks(Code, fn, fraction, text, code)) return {};
        // The same state asked again on this thread (HTX, STX and PTX of one point, as a chart
        // or a state table asks them) is the last one computed: the arguments decide it.
        struct TLast {
            const TMixtureLibrary* Library = nullptr;
            bool AtP = false;
            double V = 0.0, X = 0.0;
            TTwoPhaseState State;
        };
        static thread_local TLast last;
        if (last.Library == this && last.AtP == atP && last.V == v && last.X == X)
            return last.State;
        const TTwoPhaseState s =
            atP ? TwoPhaseAtP(Mix, v * PascalPerBar, X) : TwoPhaseAtT(Mix, v + Kelvin, X);
        // Not a state computed under a raised fault flag: the entry guard must see that fault
        // again when it runs the function a second time.
        if (s.Ok() && !kxfp::Raised()) last = {this, atP, v, X, s};
        if (!s.Ok()) Fail(fn, ErrorCodeOf(s.Status), "No convergence.", text, code);
        return s;
    }
    // kg/m3 of the two phases together: the feed's mass over both phases' volume.
    double TwoPhaseDensity(const TTwoPhaseState& s, int32_t code) const {
        if (code) return 0.0;
        return MolarMass / ((1.0 - s.Beta) / s.RhoLiquid + s.Beta / s.RhoVapour);
    }
    // h (kJ/kg) or s (kJ/(kg K)) of the two phases together, per kg of the feed.
    double TwoPhaseCaloric(const TTwoPhaseState& s, bool enthalpy, int32_t code) const {
        if (code) return 0.0;
        const std::size_t n = Mix.Size();
        const TMixtureState l = Mix.State(s.T, s.RhoLiquid, {s.X.data(), n});
        const TMixtureState v = Mix.State(s.T, s.RhoVapour, {s.Y.data(), n});
        const double molar =
            enthalpy ? (1.0 - s.Beta) * l.H + s.Beta * v.H : (1.0 - s.Beta) * l.S + s.Beta * v.S;
        return PerMass(molar) + (enthalpy ? Reference().DeltaH : Reference().DeltaS);
    }
    double PhaseFraction(const char* fn, bool atP, double v, double X, double i, bool vapour,
                         std::string& text, int32_t& code) const {
        std::size_t index = 0;
        if (!ComponentIndex(fn, i, index, text, code)) return 0.0;
        const TTwoPhaseState s = TwoPhase(fn, atP, v, X, text, code);
        if (code) return 0.0;
        return vapour ? s.Y[index] : s.X[index];
    }

    // Molar density at (P bar, T °C) in the phase the bubble and dew temperatures at P decide:
    // the liquid below the bubble temperature, the vapour above the dew temperature, an error
    // between them. Where the solver finds neither line (the critical region and above), the
    // phase is not decided and the answer is code 26, never a guessed root.
    double PhaseDensity(const char* fn, double P, double T, std::string& text,
                        int32_t& code) const {
        if (!TemperatureInRange(fn, T, text, code)) return 0.0;
        if (!PressureInRange(fn, P, text, code)) return 0.0;
        const TOnce& once = Reference();
        if (!once.Ok) {
            Fail(fn, KXErrorCode::NoConvergence, "No convergence.", text, code);
            return 0.0;
        }
        const double TK = T + Kelvin, p = P * PascalPerBar;
        const TPhaseDecision d =
            DecidePhase(Mix, TK, p, Mix.Composition(), once.PbubBottom * PascalPerBar,
                        once.PdewBottom * PascalPerBar);
        if (d.Verdict == TPhaseVerdict::TwoPhase) {
            Fail(fn, KXErrorCode::Failure, TwoPhaseStateText(d, MixtureTminC).c_str(), text, code);
            return 0.0;
        }
        if (d.Verdict == TPhaseVerdict::NoLines) {
            if (P > BeyondLinesFactor * once.Ptop || TK > once.Ttop + BeyondLinesKelvin)
                return StableRoot(fn, TK, p, text, code);
            const TTwoPhaseState split = SplitBeyondLines(TK, p);
            if (split.Ok()) {
                char why[160];
                std::snprintf(why, sizeof why,
                              "Two-phase state: the feed splits into a liquid and a vapour at "
                              "this pressure and temperature (vapour fraction %.4f).",
                              split.Quality);
                Fail(fn, KXErrorCode::Failure, why, text, code);
                return 0.0;
            }
            Fail(fn, KXErrorCode::NoConvergence,
                 "No convergence: the phase cannot be decided near the critical region.", text,
                 code);
            return 0.0;
        }
        const TMixturePhase phase =
            d.Verdict == TPhaseVerdict::Liquid ? TMixturePhase::Liquid : TMixturePhase::Vapour;
        const double rho = Mix.Density(TK, p, Mix.Composition(), phase);
        if (!(rho > 0.0)) Fail(fn, KXErrorCode::NoConvergence, "No convergence.", text, code);
        return rho;
    }
    // Well above the highest pressure or temperature of the traced lines the state is one phase
    // whatever the lines' unreached ends (within a few kelvin of the critical point) do: the root
    // of lower Gibbs energy where p(ρ) has two.
    double StableRoot(const char* fn, double TK, double p, std::string& text, int32_t& code) const {
        const double rho = StableDensity(TK, p);
        if (!(rho > 0.0)) Fail(fn, KXErrorCode::NoConvergence, "No convergence.", text, code);
        return rho;
    }
    // Where no line decides the phase (next to the critical point): a split into two phases that
    // the stability test finds and the (p, T) flash converges from its trial phase; otherwise not
    // Converged (the phase stays undecided: a stable verdict there is not trusted).
    TTwoPhaseState SplitBeyondLines(double TK, double p) const {
        const TStabilityResult st = StabilityAtTP(Mix, TK, p, Mix.Composition());
        if (st.Verdict != TStability::Unstable) return {};
        TTwoPhaseState s = TwoPhaseAtTPFrom(Mix, TK, p, st.K);
        if (s.Ok() && !(s.Beta > 0.0 && s.Beta < 1.0))
            s.Status = TEquilibriumStatus::TrivialSolution;
        return s;
    }
    double StableDensity(double TK, double p) const {
        return Mix.StableDensity(TK, p, Mix.Composition());
    }
    TMixtureState StateAt(const char* fn, double P, double T, std::string& text,
                          int32_t& code) const {
        const double rho = PhaseDensity(fn, P, T, text, code);
        if (code) return {};
        return Mix.State(T + Kelvin, rho, Mix.Composition());
    }

    // The state of a (p, h) or (p, s) flash: temperature (K), vapour fraction by mass (0 for a
    // liquid, 1 for a vapour or a state above the lines, as the pure fluids answer), the molar
    // density of both phases together, and molar h and s.
    struct TFlashState {
        double T = 0.0, Quality = 0.0, Rho = 0.0, H = 0.0, S = 0.0;
    };
    // Flash at P (bar) and h (kJ/kg; enthalpy false: s in kJ/(kg K)). The bubble and dew points
    // at P split the range: below the bubble point's value a liquid, above the dew point's a
    // vapour, between them a two-phase state split into phases in equilibrium. Where neither
    // line is found the state is one phase only well above the lines (as for (p, T)); near the
    // critical region the answer is code 26.
    TFlashState Flash(const char* fn, double P, double value, bool enthalpy, std::string& text,
                      int32_t& code) const {
        // The state of the last successful flash on this thread, for the same arguments (TPH,
        // XPH, SPH, DPH of one point).
        struct TLast {
            const TMixtureLibrary* Library = nullptr;
            bool Enthalpy = false;
            double P = 0.0, Value = 0.0;
            TFlashState State;
        };
        static thread_local TLast last;
        if (last.Library == this && last.Enthalpy == enthalpy && last.P == P && last.Value == value)
            return last.State;
        const TFlashState f = FlashOnce(fn, P, value, enthalpy, text, code);
        if (code == 0 && !kxfp::Raised()) last = {this, enthalpy, P, value, f};
        return f;
    }
    TFlashState FlashOnce(const char* fn, double P, double value, bool enthalpy, std::string& text,
                          int32_t& code) const {
        if (!PressureInRange(fn, P, text, code)) return {};
        if (!std::isfinite(value)) {
            Fail(fn, enthalpy ? KXErrorCode::EnthalpyLow : KXErrorCode::EntropyLow,
                 enthalpy ? "Enthalpy is not a finite number." : "Entropy is not a finite number.",
                 text, code);
            return {};
        }
        const TOnce& once = Reference();
        if (!once.Ok) {
            Fail(fn, KXErrorCode::NoConvergence, "No convergence.", text, code);
            return {};
        }
        const double p = P * PascalPerBar;
        const double target =
            (value - (enthalpy ? once.DeltaH : once.DeltaS)) * MolarMass * 1000.0;  // per mole
        const double Tmin = MixtureTminC + Kelvin, Tlimit = Tmax + Kelvin;
        // Below the dew pressure at the lowest temperature the whole range is vapour.
        if (P < once.PdewBottom)
            return OnePhase(fn, p, target, enthalpy, TRoot::Vapour, Tmin, Tlimit, text, code);
        const TEquilibrium d = SaturationAtP(Mix, TSaturationKind::Dew, p);
        if (!d.Ok()) {
            if (P > BeyondLinesFactor * once.Ptop)
                return OnePhase(fn, p, target, enthalpy, TRoot::Stable, Tmin, Tlimit, text, code);
            // Near the critical pressure, where the dew point is not found: a liquid below a
            // bubble point that is, or a state well above the lines' temperatures (as the (p, T)
            // functions decide); between them the phase is not decided.
            const std::span<const double> z = Mix.Composition();
            const TEquilibrium b = SaturationAtP(Mix, TSaturationKind::Bubble, p);
            if (b.Ok()) {
                const TMixtureState bubble = Mix.State(b.T, b.RhoLiquid, z);
                if (target <= Caloric(bubble, enthalpy))
                    return OnePhase(fn, p, target, enthalpy, TRoot::Liquid, Tmin, b.T, text, code,
                                    nullptr, &bubble);
            } else {
                // Above the bubble line's pressure maximum: a liquid wherever it is one up to
                // 10 K below the lines' top (the bubble pressure rises with temperature there).
                const double Tcap = once.Ttop - BeyondLinesKelvin;
                const TPhaseDecision at =
                    DecidePhase(Mix, Tcap, p, z, once.PbubBottom * PascalPerBar,
                                once.PdewBottom * PascalPerBar);
                const double rho = Mix.Density(Tcap, p, z, TMixturePhase::Liquid);
                if (at.Verdict == TPhaseVerdict::Liquid && rho > 0.0) {
                    const TMixtureState cap = Mix.State(Tcap, rho, z);
                    if (target <= Caloric(cap, enthalpy))
                        return OnePhase(fn, p, target, enthalpy, TRoot::Liquid, Tmin, Tcap, text,
                                        code, nullptr, &cap);
                }
            }
            const double Thot = once.Ttop + BeyondLinesKelvin;
            const double rho = StableDensity(Thot, p);
            if (rho > 0.0 && Thot < Tlimit) {
                const TMixtureState hot = Mix.State(Thot, rho, z);
                if (target >= Caloric(hot, enthalpy))
                    return OnePhase(fn, p, target, enthalpy, TRoot::Stable, Thot, Tlimit, text,
                                    code, &hot);
            }
            Fail(fn, KXErrorCode::NoConvergence,
                 "No convergence: the phase cannot be decided near the critical region.", text,
                 code);
            return {};
        }
        const std::span<const double> z = Mix.Composition();
        const TMixtureState dew = Mix.State(d.T, d.RhoVapour, z);
        // A target within rounding of a line's value is that line's point: the split between
        // them needs a target strictly inside.
        const double near = 1e-12 * std::fabs(target) + 1e-12;
        if (target >= Caloric(dew, enthalpy) - near)
            return OnePhase(fn, p, target, enthalpy, TRoot::Vapour, d.T, Tlimit, text, code, &dew);
        if (P < once.PbubBottom) {
            // The bubble temperature lies below the range: so do the two-phase states whose
            // liquid would be colder, and the flash refuses the whole two-phase part here.
            char why[224];
            std::snprintf(why, sizeof why,
                          "%s lower than minimum value of %.4f %s at this pressure (the dew "
                          "point; below %.4f bar(a) the bubble point lies below %.2f °C).",
                          enthalpy ? "Enthalpy" : "Entropy",
                          PerMass(Caloric(dew, enthalpy)) + (enthalpy ? once.DeltaH : once.DeltaS),
                          enthalpy ? "kJ/kg" : "kJ/kgK", once.PbubBottom, MixtureTminC);
            Fail(fn, enthalpy ? KXErrorCode::EnthalpyLow : KXErrorCode::EntropyLow, why, text,
                 code);
            return {};
        }
        const TEquilibrium b = SaturationAtP(Mix, TSaturationKind::Bubble, p);
        if (!b.Ok()) {
            Fail(fn, ErrorCodeOf(b.Status), "No convergence.", text, code);
            return {};
        }
        const TMixtureState bubble = Mix.State(b.T, b.RhoLiquid, z);
        if (target <= Caloric(bubble, enthalpy) + near)
            return OnePhase(fn, p, target, enthalpy, TRoot::Liquid, Tmin, b.T, text, code, nullptr,
                            &bubble);
        const TTwoPhaseState s = TwoPhaseAtPCaloric(Mix, p, target, enthalpy, b, d);
        if (!s.Ok()) {
            Fail(fn, ErrorCodeOf(s.Status), "No convergence.", text, code);
            return {};
        }
        const std::size_t n = Mix.Size();
        const TMixtureState l = Mix.State(s.T, s.RhoLiquid, {s.X.data(), n});
        const TMixtureState v = Mix.State(s.T, s.RhoVapour, {s.Y.data(), n});
        TFlashState f;
        f.T = s.T;
        f.Quality = s.Quality;
        f.Rho = 1.0 / ((1.0 - s.Beta) / s.RhoLiquid + s.Beta / s.RhoVapour);
        f.H = (1.0 - s.Beta) * l.H + s.Beta * v.H;
        f.S = (1.0 - s.Beta) * l.S + s.Beta * v.S;
        return f;
    }
    static double Caloric(const TMixtureState& s, bool enthalpy) { return enthalpy ? s.H : s.S; }
    // One output of the flash in program units: 'T' (°C), 'x', 'h', 's', 'v' or 'd' (density).
    double FlashOutput(const char* fn, double P, double value, bool enthalpy, char out,
                       std::string& text, int32_t& code) const {
        const TFlashState f = Flash(fn, P, value, enthalpy, text, code);
        if (code) return 0.0;
        switch (out) {
            case 'T':
                return f.T - Kelvin;
            case 'x':
                return f.Quality;
            case 'h':
                return PerMass(f.H) + Reference().DeltaH;
            case 's':
                return PerMass(f.S) + Reference().DeltaS;
            case 'v':
                return 1.0 / (f.Rho * MolarMass);
            default:
                return f.Rho * MolarMass;
        }
    }

    // Which density root a one-phase flash takes: the liquid, the vapour, or the one of lower
    // Gibbs energy where p(ρ) has two (above the lines).
    enum class TRoot { Liquid, Vapour, Stable };
    double RootDensity(double T, double p, TRoot root, double guess) const {
        const auto z = Mix.Composition();
        if (root == TRoot::Liquid) return Mix.Density(T, p, z, TMixturePhase::Liquid, guess);
        if (root == TRoot::Vapour) return Mix.Density(T, p, z, TMixturePhase::Vapour, guess);
        return StableDensity(T, p);
    }
    // The temperature in [Ta, Tb] (K) at which the one-phase h (s) at p is target: Newton steps
    // with cp (cp/T), kept inside a bracket that bisection narrows where a step leaves it. atA,
    // atB: the states at an end that is a saturation point, as the phase decision computed them
    // (a density recomputed there could put the end's value a rounding error past the target).
    TFlashState OnePhase(const char* fn, double p, double target, bool enthalpy, TRoot root,
                         double Ta, double Tb, std::string& text, int32_t& code,
                         const TMixtureState* atA = nullptr,
                         const TMixtureState* atB = nullptr) const {
        const auto z = Mix.Composition();
        double rho = 0.0;
        auto evaluate = [&](double T, TMixtureState& st) {
            rho = RootDensity(T, p, root, root == TRoot::Stable ? 0.0 : rho);
            if (!(rho > 0.0)) return false;
            st = Mix.State(T, rho, z);
            return true;
        };
        auto noConvergence = [&] {
            Fail(fn, KXErrorCode::NoConvergence, "No convergence.", text, code);
            return TFlashState{};
        };
        TMixtureState sa, sb;
        if (atA)
            sa = *atA;
        else if (!evaluate(Ta, sa))
            return noConvergence();
        if (atB)
            sb = *atB;
        else if (!evaluate(Tb, sb))
            return noConvergence();
        rho = 0.0;
        double ga = Caloric(sa, enthalpy) - target, gb = Caloric(sb, enthalpy) - target;
        // At a saturation end, within rounding of the target: the end itself.
        const double near = 1e-12 * std::fabs(target) + 1e-12;
        if (atA && ga > 0.0 && ga <= near) ga = 0.0;
        if (atB && gb < 0.0 && gb >= -near) gb = 0.0;
        const double offset = enthalpy ? Reference().DeltaH : Reference().DeltaS;
        const char* unit = enthalpy ? "kJ/kg" : "kJ/kgK";
        if (ga > 0.0 || gb < 0.0) {
            const bool low = ga > 0.0;
            const double limit = PerMass(Caloric(low ? sa : sb, enthalpy)) + offset;
            char why[160];
            std::snprintf(why, sizeof why, "%s %s than %s value of %.4f %s at this pressure.",
                          enthalpy ? "Enthalpy" : "Entropy", low ? "lower" : "higher",
                          low ? "minimum" : "maximum", limit, unit);
            const int32_t c = enthalpy
                                  ? (low ? KXErrorCode::EnthalpyLow : KXErrorCode::EnthalpyHigh)
                                  : (low ? KXErrorCode::EntropyLow : KXErrorCode::EntropyHigh);
            Fail(fn, c, why, text, code);
            return {};
        }
        double lo = Ta, hi = Tb;
        double T = Ta + (Tb - Ta) * (-ga) / (gb - ga);
        for (int step = 0; step < 100; ++step) {
            TMixtureState st;
            if (!evaluate(T, st)) return noConvergence();
            const double g = Caloric(st, enthalpy) - target;
            if (g > 0.0)
                hi = T;
            else
                lo = T;
            const double slope = enthalpy ? st.Cp : st.Cp / T;
            double next = T - g / slope;
            if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
            if (std::fabs(next - T) < 1e-12 * T || hi - lo < 1e-12 * T) {
                TMixtureState final;
                if (!evaluate(next, final)) return noConvergence();
                // Above the lines, 0 below the highest temperature of the traced lines (close
                // to the critical temperature) and 1 above it, as a pure fluid answers 0 below
                // and 1 above its critical temperature.
                const bool liquidLike =
                    root == TRoot::Liquid || (root == TRoot::Stable && next < Reference().Ttop);
                return {next, liquidLike ? 0.0 : 1.0, rho, final.H, final.S};
            }
            T = next;
        }
        return noConvergence();
    }

    mutable std::once_flag OnceFlag;
    mutable TOnce Once;
};

const TMixtureLibrary& Library(std::size_t index) {
    static std::array<std::unique_ptr<TMixtureLibrary>, MixtureLibraryCount> objects;
    static std::array<std::once_flag, MixtureLibraryCount> flags;
    std::call_once(flags[index], [index] {
        objects[index] = std::make_unique<TMixtureLibrary>(Libraries[index]);
    });
    return *objects[index];
}

// The entry points: the library function contract around a method of the index-th library.
template <std::size_t I>
const char* CodeAt() {
    return Libraries[I].Code;
}
template <std::size_t I>
const TMixtureLibrary& LibraryAt() {
    return Library(I);
}
template <std::size_t I, const char* Name, auto Method>
using TEntry = TKXMixtureEntry<&CodeAt<I>, &LibraryAt<I>, Name, Method>;

// The short names, as objects with linkage so that they can be template arguments.
#define KX_MIXTURE_NAME(NAME) constexpr char Name##NAME[] = #NAME;
KX_MIXTURE_NAME(PsatT)
KX_MIXTURE_NAME(TsatP)
KX_MIXTURE_NAME(DPT)
KX_MIXTURE_NAME(VPT)
KX_MIXTURE_NAME(HPT)
KX_MIXTURE_NAME(SPT)
KX_MIXTURE_NAME(CpPT)
KX_MIXTURE_NAME(CvPT)
KX_MIXTURE_NAME(WPT)
KX_MIXTURE_NAME(MM)
KX_MIXTURE_NAME(PbubT)
KX_MIXTURE_NAME(PdewT)
KX_MIXTURE_NAME(TbubP)
KX_MIXTURE_NAME(TdewP)
KX_MIXTURE_NAME(TglideP)
KX_MIXTURE_NAME(YbubT)
KX_MIXTURE_NAME(XdewT)
KX_MIXTURE_NAME(YbubP)
KX_MIXTURE_NAME(XdewP)
KX_MIXTURE_NAME(DTX)
KX_MIXTURE_NAME(VTX)
KX_MIXTURE_NAME(HTX)
KX_MIXTURE_NAME(STX)
KX_MIXTURE_NAME(DPX)
KX_MIXTURE_NAME(VPX)
KX_MIXTURE_NAME(HPX)
KX_MIXTURE_NAME(SPX)
KX_MIXTURE_NAME(PTX)
KX_MIXTURE_NAME(TPX)
KX_MIXTURE_NAME(XLPX)
KX_MIXTURE_NAME(YVPX)
KX_MIXTURE_NAME(XLTX)
KX_MIXTURE_NAME(YVTX)
KX_MIXTURE_NAME(TPH)
KX_MIXTURE_NAME(XPH)
KX_MIXTURE_NAME(SPH)
KX_MIXTURE_NAME(VPH)
KX_MIXTURE_NAME(DPH)
KX_MIXTURE_NAME(TPS)
KX_MIXTURE_NAME(XPS)
KX_MIXTURE_NAME(HPS)
KX_MIXTURE_NAME(VPS)
KX_MIXTURE_NAME(DPS)
KX_MIXTURE_NAME(XPT)
#undef KX_MIXTURE_NAME

}  // namespace

// The entry points under their own names (the C interface exports each by name), each the
// library function contract around a method of the index-th library: those of every fluid
// library that a mixture of fixed composition has (PsatT and TsatP on the bubble line), the
// molar mass, the bubble and dew lines, then the incipient-phase compositions.
// clang-format off
#define KX_MIX_UNARY(LIB, I, NAME, METHOD) \
    double LIB##_##NAME(double x1, char* t, int32_t c, int32_t* e) { \
        return TEntry<I, Name##NAME, &TMixtureLibrary::METHOD>::Unary(x1, t, c, e); }
#define KX_MIX_BINARY(LIB, I, NAME, METHOD) \
    double LIB##_##NAME(double x1, double x2, char* t, int32_t c, int32_t* e) { \
        return TEntry<I, Name##NAME, &TMixtureLibrary::METHOD>::Binary(x1, x2, t, c, e); }
#define KX_MIX_TERNARY(LIB, I, NAME) \
    double LIB##_##NAME(double x1, double x2, double x3, char* t, int32_t c, int32_t* e) { \
        return TEntry<I, Name##NAME, &TMixtureLibrary::NAME>::Ternary(x1, x2, x3, t, c, e); }
#define KX_MIX_LIBRARY(LIB, I) \
    KX_MIX_UNARY(LIB, I, PsatT, PbubT) KX_MIX_UNARY(LIB, I, TsatP, TbubP) \
    KX_MIX_BINARY(LIB, I, DTX, DTX) KX_MIX_BINARY(LIB, I, VTX, VTX) \
    KX_MIX_BINARY(LIB, I, HTX, HTX) KX_MIX_BINARY(LIB, I, STX, STX) \
    KX_MIX_BINARY(LIB, I, DPX, DPX) KX_MIX_BINARY(LIB, I, VPX, VPX) \
    KX_MIX_BINARY(LIB, I, HPX, HPX) KX_MIX_BINARY(LIB, I, SPX, SPX) \
    KX_MIX_BINARY(LIB, I, DPT, DPT) KX_MIX_BINARY(LIB, I, VPT, VPT) \
    KX_MIX_BINARY(LIB, I, HPT, HPT) KX_MIX_BINARY(LIB, I, SPT, SPT) \
    KX_MIX_BINARY(LIB, I, CpPT, CpPT) KX_MIX_BINARY(LIB, I, CvPT, CvPT) \
    KX_MIX_BINARY(LIB, I, WPT, WPT) \
    double LIB##_MM(char* t, int32_t c, int32_t* e) { \
        return TEntry<I, NameMM, &TMixtureLibrary::MM>::Constant(t, c, e); } \
    KX_MIX_UNARY(LIB, I, PbubT, PbubT) KX_MIX_UNARY(LIB, I, PdewT, PdewT) \
    KX_MIX_UNARY(LIB, I, TbubP, TbubP) KX_MIX_UNARY(LIB, I, TdewP, TdewP) \
    KX_MIX_UNARY(LIB, I, TglideP, TglideP) KX_MIX_BINARY(LIB, I, PTX, PTX) \
    KX_MIX_BINARY(LIB, I, YbubT, YbubT) KX_MIX_BINARY(LIB, I, XdewT, XdewT) \
    KX_MIX_BINARY(LIB, I, YbubP, YbubP) KX_MIX_BINARY(LIB, I, XdewP, XdewP) \
    KX_MIX_BINARY(LIB, I, TPX, TPX) \
    KX_MIX_TERNARY(LIB, I, XLPX) KX_MIX_TERNARY(LIB, I, YVPX) \
    KX_MIX_TERNARY(LIB, I, XLTX) KX_MIX_TERNARY(LIB, I, YVTX) \
    KX_MIX_BINARY(LIB, I, TPH, TPH) KX_MIX_BINARY(LIB, I, XPH, XPH) \
    KX_MIX_BINARY(LIB, I, SPH, SPH) KX_MIX_BINARY(LIB, I, VPH, VPH) \
    KX_MIX_BINARY(LIB, I, DPH, DPH) KX_MIX_BINARY(LIB, I, TPS, TPS) \
    KX_MIX_BINARY(LIB, I, XPS, XPS) KX_MIX_BINARY(LIB, I, HPS, HPS) \
    KX_MIX_BINARY(LIB, I, VPS, VPS) KX_MIX_BINARY(LIB, I, DPS, DPS) \
    KX_MIX_BINARY(LIB, I, XPT, XPT) \
    static std::span<const TKXLibraryEntry> LIB##_Entries() { \
        static constexpr TKXLibraryEntry entries[] = { \
            KX_FUNCTION_ENTRY_1(LIB, PsatT), KX_FUNCTION_ENTRY_1(LIB, TsatP), \
            KX_FUNCTION_ENTRY_2(LIB, DTX), KX_FUNCTION_ENTRY_2(LIB, VTX), \
            KX_FUNCTION_ENTRY_2(LIB, HTX), KX_FUNCTION_ENTRY_2(LIB, STX), \
            KX_FUNCTION_ENTRY_2(LIB, DPX), KX_FUNCTION_ENTRY_2(LIB, VPX), \
            KX_FUNCTION_ENTRY_2(LIB, HPX), KX_FUNCTION_ENTRY_2(LIB, SPX), \
            KX_FUNCTION_ENTRY_2(LIB, DPT), KX_FUNCTION_ENTRY_2(LIB, VPT), \
            KX_FUNCTION_ENTRY_2(LIB, HPT), KX_FUNCTION_ENTRY_2(LIB, SPT), \
            KX_FUNCTION_ENTRY_2(LIB, CpPT), KX_FUNCTION_ENTRY_2(LIB, CvPT), \
            KX_FUNCTION_ENTRY_2(LIB, WPT), KX_FUNCTION_ENTRY_0(LIB, MM), \
            KX_FUNCTION_ENTRY_1(LIB, PbubT), KX_FUNCTION_ENTRY_1(LIB, PdewT), \
            KX_FUNCTION_ENTRY_1(LIB, TbubP), KX_FUNCTION_ENTRY_1(LIB, TdewP), \
            KX_FUNCTION_ENTRY_1(LIB, TglideP), KX_FUNCTION_ENTRY_2(LIB, PTX), \
            KX_FUNCTION_ENTRY_2(LIB, YbubT), KX_FUNCTION_ENTRY_2(LIB, XdewT), \
            KX_FUNCTION_ENTRY_2(LIB, YbubP), KX_FUNCTION_ENTRY_2(LIB, XdewP), \
            KX_FUNCTION_ENTRY_2(LIB, TPX), \
            KX_FUNCTION_ENTRY_3(LIB, XLPX), KX_FUNCTION_ENTRY_3(LIB, YVPX), \
            KX_FUNCTION_ENTRY_3(LIB, XLTX), KX_FUNCTION_ENTRY_3(LIB, YVTX), \
            KX_FUNCTION_ENTRY_2(LIB, TPH), KX_FUNCTION_ENTRY_2(LIB, XPH), \
            KX_FUNCTION_ENTRY_2(LIB, SPH), KX_FUNCTION_ENTRY_2(LIB, VPH), \
            KX_FUNCTION_ENTRY_2(LIB, DPH), KX_FUNCTION_ENTRY_2(LIB, TPS), \
            KX_FUNCTION_ENTRY_2(LIB, XPS), KX_FUNCTION_ENTRY_2(LIB, HPS), \
            KX_FUNCTION_ENTRY_2(LIB, VPS), KX_FUNCTION_ENTRY_2(LIB, DPS), \
            KX_FUNCTION_ENTRY_2(LIB, XPT)}; \
        return entries; \
    }
KX_MIX_LIBRARY(KX_R454B_MIX, 0)
KX_MIX_LIBRARY(KX_R513A_MIX, 1)
KX_MIX_LIBRARY(KX_R410A_MIX, 2)
KX_MIX_LIBRARY(KX_R407C_MIX, 3)
KX_MIX_LIBRARY(KX_R404A_MIX, 4)
KX_MIX_LIBRARY(KX_R507A_MIX, 5)
KX_MIX_LIBRARY(KX_R448A_MIX, 6)
KX_MIX_LIBRARY(KX_R449A_MIX, 7)
KX_MIX_LIBRARY(KX_R452B_MIX, 8)
KX_MIX_LIBRARY(KX_R454A_MIX, 9)
KX_MIX_LIBRARY(KX_R454C_MIX, 10)
// clang-format on
#undef KX_MIX_LIBRARY
#undef KX_MIX_UNARY
#undef KX_MIX_BINARY
#undef KX_MIX_TERNARY

namespace {

constexpr std::span<const TKXLibraryEntry> (*Entries[MixtureLibraryCount])() = {
    &KX_R454B_MIX_Entries, &KX_R513A_MIX_Entries, &KX_R410A_MIX_Entries, &KX_R407C_MIX_Entries,
    &KX_R404A_MIX_Entries, &KX_R507A_MIX_Entries, &KX_R448A_MIX_Entries, &KX_R449A_MIX_Entries,
    &KX_R452B_MIX_Entries, &KX_R454A_MIX_Entries, &KX_R454C_MIX_Entries};

std::string Fractions(std::span<const double> f, int digits) {
    std::string s;
    char number[32];
    for (std::size_t i = 0; i < f.size(); ++i) {
        std::snprintf(number, sizeof number, "%.*g", digits, f[i]);
        if (i) s += '/';
        s += number;
    }
    return s;
}

}  // namespace

const char* MixtureLibraryName(std::size_t index) {
    return Libraries[index].Code;
}

std::span<const TKXLibraryEntry> MixtureLibraryEntries(std::size_t index) {
    return Entries[index]();
}

TKXLibraryInfo MixtureLibraryInfo(std::size_t index) {
    const TMixtureLibraryData& data = Libraries[index];
    const TMixtureLibrary& library = Library(index);
    const TMixture& mix = library.Mix;
    const TBlendDefinition* blend = nullptr;
    for (const TBlendDefinition& b : BlendDefinitions())
        if (std::string(b.Name) == data.Blend) blend = &b;

    TKXLibraryInfo info;
    info.Kind = TKXLibraryKind::Mixture;
    const std::string ashrae = data.Blend;
    info.DisplayName = ashrae + " (mixture)";
    info.Ashrae = ashrae;
    std::string names;
    for (std::size_t i = 0; i < mix.Size(); ++i) names += (i ? "/" : "") + mix.Component(i).Name;
    std::vector<double> percent;
    for (double w : blend->MassFractions) percent.push_back(100.0 * w);
    info.ChemicalName = names + " (" + Fractions(percent, 4) + " % by mass; mole fractions " +
                        Fractions(mix.Composition(), 6) + ")";
    info.MolarMass = library.MolarMass * 1000.0;
    // No critical or triple point: those rows stay 0 (the functions Tc, Pc, Tt, Pt are absent).
    info.MinTemperature = MixtureTminC;
    info.MaxTemperature = library.Tmax;
    info.MaxPressure = library.Pmax;
    info.MaxTemperatureLowPressure = library.Tmax;
    info.LowPressureLimit = library.Pmax;
    info.ReferenceState =
        "h = 200 kJ/kg and s = 1 kJ/kgK for saturated liquid (bubble point) at 0 °C (IIR)";
    std::string eos =
        "multi-fluid mixture model (reduced Helmholtz energy of the components plus binary "
        "departure functions, Kunz-Wagner reducing functions) with the components' equations of "
        "their libraries; pair parameters: ";
    const std::string models = data.PairModels;
    std::string cited;
    auto cite = [&](const char* key, const char* citation) {
        if (models.find(key) != std::string::npos)
            cited += (cited.empty() ? "" : "; ") + std::string(citation);
    };
    cite("LJ", LemmonJacobsen);
    cite("Bell2022", Bell2022);
    cite("Bell2023", Bell2023);
    cite("Bell2025", Bell2025);
    info.EquationOfState = eos + cited + (data.Remark ? ". " + std::string(data.Remark) : "");
    info.InputPairs = {"pT", "ph", "ps", "Tx", "px"};
    info.HasTransport = false;
    info.FunctionNotes = MixtureFunctionNotes;
    for (std::size_t i = 0; i < mix.Size(); ++i) {
        info.Components.push_back(mix.Component(i).Name);
        info.MoleFractions.push_back(mix.Composition()[i]);
    }
    // "R454B_MIX", and the composition; the ASHRAE name where no earlier library (a pseudo-pure
    // blend) has it already.
    std::string shortName = data.Code + 3;
    info.Aliases = {shortName, info.ChemicalName};
    const bool pseudoPure =
        ashrae == "R-410A" || ashrae == "R-404A" || ashrae == "R-407C" || ashrae == "R-507A";
    if (!pseudoPure) {
        info.Aliases.push_back(ashrae);
        std::string compact = ashrae;
        compact.erase(std::remove(compact.begin(), compact.end(), '-'), compact.end());
        info.Aliases.push_back(compact);
    }
    return info;
}
