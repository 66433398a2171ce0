#pragma once
// The fluid explorer: a resizable window with the whole state of a library at once ("State"),
// property tables ("Table") and diagrams with the state in them ("Diagram"). Everything it shows
// comes from the explorer logic below the window (src/explorer), which calls the library functions.
#include <QWidget>
#include <map>
#include <memory>
#include <optional>

#include "KXDiagram.h"
#include "KXExplorerSettings.h"
#include "KXExplorerState.h"
#include "KXExplorerTable.h"
#include "KXExplorerUnits.h"
#include "KXPsychroChart.h"

class IKXClipboard;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTabWidget;
class QTimer;
class QTableWidget;
class TKXLibraries;
class TKXDiagramWidget;
class TKXCycleTab;
class TKXHumidAirPage;
class TKXPsychroWidget;

class TKXExplorerWindow : public QWidget {
    Q_OBJECT
  public:
    // The title is the caption, then the library's display and chemical names.
    static constexpr const char* Caption = "Varnexa Explorer";

    // unitSystem is the one to start with when nothing is remembered. With a settings path the
    // window starts as it was last closed and remembers itself there when closed.
    TKXExplorerWindow(const TKXLibraries& libraries, int unitSystem, IKXClipboard& clipboard,
                      QWidget* parent = nullptr, const QString& settingsPath = {});
    ~TKXExplorerWindow() override;

    QTabWidget* Tabs() const { return Tabs_; }
    const TKXState& State() const { return State_; }
    const TKXTable& Table() const { return Table_; }
    // The units of the state's rows and the table's columns, and, apart from them, the units of
    // the two value fields: choosing a unit on one side never changes the other.
    const TKXUnitChoice& Units() const { return *Units_; }
    const TKXUnitChoice& InputUnits() const { return *InputUnits_; }
    const TKXFluidFunctions& Fluid() const { return *Fluid_; }
    // The explorer's own unit system (0 SI, 1 engineering), apart from the main window's: a new
    // one sets every unit to its default in that system; typed numbers keep their values.
    int UnitSystem() const { return Units_->System(); }
    bool SelectUnitSystem(int system);

    // What the window would remember now, and writing it to the settings path.
    TKXExplorerSettings CurrentSettings() const;
    bool SaveSettings() const;

    // Selects a library (by its name, or a display name or alias in any case) / an input pair by
    // name and types the two values (in the fields' units); a new pair keeps a typed value only
    // for the same quantity.
    bool SelectLibrary(const QString& name);
    bool SelectPair(const QString& key);
    void SetValues(const QString& value1, const QString& value2);
    // Recomputes the state from the fields; runs on every keystroke.
    void RecalculateState();
    // Recomputes the table from the Table tab's fields.
    void RecalculateTable();
    // The tables as the copy buttons put them on the clipboard, and the CSV file.
    QString StateTsv() const;
    QString TableTsv() const;
    bool SaveTableCsv(const QString& path) const;

    // The diagram of the library and kind chosen, computed off the user-interface thread.
    TKXDiagramWidget* DiagramView() const { return Diagram; }
    bool SelectDiagramKind(TKXDiagramKind kind);
    bool DiagramReady() const { return DiagramShown == DiagramGeneration; }
    // The Cycle tab; its cycle is drawn on the diagram.
    TKXCycleTab* CycleTab() const { return CycleTab_; }
    // Sets the state at a point of the diagram (standard units), as a click does.
    bool SetStateAt(TKXPoint standard);
    // A humid-air library: its page in place of the fluid state (tab "Humid air") and the
    // psychrometric chart at the page's pressure in the Diagram tab.
    bool HumidAir() const { return HumidAir_; }
    TKXHumidAirPage* HumidAirPage() const { return HumidPage; }
    TKXPsychroWidget* PsychroView() const { return Psychro; }
    bool PsychroReady() const { return PsychroShown == PsychroGeneration; }
    // "Mark state": the current state stays marked on the diagram, numbered and listed in its
    // legend; "Clear marks" removes them (as does another library). The current state is
    // marked as well, with the next number, while it is not one of them.
    void MarkCurrentState();
    void ClearMarks();
    std::size_t MarkedStateCount() const { return MarkedStates.size(); }
    // "Print...": the diagram on one page of the printer (landscape unless the print dialog
    // said otherwise).
    bool PrintDiagram(QPrinter& printer) const;

