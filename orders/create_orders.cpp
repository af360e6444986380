// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Create Orders": check the selection, then write the orders file.

#include "app/frmteamtool.h"
#include "orders/orders.h"
#include "season/season.h"
#include "squad/squad.h"
#include "teamfile/record_reader.h"
#include "teamfile/staged_team.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace teamtool {

namespace {

// Which team file stands where the orders would go: the one loaded, another one, or
// none (nothing there, an earlier orders file, anything else).
std::optional<OrdersErrorCode> teamFileInTheWay(const FRMTEAMTOOL& f, const std::filesystem::path& target)
{
    std::error_code error;
    if (!std::filesystem::exists(target, error))
        return std::nullopt;
    if (!f.loadedTeamFile.path.empty() &&
        std::filesystem::equivalent(target, pathFromUtf8(f.loadedTeamFile.path), error))
        return OrdersErrorCode::OverLoadedTeamFile;
    auto bytes = readWholeFile(utf8FromPath(target), kMaxTeamFileBytes);
    if (bytes && !isOrdersFile(*bytes) && readsAsTeamFile(std::move(bytes).value()))
        return OrdersErrorCode::OverTeamFile;
    return std::nullopt;
}

}  // namespace

Result<void, OrdersError> writeOrders(const FRMTEAMTOOL& f, const OrdersText& orders)
{
    const std::filesystem::path folder = ordersFolder(f);
    if (const auto inTheWay = teamFileInTheWay(f, folder / pathFromUtf8(orders.fileName))) {
        OrdersError error;
        error.code = *inTheWay;
        error.file = FileError::replacing(FileErrorCode::AlreadyExists, {}, folder, orders.fileName);
        return error;
    }
    if (auto written = replaceFile(folder, orders.fileName, orders.bytes); !written) {
        OrdersError error;
        error.code = OrdersErrorCode::NotWritten;
        error.file = std::move(written).error();
        return error;
    }
    return {};
}

Result<OrdersText, OrdersError> checkedOrders(const FRMTEAMTOOL& f)
{
    if (auto checked = checkOrders(f); !checked)
        return std::move(checked).error();
    return buildOrders(f);
}

Result<OrdersText, OrdersError> createOrders(FRMTEAMTOOL& f)
{
    auto built = checkedOrders(f);
    if (!built)
        return built;
    if (auto written = writeOrders(f, *built); !written)
        return std::move(written).error();
    f.written = {f.written.count + 1, built->fileName, built->bytes, selectionState(f)};
    return built;
}

std::string selectionState(const FRMTEAMTOOL& f)
{
    // Texts joined by a character no box holds.
    std::string state;
    const auto add = [&state](std::string_view text) {
        state += text;
        state += '\x1F';
    };
    for (int i = 0; i < f.Text27.count(); ++i) {
        add(f.Combo1(i).text);
        add(f.Text27(i).text);
        add(i < f.Option1.count() && f.Option1(i).value() ? "C" : "");
        add(i < f.Option2.count() && f.Option2(i).value() ? "P" : "");
    }
    for (int slot = 1; slot <= f.markerSlots(); ++slot) {
        add(f.marks(slot) ? "M" : "");
        add(f.markerTargetOf(slot).text);
    }
    for (const TextBox* box : {&f.Text29, &f.Text32, &f.Text33, &f.Text35, &f.Text36})
        add(box->text);
    add(f.Combo2.text);
    add(f.Combo3.text);
    return state;
}

void Command1_Click(FRMTEAMTOOL& f)
{
    const auto created = createOrders(f);
    f.msgBox(created ? std::string("Orders Built") : describeOrdersError(created.error()));
}

}  // namespace teamtool
