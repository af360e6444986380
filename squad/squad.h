// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The sixteen squad slots as the handlers see them. A slot is the row of controls
// with one index: Combo1(i) its position, Text27(i) its name, Text28(i) its NSL.
// Slot 0 is the goalkeeper, slots 1 to 10 the outfield side, 11 to 15 the
// substitutes; marker k (Check1(k), Text34(k)) belongs to slot k + 1.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace teamtool {

class FRMTEAMTOOL;
struct Control;

inline constexpr int kGoalkeeperSlot = 0;
inline constexpr int kFirstOutfieldSlot = 1;
inline constexpr int kLastOutfieldSlot = 10;
inline constexpr int kFirstSubstituteSlot = 11;
inline constexpr int kLastSubstituteSlot = 15;

// The most marker boxes that may be checked at once.
inline constexpr int kMaxMarkers = 2;

constexpr bool isOutfieldSlot(int slot)
{
    return slot >= kFirstOutfieldSlot && slot <= kLastOutfieldSlot;
}

// A slot is empty while its name is empty or only blanks; position and NSL do not count.
bool isSlotEmpty(const FRMTEAMTOOL& f, int slot);

// "DS", "CB", "FB", "AS" or "DM", compared after trimming blanks, so " DS" counts.
bool isMarkerPosition(std::string_view position);

// The number of checked marker boxes.
int markerCount(const FRMTEAMTOOL& f);

// Adds a picked outfield player's NSL text to Tot NSL, as a pick does.
void addToNslTotal(FRMTEAMTOOL& f, std::string_view nsl);

// Puts a player into slot: the position into its box (the goalkeeper's slot keeps GK),
// name and NSL into its own boxes, the NSL into Tot NSL for an outfield slot.
void placeInSlot(FRMTEAMTOOL& f, int slot, std::string_view position, std::string_view name, std::string_view nsl);

// The same as a pick from the lists does it: a GK picked into the outfield ten
// becomes a DS.
void pickInto(FRMTEAMTOOL& f, int slot, std::string_view position, std::string_view name, std::string_view nsl);

// A slot as the window shows it to the manager: "the goalkeeper", "main side 3 (CB)",
// "substitute 2 (W)", or without the brackets while its position box is blank.
std::string slotName(const FRMTEAMTOOL& f, int slot);

// The list rows whose player is in no slot and has a name, in list order: the players
// still to pick. A slot holds a row's player when its name and NSL equal the row's List2
// and List3 texts.
std::vector<std::size_t> unpickedRows(const FRMTEAMTOOL& f);

// What a screen reader calls a control. A slot's boxes and Clear by the slot as the
// window names it ("Main side 3 name", "Substitute 1 position", "Clear goalkeeper"); Cap,
// Pen, a marker box and its target with the slot's player too ("Captain: Okafor, main
// side 2", "Target of Okafor, main side 3"; "Captain, main side 2" while the slot is
// empty); any other control by its own accessible name.
std::string spokenName(const FRMTEAMTOOL& f, const Control& control);

// The squad in one passage, a line a slot: "main side 2 (CB): Okafor, NSL 14, captain,
// takes the penalties, marks 9", "main side 3 (CB): empty", then "No captain" or "No
// penalty taker" when there is none, and "Tot NSL 146.4".
std::string squadInWords(const FRMTEAMTOOL& f);

// After a fill or a suggestion, the keyboard goes where the squad still needs the
// manager: the first empty slot's position, else the Pen column while no one takes
// the penalties, else the Cap column while there is no captain. Else it stays.
void focusWhereTheManagerIsNeeded(FRMTEAMTOOL& f);

// A player of the lists as the warnings name him: "Doyle (CB, NSL 20.4)".
std::string listedPlayer(const FRMTEAMTOOL& f, std::size_t item);

// The squad's event procedures, named after the control and the event.

// Go > ...: the keyboard straight to the Opponent box, the press statement, the Cap or
// Pen column (the chosen button, else the first), or slot `slot`'s position.
void actionGoToOpponent_Click(FRMTEAMTOOL& f);
void actionGoToPress_Click(FRMTEAMTOOL& f);
void actionGoToCaptain_Click(FRMTEAMTOOL& f);
void actionGoToPenaltyTaker_Click(FRMTEAMTOOL& f);
void actionGoToPosition_Click(FRMTEAMTOOL& f, int slot);
// Orders > Squad In Words: squadInWords in a passing note.
void actionSquadInWords_Click(FRMTEAMTOOL& f);

// The five player lists: listNumber 1 to 5 for List1 to List5. A click keeps them on
// one row, a double-click picks the player into the lowest empty slot.
void List_Click(FRMTEAMTOOL& f, int listNumber);
void List_DblClick(FRMTEAMTOOL& f, int listNumber);
void List_Scroll(FRMTEAMTOOL& f, int listNumber);

void Check1_Click(FRMTEAMTOOL& f, int index);    // a marker box's value changed
void Combo1_Click(FRMTEAMTOOL& f, int index);    // a slot's position picked from its list
void Command2_Click(FRMTEAMTOOL& f, int index);  // a slot's "Clear"

// Key presses in the drop-down boxes; keyAscii set to 0 discards the key.
void Combo1_KeyPress(FRMTEAMTOOL& f, int index, int& keyAscii);
void Combo2_KeyPress(FRMTEAMTOOL& f, int& keyAscii);
void Combo3_KeyPress(FRMTEAMTOOL& f, int& keyAscii);

}  // namespace teamtool
