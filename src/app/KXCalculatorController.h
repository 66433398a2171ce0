#pragma once
// The logic of the main window without a toolkit: the two modes of the property panel, unit
// conversion of arguments and results, calling library functions through the registry, the
// expression display and the memory actions. It reads and writes the panel only through
// IKXCalculatorView; the window forwards its events to the handlers below.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "KXCalculatorView.h"
#include "KX_Libraries_Object.h"
#include "MemoryObject.h"
#include "PropertyListObject.h"
#include "SettingsFile.h"

// The settings hooks: read at the first activation, written on close. Without hooks the
// controller runs with the default settings and writes nothing.
struct TKXSettingsHooks {
    std::function<TKXSettings()> Read;
    std::function<void(const TKXSettings&)> Write;
};

// The names a person reads for a library: its display name and, where it says more, its chemical
// name ("R134a (1,1,1,2-tetrafluoroethane)", "ammonia"); the library name for a library
// without information.
std::string KXLibraryNames(const TKXLibrary& library);

// Hooks that read and write one settings file.
TKXSettingsHooks SettingsFileHooks(const std::string& path);

class TKXCalculatorController {
  public:
    // FormCreate: builds the controller's own quantity catalogue.
    TKXCalculatorController(IKXCalculatorView& view, const TKXLibraries& libraries, TMemory& memory,
                            IKXMemoryDialog& memoryDialog, TKXSettingsHooks settings = {});

    // Events of the window.
    void FormActivate();
    void ModeListChange();
    void LibraryListChange();
    void FunctionListChange();
    void Argument1EditChange();  // any argument, value or unit change
    void PropListChange();
    void FormClose();
    void Recalculate();

    // The expression display.
    void Execute();                  // "=": evaluates the display and shows the result text
    void ClearDisplay();             // "clear"
    void UpdateStoreButton();        // enabled exactly when the display holds a number
    void UpdateStoreResultButton();  // enabled exactly when the result field holds a number

    // Memory actions; the list is refreshed after each of them.
    void StoreDisplay();
    void StoreResult();
    void AddMemory();
    void ClearMemoryRow();
    void ClearAllMemory();
    // The value text of the current memory row for "Restore" into the display, if a data row is
    // current; the window inserts it at the caret through the clipboard.
    std::optional<std::string> RestoreText() const;
    void RestoreArgument(int n);  // 1 to 3
    void RestoreValue();
    void UpdateMemoryGrid();

    const TKXSettings& Settings() const { return CurrentSettings; }
    const TPropertyList& PropertyList() const { return Properties; }
    bool IsStarting() const { return Startup; }

  private:
    void FillUnitList(TKXElement list, int32_t quantityIndex);
    // Selects the item with this text in a list the controller filled; false when it lacks it.
    bool SelectByText(TKXElement list, const std::string& text);
    // Shows the properties panel as the user left it: library, function, argument rows and
    // result row keep their selections and texts.
    void ShowPropertiesPanel();
    void ShowArgumentRow(int n, bool visible);
    void ShowResultRow();
    void ShowError(const std::string& text);
    // Writes the result field: its text, and as its hint the value with 17 significant digits
    // (nothing for an empty result); the store button follows.
    void ShowResult(const std::string& text, std::optional<double> value = std::nullopt);
    void RecalculateConversion();
    // Parses and converts argument n to its standard unit; on failure sets errorText.
    bool ReadArgument(int n, double& standardValue, std::string& errorText) const;
    void CallFunction(int arity);
    int LibraryIndex() const;
    int FunctionIndex() const;
    // The value text of the memory row the restore actions use: nullopt for the header row,
    // "" for the placeholder row of an empty memory.
    std::optional<std::string> CurrentMemoryValueText() const;

    IKXCalculatorView& View;
    const TKXLibraries& Libraries;
    TMemory& Memory;
    IKXMemoryDialog& MemoryDialog;
    TKXSettingsHooks SettingsHooks;
    TPropertyList Properties;
    TKXSettings CurrentSettings;
    bool Startup = true;
    // What the controller put into each selection list, to select by text.
    std::vector<std::vector<std::string>> ListItems;
    // The quantity of each argument row the current function shows; on a function change a row's
    // text and unit move to the new row of the same quantity, the others are emptied.
    std::vector<int32_t> ArgumentQuantities;
    // The properties panel has been set up once: coming back from unit conversion restores it.
    bool PropertiesShown = false;
};
