// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/item_models.h"

#include "app/grid_order.h"
#include "ui/contrast.h"

#include <QCollator>
#include <QGuiApplication>
#include <QPalette>

#include <algorithm>
#include <numeric>

namespace teamtool::ui {

using namespace Qt::StringLiterals;

GridModel::GridModel(const Grid& grid, QObject* parent)
    : QAbstractTableModel(parent), m_grid(grid), m_shownRevision(grid.revision()),
      m_shownRows(std::max(0, grid.rows() - grid.fixedRows)), m_shownCols(grid.cols())
{}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_shownRows;
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_shownCols;
}

int GridModel::gridRow(int row) const
{
    if (!m_order.empty() && row >= 0 && row < static_cast<int>(m_order.size()))
        return m_order[static_cast<std::size_t>(row)];
    return row + m_grid.fixedRows;
}

void GridModel::setNotes(ItemNotes notes)
{
    m_notes = std::move(notes);
    m_shownNotes = m_notes.revision ? m_notes.revision() : 0;
}

namespace {

// A note's and a mark's data for a role, or nothing when the role is not theirs.
std::optional<QVariant> noteData(const ItemNotes& notes, int row, int col, int role)
{
    switch (role) {
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        if (notes.note)
            if (const std::string note = notes.note(row, col); !note.empty())
                return QString::fromStdString(note);
        return QVariant();
    case kMarkTextRole:
    case kMarkKindRole: {
        const auto mark = notes.mark ? notes.mark(row, col) : std::nullopt;
        if (!mark)
            return QVariant();
        return role == kMarkTextRole ? QVariant(QString::fromStdString(mark->text))
                                     : QVariant(static_cast<int>(mark->kind));
    }
    default:
        return std::nullopt;
    }
}

}  // namespace

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    // A view may paint during a handler's message box, before the next sync.
    const int row = gridRow(index.row());
    if (row >= m_grid.rows() || index.column() >= m_grid.cols())
        return {};
    if (auto data = noteData(m_notes, row, index.column(), role))
        return *data;
    if (role == Qt::ForegroundRole) {
        if (!m_notes.muted || !m_notes.muted(row))
            return {};
        // Muted, yet legible on the list's background in any palette (4.5:1); worked out
        // once for each palette, not for every cell painted.
        const QPalette palette = QGuiApplication::palette();
        if (palette.cacheKey() != m_mutedFor) {
            m_muted = mutedText(palette.color(QPalette::Text), palette.color(QPalette::Base));
            m_mutedFor = palette.cacheKey();
        }
        return QBrush(m_muted);
    }
    if (role != Qt::DisplayRole)
        return {};
    const std::string_view text = m_grid.textMatrix(row, index.column());
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void GridModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= m_grid.cols())
        return;
    // Texts are ranked once each, by their collation keys in the user's locale.
    const TextRanking rankTexts = [](const std::vector<std::string_view>& texts) {
        QCollator collator;
        collator.setNumericMode(true);
        std::vector<QCollatorSortKey> keys;
        keys.reserve(texts.size());
        for (const std::string_view text : texts)
            keys.push_back(collator.sortKey(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))));
        std::vector<int> byKey(texts.size());
        std::iota(byKey.begin(), byKey.end(), 0);
        std::stable_sort(byKey.begin(), byKey.end(), [&keys](int a, int b) {
            return keys[static_cast<std::size_t>(a)].compare(keys[static_cast<std::size_t>(b)]) < 0;
        });
        std::vector<int> ranks(texts.size());
        int rank = 0;
        for (std::size_t k = 0; k < byKey.size(); ++k) {
            const auto text = static_cast<std::size_t>(byKey[k]);
            if (k > 0 && keys[static_cast<std::size_t>(byKey[k - 1])].compare(keys[text]) != 0)
                ++rank;
            ranks[text] = rank;
        }
        return ranks;
    };
    m_sortColumn = column;
    m_descending = order == Qt::DescendingOrder;
    reorder(sortedGridRows(m_grid, column, m_descending, rankTexts));
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void GridModel::unsort()
{
    m_sortColumn = -1;
    reorder({});
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void GridModel::reorder(std::vector<int> order)
{
    // A change of layout, not a reset: the views keep their column widths, and the
    // current cell stays on the same player.
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> gridRows;
    gridRows.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex& index : before)
        gridRows.push_back(gridRow(index.row()));
    m_order = std::move(order);
    std::vector<int> viewRowOf;
    if (!before.isEmpty()) {
        viewRowOf.assign(static_cast<std::size_t>(m_grid.rows()), -1);
        for (int row = 0; row < m_shownRows; ++row)
            if (const int grid = gridRow(row); grid >= 0 && grid < m_grid.rows())
                viewRowOf[static_cast<std::size_t>(grid)] = row;
    }
    QModelIndexList after;
    for (qsizetype k = 0; k < before.size(); ++k) {
        const int grid = gridRows[static_cast<std::size_t>(k)];
        const int row = grid >= 0 && grid < m_grid.rows() ? viewRowOf[static_cast<std::size_t>(grid)] : -1;
        after << (row >= 0 ? index(row, before[k].column()) : QModelIndex());
    }
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::ToolTipRole && orientation == Qt::Horizontal)
        return QStringLiteral(
            "Click, or press Ctrl+Enter in this column, to sort by it; again to reverse; a third time for "
            "the file's order");
    const bool named = role == Qt::DisplayRole || role == Qt::AccessibleTextRole;
    if (!named || orientation != Qt::Horizontal || section < 0 || section >= m_shownCols || section >= m_grid.cols() ||
        m_grid.fixedRows == 0 || m_grid.rows() == 0)
        return {};
    const std::string_view text = m_grid.textMatrix(0, section);
    QString heading = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    // A screen reader hears the order a heading sorts by: "NSL, sorted highest first".
    if (role == Qt::AccessibleTextRole && section == m_sortColumn)
        heading += u", sorted "_s + QString::fromStdString(sortOrderWords(m_grid, section, m_descending));
    return heading;
}

