// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The season as the manager meets it: every team file that loads and every orders file
// written kept in the team's season folder, this week's team compared with the one
// kept before it, last week's orders filled in one step, another team file or a recent
// one opened, and the season switched off. Keeping never stands in the way: when it
// fails, the load or the orders go through as they would without it, and a passing
// note says why the week was not kept.

#include "season/season.h"

#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace teamtool {

class FRMTEAMTOOL;

// What the program remembers between runs.
struct RememberedSettings {
    bool keepSeason = true;
    std::vector<std::string> recentFiles;                // newest first
    std::map<std::string, std::string> leagueAddresses;  // by team folder name

    bool operator==(const RememberedSettings&) const = default;
};

// What the program remembers from the last run. A team loaded already (one named at
// start) is then kept and compared as if it had loaded now.
// When the settings could not be read (`unreadable`), Keep Season is on, no file is
// recent, no address known, and a passing note says so once, with the file and why.
void restoreSettings(FRMTEAMTOOL& f, RememberedSettings remembered,
                     const std::optional<FileError>& unreadable = std::nullopt);
// What the window holds now that the program remembers.
RememberedSettings settingsToRemember(const FRMTEAMTOOL& f);
// A settings file the system reads but whose contents are not settings.
FileError settingsFormatError(const std::string& path);
// The settings could not be written: a passing note says so, the first time only.
void settingsNotWritten(FRMTEAMTOOL& f, const FileError& error);

// The program's settings file, as its errors name it.
inline constexpr FileKind kSettingsFileKind{"settings file", "a settings file", false};

// After a team file has loaded, whichever way: it heads the recent files, and while
// the season is kept, it is kept and compared with the team file kept before it.
void teamFileLoaded(FRMTEAMTOOL& f);
// After the orders were written (f.written): kept in the season, and a note of where
// they went and of any warnings.
void ordersWritten(FRMTEAMTOOL& f);

// True when the squad, the order choices, the press or the comments hold anything that
// Create Orders has not written since it changed.
bool holdsUnwrittenWork(const FRMTEAMTOOL& f);

// File > Open Team File...: another team file, at any time, the window then as if the
// program had been started with it. Asks first when there is unwritten work.
void actionOpenTeamFile_Click(FRMTEAMTOOL& f);
// File > Open Recent: recent file `index` (0: the newest), as Open Team File opens one.
void openRecentFile(FRMTEAMTOOL& f, std::size_t index);
// File > Fill From Last Week's Orders: Fill From Orders with the newest orders file
// kept for this team.
void actionFillFromLastWeek_Click(FRMTEAMTOOL& f);
// File > Keep Season: switches the season on or off.
void actionKeepSeason_Click(FRMTEAMTOOL& f);
// File > Open Season Folder: the loaded team's season folder, or the season's own
// before a team is loaded, in the file manager.
void actionOpenSeasonFolder_Click(FRMTEAMTOOL& f);

// File > Quit and the window's close: yes when nothing would be lost, or the manager
// says it may be (the question Open Team File asks).
bool mayQuit(FRMTEAMTOOL& f);

// The season folder of the loaded team.
std::filesystem::path teamFolderOf(const FRMTEAMTOOL& f);

}  // namespace teamtool
