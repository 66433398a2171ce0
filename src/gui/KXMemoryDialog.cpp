#include "KXMemoryDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "KXMessageBox.h"
#include "NumberText.h"

TMemoryDialog::TMemoryDialog(QWidget* parent)
    : QDialog(parent), NameEdit_(new QLineEdit(this)), ValueEdit_(new QLineEdit(this)) {
    setObjectName("MemoryDialog");
    setWindowTitle("Memory Dialog");
    setModal(true);
    NameEdit_->setObjectName("NameEdit");
    NameEdit_->setMaxLength(static_cast<int>(MemoryNameMaxLength));
    ValueEdit_->setObjectName("ValueEdit");

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel("Name", this), 0, 0);
    fields->addWidget(NameEdit_, 0, 1);
    fields->addWidget(new QLabel("Value", this), 1, 0);
    fields->addWidget(ValueEdit_, 1, 1);
    // Room for a 20-character name and a 15-digit value with its exponent.
    const int fieldWidth = NameEdit_->fontMetrics().averageCharWidth() * 26;
    NameEdit_->setMinimumWidth(fieldWidth);
    ValueEdit_->setMinimumWidth(fieldWidth);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TMemoryDialog::done(int result) {
    double value = 0.0;
    if (!TryParseNumber(ValueEdit_->text().toStdString(), value)) {
        ShowErrorMessageBox(this, InvalidValueMessage);
        return;
    }
    QDialog::done(result);
}

bool TKXQtMemoryDialog::Edit(TMemoryElement& element) {
    TMemoryDialog dialog(Parent);
    dialog.NameEdit()->setText(QString::fromStdString(element.Name));
    dialog.ValueEdit()->setText(QString::fromStdString(FormatGeneral(element.Value, 15)));
    if (dialog.exec() != QDialog::Accepted) return false;
    double value = 0.0;
    // The dialog closed only once its value field held a number.
    if (!TryParseNumber(dialog.ValueEdit()->text().toStdString(), value)) return false;
    element.Name = dialog.NameEdit()->text().toStdString();
    element.Value = value;
    return true;
}
