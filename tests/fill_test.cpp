// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// An orders file read back: what it carries and why a text is not one; and Fill From
// Orders: what it says of a file it cannot read, last week's gaps and what went with them.

#include "model_fixture.h"
#include "squad/squad.h"
#include "team_file_text.h"
#include "textio/trim.h"
#include "week/fill.h"
#include "week/orders_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace teamtool {
namespace {

// As Create Orders writes it, less the CR of each line end (any line end reads alike).
const std::string kOrders = "RDV\nCD\nLB\nMC\nN\ny\nY2\nY2\n"
                            "GK Ashworth\nDS Bellamy\nCB Smith, John\nCB Smith\nFB Hendry\n"
                            "DS Doyle*\nDM McAllister\nCM Varga\nMF Fenwick\nWH Quinn#\nAM Baptiste\n"
                            "SUBS\nW Reyes\nS Kowalski\n"
                            "Markers\nSmith, John,7\nSmith,Lee, 9\n"
                            "Transfer Bids\nCut Players\nPress\nWe respect them.\n\nWe fear no one.\n"
                            "Comments to Commish\nNone\nat all";

TEST(OrdersReader, ReadsTheSelectionBack)
{
    const auto orders = readOrdersText(kOrders);
    ASSERT_TRUE(orders) << describeOrdersFileError(orders.error(), "A.TXT");
    EXPECT_EQ(orders->opponent, "CD");
    EXPECT_EQ(orders->boost, "y");
    EXPECT_EQ(orders->mainSide[2].name, "Smith, John");
    EXPECT_EQ(orders->mainSide[5].name, "Doyle");
    EXPECT_TRUE(orders->mainSide[5].captain);
    EXPECT_TRUE(orders->mainSide[9].penaltyTaker);
    ASSERT_EQ(orders->substitutes.size(), 2u);
    EXPECT_EQ(orders->substitutes[1].position, "S");
    // A marker's name is the longest main-side name the line starts with.
    ASSERT_EQ(orders->markers.size(), 2u);
    EXPECT_EQ(orders->markers[0].slot, 2);
    EXPECT_EQ(orders->markers[0].target, "7");
    EXPECT_EQ(orders->markers[1].slot, 3);
    EXPECT_EQ(orders->markers[1].target, "Lee, 9");
    EXPECT_EQ(orders->press, "We respect them.\n\nWe fear no one.");
    EXPECT_EQ(orders->comments, "None\nat all");
}

TEST(OrdersReader, SaysWhichLineIsNotAnOrdersFileLine)
{
    const auto replaced = [](const std::string& from, const std::string& to) {
        std::string text = kOrders;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::pair<std::string, std::string> cases[] = {
        {"RDV\nCD\n", "it ends before line 3, which should read the tactic."},
        {replaced("Y2\nY2\n", "Y3\nY2\n"),
         "line 7 should read \"N\", \"Y1\" or \"Y2\" (the markers) but reads \"Y3\"."},
        {replaced("Y2\nY2\n", "Y2\nN\n"), "line 8 should read \"Y1\" to \"Y5\" (the substitutes) but reads \"N\"."},
        {replaced("FB Hendry", "Hendry"), "line 13 should read a position and a name (slot 4) but reads \"Hendry\"."},
        {replaced("SUBS", "Subs"), "line 20 should read \"SUBS\" but reads \"Subs\"."},
        {replaced("Smith, John,7", "Jones,7"),
         "line 24 should read a main-side player's name, a comma and his target but reads \"Jones,7\"."},
        {replaced("Comments to Commish", "Comments"),
         "it ends before line 35, which should read \"Comments to Commish\"."},
    };
    for (const auto& [text, why] : cases) {
        const auto orders = readOrdersText(text);
        ASSERT_FALSE(orders) << why;
        EXPECT_EQ(describeOrdersFileError(orders.error(), "A.TXT"), "A.TXT is not an orders file: " + why);
    }
}

class FillFromAFile : public testing::LoadedFormWithFolder {
protected:
    FillFromAFile() { f.SSTab1.visible = true; }  // a team is loaded

    void setLists(const std::vector<testing::ListedPlayer>& players) { testing::setPlayerLists(f, players); }
    std::string slot(int i) const { return std::string(trimSpaces(f.Text27(i).text)); }
};

TEST_F(FillFromAFile, AFileThatCannotBeReadIsOneSentenceAndChangesNothing)
{
    const std::string large = write("LARGE.TXT", kOrders + std::string((1u << 20) - kOrders.size() + 10, 'x'));
    const std::string binary = write("BINARY.TXT", std::string("RDV\r\n\0", 6));
    const std::string missing = (folder / "MISSING.TXT").string();
    fillFromOrders(f, large);
    fillFromOrders(f, binary);
    fillFromOrders(f, missing);
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{
                  "The orders file \"" + large + "\" is too large to be an orders file (1048586 bytes).",
                  "BINARY.TXT is not an orders file: it holds binary data.",
                  "The orders file \"" + missing + "\" cannot be opened: No such file or directory."}));
    EXPECT_EQ(f.Text29.text, "");
}

