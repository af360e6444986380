// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// File > Season...: three kept weeks, one damaged file among them, read into the tables
// the window shows, the lines drawn over them, copied and exported, earlier weeks
// added and a week removed.

#include "team_file_text.h"
#include "teamfile/team_records.h"
#include "week/season_commands.h"
#include "week/season_window.h"
#include "window_fixture.h"

#include <fstream>
#include <iterator>

using namespace teamtool;
using namespace teamtool::testing;
namespace fs = std::filesystem;

namespace {

using Players = std::vector<std::array<std::string, 31>>;

std::string weekFile(const Players& players, std::string name = "\"Rovers of Dale\"")
{
    auto team = teamFields();
    team[0] = std::move(name);
    return teamFileText(team, players);
}

// Doyle better each week (and suspended in the last), Iwobi worse, Marsh gone after
// the first, Quinn new in the last, and two of one name.
const std::string kWeek1 =
    weekFile({playerFields("Doyle", "DS", "18.5", "0", "0", 1), playerFields("Iwobi", "AS", "15.0", "0", "0", 2),
              playerFields("Marsh", "CF", "12.0", "0", "0", 3), playerFields("Smith", "CB", "10.0", "0", "0", 4),
              playerFields("Smith", "FB", "11.0", "0", "0", 5)});
const std::string kWeek2 =
    weekFile({playerFields("Doyle", "DS", "19.0", "0", "0", 1), playerFields("Iwobi", "AS", "14.5", "0", "0", 2),
              playerFields("Smith", "CB", "10.5", "0", "0", 4), playerFields("Smith", "FB", "11.5", "0", "0", 5)});
const std::string kWeek3 =
    weekFile({playerFields("Doyle", "DS", "19.8", "0", "1", 1), playerFields("Iwobi", "AS", "14.0", "0", "0", 2),
              playerFields("Quinn", "W", "13.2", "0", "0", 6), playerFields("Smith", "CB", "10.0", "0", "0", 4),
              playerFields("Smith", "FB", "12.0", "0", "0", 7)});

class SeasonWindowTest : public WindowWithFolder {
protected:
    KeptTime now;

    void SetUp() override
    {
        WindowWithFolder::SetUp();
        f.season.folder = (folder / "data").string();
        f.season.clock = [this] { return now; };
        loadAt({2026, 11, 30, 20, 0, 0}, write("week1.txt", kWeek1));
        fs::create_directories(teamFolderOf(f));
        std::ofstream(teamFolderOf(f) / "2026-12-01 09-00-00 bad.txt", std::ios::binary) << "damaged\r\n";
        loadAt({2026, 12, 7, 20, 0, 0}, write("week2.txt", kWeek2));
        loadAt({2026, 12, 14, 20, 0, 0}, write("week3.txt", kWeek3));
        f.findMenuCommand("actionSeason")->click();
    }

    void loadAt(const KeptTime& time, const std::string& path)
    {
        now = time;
        openWeek(path);
    }

