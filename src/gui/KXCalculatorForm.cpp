#include "KXCalculatorForm.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <tuple>

#include "KXClipboard.h"
#include "KXExplorerWindow.h"
#include "KXIcons.h"
#include "KXMemoryGrid.h"
#include "NumberText.h"

namespace {

// Distances of the window's placement rules, in pixels.
constexpr int TopPanelHeight = 33;
constexpr int Margin = 8;           // frames, pads and the window edge
constexpr int RowGap = 4;           // between rows of the property panel
constexpr int LabelDrop = 2;        // a label sits this much lower than its row's control
constexpr int ControlColumn = 140;  // from the label column to the control column
constexpr int OperatorGap = 16;     // between the digit and the operator group

struct TInsertingButton {
    const char* Name;
    const char* Caption;
    const char* Text;
};

// The function pad below its first row ("clear" and "store"): caption and inserted text.
constexpr TInsertingButton FunctionButtons[2][9] = {
    {{"SinBtn", "sin", "Sin("},
     {"CosBtn", "cos", "Cos("},
     {"TanBtn", "tan", "Tan("},
     {"SqrtBtn", "√", "Sqrt("},
     {"lnBtn", "ln", "ln("},
     {"ExponentBtn", "exp", "Exp("},
     {"LogBtn", "log", "Log("}},
    {{"ASinBtn", "arcsin", "Asin("},
     {"ACosBtn", "arccos", "Acos("},
     {"ATanBtn", "arctan", "Atan("},
     {"AbsBtn", "abs", "Abs("},
     {"UnitBtn", "unit", "Unit("},
     {"RampBtn", "ramp", "Ramp("},
     {"RoundBtn", "round", "Round("},
     {"TruncBtn", "trunc", "Trunc("},
     {"SgnBtn", "sgn", "Sgn("}},
};

// The number pad: digits left, operators right; each inserts its caption.
constexpr TInsertingButton DigitButtons[4][3] = {
    {{"Digit1Btn", "1", "1"}, {"Digit2Btn", "2", "2"}, {"Digit3Btn", "3", "3"}},
    {{"Digit4Btn", "4", "4"}, {"Digit5Btn", "5", "5"}, {"Digit6Btn", "6", "6"}},
    {{"Digit7Btn", "7", "7"}, {"Digit8Btn", "8", "8"}, {"Digit9Btn", "9", "9"}},
    {{"Digit0Btn", "0", "0"}, {"PointBtn", ".", "."}, {"ExponentSignBtn", "E", "E"}},
};
constexpr TInsertingButton OperatorButtons[3][3] = {
    {{"OpenParenBtn", "(", "("}, {"CloseParenBtn", ")", ")"}, {"PowerBtn", "^", "^"}},
    {{"PlusBtn", "+", "+"}, {"MinusBtn", "-", "-"}, {"PiBtn", "", "pi"}},
    {{"TimesBtn", "*", "*"}, {"DivideBtn", "/", "/"}},
};

QFont PadFont(const QFont& base) {
    QFont font = base;
    font.setPixelSize(16);
    font.setBold(true);
    return font;
}

QSize LargestHint(const std::vector<std::vector<QAbstractButton*>>& rows) {
    QSize size;
    for (const auto& row : rows)
        for (QAbstractButton* b : row) size = size.expandedTo(b->sizeHint());
    return size;
}

// The width a selection list needs for its minimum contents length and, when asked, for its
// longest item.
int NaturalListWidth(const QComboBox* list, bool fitItems) {
    const QFontMetrics metrics = list->fontMetrics();
    int text = list->minimumContentsLength() * metrics.horizontalAdvance(u'X');
    for (int i = 0; fitItems && i < list->count(); ++i)
        text = std::max(text, metrics.horizontalAdvance(list->itemText(i)));
    QStyleOptionComboBox option;
    option.initFrom(list);
    return list->style()
        ->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(text, metrics.height()), list)
        .width();
}

int Right(const QWidget* w) {
    return w->x() + w->width();
}
int Bottom(const QWidget* w) {
    return w->y() + w->height();
}

