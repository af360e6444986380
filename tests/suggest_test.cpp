// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Suggest Squad's rule to the letter, and its optimality against a brute-force search.

#include "app/design.h"
#include "app/window_state.h"
#include "model_fixture.h"
#include "squad/squad.h"
#include "squad/suggest.h"
#include "textio/numbers.h"
#include "textio/trim.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace teamtool {
namespace {

using Player = testing::ListedPlayer;

class Suggest : public testing::LoadedForm {
protected:
    Suggest() { f.SSTab1.visible = true; }  // a team is loaded

    void setLists(const std::vector<Player>& players) { testing::setPlayerLists(f, players); }

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

class SuggestStepByStep : public Suggest {
protected:
    SuggestStepByStep()
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
    }
};

TEST_F(SuggestStepByStep, FollowsTheRule)
{
    const auto before = everythingElse();
    const Suggestion suggestion = suggestSquad(f);

    EXPECT_EQ(slot(0), "Backup");  // 1. the best GK
    EXPECT_EQ(slot(2), "Rock");    // 2. coded, ties to the earlier row
    EXPECT_EQ(slot(3), "Wall");
    EXPECT_EQ(slot(5), "Fullback");  //    no DS: the best defender left
    EXPECT_EQ(f.Combo1(5).text, "FB");
    EXPECT_EQ(slot(1), "Striker");  // 3. blank main side: the best who is no GK
    EXPECT_EQ(slot(6), "Nine");
    EXPECT_EQ(slot(7), "Anchor");
    EXPECT_EQ(slot(8), "Winger");  //    "x" counts as 0 but is a player
    EXPECT_EQ(slot(9), "");        //    the blank-named row never is; the GKs are left
    EXPECT_EQ(slot(4), "Taken");
    EXPECT_EQ(slot(12), "");        // 4. no W, no attacker, no outfield player left
    EXPECT_EQ(slot(11), "Keeper");  // 5. the first blank substitute takes the best GK left
    EXPECT_EQ(slot(13), "Third");   //    the others anyone left
    EXPECT_EQ(slot(14), "");
    EXPECT_EQ(f.Combo1(1).text, "S");  // placed as a pick places him
    EXPECT_EQ(f.Text28(8).text, "x");
    EXPECT_EQ(f.Text30.text, "81");  // 20 + 15 + 15 + 13 + 11 + 7 + 0: the lock was never added
    EXPECT_EQ(everythingElse(), before);
    EXPECT_EQ(suggestion.placed, 10);
}

TEST_F(SuggestStepByStep, SaysWhatWentInWhatTookAnotherPositionAndWhatStayedEmpty)
{
    actionSuggestSquad_Click(f);
    EXPECT_EQ(dialogs.notes.back(), "Suggested 10 players");
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{"These slots took another position:\n"
                                        "main side 5 (DS): no DS left; Fullback (FB) picked, the best defender left\n\n"
                                        "These slots stay empty:\nmain side 9: no outfield player left to pick\n"
                                        "main side 10: no outfield player left to pick\n"
                                        "substitute 2 (W): no outfield player left to pick\n"
                                        "substitute 4: no player left to pick\nsubstitute 5: no player left to pick"}));
    Command2_Click(f, 13);  // Clear frees Third again
    actionSuggestSquad_Click(f);
    EXPECT_EQ(slot(13), "Third");
    EXPECT_EQ(dialogs.notes.back(), "Suggested 1 player");
    for (const int i : {9, 10, 12, 14, 15})
        f.Text27(i).text = "Someone";
    actionSuggestSquad_Click(f);
    EXPECT_EQ(dialogs.notes.back(), "Every slot holds a player: there is nothing to suggest");
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

// A coded slot whose position has no player left: the row's lists, then what main side 1
// wishes, who it takes and what the message says of it.
struct FallbackRow {
    const char* name;
    std::vector<Player> players;
    const char* wish;
    const char* picked;
    const char* reason;
};

void PrintTo(const FallbackRow& row, std::ostream* out)
{
    *out << row.name;
}

class SuggestFallback : public Suggest, public ::testing::WithParamInterface<FallbackRow> {};