    static std::vector<std::string> row(const SeasonTable& table, int r)
    {
        std::vector<std::string> cells;
        cells.reserve(static_cast<std::size_t>(table.grid.cols()));
        for (int c = 0; c < table.grid.cols(); ++c)
            cells.emplace_back(table.grid.textMatrix(r, c));
        return cells;
    }
};

using Cells = std::vector<std::string>;

TEST_F(SeasonWindowTest, ThePlayersTableHoldsEveryWeekInOrderWithTheChange)
{
    EXPECT_EQ(dialogs.seasonShown, 1);
    EXPECT_EQ(f.seasonView.unreadable, Cells{"2026-12-01 09-00-00 bad.txt"});
    const SeasonTable t = playerTable(f, kNslColumn);
    ASSERT_EQ(t.rows(), 6);
    EXPECT_EQ(row(t, 0), (Cells{"Name", "30 Nov", "7 Dec", "14 Dec", "Change"}));
    EXPECT_EQ(row(t, 1), (Cells{"Doyle", "18.5", "19", "19.8", "+1.3"}));
    EXPECT_EQ(row(t, 2), (Cells{"Iwobi", "15", "14.5", "14", "-1"}));
    EXPECT_EQ(row(t, 3), (Cells{"Quinn", "", "", "13.2", ""}));
    EXPECT_EQ(row(t, 4), (Cells{"Smith", "10", "10.5", "10", "0"}));
    EXPECT_EQ(row(t, 5), (Cells{"Smith", "11", "11.5", "12", "+1"}));
    EXPECT_EQ(row(t, 6), (Cells{"Marsh", "12", "", "", ""}));
    EXPECT_FALSE(t.gone(5));
    EXPECT_EQ(t.rowNotes[5], "Gone since 7 Dec");

    // Another figure: SP, whose texts the weeks hold as they are.
    const auto figures = seasonFigures(f.seasonView);
    ASSERT_GE(figures.size(), 3U);
    EXPECT_EQ(figures[0].heading, "NSL");
    EXPECT_EQ(figures[1].heading, "SP");
    EXPECT_EQ(figures[2].heading, "Max SP");
    EXPECT_EQ(std::count_if(figures.begin(), figures.end(),
                            [](const SeasonFigure& fig) { return fig.heading == "Name" || fig.heading == "Pos"; }),
              0);
    const SeasonTable sp = playerTable(f, kSpColumn);
    EXPECT_EQ(row(sp, 5), (Cells{"Smith", "5", "5", "7", "+2"}));

    // The team's numbers: Cash and Morale among them, the names not.
    const SeasonTable team = teamTable(f.seasonView);
    EXPECT_EQ(row(team, 0)[0], "Field");
    bool cash = false;
    for (int r = 1; r <= team.rows(); ++r) {
        EXPECT_NE(row(team, r)[0], "Team Name");
        const Cells cells = row(team, r);
        cash = cash || (cells[0] == "Cash" && !cells[1].empty() && cells[1] == cells[3] &&
                        cells[4].find_first_not_of("0.") == std::string::npos);
    }
    EXPECT_TRUE(cash);
}

TEST_F(SeasonWindowTest, TheChartDrawsTheTablesNumbersAndSaysWhatItShows)
{
    const SeasonTable t = playerTable(f, kNslColumn);
    // None chosen: the five highest this week, highest first.
    EXPECT_EQ(chartedRows(t, {}), (std::vector<int>{1, 2, 3, 5, 4}));
    EXPECT_EQ(chartedRows(t, {6, 2}), (std::vector<int>{6, 2}));
    EXPECT_EQ(chartedRows(t, {1, 2, 3, 4, 5, 6, 1, 2, 3}).size(), 8U);
    const auto doyle = rowValues(t, 1);
    ASSERT_EQ(doyle.size(), 3U);
    EXPECT_EQ(doyle[0], 18.5);
    EXPECT_EQ(doyle[2], 19.8);
    const auto quinn = rowValues(t, 3);
    EXPECT_FALSE(quinn[0].has_value());
    EXPECT_EQ(quinn[2], 13.2);
    EXPECT_EQ(pointNote(t, 1, 2), "Doyle, 14 Dec: NSL 19.8");
    EXPECT_EQ(chartDescription(t, f.seasonView, {1, 2}),
              "NSL of Doyle and Iwobi, 30 Nov to 14 Dec 2026; the table below holds the figures");
}

TEST_F(SeasonWindowTest, CopiesAndExportsAreExact)
{
    const SeasonTable t = playerTable(f, kNslColumn);
    EXPECT_EQ(copiedCells(t.grid, {2, 1}, {0, 3}), "Name\t14 Dec\nIwobi\t14\nDoyle\t19.8\n");

    Grid quoted;
    quoted.setCols(2);
    quoted.setRows(2);
    quoted.setTextMatrix(0, 0, "Name");
    quoted.setTextMatrix(0, 1, "Note");
    quoted.setTextMatrix(1, 0, "Smith, John");
    quoted.setTextMatrix(1, 1, "say \"hi\"");
    EXPECT_EQ(csvOf(quoted, {1}), "\xEF\xBB\xBFName,Note\r\n\"Smith, John\",\"say \"\"hi\"\"\"\r\n");

    dialogs.saveAnswer = (folder / "season.csv").string();
    exportTable(f, t.grid, {1, 6}, "RDV season NSL.csv");
    EXPECT_EQ(dialogs.saveSettings.back().fileName, "RDV season NSL.csv");
    EXPECT_EQ(fileBytes(folder / "season.csv"), "\xEF\xBB\xBFName,30 Nov,7 Dec,14 Dec,Change\r\n"
                                                "Doyle,18.5,19,19.8,+1.3\r\nMarsh,12,,,\r\n");

    // The main window's grid, in the order it is shown.
    f.shownGridRows = {3, 1, f.loadedPlayers + 1};  // the grid's empty last row too
    dialogs.saveAnswer = (folder / "stats.csv").string();
    f.findMenuCommand("actionExportPlayerStats")->click();
    const std::string stats = fileBytes(folder / "stats.csv");
    EXPECT_EQ(stats.substr(0, 20), "\xEF\xBB\xBFPos,Name,NSL,SP,M");
    EXPECT_NE(stats.find("\r\nW,Quinn,13.2,"), std::string::npos);
    EXPECT_LT(stats.find("Quinn"), stats.find("Doyle"));
    EXPECT_EQ(stats.find("Iwobi"), std::string::npos);
    EXPECT_FALSE(stats.ends_with("\r\n,,,")) << "no empty row";
    EXPECT_EQ(std::count(stats.begin(), stats.end(), '\n'), 3);

    // A folder that is not there: nothing written, and the message says why.
    dialogs.saveAnswer = (folder / "gone" / "x.csv").string();
    exportTable(f, t.grid, {1}, "x.csv");
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back().rfind("Not exported: ", 0), 0U);
}

