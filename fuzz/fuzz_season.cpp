// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: the season's folder as it is read. The input's first lines are
// file names, the whole of it a kept file's bytes.
//   scripts/dev.sh fuzz season 600

#include "fuzz/season_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return teamtool::fuzz::checkSeasonBytes(data, size);
}
