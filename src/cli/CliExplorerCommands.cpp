#include "CliExplorerCommands.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <cstdio>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "KXCycle.h"
#include "KXDiagram.h"
#include "KXExplorerState.h"
#include "KXExplorerTable.h"
#include "KXExplorerUnits.h"
#include "KX_Libraries_Object.h"
#include "NumberText.h"

#ifdef VARNEXA_HAVE_RENDER
#include "KXDiagramFile.h"
#endif

namespace {

const TPropertyList& Catalogue() {
    static const TPropertyList catalogue;
    return catalogue;
}

[[noreturn]] void Usage(const std::string& message) {
    throw CLI::ValidationError(message);
}

// A word as the user typed it: without the blank that keeps "-.5" a value for the parser.
std::string Typed(const std::string& word) {
    return word.size() > 1 && word[0] == ' ' && word[1] == '-' ? word.substr(1) : word;
}

double Number(const std::string& text) {
    double value = 0.0;
    if (!TryParseNumber(text, value)) Usage("not a number: " + Typed(text));
    return value;
}

// A library by its full name or, ignoring case, its display name or an alias ("R134a").
TKXFluidFunctions Fluid(const TKXLibraries& registry, const std::string& library) {
    const int index = registry.FindLibrary(Typed(library));
    if (index < 0) Usage("unknown library: " + Typed(library));
    return TKXFluidFunctions(registry, index);
}

// Options every explorer command shares: digits, units per key and the unit system.
struct TOutputOptions {
    int Digits = 5;
    int UnitSystem = 0;
    std::vector<std::string> Units;

    void Add(CLI::App* command) {
        command->add_option("--digits", Digits, "significant digits, 1 to 17 (default 5)")
            ->check(CLI::Range(1, 17));
        command->add_option("--unit", Units, "KEY=UNIT: show KEY in UNIT (e.g. p=MPa(a))");
        command
            ->add_option("--unit-system", UnitSystem,
                         "default units: 0 SI (default), 1 engineering")
            ->check(CLI::Range(0, 1));
    }

    TKXUnitChoice Choice() const {
        TKXUnitChoice units(Catalogue(), UnitSystem);
        for (const std::string& u : Units) {
            const auto eq = u.find('=');
            if (eq == std::string::npos) Usage("--unit needs KEY=UNIT: " + u);
            const std::string key = u.substr(0, eq);
            if (QuantityOfKey(key) < 0) Usage("unknown key: " + key);
            if (!units.Choose(key, u.substr(eq + 1)))
                Usage("unit " + u.substr(eq + 1) + " is not a unit of " + key);
        }
        return units;
    }

