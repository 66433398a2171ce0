#include "KXQtView.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <stdexcept>

#include "KXMemoryGrid.h"
#include "KXMessageBox.h"

namespace {

constexpr const char* ElementNames[] = {
    "ModeList",
    "LibraryLbl",
    "LibraryList",
    "FunctionLbl",
    "FunctionList",
    "Argument1Lbl",
    "Argument2Lbl",
    "Argument3Lbl",
    "Argument1UnitList",
    "Argument2UnitList",
    "Argument3UnitList",
    "Argument1Edit",
    "Argument2Edit",
    "Argument3Edit",
    "PasteArgument1Btn",
    "PasteArgument2Btn",
    "PasteArgument3Btn",
    "RestoreArgument1Btn",
    "RestoreArgument2Btn",
    "RestoreArgument3Btn",
    "ResultLbl",
    "ResultUnitList",
    "ResultEdit",
    "CopyResultBtn",
    "StoreResultBtn",
    "ErrorMsgLbl",
    "PropertyLbl",
    "PropList",
    "ValueLbl",
    "ValueEdit",
    "PasteValueBtn",
    "RestoreValueBtn",
    "UnitList",
    "ConvertToList",
    "Display",
    "StoreBtn",
};
static_assert(std::size(ElementNames) == static_cast<std::size_t>(TKXElement::Count),
              "every element has a name");

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

const char* ElementName(TKXElement element) {
    const auto i = static_cast<std::size_t>(element);
    return i < std::size(ElementNames) ? ElementNames[i] : "";
}

TKXQtView::TKXQtView(const TElementWidgets& widgets, TKXMemoryGrid* memoryGrid,
                     QWidget* messageParent, TArrangePanel arrangePanel)
    : Widgets(widgets),
      MemoryGrid(memoryGrid),
      MessageParent(messageParent),
      Arrange(std::move(arrangePanel)) {
    for (QWidget* w : Widgets)
        if (!w) throw std::logic_error("every element of the view needs a widget");
}

QWidget* TKXQtView::Widget(TKXElement element) const {
    return Widgets.at(static_cast<std::size_t>(element));
}

// Visibility of the element itself, whether or not the window is on screen yet.
void TKXQtView::SetVisible(TKXElement element, bool visible) {
    Widget(element)->setVisible(visible);
}
bool TKXQtView::IsVisible(TKXElement element) const {
    return !Widget(element)->isHidden();
}
void TKXQtView::SetHint(TKXElement element, const std::string& hint) {
    Widget(element)->setToolTip(ToQt(hint));
}

void TKXQtView::SetEnabled(TKXElement element, bool enabled) {
    Widget(element)->setEnabled(enabled);
}
bool TKXQtView::IsEnabled(TKXElement element) const {
    return Widget(element)->isEnabled();
}

void TKXQtView::SetText(TKXElement element, const std::string& text) {
    QWidget* w = Widget(element);
    const QSignalBlocker blocker(w);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText(ToQt(text));
    else if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(ToQt(text));
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(ToQt(text));
}

std::string TKXQtView::GetText(TKXElement element) const {
    QWidget* w = Widget(element);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text().toStdString();
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text().toStdString();
    if (auto* list = qobject_cast<QComboBox*>(w)) return list->currentText().toStdString();
    return "";
}

void TKXQtView::FillList(TKXElement element, const std::vector<std::string>& items) {
    auto* list = qobject_cast<QComboBox*>(Widget(element));
    if (!list) return;
    const QSignalBlocker blocker(list);
    list->clear();
    for (const std::string& item : items) list->addItem(ToQt(item));
    list->setCurrentIndex(-1);
}

void TKXQtView::SelectIndex(TKXElement element, int index) {
    auto* list = qobject_cast<QComboBox*>(Widget(element));
    if (!list) return;
    const QSignalBlocker blocker(list);
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

int TKXQtView::GetSelectedIndex(TKXElement element) const {
    auto* list = qobject_cast<QComboBox*>(Widget(element));
    return list ? list->currentIndex() : -1;
}

std::string TKXQtView::GetSelectedText(TKXElement element) const {
    auto* list = qobject_cast<QComboBox*>(Widget(element));
    if (!list || list->currentIndex() < 0) return "";
    return list->itemText(list->currentIndex()).toStdString();
}

void TKXQtView::ShowErrorMessage(const std::string& message) {
    ShowErrorMessageBox(MessageParent, ToQt(message));
}

void TKXQtView::ArrangePanel(const TKXPanelPlacement& placement) {
    if (Arrange) Arrange(placement);
}

void TKXQtView::UpdateMemoryGrid(const std::vector<TKXMemoryRow>& rows) {
    MemoryGrid->SetRows(rows);
}

int TKXQtView::GetMemoryCurrentRow() const {
    return MemoryGrid->CurrentRow();
}
