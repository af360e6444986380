// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The warnings of a better player left out, row by row.

#include "model_fixture.h"
#include "orders/orders.h"
#include "squad/squad.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace teamtool {
namespace {

struct Slotted {
    int slot;
    std::string position, name, nsl;
};

struct LeftOutRow {
    const char* name;
    std::vector<testing::ListedPlayer> lists;
    std::vector<Slotted> squad;
    std::vector<std::string> warnings;
};

void PrintTo(const LeftOutRow& row, std::ostream* out)
{
    *out << row.name;
}

class BetterPlayerLeftOut : public testing::LoadedForm, public ::testing::WithParamInterface<LeftOutRow> {};

TEST_P(BetterPlayerLeftOut, IsWarnedOf)
{
    std::vector<testing::ListedPlayer> lists = GetParam().lists;
    for (const Slotted& s : GetParam().squad) {
        lists.push_back({s.position, s.name, s.nsl});
        placeInSlot(f, s.slot, s.position, s.name, s.nsl);
    }
    testing::setPlayerLists(f, lists);
    f.Text35.text.clear();
    f.Text36.text.clear();
    EXPECT_EQ(ordersWarnings(f), GetParam().warnings);
}

INSTANTIATE_TEST_SUITE_P(
    Warnings, BetterPlayerLeftOut,
    ::testing::Values(LeftOutRow{"None", {{"CB", "Doyle", "15"}}, {{2, "CB", "Hendry", "18.1"}}, {}},
                      LeftOutRow{"OneNamedWithHisSlot",
                                 {{"CB", "Doyle", "20.4"}, {"S", "Nine", "30"}},
                                 {{2, "CB", "Hendry", "18.1"}, {11, "CB", "Bench", "25"}},
                                 {"Doyle (CB, NSL 20.4) is not picked while Hendry (CB, NSL 18.1) plays main side 2"}},
                      LeftOutRow{"TheBestLeftOutAgainstTheWeakestPlaying",
                                 {{"CB", "Ames", "19"}, {"CB", "Bell", "20"}},
                                 {{1, "CB", "Cole", "18"}, {2, "CB", "Dunn", "10"}},
                                 {"Bell (CB, NSL 20) is not picked while Dunn (CB, NSL 10) plays main side 2",
                                  "Ames (CB, NSL 19) is not picked while Cole (CB, NSL 18) plays main side 1"}},
                      LeftOutRow{"ThePositionIsTheSlotsBox",
                                 {{"FB", "Price", "30"}, {"CB", "Rock", "12"}},
                                 {{3, "FB", "Fox", "20"}},
                                 {"Price (FB, NSL 30) is not picked while Fox (FB, NSL 20) plays main side 3"}},
                      LeftOutRow{
                          "AtMostThreeTheLargestDifferencesFirst",
                          {{"CB", "Ca", "11"}, {"FB", "Fa", "14"}, {"DM", "Da", "12"}, {"S", "Sa", "13"}},
                          {{1, "CB", "Cb", "10"}, {2, "FB", "Fb", "10"}, {3, "DM", "Db", "10"}, {4, "S", "Sb", "10"}},
                          {"Fa (FB, NSL 14) is not picked while Fb (FB, NSL 10) plays main side 2",
                           "Sa (S, NSL 13) is not picked while Sb (S, NSL 10) plays main side 4",
                           "Da (DM, NSL 12) is not picked while Db (DM, NSL 10) plays main side 3"}}),
    [](const ::testing::TestParamInfo<LeftOutRow>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace teamtool