    TKXNumberFormat Format() const {
        const int digits = Digits;
        return [digits](double v) { return FormatGeneral(v, digits); };
    }
};

struct TStateArgs {
    std::string Library, Pair, X1, X2;
    TOutputOptions Output;
};

void PrintState(const TKXLibraries& registry, const TStateArgs& a, std::ostream& out) {
    const TKXFluidFunctions fluid = Fluid(registry, a.Library);
    const TKXPairInfo* pair = FindInputPair(a.Pair);
    if (!pair) Usage("unknown pair: " + Typed(a.Pair) + " (pT, ph, ps, Tx, px, Th, Ts)");
    bool offered = false;
    for (const TKXPairInfo& p : OfferedInputPairs(fluid)) offered = offered || p.Pair == pair->Pair;
    if (!offered) Usage(fluid.LibraryName() + " cannot start a state from " + a.Pair);
    const double x1 = Number(a.X1);
    const double x2 = Number(a.X2);
    const TKXUnitChoice units = a.Output.Choice();
    const TKXNumberFormat format = a.Output.Format();

    const TKXState state = ComputeState(fluid, pair->Pair, x1, x2);
    if (!state.Ok) {
        out << "error\t" << state.ErrorText << "\n";
        return;
    }
    const auto line = [&](const std::string& key, const TKXCell& cell) {
        if (cell.Empty()) return;  // not defined at this state (cp in the two-phase region)
        const std::string unit = units.UnitFor(key);
        if (cell.HasValue || key == "phase")
            out << key << "\t" << CellText(cell, key, units, format) << "\t" << unit << "\n";
        else
            out << key << "\t\t" << unit << "\t" << cell.Text << "\n";
    };
    for (const TKXStateRow& r : state.Rows) line(r.Property.Key, r.Mixture);
    // The saturated liquid and vapour; the library's single-phase limits at the dome follow the
    // saturation functions' values.
    if (state.TwoPhase)
        for (const char* key : {"rho", "h", "s", "cp", "w", "eta", "lambda", "Pr"}) {
            const TKXStateRow* r = state.Row(key);
            if (!r) continue;  // a row the library does not offer (no transport functions)
            line(std::string(key) + "_liq", r->Liquid);
            line(std::string(key) + "_vap", r->Vapour);
        }
}

struct TTableArgs {
    std::string Library, Kind;
    std::vector<std::string> T, P;
    bool Csv = false;
    TOutputOptions Output;
};

std::vector<double> Range(const std::vector<std::string>& r, const char* name) {
    if (r.size() != 3) Usage(std::string("--") + name + " needs FROM TO STEP");
    std::string error;
    std::vector<double> values = RangeByStep(Number(r[0]), Number(r[1]), Number(r[2]), error);
    if (values.empty()) Usage(std::string("--") + name + ": " + error);
    return values;
}

double Single(const std::vector<std::string>& v, const char* name) {
    if (v.size() != 1) Usage(std::string("--") + name + " needs one value");
    return Number(v[0]);
}

void PrintTable(const TKXLibraries& registry, const TTableArgs& a, std::ostream& out) {
    const TKXFluidFunctions fluid = Fluid(registry, a.Library);
    TKXTableKind kind;
    double fixed = 0.0;
    std::vector<double> values;
    if (a.Kind == "saturation") {
        if (a.T.empty() == a.P.empty()) Usage("saturation needs either --T or --p");
        kind = a.T.empty() ? TKXTableKind::SaturationByP : TKXTableKind::SaturationByT;
        values = a.T.empty() ? Range(a.P, "p") : Range(a.T, "T");
    } else if (a.Kind == "isobar") {
        kind = TKXTableKind::Isobar;
        fixed = Single(a.P, "p");
        values = Range(a.T, "T");
    } else if (a.Kind == "isotherm") {
        kind = TKXTableKind::Isotherm;
        fixed = Single(a.T, "T");
        values = Range(a.P, "p");
    } else {
        Usage("unknown table: " + Typed(a.Kind) + " (saturation, isobar, isotherm)");
    }
    const TKXUnitChoice units = a.Output.Choice();
    out << ExportTable(ComputeTable(fluid, kind, fixed, values), units, a.Output.Format(),
                       a.Csv ? ',' : '\t');
}

// "WxH" with two decimal integers and nothing else; a number too large for an int is refused
// rather than wrapped (4294967496 is not 200).
bool ParseSize(const std::string& text, int& width, int& height) {
    const char* const end = text.data() + text.size();
    const auto w = std::from_chars(text.data(), end, width);
    if (w.ec != std::errc() || w.ptr == end || *w.ptr != 'x') return false;
    const auto h = std::from_chars(w.ptr + 1, end, height);
    return h.ec == std::errc() && h.ptr == end;
}

struct TDiagramArgs {
    std::string Library, Kind, Out, Size = "900x650";
    std::vector<std::string> State;
    TOutputOptions Output;
};

void DrawDiagram(const TKXLibraries& registry, const TDiagramArgs& a, std::ostream& out) {
    const TKXFluidFunctions fluid = Fluid(registry, a.Library);
    const auto kind = FindDiagramKind(a.Kind);
    if (!kind) Usage("unknown diagram: " + Typed(a.Kind) + " (ph, ts, hs, pT)");
    int width = 0, height = 0;
    if (!ParseSize(a.Size, width, height) || width < 200 || height < 150 || width > 10000 ||
        height > 10000)
        Usage("--size needs WxH, from 200x150 to 10000x10000: " + Typed(a.Size));
    std::optional<TKXPoint> marker;
    if (!a.State.empty()) {
        if (a.State.size() != 3) Usage("--state needs PAIR X1 X2");
        const TKXPairInfo* pair = FindInputPair(a.State[0]);
        if (!pair) Usage("unknown pair: " + Typed(a.State[0]));
        const TKXState state =
            ComputeState(fluid, pair->Pair, Number(a.State[1]), Number(a.State[2]));
        if (!state.Ok) out << "error\t" << state.ErrorText << "\n";  // drawn without the state
        marker = StateInDiagram(state, *kind);
    }
#ifdef VARNEXA_HAVE_RENDER
    const TKXUnitChoice units = a.Output.Choice();
    TKXDiagramPainter painter(ComputeDiagram(fluid, *kind), units);
    painter.SetState(marker);
    std::string error;
    if (!SaveDiagram(painter, Typed(a.Out), QSize(width, height), error)) Usage(error);
#else
    Usage("this varnexa-cli was built without Qt and cannot draw diagrams");
#endif
}

struct TCycleArgs {
    std::string Kind, Library;
    // Vapour compression and transcritical.
    std::string Evap, Cond, PGasCooler, TGasCooler, Superheat = "0", Subcool = "0", EtaS = "1",
                                                    Ihx = "0", DpSuction = "0", DpDischarge = "0",
                                                    Capacity, MassFlow;
    // Rankine.
    std::string PBoiler, TLive, PReheat, TReheat, PCond, EtaTurbine = "1", EtaPump = "1", Power;
    int Digits = 5;
};

double Given(const std::string& text, const char* option) {
    if (text.empty()) Usage(std::string(option) + " is required");
    return Number(text);
}

double Optional(const std::string& text) {
    return text.empty() ? 0.0 : Number(text);
}

// The state table (point, then T p h s rho x, tab-separated, with a header), then one
// KEY<TAB>VALUE<TAB>UNIT line per result; a cycle that cannot be formed prints one error line.
void PrintCycle(const TKXLibraries& registry, const TCycleArgs& a, std::ostream& out) {
    const TKXFluidFunctions fluid = Fluid(registry, a.Library);
    TKXCycle cycle;
    if (a.Kind == "vapour-compression") {
        TKXVapourCompressionInput in;
        in.EvaporatingT = Given(a.Evap, "--evap");
        in.CondensingT = Given(a.Cond, "--cond");
        in.Superheat = Number(a.Superheat);
        in.Subcooling = Number(a.Subcool);
        in.IsentropicEff = Number(a.EtaS);
        in.IhxEffectiveness = Number(a.Ihx);
        in.SuctionDrop = Number(a.DpSuction);
        in.DischargeDrop = Number(a.DpDischarge);
        in.Size = {Optional(a.Capacity), Optional(a.MassFlow)};
        cycle = ComputeVapourCompression(fluid, in);
    } else if (a.Kind == "transcritical") {
        TKXTranscriticalInput in;
        in.EvaporatingT = Given(a.Evap, "--evap");
        in.GasCoolerP = Given(a.PGasCooler, "--p-gc");
        in.GasCoolerT = Given(a.TGasCooler, "--T-gc");
        in.Superheat = Number(a.Superheat);
        in.IsentropicEff = Number(a.EtaS);
        in.IhxEffectiveness = Number(a.Ihx);
        in.SuctionDrop = Number(a.DpSuction);
        in.DischargeDrop = Number(a.DpDischarge);
        in.Size = {Optional(a.Capacity), Optional(a.MassFlow)};
        cycle = ComputeTranscritical(fluid, in);
    } else if (a.Kind == "rankine") {
        TKXRankineInput in;
        in.BoilerP = Given(a.PBoiler, "--p-boiler");
        in.LiveT = Given(a.TLive, "--T-live");
        if (a.PReheat.empty() != a.TReheat.empty()) Usage("--p-reheat and --T-reheat go together");
        in.ReheatP = Optional(a.PReheat);
        in.ReheatT = Optional(a.TReheat);
        in.CondenserP = Given(a.PCond, "--p-cond");
        in.TurbineEff = Number(a.EtaTurbine);
        in.PumpEff = Number(a.EtaPump);
        in.PowerKW = Optional(a.Power);
        in.MassFlow = Optional(a.MassFlow);
        cycle = ComputeRankine(fluid, in);
    } else {
        Usage("unknown cycle: " + Typed(a.Kind) + " (vapour-compression, transcritical, rankine)");
    }
    if (!cycle.Ok) {
        out << "error\t" << cycle.ErrorText << "\n";
        return;
    }
    const auto number = [&](double v) { return FormatGeneral(v, a.Digits); };
    out << "point\tT [°C]\tp [bar(a)]\th [kJ/kg]\ts [kJ/kgK]\trho [kg/m3]\tx [-]\n";
    for (const TKXCyclePoint& p : cycle.Points)
        out << p.Label << "\t" << number(p.T) << "\t" << number(p.p) << "\t" << number(p.h) << "\t"
            << number(p.s) << "\t" << number(p.rho) << "\t" << (p.HasX ? number(p.x) : "") << "\n";
    for (const TKXCycleValue& v : cycle.Values)
        out << v.Key << "\t" << number(v.Value) << "\t" << v.Unit << "\n";
}

}  // namespace

