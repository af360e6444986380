// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A team file read and checked in full, in the form the window takes it. Loading is
// all or nothing: the window is changed only from a complete StagedTeam.

#include "app/controls.h"
#include "teamfile/read_error.h"
#include "teamfile/record_reader.h"
#include "teamfile/team_records.h"
#include "textio/fingerprint.h"

#include <array>
#include <string>
#include <vector>

namespace teamtool {

struct StagedTeam {
    // The 26 team texts in file order; kTeamFields says which box takes each.
    std::array<std::string, kTeamFieldCount> teamTexts;
    int players = 0;
    // players * 31 grid texts, row by row, each row in grid column order.
    TextList gridCells;
    // The items for List1 to List5: Pos, Name, NSL, SP and Max SP of each selectable player.
    std::array<TextList, 5> lists;
    // The bytes it was read from, when it was read from a file, and those bytes
    // themselves (readStagedTeam only): the season keeps them without reading the file again.
    FileFingerprint file;
    std::string fileBytes;
};

// Whether staging makes the player lists' items too, or only the team and the grid.
enum class StagedLists { Made, Skipped };

// Reads the team record and every player from reader to its end. progress hears of the
// reader's position in its text every thousand players or so, and may cancel.
[[nodiscard]] ReadResult<StagedTeam> stageTeam(RecordReader& reader, StagedLists lists = StagedLists::Made,
                                               const ProgressCheck& progress = {});

// Opens the file at path (UTF-8, used exactly as given), reads it once and stages it,
// its bytes in fileBytes. progress hears
// how far it is in thousandths, and may cancel: the error is then Cancelled.
[[nodiscard]] ReadResult<StagedTeam> readStagedTeam(const std::string& path, StagedLists lists = StagedLists::Made,
                                                    const ProgressCheck& progress = {});

// True when bytes read as a team file, the team and every player, as Load Team reads one.
bool readsAsTeamFile(std::string bytes);

// How far a load is, in thousandths: reading the file is quick beside staging it, and
// counts for the first eighth. The checks that reading and staging report to.
inline constexpr std::uint64_t kLoadProgressTotal = 1000;
ProgressCheck readingProgress(const ProgressCheck& load);
ProgressCheck stagingProgress(const ProgressCheck& load);

}  // namespace teamtool
