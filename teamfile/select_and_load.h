#pragma once

// The file-selection frame's two buttons: "Select File" picks a team file, "Load Team"
// reads it into the window, all or nothing.

namespace teamtool {

class FRMTEAMTOOL;

void Command4_Click(FRMTEAMTOOL& f);  // "Select File"
void Command3_Click(FRMTEAMTOOL& f);  // "Load Team"

}  // namespace teamtool
