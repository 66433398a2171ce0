#pragma once
// The main window: the expression display with its top bar, the function and number pads, the
// memory list and the property panel. It builds and places the widgets and forwards every user
// action to the controller; the logic lives in TKXCalculatorController.
#include <QWidget>
#include <array>
#include <memory>
#include <vector>

#include "KXCalculatorController.h"
#include "KXMemoryDialog.h"
#include "KXQtView.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QAbstractButton;
class IKXClipboard;
class TKXMemoryGrid;
class TKXExplorerWindow;

class TKXCalculatorForm : public QWidget {
    Q_OBJECT
  public:
    static constexpr const char* Caption = "Calvora Calculator";

    TKXCalculatorForm(const TKXLibraries& libraries, TMemory& memory, IKXClipboard& clipboard,
                      TKXSettingsHooks settings = {}, QWidget* parent = nullptr);
    ~TKXCalculatorForm() override;

    QWidget* Element(TKXElement element) const {
        return Elements[static_cast<std::size_t>(element)];
    }
    TKXMemoryGrid* MemoryGrid() const { return MemoryGrid_; }
    QMenu* MemoryPopupMenu() const { return MemoryPopupMenu_; }
    TKXCalculatorController& Controller() { return *Controller_; }
    bool IsPlaced() const { return Placed; }
    // The explorer window, opened by the top bar's "Explorer" button; nullptr until then.
    TKXExplorerWindow* ExplorerWindow() const { return Explorer; }
    void OpenExplorer();
    // Where the explorer remembers itself between runs; nowhere when empty (the default).
    void SetExplorerSettingsPath(const QString& path) { ExplorerSettingsPath = path; }

    // Clears the clipboard, puts text on it and pastes it into the display at the caret,
    // replacing the selection; the clipboard keeps the text.
    void InsertText(const QString& text);

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void CreateTopBar();
    void CreateFunctionPad();
    void CreateNumberPad();
    void CreatePropertyPanel();
    void CreateMemoryMenu();
    QAbstractButton* AddFunctionButton(const char* name, const QString& caption);
    QAbstractButton* AddPadButton(const char* name, const QString& caption);
    QAbstractButton* AddPictureButton(QWidget* parent, const char* name, const QIcon& icon,
                                      const QString& hint);
    QLabel* AddLabel(TKXElement element, const QString& caption);
    QComboBox* AddList(TKXElement element);
    QComboBox* AddUnitList(TKXElement element);
    QLineEdit* AddEdit(TKXElement element);
    void ConnectEvents();

    void Activate();
    void Execute();
    void CutDisplay();
    void CopyFrom(QLineEdit* edit);
    void PasteInto(QLineEdit* edit);
    // Pasting into an argument or value field takes the clipboard's value without the line
    // breaks, tabs and spaces around it, by button, by key and by the field's own menu.
    void PasteValueInto(QLineEdit* edit);
    // The paste button beside an argument or value field: a field holds one number, so the
    // pasted value replaces its text wherever the caret was.
    void PasteValueOver(QLineEdit* edit);
    void TrimPastedValues(QLineEdit* edit);
    bool IsValueField(const QObject* object) const;

    // Fixed placement at the first activation, from the controls' natural sizes.
    void PlaceControls();
    void CentreOnScreen();
    // The result row, the error label and the panel frames after a mode or function change.
    void ArrangePanel(const TKXPanelPlacement& placement);
    int ResultRowTop(const TKXPanelPlacement& placement) const;
    void PlaceRow(int top, QWidget* label, QWidget* unitList, QWidget* edit, QWidget* first,
                  QWidget* second);
    int PanelHeight(const TKXPanelPlacement& placement) const;

    IKXClipboard& Clipboard;
    std::array<QWidget*, static_cast<std::size_t>(TKXElement::Count)> Elements{};
    QFrame* TopPanel = nullptr;
    QFrame* FunctionPanel = nullptr;
    QFrame* ButtonPanel = nullptr;
    QFrame* LibraryPanel = nullptr;
    QFrame* ResultPanel = nullptr;
    QLabel* ModeLbl = nullptr;
    QAbstractButton* CutBtn = nullptr;
    QAbstractButton* CopyBtn = nullptr;
    QAbstractButton* PasteBtn = nullptr;
    QAbstractButton* ExplorerBtn = nullptr;
    const TKXLibraries* ExplorerLibraries = nullptr;
    TKXExplorerWindow* Explorer = nullptr;
    QString ExplorerSettingsPath;
    QAbstractButton* ClearBtn = nullptr;
    QAbstractButton* ExecuteBtn = nullptr;
    std::vector<std::vector<QAbstractButton*>> FunctionRows;
    std::vector<std::vector<QAbstractButton*>> DigitRows;
    std::vector<std::vector<QAbstractButton*>> OperatorRows;
    TKXMemoryGrid* MemoryGrid_ = nullptr;
    QMenu* MemoryPopupMenu_ = nullptr;

    // Sizes fixed at the first activation.
    bool Placed = false;
    bool Activating = false;
    int RowHeight = 0;             // every list and field of the property panel
    int ControlWidth = 0;          // the mode list's width
    std::array<int, 4> RowTops{};  // mode, library, function and first argument rows

    std::unique_ptr<TKXQtMemoryDialog> MemoryDialog;
    std::unique_ptr<TKXQtView> View;
    std::unique_ptr<TKXCalculatorController> Controller_;
};