// Last week's orders of a team, with one substitute.
std::string ordersText(const std::string& team, const std::vector<std::string>& mainSide,
                       const std::vector<std::string>& markers)
{
    return testing::ordersText(team, mainSide, {"S Sub"}, markers);
}

using LastWeeksOrders = FillFromAFile;

TEST_F(LastWeeksOrders, AMarkerGoesToTheSlotOfHisNameThatCanMarkAndNamesAreNotMistakenForMarks)
{
    setLists({{"GK", "Keeper", "10"},
              {"W", "Dixon", "11"},
              {"CB", "Dixon", "12"},
              {"DM", "Fox*", "13"},
              {"CB", "Lee", "9"},
              {"S", "Sub", "5"}});
    f.Text(8).text = "RDV";
    const auto path = write("RDVvsCD.TXT", ordersText("RDV",
                                                      {"GK Keeper", "W Dixon", "CB Dixon", "DM Fox*", "CB Lee*#", "S A",
                                                       "S B", "S C", "S D", "S E", "S F"},
                                                      {"Dixon,9", "Fox*,10"}));
    fillFromOrders(f, path);
    EXPECT_EQ(f.Check1(1).value(), 1) << "the CB Dixon marks";
    EXPECT_EQ(f.Text34(1).text, "9");
    EXPECT_EQ(f.Check1(0).value(), 0);
    EXPECT_EQ(slot(3), "Fox*");
    EXPECT_EQ(f.Check1(2).value(), 1);
    EXPECT_EQ(f.Text34(2).text, "10");
    EXPECT_FALSE(f.Option1(3).value()) << "his name's star is no captain's mark";
    EXPECT_EQ(slot(4), "Lee");
    EXPECT_TRUE(f.Option1(4).value());
    EXPECT_TRUE(f.Option2(4).value());
    EXPECT_EQ(dialogs.notes.back(), "Filled from RDVvsCD.TXT: 6 of 12 players");
    EXPECT_EQ(f.SSTab1.tab, 2);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].starts_with(
        "Filled from RDVvsCD.TXT, except:\nmain side 5 (S), A: not in this week's lists\nmain side 6 (S)"))
        << dialogs.messages[0];
}

TEST_F(LastWeeksOrders, AnotherTeamsFileIsFilledFromOnlyWhenTheManagerSaysSo)
{
    setLists({{"GK", "Keeper", "10"}});
    f.Text(8).text = " rdv ";
    const std::vector<std::string> mainSide = {"GK Keeper", "S A", "S B", "S C", "S D", "S E",
                                               "S F",       "S G", "S H", "S I", "S J"};
    fillFromOrders(f, write("SAME.TXT", ordersText("RDV", mainSide, {})));
    EXPECT_TRUE(dialogs.questions.empty()) << "the same team in another letter case";
    for (int i = 0; i < f.Text27.count(); ++i)
        Command2_Click(f, i);  // Clear
    const auto path = write("XYZvsCD.TXT", ordersText("XYZ", mainSide, {}));
    fillFromOrders(f, path);
    EXPECT_EQ(dialogs.questions.back(), "XYZvsCD.TXT holds the orders of team XYZ, not rdv. Fill from it anyway?");
    EXPECT_EQ(slot(0), "");
    dialogs.answer = true;
    fillFromOrders(f, path);
    EXPECT_EQ(slot(0), "Keeper");
}

TEST_F(LastWeeksOrders, APlayerNamedTwiceIsPlacedOnceForEachOfHisRows)
{
    const std::vector<std::string> mainSide = {"GK Keeper", "CB Smith", "S Smith", "S C", "S D", "S E",
                                               "S F",       "S G",      "S H",     "S I", "S J"};
    f.Text(8).text = "RDV";
    setLists({{"GK", "Keeper", "10"}, {"CB", "Smith", "12"}, {"S", "Smith", "9"}});
    fillFromOrders(f, write("TWO.TXT", ordersText("RDV", mainSide, {})));
    EXPECT_EQ(slot(1), "Smith");
    EXPECT_EQ(slot(2), "Smith");
    EXPECT_EQ(f.Text28(2).text, "9") << "the second of the name";

    setLists({{"GK", "Keeper", "10"}, {"CB", "Smith", "12"}});
    dialogs.answer = true;  // replace the squad
    fillFromOrders(f, write("ONE.TXT", ordersText("RDV", mainSide, {})));
    EXPECT_EQ(slot(2), "");
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_NE(
        dialogs.messages.back().find("main side 2 (S), Smith: named twice in the orders; he is in main side 1 (CB)"),
        std::string::npos)
        << dialogs.messages.back();
}

}  // namespace
}  // namespace teamtool
