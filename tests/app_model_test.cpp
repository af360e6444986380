// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window model at start: every control of the design in its design-time state,
// then what Form_Load adds.

#include "app/design.h"
#include "app/form_load.h"
#include "app/frmteamtool.h"
#include "orders/orders.h"
#include "squad/squad.h"
#include "teamfile/select_and_load.h"
#include "window/window.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace teamtool {
namespace {

using Items = std::vector<std::string>;

const Items kOutfieldCodes = {"DS", "CB", "FB", "AS", "DM", "CM", "MF", "WH", "AM", "W", "S", "CF"};

using testing::StartedWindow;

// Through a const window nothing can be changed: not a control of its own, not an
// element of a control array, not what a look-up finds.
template <class T>
constexpr bool kIsConst = std::is_const_v<std::remove_reference_t<T>>;
using ConstWindow = const FRMTEAMTOOL&;
static_assert(kIsConst<decltype((std::declval<ConstWindow>().List2.items))>);
static_assert(kIsConst<decltype((std::declval<ConstWindow>().Text31.text))>);
static_assert(kIsConst<decltype((std::declval<ConstWindow>().Text27(0).text))>);
static_assert(kIsConst<decltype((std::declval<ConstWindow>().list(1).items))>);
static_assert(kIsConst<decltype((std::declval<ConstWindow>().Text(1).text))>);
static_assert(kIsConst<decltype(*std::declval<ConstWindow>().find("List2"))>);
static_assert(kIsConst<decltype(*std::declval<ConstWindow>().controls().front())>);
static_assert(kIsConst<decltype(*std::declval<ConstWindow>().menuCommands().front())>);
static_assert(!kIsConst<decltype((std::declval<FRMTEAMTOOL&>().List2.items))>, "a window is writable");
// Nor can an event be raised through it: its handler would change the window.
template <class T>
concept ClickedThroughConst = requires(const T& control)
{
    control.click();
};
template <class T>
concept EnteredThroughConst = requires(const T& control)
{
    control.pressEnter();
};
template <class T>
concept RaisedThroughConst = requires(const T& control)
{
    control.raise(Event::Click);
};
static_assert(!ClickedThroughConst<CommandButton> && !ClickedThroughConst<MenuCommand>);
static_assert(!EnteredThroughConst<ListBox> && !RaisedThroughConst<Control>);
static_assert(
    requires(CommandButton & button) { button.click(); }, "a control is clicked through the window");

TEST(Design, EveryControlHasOneNameAndLivesInADeclaredContainer)
{
    std::set<std::string> names;
    for (const ControlSpec& spec : designTimeControls()) {
        EXPECT_TRUE(names.insert(spec.fullName()).second) << "twice: " << spec.fullName();
        if (!spec.container.empty()) {
            EXPECT_TRUE(names.count(spec.container))
                << spec.fullName() << " stands in " << spec.container << ", declared later or not at all";
        }
    }
    for (int n = 1; n <= 37; ++n)
        EXPECT_TRUE(names.count("Frame" + std::to_string(n))) << n;
    for (int n = 1; n <= 36; ++n)
        if (n != 27 && n != 28 && n != 34) {
            EXPECT_TRUE(names.count("Text" + std::to_string(n))) << n;
        }
    for (int n = 1; n <= 8; ++n)
        EXPECT_TRUE(names.count("Label" + std::to_string(n))) << n;
}

TEST_F(StartedWindow, ControlArraysHaveTheirElementCounts)
{
    EXPECT_EQ(f.Combo1.count(), 16);
    EXPECT_EQ(f.Text27.count(), 16);
    EXPECT_EQ(f.Text28.count(), 16);
    EXPECT_EQ(f.Command2.count(), 16);
    EXPECT_EQ(f.Option1.count(), 11);
    EXPECT_EQ(f.Option2.count(), 11);
    EXPECT_EQ(f.Check1.count(), 10);
    EXPECT_EQ(f.Text34.count(), 10);
}

TEST_F(StartedWindow, OnlyTheFileSelectionFrameShows)
{
    EXPECT_EQ(f.Me.caption, "TEAM INFOMATION");
    EXPECT_TRUE(f.Frame32.visible);
    EXPECT_EQ(f.Frame32.caption, "Select Team File");
    EXPECT_FALSE(f.SSTab1.visible);
    EXPECT_EQ(f.SSTab1.geometry.left, -120);
    EXPECT_EQ(f.SSTab1.tab, 0);
    EXPECT_EQ(f.SSTab1.tabCaptions, (Items{"Game", "Player Stats", "Select Team", "Press And Comments"}));
    EXPECT_EQ(f.Text31.text, "");
    EXPECT_FALSE(f.Text31.enabled);
}

TEST_F(StartedWindow, SlotsStartWithTheirDesignTexts)
{
    EXPECT_EQ(f.Combo1(0).text, "GK");
    EXPECT_TRUE(f.Combo1(0).locked);
    for (int i = 1; i < 16; ++i) {
        EXPECT_EQ(f.Combo1(i).text, " ") << i;
        EXPECT_FALSE(f.Combo1(i).locked) << i;
    }
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(f.Text27(i).text, i <= 1 ? "" : " ") << i;
        EXPECT_EQ(f.Text28(i).text, " ") << i;
        // The main side's name and NSL take only what picks and Clear write.
        EXPECT_EQ(f.Text27(i).locked, i <= 10) << i;
        EXPECT_EQ(f.Text28(i).locked, i <= 10) << i;
    }
    EXPECT_EQ(f.Text30.text, "0");
    EXPECT_FALSE(f.Option1(0).visible);
    EXPECT_FALSE(f.Option2(0).visible);
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(f.Check1(k).value(), 0);
        EXPECT_FALSE(f.Text34(k).visible);
        EXPECT_EQ(f.Text34(k).text, "");
        // Marker k stands on the row of slot k + 1.
        EXPECT_EQ(f.Check1(k).geometry.top + 600, f.Command2(k + 1).geometry.top);
    }
}

