// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Suggest Squad's rule to the letter, its optimality against a brute-force search, and
// Fill From Orders as it prepares a suggestion: last week's gaps and what went with them.

#include "app/window_state.h"
#include "squad/squad.h"
#include "squad/suggest.h"
#include "textio/numbers.h"
#include "textio/trim.h"
#include "week/fill.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace teamtool {
namespace {

struct Player {
    std::string pos, name, nsl;
};

class Suggest : public testing::WindowWithFolder {
protected:
    void SetUp() override
    {
        WindowWithFolder::SetUp();
        f.SSTab1.visible = true;  // a team is loaded
    }

    void setLists(const std::vector<Player>& players)
    {
        for (int n = 1; n <= 5; ++n)
            f.list(n).items.clear();
        for (const Player& p : players) {
            f.List1.items.push_back(p.pos);
            f.List2.items.push_back(p.name);
            f.List3.items.push_back(p.nsl);
            f.List4.items.push_back("1");
            f.List5.items.push_back("2");
        }
    }

    std::string slot(int i) const { return std::string(trimSpaces(f.Text27(i).text)); }

    void emptyWindow()
    {
        for (int i = 0; i < f.Text27.count(); ++i) {
            if (i != kGoalkeeperSlot)
                f.Combo1(i).text.clear();
            f.Text27(i).text.clear();
            f.Text28(i).text.clear();
        }
        f.Text30.text = "0";
    }

    // Every control's state but the squad slots and the total.
    WindowState everythingElse() const
    {
        WindowState state = windowState(f);
        std::erase_if(state, [](const auto& entry) {
            const std::string& name = entry.first;
            return name.starts_with("Text27(") || name.starts_with("Text28(") || name.starts_with("Combo1(") ||
                   name == "Text30";
        });
        return state;
    }
};

TEST_F(Suggest, FollowsTheRuleStepByStep)
{
    setLists({{"GK", "Keeper", "9"},
              {"GK", "Backup", "12"},
              {"CB", "Rock", "15"},
              {"CB", "Wall", "15"},
              {"S", "Striker", "20"},
              {"W", "Winger", "x"},
              {"DM", "Anchor", "11"},
              {"MF", "", "30"},
              {"AM", "Taken", "14.5"},
              {"FB", "Fullback", "7"},
              {"GK", "Third", "3"},
              {"CF", "Nine", "13"}});
    f.Text27(4).text = "Taken";  // the manager's: a lock, and Taken is no candidate
    f.Text28(4).text = "14.5";
    f.Combo1(4).text = "AM";
    f.Combo1(2).text = "CB";
    f.Combo1(3).text = " CB ";  // trimmed
    f.Combo1(5).text = "DS";    // no DS at all
    f.Combo1(12).text = "W";
    f.Option1(4).setValue(true);
    f.Text35.text = "Press";
    const auto before = everythingElse();

    const Suggestion suggestion = suggestSquad(f);

    EXPECT_EQ(slot(0), "Backup");  // 1. the best GK
    EXPECT_EQ(slot(2), "Rock");    // 2. coded, ties to the earlier row
    EXPECT_EQ(slot(3), "Wall");
    EXPECT_EQ(slot(5), "");  //    nothing left for a coded slot
    EXPECT_EQ(f.Combo1(5).text, "DS");
    EXPECT_EQ(slot(1), "Striker");  // 3. blank main side: the best who is no GK
    EXPECT_EQ(slot(6), "Nine");
    EXPECT_EQ(slot(7), "Anchor");
    EXPECT_EQ(slot(8), "Fullback");
    EXPECT_EQ(slot(9), "Winger");  //    "x" counts as 0 but is a player
    EXPECT_EQ(slot(10), "");       //    the blank-named row never is; the GKs are left
    EXPECT_EQ(slot(4), "Taken");
    EXPECT_EQ(slot(12), "");        // 4. no W left
    EXPECT_EQ(slot(11), "Keeper");  // 5. the first blank substitute takes the best GK left
    EXPECT_EQ(slot(13), "Third");   //    the others anyone left
    EXPECT_EQ(slot(14), "");
    EXPECT_EQ(f.Combo1(1).text, "S");  // placed as a pick places him
    EXPECT_EQ(f.Text28(9).text, "x");
    EXPECT_EQ(f.Text30.text, "81");  // 20 + 15 + 15 + 13 + 11 + 7 + 0: the lock was never added
    EXPECT_EQ(everythingElse(), before);

    EXPECT_EQ(suggestion.placed, 10);
    std::vector<std::string> reasons;
    for (const UnfilledSlot& unfilled : suggestion.unfilled)
        reasons.push_back(unfilled.reason);
    EXPECT_EQ(reasons, (std::vector<std::string>{
                           "main side 5 (DS): no DS left to pick", "main side 10: no outfield player left to pick",
                           "substitute 2 (W): no W left to pick", "substitute 4: no player left to pick",
                           "substitute 5: no player left to pick"}));

    // Through the menu: a note of what went in, one message of what did not.
    Command2_Click(f, 13);  // Clear frees Third again
    f.findMenuCommand("actionSuggestSquad")->click();
    EXPECT_EQ(slot(13), "Third");
    EXPECT_EQ(dialogs.notes.back(), "Suggested 1 player");
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{"These slots stay empty:\nmain side 5 (DS): no DS left to pick\n"
                                        "main side 10: no outfield player left to pick\n"
                                        "substitute 2 (W): no W left to pick\nsubstitute 4: no player left to pick\n"
                                        "substitute 5: no player left to pick"}));
    for (const int i : {5, 10, 12, 14, 15})
        f.Text27(i).text = "Someone";
    f.findMenuCommand("actionSuggestSquad")->click();
    EXPECT_EQ(dialogs.notes.back(), "Every slot holds a player: there is nothing to suggest");
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(Suggest, AGoalkeeperOnTheBenchAlreadyKeepsTheFirstBlankSubstituteForAnyone)
{
    setLists({{"GK", "One", "5"}, {"GK", "Two", "4"}, {"S", "Nine", "3"}});
    f.Text27(0).text = "Locked";
    f.Combo1(15).text = "GK";
    suggestSquad(f);
    EXPECT_EQ(slot(15), "One");  // step 4: the coded GK slot
    EXPECT_EQ(slot(1), "Nine");
    EXPECT_EQ(slot(11), "Two");  // step 5: anyone, and a GK is all that is left
}

