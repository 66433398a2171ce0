#pragma once
// The name/value dialog of the value memory.
#include <QDialog>

#include "MemoryObject.h"

class QLineEdit;

class TMemoryDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr const char* InvalidValueMessage = "Value is not a valid Floating Point Number";

    explicit TMemoryDialog(QWidget* parent = nullptr);

    QLineEdit* NameEdit() const { return NameEdit_; }
    QLineEdit* ValueEdit() const { return ValueEdit_; }

    // Every way of closing (OK, Cancel, Escape, the close control) ends here: the dialog stays
    // open while its value field does not hold a number.
    void done(int result) override;

  private:
    QLineEdit* NameEdit_;
    QLineEdit* ValueEdit_;
};

// The memory's dialog interface over TMemoryDialog, opened modally over the main window.
class TKXQtMemoryDialog : public IKXMemoryDialog {
  public:
    explicit TKXQtMemoryDialog(QWidget* parent) : Parent(parent) {}
    bool Edit(TMemoryElement& element) override;

  private:
    QWidget* Parent;
};
