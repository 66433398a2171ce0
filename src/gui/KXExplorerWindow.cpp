#include "KXExplorerWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableWidget>
#include <QThreadPool>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>

#include "KXCalculatorController.h"
#include "KXClipboard.h"
#include "KXCycleTab.h"
#include "KXDiagramMarks.h"
#include "KXDiagramWidget.h"
#include "KXHumidAirPage.h"
#include "KXPsychroWidget.h"
#include "KX_Libraries_Object.h"
#include "KX_Version.h"
#include "NumberText.h"

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
std::string S(const QString& s) {
    return s.toStdString();
}

// The unit column sits before the value columns, so hiding the saturated columns moves nothing.
enum StateColumn { NameColumn, UnitColumn, ValueColumn, LiquidColumn, VapourColumn, ColumnCount };

QComboBox* UnitCombo(const TKXUnitChoice& units, const std::string& key, QWidget* parent) {
    auto* list = new QComboBox(parent);
    for (const std::string& u : units.UnitsOf(QuantityOfKey(key))) list->addItem(Q(u));
    list->setCurrentText(Q(units.UnitFor(key)));
    return list;
}

// A value typed in a field, converted from the field's unit to the key's standard unit.
bool ReadValue(const TKXUnitChoice& units, const std::string& key, const QLineEdit* edit,
               const QComboBox* unit, double& standard) {
    double typed = 0.0;
    if (!TryParseNumber(S(edit->text()), typed)) return false;
    TKXUnitChoice local = units;
    return local.Choose(key, S(unit->currentText())) && local.ToStandard(key, typed, standard);
}

// The fixed value and the range of the Table tab for a table kind.
const char* FixedKeyOf(TKXTableKind kind) {
    return kind == TKXTableKind::Isobar ? "p" : "T";
}
const char* RangeKeyOf(TKXTableKind kind) {
    return kind == TKXTableKind::SaturationByP || kind == TKXTableKind::Isotherm ? "p" : "T";
}

}  // namespace

QIcon ExplorerIcon() {
    QIcon icon;
    for (int size : {16, 24, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 16.0, size / 16.0);
        p.setPen(QPen(QColor(60, 60, 60), 1.2));
        p.drawLine(QPointF(2, 1.5), QPointF(2, 14));
        p.drawLine(QPointF(2, 14), QPointF(14.5, 14));
        QPainterPath dome;
        dome.moveTo(3.5, 13);
        dome.cubicTo(4.5, 2.5, 11.5, 2.5, 13.5, 13);
        p.setPen(QPen(QColor(20, 90, 200), 1.4));
        p.drawPath(dome);
        p.setPen(QPen(QColor(200, 40, 40), 1.0));
        p.setBrush(QColor(200, 40, 40));
        p.drawEllipse(QPointF(8.5, 9), 1.3, 1.3);
        icon.addPixmap(pixmap);
    }
    return icon;
}

TKXExplorerWindow::TKXExplorerWindow(const TKXLibraries& libraries, int unitSystem,
                                     IKXClipboard& clipboard, QWidget* parent,
                                     const QString& settingsPath)
    : QWidget(parent, Qt::Window),
      Libraries(libraries),
      Clipboard(clipboard),
      Catalogue(std::make_shared<TPropertyList>()),
      Units_(std::make_unique<TKXUnitChoice>(*Catalogue, unitSystem)),
      InputUnits_(std::make_unique<TKXUnitChoice>(*Catalogue, unitSystem)),
      SettingsPath(settingsPath) {
    const TKXExplorerSettings stored = ReadExplorerSettings(SettingsPath);
    // The units first: every row, field and axis is made in them. Unknown units are skipped.
    if (stored.UnitSystem) {
        Units_->SetSystem(*stored.UnitSystem);
        InputUnits_->SetSystem(*stored.UnitSystem);
    }
    for (const auto& [key, unit] : stored.Units) Units_->Choose(key, unit);
    for (const auto& [key, unit] : stored.InputUnits) InputUnits_->Choose(key, unit);
    setObjectName("KXExplorerWindow");
    setWindowTitle(QString("%1 %2").arg(Caption, VARNEXA_VERSION));
    setWindowIcon(ExplorerIcon());

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel("Library", this));
    LibraryList = new QComboBox(this);
    LibraryList->setObjectName("LibraryList");
    for (int l = 0; l < Libraries.Count(); ++l) {
        const TKXLibrary* library = Libraries.Library(l);
        LibraryList->addItem(Q(library->Library_Name));
        LibraryList->setItemData(l, Q(KXLibraryNames(*library)), Qt::ToolTipRole);
        // A binary-pair mixture needs a composition the explorer has no field for: listed (the
        // list's index is the registry's) but not selectable.
        if (library->Info.CompositionArgument) {
            auto* model = qobject_cast<QStandardItemModel*>(LibraryList->model());
            if (model) model->item(l)->setEnabled(false);
            LibraryList->setItemData(
                l,
                Q(KXLibraryNames(*library) +
                  ": its functions take a composition; call them from the calculator"),
                Qt::ToolTipRole);
        }
    }
    top->addWidget(LibraryList, 1);
    top->addWidget(new QLabel("Units", this));
    UnitSystemList = new QComboBox(this);
    UnitSystemList->setObjectName("UnitSystemList");
    UnitSystemList->addItem("SI", KXUnitSystemSI);
    UnitSystemList->addItem("Engineering", KXUnitSystemEngineering);
    UnitSystemList->setCurrentIndex(std::max(0, UnitSystemList->findData(Units_->System())));
    top->addWidget(UnitSystemList);
    layout->addLayout(top);

    Tabs_ = new QTabWidget(this);
    Tabs_->setObjectName("ExplorerTabs");
    // The State tab holds the fluid state or, for a humid-air library, the humid-air page.
    StateStack = new QStackedWidget(this);
    StateStack->addWidget(CreateStateTab());
    HumidPage = new TKXHumidAirPage(Libraries, *Units_, *InputUnits_, Clipboard, this);
    StateStack->addWidget(HumidPage);
    Tabs_->addTab(StateStack, "State");
    Tabs_->addTab(CreateTableTab(), "Table");
    Tabs_->addTab(CreateDiagramTab(), "Diagram");
    CycleTab_ = new TKXCycleTab(Clipboard, this);
    CycleTab_->setObjectName("CycleTab");
    Tabs_->addTab(CycleTab_, "Cycle");
    layout->addWidget(Tabs_, 1);
    connect(CycleTab_, &TKXCycleTab::CycleChanged, this, [this] { ShowCycle(); });
    connect(HumidPage, &TKXHumidAirPage::StateChanged, this, [this] {
        if (!HumidAir_) return;
        Psychro->SetState(HumidStateInChart(HumidPage->State()));
        if (HumidPage->Pressure() != PsychroPressure) RecomputePsychro();
        emit StateChanged();
    });
    // The axes and the lines' round values in the new unit.
    connect(HumidPage, &TKXHumidAirPage::UnitsChanged, this, [this] { RecomputePsychro(); });

    // The remembered library and chart are chosen before the first computation, so that no
    // default state, table or diagram is computed only to be replaced.
    if (!stored.Library.isEmpty()) {
        const int l = FindLibraryIndex(Libraries, S(stored.Library));
        if (l >= 0 && !Libraries.Library(l)->Info.CompositionArgument)
            LibraryList->setCurrentIndex(l);
    }
    if (stored.DiagramKind) SelectDiagramKind(static_cast<TKXDiagramKind>(*stored.DiagramKind));
    connect(LibraryList, &QComboBox::currentIndexChanged, this, [this] { LibraryChanged(); });
    connect(UnitSystemList, &QComboBox::currentIndexChanged, this, [this] { UnitSystemChanged(); });
    LibraryChanged();
    RestoreSettings(stored);
    resize(760, 640);
}