// The argument rows the panel must have room for: two, or three when the registry has a
// function of three arguments.
int MostArgumentRows(const TKXLibraries& libraries) {
    int rows = 2;
    for (int l = 0; l < libraries.Count(); ++l) {
        const TKXLibrary* library = libraries.Library(l);
        for (int f = 0; f < library->Count(); ++f)
            rows = std::max(rows, std::min(library->GetNoOfArguments(f), 3));
    }
    return rows;
}

}  // namespace

TKXCalculatorForm::TKXCalculatorForm(const TKXLibraries& libraries, TMemory& memory,
                                     IKXClipboard& clipboard, TKXSettingsHooks settings,
                                     QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      Clipboard(clipboard) {
    setObjectName("KXCalculatorForm");
    setWindowTitle(Caption);
    setWindowIcon(kxicons::Window());
    ExplorerLibraries = &libraries;

    // Frames first, so the controls placed over them stay on top.
    TopPanel = new QFrame(this);
    TopPanel->setObjectName("TopPanel");
    TopPanel->setFrameShape(QFrame::StyledPanel);
    FunctionPanel = new QFrame(this);
    FunctionPanel->setObjectName("FunctionPanel");
    FunctionPanel->setFrameShape(QFrame::StyledPanel);
    ButtonPanel = new QFrame(this);
    ButtonPanel->setObjectName("ButtonPanel");
    ButtonPanel->setFrameShape(QFrame::StyledPanel);
    LibraryPanel = new QFrame(this);
    LibraryPanel->setObjectName("LibraryPanel");
    LibraryPanel->setFrameShape(QFrame::StyledPanel);
    ResultPanel = new QFrame(LibraryPanel);
    ResultPanel->setObjectName("ResultPanel");
    ResultPanel->setAutoFillBackground(true);
    QPalette silver = ResultPanel->palette();
    silver.setColor(QPalette::Window, QColor(0xc0, 0xc0, 0xc0));
    ResultPanel->setPalette(silver);

    auto* display = new QLineEdit(this);
    display->setObjectName(ElementName(TKXElement::Display));
    QFont displayFont = display->font();
    displayFont.setPixelSize(19);
    display->setFont(displayFont);
    Elements[static_cast<std::size_t>(TKXElement::Display)] = display;

    CreateTopBar();
    CreateFunctionPad();
    CreateNumberPad();
    MemoryGrid_ = new TKXMemoryGrid(this);
    CreateMemoryMenu();
    CreatePropertyPanel();

    MemoryDialog = std::make_unique<TKXQtMemoryDialog>(this);
    View = std::make_unique<TKXQtView>(Elements, MemoryGrid_, this,
                                       [this](const TKXPanelPlacement& p) { ArrangePanel(p); });
    Controller_ = std::make_unique<TKXCalculatorController>(*View, libraries, memory, *MemoryDialog,
                                                            std::move(settings));
    ConnectEvents();
}

TKXCalculatorForm::~TKXCalculatorForm() = default;

QAbstractButton* TKXCalculatorForm::AddPictureButton(QWidget* parent, const char* name,
                                                     const QIcon& icon, const QString& hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(icon);
    button->setToolTip(hint);
    // Buttons never take the focus: the field being edited keeps its caret and selection.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void TKXCalculatorForm::CreateTopBar() {
    CutBtn = AddPictureButton(TopPanel, "CutBtn", kxicons::Cut(), "Cut");
    CopyBtn = AddPictureButton(TopPanel, "CopyBtn", kxicons::Copy(), "Copy");
    PasteBtn = AddPictureButton(TopPanel, "PasteBtn", kxicons::Paste(), "Paste");
    ExplorerBtn = AddPictureButton(TopPanel, "ExplorerBtn", ExplorerIcon(), "Explorer");
    for (QAbstractButton* b : {CutBtn, CopyBtn, PasteBtn, ExplorerBtn})
        static_cast<QToolButton*>(b)->setAutoRaise(true);
}

QAbstractButton* TKXCalculatorForm::AddFunctionButton(const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, FunctionPanel);
    button->setObjectName(name);
    button->setFont(PadFont(font()));
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    return button;
}

