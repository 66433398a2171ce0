#include "KXCalculatorController.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "KX_Function_Call.h"
#include "KX_PARSER.h"
#include "NumberText.h"

namespace {

constexpr int ErrorTextCapacity = 255;
constexpr int PropertiesMode = 0;
constexpr int ConversionMode = 1;

// Every element of the property panel that a mode change hides first.
constexpr TKXElement PanelElements[] = {
    TKXElement::LibraryLbl,
    TKXElement::LibraryList,
    TKXElement::FunctionLbl,
    TKXElement::FunctionList,
    TKXElement::Argument1Lbl,
    TKXElement::Argument2Lbl,
    TKXElement::Argument3Lbl,
    TKXElement::Argument1UnitList,
    TKXElement::Argument2UnitList,
    TKXElement::Argument3UnitList,
    TKXElement::Argument1Edit,
    TKXElement::Argument2Edit,
    TKXElement::Argument3Edit,
    TKXElement::PasteArgument1Btn,
    TKXElement::PasteArgument2Btn,
    TKXElement::PasteArgument3Btn,
    TKXElement::RestoreArgument1Btn,
    TKXElement::RestoreArgument2Btn,
    TKXElement::RestoreArgument3Btn,
    TKXElement::ResultLbl,
    TKXElement::ResultUnitList,
    TKXElement::ResultEdit,
    TKXElement::CopyResultBtn,
    TKXElement::StoreResultBtn,
    TKXElement::PropertyLbl,
    TKXElement::PropList,
    TKXElement::ValueLbl,
    TKXElement::ValueEdit,
    TKXElement::PasteValueBtn,
    TKXElement::RestoreValueBtn,
    TKXElement::UnitList,
    TKXElement::ConvertToList,
};

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// The part of a library error text the panel shows: everything after the first ";", trimmed.
std::string DisplayedErrorText(const std::string& text) {
    const auto semicolon = text.find(';');
    return Trim(semicolon == std::string::npos ? text : text.substr(semicolon + 1));
}

}  // namespace

std::string KXLibraryNames(const TKXLibrary& library) {
    const std::string& display = library.DisplayName();
    const std::string& chemical = library.Info.ChemicalName;
    if (chemical.empty() || chemical == display) return display;
    return display + " (" + chemical + ")";
}

TKXElement ArgumentLbl(int n) {
    return static_cast<TKXElement>(static_cast<int>(TKXElement::Argument1Lbl) + n - 1);
}
TKXElement ArgumentUnitList(int n) {
    return static_cast<TKXElement>(static_cast<int>(TKXElement::Argument1UnitList) + n - 1);
}
TKXElement ArgumentEdit(int n) {
    return static_cast<TKXElement>(static_cast<int>(TKXElement::Argument1Edit) + n - 1);
}
TKXElement PasteArgumentBtn(int n) {
    return static_cast<TKXElement>(static_cast<int>(TKXElement::PasteArgument1Btn) + n - 1);
}
TKXElement RestoreArgumentBtn(int n) {
    return static_cast<TKXElement>(static_cast<int>(TKXElement::RestoreArgument1Btn) + n - 1);
}

TKXSettingsHooks SettingsFileHooks(const std::string& path) {
    return TKXSettingsHooks{[path] { return ReadSettings(path); },
                            [path](const TKXSettings& s) { WriteSettings(path, s); }};
}

TKXCalculatorController::TKXCalculatorController(IKXCalculatorView& view,
                                                 const TKXLibraries& libraries, TMemory& memory,
                                                 IKXMemoryDialog& memoryDialog,
                                                 TKXSettingsHooks settings)
    : View(view),
      Libraries(libraries),
      Memory(memory),
      MemoryDialog(memoryDialog),
      SettingsHooks(std::move(settings)),
      ListItems(static_cast<std::size_t>(TKXElement::Count)) {}

