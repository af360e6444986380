// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace teamtool::ui {

// Starts TeamTool: creates the window, runs Form_Load, shows it and handles events
// until it is closed. Returns the program's exit code. With quitOnceShown the program
// ends as soon as the window has been painted for the first time (start-up timing).
int runApplication(int argc, char** argv, bool quitOnceShown = false);

// Ends the application right after the first paint of widget.
void quitAfterFirstPaint(QWidget& widget);

}  // namespace teamtool::ui
