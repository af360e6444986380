// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One fuzz input through the team file reader and its records. Shared by the libFuzzer
// target and the corpus replay that runs with the ordinary tests.

#include <cstddef>
#include <cstdint>

namespace teamtool::fuzz {

// Reads data as a team file in several ways and aborts when the results break a rule
// the reader promises. Returns 0, as libFuzzer expects.
int checkTeamFileBytes(const std::uint8_t* data, std::size_t size);

}  // namespace teamtool::fuzz