void TKXCalculatorController::FormActivate() {
    if (Startup) {
        if (SettingsHooks.Read) CurrentSettings = SettingsHooks.Read();
        std::vector<std::string> items;
        Properties.CreatePropertyList(items);
        ListItems[static_cast<int>(TKXElement::PropList)] = items;
        View.FillList(TKXElement::PropList, items);
        items = {"Properties", "Unit Conversion"};
        ListItems[static_cast<int>(TKXElement::ModeList)] = items;
        View.FillList(TKXElement::ModeList, items);
        Libraries.CreateLibraryList(items);
        ListItems[static_cast<int>(TKXElement::LibraryList)] = items;
        View.FillList(TKXElement::LibraryList, items);
        View.SelectIndex(TKXElement::ModeList, 0);
        ModeListChange();
    }
    Startup = false;
    UpdateMemoryGrid();
    UpdateStoreButton();
    UpdateStoreResultButton();
}

void TKXCalculatorController::ModeListChange() {
    for (TKXElement e : PanelElements) View.SetVisible(e, false);
    const int mode = View.GetSelectedIndex(TKXElement::ModeList);
    TKXPanelPlacement placement{mode, 0};
    if (mode == PropertiesMode && PropertiesShown) {
        ShowPropertiesPanel();
        placement.ArgumentRows =
            std::clamp(Libraries.GetNoOfArguments(LibraryIndex(), FunctionIndex()), 0, 3);
    } else if (mode == PropertiesMode) {
        View.SetVisible(TKXElement::LibraryLbl, true);
        View.SetVisible(TKXElement::LibraryList, true);
        View.SelectIndex(TKXElement::LibraryList, 0);
        LibraryListChange();
        View.SetVisible(TKXElement::FunctionLbl, true);
        View.SetVisible(TKXElement::FunctionList, true);
        View.SelectIndex(TKXElement::FunctionList, 0);
        FunctionListChange();
        PropertiesShown = true;
        placement.ArgumentRows =
            std::clamp(Libraries.GetNoOfArguments(LibraryIndex(), FunctionIndex()), 0, 3);
    } else if (mode == ConversionMode) {
        View.SetText(TKXElement::ResultLbl, "Result");
        for (TKXElement e :
             {TKXElement::ValueLbl, TKXElement::ValueEdit, TKXElement::PasteValueBtn,
              TKXElement::RestoreValueBtn, TKXElement::PropertyLbl, TKXElement::PropList,
              TKXElement::UnitList, TKXElement::ConvertToList, TKXElement::ResultLbl,
              TKXElement::ResultEdit, TKXElement::CopyResultBtn, TKXElement::StoreResultBtn})
            View.SetVisible(e, true);
    } else {
        View.ShowErrorMessage("Mode not recognized.");
    }
    View.ArrangePanel(placement);
    Recalculate();
}

void TKXCalculatorController::ShowPropertiesPanel() {
    // The lists and fields kept their contents while hidden; only the rows are shown again.
    for (TKXElement e : {TKXElement::LibraryLbl, TKXElement::LibraryList, TKXElement::FunctionLbl,
                         TKXElement::FunctionList})
        View.SetVisible(e, true);
    const int arity = Libraries.GetNoOfArguments(LibraryIndex(), FunctionIndex());
    if (arity < 0 || arity > 3) return;
    for (int n = 1; n <= arity; ++n) ShowArgumentRow(n, true);
    View.SetText(TKXElement::ResultLbl, Libraries.GetResultName(LibraryIndex(), FunctionIndex()));
    ShowResultRow();
}

void TKXCalculatorController::LibraryListChange() {
    std::vector<std::string> items;
    const int library = LibraryIndex();
    const TKXLibrary* chosen = Libraries.Library(library);
    View.SetHint(TKXElement::LibraryList, chosen ? KXLibraryNames(*chosen) : std::string());
    if (library >= 0) {
        Libraries.CreateFunctionListByIndex(library, items);
        ListItems[static_cast<int>(TKXElement::FunctionList)] = items;
        View.FillList(TKXElement::FunctionList, items);
    }
    View.SelectIndex(TKXElement::FunctionList, 0);
    FunctionListChange();
}

void TKXCalculatorController::ShowArgumentRow(int n, bool visible) {
    for (TKXElement e : {ArgumentLbl(n), ArgumentUnitList(n), ArgumentEdit(n), PasteArgumentBtn(n),
                         RestoreArgumentBtn(n)})
        View.SetVisible(e, visible);
}

