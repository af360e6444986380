// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The thirteen position codes, in the order every position list shows them.

#include <array>
#include <string_view>

namespace teamtool {

inline constexpr std::array<std::string_view, 13> kPositionCodes = {"GK", "DS", "CB", "FB", "AS", "DM", "CM",
                                                                    "MF", "WH", "AM", "W",  "S",  "CF"};

// The goalkeeper's code: offered only to the substitutes' slots.
inline constexpr std::string_view kGoalkeeper = kPositionCodes[0];

}  // namespace teamtool