TEST_F(SeasonWindowTest, AddTeamFilesKeepsEarlierWeeksAndSaysWhatItRefused)
{
    const std::string older = write("september.txt", kWeek1 + "");
    std::string earlier = kWeek2;
    earlier.replace(earlier.find("19.0"), 4, "17.0");
    const std::string first = write("first.txt", earlier);
    fs::last_write_time(first, fs::last_write_time(first) - std::chrono::hours(24 * 120));
    const std::string other = write("other.txt", weekFile({playerFields("Doyle", "DS", "1.0")}, "\"Another\""));
    const std::string bad = write("bad.txt", "damaged\r\n");
    dialogs.openManyAnswer = {older, other, first, bad};
    actionAddToSeason_Click(f);

    ASSERT_EQ(dialogs.messages.size(), 1U);
    const std::string& message = dialogs.messages.back();
    EXPECT_EQ(message.find("Added to the season:\n  first.txt, as the week of "), 0U) << message;
    EXPECT_NE(message.find("Skipped:\n  september.txt: the season holds it already, kept on Mon 30 Nov 2026"),
              std::string::npos)
        << message;
    EXPECT_NE(message.find("Not added:\n  other.txt: the team file of another team, RDV Another\n  bad.txt: "),
              std::string::npos)
        << message;
    ASSERT_EQ(f.seasonView.weeks.size(), 4U);
    EXPECT_EQ(playerTable(f, kNslColumn).grid.textMatrix(1, 1), "17");  // the oldest first

    // Remove Week asks, and deletes only when told to.
    const std::string path = f.seasonView.weeks[0].path;
    EXPECT_FALSE(removeWeek(f, 0));
    EXPECT_FALSE(removeWeek(f, 99));
    EXPECT_TRUE(fs::exists(path));
    dialogs.answer = true;
    EXPECT_TRUE(removeWeek(f, 0));
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(f.seasonView.weeks.size(), 3U);
    EXPECT_EQ(dialogs.questions.size(), 2U);
}

