#pragma once
// The explorer's page for a humid-air library: pressure (or altitude), dry-bulb temperature and
// one humidity input (relative humidity, humidity ratio, dew point or wet bulb) give the whole
// state, each row in its unit; a wrong input shows the library's text instead of numbers. Every
// number comes from the explorer logic below (src/explorer), which calls the library functions.
#include <QWidget>
#include <memory>
#include <optional>

#include "KXDiagram.h"
#include "KXExplorerUnits.h"
#include "KXHumidAir.h"

class IKXClipboard;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTableWidget;
class TKXLibraries;

class TKXHumidAirPage : public QWidget {
    Q_OBJECT
  public:
    // The rows' units and the fields' units are the explorer's (kept apart, as on its state page).
    TKXHumidAirPage(const TKXLibraries& libraries, TKXUnitChoice& units, TKXUnitChoice& inputUnits,
                    IKXClipboard& clipboard, QWidget* parent = nullptr);
    ~TKXHumidAirPage() override;

    // A humid-air library by its registry index: starts from 25 °C and 50 % at standard pressure.
    void SetLibrary(int libraryIndex);
    // The humidity input by key ("RH", "W", "Td", "Twb") and whether the first field is the
    // altitude; a new input takes the current state's value of its key.
    bool SelectInput(const QString& key);
    void SetAltitudeMode(bool altitude);
    // Types the three fields (pressure or altitude, dry-bulb temperature, humidity) in their units.
    void SetValues(const QString& pressure, const QString& temperature, const QString& humidity);
    // The state at a point (T, W) of the chart (standard units), as a click sets it: the
    // humidity-ratio input, the pressure field as it is.
    void SetStateAt(TKXPoint standard);
    // The state as the fields give it; recomputed on every keystroke.
    const TKXState& State() const { return State_; }
    // The pressure of the state in bar(a), or of the standard atmosphere when the fields give
    // none: the chart's pressure.
    double Pressure() const { return Pressure_; }
    QString StateTsv() const;
    // Re-reads the row units (another page chose one).
    void ShowState();

  signals:
    void StateChanged();
    // A unit chosen in a row: the charts follow.
    void UnitsChanged();

  private:
    void Recalculate();
    void FillUnits();
    void BuildRows();
    const TKXHumidInputInfo& Input() const;

    const TKXLibraries& Libraries;
    TKXUnitChoice& Units;
    TKXUnitChoice& InputUnits;
    IKXClipboard& Clipboard;
    std::unique_ptr<TKXHumidAirFunctions> Air;
    TKXState State_;
    double Pressure_ = 1.01325;
    bool Filling = false;
    std::string FieldKeys[3];

    QComboBox* PressureMode = nullptr;
    QComboBox* InputList = nullptr;
    QLineEdit* Edits[3] = {};
    QComboBox* UnitLists[3] = {};
    QSpinBox* Digits = nullptr;
    QLabel* Error = nullptr;
    QTableWidget* Table = nullptr;
    QLabel* Note = nullptr;
};
