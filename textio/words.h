// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Words put together as the program's sentences say them.

#include <string>
#include <vector>

namespace teamtool {

// "a", "a and b", "a, b and c".
std::string joinedWithAnd(const std::vector<std::string>& items);

}  // namespace teamtool