// What the window cannot do or show, it says why, as every file error is said.
TEST_F(SeasonWindowTest, AWeekGoneOrAFolderThatCannotBeListedIsSaid)
{
    const SeasonWeek gone = f.seasonView.weeks[0];
    fs::remove(gone.path);  // deleted by hand since the window read it
    dialogs.answer = true;
    EXPECT_FALSE(removeWeek(f, 0));
    EXPECT_EQ(dialogs.messages.back(), "The week of Mon 30 Nov 2026 is no longer in the season: The kept file \"" +
                                           gone.path + "\" no longer exists.");
    EXPECT_EQ(f.seasonView.weeks.size(), 2U);

    const fs::path team = teamFolderOf(f);
    fs::remove_all(team);
    std::ofstream(team) << "a file where the team's folder belongs";
    f.findMenuCommand("actionSeason")->click();
    EXPECT_TRUE(f.seasonView.weeks.empty());
    const std::string problems = seasonViewProblems(f.seasonView);
    EXPECT_TRUE(problems.starts_with("No week is shown, as the season's folder cannot be listed: the folder " +
                                     team.string() + " cannot be reached ("))
        << problems;
}

}  // namespace

// Who played: the orders kept after weeks 1 and 3 (none after week 2), cell by cell.
TEST_F(SeasonWindowTest, ThePlayedTableSaysWhatEachWeeksOrdersDidWithEachPlayer)
{
    const fs::path team = teamFolderOf(f);
    std::ofstream(team / "2026-11-30 21-00-00 RDVvsCD.TXT", std::ios::binary) << ordersText(
        "RDV", {"GK Doyle*", "DS Iwobi#", "CB Smith", "FB Smith", "S A", "S B", "S C", "S D", "S E", "S F", "S G"},
        {"CF Marsh"}, {"Smith,7"});
    // After the damaged file: the orders of no week shown.
    std::ofstream(team / "2026-12-01 10-00-00 RDVvsCD.TXT", std::ios::binary) << ordersText(
        "RDV", {"GK Marsh", "S A", "S B", "S C", "S D", "S E", "S F", "S G", "S H", "S I", "S J"}, {"S Filler"}, {});
    std::ofstream(team / "2026-12-14 21-00-00 RDVvsCD.TXT", std::ios::binary)
        << ordersText("RDV", {"GK Quinn", "CB Smith", "S A", "S B", "S C", "S D", "S E", "S F", "S G", "S H", "S I"},
                      {"S Filler"}, {});
    readSeasonView(f);
    const SeasonTable t = playedTable(f);
    EXPECT_EQ(row(t, 0), (Cells{"Name", "30 Nov", "14 Dec", "Started", "Bench", "Not picked"}));
    EXPECT_EQ(row(t, 1), (Cells{"Doyle", "the goalkeeper C", "out (WS 1)", "1", "0", "0"}));
    EXPECT_EQ(row(t, 2), (Cells{"Iwobi", "main side 1 (DS) P", "not picked", "1", "0", "1"}));
    EXPECT_EQ(row(t, 3), (Cells{"Quinn", "", "the goalkeeper", "1", "0", "0"}));
    EXPECT_EQ(row(t, 4), (Cells{"Smith", "main side 2 (CB) M", "main side 1 (CB)", "2", "0", "0"}));
    EXPECT_EQ(row(t, 5), (Cells{"Smith", "main side 3 (FB)", "not picked", "1", "0", "1"}));
    EXPECT_EQ(row(t, 6), (Cells{"Marsh", "substitute 1 (CF)", "", "0", "1", "0"}));
    EXPECT_TRUE(t.gone(6));
    EXPECT_EQ(t.keptWeeks, (std::vector<std::size_t>{0, 2}));

    dialogs.saveAnswer = (folder / "played.csv").string();
    exportTable(f, t.grid, {1, 6}, seasonExportName(f, t));
    EXPECT_EQ(dialogs.saveSettings.back().fileName, "RDV season played.csv");
    EXPECT_EQ(fileBytes(folder / "played.csv"), "\xEF\xBB\xBFName,30 Nov,14 Dec,Started,Bench,Not picked\r\n"
                                                "Doyle,the goalkeeper C,out (WS 1),1,0,0\r\n"
                                                "Marsh,substitute 1 (CF),,0,1,0\r\n");
}
