// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "week/help.h"

#include "app/frmteamtool.h"
#include "textio/version.h"

#include <string>

namespace teamtool {

void actionTeamFileFormat_Click(FRMTEAMTOOL& f)
{
    f.dialogs().showManual("team-file-format");
}

void actionAbout_Click(FRMTEAMTOOL& f)
{
    f.dialogs().about("About TeamTool", std::string("TeamTool ") + kTeamToolVersion +
                                            "\n\nPrepares the weekly orders of a team in a play-by-mail football "
                                            "league: load the team file the league sent, pick the squad and the "
                                            "week's choices, and write the orders file the league's software "
                                            "reads.\n\n"
                                            "TeamTool is free software: you can redistribute it and change it under "
                                            "the terms of the GNU General Public License, version 3 or (at your "
                                            "option) any later version (GPL-3.0-or-later). It comes with no "
                                            "warranty.\n\n"
                                            "It uses Qt under the GNU Lesser General Public License, version 3 "
                                            "(Help > About Qt).");
}

void actionAboutQt_Click(FRMTEAMTOOL& f)
{
    f.dialogs().aboutToolkit();
}

}  // namespace teamtool