TKXExplorerWindow::~TKXExplorerWindow() {
    // Closing the main window ends the program without closing this one first.
    SaveSettings();
}

void TKXExplorerWindow::closeEvent(QCloseEvent* event) {
    SaveSettings();
    QWidget::closeEvent(event);
}

void TKXExplorerWindow::RestoreSettings(const TKXExplorerSettings& stored) {
    if (stored.Digits && *stored.Digits >= DigitsBox->minimum() &&
        *stored.Digits <= DigitsBox->maximum())
        DigitsBox->setValue(*stored.Digits);
    // The values belong to their pair: a pair the library does not offer keeps the defaults.
    if (!stored.Pair.isEmpty() && SelectPair(stored.Pair) && stored.Values) {
        QString texts[2];
        bool ok = true;
        for (int i = 0; i < 2; ++i) {
            double shown = 0.0;
            ok = ok && InputUnits_->FromStandard(FieldKeys[i], (*stored.Values)[i], shown);
            texts[i] = Q(FormatGeneral(shown, 15));
        }
        if (ok) SetValues(texts[0], texts[1]);
    }
    if (stored.Table) RestoreTable(*stored.Table);
    for (int t = 0; t < Tabs_->count(); ++t)
        if (!stored.Tab.isEmpty() && Tabs_->tabText(t) == stored.Tab) Tabs_->setCurrentIndex(t);
    // The kind the view was taken in must be the one shown.
    if (stored.DiagramView && stored.DiagramKind && int(DiagramKind()) == *stored.DiagramKind) {
        PendingView = stored.DiagramView;
        PendingViewGeneration = DiagramGeneration;
    }
}

void TKXExplorerWindow::RestoreTable(const TKXExplorerSettings::TTableRange& range) {
    if (range.Kind >= TableKindList->count() || range.StepMode >= StepModeList->count()) return;
    const auto kind = static_cast<TKXTableKind>(range.Kind);
    // The fields in today's units; a step is a difference, so the units' offsets cancel.
    double fixed = 0.0, from = 0.0, to = 0.0, step = range.Step, zero = 0.0;
    const std::string rangeKey = RangeKeyOf(kind);
    if ((range.Fixed && !Units_->FromStandard(FixedKeyOf(kind), *range.Fixed, fixed)) ||
        !Units_->FromStandard(rangeKey, range.From, from) ||
        !Units_->FromStandard(rangeKey, range.To, to) ||
        (range.StepMode == 0 && !(Units_->FromStandard(rangeKey, range.Step, step) &&
                                  Units_->FromStandard(rangeKey, 0.0, zero))))
        return;
    const auto fill = [this](int kindIndex, int mode, const std::array<QString, 4>& texts) {
        Filling = true;
        TableKindList->setCurrentIndex(kindIndex);
        StepModeList->setCurrentIndex(mode);
        FixedEdit->setText(texts[0]);
        FromEdit->setText(texts[1]);
        ToEdit->setText(texts[2]);
        StepEdit->setText(texts[3]);
        Filling = false;
        RecalculateTable();
    };
    const int oldKind = TableKindList->currentIndex(), oldMode = StepModeList->currentIndex();
    const std::array<QString, 4> defaults = {FixedEdit->text(), FromEdit->text(), ToEdit->text(),
                                             StepEdit->text()};
    const auto text = [](double v) { return Q(FormatGeneral(v, 15)); };
    fill(range.Kind, range.StepMode,
         {range.Fixed ? text(fixed) : QString(), text(from), text(to), text(step - zero)});
    // A range the table refuses (no fixed value, a step of zero) is not shown: the default is.
    if (!TableError->isHidden()) fill(oldKind, oldMode, defaults);
}

TKXExplorerSettings TKXExplorerWindow::CurrentSettings() const {
    TKXExplorerSettings s;
    s.UnitSystem = Units_->System();
    s.Library = LibraryList->currentText();
    s.Tab = Tabs_->tabText(Tabs_->currentIndex());
    s.Digits = DigitsBox->value();
    if (const TKXPairInfo* pair = Pair()) {
        s.Pair = pair->Key;
        std::array<double, 2> values{};
        if (ReadValue(*InputUnits_, pair->Key1, Value1Edit, Value1Unit, values[0]) &&
            ReadValue(*InputUnits_, pair->Key2, Value2Edit, Value2Unit, values[1]))
            s.Values = values;
    }
    s.Units = Units_->Choices();
    s.InputUnits = InputUnits_->Choices();
    // A range that is not all numbers is not remembered.
    const int tableKind = TableKindList->currentIndex();
    const auto kind = static_cast<TKXTableKind>(tableKind);
    const auto read = [this](const QLineEdit* e, const char* key, double& v) {
        double typed = 0.0;
        return TryParseNumber(S(e->text()), typed) && Units_->ToStandard(key, typed, v);
    };
    TKXExplorerSettings::TTableRange range{tableKind, StepModeList->currentIndex(), {}, 0, 0, 0};
    double fixed = 0.0, zero = 0.0;
    if (read(FixedEdit, FixedKeyOf(kind), fixed)) range.Fixed = fixed;
    const bool stepOk = range.StepMode == 1 ? TryParseNumber(S(StepEdit->text()), range.Step)
                                            : read(StepEdit, RangeKeyOf(kind), range.Step) &&
                                                  Units_->ToStandard(RangeKeyOf(kind), 0.0, zero);
    range.Step -= zero;
    if (read(FromEdit, RangeKeyOf(kind), range.From) && read(ToEdit, RangeKeyOf(kind), range.To) &&
        stepOk)
        s.Table = range;
    s.DiagramKind = int(DiagramKind());
    if (PendingView) {
        s.DiagramView = PendingView;  // closed before the diagram arrived
    } else if (CurrentDiagram && DiagramReady()) {
        // Only a view the user changed: an unchanged one follows the diagram's own range.
        const TKXDiagramPainter& painter = Diagram->Painter();
        const TKXDiagramPainter::TView home = TKXDiagramPainter(*CurrentDiagram, *Units_).View();
        const TKXDiagramPainter::TView v = painter.View();
        const auto lo = painter.ToStandard({v.X0, v.Y0}), hi = painter.ToStandard({v.X1, v.Y1});
        if ((v.X0 != home.X0 || v.X1 != home.X1 || v.Y0 != home.Y0 || v.Y1 != home.Y1) && lo && hi)
            s.DiagramView =
                TKXExplorerSettings::TView{std::min(lo->X, hi->X), std::max(lo->X, hi->X),
                                           std::min(lo->Y, hi->Y), std::max(lo->Y, hi->Y)};
    }
    return s;
}

