// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QListView>

namespace teamtool::ui {

// A player list. Enter on the selected row picks it, like a double-click.
class PlayerListView : public QListView {
    Q_OBJECT
public:
    explicit PlayerListView(QWidget* parent = nullptr);

Q_SIGNALS:
    void pickRequested();

protected:
    // Enter picks; Left and Right go to the list beside.
    void keyPressEvent(QKeyEvent* event) override;
    // Only the list the user is in tells screen readers of its row; the four that
    // follow it stay silent, so a reader says the row of the list it is in.
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
    // Coming into a list, a reader hears its current row.
    void focusInEvent(QFocusEvent* event) override;
};

}  // namespace teamtool::ui
