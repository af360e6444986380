// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The fixtures of a test of one layer: the window model as Form_Load leaves it, with
// scripted dialogs and no event wired to a handler (the event list is the window's), so
// the test calls its layer's handlers itself and links nothing above that layer; and a
// folder of the test's own for tests that read or write files.

#include "app/form_load.h"
#include "app/frmteamtool.h"
#include "scripted_dialogs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

namespace teamtool::testing {

// A file's bytes, as they are.
inline std::string fileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A row of the Select Team lists.
struct ListedPlayer {
    std::string position, name, nsl;
};

// Fills the Select Team lists with the players, as a load does.
inline void setPlayerLists(FRMTEAMTOOL& f, const std::vector<ListedPlayer>& players)
{
    for (int n = 1; n <= 5; ++n)
        f.list(n).items.clear();
    for (const ListedPlayer& p : players) {
        f.List1.items.push_back(p.position);
        f.List2.items.push_back(p.name);
        f.List3.items.push_back(p.nsl);
        f.List4.items.push_back("1");
        f.List5.items.push_back("2");
    }
}

class LoadedForm : public ::testing::Test {
protected:
    LoadedForm() { Form_Load(f); }

    ScriptedDialogs dialogs;
    FRMTEAMTOOL f{dialogs};
};

// Base with a folder named after the running test, emptied before and removed after.
template <class Base>
class WithFolder : public Base {
protected:
    std::filesystem::path folder;

    void SetUp() override
    {
        Base::SetUp();
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
        Base::TearDown();
    }

    // Writes bytes as a file of the folder and returns its path.
    std::string write(const std::string& name, const std::string& bytes) const
    {
        const std::filesystem::path file = folder / name;
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }
};

using LoadedFormWithFolder = WithFolder<LoadedForm>;

}  // namespace teamtool::testing
