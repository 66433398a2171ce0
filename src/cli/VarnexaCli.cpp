#include "VarnexaCli.h"

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "CliBatch.h"
#include "CliExplorerCommands.h"
#include "KXCalculatorController.h"
#include "KXInMemoryView.h"
#include "KX_Function_Call.h"
#include "KX_Libraries_Catalogue.h"
#include "KX_PARSER.h"
#include "KX_Version.h"
#include "MemoryObject.h"
#include "NumberText.h"

namespace {

constexpr int UsageError = 2;
// Standard input unreadable or standard output unwritable (a full disk, a closed pipe).
constexpr int IoError = 1;
constexpr int ErrorTextCapacity = 255;

struct TUsageError {
    std::string Message;
};

// The one line of `call`: value with 17 significant digits, code, text. A count of arguments
// other than the function's arity is refused whatever it is (four or more included).
std::string CallLine(const TKXLibraries& registry, const std::string& function,
                     const std::vector<std::string>& args) {
    int library = -1;
    int index = -1;
    if (!registry.FindFunction(function, library, index))
        throw TUsageError{"unknown function: " + function};
    const int arity = registry.GetNoOfArguments(library, index);
    if (static_cast<int>(args.size()) != arity)
        throw TUsageError{function + " takes " + std::to_string(arity) + " argument(s), " +
                          std::to_string(args.size()) + " given"};
    double x[3] = {0.0, 0.0, 0.0};
    for (std::size_t i = 0; i < args.size(); ++i)
        if (!TryParseNumber(args[i], x[i])) throw TUsageError{"not a number: " + args[i]};

    char text[ErrorTextCapacity + 1] = "";
    int32_t code = 0;
    const double value =
        KXCallFunction(registry.GetFunctionPtr(library, index), x, text, ErrorTextCapacity, &code);
    char number[40];
    std::snprintf(number, sizeof number, "%.17g", value);
    return std::string(number) + "\t" + std::to_string(code) + "\t" + text;
}

// A library by its full name or, ignoring case, its display name or an alias ("R134a").
const TKXLibrary& Library(const TKXLibraries& registry, const std::string& name) {
    const TKXLibrary* library = registry.Library(registry.FindLibrary(name));
    if (!library) throw TUsageError{"unknown library: " + name};
    return *library;
}

void ListLibraries(const TKXLibraries& registry, std::ostream& out) {
    std::vector<std::string> names;
    registry.CreateLibraryList(names);
    for (const auto& n : names) out << n << "\n";
}

void ListFunctions(const TKXLibrary& library, std::ostream& out) {
    for (int f = 0; f < library.Count(); ++f) {
        const int arity = library.GetNoOfArguments(f);
        out << library.Function(f)->FunctionName << "\t" << arity << "\t"
            << library.GetResultName(f) << "\t" << library.GetResultUnitIndex(f);
        for (int a = 1; a <= arity; ++a)
            out << "\t" << library.GetArgumentName(f, a) << "\t"
                << library.GetArgumentUnitIndex(f, a);
        out << "\n";
    }
}

// What the library states about itself: its full name, then the information's rows in order.
void PrintInfo(const TKXLibrary& library, std::ostream& out) {
    out << "name\t" << library.Library_Name << "\n";
    for (const auto& [key, value] : library.Info.Rows()) out << key << "\t" << value << "\n";
}

// A memory dialog for a front end without dialogs: nothing is ever confirmed.
class TNoMemoryDialog : public IKXMemoryDialog {
  public:
    bool Edit(TMemoryElement&) override { return false; }
};

// The panel in conversion mode, as a user would set it: the first quantity that has both units
// (the catalogue's rule for a conversion by names), both units, the value typed as text.
std::string Convert(const TKXLibraries& registry, const std::string& value, const std::string& from,
                    const std::string& to) {
    TKXInMemoryView view;
    TMemory memory;
    TNoMemoryDialog dialog;
    TKXCalculatorController controller(view, registry, memory, dialog);
    controller.FormActivate();
    const TPropertyList& catalogue = controller.PropertyList();
    for (const std::string& unit : {from, to})
        if (!catalogue.UnitExists(unit)) throw TUsageError{"unknown unit: " + unit};
    const int quantity = catalogue.GetIndexFromUnitNames(from, to);
    if (quantity < 0) throw TUsageError{"no quantity has both units " + from + " and " + to};
    view.SelectIndex(TKXElement::ModeList, 1);
    controller.ModeListChange();
    view.SelectIndex(TKXElement::PropList, quantity);
    controller.PropListChange();
    view.SelectText(TKXElement::UnitList, from);
    view.SelectText(TKXElement::ConvertToList, to);
    view.SetText(TKXElement::ValueEdit, value);
    controller.Argument1EditChange();
    return view.GetText(TKXElement::ResultEdit);
}

struct TShowOptions {
    std::string Function;
    std::vector<std::string> Args;
    std::string ResultUnit;
    int UnitSystem = 0;
};

void Show(const TKXLibraries& registry, const TShowOptions& options, std::ostream& out) {
    int library = -1;
    int index = -1;
    if (!registry.FindFunction(options.Function, library, index))
        throw TUsageError{"unknown function: " + options.Function};
    const int arity = registry.GetNoOfArguments(library, index);
    if (static_cast<int>(options.Args.size()) > arity)
        throw TUsageError{options.Function + " takes " + std::to_string(arity) + " argument(s)"};

    TKXInMemoryView view;
    TMemory memory;
    TNoMemoryDialog dialog;
    const TKXSettings settings{1, options.UnitSystem};
    TKXCalculatorController controller(view, registry, memory, dialog,
                                       TKXSettingsHooks{[settings] { return settings; }, {}});
    controller.FormActivate();
    view.SelectIndex(TKXElement::LibraryList, library);
    controller.LibraryListChange();
    view.SelectIndex(TKXElement::FunctionList, index);
    controller.FunctionListChange();
    for (std::size_t i = 0; i < options.Args.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        const std::string& arg = options.Args[i];
        const auto at = arg.find('@');
        view.SetText(ArgumentEdit(n), arg.substr(0, at));
        if (at != std::string::npos && !view.SelectText(ArgumentUnitList(n), arg.substr(at + 1)))
            throw TUsageError{"unknown unit for " + view.GetText(ArgumentLbl(n)) + ": " +
                              arg.substr(at + 1)};
    }
    if (!options.ResultUnit.empty() &&
        !view.SelectText(TKXElement::ResultUnitList, options.ResultUnit))
        throw TUsageError{"unknown result unit: " + options.ResultUnit};
    controller.Argument1EditChange();
    out << view.GetText(TKXElement::ResultEdit) << "\n";
    if (view.IsVisible(TKXElement::ErrorMsgLbl))
        out << "error: " << view.GetText(TKXElement::ErrorMsgLbl) << "\n";
}

// Commands whose arguments are all positional: an expression, values and unit names are taken
// as they are even when they begin with "-" ("-(2+3)", "-PI", "-"). A "--" right after the
// command name tells the parser so (one the user wrote further on moves there); "--help" or
// "-h" before it still asks for help.
//
// The explorer's commands mix positional values with options, and all their options are long
// ones: there a word that begins with one "-" (other than "-h") is a value ("-.5", "-inf"),
// which CLI11 would take for a short option. A blank in front keeps it a value; the number
// parser skips leading blanks and the commands report words without it.
std::vector<std::string> MarkPositionalArguments(int argc, const char* const* argv) {
    std::vector<std::string> args(argv, argv + argc);
    if (argc < 3) return args;
    const std::string command = argv[1];
    if (command == "state" || command == "table" || command == "diagram") {
        for (auto it = args.begin() + 2; it != args.end(); ++it) {
            if (*it == "--") break;
            if (it->size() > 1 && (*it)[0] == '-' && (*it)[1] != '-' && *it != "-h")
                it->insert(0, " ");
        }
        return args;
    }
    if (command != "eval" && command != "call" && command != "convert") return args;
    for (auto it = args.begin() + 2; it != args.end(); ++it) {
        const std::string arg = *it;
        if (arg == "--help" || arg == "-h") return args;
        if (arg == "--") {
            args.erase(it);
            break;
        }
    }
    args.insert(args.begin() + 2, "--");
    return args;
}

// Everything written reaches standard output, or the run fails: a full disk or a closed pipe
// is reported instead of ending quietly with a truncated answer.
int Finished(std::ostream& out, std::ostream& err, int status) {
    errno = 0;
    out.flush();
    if (out) return status;
    const int cause = errno;
    err << "varnexa-cli: cannot write standard output"
        << (cause ? std::string(": ") + std::strerror(cause) : std::string()) << "\n";
    return IoError;
}

}  // namespace