bool TKXExplorerWindow::SaveSettings() const {
    return !SettingsPath.isEmpty() && WriteExplorerSettings(SettingsPath, CurrentSettings());
}

bool TKXExplorerWindow::SelectUnitSystem(int system) {
    const int i = UnitSystemList->findData(system);
    if (i < 0) return false;
    UnitSystemList->setCurrentIndex(i);
    return true;
}

void TKXExplorerWindow::UnitSystemChanged() {
    const int system = UnitSystemList->currentData().toInt();
    if (system == Units_->System()) return;
    // The typed numbers keep their values: converted from the old units to the new defaults.
    const TKXUnitChoice next(*Catalogue, system);
    for (const char* key : {"p", "T"}) ConvertTableFields(key, next.UnitFor(key));
    QLineEdit* const edits[2] = {Value1Edit, Value2Edit};
    QComboBox* const units[2] = {Value1Unit, Value2Unit};
    double standard[2] = {0.0, 0.0};
    bool read[2] = {false, false};
    for (int i = 0; i < 2; ++i)
        read[i] = !FieldKeys[i].empty() &&
                  ReadValue(*InputUnits_, FieldKeys[i], edits[i], units[i], standard[i]);
    Units_->SetSystem(system);
    InputUnits_->SetSystem(system);
    FillValueUnits();
    QString texts[2];
    for (int i = 0; i < 2; ++i) {
        double shown = 0.0;
        texts[i] = read[i] && InputUnits_->FromStandard(FieldKeys[i], standard[i], shown)
                       ? Q(FormatGeneral(shown, 15))
                       : edits[i]->text();
    }
    BuildStateRows();
    SetValues(texts[0], texts[1]);
    ShowTable();
    if (CurrentDiagram) ShowDiagram(*CurrentDiagram);  // the axes in the new units
}

QWidget* TKXExplorerWindow::CreateDiagramTab() {
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    auto* row = new QHBoxLayout;
    DiagramKindList = new QComboBox(tab);
    DiagramKindList->setObjectName("DiagramKindList");
    DiagramKindList->addItem("log p-h", int(TKXDiagramKind::PH));
    DiagramKindList->addItem("T-s", int(TKXDiagramKind::TS));
    DiagramKindList->addItem("h-s (Mollier)", int(TKXDiagramKind::HS));
    DiagramKindList->addItem("p-T", int(TKXDiagramKind::PT));
    row->addWidget(DiagramKindList);
    // The step of one isoline family: empty for round steps that follow the view, a number in
    // the family's unit, or "off".
    IsolineFamilyList = new QComboBox(tab);
    IsolineFamilyList->setObjectName("IsolineFamilyList");
    IsolineFamilyList->setToolTip("Isoline family");
    IsolineStepEdit = new QLineEdit(tab);
    IsolineStepEdit->setObjectName("IsolineStepEdit");
    IsolineStepEdit->setPlaceholderText("auto");
    IsolineStepEdit->setToolTip(
        "Step between the lines of this family in its unit; empty: round steps that follow the "
        "zoom; off or 0: no such lines");
    IsolineStepEdit->setMaximumWidth(70);
    IsolineUnitLbl = new QLabel(tab);
    row->addWidget(new QLabel("Lines:", tab));
    row->addWidget(IsolineFamilyList);
    row->addWidget(IsolineStepEdit);
    row->addWidget(IsolineUnitLbl);
    row->addStretch(1);
    auto* reset = new QPushButton("Reset view", tab);
    reset->setObjectName("ResetViewBtn");
    auto* png = new QPushButton("Export PNG...", tab);
    png->setObjectName("ExportPngBtn");
    auto* svg = new QPushButton("Export SVG...", tab);
    svg->setObjectName("ExportSvgBtn");
    auto* pdf = new QPushButton("Export PDF...", tab);
    pdf->setObjectName("ExportPdfBtn");
    auto* print = new QPushButton("Print...", tab);
    print->setObjectName("PrintBtn");
    auto* mark = new QPushButton("Mark state", tab);
    mark->setObjectName("MarkStateBtn");
    mark->setToolTip("Keep the current state marked on the diagram, numbered and in the legend");
    auto* clear = new QPushButton("Clear marks", tab);
    clear->setObjectName("ClearMarksBtn");
    row->addWidget(mark);
    row->addWidget(clear);
    row->addWidget(reset);
    row->addWidget(png);
    row->addWidget(svg);
    row->addWidget(pdf);
    row->addWidget(print);
    layout->addLayout(row);
    Diagram = new TKXDiagramWidget(tab);
    Diagram->setToolTip(
        "Wheel: zoom; drag: zoom to a rectangle; Ctrl+drag or middle drag: pan; "
        "click: set the state there");
    DiagramStack = new QStackedWidget(tab);
    DiagramStack->addWidget(Diagram);
    Psychro = new TKXPsychroWidget(tab);
    Psychro->setToolTip("Click: set the state there");
    DiagramStack->addWidget(Psychro);
    layout->addWidget(DiagramStack, 1);
    HoverLbl = new QLabel(tab);
    HoverLbl->setObjectName("HoverLbl");
    layout->addWidget(HoverLbl);

    connect(DiagramKindList, &QComboBox::currentIndexChanged, this, [this] {
        FillIsolineFamilies();
        RecomputeDiagram();
    });
    connect(IsolineFamilyList, &QComboBox::currentIndexChanged, this,
            [this] { ShowIsolineStep(); });
    connect(IsolineStepEdit, &QLineEdit::editingFinished, this, [this] { TakeIsolineStep(); });
    ViewTimer = new QTimer(this);
    ViewTimer->setSingleShot(true);
    ViewTimer->setInterval(120);
    connect(ViewTimer, &QTimer::timeout, this, [this] { RecomputeDiagram(true); });
    connect(Diagram, &TKXDiagramWidget::ViewChanged, this, [this] {
        ++DiagramGeneration;  // lines for an older view would take the view back to it
        ViewTimer->start();
    });
    connect(reset, &QPushButton::clicked, Diagram, &TKXDiagramWidget::ResetView);
    connect(png, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, "Export diagram", "diagram.png",
                                                          "PNG images (*.png)");
        if (!path.isEmpty()) HumidAir_ ? Psychro->Save(path) : Diagram->SavePng(path);
    });
    connect(svg, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, "Export diagram", "diagram.svg",
                                                          "SVG drawings (*.svg)");
        if (!path.isEmpty()) HumidAir_ ? Psychro->Save(path) : Diagram->SaveSvg(path);
    });
    connect(pdf, &QPushButton::clicked, this, [this] {
        // The paper follows the file dialog's choice of filter: A4 unless Letter is picked.
        QString filter;
        const QString path = QFileDialog::getSaveFileName(
            this, "Export diagram", "diagram.pdf",
            "PDF, A4 landscape (*.pdf);;PDF, Letter landscape (*.pdf)", &filter);
        if (!path.isEmpty())
            Diagram->SavePdf(path, filter.contains("Letter") ? QPageSize::Letter : QPageSize::A4);
    });
    connect(print, &QPushButton::clicked, this, [this] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageOrientation(QPageLayout::Landscape);
        QPrintDialog dialog(&printer, this);
        dialog.setWindowTitle("Print diagram");
        if (dialog.exec() == QDialog::Accepted) PrintDiagram(printer);
    });
    connect(mark, &QPushButton::clicked, this, [this] { MarkCurrentState(); });
    connect(clear, &QPushButton::clicked, this, [this] { ClearMarks(); });
    connect(Diagram, &TKXDiagramWidget::Clicked, this, [this](TKXPoint p) { SetStateAt(p); });
    connect(Diagram, &TKXDiagramWidget::Hovered, this, [this](TKXPoint p) { ShowHover(p); });
    // A point of the psychrometric chart: its dry bulb and humidity ratio.
    connect(Psychro, &TKXPsychroWidget::Clicked, this,
            [this](TKXPoint p) { HumidPage->SetStateAt(p); });
    connect(Psychro, &TKXPsychroWidget::Hovered, this, [this](TKXPoint p) {
        const TKXPsychroPainter& painter = Psychro->Painter();
        const TKXPoint shown = painter.ToDisplay(p);
        HoverLbl->setText(QString("T = %1 %2, W = %3 %4")
                              .arg(Q(FormatGeneral(shown.X, 5)), Q(Units_->UnitFor("T")),
                                   Q(FormatGeneral(shown.Y, 5)), Q(Units_->UnitFor("W"))));
    });
    connect(this, &TKXExplorerWindow::StateChanged, this, [this] {
        Diagram->SetState(StateInDiagram(State_, DiagramKind()));
        ShowMarks();
    });
    return tab;
}

