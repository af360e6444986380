// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Synthetic team files for benchmarks: a team record and any number of players with a
// realistic mix of fields (plain and quoted names, some with commas, whole numbers,
// decimals, empty fields, nationality codes, a share of players with WI or WS set).

#include "app/recorded_dialogs.h"

#include <cstdint>
#include <optional>
#include <string>

namespace teamtool::bench {

// The text of a team file of `players` players, CR LF line ends. The same seed gives
// the same file.
std::string makeTeamFile(int players, std::uint32_t seed = 1);

// Writes makeTeamFile(players, seed) to path; false when it cannot be written.
bool writeTeamFile(const std::string& path, int players, std::uint32_t seed = 1);

// The path of a team file of `players` players in the temporary folder, written the
// first time it is asked for.
const std::string& benchTeamFile(int players);

// Dialogs for benchmarks: message boxes are kept, no file is ever chosen, and a
// question (replace the squad?) is answered yes.
struct BenchDialogs : RecordedDialogs {
    BenchDialogs() { answer = true; }
};

}  // namespace teamtool::bench
