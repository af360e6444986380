// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The fixtures of the window's stories: the window as the program starts it, every
// event wired to its handler, with scripted dialogs.

#include "model_fixture.h"
#include "scripted_dialogs.h"
#include "window/window.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace teamtool::testing {

class StartedWindow : public ::testing::Test {
protected:
    ScriptedDialogs dialogs;
    std::unique_ptr<FRMTEAMTOOL> form = createMainWindow(dialogs);
    FRMTEAMTOOL& f = *form;
};

class WindowWithFolder : public WithFolder<StartedWindow> {
protected:
    // Opens a team file as a manager does each week: as "teamtool PATH" does, and once
    // a team is loaded, through File > Open Team File...
    void openWeek(const std::string& path)
    {
        if (f.teamLoaded()) {
            dialogs.openAnswers.emplace_back(path);
            f.findMenuCommand("actionOpenTeamFile")->click();
        } else {
            openTeamFile(f, path);
        }
    }
};

}  // namespace teamtool::testing
