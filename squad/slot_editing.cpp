// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Slot editing: the "Clear" buttons, and the drop-down boxes that take no typing.

#include "app/frmteamtool.h"
#include "squad/squad.h"
#include "textio/numbers.h"
#include "textio/trim.h"

namespace teamtool {

// Empties slot i so that the next pick fills it. Captain and penalty choices stay.
void Command2_Click(FRMTEAMTOOL& f, int index)
{
    if (index == kGoalkeeperSlot) {
        // The goalkeeper's slot keeps GK; it never counted in the total.
        f.Text27(index).text.clear();
        f.Text28(index).text.clear();
        return;
    }
    if (isOutfieldSlot(index) && !isBlank(f.Text28(index).text)) {
        f.Text30.text = numberToText(readDecimalText(f.Text30.text) - readDecimalText(f.Text28(index).text));
        f.markerOf(index).setValue(0);  // raises Check1_Click, which hides the target
    }
    f.Combo1(index).text.clear();
    f.Text27(index).text.clear();
    f.Text28(index).text.clear();
}

// The position, tactic and style boxes change only by a pick from their lists:
// every typed character is discarded.
void Combo1_KeyPress(FRMTEAMTOOL&, int, int& keyAscii)
{
    keyAscii = 0;
}

void Combo2_KeyPress(FRMTEAMTOOL&, int& keyAscii)
{
    keyAscii = 0;
}

void Combo3_KeyPress(FRMTEAMTOOL&, int& keyAscii)
{
    keyAscii = 0;
}

}  // namespace teamtool
