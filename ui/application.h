// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace teamtool::ui {

// When the program ends by itself, for start-up timing: never (it runs until its window
// is closed), right after the window's first paint, or right after the first paint once
// the team file named at start has loaded (and been kept and compared).
enum class QuitWhen { Closed, FirstPainted, LoadedAndPainted };

// Starts TeamTool: creates the window, runs Form_Load, shows it and handles events
// until it is closed, or as quit says. Returns the program's exit code.
int runApplication(int argc, char** argv, QuitWhen quit = QuitWhen::Closed);

// Ends the application right after the first paint of widget.
void quitAfterFirstPaint(QWidget& widget);

}  // namespace teamtool::ui