TEST_F(Suggest, TheManualsExample)
{
    setLists({{"GK", "Lane", "15"},
              {"GK", "Ward", "12"},
              {"CB", "Cole", "17"},
              {"CB", "Hart", "14"},
              {"S", "Dunn", "19"},
              {"MF", "Moss", "11"}});
    placeInSlot(f, 1, "CB", "Hart", "14");
    for (int i = 4; i <= 10; ++i)
        placeInSlot(f, i, "MF", "Mine " + std::to_string(i), "10");
    f.Combo1(2).text = "CB";
    const Suggestion suggestion = suggestSquad(f);
    EXPECT_EQ((std::vector<std::string>{slot(0), slot(1), slot(2), slot(3), slot(11), slot(12), slot(13)}),
              (std::vector<std::string>{"Lane", "Hart", "Cole", "Dunn", "Ward", "Moss", ""}));
    ASSERT_EQ(suggestion.unfilled.size(), 3u);
    EXPECT_EQ(suggestion.unfilled[0].reason, "substitute 3: no player left to pick");
}

// The highest Tot NSL the wishes allow, checked against every assignment of small teams.
TEST_F(Suggest, GivesTheHighestTotalTheWishesAllow)
{
    std::mt19937 random(2026);
    const std::vector<std::string> codes = {"GK", "CB", "FB", "DM", "S"};
    for (int round = 0; round < 300; ++round) {
        emptyWindow();
        std::vector<Player> players;
        const int count = 4 + static_cast<int>(random() % 6);
        players.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            players.push_back(
                {codes[random() % codes.size()], "P" + std::to_string(i),
                 random() % 7 == 0 ? "n/a" : std::to_string(random() % 40) + "." + std::to_string(random() % 10)});
        setLists(players);
        // Main-side slots: a few locked with a player, a few wishing a position, the rest open.
        std::vector<int> open;
        for (int slot = 1; slot <= 10; ++slot) {
            const auto kind = random() % 4;
            if (kind == 0 && slot <= static_cast<int>(players.size())) {
                f.Text27(slot).text = players[static_cast<std::size_t>(slot - 1)].name;  // a lock
                f.Text28(slot).text = players[static_cast<std::size_t>(slot - 1)].nsl;
            } else if (open.size() < 5) {
                if (kind == 1)
                    f.Combo1(slot).text = codes[1 + random() % (codes.size() - 1)];
                open.push_back(slot);
            } else {
                f.Text27(slot).text = "Elsewhere";
            }
        }
        std::vector<std::string> before;
        before.reserve(static_cast<std::size_t>(f.Text27.count()));
        for (int slot = 0; slot < f.Text27.count(); ++slot)
            before.push_back(f.Text27(slot).text);
        std::vector<std::pair<std::string, double>> pool;  // the candidates
        for (const Player& player : players) {
            bool slotted = false;
            for (int i = 0; i < 16; ++i)
                slotted |= f.Text27(i).text == player.name && f.Text28(i).text == player.nsl;
            if (!slotted)
                pool.emplace_back(player.pos, readDecimalText(player.nsl));
        }
        // Every way of filling the open slots, as many as can be, by the best total.
        std::vector<bool> used(pool.size());
        std::pair<int, double> bestFound{-1, 0};
        std::function<void(std::size_t, int, double)> search = [&](std::size_t k, int filled, double total) {
            if (k == open.size()) {
                if (filled > bestFound.first || (filled == bestFound.first && total > bestFound.second + 1e-9))
                    bestFound = {filled, total};
                return;
            }
            const std::string wish(f.Combo1(open[k]).text);
            search(k + 1, filled, total);
            for (std::size_t c = 0; c < pool.size(); ++c) {
                const bool fits = wish.empty() ? pool[c].first != "GK" : pool[c].first == wish;
                if (used[c] || !fits)
                    continue;
                used[c] = true;
                search(k + 1, filled + 1, total + pool[c].second);
                used[c] = false;
            }
        };
        search(0, 0, 0);

        suggestSquad(f);
        int filled = 0;
        double total = 0;
        for (const int slot : open) {
            if (isSlotEmpty(f, slot))
                continue;
            ++filled;
            total += readDecimalText(f.Text28(slot).text);
        }
        ASSERT_EQ(filled, bestFound.first) << "round " << round;
        ASSERT_NEAR(total, bestFound.second, 1e-9) << "round " << round;
        for (int slot = 1; slot <= 10; ++slot) {
            if (!isBlank(before[static_cast<std::size_t>(slot)])) {
                ASSERT_EQ(f.Text27(slot).text, before[static_cast<std::size_t>(slot)])
                    << "a lock moved, round " << round;
            }
        }
    }
}

