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
#include <unordered_map>
#include <vector>

namespace teamtool {

namespace {

struct Candidate {
    std::size_t row;
    double nsl;
    bool taken = false;
};

// Who goes first of two candidates: the higher NSL, the earlier row on a tie.
bool before(const Candidate& a, const Candidate& b)
{
    return a.nsl != b.nsl ? a.nsl > b.nsl : a.row < b.row;
}

// The candidates by position, the best of each position first. A suggestion takes at
// most one player per slot, so only as many of each position as there are slots can
// ever be the best left of it: the rest are never kept, and each choice looks at a
// handful of players whatever the size of the team.
class Pool {
public:
    Pool(const FRMTEAMTOOL& f, std::size_t slots)
    {
        std::unordered_map<std::string_view, std::size_t> groupOf;
        for (const std::size_t row : unpickedRows(f)) {
            const std::string_view position = f.List1.items[row];
            const auto [found, added] = groupOf.try_emplace(position, m_groups.size());
            if (added)
                m_groups.push_back({position, {}});
            m_groups[found->second].players.push_back({row, readDecimalText(f.List3.items[row])});
        }
        for (Group& group : m_groups) {
            auto& players = group.players;
            const std::size_t kept = std::min(slots, players.size());
            std::partial_sort(players.begin(), players.begin() + static_cast<std::ptrdiff_t>(kept), players.end(),
                              before);
            players.resize(kept);
        }
    }

    // The best candidate not yet taken whose position `fits`, or nullptr.
    template <class Fits>
    Candidate* best(Fits fits)
    {
        Candidate* chosen = nullptr;
        for (Group& group : m_groups) {
            if (!fits(group.position))
                continue;
            const auto first = std::ranges::find(group.players, false, &Candidate::taken);
            if (first != group.players.end() && (!chosen || before(*first, *chosen)))
                chosen = &*first;
        }
        return chosen;
    }

private:
    struct Group {
        std::string_view position;
        std::vector<Candidate> players;
    };
    std::vector<Group> m_groups;
};

}  // namespace

const std::array<Line, 3> kLines = {
    Line{"defender", {"DS", "CB", "FB", "AS"}},
    Line{"midfielder", {"DM", "CM", "MF", "WH", "AM"}},
    Line{"attacker", {"W", "S", "CF"}},
};

const Line* lineOf(std::string_view code)
{
    const auto* const found = std::ranges::find_if(
        kLines, [&](const Line& line) { return std::ranges::find(line.codes, code) != line.codes.end(); });
    return found == kLines.end() ? nullptr : &*found;
}

Suggestion suggestSquad(FRMTEAMTOOL& f)
{
    Pool pool(f, static_cast<std::size_t>(f.Text27.count()));
    Suggestion suggestion;

    const auto put = [&](int slot, Candidate& chosen) {
        chosen.taken = true;
        pickInto(f, slot, f.List1.items[chosen.row], f.List2.items[chosen.row], f.List3.items[chosen.row]);
        ++suggestion.placed;
    };
    // Fills slot with the best candidate that fits, or says why it stays empty.
    const auto fill = [&](int slot, auto fits, const std::string& wanted) {
        if (Candidate* chosen = pool.best(fits))
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
            else if (Candidate* chosen = pool.best(ofPosition(code)))
                put(slot, *chosen);
            else
                unmet.push_back(slot);
        }
        const auto fallBack = [&](int slot, Candidate& chosen, std::string_view missing, std::string_view bestOf) {
            std::string reason = slotName(f, slot) + ": no " + std::string(missing) + " left; ";
            reason += std::string(f.List2.items[chosen.row]) + " (" + std::string(f.List1.items[chosen.row]) +
                      ") picked, the best ";
            reason += std::string(bestOf) + " left";
            suggestion.fallbacks.push_back({slot, std::move(reason)});
            put(slot, chosen);
        };
        std::vector<int> lineless;
        for (const int slot : unmet) {
            const std::string code = wish(slot);
            const Line* line = lineOf(code);
            const auto ofLine = [line](std::string_view p) { return lineOf(p) == line; };
            Candidate* chosen = line ? pool.best(ofLine) : nullptr;
            if (chosen)
                fallBack(slot, *chosen, code, line->player);
            else
                lineless.push_back(slot);
        }
        for (const int slot : lineless) {
            const std::string code = wish(slot);
            const Line* line = lineOf(code);
            if (Candidate* chosen = pool.best(noKeeper))
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
        if (k == 0 && !keeperOnBench && pool.best(ofPosition(kGoalkeeper)))
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
    focusWhereTheManagerIsNeeded(f);
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
