// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The file-selection frame's two buttons: "Select File" picks a team file, "Load Team"
// reads it into the window, all or nothing.

#include "teamfile/read_error.h"

#include <string>

namespace teamtool {

class FRMTEAMTOOL;

// The file-open dialog's filter for team files.
inline constexpr const char* kTeamFileFilter = "Text Files (*.txt)|*.txt";

void Command4_Click(FRMTEAMTOOL& f);  // "Select File"
void Command3_Click(FRMTEAMTOOL& f);  // "Load Team"

// What Load Team says of a team file at path it could not read: the reader's error, or
// that the file is an orders file.
std::string describeLoadError(const ReadError& error, const std::string& path);

}  // namespace teamtool
