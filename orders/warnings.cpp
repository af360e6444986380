// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Orders the checks let through but a manager seldom means.

#include "app/frmteamtool.h"
#include "orders/orders.h"
#include "squad/squad.h"
#include "textio/numbers.h"
#include "textio/trim.h"
#include "textio/words.h"

#include <algorithm>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace teamtool {

namespace {

// The text the press and comments boxes start with.
constexpr std::string_view kStartingText = "Text35";

std::string nameIn(const FRMTEAMTOOL& f, int slot)
{
    return std::string(trimSpaces(f.Text27(slot).text));
}

bool samePlayer(const FRMTEAMTOOL& f, int a, int b)
{
    return trimSpaces(f.Text27(a).text) == trimSpaces(f.Text27(b).text) &&
           trimSpaces(f.Text28(a).text) == trimSpaces(f.Text28(b).text);
}

}  // namespace

std::vector<std::string> ordersWarnings(const FRMTEAMTOOL& f)
{
    std::vector<std::string> warnings;

    // Substitutes are written up to the first empty slot; any after it are left out.
    const int firstEmpty = kFirstSubstituteSlot + substituteCount(f);
    for (int i = firstEmpty + 1; i <= kLastSubstituteSlot; ++i)
        if (!isSlotEmpty(f, i))
            warnings.push_back(slotName(f, i) + ", " + nameIn(f, i) +
                               ", is not in the orders: " + slotName(f, firstEmpty) + " is empty");

    // One player in two slots: the same name and NSL.
    std::vector<int> told;  // slots already named with an earlier one
    for (int i = kGoalkeeperSlot; i <= kLastSubstituteSlot; ++i) {
        if (std::ranges::find(told, i) != told.end() || isSlotEmpty(f, i))
            continue;
        std::vector<std::string> slots = {slotName(f, i)};
        for (int j = i + 1; j <= kLastSubstituteSlot; ++j)
            if (!isSlotEmpty(f, j) && samePlayer(f, i, j)) {
                slots.push_back(slotName(f, j));
                told.push_back(j);
            }
        if (slots.size() == 2)
            warnings.push_back(nameIn(f, i) + " is in two slots: " + joinedWithAnd(slots));
        else if (slots.size() > 2)
            warnings.push_back(nameIn(f, i) + " is in " + std::to_string(slots.size()) +
                               " slots: " + joinedWithAnd(slots));
    }

    for (int slot = 1; slot <= f.markerSlots(); ++slot)
        if (f.marks(slot) && isBlank(f.markerTargetOf(slot).text)) {
            std::string marker = "the marker of " + slotName(f, slot);
            if (!isSlotEmpty(f, slot))
                marker += ", " + nameIn(f, slot) + ",";
            warnings.push_back(marker + " has no target");
        }

    if (const std::string_view opponent = f.opponent(); !opponent.empty() && sameCode(opponent, f.teamAbbreviation()))
        warnings.push_back("the opponent, " + std::string(opponent) + ", is your own team's abbreviation");

    if (f.press() == kStartingText)
        warnings.emplace_back("the press still reads \"Text35\"");
    if (f.comments() == kStartingText)
        warnings.emplace_back("the comments still read \"Text35\"");

    const std::vector<BetterPlayerLeftOut> leftOut = betterPlayersLeftOut(f);
    for (std::size_t k = 0; k < leftOut.size() && k < kMostBetterPlayerWarnings; ++k)
        warnings.push_back(describeBetterPlayerLeftOut(f, leftOut[k]));
    return warnings;
}

std::vector<BetterPlayerLeftOut> betterPlayersLeftOut(const FRMTEAMTOOL& f)
{
    struct Player {
        std::size_t index;  // list row or slot
        double nsl;
    };
    std::map<std::string, std::pair<std::vector<Player>, std::vector<Player>>> byPosition;  // out, playing
    for (const std::size_t row : unpickedRows(f))
        byPosition[std::string(trimSpaces(f.List1.items[row]))].first.push_back(
            {row, readDecimalText(f.List3.items[row])});
    for (int slot = kFirstOutfieldSlot; slot <= kLastOutfieldSlot; ++slot)
        if (!isSlotEmpty(f, slot))
            if (const auto found = byPosition.find(std::string(trimSpaces(f.Combo1(slot).text)));
                found != byPosition.end())
                found->second.second.push_back(
                    {static_cast<std::size_t>(slot), readDecimalText(trimSpaces(f.Text28(slot).text))});

    std::vector<BetterPlayerLeftOut> pairs;
    for (auto& [position, players] : byPosition) {
        auto& [out, playing] = players;
        std::ranges::stable_sort(out, [](const Player& a, const Player& b) { return a.nsl > b.nsl; });
        std::ranges::stable_sort(playing, [](const Player& a, const Player& b) { return a.nsl < b.nsl; });
        for (std::size_t k = 0; k < out.size() && k < playing.size() && out[k].nsl > playing[k].nsl; ++k)
            pairs.push_back({out[k].index, static_cast<int>(playing[k].index), out[k].nsl - playing[k].nsl});
    }
    std::ranges::sort(pairs, [](const BetterPlayerLeftOut& a, const BetterPlayerLeftOut& b) {
        return a.difference != b.difference ? a.difference > b.difference : a.slot < b.slot;
    });
    return pairs;
}

std::string describeWhoPlaysInstead(const FRMTEAMTOOL& f, const BetterPlayerLeftOut& pair)
{
    return nameIn(f, pair.slot) + " (" + std::string(trimSpaces(f.Combo1(pair.slot).text)) + ", NSL " +
           std::string(trimSpaces(f.Text28(pair.slot).text)) + ") plays main side " + std::to_string(pair.slot);
}

std::string describeBetterPlayerLeftOut(const FRMTEAMTOOL& f, const BetterPlayerLeftOut& pair)
{
    return listedPlayer(f, pair.row) + " is not picked while " + describeWhoPlaysInstead(f, pair);
}

}  // namespace teamtool
