#include "week/fill.h"

#include "app/frmteamtool.h"
#include "orders/orders.h"
#include "squad/squad.h"
#include "textio/encoding.h"
#include "textio/files.h"
#include "textio/trim.h"
#include "week/orders_reader.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace teamtool {

namespace {

constexpr std::size_t kMaxOrdersFileBytes = std::size_t{1} << 20;

std::string fileNameOf(const std::string& path)
{
    return utf8FromPath(pathFromUtf8(path).filename());
}

bool holdsSelection(const FRMTEAMTOOL& f)
{
    for (int i = 0; i < f.Text27.count(); ++i)
        if (!isSlotEmpty(f, i))
            return true;
    return false;
}

// Every slot empty, no captain, penalty taker or marker, the total back to 0.
void emptySquad(FRMTEAMTOOL& f)
{
    for (int k = 0; k < f.Check1.count(); ++k) {
        f.Check1(k).setValue(0);  // raises Check1_Click, which hides the target
        f.Text34(k).text.clear();
    }
    for (int i = 0; i < f.Option1.count(); ++i) {
        f.Option1(i).setValue(false);
        f.Option2(i).setValue(false);
    }
    for (int i = 0; i < f.Text27.count(); ++i) {
        if (i != kGoalkeeperSlot)
            f.Combo1(i).text.clear();  // the goalkeeper's slot keeps GK
        f.Text27(i).text.clear();
        f.Text28(i).text.clear();
    }
    f.Text30.text = "0";
}

// The list rows of the players the orders name, found in one pass over the lists:
// for each name, its rows in list order. The first row not yet placed wins.
class ListRows {
public:
    ListRows(const FRMTEAMTOOL& f, const ReadOrders& orders)
    {
        for (const OrdersSlot& slot : orders.mainSide)
            m_rows.try_emplace(slot.name);
        for (const OrdersSlot& slot : orders.substitutes)
            m_rows.try_emplace(slot.name);
        const auto& names = f.List2.items;
        for (std::size_t row = 0; row < names.size(); ++row)
            if (const auto it = m_rows.find(names[row]); it != m_rows.end())
                it->second.push_back(static_cast<int>(row));
    }

    std::optional<int> take(const std::string& name)
    {
        auto& rows = m_rows[name];
        if (rows.empty() || isBlank(name))
            return std::nullopt;
        const int row = rows.front();
        rows.erase(rows.begin());
        return row;
    }

private:
    std::unordered_map<std::string, std::vector<int>> m_rows;
};

// Puts the player of list row `row` into slot as a pick would, with the orders' position.
void place(FRMTEAMTOOL& f, int slot, int row, const std::string& position)
{
    const std::string& nsl = f.List3.items[static_cast<std::size_t>(row)];
    if (slot != kGoalkeeperSlot)
        f.Combo1(slot).text = position;
    f.Text27(slot).text = f.List2.items[static_cast<std::size_t>(row)];
    f.Text28(slot).text = nsl;
    if (isOutfieldSlot(slot))
        addToNslTotal(f, nsl);
}

std::string fillFrom(FRMTEAMTOOL& f, const ReadOrders& orders)
{
    std::vector<std::string> notPlaced;
    ListRows rows(f, orders);
    emptySquad(f);
    const auto placeSlot = [&](int slot, const OrdersSlot& read) {
        if (const auto row = rows.take(read.name)) {
            place(f, slot, *row, read.position);
            return true;
        }
        notPlaced.push_back("slot " + std::to_string(slot) + ", " + read.name + ": not in this week's lists");
        return false;
    };
    for (int i = 0; i < static_cast<int>(orders.mainSide.size()); ++i) {
        const OrdersSlot& read = orders.mainSide[static_cast<std::size_t>(i)];
        if (placeSlot(i, read)) {
            if (read.captain && i < f.Option1.count())
                f.Option1(i).setValue(true);
            if (read.penaltyTaker && i < f.Option2.count())
                f.Option2(i).setValue(true);
        }
    }
    for (std::size_t k = 0; k < orders.substitutes.size(); ++k)
        placeSlot(kFirstSubstituteSlot + static_cast<int>(k), orders.substitutes[k]);

    for (const OrdersMarker& marker : orders.markers) {
        const std::string& name = orders.mainSide[static_cast<std::size_t>(marker.slot)].name;
        if (isSlotEmpty(f, marker.slot))
            continue;  // named above already
        if (!isMarkerPosition(f.Combo1(marker.slot).text)) {
            notPlaced.push_back("slot " + std::to_string(marker.slot) + ", " + name + ": position \"" +
                                f.Combo1(marker.slot).text + "\" cannot mark, so he is not a marker");
            continue;
        }
        f.Text34(marker.slot - 1).text = marker.target;
        f.Check1(marker.slot - 1).setValue(1);  // raises Check1_Click, which shows the target
    }

    f.Text29.text = orders.opponent;
    f.Combo2.text = orders.tactic;
    f.Combo3.text = orders.style;
    f.Text32.text = orders.grudge;
    f.Text33.text = orders.boost;
    f.Text35.text = orders.press;
    f.Text36.text = orders.comments;

    std::string message;
    for (const std::string& line : notPlaced)
        message += "\n" + line;
    return message;
}

}  // namespace

void fillFromOrders(FRMTEAMTOOL& f, const std::string& path)
{
    const std::string name = fileNameOf(path);
    auto bytes = readWholeFile(path, kMaxOrdersFileBytes);
    if (!bytes) {
        f.msgBox(describeFileError(bytes.error(), kOrdersFileKind));
        return;
    }
    if (const auto binary = binaryDataError(*bytes, path)) {
        f.msgBox(describeFileError(*binary, kOrdersFileKind));
        return;
    }
    const auto orders = readOrdersText(decodeTextFile(std::move(bytes).value()));
    if (!orders) {
        f.msgBox(describeOrdersFileError(orders.error(), name));
        return;
    }
    if (holdsSelection(f) && !f.dialogs().ask("Replace the squad you have picked with the one in " + name + "?"))
        return;
    if (const std::string notPlaced = fillFrom(f, *orders); !notPlaced.empty())
        f.msgBox("Filled from " + name + ", except:" + notPlaced);
}

void actionFillFromOrders_Click(FRMTEAMTOOL& f)
{
    FileDialog dialog;
    dialog.kind = Kind::FileDialog;
    dialog.name = "FillFromOrdersDialog";
    dialog.flags = cdlOFNHideReadOnly;
    dialog.cancelError = true;
    dialog.filter = "Orders Files (*.TXT)|*.TXT";
    dialog.initDir = utf8FromPath(ordersFolder(f));  // the team file's folder
    if (auto path = f.dialogs().showOpen(dialog))
        fillFromOrders(f, *path);
}

}  // namespace teamtool