void TKXCalculatorController::ShowResultRow() {
    for (TKXElement e : {TKXElement::ResultLbl, TKXElement::ResultUnitList, TKXElement::ResultEdit,
                         TKXElement::CopyResultBtn, TKXElement::StoreResultBtn})
        View.SetVisible(e, true);
}

void TKXCalculatorController::FillUnitList(TKXElement list, int32_t quantityIndex) {
    std::vector<std::string> items;
    Properties.CreateUnitListFromPropertyIndex(items, quantityIndex);
    View.FillList(list, items);
    // Default unit of the configured unit system; no selection when the list lacks it.
    const std::string unit =
        Properties.GetPropertyStandardUnit(quantityIndex, CurrentSettings.UnitSystem);
    const auto it = std::find(items.begin(), items.end(), unit);
    View.SelectIndex(list, it == items.end() ? -1 : static_cast<int>(it - items.begin()));
    ListItems[static_cast<int>(list)] = std::move(items);
}

bool TKXCalculatorController::SelectByText(TKXElement list, const std::string& text) {
    const auto& items = ListItems[static_cast<int>(list)];
    const auto it = std::find(items.begin(), items.end(), text);
    if (it == items.end()) return false;
    View.SelectIndex(list, static_cast<int>(it - items.begin()));
    return true;
}

void TKXCalculatorController::FunctionListChange() {
    for (int n = 1; n <= 3; ++n) ShowArgumentRow(n, false);
    ShowResultRow();
    const int library = LibraryIndex();
    const int function = FunctionIndex();
    const int arity = Libraries.GetNoOfArguments(library, function);
    if (arity >= 0 && arity <= 3) {
        // What the user typed is a value of a quantity in a unit: it moves with its unit to the
        // row of the same quantity, never into a row of another quantity.
        struct TTyped {
            int32_t Quantity;
            std::string Text;
            std::string Unit;
        };
        std::vector<TTyped> typed;
        for (std::size_t i = 0; i < ArgumentQuantities.size(); ++i) {
            const int n = static_cast<int>(i) + 1;
            typed.push_back({ArgumentQuantities[i], View.GetText(ArgumentEdit(n)),
                             View.GetSelectedText(ArgumentUnitList(n))});
        }
        ArgumentQuantities.clear();
        for (int n = 1; n <= arity; ++n) {
            View.SetText(ArgumentLbl(n), Libraries.GetArgumentName(library, function, n));
        }
        View.SetText(TKXElement::ResultLbl, Libraries.GetResultName(library, function));
        for (int n = 1; n <= arity; ++n) {
            const int32_t quantity = Libraries.GetArgumentUnitIndex(library, function, n);
            ArgumentQuantities.push_back(quantity);
            FillUnitList(ArgumentUnitList(n), quantity);
        }
        for (int n = 1; n <= 3; ++n) {
            // The same row first, else the first other row of that quantity not yet taken.
            auto from = typed.end();
            if (n <= arity) {
                const int32_t quantity = ArgumentQuantities[n - 1];
                if (n <= static_cast<int>(typed.size()) && typed[n - 1].Quantity == quantity)
                    from = typed.begin() + (n - 1);
                else
                    from = std::find_if(typed.begin(), typed.end(),
                                        [&](const TTyped& t) { return t.Quantity == quantity; });
            }
            if (from == typed.end()) {
                View.SetText(ArgumentEdit(n), "");
                continue;
            }
            View.SetText(ArgumentEdit(n), from->Text);
            if (!from->Unit.empty()) SelectByText(ArgumentUnitList(n), from->Unit);
            from->Quantity = -1;  // taken
        }
        FillUnitList(TKXElement::ResultUnitList, Libraries.GetResultUnitIndex(library, function));
        for (int n = 1; n <= arity; ++n) ShowArgumentRow(n, true);
        Recalculate();
    } else if (arity == -1) {
        View.ShowErrorMessage("Non existent function.");
    } else {
        View.ShowErrorMessage("Incorrect number of arguments.");
    }
    View.ArrangePanel({PropertiesMode, std::clamp(arity, 0, 3)});
}

