// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/player_list_accessible.h"

#include "ui/accessible_factory.h"

#include <QAccessibleWidget>
#include <QItemSelectionModel>
#include <QListView>
#include <QPointer>

#include <vector>

namespace teamtool::ui {

namespace {

constexpr const char* kColumnOfRows = "teamtoolColumnOfRows";

// A row of the list: a list item named with the list's column.
class RowAccessible : public QAccessibleInterface {
public:
    RowAccessible(QListView* list, int row) : m_list(list), m_row(row) {}

    bool isValid() const override { return m_list && m_list->model() && m_row < m_list->model()->rowCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_list ? m_list->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_list.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QString text(QAccessible::Text kind) const override
    {
        if (!isValid())
            return {};
        const QModelIndex at = index();
        if (kind == QAccessible::Name)
            return m_list->accessibleName() + u' ' + at.data(Qt::DisplayRole).toString();
        if (kind == QAccessible::Description)
            return at.data(Qt::AccessibleDescriptionRole).toString();
        return {};
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect shown = m_list->visualRect(index());
        return {m_list->viewport()->mapToGlobal(shown.topLeft()), shown.size()};
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        const QModelIndex at = index();
        state.selectable = true;
        state.focusable = true;
        state.selected = m_list->selectionModel() && m_list->selectionModel()->isSelected(at);
        state.focused = m_list->hasFocus() && m_list->currentIndex() == at;
        state.invisible = !m_list->viewport()->rect().intersects(m_list->visualRect(at));
        return state;
    }

private:
    QModelIndex index() const { return m_list->model()->index(m_row, 0); }

    QPointer<QListView> m_list;
    int m_row;
};

// The list itself: a container a reader passes over, its rows its children.
class ColumnOfRowsAccessible : public QAccessibleWidget {
public:
    explicit ColumnOfRowsAccessible(QListView* list) : QAccessibleWidget(list, QAccessible::Client) {}
    ColumnOfRowsAccessible(const ColumnOfRowsAccessible&) = delete;
    ColumnOfRowsAccessible& operator=(const ColumnOfRowsAccessible&) = delete;
    ~ColumnOfRowsAccessible() override
    {
        for (const QAccessible::Id id : m_rows)
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return list()->model() ? list()->model()->rowCount() : 0; }

    QAccessibleInterface* child(int row) const override
    {
        if (row < 0 || row >= childCount())
            return nullptr;
        if (static_cast<std::size_t>(row) >= m_rows.size())
            m_rows.resize(static_cast<std::size_t>(row) + 1, 0);
        QAccessible::Id& id = m_rows[static_cast<std::size_t>(row)];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(new RowAccessible(list(), row));
        return QAccessible::accessibleInterface(id);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (std::size_t row = 0; row < m_rows.size(); ++row)
            if (m_rows[row] != 0 && QAccessible::accessibleInterface(m_rows[row]) == child)
                return static_cast<int>(row);
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QModelIndex at = list()->indexAt(list()->viewport()->mapFromGlobal(QPoint(x, y)));
        return at.isValid() ? child(at.row()) : nullptr;
    }

    QAccessibleInterface* focusChild() const override
    {
        return list()->hasFocus() && list()->currentIndex().isValid() ? child(list()->currentIndex().row()) : nullptr;
    }

private:
    QListView* list() const { return static_cast<QListView*>(widget()); }

    mutable std::vector<QAccessible::Id> m_rows;  // 0: not made yet
};

QAccessibleInterface* columnOfRowsInterface(const QString&, QObject* object)
{
    auto* list = qobject_cast<QListView*>(object);
    if (!list || !list->property(kColumnOfRows).toBool())
        return nullptr;
    return new ColumnOfRowsAccessible(list);
}

}  // namespace

void describeAsColumnOfRows(QListView* list)
{
    installAccessibleFactory<&columnOfRowsInterface>();
    list->setProperty(kColumnOfRows, true);
}

}  // namespace teamtool::ui