TKXDiagramKind TKXExplorerWindow::DiagramKind() const {
    return static_cast<TKXDiagramKind>(DiagramKindList->currentData().toInt());
}

bool TKXExplorerWindow::SelectDiagramKind(TKXDiagramKind kind) {
    const int i = DiagramKindList->findData(int(kind));
    if (i < 0) return false;
    DiagramKindList->setCurrentIndex(i);
    return true;
}

void TKXExplorerWindow::FillIsolineFamilies() {
    const QSignalBlocker block(IsolineFamilyList);
    IsolineFamilyList->clear();
    for (const std::string& key : IsolineFamilies(DiagramKind()))
        IsolineFamilyList->addItem(Q(key));
    IsolineFamilyList->setEnabled(IsolineFamilyList->count() > 0);
    IsolineStepEdit->setEnabled(IsolineFamilyList->count() > 0);
    ShowIsolineStep();
}

void TKXExplorerWindow::ShowIsolineStep() {
    const std::string key = S(IsolineFamilyList->currentText());
    const auto step = IsolineSteps.find(key);
    IsolineStepEdit->setText(step == IsolineSteps.end() ? QString()
                             : step->second == 0.0      ? QString("off")
                                                        : Q(FormatGeneral(step->second, 6)));
    IsolineUnitLbl->setText(key.empty() ? QString() : Q(Units_->UnitFor(key)));
}

void TKXExplorerWindow::TakeIsolineStep() {
    const std::string key = S(IsolineFamilyList->currentText());
    if (key.empty()) return;
    const QString text = IsolineStepEdit->text().trimmed();
    double step = 0.0;
    if (text.isEmpty()) {
        IsolineSteps.erase(key);
    } else if (text.compare("off", Qt::CaseInsensitive) == 0) {
        IsolineSteps[key] = 0.0;
    } else if (TryParseNumber(S(text), step) && step >= 0.0) {
        IsolineSteps[key] = step;
    } else {
        ShowIsolineStep();  // not a step: the field shows the one in force
        return;
    }
    RecomputeDiagram(true);
}

void TKXExplorerWindow::RecomputeDiagram(bool keepView) {
    if (!Fluid_ || !DiagramKindList) return;
    // The readout under the cursor belongs to the chart it was read from.
    if (HoverLbl) HoverLbl->clear();
    // Off the user-interface thread: the library functions keep no state, and a newer request
    // makes an older answer stale.
    const int generation = ++DiagramGeneration;
    PendingView.reset();  // a remembered view belongs to the first diagram only
    auto fluid = std::make_shared<TKXFluidFunctions>(*Fluid_);
    const TKXDiagramKind kind = DiagramKind();
    // The isolines in the units shown, for the view on screen when it is of this chart.
    auto units = std::make_shared<TKXUnitChoice>(*Units_);
    TKXDiagramOptions options;
    options.Steps = IsolineSteps;
    const TKXDiagramPainter& painter = Diagram->Painter();
    if (keepView && !painter.Empty() && painter.Diagram().Kind == kind) {
        const auto view = painter.View();
        const auto lo = painter.ToStandard({view.X0, view.Y0});
        const auto hi = painter.ToStandard({view.X1, view.Y1});
        if (lo && hi) {
            options.RangeX = std::pair{std::min(lo->X, hi->X), std::max(lo->X, hi->X)};
            options.RangeY = std::pair{std::min(lo->Y, hi->Y), std::max(lo->Y, hi->Y)};
        }
    }
    QPointer<TKXExplorerWindow> self(this);
    QThreadPool::globalInstance()->start([self, fluid, kind, generation, units, options,
                                          catalogue = Catalogue] {
        TKXDiagramOptions withUnits = options;
        withUnits.Units = units.get();
        auto diagram = std::make_shared<const TKXDiagram>(ComputeDiagram(*fluid, kind, withUnits));
        QMetaObject::invokeMethod(
            qApp,
            [self, diagram, generation] {
                if (!self || generation != self->DiagramGeneration) return;
                self->DiagramShown = generation;
                self->CurrentDiagram = diagram;
                self->ShowDiagram(*diagram);
            },
            Qt::QueuedConnection);
    });
}

void TKXExplorerWindow::ShowHumidAir(bool humid) {
    HumidAir_ = humid;
    // Humid air has no fluid state, tables or cycles: its own page, its chart.
    StateStack->setCurrentIndex(humid ? 1 : 0);
    Tabs_->setTabText(0, humid ? "Humid air" : "State");
    for (QWidget* tab : {Tabs_->widget(1), static_cast<QWidget*>(CycleTab_)}) {
        const int i = Tabs_->indexOf(tab);
        Tabs_->setTabEnabled(i, !humid);
        if (humid && Tabs_->currentIndex() == i) Tabs_->setCurrentIndex(0);
    }
    DiagramStack->setCurrentIndex(humid ? 1 : 0);
    DiagramKindList->setVisible(!humid);
    if (auto* reset = findChild<QPushButton*>("ResetViewBtn")) reset->setVisible(!humid);
    HoverLbl->clear();
}

