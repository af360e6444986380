// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "squad/suggest.h"

#include "app/design.h"
#include "app/frmteamtool.h"
#include "app/positions.h"
#include "squad/squad.h"
#include "textio/numbers.h"
#include "textio/trim.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

namespace teamtool {

namespace {

struct Candidate {
    std::size_t row;
    std::string_view position;
    double nsl;
    bool taken = false;
};

// The rows whose player is in no slot and has a name, in list order.
std::vector<Candidate> candidates(const FRMTEAMTOOL& f)
{
    std::unordered_set<std::string_view> slotted;  // names in slots: most rows are not
    for (int i = 0; i < f.Text27.count(); ++i)
        if (!isSlotEmpty(f, i))
            slotted.insert(f.Text27(i).text);
    const auto inASlot = [&](std::size_t row) {
        const std::string_view name = f.List2.items[row];
        if (!slotted.contains(name))
            return false;
        for (int i = 0; i < f.Text27.count(); ++i)
            if (f.Text27(i).text == name && f.Text28(i).text == f.List3.items[row])
                return true;
        return false;
    };
    const std::size_t rows = std::min({f.List1.items.size(), f.List2.items.size(), f.List3.items.size()});
    std::vector<Candidate> found;
    found.reserve(rows);
    for (std::size_t row = 0; row < rows; ++row)
        if (!isBlank(f.List2.items[row]) && !inASlot(row))
            found.push_back({row, f.List1.items[row], readDecimalText(f.List3.items[row])});
    return found;
}

// The best candidate not yet taken that `fits`, or nullptr: highest NSL, earlier row on a tie.
template <class Fits>
Candidate* best(std::vector<Candidate>& all, Fits fits)
{
    Candidate* chosen = nullptr;
    for (Candidate& candidate : all)
        if (!candidate.taken && fits(candidate.position) && (!chosen || candidate.nsl > chosen->nsl))
            chosen = &candidate;
    return chosen;
}

}  // namespace

Suggestion suggestSquad(FRMTEAMTOOL& f)
{
    std::vector<Candidate> all = candidates(f);
    Suggestion suggestion;

    // Fills slot with the best candidate that fits, or says why it stays empty.
    const auto fill = [&](int slot, auto fits, const std::string& wanted) {
        Candidate* chosen = best(all, fits);
        if (!chosen) {
            suggestion.unfilled.push_back({slot, slotName(f, slot) + ": no " + wanted + " left to pick"});
            return;
        }
        chosen->taken = true;
        pickInto(f, slot, chosen->position, f.List2.items[chosen->row], f.List3.items[chosen->row]);
        ++suggestion.placed;
    };
    const auto ofPosition = [](std::string_view code) { return [code](std::string_view p) { return p == code; }; };
    const auto anyone = [](std::string_view) { return true; };
    const auto noKeeper = [](std::string_view p) { return p != kGoalkeeper; };
    const auto wish = [&](int slot) { return std::string(trimSpaces(f.Combo1(slot).text)); };

    if (isSlotEmpty(f, kGoalkeeperSlot))
        fill(kGoalkeeperSlot, ofPosition(kGoalkeeper), std::string(kGoalkeeper));

    // Fills the empty slots first to last that show a code; returns the blank ones.
    const auto fillCoded = [&](int first, int last) {
        std::vector<int> blanks;
        for (int slot = first; slot <= last && slot < f.Text27.count(); ++slot) {
            if (!isSlotEmpty(f, slot))
                continue;
            if (const std::string code = wish(slot); !code.empty())
                fill(slot, ofPosition(code), code);
            else
                blanks.push_back(slot);
        }
        return blanks;
    };

    for (const int slot : fillCoded(kFirstOutfieldSlot, kLastOutfieldSlot))
        fill(slot, noKeeper, "outfield player");
    const std::vector<int> blankSubstitutes = fillCoded(kFirstSubstituteSlot, kLastSubstituteSlot);

    bool keeperOnBench = false;
    for (int slot = kFirstSubstituteSlot; slot <= kLastSubstituteSlot && slot < f.Text27.count(); ++slot)
        keeperOnBench |= !isSlotEmpty(f, slot) && wish(slot) == kGoalkeeper;
    for (std::size_t k = 0; k < blankSubstitutes.size(); ++k) {
        // Only the first blank substitute slot is kept for a GK.
        if (k == 0 && !keeperOnBench && best(all, ofPosition(kGoalkeeper)))
            fill(blankSubstitutes[k], ofPosition(kGoalkeeper), std::string(kGoalkeeper));
        else
            fill(blankSubstitutes[k], anyone, "player");
    }
    return suggestion;
}

void actionSuggestSquad_Click(FRMTEAMTOOL& f)
{
    const Suggestion suggestion = suggestSquad(f);
    f.SSTab1.tab = kSelectTeamPage;  // where the squad shows
    if (suggestion.placed == 0 && suggestion.unfilled.empty()) {
        f.dialogs().notify("Every slot holds a player: there is nothing to suggest");
        return;
    }
    f.dialogs().notify("Suggested " + std::to_string(suggestion.placed) +
                       (suggestion.placed == 1 ? " player" : " players"));
    if (suggestion.unfilled.empty())
        return;
    std::string message = "These slots stay empty:";
    for (const UnfilledSlot& slot : suggestion.unfilled)
        message += "\n" + slot.reason;
    f.msgBox(message);
}

}  // namespace teamtool
