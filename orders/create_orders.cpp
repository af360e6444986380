// "Create Orders": check the selection, then write the orders file.

#include "app/frmteamtool.h"
#include "app/handlers.h"
#include "orders/orders.h"
#include "squad/squad.h"

#include <string>

namespace teamtool {

void Command1_Click(FRMTEAMTOOL& f)
{
    if (const std::optional<std::string_view> failed = firstFailedCheck(f)) {
        f.msgBox(std::string(*failed));
        return;
    }
    const OrdersBuild build = buildOrders(f, markerCount(f));
    if (!build) {
        f.msgBox("Orders not written: " + build.problem);
        return;
    }
    if (const std::string problem = replaceFile(ordersFolder(f), build.orders.fileName, build.orders.bytes);
        !problem.empty()) {
        f.msgBox("Orders not written: " + problem);
        return;
    }
    f.msgBox("Orders Built");
}

}  // namespace teamtool
