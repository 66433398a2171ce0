#include "CliExplorerCommands.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "KXCycle.h"
#include "KXDiagram.h"
#include "KXDiagramMarks.h"
#include "KXExplorerState.h"
#include "KXExplorerTable.h"
#include "KXExplorerUnits.h"
#include "KXHumidAir.h"
#include "KXPsychroChart.h"
#include "KX_Libraries_Object.h"
#include "NumberText.h"

#ifdef VARNEXA_HAVE_RENDER
#include "CliDrawing.h"
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
    const TKXLibrary& found = *registry.Library(index);
    // A binary-pair mixture needs its composition, which no explorer state, table or diagram has.
    if (found.Info.CompositionArgument)
        Usage(found.Library_Name +
              ": its functions take a composition (the mole fraction of the first component) as "
              "their last argument; call them with call, e.g. varnexa-cli call " +
              found.Library_Name + "_PbubT 0 0.5");
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
    const TKXState state = ComputeState(fluid, pair->Pair, x1, x2);
    // After the state: its rows name a mixture's composition keys, which --unit may choose.
    const TKXUnitChoice units = a.Output.Choice();
    const TKXNumberFormat format = a.Output.Format();
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
    if (state.TwoPhase) {
        // A blend's liquid and vapour have temperatures of their own (bubble and dew point).
        const TKXStateRow* t = state.Row("T");
        if (t && t->Liquid.HasValue && t->Mixture.HasValue && t->Liquid.Value != t->Mixture.Value) {
            line("T_liq", t->Liquid);
            line("T_vap", t->Vapour);
        }
        for (const char* key : {"rho", "h", "s", "cp", "w", "eta", "lambda", "Pr"}) {
            const TKXStateRow* r = state.Row(key);
            if (!r) continue;  // a row the library does not offer (no transport functions)
            line(std::string(key) + "_liq", r->Liquid);
            line(std::string(key) + "_vap", r->Vapour);
        }
    }
}

struct TTableArgs {
    std::string Library, Kind;
    std::vector<std::string> T, P;
    bool Csv = false;
    bool DecimalComma = false;
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
    // A decimal comma goes with ';' between the fields of a CSV file.
    const TKXNumberFormat format =
        a.DecimalComma ? WithDecimalComma(a.Output.Format()) : a.Output.Format();
    const char separator = !a.Csv ? '\t' : a.DecimalComma ? ';' : ',';
    out << ExportTable(ComputeTable(fluid, kind, fixed, values), units, format, separator);
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
    std::string Library, Kind, Out, Size = "900x650", Page = "a4", Pressure;
    std::vector<std::vector<std::string>> States;  // each --state: PAIR X1 X2 (psychro: INPUT T X)
    std::vector<std::string> RangeX, RangeY, Steps;
    int Dpi = 96;
    TOutputOptions Output;

    void ReadSize(int& width, int& height) const {
        if (!ParseSize(Size, width, height) || width < 200 || height < 150 || width > 10000 ||
            height > 10000)
            Usage("--size needs WxH, from 200x150 to 10000x10000: " + Typed(Size));
    }
};

