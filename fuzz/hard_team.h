// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The team the fuzz targets load into a window: its names are the hard ones.

#include <string>

namespace teamtool::fuzz {

// The path of its team file, written once by each process and removed at exit.
std::string hardTeamFilePath();

}  // namespace teamtool::fuzz