QAbstractButton* TKXCalculatorForm::AddPadButton(const char* name, const QString& caption) {
    auto* button = new QToolButton(ButtonPanel);
    button->setObjectName(name);
    button->setText(caption);
    button->setFont(PadFont(font()));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void TKXCalculatorForm::CreateFunctionPad() {
    ClearBtn = AddFunctionButton("ClearBtn", "clear");
    QAbstractButton* store = AddFunctionButton(ElementName(TKXElement::StoreBtn), "store");
    store->setToolTip("Store Value in Display in Memory");
    Elements[static_cast<std::size_t>(TKXElement::StoreBtn)] = store;
    FunctionRows.push_back({ClearBtn, store});
    for (const auto& row : FunctionButtons) {
        std::vector<QAbstractButton*> buttons;
        for (const TInsertingButton& b : row) {
            if (!b.Name) break;
            QAbstractButton* button = AddFunctionButton(b.Name, QString::fromUtf8(b.Caption));
            const QString text = b.Text;
            connect(button, &QAbstractButton::clicked, this, [this, text] { InsertText(text); });
            buttons.push_back(button);
        }
        FunctionRows.push_back(buttons);
    }
}

void TKXCalculatorForm::CreateNumberPad() {
    for (const auto& row : DigitButtons) {
        std::vector<QAbstractButton*> buttons;
        for (const TInsertingButton& b : row) buttons.push_back(AddPadButton(b.Name, b.Caption));
        DigitRows.push_back(buttons);
    }
    for (const auto& row : OperatorButtons) {
        std::vector<QAbstractButton*> buttons;
        for (const TInsertingButton& b : row)
            if (b.Name) buttons.push_back(AddPadButton(b.Name, b.Caption));
        OperatorRows.push_back(buttons);
    }
    auto connectInsert = [this](const auto& table, const auto& rows) {
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (std::size_t c = 0; c < rows[r].size(); ++c) {
                const QString text = table[r][c].Text;
                connect(rows[r][c], &QAbstractButton::clicked, this,
                        [this, text] { InsertText(text); });
            }
    };
    connectInsert(DigitButtons, DigitRows);
    connectInsert(OperatorButtons, OperatorRows);

    auto* pi = static_cast<QToolButton*>(OperatorRows[1][2]);
    pi->setIcon(kxicons::Pi());
    pi->setIconSize(QSize(20, 20));
    pi->setToolButtonStyle(Qt::ToolButtonIconOnly);
    pi->setToolTip("pi");

    ExecuteBtn = AddPadButton("ExecuteBtn", "=");
    OperatorRows.push_back({ExecuteBtn});
}

QLabel* TKXCalculatorForm::AddLabel(TKXElement element, const QString& caption) {
    auto* label = new QLabel(caption, LibraryPanel);
    label->setObjectName(ElementName(element));
    Elements[static_cast<std::size_t>(element)] = label;
    return label;
}

QComboBox* TKXCalculatorForm::AddList(TKXElement element) {
    auto* list = new QComboBox(LibraryPanel);
    list->setObjectName(ElementName(element));
    // Lists keep the width placement gives them: the toolkit's "adjust to contents" would
    // resize them itself after every refill.
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Elements[static_cast<std::size_t>(element)] = list;
    return list;
}

QComboBox* TKXCalculatorForm::AddUnitList(TKXElement element) {
    QComboBox* list = AddList(element);
    // Wide enough for nearly every unit name ("psi.ft3/lbR", "kg/cm2(a)"); the few longer ones
    // show whole in the open list. Sizing to the contents would widen the whole panel to 2.5
    // times the longest pressure unit.
    list->setMinimumContentsLength(9);
    return list;
}

QLineEdit* TKXCalculatorForm::AddEdit(TKXElement element) {
    auto* edit = new QLineEdit(LibraryPanel);
    edit->setObjectName(ElementName(element));
    Elements[static_cast<std::size_t>(element)] = edit;
    return edit;
}

void TKXCalculatorForm::CreatePropertyPanel() {
    using E = TKXElement;
    ModeLbl = new QLabel("Mode", LibraryPanel);
    ModeLbl->setObjectName("ModeLbl");
    AddList(E::ModeList);
    AddLabel(E::LibraryLbl, "Library");
    AddList(E::LibraryList);
    AddLabel(E::FunctionLbl, "Function");
    // Room for a full function name even before the first library's names are known.
    AddList(E::FunctionList)->setMinimumContentsLength(16);
    for (int n = 1; n <= 3; ++n) {
        AddLabel(ArgumentLbl(n), "");
        AddUnitList(ArgumentUnitList(n));
        AddEdit(ArgumentEdit(n));
        Elements[static_cast<std::size_t>(PasteArgumentBtn(n))] = AddPictureButton(
            LibraryPanel, ElementName(PasteArgumentBtn(n)), kxicons::Paste(), "Paste");
        Elements[static_cast<std::size_t>(RestoreArgumentBtn(n))] = AddPictureButton(
            LibraryPanel, ElementName(RestoreArgumentBtn(n)), kxicons::Restore(), "Restore");
    }
    AddLabel(E::ResultLbl, "Result");
    AddUnitList(E::ResultUnitList);
    AddEdit(E::ResultEdit)->setReadOnly(true);
    Elements[static_cast<std::size_t>(E::CopyResultBtn)] =
        AddPictureButton(LibraryPanel, ElementName(E::CopyResultBtn), kxicons::Copy(), "Copy");
    Elements[static_cast<std::size_t>(E::StoreResultBtn)] =
        AddPictureButton(LibraryPanel, ElementName(E::StoreResultBtn), kxicons::Store(), "Store");

    QLabel* error = AddLabel(E::ErrorMsgLbl, "Error");
    QPalette red = error->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    error->setPalette(red);

    AddLabel(E::PropertyLbl, "Property");
    AddList(E::PropList);
    AddLabel(E::ValueLbl, "Value");
    AddEdit(E::ValueEdit);
    Elements[static_cast<std::size_t>(E::PasteValueBtn)] =
        AddPictureButton(LibraryPanel, ElementName(E::PasteValueBtn), kxicons::Paste(), "Paste");
    Elements[static_cast<std::size_t>(E::RestoreValueBtn)] = AddPictureButton(
        LibraryPanel, ElementName(E::RestoreValueBtn), kxicons::Restore(), "Restore");
    AddUnitList(E::UnitList);
    AddUnitList(E::ConvertToList);
}

void TKXCalculatorForm::CreateMemoryMenu() {
    MemoryPopupMenu_ = new QMenu(this);
    MemoryPopupMenu_->setObjectName("MemoryPopupMenu");
    MemoryPopupMenu_->addAction("Restore", this, [this] {
        if (const auto text = Controller_->RestoreText()) InsertText(QString::fromStdString(*text));
    });
    MemoryPopupMenu_->addSeparator();
    MemoryPopupMenu_->addAction("Add", this, [this] { Controller_->AddMemory(); });
    MemoryPopupMenu_->addSeparator();
    MemoryPopupMenu_->addAction("Clear", this, [this] { Controller_->ClearMemoryRow(); });
    MemoryPopupMenu_->addAction("Clear All", this, [this] { Controller_->ClearAllMemory(); });
    connect(MemoryGrid_, &TKXMemoryGrid::MenuRequested, MemoryPopupMenu_,
            [this](const QPoint& at) { MemoryPopupMenu_->popup(at); });
    connect(MemoryGrid_, &TKXMemoryGrid::ClearRequested, this,
            [this] { Controller_->ClearMemoryRow(); });
}

void TKXCalculatorForm::ConnectEvents() {
    using E = TKXElement;
    auto list = [this](E e) { return static_cast<QComboBox*>(Element(e)); };
    auto edit = [this](E e) { return static_cast<QLineEdit*>(Element(e)); };
    auto button = [this](E e) { return static_cast<QAbstractButton*>(Element(e)); };
    TKXCalculatorController* c = Controller_.get();

    connect(list(E::ModeList), &QComboBox::currentIndexChanged, this, [c] { c->ModeListChange(); });
    connect(list(E::LibraryList), &QComboBox::currentIndexChanged, this,
            [c] { c->LibraryListChange(); });
    connect(list(E::FunctionList), &QComboBox::currentIndexChanged, this,
            [c] { c->FunctionListChange(); });
    connect(list(E::PropList), &QComboBox::currentIndexChanged, this, [c] { c->PropListChange(); });
    for (E e : {E::Argument1UnitList, E::Argument2UnitList, E::Argument3UnitList, E::ResultUnitList,
                E::UnitList, E::ConvertToList})
        connect(list(e), &QComboBox::currentIndexChanged, this, [c] { c->Argument1EditChange(); });
    for (E e : {E::Argument1Edit, E::Argument2Edit, E::Argument3Edit, E::ValueEdit})
        connect(edit(e), &QLineEdit::textChanged, this, [c] { c->Argument1EditChange(); });

    QLineEdit* display = edit(E::Display);
    connect(display, &QLineEdit::textChanged, this, [c] { c->UpdateStoreButton(); });
    connect(display, &QLineEdit::returnPressed, this, [this] { Execute(); });
    connect(ExecuteBtn, &QAbstractButton::clicked, this, [this] { Execute(); });
    connect(ClearBtn, &QAbstractButton::clicked, this, [c] { c->ClearDisplay(); });
    connect(button(E::StoreBtn), &QAbstractButton::clicked, this, [c] { c->StoreDisplay(); });
    connect(button(E::StoreResultBtn), &QAbstractButton::clicked, this, [c] { c->StoreResult(); });

    connect(CutBtn, &QAbstractButton::clicked, this, [this] { CutDisplay(); });
    connect(CopyBtn, &QAbstractButton::clicked, this, [this, display] { CopyFrom(display); });
    connect(PasteBtn, &QAbstractButton::clicked, this, [this, display] { PasteInto(display); });
    connect(ExplorerBtn, &QAbstractButton::clicked, this, [this] { OpenExplorer(); });
    connect(button(E::CopyResultBtn), &QAbstractButton::clicked, this,
            [this, edit] { CopyFrom(edit(E::ResultEdit)); });
    for (int n = 1; n <= 3; ++n) {
        QLineEdit* field = edit(ArgumentEdit(n));
        connect(button(PasteArgumentBtn(n)), &QAbstractButton::clicked, this,
                [this, field] { PasteValueOver(field); });
        TrimPastedValues(field);
        connect(button(RestoreArgumentBtn(n)), &QAbstractButton::clicked, this,
                [c, n] { c->RestoreArgument(n); });
    }
    connect(button(E::PasteValueBtn), &QAbstractButton::clicked, this,
            [this, edit] { PasteValueOver(edit(E::ValueEdit)); });
    TrimPastedValues(edit(E::ValueEdit));
    connect(button(E::RestoreValueBtn), &QAbstractButton::clicked, this,
            [c] { c->RestoreValue(); });
}

void TKXCalculatorForm::InsertText(const QString& text) {
    Clipboard.Clear();
    Clipboard.SetText(text);
    PasteInto(static_cast<QLineEdit*>(Element(TKXElement::Display)));
}

void TKXCalculatorForm::PasteInto(QLineEdit* edit) {
    edit->insert(Clipboard.GetText());
}

void TKXCalculatorForm::PasteValueInto(QLineEdit* edit) {
    edit->insert(QString::fromStdString(TrimPastedValue(Clipboard.GetText().toStdString())));
}

void TKXCalculatorForm::PasteValueOver(QLineEdit* edit) {
    // One change event: the field never holds the old and the pasted text together.
    edit->setText(QString::fromStdString(TrimPastedValue(Clipboard.GetText().toStdString())));
}

void TKXCalculatorForm::TrimPastedValues(QLineEdit* edit) {
    edit->installEventFilter(this);
    // The field's own menu, with its "Paste" going the same way.
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(edit, &QWidget::customContextMenuRequested, this, [this, edit](const QPoint& at) {
        QMenu* menu = edit->createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        // The paste item: named "edit-paste" by newer toolkits, known by its key before.
        const QString pasteKey =
            "\t" + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
        for (QAction* action : menu->actions()) {
            if (action->objectName() != "edit-paste" && !action->text().endsWith(pasteKey))
                continue;
            QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, [this, edit] { PasteValueInto(edit); });
        }
        menu->popup(edit->mapToGlobal(at));
    });
}

