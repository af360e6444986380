// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Orders > Suggest Squad: every empty slot filled with the best player the lists have
// left for it, by the one rule below. Slots that hold a player are the manager's and
// stay as they are; so do captain, penalty taker, markers and every other choice.
//
// Candidates are the list rows whose player is in no slot (a slot holds him when its
// name and NSL equal the row's List2 and List3 texts) and whose name is not blank. The
// best candidate is the one of highest NSL (List3 read as Tot NSL reads it, anything
// but a number counting 0), the earlier row on a tie. An empty slot's position box is
// the manager's wish: a code asks for a player of exactly that position, a blank box
// for anyone. Slots are filled in this order, each from what the earlier ones left:
//   1. the goalkeeper's slot: the best GK, and only a GK;
//   2. main side 1 to 10 with a code, in order: the best of that position; then those
//      still empty, in order: the best of the code's line (kLines); then those still
//      empty, in order: the best outfield player (anyone but a GK);
//   3. main side 1 to 10 left blank, in order: the best who is no GK;
//   4. substitutes with a code: as the main side's in step 2;
//   5. substitutes left blank, in order: the first takes the best GK when no substitute
//      is a GK yet and one is left; the others the best of any position.
// Each player goes in as a pick puts him, his own position in the box. A slot nobody is
// left for stays empty.
//
// Only the ten main-side slots count in Tot NSL, and each of them alike. Every wish is
// met as closely as the lists allow, the closest first: as many coded slots as can be
// take their own position, then as many as can be a player of their line, then as many
// as can be anyone; among the ways of doing so this gives the highest Tot NSL, as a slot
// that can take fewer players chooses before one that can take them and more. The
// goalkeeper's slot takes no one the ten could take, and the substitutes come after them.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace teamtool {

class FRMTEAMTOOL;

// A slot that stayed empty, and why: "main side 4 (CB): no CB left to pick".
struct UnfilledSlot {
    int slot = 0;
    std::string reason;
};

// A coded slot that took another position, and why: "main side 3 (CB): no CB left;
// Price (FB) picked, the best defender left".
struct FallbackPick {
    int slot = 0;
    std::string reason;
};

struct Suggestion {
    int placed = 0;                       // players put into slots
    std::vector<FallbackPick> fallbacks;  // slots that took another position, by slot
    std::vector<UnfilledSlot> unfilled;   // empty slots nobody was left for, by slot
};

// A line of positions, and what one of its players is called.
struct Line {
    std::string_view player;  // "defender"
    std::vector<std::string_view> codes;
};

// The lines a slot's wish falls back to: the goalkeeper is in none of them.
extern const std::array<Line, 3> kLines;

// The line of a position code, or nullptr for GK and any code in no line.
const Line* lineOf(std::string_view code);

// Fills the empty slots by the rule above and says what it did.
Suggestion suggestSquad(FRMTEAMTOOL& f);

// Orders > Suggest Squad: suggestSquad, then a passing note of how many players went
// in, and one message naming every slot that took another position or stayed empty.
void actionSuggestSquad_Click(FRMTEAMTOOL& f);

}  // namespace teamtool
