// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Form_Load: what the window does once it is created, before it is shown.

namespace teamtool {

class FRMTEAMTOOL;

// The player grid's headings and widths, the position lists of the slots, the tactic
// and style lists and the goalkeeper's fixed slot.
void Form_Load(FRMTEAMTOOL& f);

}  // namespace teamtool