void TKXCalculatorController::PropListChange() {
    std::vector<std::string> items;
    const int position = View.GetSelectedIndex(TKXElement::PropList);
    if (position >= 0 && position < Properties.Count())
        Properties.CreateUnitListFromPropertyIndex(items,
                                                   Properties.Property(position).PropertyIndex());
    for (TKXElement list : {TKXElement::UnitList, TKXElement::ConvertToList}) {
        View.FillList(list, items);
        ListItems[static_cast<int>(list)] = items;
    }
}

void TKXCalculatorController::Argument1EditChange() {
    Recalculate();
}

int TKXCalculatorController::LibraryIndex() const {
    return View.GetSelectedIndex(TKXElement::LibraryList);
}

int TKXCalculatorController::FunctionIndex() const {
    return View.GetSelectedIndex(TKXElement::FunctionList);
}

void TKXCalculatorController::ShowResult(const std::string& text, std::optional<double> value) {
    View.SetText(TKXElement::ResultEdit, text);
    View.SetHint(TKXElement::ResultEdit, value ? FormatGeneral(*value, 17) : std::string());
    UpdateStoreResultButton();
}

void TKXCalculatorController::ShowError(const std::string& text) {
    ShowResult("");
    View.SetText(TKXElement::ErrorMsgLbl, DisplayedErrorText(text));
    View.SetVisible(TKXElement::ErrorMsgLbl, true);
}

void TKXCalculatorController::RecalculateConversion() {
    double value = 0.0;
    double result = 0.0;
    const std::string from = View.GetSelectedText(TKXElement::UnitList);
    const std::string to = View.GetSelectedText(TKXElement::ConvertToList);
    // A value that is not a number, a missing unit or a conversion without a finite result
    // empties the result without a message.
    if (TryParseNumber(View.GetText(TKXElement::ValueEdit), value) && !from.empty() &&
        !to.empty() && Properties.TryConvert(from, to, value, result))
        ShowResult(FormatGeneral(result, 15), result);
    else
        ShowResult("");
}

bool TKXCalculatorController::ReadArgument(int n, double& standardValue,
                                           std::string& errorText) const {
    double value = 0.0;
    const std::string label = View.GetText(ArgumentLbl(n));
    if (!TryParseNumber(View.GetText(ArgumentEdit(n)), value)) {
        errorText = "Invalid value for " + label;
        return false;
    }
    const std::string unit = View.GetSelectedText(ArgumentUnitList(n));
    if (unit.empty()) {
        errorText = "Select a unit for " + label;
        return false;
    }
    if (!Properties.TryConvertToStandard(unit, value, standardValue)) {
        errorText = "Invalid value for " + label;
        return false;
    }
    return true;
}

void TKXCalculatorController::CallFunction(int arity) {
    const int library = LibraryIndex();
    const int function = FunctionIndex();
    std::string errorText;
    double x[3] = {0.0, 0.0, 0.0};
    // Arguments in order, each parsed, checked for a unit and converted; the first failure wins.
    for (int n = 1; n <= arity && errorText.empty(); ++n) ReadArgument(n, x[n - 1], errorText);
    const std::string resultUnit = View.GetSelectedText(TKXElement::ResultUnitList);
    if (errorText.empty() && resultUnit.empty())
        errorText = "Select a unit for " + View.GetText(TKXElement::ResultLbl);
    if (!errorText.empty()) {
        ShowError(errorText);
        return;
    }

    char text[ErrorTextCapacity + 1] = "";
    int32_t code = 0;
    const TKXFunctionPtr ptr = Libraries.GetFunctionPtr(library, function);
    if (KXArity(ptr) != arity) {
        ShowError("Non existent function.");
        return;
    }
    const double value = KXCallFunction(ptr, x, text, ErrorTextCapacity, &code);

    if (code != 0) {
        // A failure without a text must still replace the previous result.
        ShowError(std::strlen(text) > 0 ? std::string(text) : std::string("Unknown error."));
        return;
    }
    double shown = 0.0;
    if (!std::isfinite(value) || !Properties.TryConvertFromStandard(resultUnit, value, shown)) {
        ShowError("Invalid value for " + View.GetText(TKXElement::ResultLbl));
        return;
    }
    View.SetVisible(TKXElement::ErrorMsgLbl, false);
    ShowResult(FormatGeneral(shown, 5, 4), shown);
}

