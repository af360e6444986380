#pragma once

// Qt item models that show the window model's grid and player lists without copying
// them: a view asks for the cells it paints, so 100,000 rows cost nothing until seen.

#include "app/controls.h"

#include <QAbstractListModel>
#include <QAbstractTableModel>

namespace teamtool::ui {

// MSFlexGrid1: row 0 of the grid is the view's horizontal header, the other rows are
// the model's rows.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(const Grid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Shows the grid as it now stands, if it changed since last time.
    void sync();

private:
    const Grid& m_grid;
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
