// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The fixtures the model tests share: the window as the program starts it, with
// scripted dialogs, and, for tests that read or write files, a folder of its own.

#include "scripted_dialogs.h"
#include "window/window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include <unistd.h>

namespace teamtool::testing {

// A file's bytes, as they are.
inline std::string fileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class StartedWindow : public ::testing::Test {
protected:
    ScriptedDialogs dialogs;
    std::unique_ptr<FRMTEAMTOOL> form = createMainWindow(dialogs);
    FRMTEAMTOOL& f = *form;
};

class WindowWithFolder : public StartedWindow {
protected:
    std::filesystem::path folder;

    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = std::filesystem::temp_directory_path() /
                 ("teamtool-" + std::to_string(::getpid()) + "-" + test->test_suite_name() + "-" + test->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }

    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    // Opens a team file as a manager does each week: as "teamtool PATH" does, and once
    // a team is loaded, through File > Open Team File...
    void openWeek(const std::string& path)
    {
        if (f.SSTab1.visible) {
            dialogs.openAnswers.emplace_back(path);
            f.findMenuCommand("actionOpenTeamFile")->click();
        } else {
            openTeamFile(f, path);
        }
    }

    // Writes bytes as a file of the folder and returns its path.
    std::string write(const std::string& name, const std::string& bytes) const
    {
        const std::filesystem::path file = folder / name;
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }
};

}  // namespace teamtool::testing
