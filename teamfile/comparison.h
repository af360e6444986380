// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Since last week: this week's team beside an earlier team file.
// Players are matched by name, exactly as the grid's Name column reads; players of one
// name are matched in file order. The comparison is a view: it adds notes (tooltips and
// what a screen reader says), painted marks and a summary in words, and changes no
// control's text.

#include "app/comparison.h"
#include "app/dialogs.h"
#include "teamfile/read_error.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace teamtool {

class FRMTEAMTOOL;
struct Control;

// Compares the loaded team with the team file at path, all or nothing: the comparison
// and its summary in f.comparison. False, with nothing changed, when the file cannot be
// read (Load Team's message for it) or is the loaded file itself or holds the bytes it
// was loaded from (a passing note).
bool compareWithTeamFile(FRMTEAMTOOL& f, const std::string& path);
// The same for a file's bytes already read, with the progress of the reading, if any.
bool compareWithTeamFileBytes(FRMTEAMTOOL& f, const std::string& path, std::string bytes,
                              std::unique_ptr<Progress> progress = nullptr);

// Compares the loaded team with the team file `name` held, exactly as the two above
// do, but tells the user nothing: the reader's error, with nothing changed, when the
// bytes are no team file.
[[nodiscard]] ReadResult<void> compareWithBytes(FRMTEAMTOOL& f, const std::string& name, std::string bytes,
                                                Progress* progress = nullptr);

// The note of grid cell (row, col): why the row's player cannot be picked, then, for a
// cell whose text differs from the earlier file's, "NSL: now 14.6, was 14.1", or for
// the Name cell of a player with no match, "New since RDV-week12.txt". Lines joined
// with '\n'; empty for none.
std::string gridCellNote(const FRMTEAMTOOL& f, int row, int col);
// The mark painted in grid cell (row, col): in the NSL, SP and Max SP columns a number
// gone up or down, in the Name column a new player.
std::optional<ChangeMark> gridCellMark(const FRMTEAMTOOL& f, int row, int col);

// The same for item `item` (from 0) of List1 to List5: List3 shows a changed NSL,
// List2 a new player's note; the other lists nothing.
std::string listItemNote(const FRMTEAMTOOL& f, int list, int item);
std::optional<ChangeMark> listItemMark(const FRMTEAMTOOL& f, int list, int item);

// A player in this week's lists who could not be picked in the earlier file: back from
// injury or suspension, or new (not in it at all).
struct SelectableAgain {
    std::size_t item = 0;  // his item in List1 to List5
    bool isNew = false;
};

// Every such player, in list order; none while nothing is compared.
std::vector<SelectableAgain> selectableSinceEarlier(const FRMTEAMTOOL& f);

// "was Rovers" for a team box whose text differs from the earlier file's; empty for
// any other control.
std::string teamBoxNote(const FRMTEAMTOOL& f, const Control& control);

}  // namespace teamtool
