#pragma once
// The controller's view over real widgets. It only adapts: every element is a widget, every
// operation one widget call. Programmatic fills, selections and texts block the widgets' change
// signals, so only the user's own changes reach the controller as events.
#include <array>
#include <functional>

#include "KXCalculatorView.h"

class QWidget;
class TKXMemoryGrid;

// The name of each element, also the object name of its widget.
const char* ElementName(TKXElement element);

class TKXQtView : public IKXCalculatorView {
  public:
    using TElementWidgets = std::array<QWidget*, static_cast<std::size_t>(TKXElement::Count)>;
    using TArrangePanel = std::function<void(const TKXPanelPlacement&)>;

    TKXQtView(const TElementWidgets& widgets, TKXMemoryGrid* memoryGrid, QWidget* messageParent,
              TArrangePanel arrangePanel);

    void SetVisible(TKXElement element, bool visible) override;
    bool IsVisible(TKXElement element) const override;
    void SetEnabled(TKXElement element, bool enabled) override;
    bool IsEnabled(TKXElement element) const override;
    void SetText(TKXElement element, const std::string& text) override;
    std::string GetText(TKXElement element) const override;
    void SetHint(TKXElement element, const std::string& hint) override;
    void FillList(TKXElement element, const std::vector<std::string>& items) override;
    void SelectIndex(TKXElement element, int index) override;
    int GetSelectedIndex(TKXElement element) const override;
    std::string GetSelectedText(TKXElement element) const override;
    void ShowErrorMessage(const std::string& message) override;
    void ArrangePanel(const TKXPanelPlacement& placement) override;
    void UpdateMemoryGrid(const std::vector<TKXMemoryRow>& rows) override;
    int GetMemoryCurrentRow() const override;

  private:
    QWidget* Widget(TKXElement element) const;

    TElementWidgets Widgets;
    TKXMemoryGrid* MemoryGrid;
    QWidget* MessageParent;
    TArrangePanel Arrange;
};