bool TKXCalculatorForm::IsValueField(const QObject* object) const {
    for (TKXElement e : {TKXElement::Argument1Edit, TKXElement::Argument2Edit,
                         TKXElement::Argument3Edit, TKXElement::ValueEdit})
        if (object == Element(e)) return true;
    return false;
}

bool TKXCalculatorForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && IsValueField(watched) &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
        auto* edit = static_cast<QLineEdit*>(watched);
        if (!edit->isReadOnly()) PasteValueInto(edit);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TKXCalculatorForm::CopyFrom(QLineEdit* edit) {
    Clipboard.SetText(edit->hasSelectedText() ? edit->selectedText() : edit->text());
}

void TKXCalculatorForm::OpenExplorer() {
    if (!Explorer)
        Explorer = new TKXExplorerWindow(*ExplorerLibraries, Controller_->Settings().UnitSystem,
                                         Clipboard, this, ExplorerSettingsPath);
    Explorer->show();
    Explorer->raise();
    Explorer->activateWindow();
}

void TKXCalculatorForm::CutDisplay() {
    auto* display = static_cast<QLineEdit*>(Element(TKXElement::Display));
    if (display->hasSelectedText()) {
        Clipboard.SetText(display->selectedText());
        display->del();
    } else {
        Clipboard.SetText(display->text());
        display->clear();
    }
}

