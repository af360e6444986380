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
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace teamtool::ui