void TKXExplorerWindow::RecomputePsychro() {
    if (!HumidAir_) return;
    // Off the user-interface thread, as the diagrams: a newer request makes an older one stale.
    const int generation = ++PsychroGeneration;
    const double p = PsychroPressure = HumidPage->Pressure();
    auto air = std::make_shared<TKXHumidAirFunctions>(Libraries, LibraryList->currentIndex());
    QPointer<TKXExplorerWindow> self(this);
    auto units = std::make_shared<const TKXUnitChoice>(*Units_);
    // The unit catalogue the copied choice points into outlives a window closed meanwhile.
    QThreadPool::globalInstance()->start([self, air, p, units, generation, catalogue = Catalogue] {
        auto chart =
            std::make_shared<const TKXPsychroChart>(ComputePsychroChart(*air, p, units.get()));
        QMetaObject::invokeMethod(
            qApp,
            [self, chart, generation] {
                if (!self || generation != self->PsychroGeneration) return;
                self->PsychroShown = generation;
                self->CurrentPsychro = chart;
                self->Psychro->SetChart(*chart, *self->Units_);
                self->Psychro->SetState(HumidStateInChart(self->HumidPage->State()));
                emit self->DiagramChanged();
            },
            Qt::QueuedConnection);
    });
}

void TKXExplorerWindow::ShowDiagram(const TKXDiagram& diagram) {
    Diagram->SetDiagram(diagram, *Units_);
    if (PendingView && DiagramShown == PendingViewGeneration) {
        // The remembered rectangle, in today's units; one the painter refuses is dropped.
        const TKXExplorerSettings::TView v = *PendingView;
        const TKXPoint lo = Diagram->Painter().ToDisplay({v.X0, v.Y0}),
                       hi = Diagram->Painter().ToDisplay({v.X1, v.Y1});
        Diagram->Painter().SetView({std::min(lo.X, hi.X), std::max(lo.X, hi.X),
                                    std::min(lo.Y, hi.Y), std::max(lo.Y, hi.Y)});
        PendingView.reset();
    }
    Diagram->SetState(StateInDiagram(State_, diagram.Kind));
    Diagram->SetTitle(DiagramTitle(Fluid_->Info()));
    ShowMarks();
    ShowCycle();
    emit DiagramChanged();
}

void TKXExplorerWindow::ShowCycle() {
    if (!Diagram || !CycleTab_ || !Fluid_) return;
    const TKXCyclePath path = CycleInDiagram(*Fluid_, CycleTab_->Cycle(), DiagramKind());
    Diagram->Painter().SetCycle(path);
    Diagram->Painter().SetCyclePoints(CycleMarks(CycleTab_->Cycle(), path));
    Diagram->update();
}

void TKXExplorerWindow::ShowMarks() {
    if (!Diagram || !DiagramKindList) return;
    std::vector<TKXMarkedState> marks;
    for (const TKXState& state : MarkedStates)
        if (auto m = MarkState(state, DiagramKind(), "")) marks.push_back(*m);
    // The current state too, unless it is the one marked last.
    if (auto current = MarkState(State_, DiagramKind(), ""))
        if (marks.empty() || marks.back().p != current->p || marks.back().h != current->h)
            marks.push_back(*current);
    Diagram->SetMarks(marks);
}

void TKXExplorerWindow::MarkCurrentState() {
    if (!State_.Ok) return;
    MarkedStates.push_back(State_);
    ShowMarks();
}

void TKXExplorerWindow::ClearMarks() {
    MarkedStates.clear();
    ShowMarks();
}

bool TKXExplorerWindow::PrintDiagram(QPrinter& printer) const {
    return Diagram && Diagram->Print(printer);
}

bool TKXExplorerWindow::SetStateAt(TKXPoint standard) {
    const auto input = StateAtPoint(*Fluid_, DiagramKind(), standard);
    if (!input) return false;
    const char* key = nullptr;
    for (const TKXPairInfo& p : AllInputPairs())
        if (p.Pair == input->Pair) key = p.Key;
    if (!key || !SelectPair(key)) return false;
    FillValueUnits();
    const TKXPairInfo* pair = Pair();
    double v1 = 0.0, v2 = 0.0;
    InputUnits_->FromStandard(pair->Key1, input->X1, v1);
    InputUnits_->FromStandard(pair->Key2, input->X2, v2);
    SetValues(Q(FormatGeneral(v1, 17)), Q(FormatGeneral(v2, 17)));
    return State_.Ok;
}

void TKXExplorerWindow::ShowHover(TKXPoint standard) {
    const TKXDiagramPainter& painter = Diagram->Painter();
    const TKXPoint shown = painter.ToDisplay(standard);
    QString text = QString("%1 = %2, %3 = %4")
                       .arg(Q(painter.Diagram().XKey), Q(FormatGeneral(shown.X, 5)),
                            Q(painter.Diagram().YKey), Q(FormatGeneral(shown.Y, 5)));
    const auto input = StateAtPoint(*Fluid_, DiagramKind(), standard);
    const TKXState state =
        input ? ComputeState(*Fluid_, input->Pair, input->X1, input->X2) : TKXState{};
    if (state.Ok) {
        for (const char* key : {"T", "p", "x"}) {
            const TKXStateRow* r = state.Row(key);
            if (r && r->Mixture.HasValue)
                text += QString("   %1 = %2 %3")
                            .arg(key, CellString(r->Mixture, key), Q(Units_->UnitFor(key)));
        }
        text += "   " + Q(state.Phase);
    }
    HoverLbl->setText(text);
}

QWidget* TKXExplorerWindow::CreateStateTab() {
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    auto* form = new QFormLayout;
    PairList = new QComboBox(tab);
    PairList->setObjectName("PairList");
    form->addRow("Input pair", PairList);

    const auto valueRow = [&](QLabel*& label, QLineEdit*& edit, QComboBox*& unit, const char* name,
                              int field) {
        label = new QLabel(tab);
        edit = new QLineEdit(tab);
        edit->setObjectName(QString(name) + "Edit");
        unit = new QComboBox(tab);
        unit->setObjectName(QString(name) + "Unit");
        auto* row = new QHBoxLayout;
        row->addWidget(edit, 2);
        row->addWidget(unit, 1);
        form->addRow(label, row);
        connect(edit, &QLineEdit::textChanged, this, [this] { RecalculateState(); });
        connect(unit, &QComboBox::currentIndexChanged, this, [this, unit, field] {
            // The user's choice for this quantity's field, kept for later pairs and libraries.
            if (!Filling) InputUnits_->Choose(FieldKeys[field], S(unit->currentText()));
            RecalculateState();
        });
    };
    valueRow(Value1Lbl, Value1Edit, Value1Unit, "Value1", 0);
    valueRow(Value2Lbl, Value2Edit, Value2Unit, "Value2", 1);

    auto* options = new QHBoxLayout;
    DigitsBox = new QSpinBox(tab);
    DigitsBox->setObjectName("DigitsBox");
    DigitsBox->setRange(5, 17);
    DigitsBox->setValue(5);
    options->addWidget(DigitsBox);
    options->addStretch(1);
    auto* copy = new QPushButton("Copy as TSV", tab);
    copy->setObjectName("CopyStateBtn");
    options->addWidget(copy);
    form->addRow("Significant digits", options);
    layout->addLayout(form);

    StateError = new QLabel(tab);
    StateError->setObjectName("StateError");
    StateError->setStyleSheet("color: red");
    StateError->setWordWrap(true);
    StateError->hide();
    layout->addWidget(StateError);

    StateTable = new QTableWidget(0, ColumnCount, tab);
    StateTable->setObjectName("StateTable");
    StateTable->setHorizontalHeaderLabels(
        {"Property", "Unit", "Value", "Saturated liquid", "Saturated vapour"});
    StateTable->verticalHeader()->hide();
    StateTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StateTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    layout->addWidget(StateTable, 1);

    ReferenceNote = new QLabel(tab);
    ReferenceNote->setObjectName("ReferenceNote");
    ReferenceNote->setWordWrap(true);
    layout->addWidget(ReferenceNote);

    connect(PairList, &QComboBox::currentIndexChanged, this, [this] { PairChanged(); });
    connect(DigitsBox, &QSpinBox::valueChanged, this, [this] {
        ShowState();
        ShowTable();
    });
    connect(copy, &QPushButton::clicked, this, [this] { Clipboard.SetText(StateTsv()); });
    return tab;
}

