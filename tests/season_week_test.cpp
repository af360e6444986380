// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The season as the manager meets it, through the window's buttons and menu commands:
// files kept once, each week compared with the one before it, last week's orders in
// one step, another team opened, and a season that fails never in the way.

#include "app/window_state.h"
#include "squad/squad.h"
#include "teamfile/comparison.h"
#include "teamfile/team_records.h"
#include "week/fill.h"
#include "week/season_commands.h"
#include "window_fixture.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>

using namespace teamtool;
using namespace teamtool::testing;
namespace fs = std::filesystem;

namespace {

const std::string kExample = fileBytes(TEAMTOOL_EXAMPLES_DIR "/team.txt");

// Week n of the example team: its goalkeeper's NSL tells the weeks apart.
std::string week(int n)
{
    std::string text = kExample;
    const std::string keeper = "Ashworth,28,GK,19.3";
    text.replace(text.find(keeper), keeper.size(), "Ashworth,28,GK,1" + std::to_string(n) + ".3");
    return text;
}

// Last week's orders for the example team, as this program wrote them.
const std::string kLastWeek = "RDV\r\nCD\r\nLB\r\nMC\r\nN\r\ny\r\nY2\r\nY5\r\n"
                              "GK Ashworth\r\nDS Bellamy\r\nCB Smith, John\r\nCB Okafor\r\nFB Hendry\r\n"
                              "DS Doyle*\r\nDM McAllister\r\nCM Varga\r\nMF Fenwick\r\nWH Quinn#\r\nAM Baptiste\r\n"
                              "SUBS\r\nW Reyes\r\nW Thornton\r\nS Kowalski\r\nS Delaney\r\nAS Iwobi\r\n"
                              "Markers\r\nSmith, John,7\r\nOkafor,9\r\n"
                              "Transfer Bids\r\nCut Players\r\nPress\r\nWe respect them.\r\n"
                              "Comments to Commish\r\nNone\r\n";

constexpr KeptTime kWeek1{2026, 11, 30, 20, 0, 0};
constexpr KeptTime kWeek2{2026, 12, 7, 20, 0, 0};
constexpr KeptTime kWeek3{2026, 12, 14, 20, 0, 0};

class Season : public WindowWithFolder {
protected:
    fs::path data;
    fs::path team;
    KeptTime now = kWeek1;

    void SetUp() override
    {
        WindowWithFolder::SetUp();
        data = folder / "data";
        team = data / "RDV Redvale Rovers";
        withSeason(f);
    }

    void withSeason(FRMTEAMTOOL& window)
    {
        window.season.folder = data.string();
        window.season.clock = [this] { return now; };
    }

    // Loads a week's team file at the given time.
    void loadAt(const KeptTime& time, const std::string& path)
    {
        now = time;
        openWeek(path);
        ASSERT_EQ(f.Text31.text, path);
    }

    void pickLastWeeksSquad(FRMTEAMTOOL& window) { ASSERT_TRUE(fillFromOrders(window, write("last.TXT", kLastWeek))); }

