// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's window as it runs: Qt's dialogs, the window model with its events
// wired, and the main window over it, the dialogs modal to it and its notes shown in it;
// the season's place and the settings the program remembers.

#include "ui/main_window.h"
#include "ui/qt_dialogs.h"
#include "ui/season_settings.h"
#include "ui/season_window.h"

#include <QPointer>

#include <memory>

namespace teamtool::ui {

struct ProgramWindow {
    // settings: where the season and the settings are; none, the user's own, which are
    // found only when the season starts.
    explicit ProgramWindow(std::unique_ptr<SeasonSettings> settings = nullptr);
    ProgramWindow(const ProgramWindow&) = delete;
    ProgramWindow& operator=(const ProgramWindow&) = delete;

    // The season folder and what the last run remembered, into the model: the program
    // does it right after the window's first paint. Until then nothing is kept, and
    // nothing is remembered.
    void startSeason();

    QtDialogs dialogs;  // first: it registers the icon and the manual
    std::unique_ptr<FRMTEAMTOOL> form;
    MainWindow window;
    std::unique_ptr<SeasonSettings> settings;
    // File > Season...'s window, made when first asked for; the main window owns it.
    QPointer<SeasonWindow> season;
};

}  // namespace teamtool::ui
