// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt item models that show the window model's grid and player lists without copying
// them: a view asks for the cells it paints, so 100,000 rows cost nothing until seen.

#include "app/comparison.h"
#include "app/controls.h"

#include <QAbstractListModel>
#include <QAbstractTableModel>
#include <QColor>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace teamtool::ui {

// The roles of a cell's painted mark (see ChangeMark): its words, and its kind as an int.
inline constexpr int kMarkTextRole = Qt::UserRole + 1;
inline constexpr int kMarkKindRole = Qt::UserRole + 2;

// What the window model says beside a grid cell's or list item's text, each part
// optional: its note (the tooltip, and what a screen reader says after the value), its
// painted mark, whether its row is greyed, and a count that goes up when they change.
struct ItemNotes {
    std::function<std::string(int row, int col)> note;
    std::function<std::optional<ChangeMark>(int row, int col)> mark;
    std::function<bool(int row)> muted;
    std::function<unsigned()> revision;
};

// MSFlexGrid1: row 0 of the grid is the view's horizontal header, the other rows are
// the model's rows, in the file's order or sorted by a column. The notes take grid rows.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(const Grid& grid, QObject* parent = nullptr);

    void setNotes(ItemNotes notes);

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
    // Shows it as it now stands in any case: the grid was replaced by another.
    void reload();

private:
    void reorder(std::vector<int> order);

    const Grid& m_grid;
    int m_sortColumn = -1;  // -1: the file's order
    bool m_descending = false;
    ItemNotes m_notes;
    mutable QColor m_muted;  // the greyed rows' colour, for the palette of m_mutedFor
    mutable qint64 m_mutedFor = 0;
    std::vector<int> m_order;  // grid rows in view order; empty for the file's order
    unsigned m_shownRevision;
    unsigned m_shownNotes = 0;
    int m_shownRows;  // the counts the view was last told of
    int m_shownCols;
};

// One of the five player lists. The notes take item numbers, column 0.
class ListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ListModel(const ListBox& list, QObject* parent = nullptr);
    void setNotes(ItemNotes notes);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Items are only ever appended or replaced as a whole; a change of count is a change.
    void sync();

private:
    const ListBox& m_list;
    ItemNotes m_notes;
    int m_shownCount;
    unsigned m_shownNotes = 0;
};

}  // namespace teamtool::ui
