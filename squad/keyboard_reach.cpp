// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the keyboard goes for the manager: the keys that go straight to a choice, the
// place a fill or a suggestion leaves for him, and the squad said in one passage.

#include "app/frmteamtool.h"
#include "squad/squad.h"
#include "textio/trim.h"

#include <string>

namespace teamtool {

namespace {

// The chosen button of a Cap or Pen column, or its first: the column's one Tab stop.
const OptionButton& columnStop(const ControlArray<OptionButton>& column)
{
    for (int slot = kFirstOutfieldSlot; slot <= kLastOutfieldSlot && slot < column.count(); ++slot)
        if (column(slot).value())
            return column(slot);
    return column(kFirstOutfieldSlot);
}

bool anyChosen(const ControlArray<OptionButton>& column)
{
    return columnStop(column).value();
}

}  // namespace

std::string squadInWords(const FRMTEAMTOOL& f)
{
    std::string words = "The squad:";
    for (int slot = kGoalkeeperSlot; slot <= kLastSubstituteSlot && slot < f.Text27.count(); ++slot) {
        std::string line = slotName(f, slot);
        if (line.starts_with("the "))
            line.erase(0, 4);
        line += ": ";
        if (isSlotEmpty(f, slot)) {
            words += "\n" + line + "empty";
            continue;
        }
        line += std::string(trimSpaces(f.Text27(slot).text)) + ", NSL " + std::string(trimSpaces(f.Text28(slot).text));
        if (isOutfieldSlot(slot)) {
            if (f.Option1(slot).value())
                line += ", captain";
            if (f.Option2(slot).value())
                line += ", takes the penalties";
            if (slot <= f.markerSlots() && f.marks(slot))
                line += ", marks " + std::string(trimSpaces(f.markerTargetOf(slot).text));
        }
        words += "\n" + line;
    }
    if (!anyChosen(f.Option1))
        words += "\nNo captain";
    if (!anyChosen(f.Option2))
        words += "\nNo penalty taker";
    return words + "\nTot NSL " + std::string(trimSpaces(f.Text30.text));
}

void focusWhereTheManagerIsNeeded(FRMTEAMTOOL& f)
{
    for (int slot = kGoalkeeperSlot; slot <= kLastSubstituteSlot && slot < f.Text27.count(); ++slot)
        if (isSlotEmpty(f, slot)) {
            f.moveFocusTo(f.Combo1(slot));
            return;
        }
    if (!anyChosen(f.Option2))
        f.moveFocusTo(columnStop(f.Option2));
    else if (!anyChosen(f.Option1))
        f.moveFocusTo(columnStop(f.Option1));
}

void actionGoToOpponent_Click(FRMTEAMTOOL& f)
{
    f.moveFocusTo(f.Text29);
}

void actionGoToPress_Click(FRMTEAMTOOL& f)
{
    f.moveFocusTo(f.Text35);
}

void actionGoToCaptain_Click(FRMTEAMTOOL& f)
{
    f.moveFocusTo(columnStop(f.Option1));
}

void actionGoToPenaltyTaker_Click(FRMTEAMTOOL& f)
{
    f.moveFocusTo(columnStop(f.Option2));
}

void actionGoToPosition_Click(FRMTEAMTOOL& f, int slot)
{
    if (slot >= kGoalkeeperSlot && slot < f.Combo1.count())
        f.moveFocusTo(f.Combo1(slot));
}

void actionSquadInWords_Click(FRMTEAMTOOL& f)
{
    f.dialogs().notify(squadInWords(f));
}

}  // namespace teamtool
