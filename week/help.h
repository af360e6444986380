// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Help > Team File Format, Help > About TeamTool and Help > About Qt.

namespace teamtool {

class FRMTEAMTOOL;

void actionTeamFileFormat_Click(FRMTEAMTOOL& f);
void actionAbout_Click(FRMTEAMTOOL& f);
void actionAboutQt_Click(FRMTEAMTOOL& f);

}  // namespace teamtool