TEST_P(SuggestFallback, TakesTheClosestPlayerLeft)
{
    setLists(GetParam().players);
    for (int i = 0; i <= 15; ++i)
        f.Text27(i).text = i == 1 ? "" : "Someone";
    f.Combo1(1).text = GetParam().wish;
    const Suggestion suggestion = suggestSquad(f);
    EXPECT_EQ(slot(1), GetParam().picked);
    std::string reason;
    for (const auto& fallback : suggestion.fallbacks)
        reason += fallback.reason;
    for (const auto& unfilled : suggestion.unfilled)
        reason += unfilled.reason;
    EXPECT_EQ(reason, GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Suggest, SuggestFallback,
    ::testing::Values(
        FallbackRow{"ExactWishUnchanged", {{"FB", "Price", "18"}, {"CB", "Hendry", "11"}}, "CB", "Hendry", ""},
        FallbackRow{"SameLineBestNsl",
                    {{"S", "Nine", "30"}, {"AS", "Ames", "12"}, {"FB", "Price", "18"}, {"DS", "Dale", "18"}},
                    "CB",
                    "Price",
                    "main side 1 (CB): no CB left; Price (FB) picked, the best defender left"},
        FallbackRow{"MidfieldLine",
                    {{"CB", "Rock", "30"}, {"AM", "Abe", "9"}, {"WH", "Wes", "10"}},
                    "DM",
                    "Wes",
                    "main side 1 (DM): no DM left; Wes (WH) picked, the best midfielder left"},
        FallbackRow{"AttackLine",
                    {{"MF", "Moss", "30"}, {"CF", "Cobb", "9"}},
                    "W",
                    "Cobb",
                    "main side 1 (W): no W left; Cobb (CF) picked, the best attacker left"},
        FallbackRow{"NoneOfTheLineTakesTheBestOutfieldPlayer",
                    {{"GK", "Lane", "40"}, {"MF", "Moss", "12"}, {"S", "Nine", "14"}},
                    "CB",
                    "Nine",
                    "main side 1 (CB): no defender left; Nine (S) picked, the best outfield player left"},
        FallbackRow{"AGoalkeeperWishOutsideHisSlot",
                    {{"FB", "Price", "12"}},
                    "GK",
                    "Price",
                    "main side 1 (GK): no GK left; Price (FB) picked, the best outfield player left"},
        FallbackRow{"OnlyGoalkeepersLeft",
                    {{"GK", "Lane", "40"}},
                    "CB",
                    "",
                    "main side 1 (CB): no outfield player left to pick"}),
    [](const ::testing::TestParamInfo<FallbackRow>& row) { return std::string(row.param.name); });

TEST_F(Suggest, TheGoalkeepersSlotTakesOnlyAGoalkeeper)
{
    setLists({{"CB", "Rock", "15"}});
    const Suggestion suggestion = suggestSquad(f);
    EXPECT_EQ(slot(0), "");
    EXPECT_EQ(slot(1), "Rock");
    ASSERT_FALSE(suggestion.unfilled.empty());
    EXPECT_EQ(suggestion.unfilled[0].reason, "the goalkeeper: no GK left to pick");
}

TEST_F(Suggest, AnExactWishOfALaterSlotIsNotTakenByAnEarlierSlotsFallback)
{
    setLists({{"CB", "Rock", "20"}, {"FB", "Price", "10"}});
    for (int i = 3; i <= 15; ++i)
        f.Text27(i).text = "Someone";
    f.Combo1(1).text = "DS";
    f.Combo1(2).text = "CB";
    suggestSquad(f);
    EXPECT_EQ(slot(2), "Rock");
    EXPECT_EQ(slot(1), "Price");
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

// Every wish met as closely as can be, then the highest Tot NSL, checked against every
// assignment of small teams.
TEST_F(Suggest, MeetsTheWishesAsCloselyAsCanBeThenGivesTheHighestTotal)
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
                pool.emplace_back(player.position, readDecimalText(player.nsl));
        }
        // Every way of filling the open slots, scored as the rule ranks them: first how
        // many coded slots take their own position, then how many one of its line, then
        // how many slots are filled, then the total.
        std::vector<std::string> wishes;
        wishes.reserve(open.size());
        for (const int slot : open)
            wishes.emplace_back(f.Combo1(slot).text);
        using Score = std::tuple<int, int, int, double>;
        const auto tierOf = [](const std::string& wish, const std::string& position) {
            if (wish.empty())
                return 0;
            if (position == wish)
                return 2;
            return lineOf(wish) && lineOf(wish) == lineOf(position) ? 1 : 0;
        };
        const auto better = [](const Score& a, const Score& b) {
            if (std::tie(std::get<0>(a), std::get<1>(a), std::get<2>(a)) !=
                std::tie(std::get<0>(b), std::get<1>(b), std::get<2>(b)))
                return std::tie(std::get<0>(a), std::get<1>(a), std::get<2>(a)) >
                       std::tie(std::get<0>(b), std::get<1>(b), std::get<2>(b));
            return std::get<3>(a) > std::get<3>(b) + 1e-9;
        };
        std::vector<bool> used(pool.size());
        Score bestFound{-1, 0, 0, 0};
        std::function<void(std::size_t, Score)> search = [&](std::size_t k, Score score) {
            if (k == open.size()) {
                if (better(score, bestFound))
                    bestFound = score;
                return;
            }
            search(k + 1, score);
            for (std::size_t c = 0; c < pool.size(); ++c) {
                if (used[c] || pool[c].first == "GK")
                    continue;
                const int tier = tierOf(wishes[k], pool[c].first);
                used[c] = true;
                search(k + 1, {std::get<0>(score) + (tier == 2), std::get<1>(score) + (tier == 1),
                               std::get<2>(score) + 1, std::get<3>(score) + pool[c].second});
                used[c] = false;
            }
        };
        search(0, {0, 0, 0, 0.0});

        suggestSquad(f);
        Score found{0, 0, 0, 0.0};
        for (std::size_t k = 0; k < open.size(); ++k) {
            if (isSlotEmpty(f, open[k]))
                continue;
            const int tier = tierOf(wishes[k], f.Combo1(open[k]).text);
            std::get<0>(found) += tier == 2;
            std::get<1>(found) += tier == 1;
            std::get<2>(found) += 1;
            std::get<3>(found) += readDecimalText(f.Text28(open[k]).text);
        }
        ASSERT_EQ(std::get<0>(found), std::get<0>(bestFound)) << "round " << round;
        ASSERT_EQ(std::get<1>(found), std::get<1>(bestFound)) << "round " << round;
        ASSERT_EQ(std::get<2>(found), std::get<2>(bestFound)) << "round " << round;
        ASSERT_NEAR(std::get<3>(found), std::get<3>(bestFound), 1e-9) << "round " << round;
        for (int slot = 1; slot <= 10; ++slot) {
            if (!isBlank(before[static_cast<std::size_t>(slot)])) {
                ASSERT_EQ(f.Text27(slot).text, before[static_cast<std::size_t>(slot)])
                    << "a lock moved, round " << round;
            }
        }
    }
}

}  // namespace
}  // namespace teamtool

