// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Select File" and "Load Team": the two buttons of the file-selection frame.

#include "teamfile/select_and_load.h"

#include "app/frmteamtool.h"
#include "season/season.h"
#include "teamfile/staged_team.h"
#include "textio/files.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string>
#include <string_view>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace teamtool {

std::string startingFolder()
{
#ifdef _WIN32
    return "c:\\";
#else
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return "/";
#endif
}

namespace {

void commitStagedTeam(FRMTEAMTOOL& f, StagedTeam load)
{
    for (std::size_t n = 0; n < kTeamFields.size(); ++n)
        f.Text(kTeamFields[n].textBox).text = std::move(load.teamTexts[n]);

    // N players fill rows 1 to N; the grid then has one empty row below them. With no
    // player the grid keeps the rows it had.
    if (load.players > 0) {
        f.MSFlexGrid1.assignRows(1, std::move(load.gridCells));
        f.MSFlexGrid1.setRows(load.players + 2);
    }

    for (int k = 0; k < 5; ++k) {
        TextList& items = f.list(k + 1).items;
        TextList& staged = load.lists[static_cast<std::size_t>(k)];
        if (items.empty())
            items = std::move(staged);
        else
            items.append(staged);
    }

    f.SSTab1.geometry.left = 0;
    f.SSTab1.geometry.top = 0;
    f.SSTab1.visible = true;
    f.Frame32.visible = false;

    f.loadedPlayers = load.players;
    f.loadedFile = load.file;
    f.loadedTeamFile.abbreviation = f.Text(kTeamFields[1].textBox).text;
    f.loadedTeamFile.name = f.Text(kTeamFields[0].textBox).text;
    f.loadedTeamFile.bytes = std::move(load.fileBytes);
    ++f.loads;
    // A comparison was with the team shown before.
    const unsigned revision = f.comparison.revision;
    f.comparison = Comparison();
    f.comparison.revision = revision + 1;
}

}  // namespace

void Command4_Click(FRMTEAMTOOL& f)
{
    FileDialog& dialog = f.CommonDialog1;
    dialog.dialogTitle = kTeamFileDialogTitle;
    dialog.fileName.clear();
    dialog.flags = cdlOFNHideReadOnly;
    dialog.initDir = startingFolder();
    dialog.filter = kTeamFileFilter;
    dialog.cancelError = true;
    if (auto path = f.dialogs().showOpen(dialog))
        f.Text31.text = std::move(*path);
}

void Command3_Click(FRMTEAMTOOL& f)
{
    // Used exactly as it stands: a path of blanks is tried like any other.
    const std::string path = f.Text31.text;
    if (!path.empty())
        loadTeamFile(f, path);
}

bool loadTeamFile(FRMTEAMTOOL& f, const std::string& path, const std::function<void()>& ready)
{
    // While the season is kept, the reading is the first half of the load's progress and
    // the season's keeping and comparing (teamFileLoaded) the second.
    auto progress = f.dialogs().startProgress("Loading " + fileNameOf(path));
    ProgressPart reading(progress.get(), 0, f.season.keeping() ? kSeasonProgressFrom : ProgressPart::kWhole);
    auto load = readStagedTeam(path, StagedLists::Made, reading.check());
    if (!load) {
        progress.reset();  // the progress goes before any message comes
        if (load.error().code != ReadErrorCode::Cancelled)
            f.msgBox(describeLoadError(load.error(), path));
        return false;
    }
    if (ready)
        ready();
    commitStagedTeam(f, std::move(*load));
    f.loadedTeamFile.path = path;
    f.loadProgress = std::move(progress);
    return true;
}

std::string describeLoadError(const ReadError& error, const std::string& path)
{
    const auto bytes = readWholeFile(path, kMaxOrdersFileBytes);
    if (error.code != ReadErrorCode::CannotOpen && error.code != ReadErrorCode::NotAFile && bytes &&
        isOrdersFile(*bytes))
        return "The team file \"" + path +
               "\" is an orders file, not a team file: load this week's team "
               "file, then choose File > Fill From Orders... to carry this squad over.";
    return describeReadError(error, path);
}

}  // namespace teamtool