QWidget* TKXExplorerWindow::CreateTableTab() {
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    auto* form = new QFormLayout;
    TableKindList = new QComboBox(tab);
    TableKindList->setObjectName("TableKindList");
    TableKindList->addItems(
        {"Saturation by temperature", "Saturation by pressure", "Isobar", "Isotherm"});
    form->addRow("Table", TableKindList);

    FixedLbl = new QLabel(tab);
    FixedEdit = new QLineEdit(tab);
    FixedEdit->setObjectName("FixedEdit");
    FixedUnitLbl = new QLabel(tab);
    FixedUnitLbl->setObjectName("FixedUnitLbl");
    auto* fixedRow = new QHBoxLayout;
    fixedRow->addWidget(FixedEdit, 1);
    fixedRow->addWidget(FixedUnitLbl);
    fixedRow->insertWidget(0, FixedLbl);
    FixedTitle = new QLabel("Fixed", tab);
    form->addRow(FixedTitle, fixedRow);

    RangeLbl = new QLabel(tab);
    for (QLabel* l : {FixedLbl, RangeLbl})
        l->setMinimumWidth(l->fontMetrics().horizontalAdvance("Temperature") + 4);
    FromEdit = new QLineEdit(tab);
    FromEdit->setObjectName("FromEdit");
    ToEdit = new QLineEdit(tab);
    ToEdit->setObjectName("ToEdit");
    StepModeList = new QComboBox(tab);
    StepModeList->setObjectName("StepModeList");
    StepModeList->addItems({"step", "count"});
    StepEdit = new QLineEdit(tab);
    StepEdit->setObjectName("StepEdit");
    RangeUnitLbl = new QLabel(tab);
    RangeUnitLbl->setObjectName("RangeUnitLbl");
    auto* rangeRow = new QHBoxLayout;
    rangeRow->addWidget(RangeLbl);
    rangeRow->addWidget(new QLabel("from", tab));
    rangeRow->addWidget(FromEdit, 1);
    rangeRow->addWidget(new QLabel("to", tab));
    rangeRow->addWidget(ToEdit, 1);
    rangeRow->addWidget(StepModeList);
    rangeRow->addWidget(StepEdit, 1);
    rangeRow->addWidget(RangeUnitLbl);
    form->addRow("Range", rangeRow);

    auto* buttons = new QHBoxLayout;
    auto* compute = new QPushButton("Compute", tab);
    compute->setObjectName("ComputeTableBtn");
    auto* copy = new QPushButton("Copy as TSV", tab);
    copy->setObjectName("CopyTableBtn");
    auto* save = new QPushButton("Save as CSV...", tab);
    save->setObjectName("SaveCsvBtn");
    buttons->addWidget(compute);
    buttons->addStretch(1);
    buttons->addWidget(copy);
    buttons->addWidget(save);
    form->addRow(buttons);
    layout->addLayout(form);

    TableError = new QLabel(tab);
    TableError->setObjectName("TableError");
    TableError->setStyleSheet("color: red");
    TableError->hide();
    layout->addWidget(TableError);

    ResultTable = new QTableWidget(tab);
    ResultTable->setObjectName("ResultTable");
    ResultTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ResultTable->verticalHeader()->setDefaultSectionSize(ResultTable->fontMetrics().height() + 6);
    layout->addWidget(ResultTable, 1);

    connect(TableKindList, &QComboBox::currentIndexChanged, this, [this] {
        UpdateTableFields();
        RecalculateTable();
    });
    for (QLineEdit* e : {FixedEdit, FromEdit, ToEdit, StepEdit})
        connect(e, &QLineEdit::returnPressed, this, [this] { RecalculateTable(); });
    connect(compute, &QPushButton::clicked, this, [this] { RecalculateTable(); });
    connect(copy, &QPushButton::clicked, this, [this] { Clipboard.SetText(TableTsv()); });
    connect(save, &QPushButton::clicked, this, [this] {
        const QString path =
            QFileDialog::getSaveFileName(this, "Save table", "table.csv", "CSV files (*.csv)");
        if (!path.isEmpty()) SaveTableCsv(path);
    });
    return tab;
}

bool TKXExplorerWindow::SelectLibrary(const QString& name) {
    // The library name, or a display name or alias as a person types it.
    const int i = FindLibraryIndex(Libraries, S(name));
    if (i < 0 || Libraries.Library(i)->Info.CompositionArgument) return false;
    LibraryList->setCurrentIndex(i);
    return true;
}

bool TKXExplorerWindow::SelectPair(const QString& key) {
    const int i = PairList->findData(key);
    if (i < 0) return false;
    PairList->setCurrentIndex(i);
    return true;
}

void TKXExplorerWindow::SetValues(const QString& value1, const QString& value2) {
    Filling = true;
    Value1Edit->setText(value1);
    Value2Edit->setText(value2);
    Filling = false;
    RecalculateState();  // once, also when neither text changed
}

const TKXPairInfo* TKXExplorerWindow::Pair() const {
    const int i = PairList->currentIndex();
    return i >= 0 && i < static_cast<int>(Pairs.size()) ? &Pairs[static_cast<std::size_t>(i)]
                                                        : nullptr;
}

TKXNumberFormat TKXExplorerWindow::Format() const {
    const int digits = DigitsBox->value();
    return [digits](double v) { return FormatGeneral(v, digits); };
}

QString TKXExplorerWindow::CellString(const TKXCell& cell, const std::string& key) const {
    return Q(CellText(cell, key, *Units_, Format()));
}

