// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

class QObject;
class QWidget;

namespace teamtool::ui {

// What watches a start from outside, as the start-up benchmark does: told of the
// window before it first shows, once the season and a team file named at start are in
// it, and of the exit status when the event loop ends. The program itself has none.
class StartupProbe {
public:
    virtual ~StartupProbe() = default;
    virtual void windowMade(QWidget& /*window*/) {}
    virtual void startedWhole(QWidget& /*window*/) {}
    virtual void finished(int /*status*/) {}
};

// Starts TeamTool: creates the window, runs Form_Load, shows it and handles events
// until it is closed. Returns the program's exit code.
int runApplication(int argc, char** argv, StartupProbe* probe = nullptr);

// Calls action once watched has been painted for the first time (a window: then it
// stands where the window manager put it; the application: any of its widgets).
void afterFirstPaint(QObject& watched, std::function<void()> action);

}  // namespace teamtool::ui