void TKXCalculatorForm::Execute() {
    Controller_->Execute();
    // The result is itself an expression: leave the caret after it, ready for more input.
    static_cast<QLineEdit*>(Element(TKXElement::Display))->end(false);
}

void TKXCalculatorForm::Activate() {
    // A message box raised during the start-up steps hands the activation back to this window
    // when it closes; the start-up must not begin again inside itself.
    if (Activating) return;
    Activating = true;
    Controller_->FormActivate();
    Activating = false;
    if (!Placed) ArrangePanel({View->GetSelectedIndex(TKXElement::ModeList), 0});
}

bool TKXCalculatorForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) Activate();
    return QWidget::event(event);
}

void TKXCalculatorForm::showEvent(QShowEvent* event) {
    // The first showing is the first activation: the window is laid out and sized before it
    // appears, whether or not the desktop hands it the focus.
    const bool first = !Placed;
    if (first) Activate();
    QWidget::showEvent(event);
    if (first) QTimer::singleShot(0, this, [this] { CentreOnScreen(); });
}

void TKXCalculatorForm::closeEvent(QCloseEvent* event) {
    Controller_->FormClose();
    event->accept();
}

void TKXCalculatorForm::PlaceRow(int top, QWidget* label, QWidget* unitList, QWidget* edit,
                                 QWidget* first, QWidget* second) {
    const int left = Margin + ControlColumn;
    const int unitWidth = ControlWidth * 40 / 100;
    const int editWidth = ControlWidth * 50 / 100;
    if (label)
        label->setGeometry(Margin, top + LabelDrop, ControlColumn - RowGap,
                           label->sizeHint().height());
    if (unitList) unitList->setGeometry(left, top, unitWidth, RowHeight);
    if (edit) edit->setGeometry(left + ControlWidth - editWidth, top, editWidth, RowHeight);
    if (first) first->setGeometry(Right(edit) + RowGap, top, RowHeight, RowHeight);
    if (second) second->setGeometry(Right(first) + RowGap, top, RowHeight, RowHeight);
}

