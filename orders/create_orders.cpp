// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Create Orders": check the selection, then write the orders file.

#include "app/frmteamtool.h"
#include "orders/orders.h"
#include "squad/squad.h"

#include <string>

namespace teamtool {

Result<void, OrdersError> writeOrders(const FRMTEAMTOOL& f, const OrdersText& orders)
{
    if (auto written = replaceFile(ordersFolder(f), orders.fileName, orders.bytes); !written) {
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

Result<OrdersText, OrdersError> createOrders(const FRMTEAMTOOL& f)
{
    auto built = checkedOrders(f);
    if (!built)
        return built;
    if (auto written = writeOrders(f, *built); !written)
        return std::move(written).error();
    return built;
}

void Command1_Click(FRMTEAMTOOL& f)
{
    const auto created = createOrders(f);
    f.msgBox(created ? std::string("Orders Built") : describeOrdersError(created.error()));
}

}  // namespace teamtool