void GridModel::reload()
{
    m_shownRevision = m_grid.revision() + 1;
    sync();
}

void GridModel::sync()
{
    if (const unsigned notes = m_notes.revision ? m_notes.revision() : 0; notes != m_shownNotes) {
        m_shownNotes = notes;
        if (m_shownRows > 0 && m_shownCols > 0)
            Q_EMIT dataChanged(index(0, 0), index(m_shownRows - 1, m_shownCols - 1));
    }
    if (m_shownRevision == m_grid.revision())
        return;
    beginResetModel();
    m_order.clear();  // another team's rows: the file's order
    m_shownRevision = m_grid.revision();
    m_shownRows = std::max(0, m_grid.rows() - m_grid.fixedRows);
    m_shownCols = m_grid.cols();
    endResetModel();
}

ListModel::ListModel(const ListBox& list, QObject* parent)
    : QAbstractListModel(parent), m_list(list), m_shownCount(static_cast<int>(list.items.size()))
{}

int ListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_shownCount;
}

void ListModel::setNotes(ItemNotes notes)
{
    m_notes = std::move(notes);
    m_shownNotes = m_notes.revision ? m_notes.revision() : 0;
}

QVariant ListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || index.row() >= static_cast<int>(m_list.items.size()))
        return {};
    if (auto data = noteData(m_notes, index.row(), 0, role))
        return *data;
    if (role != Qt::DisplayRole)
        return {};
    const std::string_view text = m_list.items[static_cast<std::size_t>(index.row())];
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void ListModel::sync()
{
    if (const unsigned notes = m_notes.revision ? m_notes.revision() : 0; notes != m_shownNotes) {
        m_shownNotes = notes;
        if (m_shownCount > 0)
            Q_EMIT dataChanged(index(0), index(m_shownCount - 1));
    }
    const int count = static_cast<int>(m_list.items.size());
    if (count == m_shownCount)
        return;
    beginResetModel();
    m_shownCount = count;
    endResetModel();
}

}  // namespace teamtool::ui