TEST_F(StartedWindow, OrderChoicesStartBlankOrN)
{
    EXPECT_EQ(f.Combo2.text, " ");
    EXPECT_EQ(f.Combo3.text, " ");
    EXPECT_EQ(f.Combo2.items, (Items{"BC", "CP", "ENF", "LB", "MM", "OFF", "ONE", "SM", "TC", "TS", "WH", "WP", "ZD"}));
    EXPECT_EQ(f.Combo3.items, (Items{"AA", "AD", "CA", "FL", "MC", "MD", "MI", "RG", "ST", "TR", "UB"}));
    for (TextBox* box : {&f.Text29, &f.Text32, &f.Text33}) {
        EXPECT_EQ(box->maxLength, 2) << box->name;
        EXPECT_TRUE(box->bold) << box->name;
    }
    EXPECT_EQ(f.Text29.text, "");
    EXPECT_EQ(f.Text32.text, "N");
    EXPECT_EQ(f.Text33.text, "N");
    EXPECT_EQ(f.Text35.text, "Text35");
    EXPECT_EQ(f.Text36.text, "Text35");
    EXPECT_TRUE(f.Text35.multiLine && f.Text36.multiLine);
}

TEST_F(StartedWindow, TeamBoxesStartAsDesigned)
{
    for (int n = 1; n <= 26; ++n) {
        const bool filled = n <= 4 || (n >= 6 && n <= 8);
        EXPECT_EQ(f.Text(n).text, filled ? "Text1" : "") << n;
        EXPECT_EQ(f.Text(n).container, "Frame" + std::to_string(n));
    }
    EXPECT_EQ(f.find("Frame20")->caption, "OD Intrest");
    EXPECT_EQ(f.find("Frame6")->caption, "GC");
}

TEST_F(StartedWindow, FormLoadFillsThePositionLists)
{
    Items withGoalkeeper = kOutfieldCodes;
    withGoalkeeper.insert(withGoalkeeper.begin(), "GK");
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(f.Combo1(i).items, i > 10 ? withGoalkeeper : kOutfieldCodes) << i;
    // The goalkeeper's slot shows GK although its list does not offer it.
    EXPECT_EQ(f.Combo1(0).text, "GK");
    EXPECT_EQ(f.Combo1(5).text, " ");
}

TEST_F(StartedWindow, FormLoadHeadsTheGridAndFillsNoRow)
{
    const Items headings = {"Pos",   "Name",  "NSL",    "SP",    "Max SP",  "WI",     "WS",      "Age",
                            "Wage",  "DP",    "Yellow", "Red",   "DP_T",    "TY",     "TR",      "Shots",
                            "PTS",   "GTS",   "TCM",    "TCG",   "AMP",     "AGS",    "Nat",     "EMP",
                            "EMP_T", "EMP_B", "IntG",   "IntDP", "IntSusp", "IntEMP", "IntEMP_T"};
    const std::vector<int> widths = {400, 2000, 550, 350, 700, 350, 350, 400, 750, 350, 600, 450, 550, 350, 350, 550,
                                     450, 450,  450, 450, 450, 450, 450, 450, 650, 650, 550, 550, 750, 750, 850};
    const Grid& grid = f.MSFlexGrid1;
    ASSERT_EQ(grid.cols(), 31);
    EXPECT_EQ(grid.rows(), 10);
    EXPECT_EQ(grid.fixedRows, 1);
    EXPECT_EQ(grid.fixedCols, 4);
    for (int k = 0; k < 31; ++k) {
        EXPECT_EQ(grid.textMatrix(0, k), headings[static_cast<std::size_t>(k)]) << k;
        EXPECT_EQ(grid.colWidth(k), widths[static_cast<std::size_t>(k)]) << k;
        for (int row = 1; row < grid.rows(); ++row)
            EXPECT_EQ(grid.textMatrix(row, k), "");
    }
    EXPECT_TRUE(f.List1.items.empty());
}

