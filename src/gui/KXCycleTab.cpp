#include "KXCycleTab.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "KXClipboard.h"
#include "NumberText.h"

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

const char* const Kinds[][2] = {{"vapour-compression", "Vapour compression"},
                                {"transcritical", "Transcritical"},
                                {"rankine", "Steam Rankine"}};

// Values a new form starts from, so that Compute answers at once.
QString StartValue(const std::string& kind, const std::string& name) {
    if (kind == "rankine") {
        if (name == "p-boiler") return "80";
        if (name == "T-live") return "500";
        if (name == "p-cond") return "0.1";
        if (name == "eta-turbine") return "0.85";
        if (name == "eta-pump") return "0.8";
        return {};
    }
    if (name == "evap") return kind == "transcritical" ? "-5" : "-10";
    if (name == "cond") return "40";
    if (name == "p-gc") return "100";
    if (name == "T-gc") return "35";
    if (name == "superheat") return "5";
    if (name == "subcool") return "3";
    if (name == "eta-s") return "0.7";
    return {};
}

QString Number(double v) {
    return Q(FormatGeneral(v, 5));
}

}  // namespace

TKXCycleTab::TKXCycleTab(IKXClipboard& clipboard, QWidget* parent)
    : QWidget(parent), Clipboard(clipboard) {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel("Cycle", this));
    KindList = new QComboBox(this);
    KindList->setObjectName("CycleKindList");
    for (const auto& kind : Kinds) KindList->addItem(kind[1], kind[0]);
    top->addWidget(KindList, 1);
    layout->addLayout(top);

    Form = new QFormLayout;
    layout->addLayout(Form);

    auto* buttons = new QHBoxLayout;
    auto* compute = new QPushButton("Compute", this);
    compute->setObjectName("ComputeCycleBtn");
    auto* copy = new QPushButton("Copy as TSV", this);
    copy->setObjectName("CopyCycleBtn");
    buttons->addWidget(compute);
    buttons->addStretch(1);
    buttons->addWidget(copy);
    layout->addLayout(buttons);

    Error = new QLabel(this);
    Error->setObjectName("CycleError");
    Error->setWordWrap(true);
    Error->setStyleSheet("color: #b00000");
    layout->addWidget(Error);

    Points = new QTableWidget(this);
    Points->setObjectName("CyclePoints");
    Points->setColumnCount(7);
    Points->setHorizontalHeaderLabels(
        {"Point", "T [°C]", "p [bar(a)]", "h [kJ/kg]", "s [kJ/kgK]", "rho [kg/m3]", "x [-]"});
    Points->verticalHeader()->hide();
    Points->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(Points, 2);

    Results = new QTableWidget(this);
    Results->setObjectName("CycleResults");
    Results->setColumnCount(3);
    Results->setHorizontalHeaderLabels({"Result", "Value", "Unit"});
    Results->verticalHeader()->hide();
    Results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(Results, 1);

    connect(KindList, &QComboBox::currentIndexChanged, this, [this] { BuildForm(); });
    connect(compute, &QPushButton::clicked, this, [this] { Compute(); });
    connect(copy, &QPushButton::clicked, this, [this] { Clipboard.SetText(CycleTsv()); });
    BuildForm();
}

void TKXCycleTab::SetFluid(const TKXFluidFunctions* fluid) {
    Fluid = fluid;
    Cycle_ = {};
    Show();
}

bool TKXCycleTab::SelectKind(const std::string& kind) {
    const int i = KindList->findData(Q(kind));
    if (i < 0) return false;
    KindList->setCurrentIndex(i);
    return true;
}

bool TKXCycleTab::SetInput(const std::string& name, const QString& text) {
    for (auto& [n, edit] : Inputs)
        if (n == name) {
            edit->setText(text);
            return true;
        }
    return false;
}

void TKXCycleTab::BuildForm() {
    while (Form->rowCount() > 0) Form->removeRow(0);
    Inputs.clear();
    const std::string kind = KindList->currentData().toString().toStdString();
    for (const TKXCycleInputInfo& input : CycleInputs(kind)) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(Q(std::string("CycleInput_") + input.Name));
        edit->setText(StartValue(kind, input.Name));
        if (!input.Required) edit->setPlaceholderText("optional");
        Form->addRow(Q(std::string(input.Label) + " [" + input.Unit + "]"), edit);
        Inputs.emplace_back(input.Name, edit);
    }
    Cycle_ = {};
    Show();
}

void TKXCycleTab::Compute() {
    Cycle_ = {};
    if (!Fluid) return Show();
    TKXCycleInputs inputs;
    for (const auto& [name, edit] : Inputs) {
        const std::string text = edit->text().trimmed().toStdString();
        if (text.empty()) continue;
        double value = 0.0;
        if (!TryParseNumber(text, value)) {
            Cycle_.ErrorText = "Not a number: " + name + " = " + text;
            return Show();
        }
        inputs.emplace_back(name, value);
    }
    bool usage = false;
    Cycle_ = ComputeCycle(*Fluid, KindList->currentData().toString().toStdString(), inputs, usage);
    Show();
}

void TKXCycleTab::Show() {
    Error->setText(Q(Cycle_.ErrorText));
    Points->setRowCount(static_cast<int>(Cycle_.Points.size()));
    for (int r = 0; r < Points->rowCount(); ++r) {
        const TKXCyclePoint& p = Cycle_.Points[static_cast<std::size_t>(r)];
        const QString cells[] = {Q(p.Label),
                                 Number(p.T),
                                 Number(p.p),
                                 Number(p.h),
                                 Number(p.s),
                                 Number(p.rho),
                                 p.HasX ? Number(p.x) : QString()};
        for (int c = 0; c < 7; ++c) Points->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    Results->setRowCount(static_cast<int>(Cycle_.Values.size()));
    for (int r = 0; r < Results->rowCount(); ++r) {
        const TKXCycleValue& v = Cycle_.Values[static_cast<std::size_t>(r)];
        Results->setItem(r, 0, new QTableWidgetItem(Q(v.Key)));
        Results->setItem(r, 1, new QTableWidgetItem(Number(v.Value)));
        Results->setItem(r, 2, new QTableWidgetItem(Q(v.Unit)));
    }
    emit CycleChanged();
}

QString TKXCycleTab::CycleTsv() const {
    return Q(CycleText(Cycle_, [](double v) { return FormatGeneral(v, 5); }));
}
