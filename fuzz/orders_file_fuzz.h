// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One fuzz input through the whole path an orders file takes: read, decoded, checked
// and filled into a window with a team loaded, twice. Shared by the libFuzzer target
// and the corpus replay that runs with the ordinary tests.

#include <cstddef>
#include <cstdint>

namespace teamtool::fuzz {

// Aborts when a fill breaks a rule: a refused file leaves the window exactly as it
// was; a filled window whose checks pass writes orders that, filled into a fresh
// window, write the same bytes again. Returns 0, as libFuzzer expects.
int checkOrdersFileBytes(const std::uint8_t* data, std::size_t size);

}  // namespace teamtool::fuzz
