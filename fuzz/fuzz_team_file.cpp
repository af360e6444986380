// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: the team file reader and its records.
// A ten-minute campaign, from the repository root (a clang build with -DTEAMTOOL_FUZZ=ON,
// then this target over fuzz/corpus with its dictionary):
//   scripts/dev.sh fuzz 600

#include "fuzz/team_file_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return teamtool::fuzz::checkTeamFileBytes(data, size);
}
