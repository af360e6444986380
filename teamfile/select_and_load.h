// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The file-selection frame's two buttons: "Select File" picks a team file, "Load Team"
// reads it into the window, all or nothing.

#include "teamfile/read_error.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace teamtool {

class FRMTEAMTOOL;

// The file-open dialog's filter for team files, and its title.
inline constexpr const char* kTeamFileFilter = "Text Files (*.txt)|*.txt";
inline constexpr const char* kTeamFileDialogTitle = "Select the Team File";

void Command4_Click(FRMTEAMTOOL& f);  // "Select File"
void Command3_Click(FRMTEAMTOOL& f);  // "Load Team"

// Reads the team file at path whole and, once it has all of it, runs `ready` (which
// may prepare the window) and puts the team into the window, its bytes and its progress
// in f for the season's work that follows (teamFileLoaded). False when it cannot be
// read: the user has been told why, unless he cancelled, and nothing has changed.
bool loadTeamFile(FRMTEAMTOOL& f, const std::string& path, const std::function<void()>& ready = {});

// Where in a load's progress (thousandths) the season's work after it starts.
inline constexpr std::uint64_t kSeasonProgressFrom = 500;

// Where a team file is looked for when nothing says where: the root of drive C on
// Windows, as the league's managers expect, and the user's home folder elsewhere.
std::string startingFolder();

// What Load Team says of a team file at path it could not read: the reader's error, or
// that the file is an orders file.
std::string describeLoadError(const ReadError& error, const std::string& path);

}  // namespace teamtool
