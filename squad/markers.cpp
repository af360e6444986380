// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Markers: at most two outfield players, each on a marker position, each with a
// target box that shows while the marker stands.

#include "app/frmteamtool.h"
#include "squad/squad.h"
#include "textio/trim.h"

#include <algorithm>
#include <array>

namespace teamtool {

namespace {

constexpr std::array<std::string_view, 5> kMarkerPositions = {"DS", "CB", "FB", "AS", "DM"};

}  // namespace

bool isMarkerPosition(std::string_view position)
{
    const std::string_view code = trimSpaces(position);
    return std::find(kMarkerPositions.begin(), kMarkerPositions.end(), code) != kMarkerPositions.end();
}

int markerCount(const FRMTEAMTOOL& f)
{
    int checked = 0;
    for (int slot = 1; slot <= f.markerSlots(); ++slot)
        if (f.marks(slot))
            ++checked;
    return checked;
}

// Raised whenever Check1(k) changes value, by the user or by the program. An
// unchecking made below raises it again for the same box; that inner call finds the
// box unchecked, only hides the target and returns.
void Check1_Click(FRMTEAMTOOL& f, int index)
{
    CheckBox& box = f.Check1(index);
    TextBox& target = f.Text34(index);

    if (markerCount(f) > kMaxMarkers) {
        f.msgBox("Only 2 Markers allowed");
        box.setValue(0);
    }

    if (box.value() == 1 && isMarkerPosition(f.Combo1(index + 1).text)) {
        target.visible = true;
    } else if (box.value() == 1) {
        f.msgBox("That Position cannot be a marker");
        box.setValue(0);
        target.visible = false;
    } else {
        // Hiding keeps the text: it shows again when the marker is set again.
        target.visible = false;
    }
}

// A position chosen from a slot's list. For an outfield slot the marker goes off,
// whatever the new position; the substitutes have no marker and slot 0's position
// cannot be chosen.
void Combo1_Click(FRMTEAMTOOL& f, int index)
{
    if (isOutfieldSlot(index))
        f.markerOf(index).setValue(0);
}

}  // namespace teamtool
