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

namespace teamtool {

namespace {

struct Candidate {
    std::size_t row;
    std::string_view position;
    double nsl;
    bool taken = false;
};

std::vector<Candidate> candidates(const FRMTEAMTOOL& f)
{
    std::vector<Candidate> found;
    for (const std::size_t row : unpickedRows(f))
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

const std::array<Line, 3> kLines = {
    Line{"defender", {"DS", "CB", "FB", "AS"}},
    Line{"midfielder", {"DM", "CM", "MF", "WH", "AM"}},
    Line{"attacker", {"W", "S", "CF"}},
};

const Line* lineOf(std::string_view code)
{
    const auto found = std::ranges::find_if(
        kLines, [&](const Line& line) { return std::ranges::find(line.codes, code) != line.codes.end(); });
    return found == kLines.end() ? nullptr : &*found;
}

Suggestion suggestSquad(FRMTEAMTOOL& f)
{
    std::vector<Candidate> all = candidates(f);
    Suggestion suggestion;

    const auto put = [&](int slot, Candidate& chosen) {
        chosen.taken = true;
        pickInto(f, slot, chosen.position, f.List2.items[chosen.row], f.List3.items[chosen.row]);
        ++suggestion.placed;
    };
    // Fills slot with the best candidate that fits, or says why it stays empty.
    const auto fill = [&](int slot, auto fits, const std::string& wanted) {
        if (Candidate* chosen = best(all, fits))
            put(slot, *chosen);
        else
            suggestion.unfilled.push_back({slot, slotName(f, slot) + ": no " + wanted + " left to pick"});
    };
    const auto ofPosition = [](std::string_view code) { return [code](std::string_view p) { return p == code; }; };
    const auto anyone = [](std::string_view) { return true; };
    const auto noKeeper = [](std::string_view p) { return p != kGoalkeeper; };
    const auto wish = [&](int slot) { return std::string(trimSpaces(f.Combo1(slot).text)); };

    if (isSlotEmpty(f, kGoalkeeperSlot))
        fill(kGoalkeeperSlot, ofPosition(kGoalkeeper), std::string(kGoalkeeper));

    // Fills the empty slots first to last that show a code, each as close to its wish as
    // the lists allow (its position, then its line, then anyone but a GK); returns the
    // blank ones.
    const auto fillCoded = [&](int first, int last) {
        std::vector<int> blanks;
        std::vector<int> unmet;
        for (int slot = first; slot <= last && slot < f.Text27.count(); ++slot) {
            if (!isSlotEmpty(f, slot))
                continue;
            if (const std::string code = wish(slot); code.empty())
                blanks.push_back(slot);
            else if (Candidate* chosen = best(all, ofPosition(code)))
                put(slot, *chosen);
            else
                unmet.push_back(slot);
        }
        const auto fallBack = [&](int slot, Candidate& chosen, std::string_view missing, std::string_view bestOf) {
            std::string reason = slotName(f, slot) + ": no " + std::string(missing) + " left; ";
            reason +=
                std::string(f.List2.items[chosen.row]) + " (" + std::string(chosen.position) + ") picked, the best ";
            reason += std::string(bestOf) + " left";
            suggestion.fallbacks.push_back({slot, std::move(reason)});
            put(slot, chosen);
        };
        std::vector<int> lineless;
        for (const int slot : unmet) {
            const std::string code = wish(slot);
            const Line* line = lineOf(code);
            Candidate* chosen = line ? best(all,
                                            [line](std::string_view p) {
                                                return std::ranges::find(line->codes, p) != line->codes.end();
                                            })
                                     : nullptr;
            if (chosen)
                fallBack(slot, *chosen, code, line->player);
            else
                lineless.push_back(slot);
        }
        for (const int slot : lineless) {
            const std::string code = wish(slot);
            const Line* line = lineOf(code);
            if (Candidate* chosen = best(all, noKeeper))
                fallBack(slot, *chosen, line ? line->player : code, "outfield player");
            else
                suggestion.unfilled.push_back({slot, slotName(f, slot) + ": no outfield player left to pick"});
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
    const auto bySlot = [](const auto& a, const auto& b) { return a.slot < b.slot; };
    std::ranges::stable_sort(suggestion.fallbacks, bySlot);
    std::ranges::stable_sort(suggestion.unfilled, bySlot);
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
    std::string message;
    if (!suggestion.fallbacks.empty()) {
        message = "These slots took another position:";
        for (const FallbackPick& slot : suggestion.fallbacks)
            message += "\n" + slot.reason;
    }
    if (!suggestion.unfilled.empty()) {
        message += message.empty() ? "These slots stay empty:" : "\n\nThese slots stay empty:";
        for (const UnfilledSlot& slot : suggestion.unfilled)
            message += "\n" + slot.reason;
    }
    if (!message.empty())
        f.msgBox(message);
}

}  // namespace teamtool
