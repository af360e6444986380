// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the window knows of the season and of the files loaded before: the only state
// that outlives a run (the program remembers `keep`, `recentFiles` and
// `leagueAddresses`), and what the season holds of the loaded team.

#include "season/season.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace teamtool {

inline constexpr std::size_t kMaxRecentFiles = 8;
// How many of the last weeks a player's tooltip counts his starts over.
inline constexpr int kRecentWeeks = 8;

// A kept file that cannot be read: its name, and the reader's sentence of why.
struct UnreadableFile {
    std::string name;
    std::string why;
};

struct SeasonState {
    // The folder every team's season is kept in (UTF-8): the user's data folder for the
    // program, handed in by the program. Empty: there is none, and nothing is kept.
    std::string folder;
    // File > Keep Season: off, nothing is kept or read.
    bool keep = true;
    // The team files loaded last, newest first, by path.
    std::vector<std::string> recentFiles;
    // The league's address E-mail Orders sends each team's orders to, by the name of the
    // team's season folder ("RDV Redvale Rovers"); empty when the manager gave none.
    std::map<std::string, std::string> leagueAddresses;
    // When a file is kept: now, unless a test says otherwise.
    std::function<KeptTime()> clock;

    // Of the loaded team: its season folder, and the newest orders file kept there
    // (empty: none).
    std::string teamFolder;
    std::string lastOrders;
    KeptTime lastOrdersTime;
    // The last weeks (up to kRecentWeeks) the season kept orders for, and how many of
    // them each of the loaded team's players started, by grid row ([row - 1]).
    int recentOrdersWeeks = 0;
    std::vector<int> recentStarts;
    // How many team files are kept there, as far as it is known: at least 1 when any
    // is (the week just kept, say); all of them once File > Season... has read them.
    std::size_t keptTeamFiles = 0;
    // The kept files of its folder that cannot be read as what they hold: left out,
    // never changed.
    std::vector<UnreadableFile> unreadable;

    // A note about the settings, said with the next note of the season (or alone), and
    // whether the settings' not being written has been said this run.
    std::string settingsNote;
    bool toldNotWritten = false;

    bool keeping() const { return keep && !folder.empty(); }
    KeptTime now() const { return clock ? clock() : localTimeNow(); }
};

// The team file as it was loaded: where it was read from and the team it names (the
// season's folder is named after it), and its bytes from the load until the season
// has kept them (then empty: they are the season's from there on).
struct LoadedTeamFile {
    std::string path;
    std::string abbreviation;
    std::string name;
    std::string bytes;
};

// The orders file written last for the loaded team (Create Orders, E-mail Orders), and
// what the window held when it was.
struct WrittenOrders {
    unsigned count = 0;  // goes up with every orders file written
    std::string fileName;
    std::string bytes;
    std::string selection;  // selectionState() when it was written
};

}  // namespace teamtool
