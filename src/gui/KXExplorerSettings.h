#pragma once
// What the explorer remembers between runs, in an INI file of its own beside the main window's
// settings (Varnexa.Cfg). Reading checks the form of every entry: a missing, unreadable or
// malformed entry is left empty, so the window keeps its default for it. Whether a library, pair
// or unit exists is for the window to check. Numbers are kept in the library's standard units,
// so each means the same state whatever became of the remembered units.
#include <QString>
#include <array>
#include <map>
#include <optional>
#include <string>

struct TKXExplorerSettings {
    // The Table tab's fields.
    struct TTableRange {
        int Kind = 0;      // the index in the table kind list
        int StepMode = 0;  // 0 a step, 1 a number of rows
        std::optional<double> Fixed;
        double From = 0, To = 0;
        double Step = 0;  // a difference of the range's quantity, or the number of rows
    };
    // A rectangle of the diagram in the library's standard units.
    struct TView {
        double X0 = 0, X1 = 1, Y0 = 0, Y1 = 1;
    };

    std::optional<int> UnitSystem;                // 0 SI, 1 engineering
    QString Library;                              // the library's name
    QString Tab;                                  // the tab's title
    QString Pair;                                 // the input pair's key, "pT"
    std::optional<std::array<double, 2>> Values;  // the two value fields
    std::optional<int> Digits;
    std::map<std::string, std::string> Units;       // the state's rows, by key
    std::map<std::string, std::string> InputUnits;  // the value fields, by key
    std::optional<TTableRange> Table;
    std::optional<int> DiagramKind;
    std::optional<TView> DiagramView;  // only when the view was zoomed or panned
};

// Never fails: a missing or corrupt file gives an empty struct (every default).
TKXExplorerSettings ReadExplorerSettings(const QString& path);
// Replaces the file's content; false when it cannot be written.
bool WriteExplorerSettings(const QString& path, const TKXExplorerSettings& settings);
// "explorer.ini" in the folder of the main window's settings file.
QString ExplorerSettingsPathBeside(const std::string& settingsPath);
