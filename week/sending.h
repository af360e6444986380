// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The orders on their way: previewed, copied or e-mailed before they go. Each is the
// handler of a menu bar command, named after it.

#include "orders/orders.h"

#include <string>
#include <string_view>
#include <vector>

namespace teamtool {

class FRMTEAMTOOL;

// Orders > Preview...: the checks, then the orders as they would be written.
void actionPreviewOrders_Click(FRMTEAMTOOL& f);

// Orders > Copy Orders: the checks, then the orders' text on the clipboard.
void actionCopyOrders_Click(FRMTEAMTOOL& f);

// Orders > E-mail Orders...: the orders checked; the first time for the team, the
// league's address asked for (Cancel: nothing is written); the orders written as
// Create Orders writes them, then a new message to the league in the user's mail
// program, the orders as its text.
void actionEmailOrders_Click(FRMTEAMTOOL& f);

// Orders > League's Address...: the league's address for the loaded team, changed.
void actionLeagueAddress_Click(FRMTEAMTOOL& f);

// The loaded team's league address, if the manager has given one (possibly empty).
const std::string* leagueAddressOf(const FRMTEAMTOOL& f);

// The warnings as the preview and the note show them: a heading, then one per line.
// Empty when there are none.
std::string warningLines(const std::vector<std::string>& warnings);

// What follows a write: "RDVvsCD.TXT written in /home/dan/league", then the
// warnings of what stands in the window.
std::string ordersWrittenNote(const FRMTEAMTOOL& f, const std::string& fileName);

// The orders' text for a person to read: UTF-8, one '\n' per line end.
std::string ordersTextForReading(const OrdersText& orders);

// mailto: to the address (none when empty), with the file's name (without ".TXT") as
// subject and the orders as body.
std::string mailtoUrl(const OrdersText& orders, std::string_view to = {});

}  // namespace teamtool
