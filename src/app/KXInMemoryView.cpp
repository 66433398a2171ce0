#include "KXInMemoryView.h"

#include <algorithm>

void TKXInMemoryView::FillList(TKXElement element, const std::vector<std::string>& items) {
    State(element).Items = items;
    State(element).Selected = -1;
}

void TKXInMemoryView::SelectIndex(TKXElement element, int index) {
    TElementState& s = State(element);
    s.Selected = index >= 0 && index < static_cast<int>(s.Items.size()) ? index : -1;
}

std::string TKXInMemoryView::GetSelectedText(TKXElement element) const {
    const TElementState& s = State(element);
    return s.Selected >= 0 ? s.Items[s.Selected] : "";
}

bool TKXInMemoryView::SelectText(TKXElement element, const std::string& text) {
    const auto& items = State(element).Items;
    const auto it = std::find(items.begin(), items.end(), text);
    if (it == items.end()) return false;
    State(element).Selected = static_cast<int>(it - items.begin());
    return true;
}

void TKXInMemoryView::UpdateMemoryGrid(const std::vector<TKXMemoryRow>& rows) {
    MemoryRows = rows;
    MemoryGridEnabled = !rows.empty();
    // The current row keeps its number, clamped to the last data row (or the placeholder row).
    const int last = std::max(1, static_cast<int>(rows.size()));
    MemoryCurrentRow = std::clamp(MemoryCurrentRow, 0, last);
    if (rows.empty()) MemoryCurrentRow = 1;
}