    std::vector<std::string> keptNames() const
    {
        std::vector<std::string> names;
        if (fs::exists(team))
            for (const auto& entry : fs::directory_iterator(team))
                names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    bool enabled(const char* command) const { return f.applies(*f.findMenuCommand(command)); }
};

}  // namespace

TEST_F(Season, EachTeamFileAndEachOrdersFileIsKeptOnceAsItWas)
{
    const std::string week1 = write("RDV.txt", week(1));
    loadAt(kWeek1, week1);
    loadAt(kWeek2, week1);
    write("copy.txt", week(1));
    loadAt(kWeek2, (folder / "copy.txt").string());
    ASSERT_EQ(keptNames(), std::vector<std::string>{"2026-11-30 20-00-00 RDV.txt"});
    EXPECT_EQ(fileBytes(team / "2026-11-30 20-00-00 RDV.txt"), week(1));
    EXPECT_TRUE(dialogs.notes.empty());  // an empty season says nothing
    EXPECT_FALSE(enabled("actionFillFromLastWeek"));

    pickLastWeeksSquad(f);
    now = {2026, 11, 30, 20, 15, 0};
    f.Command1.click();
    f.Command1.click();
    const std::string orders = fileBytes(folder / "RDVvsCD.TXT");
    ASSERT_FALSE(orders.empty());
    EXPECT_EQ(dialogs.messages.back(), "Orders Built");
    EXPECT_EQ(keptNames(),
              (std::vector<std::string>{"2026-11-30 20-00-00 RDV.txt", "2026-11-30 20-15-00 RDVvsCD.TXT"}));
    EXPECT_EQ(fileBytes(team / "2026-11-30 20-15-00 RDVvsCD.TXT"), orders);
    EXPECT_TRUE(enabled("actionFillFromLastWeek"));
    EXPECT_EQ(f.findMenuCommand("actionFillFromLastWeek")->description,
              "Fills the squad and orders from 2026-11-30 20-15-00 RDVvsCD.TXT, kept on Mon 30 Nov 2026");

    // E-mail Orders writes, so it keeps too.
    f.Text35.text = "A new press statement";
    now = {2026, 11, 30, 20, 30, 0};
    dialogs.textAnswers.emplace_back("orders@league.example");
    f.findMenuCommand("actionEmailOrders")->click();
    EXPECT_EQ(fileBytes(team / "2026-11-30 20-30-00 RDVvsCD.TXT"), fileBytes(folder / "RDVvsCD.TXT"));
}

TEST_F(Season, TheLeaguesAddressIsAskedForOnceATeamAndRemembered)
{
    loadAt(kWeek1, write("RDV.txt", week(1)));
    pickLastWeeksSquad(f);
    MenuCommand& email = *f.findMenuCommand("actionEmailOrders");

    email.click();  // the address is asked for; Cancel writes nothing
    ASSERT_EQ(dialogs.textRequests.size(), 1u);
    EXPECT_EQ(dialogs.textRequests[0].objectName, "LeagueAddressDialog");
    EXPECT_EQ(dialogs.textRequests[0].text, "");
    EXPECT_FALSE(fs::exists(folder / "RDVvsCD.TXT"));
    EXPECT_TRUE(dialogs.openedUrls.empty());

    dialogs.textAnswers.emplace_back(" orders@league.example?bcc=x ");
    email.click();
    ASSERT_EQ(dialogs.openedUrls.size(), 1u);
    EXPECT_TRUE(dialogs.openedUrls[0].starts_with("mailto:orders@league.example%3Fbcc%3Dx?subject=RDVvsCD&body="))
        << dialogs.openedUrls[0];
    EXPECT_TRUE(fs::exists(folder / "RDVvsCD.TXT"));
    email.click();  // asked once only
    EXPECT_EQ(dialogs.textRequests.size(), 2u);
    EXPECT_EQ(dialogs.openedUrls.size(), 2u);

    // League's Address... shows it and changes it; Keep Season off keeps it.
    f.findMenuCommand("actionKeepSeason")->click();
    dialogs.textAnswers.emplace_back("a@league.example,b@league.example");
    f.findMenuCommand("actionLeagueAddress")->click();
    EXPECT_EQ(dialogs.textRequests.back().text, "orders@league.example?bcc=x");
    EXPECT_EQ(settingsToRemember(f).leagueAddresses,
              (std::map<std::string, std::string>{{"RDV Redvale Rovers", "a@league.example,b@league.example"}}));
    dialogs.programAnswers = false;
    email.click();
    EXPECT_TRUE(dialogs.openedUrls.back().starts_with("mailto:a@league.example,b@league.example?subject="));
    EXPECT_EQ(dialogs.messages.back(), "No mail program answered. The orders are written to " +
                                           (folder / "RDVvsCD.TXT").make_preferred().string() + ".");
}

TEST_F(Season, APlayersTooltipSaysHowOftenHePlayedInTheWeeksWithOrders)
{
    const auto rowOf = [&](std::string_view name) {
        for (int row = 1; row <= f.loadedPlayers; ++row)
            if (f.MSFlexGrid1.textMatrix(row, kNameColumn) == name)
                return row;
        return 0;
    };
    loadAt(kWeek1, write("RDV-1.txt", week(1)));
    EXPECT_EQ(gridCellNote(f, rowOf("Ashworth"), kNameColumn), "") << "no orders kept yet";
    pickLastWeeksSquad(f);
    now = {2026, 11, 30, 21, 0, 0};
    f.Command1.click();
    f.Text35.text = "Again";
    now = {2026, 11, 30, 22, 0, 0};
    f.Command1.click();  // the same week's orders again: one week
    loadAt(kWeek2, write("RDV-2.txt", week(2)));
    EXPECT_EQ(gridCellNote(f, rowOf("Ashworth"), kNameColumn).rfind("Played last week", 0), 0u);
    EXPECT_EQ(gridCellNote(f, rowOf("Sandoval"), kNameColumn).rfind("Not played last week", 0), 0u);
    EXPECT_EQ(gridCellNote(f, rowOf("Reyes"), kNameColumn).rfind("Not played", 0), 0u) << "a substitute";
    EXPECT_EQ(gridCellNote(f, rowOf("Ashworth"), kNslColumn).find("Played"), std::string::npos);
    EXPECT_EQ(listItemNote(f, 2, 0).rfind("Played last week", 0), 0u);  // Ashworth, the first listed

    dialogs.answer = true;  // the squad the load left, replaced
    pickLastWeeksSquad(f);
    f.Text35.text = "Week two";  // other bytes: a file is kept once per bytes
    now = {2026, 12, 7, 21, 0, 0};
    f.Command1.click();
    loadAt(kWeek3, write("RDV-3.txt", week(3)));
    EXPECT_EQ(gridCellNote(f, rowOf("Ashworth"), kNameColumn).rfind("Played 2 of the last 2 weeks", 0), 0u);
}

TEST_F(Season, EachWeekIsComparedWithTheTeamFileKeptBeforeIt)
{
    const std::string week1 = write("RDV-1.txt", week(1));
    const std::string week2 = write("RDV-2.txt", week(2));
    const std::string week3 = write("RDV-3.txt", week(3));
    loadAt(kWeek1, week1);
    EXPECT_FALSE(f.comparison.made());
    loadAt(kWeek2, week2);
    loadAt(kWeek3, week3);
    dialogs.notes.clear();

    // Out of order, later: each with the week kept before it, as Compare With Team File
    // would compare it with that file.
    loadAt({2027, 1, 4, 9, 0, 0}, week2);
    ASSERT_TRUE(f.comparison.made());
    EXPECT_EQ(dialogs.notes.back(),
              "Compared with the team file kept on Mon 30 Nov 2026: File > Changes Since Last Week...");
    const Comparison automatic = f.comparison;
    dialogs.openAnswers.emplace_back((team / "2026-11-30 20-00-00 RDV-1.txt").string());
    f.findMenuCommand("actionCompareWithTeamFile")->click();
    EXPECT_EQ(f.comparison.summary, automatic.summary);
    EXPECT_EQ(f.comparison.earlierRow, automatic.earlierRow);
    EXPECT_EQ(f.comparison.earlierCells, automatic.earlierCells);
    EXPECT_NE(automatic.summary.find("NSL up: Ashworth 12.3 (was 11.3)"), std::string::npos) << automatic.summary;

    loadAt({2027, 1, 4, 9, 1, 0}, week3);
    EXPECT_EQ(dialogs.notes.back(),
              "Compared with the team file kept on Mon 7 Dec 2026: File > Changes Since Last Week...");
    const std::size_t notes = dialogs.notes.size();
    loadAt({2027, 1, 4, 9, 2, 0}, week1);
    EXPECT_FALSE(f.comparison.made());
    EXPECT_EQ(dialogs.notes.size(), notes);
    EXPECT_EQ(keptNames().size(), 3u);
}

TEST_F(Season, FillFromLastWeeksOrdersIsFillFromOrdersWithTheKeptFile)
{
    // Sandoval is suspended in week 1 and can play again in week 2.
    std::string week1 = week(1);
    const std::string sandoval = "Sandoval,26,CB,16.6,2600,6,5,1,12,6,1,9,13,0,0";
    week1.replace(week1.find(sandoval), sandoval.size(), "Sandoval,26,CB,16.6,2600,6,5,1,12,6,1,9,13,0,3");
    loadAt(kWeek1, write("RDV-1.txt", week1));
    pickLastWeeksSquad(f);
    now = {2026, 11, 30, 21, 0, 0};
    f.Command1.click();

    // Next week, two windows: one fills from last week, one from the kept file by hand.
    const std::string week2 = write("RDV-2.txt", week(2));
    ScriptedDialogs byHandDialogs;
    auto byHand = createMainWindow(byHandDialogs);
    openTeamFile(*byHand, week2);
    loadAt(kWeek2, week2);
    const fs::path kept = team / "2026-11-30 21-00-00 RDVvsCD.TXT";
    ASSERT_TRUE(enabled("actionFillFromLastWeek"));
    f.findMenuCommand("actionFillFromLastWeek")->click();
    ASSERT_TRUE(fillFromOrders(*byHand, kept.string()));
    EXPECT_EQ(windowState(f), windowState(*byHand));
    // Without a season nothing is compared, so nothing is said of who was out last week.
    EXPECT_EQ(byHandDialogs.notes.back(), "Filled from 2026-11-30 21-00-00 RDVvsCD.TXT: 16 of 16 players");
    EXPECT_EQ(dialogs.notes.back(), "Filled from 2026-11-30 21-00-00 RDVvsCD.TXT: 16 of 16 players\n"
                                    "Selectable this week, not last week:\n"
                                    "\u2022 Sandoval (CB, NSL 16.6), back: not picked while Okafor (CB, NSL 14) plays "
                                    "main side 3");
}

TEST_F(Season, ASeasonThatCannotBeKeptNeverStandsInTheWay)
{
    std::ofstream(data) << "a file where the season's folder belongs";
    const std::string week1 = write("RDV.txt", week(1));
    loadAt(kWeek1, week1);
    ASSERT_EQ(dialogs.notes.size(), 1u);
    EXPECT_EQ(dialogs.notes[0].rfind("This week's team file was not kept in the season: the folder ", 0), 0u)
        << dialogs.notes[0];
    pickLastWeeksSquad(f);
    f.Command1.click();
    EXPECT_EQ(dialogs.messages.back(), "Orders Built");
    // The note says where the orders went, then why they were not kept.
    const std::string written = "RDVvsCD.TXT written in " + fs::path(folder).make_preferred().string() + "\n";
    const std::string warned = dialogs.notes.back().substr(0, dialogs.notes.back().find("The orders were not kept"));
    EXPECT_EQ(dialogs.notes.back().rfind(warned + "The orders were not kept in the season: ", 0), 0u);
    EXPECT_EQ(warned.rfind(written + "Before you send them, check:\n", 0), 0u) << dialogs.notes.back();
    const std::string orders = fileBytes(folder / "RDVvsCD.TXT");

    // The same week without a season: the same window, the same bytes.
    fs::remove(folder / "RDVvsCD.TXT");
    ScriptedDialogs plainDialogs;
    auto plain = createMainWindow(plainDialogs);
    openTeamFile(*plain, week1);
    pickLastWeeksSquad(*plain);
    plain->Command1.click();
    EXPECT_EQ(windowState(f), windowState(*plain));
    EXPECT_EQ(fileBytes(folder / "RDVvsCD.TXT"), orders);
    EXPECT_EQ(fileBytes(data), "a file where the season's folder belongs");
}

TEST_F(Season, AKeptFileThatCannotBeReadIsLeftAloneAndNamed)
{
    loadAt(kWeek1, write("RDV-1.txt", week(1)));
    const fs::path damaged = team / "2026-12-01 08-00-00 RDV.txt";
    std::ofstream(damaged) << "\"an unterminated quote";
    loadAt(kWeek2, write("RDV-2.txt", week(2)));
    EXPECT_EQ(dialogs.notes.back(),
              "Compared with the team file kept on Mon 30 Nov 2026: File > Changes Since Last Week... "
              "Left out of the season, as it cannot be read: 2026-12-01 08-00-00 RDV.txt. The team file "
              "\"2026-12-01 08-00-00 RDV.txt\" has an unterminated quote at line 1, in field 1 of the team record.");
    EXPECT_EQ(fileBytes(damaged), "\"an unterminated quote");
}

TEST_F(Season, KeepSeasonOffKeepsAndReadsNothing)
{
    EXPECT_TRUE(f.applies(*f.findMenuCommand("actionKeepSeason")));  // before a load too
    f.findMenuCommand("actionKeepSeason")->click();
    EXPECT_FALSE(f.season.keep);
    EXPECT_FALSE(f.findMenuCommand("actionKeepSeason")->checked);
    loadAt(kWeek1, write("RDV.txt", week(1)));
    pickLastWeeksSquad(f);
    f.Command1.click();
    EXPECT_FALSE(fs::exists(data));
    EXPECT_FALSE(enabled("actionFillFromLastWeek"));
    EXPECT_FALSE(enabled("actionOpenSeasonFolder"));

    // On again: this week is kept, and the folder can be opened.
    f.findMenuCommand("actionKeepSeason")->click();
    EXPECT_EQ(keptNames(), std::vector<std::string>{"2026-11-30 20-00-00 RDV.txt"});
    f.findMenuCommand("actionOpenSeasonFolder")->click();
    EXPECT_EQ(dialogs.openedFolders, std::vector<std::string>{team.string()});
}

TEST_F(Season, OpenTeamFileAsksOnlyWhenWorkIsUnwrittenThenStartsAfresh)
{
    const std::string week1 = write("RDV-1.txt", week(1));
    const std::string week2 = write("RDV-2.txt", week(2));
    loadAt(kWeek1, week1);
    const auto open = [&](const std::string& path) {
        dialogs.openAnswers.emplace_back(path);
        f.findMenuCommand("actionOpenTeamFile")->click();
    };
    open(week2);
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(dialogs.openSettings.back().initDir, folder.string());
    EXPECT_EQ(dialogs.openSettings.back().dialogTitle, "Select the Team File");
    ScriptedDialogs freshDialogs;
    auto fresh = createMainWindow(freshDialogs);
    openTeamFile(*fresh, week2);
    EXPECT_EQ(windowState(f), windowState(*fresh));

    pickLastWeeksSquad(f);
    const WindowState picked = windowState(f);
    dialogs.answer = false;
    open(week1);
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_NE(dialogs.questions[0].find("Redvale Rovers"), std::string::npos) << dialogs.questions[0];
    EXPECT_EQ(windowState(f), picked);
    EXPECT_EQ(dialogs.openSettings.size(), 1u);  // asked before the dialog

    f.Command1.click();  // written: nothing is lost now
    open(week1);
    EXPECT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(f.Text31.text, week1);
    EXPECT_TRUE(isSlotEmpty(f, 1));
}

TEST_F(Season, RecentFilesAreTheEightLoadedLastNewestFirst)
{
    std::vector<std::string> paths;
    for (int n = 1; n <= 9; ++n)
        paths.push_back(write("RDV-" + std::to_string(n) + ".txt", week(n % 8 + 1)));
    for (const std::string& path : paths)
        loadAt(kWeek1, path);
    loadAt(kWeek1, paths[4]);
    const std::vector<std::string> expected = {paths[4], paths[8], paths[7], paths[6],
                                               paths[5], paths[3], paths[2], paths[1]};
    EXPECT_EQ(f.season.recentFiles, expected);

    fs::remove(paths[8]);
    openRecent(f, 1);
    EXPECT_EQ(dialogs.messages.back(),
              "The team file \"" + paths[8] + "\" no longer exists, so it leaves the recent files.");
    EXPECT_EQ(f.season.recentFiles.size(), 7u);
    openRecent(f, 1);
    EXPECT_EQ(f.Text31.text, paths[7]);
    EXPECT_EQ(f.season.recentFiles.front(), paths[7]);
}

TEST_F(Season, ATeamLoadedBeforeTheSettingsCameIsKeptWhenTheyCome)
{
    // As a team file named at start is loaded before the window first shows.
    f.season.folder.clear();
    const std::string week1 = write("RDV.txt", week(1));
    openTeamFile(f, week1);
    EXPECT_FALSE(fs::exists(data));
    f.season.folder = data.string();
    restoreSettings(f, {.keepSeason = true, .recentFiles = {"/league/older.txt"}, .leagueAddresses = {}});
    EXPECT_EQ(keptNames(), std::vector<std::string>{"2026-11-30 20-00-00 RDV.txt"});
    EXPECT_EQ(f.season.recentFiles, (std::vector<std::string>{week1, "/league/older.txt"}));
}

// The season's work after a load reports to the load's progress: a Cancel there skips
// keeping or comparing, says so, and never undoes the load.
TEST_F(Season, ACancelAfterTheLoadSkipsTheSeasonsWorkButKeepsTheLoad)
{
    struct Row {
        const char* what;
        double cancelAt;
        std::size_t kept;
        bool compared;
        std::string note;
    };
    const std::vector<Row> rows = {
        {"no cancel", 2, 2, true,
         "Compared with the team file kept on Mon 30 Nov 2026: File > Changes Since Last Week..."},
        {"cancelled while keeping", 0.55, 1, false,
         "Cancelled after the load: this week's team file was neither kept in the season nor compared with last "
         "week's."},
        {"cancelled while comparing", 0.7, 2, false,
         "Cancelled after the load: this week's team file was kept, but not compared with last week's."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        fs::remove_all(data);
        dialogs.cancelAt = 2;
        loadAt(kWeek1, write("RDV-1.txt", week(1)));
        dialogs.cancelAt = row.cancelAt;
        dialogs.progressSeen.clear();
        loadAt(kWeek2, write("RDV-2.txt", week(2)));
        EXPECT_EQ(f.MSFlexGrid1.textMatrix(1, kNslColumn), "12.3");  // the load stands
        EXPECT_EQ(keptNames().size(), row.kept);
        EXPECT_EQ(f.comparison.made(), row.compared);
        EXPECT_EQ(dialogs.notes.back(), row.note);
        ASSERT_FALSE(dialogs.progressSeen.empty());
        EXPECT_GT(dialogs.progressSeen.back(), 0.5);  // the season's part came after the load's
    }
}
