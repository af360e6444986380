// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The checks "Create Orders" makes before it writes anything, and what the user is
// told when one fails or the orders cannot be written.

#include "app/frmteamtool.h"
#include "orders/orders.h"
#include "squad/squad.h"
#include "textio/encoding.h"
#include "textio/trim.h"

#include <string>

namespace teamtool {

namespace {

bool anySelected(const ControlArray<OptionButton>& buttons)
{
    for (int i = 0; i < buttons.count(); ++i)
        if (buttons(i).value())
            return true;
    return false;
}

// "Y" or "N" in either case, blanks around allowed.
bool isYesOrNo(std::string_view flag)
{
    const std::string_view t = trimSpaces(flag);
    return t == "Y" || t == "y" || t == "N" || t == "n";
}

OrdersError failed(OrdersErrorCode code)
{
    OrdersError error;
    error.code = code;
    return error;
}

}  // namespace

Result<void, OrdersError> checkOrders(const FRMTEAMTOOL& f)
{
    // The whole main side and the first substitute.
    for (int i = kGoalkeeperSlot; i <= kFirstSubstituteSlot; ++i)
        if (isSlotEmpty(f, i))
            return failed(OrdersErrorCode::PlayersMissing);
    if (!anySelected(f.Option1))
        return failed(OrdersErrorCode::NoCaptain);
    if (!anySelected(f.Option2))
        return failed(OrdersErrorCode::NoPenaltyTaker);
    // Characters, not bytes: the box holds UTF-8.
    if (utf8Length(f.opponent()) != 2)
        return failed(OrdersErrorCode::OpponentIncorrect);
    if (isBlank(f.Combo2.text))
        return failed(OrdersErrorCode::TacticIncorrect);
    if (isBlank(f.Combo3.text))
        return failed(OrdersErrorCode::StyleIncorrect);
    if (!isYesOrNo(f.Text32.text))
        return failed(OrdersErrorCode::GrudgeNotYesOrNo);
    if (!isYesOrNo(f.Text33.text))
        return failed(OrdersErrorCode::BoostNotYesOrNo);
    return {};
}

std::string describeOrdersError(const OrdersError& error)
{
    const auto quoted = [&] { return error.what + " \"" + error.text + "\""; };
    std::string why;
    switch (error.code) {
    case OrdersErrorCode::PlayersMissing:
        return "Not all Players are selected";
    case OrdersErrorCode::NoCaptain:
        return "No Captian Selected";
    case OrdersErrorCode::NoPenaltyTaker:
        return "No Pen Taker Selected";
    case OrdersErrorCode::OpponentIncorrect:
        return "Opponent incorrect";
    case OrdersErrorCode::TacticIncorrect:
        return "Tactic Incorrect";
    case OrdersErrorCode::StyleIncorrect:
        return "Style Incorrect";
    case OrdersErrorCode::GrudgeNotYesOrNo:
        return "GC must be Y or N";
    case OrdersErrorCode::BoostNotYesOrNo:
        return "Boost must be Y or N";
    case OrdersErrorCode::ForbiddenInFileName:
        why = quoted() + " holds \"" + std::string(1, static_cast<char>(error.character)) +
              "\", which a file name cannot hold";
        break;
    case OrdersErrorCode::ControlInFileName:
        why = quoted() + " holds a control character (code " + std::to_string(error.character) +
              "), which a file name cannot hold";
        break;
    case OrdersErrorCode::LineBreak:
        why = error.what + " holds a line break";
        break;
    case OrdersErrorCode::NotWritten:
        why = describeFileError(error.file, kOrdersFileKind);
        break;
    case OrdersErrorCode::OverLoadedTeamFile:
        why = error.file.fileName +
              " is the team file you loaded; move the team file or rename it, then press Create Orders again.";
        break;
    case OrdersErrorCode::OverTeamFile:
        why = error.file.fileName + " in " + error.file.folder +
              " is a team file; move it or rename it, then press Create Orders again.";
        break;
    }
    return "Orders not written: " + why;
}

}  // namespace teamtool
