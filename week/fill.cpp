// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "week/fill.h"

#include "app/design.h"
#include "app/frmteamtool.h"
#include "orders/orders.h"
#include "squad/squad.h"
#include "teamfile/comparison.h"
#include "teamfile/record_reader.h"
#include "teamfile/staged_team.h"
#include "textio/encoding.h"
#include "textio/files.h"
#include "textio/trim.h"
#include "textio/words.h"
#include "week/open_beside_team.h"
#include "week/orders_reader.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace teamtool {

namespace {

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
    for (int slot = 1; slot <= f.markerSlots(); ++slot) {
        f.markerOf(slot).setValue(0);  // raises Check1_Click, which hides the target
        f.markerTargetOf(slot).text.clear();
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
// for each name a line may have, its rows in list order. The first row not yet
// placed wins.
class ListRows {
public:
    ListRows(const FRMTEAMTOOL& f, const ReadOrders& orders)
    {
        for (const OrdersSlot& slot : orders.mainSide)
            for (const std::string& name : namesOf(slot.written))
                m_rows.try_emplace(name);
        for (const OrdersSlot& slot : orders.substitutes)
            m_rows.try_emplace(slot.name);
        const auto& names = f.List2.items;
        for (std::size_t row = 0; row < names.size(); ++row)
            if (const auto it = m_rows.find(std::string(names[row])); it != m_rows.end())
                it->second.push_back(static_cast<int>(row));
    }

    bool isRow(const std::string& name) const
    {
        const auto it = m_rows.find(name);
        return it != m_rows.end() && !it->second.empty();
    }

    std::optional<int> take(const std::string& name)
    {
        const auto it = m_rows.find(name);
        if (it == m_rows.end() || it->second.empty() || isBlank(name))
            return std::nullopt;
        const int row = it->second.front();
        it->second.erase(it->second.begin());
        return row;
    }

private:
    std::unordered_map<std::string, std::vector<int>> m_rows;
};

// What a fill could not place, slot by slot, with what went with each player.
class NotPlaced {
public:
    void missing(int slot, std::string line)
    {
        auto& entry = m_lines[slot];
        entry.first = std::move(line);
        entry.second.clear();
    }
    void wentWith(int slot, std::string what) { m_lines[slot].second.push_back(std::move(what)); }
    void note(int slot, std::string line) { m_notes.emplace_back(slot, std::move(line)); }

    std::string message() const
    {
        std::vector<std::pair<int, std::string>> lines = m_notes;
        for (const auto& [slot, line] : m_lines) {
            std::string text = line.first;
            for (const std::string& what : line.second)
                text += "; " + what;
            lines.emplace_back(slot, std::move(text));
        }
        std::stable_sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        std::string message;
        for (const auto& [slot, line] : lines)
            message += "\n" + line;
        if (!m_lines.empty())
            message += "\nOrders > Suggest Squad fills these slots with the best players available.";
        return message;
    }

private:
    std::map<int, std::pair<std::string, std::vector<std::string>>> m_lines;
    std::vector<std::pair<int, std::string>> m_notes;
};

// Puts the player of list row `row` into slot, with the orders' position.
void place(FRMTEAMTOOL& f, int slot, int row, const std::string& position)
{
    const auto at = static_cast<std::size_t>(row);
    placeInSlot(f, slot, position, f.List2.items[at], f.List3.items[at]);
}

struct Filled {
    int players = 0;  // the players the file names
    int placed = 0;
    std::string notPlaced;  // one line a slot, from "\n"; empty when everyone was placed
};

Filled fillFrom(FRMTEAMTOOL& f, const ReadOrders& orders)
{
    NotPlaced notPlaced;
    ListRows rows(f, orders);
    emptySquad(f);
    Filled filled;
    // A player not in this week's lists leaves his slot empty, its position box saying
    // what the slot needs; so does one the orders name again, once his rows are placed.
    std::unordered_map<std::string, int> placedIn;  // the first slot of each name placed
    const auto placeSlot = [&](int slot, const OrdersSlot& read) {
        ++filled.players;
        if (const auto row = rows.take(read.name)) {
            place(f, slot, *row, read.position);
            placedIn.try_emplace(read.name, slot);
            ++filled.placed;
            return true;
        }
        if (slot != kGoalkeeperSlot)
            f.Combo1(slot).text = read.position;
        const auto earlier = placedIn.find(read.name);
        notPlaced.missing(slot, slotName(f, slot) + ", " + read.name +
                                    (earlier == placedIn.end()
                                         ? std::string(": not in this week's lists")
                                         : ": named twice in the orders; he is in " + slotName(f, earlier->second)));
        return false;
    };
    std::array<OrdersSlot, 11> mainSide;
    for (std::size_t i = 0; i < mainSide.size(); ++i)
        mainSide[i] = resolvedSlot(orders.mainSide[i], [&rows](const std::string& name) { return rows.isRow(name); });
    for (int i = 0; i < static_cast<int>(mainSide.size()); ++i) {
        const OrdersSlot& read = mainSide[static_cast<std::size_t>(i)];
        const bool placed = placeSlot(i, read);
        if (read.captain && i < f.Option1.count()) {
            if (placed)
                f.Option1(i).setValue(true);
            else
                notPlaced.wentWith(i, "he was captain");
        }
        if (read.penaltyTaker && i < f.Option2.count()) {
            if (placed)
                f.Option2(i).setValue(true);
            else
                notPlaced.wentWith(i, "he took the penalties");
        }
    }
    for (std::size_t k = 0; k < orders.substitutes.size(); ++k)
        placeSlot(kFirstSubstituteSlot + static_cast<int>(k), orders.substitutes[k]);

    // A marker line names a player, not a slot: of the main-side slots that name, the
    // first whose position can mark and that marks no one yet. Marker lines are written
    // in slot order, so the first such slot after the last line's slot, if there is one.
    std::array<bool, 11> marks{};
    int lastMarker = 0;
    for (const OrdersMarker& marker : orders.markers) {
        std::vector<int> named;
        for (int slot = kFirstOutfieldSlot; slot <= kLastOutfieldSlot; ++slot) {
            const auto forms = namesOf(orders.mainSide[static_cast<std::size_t>(slot)].written);
            if (std::find(forms.begin(), forms.end(), marker.name) != forms.end())
                named.push_back(slot);
        }
        const auto free = [&](int slot) {
            return !marks[static_cast<std::size_t>(slot)] &&
                   isMarkerPosition(orders.mainSide[static_cast<std::size_t>(slot)].position);
        };
        auto canMark =
            std::find_if(named.begin(), named.end(), [&](int slot) { return slot > lastMarker && free(slot); });
        if (canMark == named.end())
            canMark = std::find_if(named.begin(), named.end(), free);
        if (canMark == named.end()) {
            const int slot = named.empty() ? marker.slot : named.front();
            if (!isSlotEmpty(f, slot))
                notPlaced.note(slot, slotName(f, slot) + ", " + mainSide[static_cast<std::size_t>(slot)].name +
                                         ": position \"" + f.Combo1(slot).text +
                                         "\" cannot mark, so he is not a marker");
            continue;
        }
        const int slot = *canMark;
        marks[static_cast<std::size_t>(slot)] = true;
        lastMarker = slot;
        if (isSlotEmpty(f, slot)) {
            notPlaced.wentWith(slot, "he was a marker, of " + marker.target);
            continue;
        }
        f.markerTargetOf(slot).text = marker.target;
        f.markerOf(slot).setValue(1);  // raises Check1_Click, which shows the target
    }

    f.Text29.text = orders.opponent;
    f.Combo2.text = orders.tactic;
    f.Combo3.text = orders.style;
    f.Text32.text = orders.grudge;
    f.Text33.text = orders.boost;
    f.press() = orders.press;
    f.comments() = orders.comments;
    // The heading that ends the press, inside the comments: the press may have held it.
    if (("\n" + orders.comments + "\n").find("\nComments to Commish\n") != std::string::npos)
        notPlaced.note(kLastSubstituteSlot + 1,
                       "press and comments: a line reads \"Comments to Commish\", which ends the press statement "
                       "in an orders file, so the press may go on in the comments");

    filled.notPlaced = notPlaced.message();
    return filled;
}

// The players who can be picked this week but could not last week, a line each, with
// what the warning of a better player left out says of any it names: "\nSelectable
// this week, not last week:\n• Doyle (CB, NSL 19.6), back: not picked while Hendry (CB,
// NSL 18.1) plays main side 2". Empty when there are none or nothing is compared.
std::string selectableAgainLines(const FRMTEAMTOOL& f)
{
    const std::vector<SelectableAgain> again = selectableSinceEarlier(f);
    if (again.empty())
        return {};
    std::vector<BetterPlayerLeftOut> leftOut = betterPlayersLeftOut(f);
    if (leftOut.size() > kMostBetterPlayerWarnings)
        leftOut.resize(kMostBetterPlayerWarnings);
    std::vector<std::string> lines;
    for (const SelectableAgain& player : again) {
        std::string& line = lines.emplace_back(listedPlayer(f, player.item) + (player.isNew ? ", new" : ", back"));
        if (const auto named = std::ranges::find(leftOut, player.item, &BetterPlayerLeftOut::row);
            named != leftOut.end())
            line += ": not picked while " + describeWhoPlaysInstead(f, *named);
    }
    return "\n" + bulletedLines("Selectable this week, not last week:", lines);
}

}  // namespace

bool fillFromOrders(FRMTEAMTOOL& f, const std::string& path)
{
    auto bytes = readWholeFile(path, kMaxOrdersFileBytes);
    if (!bytes) {
        f.msgBox(describeFileError(bytes.error(), kOrdersFileKind));
        return false;
    }
    return fillFromOrdersBytes(f, path, std::move(bytes).value());
}

bool fillFromOrdersBytes(FRMTEAMTOOL& f, const std::string& path, std::string bytes)
{
    const std::string name = fileNameOf(path);
    if (const auto binary = binaryDataError(bytes, path)) {
        f.msgBox(describeFileError(*binary, kOrdersFileKind));
        return false;
    }
    std::string text = decodeTextFile(std::move(bytes));
    const auto orders = readOrdersText(text);
    if (!orders) {
        // A team file picked where an orders file belongs: said plainly, as Load Team
        // says the opposite.
        auto reader = RecordReader::fromBytes(std::move(text));
        if (reader && stageTeam(*reader, StagedLists::Skipped))
            f.msgBox(name + " is a team file, not an orders file: open it with File > Open Team File... (or "
                            "Load Team), and fill from last week's orders file.");
        else
            f.msgBox(describeOrdersFileError(orders.error(), name));
        return false;
    }
    if (!sameCode(orders->team, f.teamAbbreviation()) &&
        !f.dialogs().ask(name + " holds the orders of team " + std::string(trimSpaces(orders->team)) + ", not " +
                         std::string(f.teamAbbreviation()) + ". Fill from it anyway?"))
        return false;
    if (holdsSelection(f) && !f.dialogs().ask("Replace the squad you have picked with the one in " + name + "?"))
        return false;
    const Filled filled = fillFrom(f, *orders);
    f.SSTab1.tab = kSelectTeamPage;  // where the filled squad shows
    focusWhereTheManagerIsNeeded(f);
    f.dialogs().notify("Filled from " + name + ": " + std::to_string(filled.placed) + " of " +
                       std::to_string(filled.players) + " players" + selectableAgainLines(f));
    if (!filled.notPlaced.empty())
        f.msgBox("Filled from " + name + ", except:" + filled.notPlaced);
    return true;
}

void actionFillFromOrders_Click(FRMTEAMTOOL& f)
{
    if (auto path =
            openBesideTeamFile(f, "FillFromOrdersDialog", "Fill From an Orders File", "Orders Files (*.TXT)|*.TXT"))
        fillFromOrders(f, *path);
}

}  // namespace teamtool