void TKXExplorerWindow::LibraryChanged() {
    Fluid_ = std::make_unique<TKXFluidFunctions>(Libraries, LibraryList->currentIndex());
    MarkedStates.clear();  // the marks belong to the fluid they were found in
    if (CycleTab_) CycleTab_->SetFluid(Fluid_.get());
    const TKXLibrary* library = Libraries.Library(LibraryList->currentIndex());
    const QString caption = QString("%1 %2").arg(Caption, VARNEXA_VERSION);
    setWindowTitle(library ? QString("%1 - %2").arg(caption, Q(KXLibraryNames(*library)))
                           : caption);
    const bool humid = IsHumidAirLibrary(Libraries, LibraryList->currentIndex());
    ShowHumidAir(humid);
    if (humid) {
        HumidPage->SetLibrary(LibraryList->currentIndex());
        RecomputePsychro();
        return;
    }
    Pairs = OfferedInputPairs(*Fluid_);
    Filling = true;
    PairList->clear();
    for (const TKXPairInfo& p : Pairs) PairList->addItem(Q(p.Key), Q(p.Key));
    Filling = false;
    BuildStateRows();
    ReferenceNote->setText(Q(ReferenceStateNote(*Fluid_)));

    // A vapour state between the triple and the critical point to start from.
    const TKXAnswer tt = Fluid_->Call("Tt");
    const TKXAnswer tc = Fluid_->Call("Tc");
    const double t = tt.Value + 0.6 * (tc.Value - tt.Value);
    const TKXAnswer psat = Fluid_->Call("PsatT", t);
    const auto shown = [this](const char* key, double standard) {
        double v = 0.0;
        InputUnits_->FromStandard(key, standard, v);
        return Q(FormatGeneral(v, 5));
    };
    // A library without (p, T) starts from its first pair with empty fields.
    const bool byPT = SelectPair("pT");
    FillValueUnits();
    if (byPT)
        SetValues(shown("p", 0.5 * psat.Value), shown("T", t + 10.0));
    else
        SetValues({}, {});

    // The saturation table from the triple to the critical point, in twenty steps.
    Filling = true;
    TableKindList->setCurrentIndex(0);
    Filling = false;
    UpdateTableFields();
    double from = 0.0, to = 0.0;
    Units_->FromStandard("T", tt.Value, from);
    Units_->FromStandard("T", tc.Value, to);
    FromEdit->setText(Q(FormatGeneral(from, 6)));
    ToEdit->setText(Q(FormatGeneral(to, 6)));
    StepModeList->setCurrentIndex(1);
    StepEdit->setText("21");
    RecalculateTable();
    FillIsolineFamilies();
    RecomputeDiagram();
}

void TKXExplorerWindow::PairChanged() {
    if (Filling || PairList->currentIndex() < 0) return;
    // A value belongs to its quantity: a field keeps the text typed for its key, else takes the
    // current state's value of that key, else starts empty; never another quantity's number.
    const TKXState previous = State_;
    const std::string oldKeys[2] = {FieldKeys[0], FieldKeys[1]};
    const QString oldTexts[2] = {Value1Edit->text(), Value2Edit->text()};
    FillValueUnits();
    QString texts[2];
    for (int i = 0; i < 2; ++i) {
        const std::string& key = FieldKeys[i];
        const TKXStateRow* row = previous.Ok ? previous.Row(key) : nullptr;
        double v = 0.0;
        if (key == oldKeys[0] || key == oldKeys[1])
            texts[i] = oldTexts[key == oldKeys[0] ? 0 : 1];
        else if (row && row->Mixture.HasValue &&
                 InputUnits_->FromStandard(key, row->Mixture.Value, v))
            texts[i] = Q(FormatGeneral(v, 17));
    }
    SetValues(texts[0], texts[1]);
}

void TKXExplorerWindow::FillValueUnits() {
    const TKXPairInfo* pair = Pair();
    Filling = true;
    FieldKeys[0] = pair ? pair->Key1 : "";
    FieldKeys[1] = pair ? pair->Key2 : "";
    for (auto [label, unit, key] : {std::tuple{Value1Lbl, Value1Unit, FieldKeys[0]},
                                    std::tuple{Value2Lbl, Value2Unit, FieldKeys[1]}}) {
        label->clear();
        unit->clear();
        if (key.empty()) continue;  // a library without input pairs
        label->setText(Q(FindProperty(key)->Name));
        for (const std::string& u : InputUnits_->UnitsOf(QuantityOfKey(key))) unit->addItem(Q(u));
        unit->setCurrentText(Q(InputUnits_->UnitFor(key)));
    }
    Filling = false;
}

void TKXExplorerWindow::RecalculateState() {
    if (Filling) return;
    const TKXPairInfo* pair = Pair();
    double x1 = 0.0, x2 = 0.0;
    if (!pair) {
        State_ = TKXState{};
        State_.ErrorText = "This library offers no input pair.";
    } else if (!ReadValue(*InputUnits_, pair->Key1, Value1Edit, Value1Unit, x1) ||
               !ReadValue(*InputUnits_, pair->Key2, Value2Edit, Value2Unit, x2)) {
        State_ = TKXState{};
        State_.ErrorText = "Type two numbers.";
    } else {
        State_ = ComputeState(*Fluid_, pair->Pair, x1, x2);
    }
    ShowState();
    emit StateChanged();
}

void TKXExplorerWindow::BuildStateRows() {
    const std::vector<TKXPropertyInfo> rows = OfferedProperties(*Fluid_);
    // The old unit lists are deleted later by the table: hidden now so none shows meanwhile.
    for (int r = 0; r < StateTable->rowCount(); ++r)
        if (QWidget* old = StateTable->cellWidget(r, UnitColumn)) {
            old->hide();
            StateTable->removeCellWidget(r, UnitColumn);
        }
    StateTable->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const TKXPropertyInfo& p = rows[static_cast<std::size_t>(r)];
        auto* name = new QTableWidgetItem(QString("%1  (%2)").arg(p.Name, p.Key));
        name->setData(Qt::UserRole, QString(p.Key));
        StateTable->setItem(r, NameColumn, name);
        for (int c : {ValueColumn, LiquidColumn, VapourColumn})
            StateTable->setItem(r, c, new QTableWidgetItem);
        if (p.Quantity < 0) {
            StateTable->setCellWidget(r, UnitColumn, nullptr);
            continue;
        }
        QComboBox* unit = UnitCombo(*Units_, p.Key, StateTable);
        unit->setObjectName(QString("Unit_") + p.Key);
        const std::string key = p.Key;
        connect(unit, &QComboBox::currentTextChanged, this, [this, key](const QString& u) {
            // The table's range is typed in its columns' units: it follows, keeping its values.
            ConvertTableFields(key, S(u));
            Units_->Choose(key, S(u));
            ShowState();
            ShowTable();
            if (CurrentDiagram) {
                ShowDiagram(*CurrentDiagram);  // the axes in the new unit at once,
                ShowIsolineStep();
                RecomputeDiagram(true);  // then the isolines round in it
            }
        });
        StateTable->setCellWidget(r, UnitColumn, unit);
    }
}

void TKXExplorerWindow::ShowState() {
    if (HoverLbl) HoverLbl->clear();  // a readout of the old state would stand beside the new
    // A failure shows the library's text instead of the values, never the old numbers.
    StateError->setVisible(!State_.Ok);
    StateError->setText(Q(State_.ErrorText));
    StateTable->setColumnHidden(LiquidColumn, !State_.TwoPhase);
    StateTable->setColumnHidden(VapourColumn, !State_.TwoPhase);
    StateTable->horizontalHeaderItem(ValueColumn)->setText(State_.TwoPhase ? "Mixture" : "Value");
    for (int r = 0; r < StateTable->rowCount(); ++r) {
        const std::string key = S(StateTable->item(r, NameColumn)->data(Qt::UserRole).toString());
        const TKXStateRow* row = State_.Ok ? State_.Row(key) : nullptr;
        const TKXCell empty;
        const std::pair<int, const TKXCell*> cells[] = {
            {ValueColumn, row ? &row->Mixture : &empty},
            {LiquidColumn, row ? &row->Liquid : &empty},
            {VapourColumn, row ? &row->Vapour : &empty}};
        for (const auto& [column, cell] : cells) {
            QTableWidgetItem* item = StateTable->item(r, column);
            item->setText(CellString(*cell, key));
            item->setForeground(cell->HasValue || key == "phase" ? palette().text().color()
                                                                 : QColor(Qt::red));
            item->setToolTip(cell->HasValue ? QString() : Q(cell->Text));
        }
    }
}

