// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Since last week, as the manager asks for it: File > Compare With Team File... picks
// an earlier team file and shows the summary of the comparison (teamfile/comparison.h),
// File > Changes Since Last Week... shows it again.

namespace teamtool {

class FRMTEAMTOOL;

void actionCompareWithTeamFile_Click(FRMTEAMTOOL& f);
void actionShowChanges_Click(FRMTEAMTOOL& f);

}  // namespace teamtool
