// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Last week's orders carried over: File > Fill From Orders... and an orders file
// dropped on the window fill the selection from an orders file this program wrote.

#include <string>

namespace teamtool {

class FRMTEAMTOOL;

// File > Fill From Orders...: picks an orders file, last week's for example, and fills
// the selection from it.
void actionFillFromOrders_Click(FRMTEAMTOOL& f);

// Fills the selection from the orders file at path, all or nothing: squad, captain,
// penalty taker, markers, order choices, press and comments. A player who is not in
// this week's lists leaves his slot empty; one message then names every such player.
// A selection already in the window is replaced only when the user says yes, and the
// orders of another team are filled from only then. True when the window was filled;
// false when it was left exactly as it was.
bool fillFromOrders(FRMTEAMTOOL& f, const std::string& path);

// The same for the bytes of the file at path, read already.
bool fillFromOrdersBytes(FRMTEAMTOOL& f, const std::string& path, std::string bytes);

}  // namespace teamtool