// Orders as Create Orders writes them, main side given as "POS NAME" lines.
std::string ordersText(const std::string& team, const std::vector<std::string>& mainSide,
                       const std::vector<std::string>& markers)
{
    std::string text = team + "\r\nCD\r\nLB\r\nMC\r\nN\r\nN\r\n";
    text += markers.empty() ? "N\r\n" : "Y" + std::to_string(markers.size()) + "\r\n";
    text += "Y1\r\n";
    for (const std::string& line : mainSide)
        text += line + "\r\n";
    text += "SUBS\r\nS Sub\r\nMarkers\r\n";
    for (const std::string& line : markers)
        text += line + "\r\n";
    return text + "Transfer Bids\r\nCut Players\r\nPress\r\nComments to Commish\r\n";
}

using LastWeeksOrders = Suggest;

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
    emptyWindow();
    const auto path = write("XYZvsCD.TXT", ordersText("XYZ", mainSide, {}));
    fillFromOrders(f, path);
    EXPECT_EQ(dialogs.questions.back(), "XYZvsCD.TXT holds the orders of team XYZ, not rdv. Fill from it anyway?");
    EXPECT_EQ(slot(0), "");
    dialogs.answer = true;
    fillFromOrders(f, path);
    EXPECT_EQ(slot(0), "Keeper");
}

}  // namespace
}  // namespace teamtool
