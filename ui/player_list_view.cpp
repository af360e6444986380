// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/player_list_view.h"

#include "ui/plain_text_delegate.h"
#include "ui/reader_events.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QTimer>

#include <algorithm>
#include <ranges>

namespace teamtool::ui {

PlayerListView::PlayerListView(QWidget* parent) : QListView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setItemDelegate(new PlainTextDelegate(this));
}

void PlayerListView::keyPressEvent(QKeyEvent* event)
{
    // Left and Right go to the list beside, on the same player: the five lists read as
    // the columns of one table, and are one Tab stop.
    if ((event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) && event->modifiers() == Qt::NoModifier &&
        parentWidget()) {
        QList<PlayerListView*> lists = parentWidget()->findChildren<PlayerListView*>(Qt::FindDirectChildrenOnly);
        std::ranges::stable_sort(lists, [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
        const qsizetype at = lists.indexOf(this) + (event->key() == Qt::Key_Right ? 1 : -1);
        if (at >= 0 && at < lists.size())
            lists[at]->setFocus(Qt::OtherFocusReason);
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Q_EMIT pickRequested();
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

void PlayerListView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    if (hasFocus())
        QListView::currentChanged(current, previous);
    else                                                       // past QListView, whose own tells a reader of the row
        QAbstractItemView::currentChanged(current, previous);  // NOLINT(bugprone-parent-virtual-call)
}

void PlayerListView::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    if (hasFocus())
        QListView::selectionChanged(selected, deselected);
    else
        QAbstractItemView::selectionChanged(selected, deselected);  // NOLINT(bugprone-parent-virtual-call)
}

void PlayerListView::focusInEvent(QFocusEvent* event)
{
    QListView::focusInEvent(event);
    // After Qt's own event for the list, which would otherwise come last.
    if (QAccessible::isActive())
        QTimer::singleShot(0, this, [this] { tellCurrentItem(this); });
}

}  // namespace teamtool::ui
