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
                                            "reads.");
}

}  // namespace teamtool
