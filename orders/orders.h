// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "Create Orders": the checks of the selection, the orders file built from the
// window, and its writing next to the loaded team file.

#include "textio/files.h"
#include "textio/result.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace teamtool {

class FRMTEAMTOOL;

enum class OrdersErrorCode {
    // The checks of the selection, in the order they run.
    PlayersMissing,
    NoCaptain,
    NoPenaltyTaker,
    OpponentIncorrect,
    TacticIncorrect,
    StyleIncorrect,
    GrudgeNotYesOrNo,
    BoostNotYesOrNo,
    // Texts that would make a file the league cannot read.
    ForbiddenInFileName,  // what, text: the part of the name; character: the one it cannot hold
    ControlInFileName,    // the same, for a control character
    LineBreak,            // what: the box whose text holds one
    // The file could not be written; file says why.
    NotWritten,
    // A team file stands under the orders' name, and is never replaced by them; file
    // names it (folder and fileName).
    OverLoadedTeamFile,  // the team file loaded itself, by whatever name or link
    OverTeamFile,        // another file that reads as a team file
};

struct OrdersError {
    OrdersErrorCode code = OrdersErrorCode::PlayersMissing;
    std::string what;  // "the opponent", "the name in slot 3"
    std::string text;  // that box's text, where the sentence quotes it
    unsigned char character = 0;
    FileError file;
};

// What the user is told: the check's own message ("No Captian Selected"), or
// "Orders not written: " and why.
std::string describeOrdersError(const OrdersError& error);

// The checks of the selection in the order they run; the first that fails is the error.
[[nodiscard]] Result<void, OrdersError> checkOrders(const FRMTEAMTOOL& f);

// The number of substitutes written: the unbroken run of filled slots from slot 11.
int substituteCount(const FRMTEAMTOOL& f);

// The orders file as it goes to disk.
struct OrdersText {
    std::string fileName;  // abbreviation + "vs" + opponent + ".TXT", UTF-8
    std::string bytes;     // Windows-1252, every line ending in CR LF
};

// Builds the orders file from the window, which it does not change.
[[nodiscard]] Result<OrdersText, OrdersError> buildOrders(const FRMTEAMTOOL& f);

// The folder the orders go to: that of the loaded team file, or the current folder
// when no team file is named.
std::filesystem::path ordersFolder(const FRMTEAMTOOL& f);

// Writes orders into the orders folder, replacing any earlier file of that name all
// or nothing; never a team file: not the one loaded (the same file under any spelling,
// letter case or link) nor any other file that reads as a team file.
[[nodiscard]] Result<void, OrdersError> writeOrders(const FRMTEAMTOOL& f, const OrdersText& orders);

// The checks, then the orders built: what Preview and Copy Orders show.
[[nodiscard]] Result<OrdersText, OrdersError> checkedOrders(const FRMTEAMTOOL& f);

// What "Create Orders" does before its message: check, build, write. The orders
// written, or the first error. The window keeps what it wrote (f.written).
[[nodiscard]] Result<OrdersText, OrdersError> createOrders(FRMTEAMTOOL& f);

// Everything an orders file is written from, as one text: the slots' positions and
// names, captain, penalty taker, markers and targets, the order choices, the press and
// the comments. Equal texts, equal orders.
std::string selectionState(const FRMTEAMTOOL& f);

// What the checks let through but a manager seldom means, in the window's order, each
// naming its slot as the window shows it ("substitute 5 (FB), Fenwick, is not in the
// orders: substitute 4 is empty"), the better players left out last. None for a clean
// squad; none of them stops the orders.
std::vector<std::string> ordersWarnings(const FRMTEAMTOOL& f);

// A selectable player the squad leaves out while a weaker one of his position plays on
// the main side: row is his list row, slot the main-side slot of the weaker one.
struct BetterPlayerLeftOut {
    std::size_t row = 0;
    int slot = 0;
    double difference = 0;  // his NSL less the one who plays
};

// Every such pair, the largest difference first (then by slot). Per position the best
// player left out is set against the weakest who plays, the second best against the
// second weakest, and so on while the one left out is the better; a main-side player's
// position is his slot's box, NSL texts read as Tot NSL reads them.
std::vector<BetterPlayerLeftOut> betterPlayersLeftOut(const FRMTEAMTOOL& f);

// The warning's sentence of one pair: "Doyle (CB, NSL 20.4) is not picked while Hendry
// (CB, NSL 18.1) plays main side 2"; and its end, who plays instead: "Hendry (CB, NSL
// 18.1) plays main side 2".
std::string describeBetterPlayerLeftOut(const FRMTEAMTOOL& f, const BetterPlayerLeftOut& pair);
std::string describeWhoPlaysInstead(const FRMTEAMTOOL& f, const BetterPlayerLeftOut& pair);

// The most pairs the warnings name.
inline constexpr std::size_t kMostBetterPlayerWarnings = 3;

// "Create Orders": createOrders, then "Orders Built" or what kept them from being written.
void Command1_Click(FRMTEAMTOOL& f);

}  // namespace teamtool
