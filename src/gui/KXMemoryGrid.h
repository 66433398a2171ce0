#pragma once
// The memory list: a header row ("Index", "Name", "Value") and one row per memory element. The
// current row counts the header as row 0, so the first data row is row 1.
#include <QTableWidget>
#include <vector>

#include "KXCalculatorView.h"

class QMenu;

class TKXMemoryGrid : public QTableWidget {
    Q_OBJECT
  public:
    explicit TKXMemoryGrid(QWidget* parent = nullptr);

    // Redraws the rows; an empty memory shows one empty row and disables the list. The current
    // row keeps its number, clamped to the last data row.
    void SetRows(const std::vector<TKXMemoryRow>& rows);
    int CurrentRow() const { return CurrentRow_; }
    bool HasData() const { return HasData_; }
    // Column widths from the font and the inner width; the last column takes what is left.
    void UpdateColumnWidths();

  signals:
    // Releasing the right button over the list: the window opens the memory menu there.
    void MenuRequested(const QPoint& globalPosition);
    // The Delete key over a data row: the window clears that entry, as the menu's "Clear" does.
    void ClearRequested();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Delete clears the current entry; the menu key and Shift+F10 open the menu at its row.
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void SetCurrentRow(int row);

    int CurrentRow_ = 1;
    bool HasData_ = false;
    bool Updating = false;  // rows are being replaced: the toolkit's row moves are not the user's
};