namespace teamtool {
namespace {

// Where the keyboard is left after a fill or a suggestion, and the squad in words: a
// loaded window whose sixteen slots hold P0 to P15, NSL 10 to 25.
struct FullSquad {
    testing::ScriptedDialogs dialogs;
    FRMTEAMTOOL f{dialogs};

    FullSquad()
    {
        Form_Load(f);
        f.SSTab1.visible = true;
        for (int i = kGoalkeeperSlot; i <= kLastSubstituteSlot; ++i) {
            f.Text27(i).text = "P" + std::to_string(i);
            f.Text28(i).text = std::to_string(10 + i);
        }
    }
};

TEST(KeyboardReach, GoesToWhatTheSquadStillNeedsInTurn)
{
    struct Row {
        int emptySlot, captain, penalties;
        std::string focus;
    };
    for (const Row& row : {Row{12, 3, 4, "Combo1(12)"}, Row{-1, 3, -1, "Option2(1)"}, Row{-1, -1, 4, "Option1(1)"},
                           Row{-1, 3, 4, ""}, Row{-1, -1, -1, "Option2(1)"}}) {
        FullSquad squad;
        FRMTEAMTOOL& f = squad.f;
        if (row.emptySlot >= 0)
            f.Text27(row.emptySlot).text = " ";
        if (row.captain > 0)
            f.Option1(row.captain).setValue(true);
        if (row.penalties > 0)
            f.Option2(row.penalties).setValue(true);
        focusWhereTheManagerIsNeeded(f);
        EXPECT_EQ(f.focusRequest, row.focus) << row.emptySlot << row.captain << row.penalties;
        EXPECT_EQ(f.SSTab1.tab, row.focus.empty() ? 0 : kSelectTeamPage);
    }
}

TEST(KeyboardReach, TheGoKeysGoToTheChosenButtonOfAColumnAndToTheirPage)
{
    FullSquad squad;
    FRMTEAMTOOL& f = squad.f;
    f.Option2(6).setValue(true);
    actionGoToPenaltyTaker_Click(f);
    EXPECT_EQ(f.focusRequest, "Option2(6)");
    actionGoToPosition_Click(f, 10);
    EXPECT_EQ(f.focusRequest, "Combo1(10)");
    actionGoToPress_Click(f);
    EXPECT_EQ(f.focusRequest, "Text35");
    EXPECT_EQ(f.SSTab1.tab, 3);  // Press And Comments
}

TEST(KeyboardReach, TheSquadInWordsSaysEverySlot)
{
    FullSquad squad;
    FRMTEAMTOOL& f = squad.f;
    f.Text27(3).text = " ";
    f.Combo1(1).text = "CB";
    f.Option1(1).setValue(true);
    f.Option2(2).setValue(true);
    f.markerOf(2).setValue(1);
    f.markerTargetOf(2).text = "9";
    f.Text30.text = "123.4";
    const std::string words = squadInWords(f);
    EXPECT_TRUE(words.starts_with("The squad:\ngoalkeeper: P0, NSL 10\nmain side 1 (CB): P1, NSL 11, captain\n"
                                  "main side 2: P2, NSL 12, takes the penalties, marks 9\nmain side 3: empty\n"))
        << words;
    EXPECT_TRUE(words.ends_with("\nsubstitute 5: P15, NSL 25\nTot NSL 123.4")) << words;
    f.Option1(1).setValue(false);
    EXPECT_TRUE(squadInWords(f).ends_with("\nNo captain\nTot NSL 123.4"));
}

}  // namespace
}  // namespace teamtool
