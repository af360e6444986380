// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTableView>

#include <utility>
#include <vector>

namespace teamtool::ui {

// A read-only table whose first columns stay put when the rest scrolls sideways: a
// second view over the same model lies over those columns. A click on a heading, or
// Ctrl+Enter on a cell, sorts by that column and selects nothing; Tab leaves the table.
// Cells are selected as in a spreadsheet, for copying: Shift with a click extends the
// selection from the current cell, in either view.
class FrozenColumnsTableView : public QTableView {
    Q_OBJECT
public:
    explicit FrozenColumnsTableView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    void setFrozenColumns(int count);

Q_SIGNALS:
    // A third click on the sorted column's heading: back to the file's order.
    void fileOrderRequested();
    // After each heading click or Ctrl+Enter: the column sorted by, -1 for the file's order.
    void sortChanged(int column, Qt::SortOrder order);
    // Ctrl+C (the platform's Copy key): the selected cells are to be copied.
    void copyRequested();

public:
    void setColumnWidthPixels(int column, int width);
    QTableView* frozenView() const { return m_frozen; }
    // Sorts by column (-1: the file's order), as heading clicks would have.
    void sortBy(int column, Qt::SortOrder order);
    // The column the rows are sorted by (-1: none) and the order.
    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }
    // The view rows and the columns that hold a selected cell, each in the order shown.
    std::pair<std::vector<int>, std::vector<int>> selectedRowsAndColumns() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Ctrl+Enter sorts by the current column as a click on its heading does.
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateFrozenGeometry();
    void showOnlyFrozenColumns();
    void cycleSortOrder(int column);

    QTableView* m_frozen;
    // Where Shift extends a selection from: the current cell as last chosen without
    // Shift, the same for both views (each view alone would keep its own).
    QPersistentModelIndex m_anchor;
    int m_frozenCount = 0;
    int m_sortColumn = -1;  // -1: the file's order
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};

}  // namespace teamtool::ui
