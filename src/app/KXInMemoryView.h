#pragma once
// A view without a window: keeps every element's state in memory. The tests and the
// command-line front end drive the real controller through it.
#include <array>
#include <string>
#include <vector>

#include "KXCalculatorView.h"

class TKXInMemoryView : public IKXCalculatorView {
  public:
    struct TElementState {
        bool Visible = true;
        bool Enabled = true;
        std::string Text;
        std::vector<std::string> Items;
        int Selected = -1;
        std::string Hint;
    };

    void SetVisible(TKXElement element, bool visible) override { State(element).Visible = visible; }
    bool IsVisible(TKXElement element) const override { return State(element).Visible; }
    void SetEnabled(TKXElement element, bool enabled) override { State(element).Enabled = enabled; }
    bool IsEnabled(TKXElement element) const override { return State(element).Enabled; }
    void SetText(TKXElement element, const std::string& text) override {
        State(element).Text = text;
    }
    std::string GetText(TKXElement element) const override { return State(element).Text; }
    void SetHint(TKXElement element, const std::string& hint) override {
        State(element).Hint = hint;
    }
    const std::string& GetHint(TKXElement element) const { return State(element).Hint; }
    void FillList(TKXElement element, const std::vector<std::string>& items) override;
    void SelectIndex(TKXElement element, int index) override;
    int GetSelectedIndex(TKXElement element) const override { return State(element).Selected; }
    std::string GetSelectedText(TKXElement element) const override;
    void ShowErrorMessage(const std::string& message) override { Messages.push_back(message); }
    void ArrangePanel(const TKXPanelPlacement& placement) override { LastPlacement = placement; }
    void UpdateMemoryGrid(const std::vector<TKXMemoryRow>& rows) override;
    int GetMemoryCurrentRow() const override { return MemoryCurrentRow; }

    // Selects the item with this text; false (selection unchanged) when the list lacks it.
    bool SelectText(TKXElement element, const std::string& text);
    const std::vector<std::string>& Items(TKXElement element) const { return State(element).Items; }

    // What a user would see or do besides the elements.
    std::vector<std::string> Messages;
    TKXPanelPlacement LastPlacement;
    std::vector<TKXMemoryRow> MemoryRows;
    bool MemoryGridEnabled = false;
    int MemoryCurrentRow = 1;

  private:
    TElementState& State(TKXElement e) { return Elements[static_cast<std::size_t>(e)]; }
    const TElementState& State(TKXElement e) const { return Elements[static_cast<std::size_t>(e)]; }
    std::array<TElementState, static_cast<std::size_t>(TKXElement::Count)> Elements;
};
