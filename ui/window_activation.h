// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// When a modal dialog closes, the window it was over is the active window again.
//
// The window system says so as a rule. On X11 its word can be lost when the window is
// busy as the dialog closes (a team file loading behind Open Team File's dialog): keys
// still reach the window, but Qt counts no window active, so it tells a screen reader
// of no window and no focus, and the reader says nothing until the user leaves the
// window and comes back. Here the window is asked for again once the dialog has gone,
// and if the window system still says nothing, Qt is told which window has the keys.

namespace teamtool::ui {

// Watches every modal dialog of the application from now on; once is enough.
void reactivateAfterDialogs();

}  // namespace teamtool::ui