void TKXCalculatorForm::PlaceControls() {
    using E = TKXElement;
    Placed = true;

    // Top bar and display.
    int x = Margin;
    for (QAbstractButton* b : {CutBtn, CopyBtn, PasteBtn, ExplorerBtn}) {
        const QSize hint = b->sizeHint();
        b->setGeometry(x, (TopPanelHeight - hint.height()) / 2, hint.width(), hint.height());
        x += hint.width() + RowGap;
    }
    QWidget* display = Element(E::Display);

    // Function pad: all its buttons as large as the largest.
    const QSize functionSize = LargestHint(FunctionRows);
    int padWidth = 0;
    for (std::size_t r = 0; r < FunctionRows.size(); ++r)
        for (std::size_t c = 0; c < FunctionRows[r].size(); ++c) {
            const int bx = Margin + static_cast<int>(c) * (functionSize.width() + Margin);
            const int by = Margin + static_cast<int>(r) * (functionSize.height() + Margin);
            FunctionRows[r][c]->setGeometry(bx, by, functionSize.width(), functionSize.height());
            padWidth = std::max(padWidth, bx + functionSize.width() + Margin);
        }
    const int padHeight =
        Margin + static_cast<int>(FunctionRows.size()) * (functionSize.height() + Margin);

    // Number pad: square buttons as large as the largest caption needs.
    const QSize digitHint = LargestHint(DigitRows).expandedTo(
        LargestHint({OperatorRows.begin(), OperatorRows.end() - 1}));
    const int digitSide = std::max(digitHint.width(), digitHint.height());
    const int operatorLeft = Margin + 3 * (digitSide + Margin) - Margin + OperatorGap;
    for (int r = 0; r < 4; ++r) {
        const int by = Margin + r * (digitSide + Margin);
        for (int c = 0; c < 3; ++c)
            DigitRows[r][c]->setGeometry(Margin + c * (digitSide + Margin), by, digitSide,
                                         digitSide);
        for (std::size_t c = 0; c < OperatorRows[r].size(); ++c)
            OperatorRows[r][c]->setGeometry(
                operatorLeft + static_cast<int>(c) * (digitSide + Margin), by, digitSide,
                digitSide);
    }
    ExecuteBtn->resize(3 * digitSide + 2 * Margin, digitSide);

    // Property panel: every list and field as high as the mode list; the mode list wide enough
    // for every list's contents and for the unit lists (40 %) and fields (50 %) cut from it.
    auto* modeList = static_cast<QComboBox*>(Element(E::ModeList));
    RowHeight = modeList->sizeHint().height();
    ControlWidth = 0;
    auto list = [this](E e) { return static_cast<QComboBox*>(Element(e)); };
    for (E e : {E::ModeList, E::LibraryList, E::FunctionList, E::PropList})
        ControlWidth = std::max(ControlWidth, NaturalListWidth(list(e), true));
    ControlWidth =
        std::max(ControlWidth, NaturalListWidth(list(E::ResultUnitList), false) * 100 / 40 + 1);
    ControlWidth =
        std::max(ControlWidth, Element(E::Argument1Edit)->sizeHint().width() * 100 / 50 + 1);

    RowTops[0] = Margin;
    for (std::size_t i = 1; i < RowTops.size(); ++i)
        RowTops[i] = RowTops[i - 1] + RowHeight + RowGap;
    const int controlLeft = Margin + ControlColumn;
    PlaceRow(RowTops[0], ModeLbl, nullptr, nullptr, nullptr, nullptr);
    modeList->setGeometry(controlLeft, RowTops[0], ControlWidth, RowHeight);
    for (auto [label, list, row] : {std::tuple{E::LibraryLbl, E::LibraryList, 1},
                                    std::tuple{E::FunctionLbl, E::FunctionList, 2},
                                    std::tuple{E::PropertyLbl, E::PropList, 1}}) {
        PlaceRow(RowTops[row], Element(label), nullptr, nullptr, nullptr, nullptr);
        Element(list)->setGeometry(controlLeft, RowTops[row], ControlWidth, RowHeight);
    }
    for (int n = 1; n <= 3; ++n)
        PlaceRow(RowTops[3] + (n - 1) * (RowHeight + RowGap), Element(ArgumentLbl(n)),
                 Element(ArgumentUnitList(n)), Element(ArgumentEdit(n)),
                 Element(PasteArgumentBtn(n)), Element(RestoreArgumentBtn(n)));
    PlaceRow(RowTops[2], Element(E::ValueLbl), Element(E::UnitList), Element(E::ValueEdit),
             Element(E::PasteValueBtn), Element(E::RestoreValueBtn));
    // The result row's buttons fix the panel's width; its height follows the mode.
    PlaceRow(RowTops[3], Element(E::ResultLbl), Element(E::ResultUnitList), Element(E::ResultEdit),
             Element(E::CopyResultBtn), Element(E::StoreResultBtn));
    const int libraryWidth = Right(Element(E::StoreResultBtn)) + Margin;

    // Frames, pads, memory list and the window.
    const int displayTop = TopPanelHeight + Margin;
    const int displayHeight = display->sizeHint().height();
    FunctionPanel->setGeometry(Margin, displayTop + displayHeight + Margin, padWidth, padHeight);
    const TKXPanelPlacement tallest{0, MostArgumentRows(*ExplorerLibraries)};
    LibraryPanel->setGeometry(Right(FunctionPanel) - 1, FunctionPanel->y(), libraryWidth,
                              PanelHeight(tallest));
    display->setGeometry(Margin, displayTop, Right(LibraryPanel) - Margin, displayHeight);
    const int buttonPanelWidth = 6 * digitSide + 64;
    const int buttonPanelHeight = 4 * digitSide + 40;
    ButtonPanel->setGeometry(LibraryPanel->x() - buttonPanelWidth + 1, Bottom(FunctionPanel) - 1,
                             buttonPanelWidth, buttonPanelHeight);
    MemoryGrid_->setGeometry(display->x(), ButtonPanel->y() - 1,
                             std::max(0, ButtonPanel->x() - display->x()),
                             ButtonPanel->height() + 1);
    MemoryGrid_->UpdateColumnWidths();

    // The panel is tallest with the most argument rows; the window always has room for it.
    const int clientHeight =
        std::max(Bottom(MemoryGrid_), LibraryPanel->y() + PanelHeight(tallest)) + Margin;
    const int clientWidth = display->width() + 2 * Margin;
    TopPanel->setGeometry(0, 0, clientWidth, TopPanelHeight);
    setFixedSize(clientWidth, clientHeight);

    CentreOnScreen();
}

