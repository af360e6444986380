// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "week/compare.h"

#include "app/frmteamtool.h"
#include "teamfile/comparison.h"
#include "teamfile/select_and_load.h"
#include "week/open_beside_team.h"

namespace teamtool {

namespace {

// The summary, and on Copy the clipboard.
void showSummary(FRMTEAMTOOL& f)
{
    if (f.dialogs().showChanges(f.comparison.summary)) {
        f.dialogs().copyText(f.comparison.summary);
        f.dialogs().notify("Changes copied");
    }
}

}  // namespace

void actionCompareWithTeamFile_Click(FRMTEAMTOOL& f)
{
    if (auto path =
            openBesideTeamFile(f, "CompareWithTeamFileDialog", "Compare With an Earlier Team File", kTeamFileFilter);
        path && compareWithTeamFile(f, *path))
        showSummary(f);
}

void actionShowChanges_Click(FRMTEAMTOOL& f)
{
    if (f.comparison.made())
        showSummary(f);
}

}  // namespace teamtool