QString TKXExplorerWindow::StateTsv() const {
    return Q(ExportState(State_, *Units_, Format(), '\t'));
}

void TKXExplorerWindow::ConvertTableFields(const std::string& key, const std::string& unit) {
    const auto kind = static_cast<TKXTableKind>(TableKindList->currentIndex());
    TKXUnitChoice next = *Units_;
    if (!next.Choose(key, unit)) return;
    const auto convert = [&](QLineEdit* edit, const std::string& fieldKey, bool difference) {
        double typed = 0.0, standard = 0.0, zero = 0.0, shown = 0.0, shownZero = 0.0;
        if (fieldKey != key || !TryParseNumber(S(edit->text()), typed) ||
            !Units_->ToStandard(key, typed, standard) || !next.FromStandard(key, standard, shown))
            return;
        // A step is a difference: the units' offsets cancel.
        if (difference && !(Units_->ToStandard(key, 0.0, zero) &&
                            next.FromStandard(key, standard - zero, shown) &&
                            next.FromStandard(key, 0.0, shownZero)))
            return;
        if (difference) shown -= shownZero;
        edit->setText(Q(FormatGeneral(shown, 15)));
    };
    if (kind == TKXTableKind::Isobar || kind == TKXTableKind::Isotherm)
        convert(FixedEdit, FixedKeyOf(kind), false);
    convert(FromEdit, RangeKeyOf(kind), false);
    convert(ToEdit, RangeKeyOf(kind), false);
    if (StepModeList->currentIndex() == 0) convert(StepEdit, RangeKeyOf(kind), true);
}

void TKXExplorerWindow::UpdateTableFields() {
    const auto kind = static_cast<TKXTableKind>(TableKindList->currentIndex());
    const bool single = kind == TKXTableKind::Isobar || kind == TKXTableKind::Isotherm;
    const char* fixedKey = kind == TKXTableKind::Isobar ? "p" : "T";
    const char* rangeKey =
        kind == TKXTableKind::SaturationByP || kind == TKXTableKind::Isotherm ? "p" : "T";
    FixedTitle->setVisible(single);
    FixedLbl->setVisible(single);
    FixedEdit->setVisible(single);
    FixedUnitLbl->setVisible(single);
    FixedLbl->setText(Q(FindProperty(fixedKey)->Name));
    FixedUnitLbl->setText(Q(Units_->UnitFor(fixedKey)));
    RangeLbl->setText(Q(FindProperty(rangeKey)->Name));
    RangeUnitLbl->setText(Q(Units_->UnitFor(rangeKey)));
}

void TKXExplorerWindow::RecalculateTable() {
    if (Filling || !Fluid_) return;
    const auto kind = static_cast<TKXTableKind>(TableKindList->currentIndex());
    const bool single = kind == TKXTableKind::Isobar || kind == TKXTableKind::Isotherm;
    const char* fixedKey = kind == TKXTableKind::Isobar ? "p" : "T";
    const char* rangeKey =
        kind == TKXTableKind::SaturationByP || kind == TKXTableKind::Isotherm ? "p" : "T";
    std::string error;
    double fixed = 0.0, from = 0.0, to = 0.0, step = 0.0;
    const auto read = [&](const QLineEdit* e, const char* key, double& v) {
        double typed = 0.0;
        return TryParseNumber(S(e->text()), typed) && Units_->ToStandard(key, typed, v);
    };
    std::vector<double> values;
    if ((single && !read(FixedEdit, fixedKey, fixed)) || !read(FromEdit, rangeKey, from) ||
        !read(ToEdit, rangeKey, to) || !TryParseNumber(S(StepEdit->text()), step)) {
        error = "Type numbers for the range.";
    } else if (StepModeList->currentIndex() == 1) {
        values = RangeByCount(from, to, static_cast<int>(step), error);
    } else {
        // The step is a difference: its unit factor applies, not the unit's offset.
        double zero = 0.0, stepStd = 0.0;
        Units_->ToStandard(rangeKey, 0.0, zero);
        Units_->ToStandard(rangeKey, step, stepStd);
        values = RangeByStep(from, to, stepStd - zero, error);
    }
    TableError->setVisible(!error.empty());
    TableError->setText(Q(error));
    Table_ = error.empty() ? ComputeTable(*Fluid_, kind, fixed, values) : TKXTable{};
    ShowTable();
}

void TKXExplorerWindow::ShowTable() {
    if (!ResultTable) return;
    UpdateTableFields();
    ResultTable->setUpdatesEnabled(false);
    ResultTable->clearSpans();
    ResultTable->setColumnCount(static_cast<int>(Table_.Keys.size()));
    ResultTable->setRowCount(static_cast<int>(Table_.Rows.size()));
    QStringList titles;
    for (const std::string& key : Table_.Keys) titles << Q(ColumnTitle(key, *Units_));
    ResultTable->setHorizontalHeaderLabels(titles);
    const TKXNumberFormat format = Format();
    for (int r = 0; r < ResultTable->rowCount(); ++r) {
        const TKXTableRow& row = Table_.Rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < ResultTable->columnCount(); ++c) {
            const auto k = static_cast<std::size_t>(c);
            QString text;
            if (k < row.Cells.size())
                text = Q(CellText(row.Cells[k], Table_.Keys[k], *Units_, format));
            else if (k == row.Cells.size() && !row.Error.empty())
                text = Q(row.Error);
            auto* item = new QTableWidgetItem(text);
            if (k >= row.Cells.size()) item->setForeground(QColor(Qt::red));
            ResultTable->setItem(r, c, item);
        }
        // A failed row: its text over the cells it has no values for.
        const int first = static_cast<int>(row.Cells.size());
        if (!row.Error.empty() && first < ResultTable->columnCount() - 1)
            ResultTable->setSpan(r, first, 1, ResultTable->columnCount() - first);
    }
    ResultTable->setUpdatesEnabled(true);
}

QString TKXExplorerWindow::TableTsv() const {
    return Q(ExportTable(Table_, *Units_, Format(), '\t'));
}

bool TKXExplorerWindow::SaveTableCsv(const QString& path) const {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    // As a spreadsheet of the user's locale reads it: a decimal comma with ';' between the fields
    // where the locale writes one, and a UTF-8 byte-order mark so that °C reads right.
    const bool decimalComma = QLocale().decimalPoint() == QChar(',');
    const std::string csv =
        "\xEF\xBB\xBF" + ExportTable(Table_, *Units_,
                                     decimalComma ? WithDecimalComma(Format()) : Format(),
                                     decimalComma ? ';' : ',');
    return file.write(csv.data(), static_cast<qint64>(csv.size())) ==
           static_cast<qint64>(csv.size());
}