TEST_F(StartedWindow, OptionButtonsAreExclusiveWithinTheirFrameOnly)
{
    f.Option1(3).setValue(true);
    f.Option2(5).setValue(true);
    f.Option1(7).setValue(true);
    EXPECT_FALSE(f.Option1(3).value());
    EXPECT_TRUE(f.Option1(7).value());
    EXPECT_TRUE(f.Option2(5).value()) << "captain and penalty taker are separate groups";
}

TEST_F(StartedWindow, AProgramChangeOfAMarkerBoxRaisesItsClick)
{
    // Checking the box of an empty slot runs the marker rules, which refuse it.
    f.Check1(4).setValue(1);
    EXPECT_EQ(f.Check1(4).value(), 0);
    EXPECT_EQ(dialogs.messages, (Items{"That Position cannot be a marker"}));
    // Setting the value it already has raises nothing.
    f.Check1(4).setValue(0);
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(StartedWindow, EveryEventOfTheListReachesEveryElementOfItsControl)
{
    std::set<std::string> listed;
    for (const EventBinding& binding : eventTable()) {
        listed.insert(std::string(binding.control));
        int elements = 0;
        const auto count = [&](const Control& control) {
            if (control.name != binding.control)
                return;
            ++elements;
            EXPECT_TRUE(control.handles(binding.event)) << control.fullName();
        };
        for (const auto& control : f.controls())
            count(*control);
        for (const auto& command : f.menuCommands())
            count(*command);
        EXPECT_GT(elements, 0) << binding.control << " is not in the design";
    }
    // Nothing outside the list runs a handler.
    for (const auto& control : f.controls()) {
        if (listed.contains(control->name))
            continue;
        for (Event event : {Event::Click, Event::DblClick, Event::KeyPress, Event::Scroll})
            EXPECT_FALSE(control->handles(event)) << control->fullName();
    }
}

TEST_F(StartedWindow, UserActionsRaiseTheirEventsWithTheElementsIndex)
{
    int key = 'x';
    f.Combo1(4).keyPress(key);
    EXPECT_EQ(key, 0) << "a typed character is discarded";

    // A locked box, or an entry that is not in the list, takes no pick.
    f.Combo1(0).pick(2);
    f.Combo2.pick(99);
    EXPECT_EQ(f.Combo1(0).text, "GK");
    EXPECT_EQ(f.Combo2.text, " ");
    f.Combo2.pick(3);
    EXPECT_EQ(f.Combo2.text, "LB");

    for (int n = 1; n <= 5; ++n)
        f.list(n).items = {"a", "b", "c"};
    // A double-click on a row not yet selected is a click first, across all five lists.
    f.List4.doubleClick(2);
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(f.list(n).listIndex, 2) << n;
    EXPECT_EQ(f.Text27(0).text, "c");
    // Scrolling one list scrolls the other four with it.
    f.List2.scroll(1);
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(f.list(n).topIndex, 1) << n;
}

TEST(GridCells, RowsGrowAndKeepTheirTexts)
{
    Grid grid;
    grid.setCols(3);
    grid.setRows(2);
    grid.setTextMatrix(1, 2, "x");
    grid.setRows(5);
    EXPECT_EQ(grid.textMatrix(1, 2), "x");
    TextList rows;
    for (const char* text : {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o", "p", "q", "r"})
        rows.push_back(text);
    grid.assignRows(1, rows);
    EXPECT_EQ(grid.rows(), 7);
    EXPECT_EQ(grid.textMatrix(6, 2), "r");
    EXPECT_EQ(grid.textMatrix(1, 2), "c") << "a block of rows replaces what stood there";
    // A longer text than a cell held, then a shorter one: each reads back whole.
    grid.setTextMatrix(2, 0, "Smith, John");
    grid.setTextMatrix(2, 1, "");
    grid.setTextMatrix(2, 0, "Fox");
    EXPECT_EQ(grid.textMatrix(2, 0), "Fox");
    EXPECT_EQ(grid.textMatrix(2, 1), "");
    EXPECT_EQ(grid.textMatrix(2, 2), "f");
    EXPECT_THROW(grid.textMatrix(7, 0), std::out_of_range);
    EXPECT_THROW(grid.setTextMatrix(0, 3, "z"), std::out_of_range);
}

}  // namespace
}  // namespace teamtool
