// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A note that needs no answer ("The orders for RDVvsCD.TXT are on the clipboard"): shown
// whole over the bottom edge of the window, in the palette's tooltip colours, for as
// long as it takes to read, then gone by itself. Screen readers announce it.

#include <QLabel>
#include <QTimer>

namespace teamtool::ui {

class PassingNote : public QLabel {
    Q_OBJECT
public:
    explicit PassingNote(QWidget* window);

    // Shows text, in place of any note still shown: once what the program is doing has
    // been shown, and the window is the active one, so that a screen reader, which
    // drops what comes in a rush of changes, hears it whole and in its turn. Notes
    // passed while the window is not active show together, one line each.
    void pass(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();
    void showHeld();

    QTimer m_timer;
    bool m_held = false;  // a note waits for its window to be active
};

}  // namespace teamtool::ui
