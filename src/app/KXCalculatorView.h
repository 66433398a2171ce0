#pragma once
// What the controller sees of the window: named elements it shows, hides, fills, selects and
// reads. The Qt window implements this; TKXInMemoryView implements it for tests and the CLI.
#include <string>
#include <vector>

enum class TKXElement : int {
    ModeList,
    LibraryLbl,
    LibraryList,
    FunctionLbl,
    FunctionList,
    Argument1Lbl,
    Argument2Lbl,
    Argument3Lbl,
    Argument1UnitList,
    Argument2UnitList,
    Argument3UnitList,
    Argument1Edit,
    Argument2Edit,
    Argument3Edit,
    PasteArgument1Btn,
    PasteArgument2Btn,
    PasteArgument3Btn,
    RestoreArgument1Btn,
    RestoreArgument2Btn,
    RestoreArgument3Btn,
    ResultLbl,
    ResultUnitList,
    ResultEdit,
    CopyResultBtn,
    StoreResultBtn,
    ErrorMsgLbl,
    PropertyLbl,
    PropList,
    ValueLbl,
    ValueEdit,
    PasteValueBtn,
    RestoreValueBtn,
    UnitList,
    ConvertToList,
    Display,
    StoreBtn,
    Count
};

// The elements of argument row n (1 to 3).
TKXElement ArgumentLbl(int n);
TKXElement ArgumentUnitList(int n);
TKXElement ArgumentEdit(int n);
TKXElement PasteArgumentBtn(int n);
TKXElement RestoreArgumentBtn(int n);

// Which rows the property panel shows, so the window can place the result row under them.
struct TKXPanelPlacement {
    int Mode = 0;          // 0 properties, 1 unit conversion
    int ArgumentRows = 0;  // visible argument rows in properties mode (0 to 3)
};

// One data row of the memory list: the texts of its "Index", "Name" and "Value" cells.
struct TKXMemoryRow {
    std::string Index;
    std::string Name;
    std::string Value;
};

class IKXCalculatorView {
  public:
    virtual ~IKXCalculatorView() = default;

    virtual void SetVisible(TKXElement element, bool visible) = 0;
    virtual bool IsVisible(TKXElement element) const = 0;
    virtual void SetEnabled(TKXElement element, bool enabled) = 0;
    virtual bool IsEnabled(TKXElement element) const = 0;

    // Labels and text fields. Setting a text never raises a change event towards the controller.
    virtual void SetText(TKXElement element, const std::string& text) = 0;
    virtual std::string GetText(TKXElement element) const = 0;

    // The hint shown when the pointer rests on an element ("" for none). Views that show no
    // hints may ignore it.
    virtual void SetHint(TKXElement /*element*/, const std::string& /*hint*/) {}

    // Selection lists: FillList clears the list, appends the texts and leaves nothing selected;
    // SelectIndex selects a position (-1 for none). Neither raises a change event.
    virtual void FillList(TKXElement element, const std::vector<std::string>& items) = 0;
    virtual void SelectIndex(TKXElement element, int index) = 0;
    virtual int GetSelectedIndex(TKXElement element) const = 0;
    // The selected item's text, "" when nothing is selected.
    virtual std::string GetSelectedText(TKXElement element) const = 0;

    // A modal error message with an OK button.
    virtual void ShowErrorMessage(const std::string& message) = 0;

    // Places the result row, the error label and the panel frame after a mode or function change.
    virtual void ArrangePanel(const TKXPanelPlacement& placement) = 0;

    // Redraws the memory list; an empty list shows the header, one empty row, and is disabled.
    virtual void UpdateMemoryGrid(const std::vector<TKXMemoryRow>& rows) = 0;
    // The current row of the memory list: 0 is the header row, 1 the first data row (or the
    // empty placeholder row of an empty memory).
    virtual int GetMemoryCurrentRow() const = 0;
};
