#include "KXHumidAirPage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "KXClipboard.h"
#include "KXExplorerTable.h"
#include "KXPsychroChart.h"
#include "KX_Libraries_Object.h"
#include "NumberText.h"

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
std::string S(const QString& s) {
    return s.toStdString();
}

enum Column { NameColumn, UnitColumn, ValueColumn, ColumnCount };
enum Field { PressureField, TemperatureField, HumidityField };

}  // namespace

TKXHumidAirPage::TKXHumidAirPage(const TKXLibraries& libraries, TKXUnitChoice& units,
                                 TKXUnitChoice& inputUnits, IKXClipboard& clipboard,
                                 QWidget* parent)
    : QWidget(parent),
      Libraries(libraries),
      Units(units),
      InputUnits(inputUnits),
      Clipboard(clipboard) {
    setObjectName("HumidAirPage");
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;

    PressureMode = new QComboBox(this);
    PressureMode->setObjectName("PressureModeList");
    PressureMode->addItems({"Pressure", "Altitude"});
    PressureMode->setToolTip("The pressure, or the standard atmosphere's at an altitude");
    InputList = new QComboBox(this);
    InputList->setObjectName("HumidInputList");
    for (const TKXHumidInputInfo& i : AllHumidInputs()) InputList->addItem(i.Name, QString(i.Key));
    static constexpr const char* Names[3] = {"Pressure", "Temperature", "Humidity"};
    for (int f = 0; f < 3; ++f) {
        Edits[f] = new QLineEdit(this);
        Edits[f]->setObjectName(QString("Humid%1Edit").arg(Names[f]));
        UnitLists[f] = new QComboBox(this);
        UnitLists[f]->setObjectName(QString("Humid%1Unit").arg(Names[f]));
        auto* row = new QHBoxLayout;
        if (f == PressureField) row->addWidget(PressureMode, 1);
        if (f == HumidityField) row->addWidget(InputList, 1);
        row->addWidget(Edits[f], 2);
        row->addWidget(UnitLists[f], 1);
        form->addRow(f == PressureField      ? "Pressure from"
                     : f == TemperatureField ? "Dry-bulb temperature"
                                             : "Humidity from",
                     row);
        connect(Edits[f], &QLineEdit::textChanged, this, [this] { Recalculate(); });
        connect(UnitLists[f], &QComboBox::currentIndexChanged, this, [this, f] {
            // The user's unit for this field's quantity, kept for later libraries.
            if (!Filling) InputUnits.Choose(FieldKeys[f], S(UnitLists[f]->currentText()));
            Recalculate();
        });
    }
    auto* options = new QHBoxLayout;
    Digits = new QSpinBox(this);
    Digits->setObjectName("HumidDigitsBox");
    Digits->setRange(5, 17);
    options->addWidget(Digits);
    options->addStretch(1);
    auto* copy = new QPushButton("Copy as TSV", this);
    copy->setObjectName("CopyHumidStateBtn");
    options->addWidget(copy);
    form->addRow("Significant digits", options);
    layout->addLayout(form);

    Error = new QLabel(this);
    Error->setObjectName("HumidStateError");
    Error->setStyleSheet("color: red");
    Error->setWordWrap(true);
    Error->hide();
    layout->addWidget(Error);

    Table = new QTableWidget(0, ColumnCount, this);
    Table->setObjectName("HumidStateTable");
    Table->setHorizontalHeaderLabels({"Property", "Unit", "Value"});
    Table->verticalHeader()->hide();
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    layout->addWidget(Table, 1);
    Note = new QLabel(this);
    Note->setObjectName("HumidNote");
    Note->setWordWrap(true);
    layout->addWidget(Note);

    connect(PressureMode, &QComboBox::currentIndexChanged, this, [this] {
        if (Filling) return;
        FillUnits();
        // A pressure field shows the state's pressure; an altitude field starts at sea level.
        const TKXStateRow* p = State_.Ok ? State_.Row("p") : nullptr;
        double v = 0.0;
        Filling = true;
        if (PressureMode->currentIndex() == 1)
            Edits[PressureField]->setText("0");
        else if (p && InputUnits.FromStandard("p", p->Mixture.Value, v))
            Edits[PressureField]->setText(Q(FormatGeneral(v, 17)));
        Filling = false;
        Recalculate();
    });
    connect(InputList, &QComboBox::currentIndexChanged, this, [this] {
        if (Filling) return;
        FillUnits();
        const TKXStateRow* row = State_.Ok ? State_.Row(FieldKeys[HumidityField]) : nullptr;
        double v = 0.0;
        Filling = true;
        Edits[HumidityField]->setText(
            row && row->Mixture.HasValue &&
                    InputUnits.FromStandard(FieldKeys[HumidityField], row->Mixture.Value, v)
                ? Q(FormatGeneral(v, 17))
                : QString());
        Filling = false;
        Recalculate();
    });
    connect(Digits, &QSpinBox::valueChanged, this, [this] { ShowState(); });
    connect(copy, &QPushButton::clicked, this, [this] { Clipboard.SetText(StateTsv()); });
}

