// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Orders the checks let through but a manager seldom means.

#include "app/frmteamtool.h"
#include "orders/orders.h"
#include "squad/squad.h"
#include "textio/trim.h"
#include "textio/words.h"

#include <algorithm>
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
    int firstEmpty = -1;
    for (int i = kFirstSubstituteSlot; i <= kLastSubstituteSlot; ++i) {
        if (isSlotEmpty(f, i)) {
            if (firstEmpty < 0)
                firstEmpty = i;
        } else if (firstEmpty >= 0) {
            warnings.push_back(slotName(f, i) + ", " + nameIn(f, i) +
                               ", is not in the orders: " + slotName(f, firstEmpty) + " is empty");
        }
    }

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
    return warnings;
}

}  // namespace teamtool
