#pragma once

// Qt item models that show the window model's grid and player lists without copying
// them: a view asks for the cells it paints, so 100,000 rows cost nothing until seen.

#include "app/controls.h"

#include <QAbstractListModel>
#include <QAbstractTableModel>
#include <QColor>

#include <functional>
#include <string>
#include <vector>

namespace teamtool::ui {

// MSFlexGrid1: row 0 of the grid is the view's horizontal header, the other rows are
// the model's rows, in the file's order or sorted by a column. A row the window model
// gives a note for (a player who cannot be picked) is drawn greyed, the note its tooltip.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using RowNote = std::function<std::string(int gridRow)>;
    explicit GridModel(const Grid& grid, QObject* parent = nullptr);

    void setRowNote(RowNote note) { m_rowNote = std::move(note); }

    // Shows the rows sorted by column (numbers as numbers, texts in the user's locale,
    // empty cells last); unsort() returns to the file's order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    void unsort();
    // The grid row (from 1) that view row `row` shows.
    int gridRow(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Shows the grid as it now stands, if it changed since last time.
    void sync();

private:
    void reorder(std::vector<int> order);

    const Grid& m_grid;
    RowNote m_rowNote;
    mutable QColor m_muted;       // the greyed rows' colour, for the palette of m_mutedFor
    mutable qint64 m_mutedFor = 0;
    std::vector<int> m_order;  // grid rows in view order; empty for the file's order
    unsigned m_shownRevision;
    int m_shownRows;  // the counts the view was last told of
    int m_shownCols;
};

// One of the five player lists.
class ListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ListModel(const ListBox& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Items are only ever appended or replaced as a whole; a change of count is a change.
    void sync();

private:
    const ListBox& m_list;
    int m_shownCount;
};

}  // namespace teamtool::ui