void TKXCalculatorForm::CentreOnScreen() {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    // The frame's size is known only once the window is on screen; before that, the client's.
    const QSize outer = frameGeometry().size();
    const QRect available = s->availableGeometry();
    move(available.x() + (available.width() - outer.width()) / 2,
         available.y() + (available.height() - outer.height()) / 2);
}

int TKXCalculatorForm::ResultRowTop(const TKXPanelPlacement& placement) const {
    if (placement.Mode == 1) return RowTops[2] + RowHeight + Margin;  // 8 below the value row
    if (placement.ArgumentRows <= 0) return RowTops[3] + RowGap;
    const int lastRowTop =
        RowTops[3] + (std::min(placement.ArgumentRows, 3) - 1) * (RowHeight + RowGap);
    return lastRowTop + RowHeight + Margin;
}

int TKXCalculatorForm::PanelHeight(const TKXPanelPlacement& placement) const {
    const int errorHeight = Element(TKXElement::ErrorMsgLbl)->sizeHint().height();
    const int resultPanelHeight = RowHeight + errorHeight + 12;
    return ResultRowTop(placement) - RowGap + resultPanelHeight + Margin;
}

void TKXCalculatorForm::ArrangePanel(const TKXPanelPlacement& placement) {
    using E = TKXElement;
    if (!Placed) PlaceControls();
    const int top = ResultRowTop(placement);
    PlaceRow(top, Element(E::ResultLbl), Element(E::ResultUnitList), Element(E::ResultEdit),
             Element(E::CopyResultBtn), Element(E::StoreResultBtn));
    Element(E::ConvertToList)->setGeometry(Element(E::ResultUnitList)->geometry());

    QWidget* error = Element(E::ErrorMsgLbl);
    const int errorHeight = error->sizeHint().height();
    const int panelWidth = LibraryPanel->width();
    ResultPanel->setGeometry(RowGap, top - RowGap, panelWidth - 2 * RowGap,
                             RowHeight + errorHeight + 12);
    error->setGeometry(Margin, Bottom(Element(E::ResultEdit)) + RowGap,
                       Right(ResultPanel) - RowGap - Margin, errorHeight);
    LibraryPanel->resize(panelWidth, Bottom(ResultPanel) + Margin);
}
