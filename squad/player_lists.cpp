// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The five player lists and the pick that fills the squad from them.

#include "app/frmteamtool.h"
#include "app/positions.h"
#include "squad/squad.h"
#include "textio/numbers.h"
#include "textio/trim.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

namespace teamtool {

bool isSlotEmpty(const FRMTEAMTOOL& f, int slot)
{
    return isBlank(f.Text27(slot).text);
}

void addToNslTotal(FRMTEAMTOOL& f, std::string_view nsl)
{
    f.Text30.text = numberToText(readDecimalText(nsl) + readDecimalText(f.Text30.text));
}

// A click selects the clicked row in all five lists and scrolls the other four to
// the clicked list's first visible row, so the row reads across as one player.
void List_Click(FRMTEAMTOOL& f, int listNumber)
{
    const ListBox& clicked = f.list(listNumber);
    if (!clicked.selectedItem())
        return;
    const int row = clicked.listIndex;
    const int top = clicked.topIndex;
    for (int n = 1; n <= 5; ++n)
        f.list(n).listIndex = row;
    for (int n = 1; n <= 5; ++n)
        if (n != listNumber)
            f.list(n).topIndex = top;
}

// The five lists read across as one table, so they scroll together: the others
// follow the one the user scrolled.
void List_Scroll(FRMTEAMTOOL& f, int listNumber)
{
    const int top = f.list(listNumber).topIndex;
    for (int n = 1; n <= 5; ++n)
        f.list(n).topIndex = top;
}

// A double-click on any list picks the player of the selected row into the lowest
// empty slot. Position, name and NSL come from List1, List2 and List3, each at its
// own selected row.
void List_DblClick(FRMTEAMTOOL& f, int listNumber)
{
    const auto pos = f.List1.selectedItem();
    const auto name = f.List2.selectedItem();
    const auto nsl = f.List3.selectedItem();
    if (!f.list(listNumber).selectedItem() || !pos || !name || !nsl)
        return;

    // A player whose name is blank would leave his slot reading as empty: the next
    // pick would land on top of him, and his NSL would stay in the total.
    if (isBlank(*name))
        return;

    // A player is recognised by name and NSL together, exactly as they stand.
    const int slots = f.Text27.count();
    for (int i = 0; i < slots; ++i) {
        if (f.Text27(i).text == *name && f.Text28(i).text == *nsl) {
            f.msgBox("Player already Selected");
            return;
        }
    }

    int target = 0;
    while (target < slots && !isSlotEmpty(f, target))
        ++target;
    if (target == slots)
        return;  // a full squad takes no one, silently

    pickInto(f, target, *pos, *name, *nsl);
}

void placeInSlot(FRMTEAMTOOL& f, int slot, std::string_view position, std::string_view name, std::string_view nsl)
{
    if (slot != kGoalkeeperSlot)
        f.Combo1(slot).text = position;  // the goalkeeper's slot keeps GK
    f.Text27(slot).text = name;
    f.Text28(slot).text = nsl;
    if (isOutfieldSlot(slot))
        addToNslTotal(f, nsl);
}

void pickInto(FRMTEAMTOOL& f, int slot, std::string_view position, std::string_view name, std::string_view nsl)
{
    // No goalkeeper among the outfield ten: a GK picked there becomes a DS.
    const bool keeperOutfield = isOutfieldSlot(slot) && position == kGoalkeeper;
    placeInSlot(f, slot, keeperOutfield ? std::string_view("DS") : position, name, nsl);
}

std::vector<std::size_t> unpickedRows(const FRMTEAMTOOL& f)
{
    std::unordered_set<std::string_view> slotted;  // names in slots: most rows are not
    for (int i = 0; i < f.Text27.count(); ++i)
        if (!isSlotEmpty(f, i))
            slotted.insert(f.Text27(i).text);
    const auto inASlot = [&](std::size_t row) {
        const std::string_view name = f.List2.items[row];
        if (!slotted.contains(name))
            return false;
        for (int i = 0; i < f.Text27.count(); ++i)
            if (f.Text27(i).text == name && f.Text28(i).text == f.List3.items[row])
                return true;
        return false;
    };
    const std::size_t rows = std::min({f.List1.items.size(), f.List2.items.size(), f.List3.items.size()});
    std::vector<std::size_t> found;
    found.reserve(rows);
    for (std::size_t row = 0; row < rows; ++row)
        if (!isBlank(f.List2.items[row]) && !inASlot(row))
            found.push_back(row);
    return found;
}

std::string listedPlayer(const FRMTEAMTOOL& f, std::size_t item)
{
    const auto text = [&](const ListBox& list) {
        return item < list.items.size() ? std::string(trimSpaces(list.items[item])) : std::string();
    };
    return text(f.List2) + " (" + text(f.List1) + ", NSL " + text(f.List3) + ")";
}

std::string spokenName(const FRMTEAMTOOL& f, const Control& control)
{
    // A slot's own boxes and its Clear: the slot as the window names it.
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kSlotBoxes = {
        {{"Combo1", " position"}, {"Text27", " name"}, {"Text28", " NSL"}, {"Command2", ""}}};
    for (const auto& [name, what] : kSlotBoxes)
        if (control.name == name && control.index >= kGoalkeeperSlot && control.index <= kLastSubstituteSlot) {
            const int i = control.index;
            const std::string slot = i == kGoalkeeperSlot ? std::string("goalkeeper")
                                     : isOutfieldSlot(i)  ? "main side " + std::to_string(i)
                                                          : "substitute " + std::to_string(i - kLastOutfieldSlot);
            if (what.empty())
                return "Clear " + slot;
            return static_cast<char>(std::toupper(static_cast<unsigned char>(slot[0]))) + slot.substr(1) +
                   std::string(what);
        }
    int slot = -1;
    std::string role;
    if (control.name == "Option1" || control.name == "Option2") {
        slot = control.index;
        role = control.name == "Option1" ? "Captain" : "Penalty taker";
    } else if (control.name == "Check1" || control.name == "Text34") {
        slot = control.index + 1;  // marker k belongs to slot k + 1
        role = control.name == "Check1" ? "Marker" : "Target";
    }
    if (!isOutfieldSlot(slot))
        return control.accessibleName;
    const std::string where = "main side " + std::to_string(slot);
    if (isSlotEmpty(f, slot))
        return (role == "Target" ? std::string("Marker target") : role) + ", " + where;
    const std::string player(trimSpaces(f.Text27(slot).text));
    return role == "Target" ? "Target of " + player + ", " + where : role + ": " + player + ", " + where;
}

std::string slotName(const FRMTEAMTOOL& f, int slot)
{
    if (slot == kGoalkeeperSlot)
        return "the goalkeeper";
    const std::string position(trimSpaces(f.Combo1(slot).text));
    const std::string number = isOutfieldSlot(slot) ? "main side " + std::to_string(slot)
                                                    : "substitute " + std::to_string(slot - kLastOutfieldSlot);
    return position.empty() ? number : number + " (" + position + ")";
}

}  // namespace teamtool
