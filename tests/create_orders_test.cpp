// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Create Orders" over the window model: the checks in their order, the orders file
// byte for byte, and writing it beside the team file all or nothing.

#include "app/form_load.h"
#include "app/frmteamtool.h"
#include "orders/orders.h"
#include "squad/squad.h"
#include "team_file_text.h"
#include "teamfile/select_and_load.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#ifndef _WIN32
#include <csignal>

#include <sys/resource.h>
#endif
#include <unistd.h>

namespace teamtool {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using Messages = std::vector<std::string>;

std::string crlf(const Lines& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::set<std::string> filesIn(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// The example squad: team AB against CD, Fox captain, Jones on penalties, Dixon
// marking 9, two substitutes, empty press and comments.
const Lines kExampleLines = {
    "AB",
    "CD",
    "LB",
    "MC",
    "N",
    "y",
    "Y1",
    "Y2",
    "GK Adams",
    "DS Baker",
    "CB Clark",
    "CB Dixon",
    "FB Evans",
    "DM Fox*",
    "CM Grant",
    "MF Hill",
    "AM Irwin",
    "S Jones#",
    "CF King",
    "SUBS",
    "GK Lane",
    "MF Moss",
    "Markers",
    "Dixon,9",
    "Transfer Bids",
    "Cut Players",
    "Press",
    "",
    "Comments to Commish",
    "",
};

class CreateOrders : public testing::WindowWithFolder {
protected:
    void SetUp() override
    {
        WindowWithFolder::SetUp();
        f.Text31.text = (folder / "TEAM.TXT").string();  // the loaded team file's path
        fillExample();
    }

    void setSlot(int slot, const std::string& pos, const std::string& name)
    {
        if (slot > 0)
            f.Combo1(slot).text = pos;
        f.Text27(slot).text = name;
        f.Text28(slot).text = "10";
    }

    void fillExample()
    {
        f.Text(8).text = "AB";
        const Lines squad = {"GK Adams", "DS Baker", "CB Clark", "CB Dixon", "FB Evans", "DM Fox", "CM Grant",
                             "MF Hill",  "AM Irwin", "S Jones",  "CF King",  "GK Lane",  "MF Moss"};
        for (int i = 0; i < static_cast<int>(squad.size()); ++i) {
            const std::string& entry = squad[static_cast<std::size_t>(i)];
            const auto blank = entry.find(' ');
            setSlot(i, entry.substr(0, blank), entry.substr(blank + 1));
        }
        f.Option1(5).setValue(true);
        f.Option2(9).setValue(true);
        f.Check1(2).setValue(1);
        f.Text34(2).text = "9";
        f.Text29.text = "CD";
        f.Combo2.text = "LB";
        f.Combo3.text = "MC";
        f.Text32.text = "N";
        f.Text33.text = "y";
        f.Text35.text = "";
        f.Text36.text = "";
    }

    // Presses "Create Orders" and returns the lines of the written file, or the
    // message alone when nothing was written.
    std::string press()
    {
        dialogs.messages.clear();
        Command1_Click(f);
        EXPECT_EQ(dialogs.messages.size(), 1u);
        return dialogs.messages.empty() ? std::string() : dialogs.messages.back();
    }

    std::string written(const std::string& name = "ABvsCD.TXT") const { return readFile(folder / name); }

    // The built file's lines, for tests about single lines.
    Lines builtLines()
    {
        const auto build = buildOrders(f);
        EXPECT_TRUE(build) << describeOrdersError(build.error());
        Lines lines;
        if (!build)
            return lines;
        const std::string& bytes = build->bytes;
        for (std::size_t start = 0; start < bytes.size();) {
            const auto end = bytes.find("\r\n", start);
            EXPECT_NE(end, std::string::npos) << "the last line has no CR LF";
            if (end == std::string::npos)
                break;
            lines.push_back(bytes.substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }
};

// --- the file ------------------------------------------------------------------------

TEST_F(CreateOrders, TheExampleIsWrittenByteForByteBesideTheTeamFile)
{
    EXPECT_EQ(press(), "Orders Built");
    EXPECT_EQ(written(), crlf(kExampleLines));
    EXPECT_EQ(filesIn(folder), std::set<std::string>{"ABvsCD.TXT"});  // no temporary file left

    const auto build = buildOrders(f);
    ASSERT_TRUE(build);
    EXPECT_EQ(build->fileName, "ABvsCD.TXT");
    EXPECT_EQ(build->bytes, crlf(kExampleLines));
}

TEST_F(CreateOrders, PressingAgainRewritesTheFileFromItsFirstLine)
{
    f.Text35.text = "A long statement\nover\nseveral\nlines";
    EXPECT_EQ(press(), "Orders Built");
    f.Text35.text = "";
    EXPECT_EQ(press(), "Orders Built");
    EXPECT_EQ(written(), crlf(kExampleLines));

    f.Text29.text = "EF";  // another opponent: another file, the first one stays
    EXPECT_EQ(press(), "Orders Built");
    EXPECT_EQ(filesIn(folder), (std::set<std::string>{"ABvsCD.TXT", "ABvsEF.TXT"}));
}

TEST_F(CreateOrders, WithoutALoadedTeamFileTheOrdersGoToTheCurrentFolder)
{
    f.Text31.text = "";
    const fs::path before = fs::current_path();
    fs::current_path(folder);
    press();
    fs::current_path(before);
    EXPECT_EQ(written(), crlf(kExampleLines));
}

TEST_F(CreateOrders, MarkerCountGovernsLineSevenAndTheMarkerLines)
{
    f.Check1(2).setValue(0);
    Lines lines = builtLines();
    EXPECT_EQ(lines[6], "N");
    EXPECT_EQ(lines[22], "Markers");
    EXPECT_EQ(lines[23], "Transfer Bids");
    EXPECT_EQ(lines.size(), 27u + 2u);

    f.Combo1(1).text = "DS";
    f.Combo1(10).text = "AS";
    f.Check1(9).setValue(1);
    f.Check1(0).setValue(1);
    f.Text34(0).text = "their 10";
    f.Text34(9).text = "";
    lines = builtLines();
    EXPECT_EQ(lines[6], "Y2");
    EXPECT_EQ((Lines{lines[22], lines[23], lines[24], lines[25]}),
              (Lines{"Markers", "Baker,their 10", "King,", "Transfer Bids"}));
}

TEST_F(CreateOrders, TheSubstituteCountStopsAtTheFirstEmptySubstituteSlot)
{
    setSlot(14, "CF", "Nash");  // slot 13 empty: Nash is neither counted nor written
    Lines lines = builtLines();
    EXPECT_EQ(lines[7], "Y2");
    EXPECT_EQ((Lines{lines[19], lines[20], lines[21], lines[22]}), (Lines{"SUBS", "GK Lane", "MF Moss", "Markers"}));

    setSlot(13, "W", "Owen");
    setSlot(15, "S", "Page");
    lines = builtLines();
    EXPECT_EQ(lines[7], "Y5");
    EXPECT_EQ((Lines(lines.begin() + 19, lines.begin() + 26)),
              (Lines{"SUBS", "GK Lane", "MF Moss", "W Owen", "CF Nash", "S Page", "Markers"}));
}

TEST_F(CreateOrders, CaptainAndPenaltyTakerMarksFollowTheName)
{
    f.Option2(5).setValue(true);
    const Lines lines = builtLines();
    EXPECT_EQ(lines[13], "DM Fox*#");
    EXPECT_EQ(lines[17], "S Jones");
}

TEST_F(CreateOrders, LinesOneToSixAreTrimmedAndTheRestWrittenAsTheBoxesHoldThem)
{
    f.Text(8).text = " AB ";
    f.Text29.text = "cd";
    f.Combo2.text = " LB ";
    f.Combo3.text = "MC ";
    f.Text32.text = "y ";
    f.Text33.text = " N";
    f.Combo1(1).text = " ";
    f.Text27(2).text = " Clark ";
    f.Text34(2).text = " 9 ";
    EXPECT_EQ(press(), "Orders Built");
    EXPECT_EQ(filesIn(folder), std::set<std::string>{"ABvscd.TXT"});
    const Lines lines = builtLines();
    EXPECT_EQ((Lines(lines.begin(), lines.begin() + 6)), (Lines{"AB", "cd", "LB", "MC", "y", "N"}));
    EXPECT_EQ(lines[9], "  Baker");
    EXPECT_EQ(lines[10], "CB  Clark ");
    EXPECT_EQ(lines[23], "Dixon, 9 ");
}

TEST_F(CreateOrders, PressAndCommentsBoxesNeverEditedWriteTheirStartingText)
{
    auto fresh = createMainWindow(dialogs);
    f.Text35.text = fresh->Text35.text;
    f.Text36.text = fresh->Text36.text;
    const Lines lines = builtLines();
    EXPECT_EQ((Lines(lines.end() - 4, lines.end())), (Lines{"Press", "Text35", "Comments to Commish", "Text35"}));
}

// --- warnings: legal orders a manager seldom means ------------------------------------

TEST_F(CreateOrders, WarningsNameWhatIsLikelyUnmeantAndChangeNoByte)
{
    EXPECT_EQ(ordersWarnings(f), Lines{});  // the example is clean

    setSlot(14, "W", "Fenwick");  // after empty substitute 3
    setSlot(15, "S", "Baker");    // Baker again, with the same NSL
    f.Check1(3).setValue(1);      // Evans's marker, with no target
    f.Text34(3).text = " ";
    f.Text29.text = "ab";  // the team's own abbreviation, in any case
    auto fresh = createMainWindow(dialogs);
    f.Text35.text = fresh->Text35.text;
    f.Text36.text = fresh->Text36.text;
    EXPECT_EQ(ordersWarnings(f), (Lines{"substitute 4 (W), Fenwick, is not in the orders: substitute 3 is empty",
                                        "substitute 5 (S), Baker, is not in the orders: substitute 3 is empty",
                                        "Baker is in two slots: main side 1 (DS) and substitute 5 (S)",
                                        "the marker of main side 4 (FB), Evans, has no target",
                                        "the opponent, ab, is your own team's abbreviation",
                                        "the press still reads \"Text35\"", "the comments still read \"Text35\""}));

    // Nothing is refused, and what is written is what would be written without them.
    f.Text29.text = "CD";
    f.Text35.text = "";
    f.Text36.text = "";
    f.Check1(3).setValue(0);
    setSlot(14, "", "");
    setSlot(15, "", "");
    f.Text27(12).text = "Baker";
    f.Text28(12).text = "10";
    f.Combo1(12).text = "DS";
    EXPECT_EQ(ordersWarnings(f), Lines{"Baker is in two slots: main side 1 (DS) and substitute 2 (DS)"});
    EXPECT_EQ(press(), "Orders Built");
    Lines lines = kExampleLines;
    lines[21] = "DS Baker";
    EXPECT_EQ(written(), crlf(lines));
}

TEST_F(CreateOrders, LineBreaksInPressAndCommentsBecomeCrLfHoweverTheyAreStored)
{
    f.Text35.text = "We will win\nSaturday";
    f.Text36.text = "one\r\ntwo\rthree\xE2\x80\xA9"
                    "four\n";
    const Lines lines = builtLines();
    EXPECT_EQ((Lines(lines.begin() + 26, lines.end())),
              (Lines{"Press", "We will win", "Saturday", "Comments to Commish", "one", "two", "three", "four", ""}));
    EXPECT_EQ(lines.size(), 27u + 2u + 1u + 1u + 4u);
}

TEST_F(CreateOrders, TheFileIsWindows1252WithAQuestionMarkForWhatItCannotHold)
{
    f.Text27(1).text = "M\xC3\xBCller";  // u with diaeresis
    f.Text27(2).text = "\xC5\x81ukasz";  // L with stroke: not in the code page
    f.Text35.text = "\xE2\x82\xAC"
                    "5 \xE2\x80\x9Cok\xE2\x80\x9D \xF0\x9F\x98\x80 \xFF";  // euro, quotes, emoji, junk
    const Lines lines = builtLines();
    EXPECT_EQ(lines[9], "DS M\xFCller");
    EXPECT_EQ(lines[10], "CB ?ukasz");
    EXPECT_EQ(lines[27], "\x80"
                         "5 \x93ok\x94 ? ?");
}

// --- the checks --------------------------------------------------------------------

struct CheckCase {
    const char* what;
    void (*breakIt)(FRMTEAMTOOL&);
    const char* message;  // nullptr: the orders are built
};

const CheckCase kCheckCases[] = {
    {"slot 4 empty", [](FRMTEAMTOOL& f) { f.Text27(4).text = " "; }, "Not all Players are selected"},
    {"goalkeeper blanks only", [](FRMTEAMTOOL& f) { f.Text27(0).text = "   "; }, "Not all Players are selected"},
    {"no first substitute", [](FRMTEAMTOOL& f) { f.Text27(11).text = ""; }, "Not all Players are selected"},
    {"slot 12 empty, 13 filled",
     [](FRMTEAMTOOL& f) {
         f.Text27(12).text = "";
         f.Text27(13).text = "Late";
     },
     nullptr},
    {"no captain, a penalty taker", [](FRMTEAMTOOL& f) { f.Option1(5).setValue(false); }, "No Captian Selected"},
    {"no penalty taker", [](FRMTEAMTOOL& f) { f.Option2(9).setValue(false); }, "No Pen Taker Selected"},
    {"captain takes penalties", [](FRMTEAMTOOL& f) { f.Option2(5).setValue(true); }, nullptr},
    {"opponent one letter", [](FRMTEAMTOOL& f) { f.Text29.text = "C"; }, "Opponent incorrect"},
    {"opponent letter blank", [](FRMTEAMTOOL& f) { f.Text29.text = "C "; }, "Opponent incorrect"},
    {"opponent blank letter", [](FRMTEAMTOOL& f) { f.Text29.text = " C"; }, "Opponent incorrect"},
    {"opponent two blanks", [](FRMTEAMTOOL& f) { f.Text29.text = "  "; }, "Opponent incorrect"},
    {"opponent empty", [](FRMTEAMTOOL& f) { f.Text29.text = ""; }, "Opponent incorrect"},
    {"opponent three letters", [](FRMTEAMTOOL& f) { f.Text29.text = "CDE"; }, "Opponent incorrect"},
    {"opponent of two characters in three bytes",
     [](FRMTEAMTOOL& f) {
         f.Text29.text = "\xC3\x89"
                         "C";
     },
     nullptr},
    {"tactic starting blank", [](FRMTEAMTOOL& f) { f.Combo2.text = " "; }, "Tactic Incorrect"},
    {"tactic not listed", [](FRMTEAMTOOL& f) { f.Combo2.text = "XX"; }, nullptr},
    {"style starting blank", [](FRMTEAMTOOL& f) { f.Combo3.text = " "; }, "Style Incorrect"},
    {"grudge YY", [](FRMTEAMTOOL& f) { f.Text32.text = "YY"; }, "GC must be Y or N"},
    {"grudge 0", [](FRMTEAMTOOL& f) { f.Text32.text = "0"; }, "GC must be Y or N"},
    {"grudge empty", [](FRMTEAMTOOL& f) { f.Text32.text = ""; }, "GC must be Y or N"},
    {"grudge lower y", [](FRMTEAMTOOL& f) { f.Text32.text = "y"; }, nullptr},
    {"grudge n blank", [](FRMTEAMTOOL& f) { f.Text32.text = "n "; }, nullptr},
    {"boost YY", [](FRMTEAMTOOL& f) { f.Text33.text = "YY"; }, "Boost must be Y or N"},
    {"boost empty", [](FRMTEAMTOOL& f) { f.Text33.text = ""; }, "Boost must be Y or N"},
    {"boost upper Y", [](FRMTEAMTOOL& f) { f.Text33.text = "Y"; }, nullptr},
    {"no marker", [](FRMTEAMTOOL& f) { f.Check1(2).setValue(0); }, nullptr},
    {"empty slot and wrong opponent",
     [](FRMTEAMTOOL& f) {
         f.Text29.text = "C";
         f.Text27(7).text = "";
     },
     "Not all Players are selected"},
    {"no captain, no penalty taker, no tactic",
     [](FRMTEAMTOOL& f) {
         f.Option1(5).setValue(false);
         f.Option2(9).setValue(false);
         f.Combo2.text = "";
     },
     "No Captian Selected"},
    {"bad boost and bad grudge",
     [](FRMTEAMTOOL& f) {
         f.Text33.text = "x";
         f.Text32.text = "x";
     },
     "GC must be Y or N"},
    {"no style, bad grudge",
     [](FRMTEAMTOOL& f) {
         f.Combo3.text = "";
         f.Text32.text = "x";
     },
     "Style Incorrect"},
};

TEST_F(CreateOrders, ChecksRunInOrderAndOnlyTheFirstFailureIsShownWithNothingWritten)
{
    for (const CheckCase& c : kCheckCases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(folder);
        fs::create_directories(folder);
        fillExample();
        c.breakIt(f);
        const std::string message = press();
        if (c.message) {
            EXPECT_EQ(message, c.message);
            EXPECT_TRUE(filesIn(folder).empty());
        } else {
            EXPECT_EQ(message, "Orders Built");
            EXPECT_EQ(filesIn(folder).size(), 1u);
        }
    }
}

// --- refusals and failures ---------------------------------------------------------

TEST_F(CreateOrders, AnAbbreviationOrOpponentAFileNameCannotHoldIsRefusedBeforeWriting)
{
    EXPECT_EQ(press(), "Orders Built");
    const std::string earlier = written();
    const std::string slots = f.Text27(3).text + f.Combo1(3).text;

    for (const std::string abbreviation : {"A/B", "A\\B", "A:B", "A*", "A?", "A\"", "<A", "A>", "A|", "A\tB"}) {
        f.Text(8).text = abbreviation;
        const std::string message = press();
        EXPECT_TRUE(message.starts_with("Orders not written: the team abbreviation")) << message;
        EXPECT_NE(message.find("file name"), std::string::npos) << message;
    }
    f.Text(8).text = "AB";
    f.Text29.text = "C/";
    EXPECT_TRUE(press().starts_with("Orders not written: the opponent \"C/\""));

    EXPECT_EQ(filesIn(folder), std::set<std::string>{"ABvsCD.TXT"});
    EXPECT_EQ(written(), earlier);
    EXPECT_EQ(f.Text27(3).text + f.Combo1(3).text, slots);
    EXPECT_EQ(f.Text(8).text, "AB");
}

TEST_F(CreateOrders, ALineBreakInsideANameOrTargetIsRefusedSoNoItemSpillsOntoTheNextLine)
{
    f.Text27(6).text = "Grant\r\nSmith";
    EXPECT_EQ(press(), "Orders not written: the name in slot 6 holds a line break");
    f.Text27(6).text = "Grant";
    f.Text34(2).text = "9\n10";
    EXPECT_EQ(press(), "Orders not written: the marker target in slot 3 holds a line break");
    f.Check1(2).setValue(0);  // a target that is not written does not matter
    EXPECT_EQ(press(), "Orders Built");
}

TEST_F(CreateOrders, TheTargetFolderGoneAfterLoadingIsReportedAndNothingIsLeft)
{
    f.Text31.text = (folder / "gone" / "TEAM.TXT").string();
    const std::string message = press();
    EXPECT_TRUE(message.starts_with("Orders not written: the folder ")) << message;
    EXPECT_NE(message.find("no longer exists"), std::string::npos) << message;
    EXPECT_TRUE(filesIn(folder).empty());
}

TEST_F(CreateOrders, AFolderOfTheTargetsNameInTheWayIsReportedAndLeftAlone)
{
    fs::create_directory(folder / "ABvsCD.TXT");
    const std::string message = press();
    EXPECT_EQ(message, "Orders not written: a folder named ABvsCD.TXT is in the way in " + folder.string());
    EXPECT_TRUE(fs::is_directory(folder / "ABvsCD.TXT"));
    EXPECT_TRUE(fs::is_empty(folder / "ABvsCD.TXT"));
    EXPECT_EQ(filesIn(folder), std::set<std::string>{"ABvsCD.TXT"});
}

// The orders never take the place of a team file: not the one loaded, under whatever
// name or link it stands where the orders go, nor any other.
TEST_F(CreateOrders, ATeamFileWhereTheOrdersGoIsNeverReplaced)
{
    const std::string team = testing::teamFileText(testing::teamFields(), {testing::playerFields("Adams", "GK", "9")});
    const std::string orders = "AB\r\nCD\r\nSUBS\r\nMarkers\r\nTransfer Bids\r\nCut Players\r\nPress\r\n"
                               "Comments to Commish\r\n";
    const std::string loadedTeam = "Orders not written: ABvsCD.TXT is the team file you loaded; move the team file "
                                   "or rename it, then press Create Orders again.";
    const std::string otherTeam = "Orders not written: ABvsCD.TXT in " + folder.string() +
                                  " is a team file; move it or rename it, then press Create Orders again.";
#ifdef _WIN32
    const std::string otherCase = loadedTeam;  // one file, whatever the letter case
#else
    const std::string otherCase = "Orders Built";
#endif
    struct Row {
        const char* what;
        std::string loaded;                            // the loaded team file's name
        std::function<void(const fs::path&)> arrange;  // what then stands at ABvsCD.TXT
        std::string message;
    };
    const std::vector<Row> rows = {
        {"the loaded team file by the orders' name", "ABvsCD.TXT", [](const fs::path&) {}, loadedTeam},
        {"the loaded team file in another letter case", "abvscd.txt", [](const fs::path&) {}, otherCase},
#ifndef _WIN32
        {"a link to the loaded team file", "TEAM.TXT",
         [](const fs::path& target) { fs::create_symlink("TEAM.TXT", target); }, loadedTeam},
#endif
        {"another team file", "TEAM.TXT",
         [&](const fs::path& target) { std::ofstream(target, std::ios::binary) << team; }, otherTeam},
        {"an earlier orders file", "TEAM.TXT",
         [&](const fs::path& target) { std::ofstream(target, std::ios::binary) << orders; }, "Orders Built"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        fs::remove_all(folder);
        fs::create_directories(folder);
        const fs::path loaded = folder / row.loaded;
        std::ofstream(loaded, std::ios::binary) << team;
        f.Text31.text = loaded.string();
        f.Command3.click();
        ASSERT_EQ(f.loadedTeamFile.path, loaded.string());
        fillExample();
        row.arrange(folder / "ABvsCD.TXT");
        EXPECT_EQ(press(), row.message);
        EXPECT_EQ(testing::fileBytes(loaded), team);
    }
}

#ifndef _WIN32
// A file size limit makes the write fail half-way; Windows has no such limit.
TEST_F(CreateOrders, OnPosixAWriteThatFailsHalfWayLeavesTheEarlierFileIntactAndNoTemporaryFile)
{
    f.Text35.text = "first press";
    EXPECT_EQ(press(), "Orders Built");
    const std::string earlier = written();

    // A disk that fills up: writes past 64 bytes fail.
    f.Text35.text = std::string(4096, 'x');
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 64;
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string message = press();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_TRUE(message.starts_with("Orders not written: cannot write ABvsCD.TXT")) << message;
    EXPECT_EQ(written(), earlier);
    EXPECT_EQ(filesIn(folder), std::set<std::string>{"ABvsCD.TXT"});
}
#endif

#ifdef _WIN32
// A read-only file is the Windows attribute; as root on POSIX nothing is read-only.
TEST_F(CreateOrders, OnWindowsAReadOnlyOrdersFileIsRefusedAndKept)
{
    EXPECT_EQ(press(), "Orders Built");
    const std::string earlier = written();
    fs::permissions(folder / "ABvsCD.TXT", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    f.Text35.text = "changed";
    const std::string message = press();
    fs::permissions(folder / "ABvsCD.TXT", fs::perms::owner_write, fs::perm_options::add);
    EXPECT_TRUE(message.starts_with("Orders not written: ABvsCD.TXT in ")) << message;
    EXPECT_NE(message.find("cannot be replaced"), std::string::npos) << message;
    EXPECT_EQ(written(), earlier);
    EXPECT_EQ(filesIn(folder), std::set<std::string>{"ABvsCD.TXT"});
}
#endif

}  // namespace
}  // namespace teamtool
