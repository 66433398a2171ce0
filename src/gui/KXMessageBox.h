#pragma once
// The window's one kind of message: modal, with an error icon and an OK button.
#include <QString>

class QWidget;

void ShowErrorMessageBox(QWidget* parent, const QString& message);