  signals:
    // The state changed (a new state, a failure or another library).
    void StateChanged();
    // A newly computed diagram is on screen.
    void DiagramChanged();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // Takes what is valid of the remembered state over the defaults (after the first library).
    void RestoreSettings(const TKXExplorerSettings& stored);
    void RestoreTable(const TKXExplorerSettings::TTableRange& range);
    void UnitSystemChanged();
    QWidget* CreateStateTab();
    QWidget* CreateTableTab();
    QWidget* CreateDiagramTab();
    // keepView: the isolines for the view on screen; else for the default view.
    void RecomputeDiagram(bool keepView = false);
    void FillIsolineFamilies();
    void ShowIsolineStep();
    void TakeIsolineStep();
    void RecomputePsychro();
    void ShowHumidAir(bool humid);
    void ShowDiagram(const TKXDiagram& diagram);
    void ShowHover(TKXPoint standard);
    void ShowCycle();
    void ShowMarks();
    TKXDiagramKind DiagramKind() const;
    void LibraryChanged();
    void PairChanged();
    void FillValueUnits();
    // Rewrites the table's typed range in the new unit of its key, so it keeps its values.
    void ConvertTableFields(const std::string& key, const std::string& unit);
    void ShowState();
    void BuildStateRows();
    void UpdateTableFields();
    void ShowTable();
    TKXNumberFormat Format() const;
    QString CellString(const TKXCell& cell, const std::string& key) const;
    // The chosen input pair; nullptr for a library without input pairs.
    const TKXPairInfo* Pair() const;

    const TKXLibraries& Libraries;
    IKXClipboard& Clipboard;
    std::shared_ptr<TPropertyList> Catalogue;  // shared with the diagram computed off-thread
    std::unique_ptr<TKXUnitChoice> Units_;
    std::unique_ptr<TKXUnitChoice> InputUnits_;
    std::string FieldKeys[2];  // the keys of the two value fields as last filled
    std::unique_ptr<TKXFluidFunctions> Fluid_;
    std::vector<TKXPairInfo> Pairs;
    TKXState State_;
    TKXTable Table_;
    bool Filling = false;

    QString SettingsPath;  // empty: nothing is remembered
    // A remembered zoom, applied to the diagram of that generation when it arrives.
    std::optional<TKXExplorerSettings::TView> PendingView;
    int PendingViewGeneration = -1;

    QTabWidget* Tabs_ = nullptr;
    QComboBox* LibraryList = nullptr;
    QComboBox* UnitSystemList = nullptr;
    // State tab
    QComboBox* PairList = nullptr;
    QLabel* Value1Lbl = nullptr;
    QLabel* Value2Lbl = nullptr;
    QLineEdit* Value1Edit = nullptr;
    QLineEdit* Value2Edit = nullptr;
    QComboBox* Value1Unit = nullptr;
    QComboBox* Value2Unit = nullptr;
    QSpinBox* DigitsBox = nullptr;
    QTableWidget* StateTable = nullptr;
    QLabel* StateError = nullptr;
    QLabel* ReferenceNote = nullptr;
    // Table tab
    QComboBox* TableKindList = nullptr;
    QLabel* FixedTitle = nullptr;
    QLabel* FixedLbl = nullptr;
    QLineEdit* FixedEdit = nullptr;
    QLabel* FixedUnitLbl = nullptr;
    QLabel* RangeLbl = nullptr;
    QLineEdit* FromEdit = nullptr;
    QLineEdit* ToEdit = nullptr;
    QComboBox* StepModeList = nullptr;
    QLineEdit* StepEdit = nullptr;
    QLabel* RangeUnitLbl = nullptr;
    QLabel* TableError = nullptr;
    QTableWidget* ResultTable = nullptr;
    TKXCycleTab* CycleTab_ = nullptr;
    // Diagram tab
    QComboBox* DiagramKindList = nullptr;
    TKXDiagramWidget* Diagram = nullptr;
    QLabel* HoverLbl = nullptr;
    QComboBox* IsolineFamilyList = nullptr;
    QLineEdit* IsolineStepEdit = nullptr;
    QLabel* IsolineUnitLbl = nullptr;
    QTimer* ViewTimer = nullptr;                 // a burst of wheel steps recomputes once
    std::map<std::string, double> IsolineSteps;  // by family key, in its unit shown; 0: off
    std::vector<TKXState> MarkedStates;          // in the order marked
    std::shared_ptr<const TKXDiagram> CurrentDiagram;
    int DiagramGeneration = 0;
    int DiagramShown = -1;
    // Humid air
    bool HumidAir_ = false;
    QStackedWidget* StateStack = nullptr;
    QStackedWidget* DiagramStack = nullptr;
    QWidget* DiagramKindRow = nullptr;
    TKXHumidAirPage* HumidPage = nullptr;
    TKXPsychroWidget* Psychro = nullptr;
    std::shared_ptr<const TKXPsychroChart> CurrentPsychro;
    int PsychroGeneration = 0;
    int PsychroShown = -1;
    double PsychroPressure = 0.0;  // of the chart last asked for
};

// The picture of the main window's button that opens the explorer: a small p-h dome.
QIcon ExplorerIcon();