TKXHumidAirPage::~TKXHumidAirPage() = default;

const TKXHumidInputInfo& TKXHumidAirPage::Input() const {
    const int i = std::max(0, InputList->currentIndex());
    return AllHumidInputs()[static_cast<std::size_t>(i)];
}

void TKXHumidAirPage::SetLibrary(int libraryIndex) {
    Air = std::make_unique<TKXHumidAirFunctions>(Libraries, libraryIndex);
    const TKXLibrary* library = Libraries.Library(libraryIndex);
    Note->setText(library ? "Enthalpy, entropy, volume and heat capacity per kg of dry air. " +
                                Q(library->Info.ReferenceState)
                          : QString());
    BuildRows();
    Filling = true;
    PressureMode->setCurrentIndex(0);
    InputList->setCurrentIndex(0);
    Filling = false;
    FillUnits();
    const auto shown = [this](const std::string& key, double standard) {
        double v = standard;
        InputUnits.FromStandard(key, standard, v);
        return Q(FormatGeneral(v, 6));
    };
    SetValues(shown("p", KXStandardPressure), shown("T", 25.0), shown("RH", 0.5));
}

bool TKXHumidAirPage::SelectInput(const QString& key) {
    const int i = InputList->findData(key);
    if (i < 0) return false;
    InputList->setCurrentIndex(i);
    return true;
}

void TKXHumidAirPage::SetAltitudeMode(bool altitude) {
    PressureMode->setCurrentIndex(altitude ? 1 : 0);
}

void TKXHumidAirPage::SetValues(const QString& pressure, const QString& temperature,
                                const QString& humidity) {
    Filling = true;
    Edits[PressureField]->setText(pressure);
    Edits[TemperatureField]->setText(temperature);
    Edits[HumidityField]->setText(humidity);
    Filling = false;
    Recalculate();
}

void TKXHumidAirPage::SetStateAt(TKXPoint standard) {
    SelectInput("W");
    double t = standard.X, w = standard.Y;
    InputUnits.FromStandard("T", standard.X, t);
    InputUnits.FromStandard("W", standard.Y, w);
    SetValues(Edits[PressureField]->text(), Q(FormatGeneral(t, 6)), Q(FormatGeneral(w, 6)));
}

void TKXHumidAirPage::FillUnits() {
    Filling = true;
    FieldKeys[PressureField] = PressureMode->currentIndex() == 1 ? "z" : "p";
    FieldKeys[TemperatureField] = "T";
    FieldKeys[HumidityField] = Input().Key;
    for (int f = 0; f < 3; ++f) {
        UnitLists[f]->clear();
        for (const std::string& u : InputUnits.UnitsOf(QuantityOfKey(FieldKeys[f])))
            UnitLists[f]->addItem(Q(u));
        UnitLists[f]->setCurrentText(Q(InputUnits.UnitFor(FieldKeys[f])));
    }
    Filling = false;
}

