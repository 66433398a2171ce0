#include "KXMessageBox.h"

#include <QMessageBox>

void ShowErrorMessageBox(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Critical, "Error", message, QMessageBox::Ok, parent);
    box.setObjectName("ErrorMessageBox");
    box.exec();
}
