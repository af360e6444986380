// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The season's reading of its folder: kept names and their stamps, the order of a
// folder's kept files, names made portable, and what a kept file is by its bytes.

#include <cstddef>
#include <cstdint>

namespace teamtool::fuzz {

int checkSeasonBytes(const std::uint8_t* data, std::size_t size);

}  // namespace teamtool::fuzz