void RegisterExplorerCommands(CLI::App& app, const TKXLibraries& registry, std::ostream& out) {
    auto stateArgs = std::make_shared<TStateArgs>();
    auto* state = app.add_subcommand(
        "state",
        "Print every property of LIBRARY at the state given by PAIR X1 X2 (standard units)");
    state
        ->add_option("LIBRARY", stateArgs->Library,
                     "library name or short name, e.g. KX_WS_IF97 or water")
        ->required();
    state->add_option("PAIR", stateArgs->Pair, "pT, ph, ps, Tx, px, Th or Ts")->required();
    state->add_option("X1", stateArgs->X1, "first value (bar, C, kJ/kg, kJ/kgK or fraction)")
        ->required();
    state->add_option("X2", stateArgs->X2, "second value")->required();
    stateArgs->Output.Add(state);
    state->callback([stateArgs, &registry, &out] { PrintState(registry, *stateArgs, out); });

    auto tableArgs = std::make_shared<TTableArgs>();
    auto* table =
        app.add_subcommand("table", "Print a saturation, isobar or isotherm table of LIBRARY");
    table->add_option("LIBRARY", tableArgs->Library, "library name or short name")->required();
    table->add_option("KIND", tableArgs->Kind, "saturation, isobar or isotherm")->required();
    table->add_option("--T", tableArgs->T, "temperature: FROM TO STEP, or the isotherm's value")
        ->expected(1, 3)
        ->allow_extra_args(false);
    table->add_option("--p", tableArgs->P, "pressure: FROM TO STEP, or the isobar's value")
        ->expected(1, 3)
        ->allow_extra_args(false);
    table->add_flag("--csv", tableArgs->Csv, "comma-separated instead of tab-separated");
    tableArgs->Output.Add(table);
    table->callback([tableArgs, &registry, &out] { PrintTable(registry, *tableArgs, out); });

    auto diagramArgs = std::make_shared<TDiagramArgs>();
    auto* diagram = app.add_subcommand(
        "diagram", "Draw a log p-h, T-s, h-s or p-T diagram of LIBRARY into a PNG or SVG file");
    diagram->add_option("LIBRARY", diagramArgs->Library, "library name or short name")->required();
    diagram->add_option("KIND", diagramArgs->Kind, "ph, ts, hs or pT")->required();
    diagram->add_option("--state", diagramArgs->State, "PAIR X1 X2: mark this state")
        ->expected(3)
        ->allow_extra_args(false);
    diagram->add_option("--out", diagramArgs->Out, "FILE.png or FILE.svg")->required();
    diagram->add_option("--size", diagramArgs->Size, "WxH in pixels (default 900x650)");
    diagram->add_option("--unit", diagramArgs->Output.Units, "KEY=UNIT: an axis in UNIT");
    diagram
        ->add_option("--unit-system", diagramArgs->Output.UnitSystem,
                     "default units: 0 SI (default), 1 engineering")
        ->check(CLI::Range(0, 1));
    diagram->callback([diagramArgs, &registry, &out] { DrawDiagram(registry, *diagramArgs, out); });

    auto c = std::make_shared<TCycleArgs>();
    auto* cycle = app.add_subcommand(
        "cycle",
        "Compute a vapour-compression, transcritical or Rankine cycle of LIBRARY: its state "
        "points and results");
    cycle->add_option("KIND", c->Kind, "vapour-compression, transcritical or rankine")->required();
    cycle->add_option("LIBRARY", c->Library, "library name or short name")->required();
    cycle->add_option("--evap", c->Evap, "evaporating temperature, C (a blend: dew point)");
    cycle->add_option("--cond", c->Cond, "condensing temperature, C (a blend: bubble point)");
    cycle->add_option("--p-gc", c->PGasCooler, "gas-cooler pressure, bar(a) (transcritical)");
    cycle->add_option("--T-gc", c->TGasCooler, "gas-cooler exit temperature, C (transcritical)");
    cycle->add_option("--superheat", c->Superheat, "superheat at the evaporator exit, K (0)");
    cycle->add_option("--subcool", c->Subcool, "subcooling at the condenser exit, K (0)");
    cycle->add_option("--eta-s", c->EtaS, "compressor isentropic efficiency (1)");
    cycle->add_option("--ihx", c->Ihx, "internal heat exchanger effectiveness (0: none)");
    cycle->add_option("--dp-suction", c->DpSuction, "suction pressure drop, bar (0)");
    cycle->add_option("--dp-discharge", c->DpDischarge, "discharge pressure drop, bar (0)");
    cycle->add_option("--capacity", c->Capacity, "refrigerating capacity, kW");
    cycle->add_option("--mass-flow", c->MassFlow, "mass flow, kg/s (default 1)");
    cycle->add_option("--p-boiler", c->PBoiler, "boiler pressure, bar(a) (Rankine)");
    cycle->add_option("--T-live", c->TLive, "live-steam temperature, C (Rankine)");
    cycle->add_option("--p-reheat", c->PReheat, "reheat pressure, bar(a) (Rankine)");
    cycle->add_option("--T-reheat", c->TReheat, "reheat temperature, C (Rankine)");
    cycle->add_option("--p-cond", c->PCond, "condenser pressure, bar(a) (Rankine)");
    cycle->add_option("--eta-turbine", c->EtaTurbine, "turbine isentropic efficiency (1)");
    cycle->add_option("--eta-pump", c->EtaPump, "pump isentropic efficiency (1)");
    cycle->add_option("--power", c->Power, "net power, kW (Rankine)");
    cycle->add_option("--digits", c->Digits, "significant digits, 1 to 17 (default 5)")
        ->check(CLI::Range(1, 17));
    cycle->callback([c, &registry, &out] { PrintCycle(registry, *c, out); });
}