int RunVarnexaCli(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                  std::ostream& err) {
    return RunVarnexaCli(KXRegistry(), argc, argv, in, out, err);
}

int RunVarnexaCli(const TKXLibraries& registry, int argc, const char* const* argv, std::istream& in,
                  std::ostream& out, std::ostream& err) {
    CLI::App app{
        "Varnexa: water, steam and fluid properties and unit conversion from the command line",
        "varnexa-cli"};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("varnexa-cli ") + VARNEXA_VERSION,
                         "Print the version and exit");

    std::string libraryName;
    auto* list = app.add_subcommand("list", "List the libraries, or the functions of LIBRARY");
    list->add_option("LIBRARY", libraryName, "library name or short name (R134a, water)");

    auto* info = app.add_subcommand(
        "info", "Print what LIBRARY states about itself: KEY<TAB>VALUE lines, name first");
    info->add_option("LIBRARY", libraryName, "library name or short name (R134a, water)")
        ->required();

    std::string function;
    std::vector<std::string> callArgs;
    auto* call = app.add_subcommand(
        "call", "Call FUNCTION with arguments in standard units; prints VALUE<TAB>CODE<TAB>TEXT");
    call->add_option("FUNCTION", function, "full function name, e.g. KX_WS_IF97_PsatT")->required();
    // Any count is taken here, so that a wrong one gets the message that names the arity.
    call->add_option("X", callArgs, "arguments in standard units (up to three)")
        ->expected(0, CLI::detail::expected_max_vector_size);

    auto* batch = app.add_subcommand(
        "batch",
        "Read lines 'FUNCTION [X1 [X2 [X3]]]' from standard input and print one call line each");

    std::string expression;
    auto* eval = app.add_subcommand("eval", "Evaluate EXPRESSION as the display does after '='");
    eval->add_option("EXPRESSION", expression, "expression text")->required();

    std::string value, fromUnit, toUnit;
    auto* convert = app.add_subcommand(
        "convert", "Convert VALUE from FROM_UNIT to TO_UNIT as the conversion panel does");
    convert->add_option("VALUE", value, "value text")->required();
    convert->add_option("FROM_UNIT", fromUnit, "unit of the value")->required();
    convert->add_option("TO_UNIT", toUnit, "unit to convert to")->required();

    TShowOptions showOptions;
    auto* show = app.add_subcommand("show", "Show what the property panel shows for FUNCTION");
    show->add_option("FUNCTION", showOptions.Function, "full function name")->required();
    show->add_option("--arg", showOptions.Args, "TEXT[@UNIT] typed into the next argument field")
        ->allow_extra_args(false);
    show->add_option("--result-unit", showOptions.ResultUnit, "unit of the result");
    show->add_option("--unit-system", showOptions.UnitSystem, "0 SI (default), 1 engineering")
        ->check(CLI::Range(0, 1));

    RegisterExplorerCommands(app, registry, out);

    try {
        const std::vector<std::string> args = MarkPositionalArguments(argc, argv);
        std::vector<const char*> pointers;
        for (const std::string& a : args) pointers.push_back(a.c_str());
        app.parse(static_cast<int>(pointers.size()), pointers.data());
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == 0) {  // --help: the help of the command that asked for it
            app.exit(e, out, err);
            return Finished(out, err, 0);
        }
        err << "varnexa-cli: " << e.what() << "\n";
        return UsageError;
    }

    try {
        if (*list) {
            if (libraryName.empty())
                ListLibraries(registry, out);
            else
                ListFunctions(Library(registry, libraryName), out);
        } else if (*info) {
            PrintInfo(Library(registry, libraryName), out);
        } else if (*call) {
            out << CallLine(registry, function, callArgs) << "\n";
        } else if (*batch) {
            std::string error;
            if (!RunBatch(registry, in, out, error)) {
                err << "varnexa-cli: " << error << "\n";
                out.flush();
                return IoError;
            }
        } else if (*eval) {
            out << EvaluateDisplayText(expression) << "\n";
        } else if (*convert) {
            out << Convert(registry, value, fromUnit, toUnit) << "\n";
        } else if (*show) {
            Show(registry, showOptions, out);
        }
    } catch (const TUsageError& e) {
        err << "varnexa-cli: " << e.Message << "\n";
        return UsageError;
    }
    return Finished(out, err, 0);
}
