// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/player_list_view.h"

#include "ui/plain_text_delegate.h"

#include <QKeyEvent>

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
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Q_EMIT pickRequested();
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

}  // namespace teamtool::ui
