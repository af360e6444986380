// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// An orders file read back: what it carries, why a text is not one, and what Fill From
// Orders says of a file it cannot read.

#include "week/fill.h"
#include "week/orders_reader.h"
#include "window_fixture.h"

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

using FillFromAFile = testing::WindowWithFolder;

TEST_F(FillFromAFile, AFileThatCannotBeReadIsOneSentenceAndChangesNothing)
{
    f.SSTab1.visible = true;  // a team is loaded
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

}  // namespace
}  // namespace teamtool
