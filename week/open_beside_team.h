// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The file-open dialog of the menu bar's commands: it starts in the loaded team file's
// folder, where last week's files are kept.

#include <optional>
#include <string>

namespace teamtool {

class FRMTEAMTOOL;

// Asks for a file through the dialog `name`, titled by what it picks, with `filter`
// ("Orders Files (*.TXT)|*.TXT"); nothing when the user cancels.
std::optional<std::string> openBesideTeamFile(FRMTEAMTOOL& f, const std::string& name, const std::string& title,
                                              const std::string& filter);

}  // namespace teamtool
