#pragma once

// The manager's week beyond the designed window: last week's orders carried over,
// the orders previewed, copied or e-mailed before they go, the help pages. Each is the
// handler of a menu bar command, named after it.

#include "orders/orders.h"

#include <string>

namespace teamtool {

class FRMTEAMTOOL;

// File > Fill From Orders...: picks an orders file, last week's for example, and fills
// the selection from it.
void actionFillFromOrders_Click(FRMTEAMTOOL& f);

// Fills the selection from the orders file at path, all or nothing: squad, captain,
// penalty taker, markers, order choices, press and comments. A player who is not in
// this week's lists leaves his slot empty; one message then names every such player.
// A selection already in the window is replaced only when the user says yes.
void fillFromOrders(FRMTEAMTOOL& f, const std::string& path);

// Orders > Preview...: the checks, then the orders as they would be written.
void actionPreviewOrders_Click(FRMTEAMTOOL& f);

// Orders > Copy Orders: the checks, then the orders' text on the clipboard.
void actionCopyOrders_Click(FRMTEAMTOOL& f);

// Orders > E-mail Orders...: the orders written as Create Orders writes them, then a
// new message in the user's mail program, the orders as its text.
void actionEmailOrders_Click(FRMTEAMTOOL& f);

// Help > Team File Format and Help > About TeamTool.
void actionTeamFileFormat_Click(FRMTEAMTOOL& f);
void actionAbout_Click(FRMTEAMTOOL& f);

// The orders' text for a person to read: UTF-8, one '\n' per line end.
std::string ordersTextForReading(const OrdersText& orders);

// mailto: with the file's name (without ".TXT") as subject and the orders as body.
std::string mailtoUrl(const OrdersText& orders);

// The program's version, for About and --version.
inline constexpr const char* kTeamToolVersion = TEAMTOOL_VERSION;

}  // namespace teamtool