void TKXHumidAirPage::BuildRows() {
    const std::vector<TKXPropertyInfo> rows =
        Air ? OfferedHumidAirProperties(*Air) : std::vector<TKXPropertyInfo>{};
    for (int r = 0; r < Table->rowCount(); ++r)
        if (QWidget* old = Table->cellWidget(r, UnitColumn)) {
            old->hide();
            Table->removeCellWidget(r, UnitColumn);
        }
    Table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const TKXPropertyInfo& p = rows[static_cast<std::size_t>(r)];
        auto* name = new QTableWidgetItem(QString("%1  (%2)").arg(p.Name, p.Key));
        name->setData(Qt::UserRole, QString(p.Key));
        Table->setItem(r, NameColumn, name);
        Table->setItem(r, ValueColumn, new QTableWidgetItem);
        auto* unit = new QComboBox(Table);
        unit->setObjectName(QString("HumidUnit_") + p.Key);
        for (const std::string& u : Units.UnitsOf(p.Quantity)) unit->addItem(Q(u));
        unit->setCurrentText(Q(Units.UnitFor(p.Key)));
        const std::string key = p.Key;
        connect(unit, &QComboBox::currentTextChanged, this, [this, key](const QString& u) {
            Units.Choose(key, S(u));
            ShowState();
            emit UnitsChanged();
        });
        Table->setCellWidget(r, UnitColumn, unit);
    }
}

void TKXHumidAirPage::Recalculate() {
    if (Filling || !Air) return;
    double v[3] = {};
    bool read = true;
    for (int f = 0; f < 3; ++f) {
        double typed = 0.0;
        TKXUnitChoice local = InputUnits;
        read = read && TryParseNumber(S(Edits[f]->text()), typed) &&
               local.Choose(FieldKeys[f], S(UnitLists[f]->currentText())) &&
               local.ToStandard(FieldKeys[f], typed, v[f]);
    }
    State_ = TKXState{};
    if (!read) {
        State_.ErrorText = "Type three numbers.";
    } else {
        double p = v[PressureField];
        if (FieldKeys[PressureField] == "z") {
            const TKXAnswer a = PressureAtAltitude(*Air, v[PressureField]);
            if (!a.Ok()) State_.ErrorText = a.Text;
            p = a.Value;
        }
        if (State_.ErrorText.empty()) {
            State_ =
                ComputeHumidAirState(*Air, Input().Input, p, v[TemperatureField], v[HumidityField]);
            if (p > 0.0) Pressure_ = p;
        }
    }
    ShowState();
    emit StateChanged();
}

void TKXHumidAirPage::ShowState() {
    // A failure shows the library's text instead of the values, never the old numbers.
    Error->setVisible(!State_.Ok);
    Error->setText(Q(State_.ErrorText));
    const int digits = Digits->value();
    const TKXNumberFormat format = [digits](double x) { return FormatGeneral(x, digits); };
    for (int r = 0; r < Table->rowCount(); ++r) {
        const std::string key = S(Table->item(r, NameColumn)->data(Qt::UserRole).toString());
        const TKXStateRow* row = State_.Ok ? State_.Row(key) : nullptr;
        const TKXCell cell = row ? row->Mixture : TKXCell{};
        QTableWidgetItem* item = Table->item(r, ValueColumn);
        item->setText(Q(CellText(cell, key, Units, format)));
        item->setForeground(cell.HasValue ? palette().text().color() : QColor(Qt::red));
        item->setToolTip(cell.HasValue ? QString() : Q(cell.Text));
        if (auto* unit = qobject_cast<QComboBox*>(Table->cellWidget(r, UnitColumn))) {
            const QSignalBlocker block(unit);
            unit->setCurrentText(Q(Units.UnitFor(key)));
        }
    }
}

QString TKXHumidAirPage::StateTsv() const {
    const int digits = Digits->value();
    return Q(ExportState(
        State_, Units, [digits](double x) { return FormatGeneral(x, digits); }, '\t'));
}
