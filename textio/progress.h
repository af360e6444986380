// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How a long task says how far it is, and hears whether to go on.

#include <cstdint>
#include <functional>

namespace teamtool {

// Told that `done` of `total` units are done; false once the user has cancelled. An
// empty one: nobody is watching, go on.
using ProgressCheck = std::function<bool(std::uint64_t done, std::uint64_t total)>;

inline bool goOn(const ProgressCheck& check, std::uint64_t done, std::uint64_t total)
{
    return !check || check(done, total);
}

}  // namespace teamtool
