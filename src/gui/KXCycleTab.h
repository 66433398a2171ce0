#pragma once
// The explorer's Cycle tab: the kind of cycle and its inputs (standard units: °C, bar(a), K,
// kW, kg/s), the state points and the results, copied as TSV. The numbers are the cycle module's
// (src/explorer/KXCycle.h), which calls the library's functions.
#include <QWidget>
#include <string>
#include <vector>

#include "KXCycle.h"

class IKXClipboard;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QTableWidget;

class TKXCycleTab : public QWidget {
    Q_OBJECT
  public:
    TKXCycleTab(IKXClipboard& clipboard, QWidget* parent = nullptr);

    // The library the cycles are of; the last cycle is cleared.
    void SetFluid(const TKXFluidFunctions* fluid);
    // "vapour-compression", "transcritical" or "rankine"; the form shows that kind's inputs.
    bool SelectKind(const std::string& kind);
    // Types a value (in the input's standard unit) into the input of that name.
    bool SetInput(const std::string& name, const QString& text);
    // Computes the cycle from the form.
    void Compute();
    const TKXCycle& Cycle() const { return Cycle_; }
    // The state points and results as the copy button puts them on the clipboard.
    QString CycleTsv() const;

  signals:
    // A new cycle (or none) to draw.
    void CycleChanged();

  private:
    void BuildForm();
    void Show();

    IKXClipboard& Clipboard;
    const TKXFluidFunctions* Fluid = nullptr;
    TKXCycle Cycle_;
    QComboBox* KindList = nullptr;
    QFormLayout* Form = nullptr;
    std::vector<std::pair<std::string, QLineEdit*>> Inputs;
    QLabel* Error = nullptr;
    QTableWidget* Points = nullptr;
    QTableWidget* Results = nullptr;
};
