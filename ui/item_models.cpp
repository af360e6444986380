#include "ui/item_models.h"

namespace teamtool::ui {

GridModel::GridModel(const Grid& grid, QObject* parent)
    : QAbstractTableModel(parent),
      m_grid(grid),
      m_shownRevision(grid.revision()),
      m_shownRows(std::max(0, grid.rows() - grid.fixedRows)),
      m_shownCols(grid.cols())
{
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_shownRows;
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_shownCols;
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    // A view may paint during a handler's message box, before the next sync.
    const int row = index.row() + m_grid.fixedRows;
    if (row >= m_grid.rows() || index.column() >= m_grid.cols())
        return {};
    const std::string_view text = m_grid.textMatrix(row, index.column());
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= m_shownCols ||
        section >= m_grid.cols() || m_grid.fixedRows == 0 || m_grid.rows() == 0)
        return {};
    const std::string_view text = m_grid.textMatrix(0, section);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void GridModel::sync()
{
    if (m_shownRevision == m_grid.revision())
        return;
    beginResetModel();
    m_shownRevision = m_grid.revision();
    m_shownRows = std::max(0, m_grid.rows() - m_grid.fixedRows);
    m_shownCols = m_grid.cols();
    endResetModel();
}

ListModel::ListModel(const ListBox& list, QObject* parent)
    : QAbstractListModel(parent), m_list(list), m_shownCount(static_cast<int>(list.items.size()))
{
}

int ListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_shownCount;
}

QVariant ListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid) ||
        index.row() >= static_cast<int>(m_list.items.size()))
        return {};
    return QString::fromStdString(m_list.items[static_cast<std::size_t>(index.row())]);
}

void ListModel::sync()
{
    const int count = static_cast<int>(m_list.items.size());
    if (count == m_shownCount)
        return;
    beginResetModel();
    m_shownCount = count;
    endResetModel();
}

}  // namespace teamtool::ui
