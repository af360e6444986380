// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's window as it runs: Qt's dialogs, the window model with its events
// wired, and the main window over it, the dialogs modal to it and its notes shown in it.

#include "ui/main_window.h"
#include "ui/qt_dialogs.h"

#include <memory>

namespace teamtool::ui {

struct ProgramWindow {
    ProgramWindow();
    ProgramWindow(const ProgramWindow&) = delete;
    ProgramWindow& operator=(const ProgramWindow&) = delete;

    QtDialogs dialogs;  // first: it registers the icon and the manual
    std::unique_ptr<FRMTEAMTOOL> form;
    MainWindow window;
};

}  // namespace teamtool::ui
