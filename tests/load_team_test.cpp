// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Select File" and "Load Team" on the window model: the dialog's settings, a load
// that fills the team page, the grid and the lists, and failed loads that leave the
// window exactly as it was.

#include "app/form_load.h"
#include "app/frmteamtool.h"
#include "orders/orders.h"
#include "squad/squad.h"
#include "team_file_text.h"
#include "teamfile/select_and_load.h"
#include "teamfile/staged_team.h"
#include "teamfile/team_records.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace teamtool {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;
using testing::playerFields;
using testing::teamFields;
using testing::teamFileText;

// What a load may change, taken whole so that a failed load can be compared with it.
struct Snapshot {
    Texts teamBoxes;
    std::string path;
    int gridRows = 0;
    Texts gridCells;
    std::vector<TextList> lists;
    bool tabsVisible = false;
    int tabsLeft = 0;
    int tabsTop = 0;
    int tab = 0;
    bool selectionVisible = false;

    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

Snapshot snapshot(FRMTEAMTOOL& f)
{
    Snapshot s;
    for (int n = 1; n <= 26; ++n)
        s.teamBoxes.push_back(f.Text(n).text);
    s.path = f.Text31.text;
    s.gridRows = f.MSFlexGrid1.rows();
    for (int row = 0; row < f.MSFlexGrid1.rows(); ++row)
        for (int col = 0; col < f.MSFlexGrid1.cols(); ++col)
            s.gridCells.emplace_back(f.MSFlexGrid1.textMatrix(row, col));
    for (int k = 1; k <= 5; ++k)
        s.lists.push_back(f.list(k).items);
    s.tabsVisible = f.SSTab1.visible;
    s.tabsLeft = f.SSTab1.geometry.left;
    s.tabsTop = f.SSTab1.geometry.top;
    s.tab = f.SSTab1.tab;
    s.selectionVisible = f.Frame32.visible;
    return s;
}

Texts gridRow(const FRMTEAMTOOL& f, int row)
{
    Texts cells;
    for (int col = 0; col < f.MSFlexGrid1.cols(); ++col)
        cells.emplace_back(f.MSFlexGrid1.textMatrix(row, col));
    return cells;
}

class LoadTeam : public testing::WindowWithFolder {
protected:
    // Picks path through "Select File" and presses "Load Team".
    void pickAndLoad(const std::string& path)
    {
        dialogs.openAnswers.emplace_back(path);
        Command4_Click(f);
        ASSERT_EQ(f.Text31.text, path);
        Command3_Click(f);
    }

