#include "KXMemoryGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

namespace {
// Widths of the "Index" and "Name" columns in average character widths of the list's font.
constexpr int IndexColumnChars = 8;
constexpr int NameColumnChars = 30;
}  // namespace

TKXMemoryGrid::TKXMemoryGrid(QWidget* parent) : QTableWidget(1, 3, parent) {
    setObjectName("MemoryGrid");
    setToolTip("Memory; Click Right Mouse Button for Options");
    setHorizontalHeaderLabels({"Index", "Name", "Value"});
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);
    // The menu opens on release of the right button, not on the toolkit's own request.
    setContextMenuPolicy(Qt::NoContextMenu);
    // Keyboard moves in the list pick the current row as a click does.
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) {
        if (!Updating && HasData_ && row >= 0) CurrentRow_ = row + 1;
    });
    SetRows({});
}

void TKXMemoryGrid::SetRows(const std::vector<TKXMemoryRow>& rows) {
    Updating = true;
    HasData_ = !rows.empty();
    clearContents();
    setRowCount(std::max<int>(1, static_cast<int>(rows.size())));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const TKXMemoryRow& row = rows[static_cast<std::size_t>(i)];
        int column = 0;
        for (const std::string* text : {&row.Index, &row.Name, &row.Value})
            setItem(i, column++, new QTableWidgetItem(QString::fromStdString(*text)));
    }
    setEnabled(HasData_);
    Updating = false;
    SetCurrentRow(HasData_ ? std::clamp(CurrentRow_, 1, rowCount()) : 1);
    UpdateColumnWidths();
}

void TKXMemoryGrid::SetCurrentRow(int row) {
    CurrentRow_ = row;
    if (HasData_)
        setCurrentCell(row - 1, 0);
    else
        clearSelection();
}

void TKXMemoryGrid::UpdateColumnWidths() {
    const int average = fontMetrics().averageCharWidth();
    const int indexWidth = IndexColumnChars * average;
    const int nameWidth = NameColumnChars * average;
    // The inner width shrinks by the vertical scroll bar once the rows outgrow the list.
    const int rowsHeight = rowCount() * verticalHeader()->defaultSectionSize();
    const int innerHeight = height() - 2 * frameWidth() - horizontalHeader()->height();
    int innerWidth = width() - 2 * frameWidth();
    if (rowsHeight > innerHeight) innerWidth -= verticalScrollBar()->sizeHint().width();
    setColumnWidth(0, indexWidth);
    setColumnWidth(1, nameWidth);
    setColumnWidth(2, std::max(0, innerWidth - indexWidth - nameWidth - 2));
}

void TKXMemoryGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTableWidget::mouseReleaseEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (HasData_ && index.isValid()) SetCurrentRow(index.row() + 1);
    // Keep the toolkit's own selection on the current row, whatever a drag did.
    else if (HasData_)
        SetCurrentRow(CurrentRow_);
    if (event->button() == Qt::RightButton) emit MenuRequested(event->globalPosition().toPoint());
}

void TKXMemoryGrid::keyPressEvent(QKeyEvent* event) {
    const bool menuKey = event->key() == Qt::Key_Menu ||
                         (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (HasData_ && event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        emit ClearRequested();
    } else if (HasData_ && menuKey) {
        const QRect row = visualRect(model()->index(CurrentRow_ - 1, 0));
        emit MenuRequested(viewport()->mapToGlobal(row.center()));
    } else {
        QTableWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TKXMemoryGrid::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    UpdateColumnWidths();
}