void TKXCalculatorController::Recalculate() {
    View.SetVisible(TKXElement::ErrorMsgLbl, false);
    const int mode = View.GetSelectedIndex(TKXElement::ModeList);
    if (mode == ConversionMode) {
        RecalculateConversion();
        return;
    }
    if (mode != PropertiesMode) {
        View.ShowErrorMessage("Mode not recognized");
        return;
    }
    const int arity = Libraries.GetNoOfArguments(LibraryIndex(), FunctionIndex());
    if (arity >= 0 && arity <= 3) {
        CallFunction(arity);
    } else if (arity == -1) {
        View.ShowErrorMessage("Non existent function.");
    } else {
        View.ShowErrorMessage("Incorrect number of arguments.");
    }
}

void TKXCalculatorController::FormClose() {
    if (SettingsHooks.Write) SettingsHooks.Write(CurrentSettings);
}

void TKXCalculatorController::Execute() {
    View.SetText(TKXElement::Display, EvaluateDisplayText(View.GetText(TKXElement::Display)));
    UpdateStoreButton();
}

void TKXCalculatorController::ClearDisplay() {
    View.SetText(TKXElement::Display, "");
    UpdateStoreButton();
}

void TKXCalculatorController::UpdateStoreButton() {
    double value = 0.0;
    View.SetEnabled(TKXElement::StoreBtn, TryParseNumber(View.GetText(TKXElement::Display), value));
}

void TKXCalculatorController::UpdateStoreResultButton() {
    double value = 0.0;
    View.SetEnabled(TKXElement::StoreResultBtn,
                    TryParseNumber(View.GetText(TKXElement::ResultEdit), value));
}

void TKXCalculatorController::UpdateMemoryGrid() {
    std::vector<TKXMemoryRow> rows;
    rows.reserve(Memory.Count());
    for (int i = 0; i < Memory.Count(); ++i) {
        const TMemoryElement& e = Memory.Element(i);
        rows.push_back({std::to_string(i + 1), e.Name, FormatGeneral(e.Value, 15)});
    }
    View.UpdateMemoryGrid(rows);
}

void TKXCalculatorController::StoreDisplay() {
    double value = 0.0;
    if (!TryParseNumber(View.GetText(TKXElement::Display), value)) return;
    Memory.AddToMemory(value, MemoryDialog);
    UpdateMemoryGrid();
}

void TKXCalculatorController::StoreResult() {
    double value = 0.0;
    const std::string text = View.GetText(TKXElement::ResultEdit);
    if (!TryParseNumber(text, value)) {
        View.ShowErrorMessage("'" + text + "' is not a valid floating point value");
        return;
    }
    Memory.AddToMemory(value, MemoryDialog);
    UpdateMemoryGrid();
}

void TKXCalculatorController::AddMemory() {
    Memory.AddToMemory(0.0, MemoryDialog);
    UpdateMemoryGrid();
}

void TKXCalculatorController::ClearMemoryRow() {
    const int row = View.GetMemoryCurrentRow();
    if (row >= 1) Memory.Remove(row - 1);
    UpdateMemoryGrid();
}

void TKXCalculatorController::ClearAllMemory() {
    Memory.ClearMemory();
    UpdateMemoryGrid();
}

std::optional<std::string> TKXCalculatorController::CurrentMemoryValueText() const {
    const int row = View.GetMemoryCurrentRow();
    if (row < 1) return std::nullopt;
    if (row > Memory.Count())
        return Memory.Count() == 0 ? std::optional<std::string>("") : std::nullopt;
    return FormatGeneral(Memory.Element(row - 1).Value, 15);
}

std::optional<std::string> TKXCalculatorController::RestoreText() const {
    if (Memory.Count() == 0) return std::nullopt;
    return CurrentMemoryValueText();
}

void TKXCalculatorController::RestoreArgument(int n) {
    if (n < 1 || n > 3) return;
    const auto text = CurrentMemoryValueText();
    if (!text) return;
    View.SetText(ArgumentEdit(n), *text);
    Argument1EditChange();
}

void TKXCalculatorController::RestoreValue() {
    const auto text = CurrentMemoryValueText();
    if (!text) return;
    View.SetText(TKXElement::ValueEdit, *text);
    Argument1EditChange();
}