    // A failed load: one message naming the file, and the window as it was.
    void expectRefused(const std::string& path, const std::string& expectedMessage = {})
    {
        f.Text31.text = path;
        const Snapshot before = snapshot(f);
        dialogs.messages.clear();
        Command3_Click(f);
        ASSERT_EQ(dialogs.messages.size(), 1u) << path;
        EXPECT_NE(dialogs.messages[0].find("\"" + path + "\""), std::string::npos) << dialogs.messages[0];
        if (!expectedMessage.empty()) {
            EXPECT_EQ(dialogs.messages[0], expectedMessage);
        }
        EXPECT_TRUE(snapshot(f) == before) << "the window changed after: " << dialogs.messages[0];
    }
};

// ---------------------------------------------------------------------------------
// Select File

TEST_F(LoadTeam, SelectFileSetsUpTheDialogAndTakesThePathAsReturned)
{
    const std::string path = "/teams/ A Team .txt";
    dialogs.openAnswers.emplace_back(path);
    f.CommonDialog1.fileName = "old.txt";
    Command4_Click(f);
    ASSERT_EQ(dialogs.openSettings.size(), 1u);
    const FileDialog& settings = dialogs.openSettings[0];
    EXPECT_EQ(settings.dialogTitle, "Select the Team File");
    EXPECT_EQ(settings.fileName, "");
    EXPECT_EQ(settings.flags, cdlOFNHideReadOnly);
    EXPECT_EQ(settings.filter, "Text Files (*.txt)|*.txt");
    EXPECT_TRUE(settings.cancelError);
#ifdef _WIN32
    EXPECT_EQ(settings.initDir, "c:\\");
#else
    if (const char* home = std::getenv("HOME"); home && *home) {
        EXPECT_EQ(settings.initDir, home);
    }
    EXPECT_FALSE(settings.initDir.empty());
#endif
    EXPECT_EQ(f.Text31.text, path) << "not trimmed";
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(LoadTeam, CancellingKeepsThePathChosenBefore)
{
    dialogs.openAnswers = {std::string("/teams/first.txt"), std::nullopt};
    Command4_Click(f);
    const Snapshot before = snapshot(f);
    Command4_Click(f);
    EXPECT_EQ(f.Text31.text, "/teams/first.txt");
    EXPECT_TRUE(snapshot(f) == before);
    EXPECT_TRUE(dialogs.messages.empty());
}

// ---------------------------------------------------------------------------------
// Load Team

TEST_F(LoadTeam, AnEmptyPathDoesNothingAndSaysNothing)
{
    const Snapshot before = snapshot(f);
    Command3_Click(f);
    EXPECT_TRUE(snapshot(f) == before);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(LoadTeam, ThreePlayersFillTheGridAndTheSelectableOnesTheLists)
{
    pickAndLoad(write("team.txt", teamFileText(teamFields(), {playerFields("\"Able, A\"", "GK", "10", "0", "0", 1),
                                                              playerFields("Baker", "CB", "11.5", "0", "1", 2),
                                                              playerFields("007", "S", "9.0", "", "", 3)})));
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages[0];

    // The team boxes, each under the frame whose caption names its field.
    EXPECT_EQ(f.Text(1).text, "Rovers of Dale");
    EXPECT_EQ(f.Text(8).text, "RDV");
    EXPECT_EQ(f.Text(6).text, "3");
    EXPECT_EQ(f.Text(7).text, "1");
    EXPECT_EQ(f.Text(4).text, "75");
    EXPECT_EQ(f.Text(3).text, "1275");
    EXPECT_EQ(f.Text(2).text, "Dale Park");
    EXPECT_EQ(f.Text(16).text, "125000.5");
    EXPECT_EQ(f.Text(20).text, "7.5");
    EXPECT_EQ(f.Text(26).text, "-2");
    EXPECT_EQ(f.Text(24).text, "") << "an empty Bonus clears the design text";

    // N players, N + 2 rows: the headings, the players, one empty row.
    EXPECT_EQ(f.MSFlexGrid1.rows(), 5);
    EXPECT_EQ(f.MSFlexGrid1.textMatrix(0, 0), "Pos");
    const Texts first = gridRow(f, 1);
    EXPECT_EQ(Texts(first.begin(), first.begin() + 9),
              (Texts{"GK", "Able, A", "10", "1", "11", "0", "0", "21", "1025"}));
    EXPECT_EQ(gridRow(f, 2)[6], "1");
    EXPECT_EQ(gridRow(f, 3)[1], "007") << "a name keeps its leading zeros";
    EXPECT_EQ(gridRow(f, 3)[2], "9");
    EXPECT_EQ(gridRow(f, 4), Texts(31, ""));

    EXPECT_EQ(f.List1.items, (TextList{"GK", "S"}));
    EXPECT_EQ(f.List2.items, (TextList{"Able, A", "007"}));
    EXPECT_EQ(f.List3.items, (TextList{"10", "9"}));
    EXPECT_EQ(f.List4.items, (TextList{"1", "3"}));
    EXPECT_EQ(f.List5.items, (TextList{"11", "13"}));

    EXPECT_TRUE(f.SSTab1.visible);
    EXPECT_EQ(f.SSTab1.geometry.left, 0);
    EXPECT_EQ(f.SSTab1.geometry.top, 0);
    EXPECT_EQ(f.SSTab1.tab, 0) << "the pages open on Game";
    EXPECT_FALSE(f.Frame32.visible);
}

TEST_F(LoadTeam, TheTeamRecordAloneShowsThePagesWithoutPlayers)
{
    pickAndLoad(write("team.txt", testing::joinFields(teamFields("21")) + "\r\n"));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(f.Text(3).text, "31500");
    EXPECT_EQ(f.MSFlexGrid1.rows(), 10) << "the start-up row count";
    EXPECT_TRUE(f.List1.items.empty());
    EXPECT_TRUE(f.SSTab1.visible);
    EXPECT_FALSE(f.Frame32.visible);
}

TEST_F(LoadTeam, CaptionsAndHeadingsOfTheWindowNameTheFieldsTheyShow)
{
    for (const auto& field : kTeamFields) {
        const TextBox& box = f.Text(field.textBox);
        const Control* frame = f.find(box.container);
        ASSERT_NE(frame, nullptr) << box.name;
        EXPECT_EQ(frame->caption, field.caption) << box.name;
    }
    for (const auto& field : kPlayerFields)
        EXPECT_EQ(f.MSFlexGrid1.textMatrix(0, field.gridColumn), field.heading);
}

TEST_F(LoadTeam, TheExampleTeamFileLoads)
{
    const fs::path example = fs::path(__FILE__).parent_path().parent_path() / "examples" / "team.txt";
    ASSERT_TRUE(fs::exists(example)) << example;
    pickAndLoad(example.string());
    ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages[0];
    EXPECT_EQ(f.Text(1).text, "Redvale Rovers");
    EXPECT_EQ(f.Text(8).text, "RDV");
    EXPECT_EQ(f.Text(3).text, "1275");
    EXPECT_EQ(f.MSFlexGrid1.rows(), 25 + 2);
    EXPECT_EQ(f.MSFlexGrid1.textMatrix(3, 1), "Smith, John");
    int goalkeepers = 0;
    for (const auto& pos : f.List1.items)
        goalkeepers += pos == "GK";
    EXPECT_EQ(goalkeepers, 2);
    EXPECT_EQ(f.List2.items.size(), 21u) << "four players have WI or WS";
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(f.list(k).items.size(), f.List2.items.size());
}

TEST_F(LoadTeam, APathOfBlanksIsTriedAsAPath)
{
    expectRefused("   ", "The team file \"   \" cannot be opened: No such file or directory.");
}

TEST_F(LoadTeam, BadFilesAreRefusedWithOneMessageAndChangeNothing)
{
    const auto players =
        std::vector{playerFields("A", "GK", "1"), playerFields("B", "CB", "2"), playerFields("C", "S", "3")};
    std::string shortPlayer = teamFileText(teamFields(), {players[0], players[1]});
    for (std::size_t k = 0; k < 12; ++k)
        shortPlayer += players[2][k] + ",";

    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary.push_back(static_cast<char>((i * 7919) % 256));

    const std::string missing = (folder / "missing.txt").string();
    expectRefused(missing, "The team file \"" + missing + "\" cannot be opened: No such file or directory.");
    expectRefused(folder.string(),
                  "The team file \"" + folder.string() + "\" is not a file TeamTool can read: it is a folder.");
#ifndef _WIN32
    // Opened without waiting for a writer that never comes: the test ends (ctest's
    // timeout stops it if it hangs).
    const std::string fifo = (folder / "fifo.txt").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    expectRefused(fifo, "The team file \"" + fifo + "\" is not a file TeamTool can read: it is a named pipe.");
    expectRefused("/dev/zero", "The team file \"/dev/zero\" is not a file TeamTool can read: it is a device.");
    const std::string socketPath = (folder / "socket.txt").string();
    const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    expectRefused(socketPath, "The team file \"" + socketPath + "\" is not a file TeamTool can read: it is a socket.");
    ::close(listening);
#endif
    const auto empty = write("empty.txt", "");
    expectRefused(empty, "The team file \"" + empty + "\" is empty.");
    const auto shortTeam = write("short.txt", "Dale,RDV,3,1,75\r\n");
    expectRefused(shortTeam, "The team file \"" + shortTeam +
                                 "\" ends inside the team record: only 5 of its 26 fields were read (line 1).");
    const auto inside = write("inside3.txt", shortPlayer);
    expectRefused(inside, "The team file \"" + inside +
                              "\" ends inside player 3: only 13 of its 31 fields were read (line 4).");
    const auto cma = write("cma.txt", teamFileText(teamFields("x1"), players));
    expectRefused(cma, "The team file \"" + cma + "\" has a CMA that is not a number: \"x1\" (line 1).");
    const auto bin = write("binary.txt", binary);
    expectRefused(bin, "The team file \"" + bin + "\" is not a text file: it holds binary data (line 1).");
    const auto quote = write("quote.txt", teamFileText(teamFields(), players) + "\"Never, closed,1\r\n");
    expectRefused(quote,
                  "The team file \"" + quote + "\" has an unterminated quote at line 5, in field 1 of player 4.");
    // An orders file picked where the team file belongs (the dialog lists both).
    const auto orders =
        write("RDVvsCD.TXT", "RDV\r\nCD\r\nLB\r\nMC\r\nN\r\nN\r\nN\r\nY1\r\nGK A\r\nSUBS\r\nS C\r\n"
                             "Markers\r\nTransfer Bids\r\nCut Players\r\nPress\r\nComments to Commish\r\n");
    expectRefused(orders, "The team file \"" + orders +
                              "\" is an orders file, not a team file: load this week's team "
                              "file, then choose File > Fill From Orders... to carry this squad over.");
    EXPECT_TRUE(f.Frame32.visible);
    EXPECT_FALSE(f.SSTab1.visible);
}

TEST_F(LoadTeam, AfterAFailureTheUserPicksAnotherFileAndLoads)
{
    const auto good = write("good.txt", teamFileText(teamFields(), {playerFields("A", "GK", "1")}));
    const auto bad = write("bad.txt", teamFileText(teamFields(), {playerFields("A", "GK", "1")}) + "B,20,");
    pickAndLoad(bad);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    pickAndLoad(good);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(f.MSFlexGrid1.rows(), 3);
    EXPECT_EQ(f.List2.items, (TextList{"A"})) << "nothing of the failed load is left in the lists";
    EXPECT_FALSE(f.Frame32.visible);
}

TEST_F(LoadTeam, AWindows1252FileShowsItsAccentsAndLineEndsOfAnyKind)
{
    auto team = teamFields();
    team[0] = "\"M\xFCnster\"";
    std::string text =
        testing::joinFields(team) + "\n" + testing::joinFields(playerFields("Mu\xF1oz", "W", "8")) + "\r";
    pickAndLoad(write("latin.txt", text));
    ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages[0];
    EXPECT_EQ(f.Text(1).text, "M\xC3\xBCnster");
    EXPECT_EQ(f.List2.items, (TextList{"Mu\xC3\xB1oz"}));
}

// ---------------------------------------------------------------------------------
// Progress and Cancel

TEST_F(LoadTeam, ALongLoadReportsItsProgressAndACancelHalfWayChangesNothing)
{
    std::vector<std::array<std::string, 31>> players;
    players.reserve(5000);
    for (int n = 0; n < 5000; ++n)
        players.push_back(testing::playerFields("P" + std::to_string(n), "CB", "12.5", "0", "0", n));
    const std::string path = write("big.txt", testing::teamFileText(testing::teamFields(), players));
    f.Text31.text = path;
    const Snapshot before = snapshot(f);

    dialogs.cancelAt = 0.5;
    Command3_Click(f);
    EXPECT_TRUE(dialogs.messages.empty()) << "a cancel is no failure to report";
    EXPECT_TRUE(snapshot(f) == before);
    EXPECT_EQ(dialogs.progressTexts, std::vector<std::string>{"Loading big.txt"});
    ASSERT_GE(dialogs.progressSeen.size(), 3u) << "reading, then every thousand players or so";
    EXPECT_TRUE(std::is_sorted(dialogs.progressSeen.begin(), dialogs.progressSeen.end()));
    EXPECT_GE(dialogs.progressSeen.back(), 0.5);
    EXPECT_LT(dialogs.progressSeen.back(), 0.75) << "the load stopped soon after the cancel";

    dialogs.cancelAt = 2;
    Command3_Click(f);
    EXPECT_EQ(f.MSFlexGrid1.rows(), 5002);
    EXPECT_EQ(f.List2.items.size(), 5000u);
}

// The first pass over a huge file, counting its fields, says how far it is as it goes:
// a cancel a fifth of the way is heard there, not after the count and a fifth of the
// players.
TEST(StageTeam, CountingTheFieldsMovesTheProgressOn)
{
    auto reader = RecordReader::fromBytes(testing::teamFileText(testing::teamFields(), {}) +
                                          std::string(std::size_t{9} << 20, ','));
    ASSERT_TRUE(reader);
    std::vector<double> seen;
    const auto staged = stageTeam(*reader, StagedLists::Skipped, [&seen](std::uint64_t done, std::uint64_t total) {
        seen.push_back(static_cast<double>(done) / static_cast<double>(total));
        return seen.back() < 0.2;
    });
    ASSERT_FALSE(staged);
    EXPECT_EQ(staged.error().code, ReadErrorCode::Cancelled);
    EXPECT_LE(seen.size(), 3u) << "one report for each few megabytes counted";
    EXPECT_GT(seen.front(), 0);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
}

}  // namespace
}  // namespace teamtool
