// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The season as its window shows it: every kept team file of the loaded team that
// reads, as it was read, oldest first. What the window shows of it (tables, lines,
// copies) is made from this by week/season_window.h.

#include "app/controls.h"
#include "season/season.h"

#include <string>
#include <vector>

namespace teamtool {

struct SeasonWeek {
    std::string name;                    // the kept file's name
    std::string path;                    // UTF-8
    KeptTime time;                       // when it was kept
    std::vector<std::string> teamTexts;  // the team's fields, in file order
    int players = 0;
    TextList cells;  // players rows of grid texts, each row in grid column order
    // The orders kept after this team file and before the next, the last of them if
    // there were several (UTF-8); empty when none was kept.
    std::string orders;
};

struct SeasonView {
    std::vector<SeasonWeek> weeks;
    // The kept files that cannot be read as this team's team file or as orders, by
    // name: left out.
    std::vector<std::string> unreadable;
    // Why the season's folder could not be listed; empty when it was.
    std::string folderProblem;
    // Goes up with every reading, so that a window knows when to show it anew.
    unsigned revision = 0;
};

}  // namespace teamtool