// A PDF's paper from --page: A4 or US Letter.
bool LetterPage(const std::string& page) {
    std::string word = Typed(page);
    std::transform(word.begin(), word.end(), word.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (word != "a4" && word != "letter") Usage("--page needs a4 or letter: " + Typed(page));
    return word == "letter";
}

// What the isolines and the view are drawn for: --range-x/--range-y in the axes' units shown,
// --step KEY=V in the family's unit shown (0 or "off": no such lines).
TKXDiagramOptions DiagramOptions(const TDiagramArgs& a, TKXDiagramKind kind,
                                 const TKXUnitChoice& units) {
    TKXDiagramOptions options;
    options.Units = &units;
    const auto [xKey, yKey] = DiagramAxisKeys(kind);
    const auto range = [&units](const std::vector<std::string>& texts, const std::string& key,
                                const std::string& option) {
        double lo = Number(texts.at(0)), hi = Number(texts.at(1));
        if (!(hi > lo)) Usage(option + " needs A B with A < B");
        if (!units.ToStandard(key, lo, lo) || !units.ToStandard(key, hi, hi))
            Usage(option + ": no " + key + " in " + units.UnitFor(key));
        if (key == "p" && !(std::min(lo, hi) > 0)) Usage(option + " needs pressures above 0");
        return std::pair{std::min(lo, hi), std::max(lo, hi)};
    };
    if (!a.RangeX.empty()) options.RangeX = range(a.RangeX, xKey, "--range-x");
    if (!a.RangeY.empty()) options.RangeY = range(a.RangeY, yKey, "--range-y");
    for (const std::string& text : a.Steps) {
        const std::string word = Typed(text);
        const auto eq = word.find('=');
        if (eq == std::string::npos) Usage("--step needs KEY=STEP: " + word);
        std::string key = word.substr(0, eq);
        const std::string value = word.substr(eq + 1);
        const bool off = value == "off";
        if (key == "v") {
            // Isochores are drawn and labelled by their density.
            if (!off && Number(value) != 0.0)
                Usage("--step v takes 0 or off; set the isochores' step as rho=STEP");
            key = "rho";
        }
        const auto families = IsolineFamilies(kind);
        if (std::find(families.begin(), families.end(), key) == families.end()) {
            std::string known;
            for (const std::string& f : families) known += (known.empty() ? "" : ", ") + f;
            Usage("--step: no " + key + " lines on this diagram (" + known + ")");
        }
        const double step = off ? 0.0 : Number(value);
        if (!(step >= 0.0)) Usage("--step needs a step of 0 or more: " + word);
        options.Steps[key] = step;
    }
    return options;
}

// The psychrometric chart of a humid-air library at --p (default standard pressure); --state
// INPUT T X marks the state of dry bulb T with relative humidity, humidity ratio, dew point or
// wet bulb X (RH, W, Td, Twb).
void DrawPsychro(const TKXLibraries& registry, const TDiagramArgs& a, std::ostream& out) {
    const int index = registry.FindLibrary(Typed(a.Library));
    if (index < 0) Usage("unknown library: " + Typed(a.Library));
    if (!IsHumidAirLibrary(registry, index))
        Usage("psychro needs a humid-air library: " + Typed(a.Library));
    if (!a.RangeX.empty() || !a.RangeY.empty() || !a.Steps.empty())
        Usage("--range-x, --range-y and --step are options of the fluid charts, not of psychro");
    const TKXHumidAirFunctions air(registry, index);
    int width = 0, height = 0;
    a.ReadSize(width, height);
    const double p = a.Pressure.empty() ? KXStandardPressure : Number(a.Pressure);
    const bool letter = LetterPage(a.Page);
    std::optional<TKXPoint> marker;
    if (a.States.size() > 1) Usage("the psychro chart marks one state: --state INPUT T X");
    if (!a.States.empty()) {
        const std::vector<std::string>& given = a.States.front();
        if (given.size() != 3) Usage("--state needs INPUT T X for psychro");
        const TKXHumidInputInfo* input = FindHumidInput(Typed(given[0]));
        if (!input) Usage("unknown humidity input: " + Typed(given[0]) + " (RH, W, Td, Twb)");
        const TKXState state =
            ComputeHumidAirState(air, input->Input, p, Number(given[1]), Number(given[2]));
        if (!state.Ok) out << "error\t" << state.ErrorText << "\n";  // drawn without the state
        marker = HumidStateInChart(state);
    }
    const TKXUnitChoice units = a.Output.Choice();
    const TKXPsychroChart chart = ComputePsychroChart(air, p, &units);
    if (!chart.Ok()) out << "error\t" << chart.Error << "\n";  // the text drawn in the chart
#ifdef VARNEXA_HAVE_RENDER
    TKXDiagramRequest request;
    request.Psychro = &chart;
    request.Units = &units;
    request.State = marker ? &*marker : nullptr;
    request.Path = Typed(a.Out);
    request.Width = width;
    request.Height = height;
    request.Dpi = a.Dpi;
    request.Letter = letter;
    std::string error;
    if (!DrawDiagramFile(request, error)) Usage(error);
#else
    (void)letter;
    Usage("this varnexa-cli was built without Qt and cannot draw diagrams");
#endif
}

void DrawDiagram(const TKXLibraries& registry, const TDiagramArgs& a, std::ostream& out) {
    if (a.Kind == "psychro") return DrawPsychro(registry, a, out);
    if (!a.Pressure.empty()) Usage("--p is the pressure of the psychro chart only");
    const TKXFluidFunctions fluid = Fluid(registry, a.Library);
    const auto kind = FindDiagramKind(a.Kind);
    if (!kind) Usage("unknown diagram: " + Typed(a.Kind) + " (ph, ts, hs, pT, psychro)");
    if (IsHumidAirLibrary(registry, fluid.LibraryIndex()))
        Usage(fluid.LibraryName() + " draws the psychrometric chart only: psychro");
    int width = 0, height = 0;
    a.ReadSize(width, height);
    const bool letter = LetterPage(a.Page);
    // Each state numbered in the order given; one that fails is reported and left out.
    std::vector<TKXMarkedState> marks;
    for (const std::vector<std::string>& given : a.States) {
        if (given.size() != 3) Usage("--state needs PAIR X1 X2");
        const TKXPairInfo* pair = FindInputPair(given[0]);
        if (!pair) Usage("unknown pair: " + Typed(given[0]));
        const TKXState state = ComputeState(fluid, pair->Pair, Number(given[1]), Number(given[2]));
        if (!state.Ok) out << "error\t" << state.ErrorText << "\n";  // drawn without the state
        if (auto mark = MarkState(state, *kind, "")) marks.push_back(*mark);
    }
    const TKXDiagramTitle title = DiagramTitle(fluid.Info());
    const TKXUnitChoice units = a.Output.Choice();
    const TKXDiagramOptions options = DiagramOptions(a, *kind, units);
#ifdef VARNEXA_HAVE_RENDER
    const TKXDiagram diagram = ComputeDiagram(fluid, *kind, options);
    TKXDiagramRequest request;
    request.Diagram = &diagram;
    request.Units = &units;
    request.Marks = &marks;
    request.Title = &title;
    request.Path = Typed(a.Out);
    request.Width = width;
    request.Height = height;
    request.Dpi = a.Dpi;
    request.Letter = letter;
    std::string error;
    if (!DrawDiagramFile(request, error)) Usage(error);
#else
    (void)options;
    (void)letter;
    Usage("this varnexa-cli was built without Qt and cannot draw diagrams");
#endif
}

struct TCycleArgs {
    std::string Kind, Library;
    // Each option as typed, by its name without the dashes; empty when not given.
    std::vector<std::pair<std::string, std::string>> Options;
    int Digits = 5;
    std::string Diagram, Chart;
    bool Csv = false;
    bool DecimalComma = false;
};

void PrintCycle(const TKXLibraries& registry, const TCycleArgs& a, std::ostream& out) {
    const TKXFluidFunctions fluid = Fluid(registry, a.Library);
    TKXCycleInputs inputs;
    for (const auto& [name, text] : a.Options)
        if (!text.empty()) inputs.emplace_back(name, Number(text));
    bool usage = false;
    const TKXCycle cycle = ComputeCycle(fluid, Typed(a.Kind), inputs, usage);
    if (usage) Usage(cycle.ErrorText);
    const int digits = a.Digits;
    TKXNumberFormat format = [digits](double v) { return FormatGeneral(v, digits); };
    if (a.DecimalComma) format = WithDecimalComma(format);
    out << CycleText(cycle, format, !a.Csv ? '\t' : a.DecimalComma ? ';' : ',');
    if (a.Diagram.empty() || !cycle.Ok) return;
    // Refrigeration on log p-h, Rankine on T-s, unless --chart says otherwise.
    const std::string chart = !a.Chart.empty() ? Typed(a.Chart) : a.Kind == "rankine" ? "ts" : "ph";
    const auto kind = FindDiagramKind(chart);
    if (!kind || *kind == TKXDiagramKind::PT) Usage("--chart needs ph, ts or hs: " + chart);
#ifdef VARNEXA_HAVE_RENDER
    const TKXUnitChoice units(Catalogue(), 0);
    const TKXDiagram diagram = ComputeDiagram(fluid, *kind);
    const TKXCyclePath path = CycleInDiagram(fluid, cycle, *kind);
    const std::vector<TKXMarkedState> points = CycleMarks(cycle, path);
    const TKXDiagramTitle title = DiagramTitle(fluid.Info());
    TKXDiagramRequest request;
    request.Diagram = &diagram;
    request.Units = &units;
    request.Cycle = &path;
    request.CyclePoints = &points;
    request.Title = &title;
    request.Path = Typed(a.Diagram);
    std::string error;
    if (!DrawDiagramFile(request, error)) Usage(error);
#else
    Usage("this varnexa-cli was built without Qt and cannot draw diagrams");
#endif
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
    table->add_flag("--decimal-comma", tableArgs->DecimalComma,
                    "numbers with a decimal comma (and ';' between the fields with --csv)");
    tableArgs->Output.Add(table);
    table->callback([tableArgs, &registry, &out] { PrintTable(registry, *tableArgs, out); });

    auto diagramArgs = std::make_shared<TDiagramArgs>();
    auto* diagram = app.add_subcommand(
        "diagram",
        "Draw a log p-h, T-s, h-s or p-T diagram of LIBRARY, or the psychrometric chart of a "
        "humid-air library, into a PNG, SVG or PDF file");
    diagram->add_option("LIBRARY", diagramArgs->Library, "library name or short name")->required();
    diagram->add_option("KIND", diagramArgs->Kind, "ph, ts, hs, pT or psychro")->required();
    diagram
        ->add_option("--state", diagramArgs->States,
                     "PAIR X1 X2: mark this state, numbered and listed in the legend; may be "
                     "given several times (psychro: once, INPUT T X, INPUT RH, W, Td or Twb)")
        ->expected(3)
        ->allow_extra_args(false);
    diagram
        ->add_option("--out", diagramArgs->Out,
                     "FILE.png, FILE.svg or FILE.pdf (the format by the ending)")
        ->required();
    diagram->add_option("--size", diagramArgs->Size, "WxH in pixels (default 900x650)");
    diagram->add_option("--p", diagramArgs->Pressure,
                        "BAR: the psychro chart's pressure in bar(a) (default 1.01325)");
    diagram
        ->add_option("--dpi", diagramArgs->Dpi,
                     "a PNG's resolution, 10 to 2400 (default 96): stored in the file, text and "
                     "lines drawn at N/96 of their screen size")
        ->check(CLI::Range(10, 2400));
    diagram->add_option("--page", diagramArgs->Page,
                        "a PDF's paper, landscape: a4 (default) or letter");
    diagram->add_option("--unit", diagramArgs->Output.Units, "KEY=UNIT: an axis in UNIT");
    diagram
        ->add_option("--range-x", diagramArgs->RangeX, "A B: the x axis from A to B (units shown)")
        ->expected(2)
        ->allow_extra_args(false);
    diagram
        ->add_option("--range-y", diagramArgs->RangeY, "A B: the y axis from A to B (units shown)")
        ->expected(2)
        ->allow_extra_args(false);
    diagram->add_option("--step", diagramArgs->Steps,
                        "KEY=STEP: lines of family KEY (T, p, h, s, rho, x) every STEP in the "
                        "unit shown; 0 or off: none");
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
    static const std::pair<const char*, const char*> options[] = {
        {"evap", "evaporating temperature, C (a blend: dew point)"},
        {"cond", "condensing temperature, C (a blend: bubble point)"},
        {"p-gc", "gas-cooler pressure, bar(a) (transcritical)"},
        {"T-gc", "gas-cooler exit temperature, C (transcritical)"},
        {"superheat", "superheat at the evaporator exit, K (0)"},
        {"subcool", "subcooling at the condenser exit, K (0)"},
        {"eta-s", "compressor isentropic efficiency (1)"},
        {"ihx", "internal heat exchanger effectiveness (0: none)"},
        {"dp-suction", "suction pressure drop, bar (0)"},
        {"dp-discharge", "discharge pressure drop, bar (0)"},
        {"capacity", "refrigerating capacity, kW"},
        {"mass-flow", "mass flow, kg/s (default 1)"},
        {"p-boiler", "boiler pressure, bar(a) (Rankine)"},
        {"T-live", "live-steam temperature, C (Rankine)"},
        {"p-reheat", "reheat pressure, bar(a) (Rankine)"},
        {"T-reheat", "reheat temperature, C (Rankine)"},
        {"p-cond", "condenser pressure, bar(a) (Rankine)"},
        {"eta-turbine", "turbine isentropic efficiency (1)"},
        {"eta-pump", "pump isentropic efficiency (1)"},
        {"power", "net power, kW (Rankine)"}};
    c->Options.reserve(std::size(options));
    for (const auto& [name, help] : options) {
        c->Options.emplace_back(name, "");
        cycle->add_option(std::string("--") + name, c->Options.back().second, help);
    }
    cycle->add_option("--digits", c->Digits, "significant digits, 1 to 17 (default 5)")
        ->check(CLI::Range(1, 17));
    cycle->add_option("--diagram", c->Diagram,
                      "FILE.png, FILE.svg or FILE.pdf: draw the cycle on its chart");
    cycle->add_flag("--csv", c->Csv, "comma-separated instead of tab-separated");
    cycle->add_flag("--decimal-comma", c->DecimalComma,
                    "numbers with a decimal comma (and ';' between the fields with --csv)");
    cycle->add_option("--chart", c->Chart, "ph, ts or hs (default ph; Rankine ts) for --diagram");
    cycle->callback([c, &registry, &out] { PrintCycle(registry, *c, out); });
}
