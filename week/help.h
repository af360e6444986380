#pragma once

// Help > Team File Format and Help > About TeamTool.

namespace teamtool {

class FRMTEAMTOOL;

void actionTeamFileFormat_Click(FRMTEAMTOOL& f);
void actionAbout_Click(FRMTEAMTOOL& f);

}  // namespace teamtool
