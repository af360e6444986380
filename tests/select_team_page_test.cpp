// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Select Team page through the window's events: the five player lists, picking into the
// sixteen slots with the running NSL total, the marker rules, and "Clear".

#include "app/form_load.h"
#include "app/frmteamtool.h"
#include "orders/orders.h"
#include "squad/squad.h"
#include "teamfile/select_and_load.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace teamtool {
namespace {

using Messages = std::vector<std::string>;

struct Player {
    std::string pos;
    std::string name;
    std::string nsl;
};

class SquadPage : public testing::StartedWindow {
protected:
    // Appends one row to each of the five lists, as a load does.
    int addPlayer(const Player& p)
    {
        f.List1.items.push_back(p.pos);
        f.List2.items.push_back(p.name);
        f.List3.items.push_back(p.nsl);
        f.List4.items.push_back("5");
        f.List5.items.push_back("9");
        return static_cast<int>(f.List1.items.size()) - 1;
    }

    // The user clicks row `row` of list `listNumber`, then double-clicks it.
    void pick(int row, int listNumber = 1)
    {
        f.list(listNumber).listIndex = row;
        List_Click(f, listNumber);
        List_DblClick(f, listNumber);
    }

    int pickNew(const Player& p)
    {
        const int row = addPlayer(p);
        pick(row);
        return row;
    }

    // Picks `count` more players, named P0, P1, ... across the test, each with NSL 1.
    void fillSlots(int count, const std::string& pos = "CM")
    {
        for (int i = 0; i < count; ++i)
            pickNew({pos, "P" + std::to_string(m_named++), "1"});
    }

    // The user ticks or unticks a marker box; the box raises its own click.
    void setMarker(int k, int value) { f.Check1(k).setValue(value); }

    // The user chooses a position from a slot's drop-down list.
    void choosePosition(int slot, const std::string& code)
    {
        f.Combo1(slot).text = code;
        Combo1_Click(f, slot);
    }

    std::vector<std::string> slotTexts() const
    {
        std::vector<std::string> texts;
        texts.reserve(16);
        for (int i = 0; i < 16; ++i)
            texts.push_back(f.Combo1(i).text + "|" + f.Text27(i).text + "|" + f.Text28(i).text);
        return texts;
    }

private:
    int m_named = 0;
};

// --- the five lists ---------------------------------------------------------------

TEST_F(SquadPage, ClickSelectsTheRowEverywhereAndScrollsTheOthersToTheClickedList)
{
    for (int i = 0; i < 60; ++i)
        addPlayer({"CB", "N" + std::to_string(i), "1"});
    f.List1.topIndex = 3;
    f.List3.listIndex = 42;
    f.List3.topIndex = 35;
    List_Click(f, 3);
    for (int n = 1; n <= 5; ++n) {
        EXPECT_EQ(f.list(n).listIndex, 42) << n;
        EXPECT_EQ(f.list(n).topIndex, 35) << n;
    }
}

TEST_F(SquadPage, ClickOrDoubleClickWithoutASelectedRowDoesNothing)
{
    addPlayer({"CB", "Adams", "10"});
    f.List2.listIndex = 0;
    f.List2.topIndex = 0;
    f.List4.listIndex = -1;
    f.List4.topIndex = 7;
    List_Click(f, 4);
    EXPECT_EQ(f.List2.listIndex, 0);
    EXPECT_EQ(f.List2.topIndex, 0);

    const auto before = slotTexts();
    for (int n = 1; n <= 5; ++n)
        f.list(n).listIndex = -1;
    List_DblClick(f, 1);
    EXPECT_EQ(slotTexts(), before);
    EXPECT_TRUE(dialogs.messages.empty());
}

// --- picking and the total ------------------------------------------------------

TEST_F(SquadPage, FirstPickGoesToTheGoalkeeperSlotWhichKeepsGKAndDoesNotCount)
{
    pickNew({"CF", "Adams", "14"});
    EXPECT_EQ(f.Combo1(0).text, "GK");
    EXPECT_EQ(f.Text27(0).text, "Adams");
    EXPECT_EQ(f.Text28(0).text, "14");
    EXPECT_EQ(f.Text30.text, "0");
}

TEST_F(SquadPage, PicksFillSlotsInOrderAndOnlyTheOutfieldTenCount)
{
    pickNew({"GK", "Keeper", "3"});
    pickNew({"CB", "Baker", "12"});
    pickNew({"MF", "Clark", "7"});
    EXPECT_EQ(f.Combo1(1).text, "CB");
    EXPECT_EQ(f.Text27(2).text, "Clark");
    EXPECT_EQ(f.Text28(2).text, "7");
    EXPECT_EQ(f.Text30.text, "19");

    fillSlots(8);  // slots 3 to 10
    const std::string outfieldTotal = f.Text30.text;
    EXPECT_EQ(outfieldTotal, "27");
    pickNew({"S", "Sub", "50"});
    EXPECT_EQ(f.Text27(11).text, "Sub");
    EXPECT_EQ(f.Combo1(11).text, "S");
    EXPECT_EQ(f.Text30.text, outfieldTotal);
}

TEST_F(SquadPage, AGoalkeeperBecomesDSInTheOutfieldButStaysGKAmongTheSubstitutes)
{
    pickNew({"GK", "First", "1"});
    pickNew({"GK", "Second", "1"});
    EXPECT_EQ(f.Combo1(1).text, "DS");
    fillSlots(9);
    pickNew({"GK", "Reserve", "1"});
    EXPECT_EQ(f.Text27(11).text, "Reserve");
    EXPECT_EQ(f.Combo1(11).text, "GK");
    // Only the exact code is the goalkeeper's: " GK" is copied as it stands.
    Command2_Click(f, 1);
    pickNew({" GK", "Spaced", "1"});
    EXPECT_EQ(f.Combo1(1).text, " GK");
}

TEST_F(SquadPage, TheTotalIsShownInItsShortestFormAndNonNumbersCountZero)
{
    pickNew({"GK", "Keeper", "1"});
    pickNew({"CB", "A", "12.1"});
    pickNew({"CB", "B", "7.2"});
    EXPECT_EQ(f.Text30.text, "19.3");
    pickNew({"CB", "C", " 0.7 "});
    EXPECT_EQ(f.Text30.text, "20");
    pickNew({"CB", "D", "abc"});
    pickNew({"CB", "E", ""});
    EXPECT_EQ(f.Text30.text, "20");
    EXPECT_EQ(f.Text27(5).text, "E");
    f.Text30.text = "lots";  // the user may type into the total
    pickNew({"CB", "F", "2.5"});
    EXPECT_EQ(f.Text30.text, "2.5");
}

TEST_F(SquadPage, ADoubleClickOnAnyListPicksTheSameRow)
{
    for (int listNumber = 1; listNumber <= 5; ++listNumber) {
        const int row = addPlayer({"FB", "Row" + std::to_string(listNumber), "2"});
        addPlayer({"CM", "Other" + std::to_string(listNumber), "3"});
        pick(row, listNumber);
        EXPECT_EQ(f.Text27(listNumber - 1).text, "Row" + std::to_string(listNumber)) << listNumber;
    }
    EXPECT_EQ(f.Combo1(4).text, "FB");
}

TEST_F(SquadPage, ThePickReadsPositionNameAndNslEachAtItsOwnListsSelectedRow)
{
    pickNew({"GK", "Keeper", "1"});
    addPlayer({"CB", "Alpha", "4"});
    addPlayer({"MF", "Beta", "6"});
    f.List1.listIndex = 1;
    f.List2.listIndex = 2;
    f.List3.listIndex = 1;
    List_DblClick(f, 5);
    EXPECT_EQ(f.Combo1(1).text, "CB");
    EXPECT_EQ(f.Text27(1).text, "Beta");
    EXPECT_EQ(f.Text28(1).text, "4");
}

TEST_F(SquadPage, ALowerSlotEmptiedByClearOrHoldingBlanksIsFilledFirst)
{
    fillSlots(6);
    Command2_Click(f, 3);
    pickNew({"DM", "Refill", "2"});
    EXPECT_EQ(f.Text27(3).text, "Refill");
    EXPECT_TRUE(f.Text27(6).text == " ");

    f.Text27(4).text = "   ";  // blanks only: empty
    pickNew({"DM", "Blanks", "2"});
    EXPECT_EQ(f.Text27(4).text, "Blanks");
}

TEST_F(SquadPage, ANameTypedIntoASubstituteSlotFillsIt)
{
    fillSlots(11);
    f.Text27(11).text = "Typed";
    pickNew({"CM", "Next", "1"});
    EXPECT_EQ(f.Text27(11).text, "Typed");
    EXPECT_EQ(f.Text27(12).text, "Next");
}

TEST_F(SquadPage, AFullSquadIgnoresAFurtherPickSilently)
{
    fillSlots(16);
    const auto before = slotTexts();
    const std::string total = f.Text30.text;
    pickNew({"CM", "Seventeenth", "9"});
    EXPECT_EQ(slotTexts(), before);
    EXPECT_EQ(f.Text30.text, total);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SquadPage, APlayerWithABlankNameIsNotPickedSoTheTotalCannotDrift)
{
    pickNew({"GK", "Keeper", "1"});
    pickNew({"CB", "  ", "8"});
    EXPECT_EQ(f.Text30.text, "0");
    EXPECT_EQ(f.Combo1(1).text, " ");
    EXPECT_EQ(f.Text28(1).text, " ");
    pickNew({"CB", "Real", "3"});
    EXPECT_EQ(f.Text27(1).text, "Real");
    EXPECT_EQ(f.Text30.text, "3");
}

// --- duplicates -------------------------------------------------------------------

TEST_F(SquadPage, PickingAPlayerTwiceIsRefusedAndChangesNothing)
{
    fillSlots(3);
    const int row = pickNew({"CB", "Dixon", "11"});  // slot 3
    Command2_Click(f, 1);                            // an empty slot above him
    const auto before = slotTexts();
    const std::string total = f.Text30.text;
    pick(row);
    EXPECT_EQ(dialogs.messages, Messages{"Player already Selected"});
    EXPECT_EQ(slotTexts(), before);
    EXPECT_EQ(f.Text30.text, total);
}

TEST_F(SquadPage, APlayerIsRecognisedByExactNameAndNslTogether)
{
    pickNew({"GK", "Smith", "10"});
    pickNew({"CB", "Smith", "11"});    // same name, other NSL
    pickNew({"CB", "Smith ", "10"});   // a trailing blank is another name
    pickNew({"CB", "smith", "10"});    // so is another case
    pickNew({"CB", "Smith", "10.0"});  // and NSL is compared as text
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(f.Text27(4).text, "Smith");

    pickNew({"CM", "Smith", "10"});  // another row, same name and NSL
    EXPECT_EQ(dialogs.messages, Messages{"Player already Selected"});
    EXPECT_TRUE(f.Text27(5).text == " ");
}

TEST_F(SquadPage, ASubstituteTypedByHandCountsForTheDuplicateCheck)
{
    fillSlots(11);
    f.Text27(11).text = "Hand";
    f.Text28(11).text = "4";
    pickNew({"CM", "Hand", "4"});
    EXPECT_EQ(dialogs.messages, Messages{"Player already Selected"});
}

// --- markers ----------------------------------------------------------------------

TEST_F(SquadPage, AMarkerOnAMarkerPositionShowsItsTargetAndHidingKeepsTheText)
{
    fillSlots(4, "CB");
    setMarker(2, 1);
    EXPECT_TRUE(f.Text34(2).visible);
    f.Text34(2).text = "9";
    setMarker(2, 0);
    EXPECT_FALSE(f.Text34(2).visible);
    EXPECT_EQ(f.Text34(2).text, "9");
    setMarker(2, 1);
    EXPECT_TRUE(f.Text34(2).visible);
    EXPECT_EQ(f.Text34(2).text, "9");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SquadPage, EveryMarkerPositionIsAcceptedAlsoWithBlanksAround)
{
    const std::vector<std::string> codes = {"DS", "CB", "FB", "AS", "DM", " DS", "CB  "};
    pickNew({"GK", "Keeper", "1"});
    for (std::size_t j = 0; j < codes.size(); ++j)
        pickNew({codes[j], "M" + std::to_string(j), "1"});
    for (int k = 0; k < static_cast<int>(codes.size()); ++k) {
        setMarker(k, 1);
        EXPECT_EQ(f.Check1(k).value(), 1) << codes[static_cast<std::size_t>(k)];
        EXPECT_TRUE(f.Text34(k).visible) << codes[static_cast<std::size_t>(k)];
        setMarker(k, 0);
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SquadPage, AThirdMarkerIsRefusedWithOneMessageAndTheOthersStand)
{
    fillSlots(5, "DS");
    setMarker(0, 1);
    setMarker(3, 1);
    f.Text34(1).text = "kept";
    setMarker(1, 1);
    EXPECT_EQ(dialogs.messages, Messages{"Only 2 Markers allowed"});
    EXPECT_EQ(f.Check1(1).value(), 0);
    EXPECT_FALSE(f.Text34(1).visible);
    EXPECT_EQ(f.Text34(1).text, "kept");
    EXPECT_EQ(f.Check1(0).value(), 1);
    EXPECT_EQ(f.Check1(3).value(), 1);
    EXPECT_TRUE(f.Text34(0).visible);
    EXPECT_TRUE(f.Text34(3).visible);
}

TEST_F(SquadPage, AThirdMarkerOnANonMarkerPositionGetsOnlyTheCountMessage)
{
    fillSlots(3, "DS");
    pickNew({"CM", "Mid", "1"});  // slot 3
    setMarker(0, 1);
    setMarker(1, 1);
    setMarker(2, 1);
    EXPECT_EQ(dialogs.messages, Messages{"Only 2 Markers allowed"});
    EXPECT_EQ(f.Check1(2).value(), 0);
}

TEST_F(SquadPage, ANonMarkerPositionOrAnEmptySlotRefusesTheMarker)
{
    pickNew({"GK", "Keeper", "1"});
    for (const std::string code : {"CM", "MF", "W", "S", "CF", "ds"})
        pickNew({code, "Player " + code, "1"});
    for (int k = 0; k < 6; ++k) {
        dialogs.messages.clear();
        setMarker(k, 1);
        EXPECT_EQ(dialogs.messages, Messages{"That Position cannot be a marker"}) << f.Combo1(k + 1).text;
        EXPECT_EQ(f.Check1(k).value(), 0);
        EXPECT_FALSE(f.Text34(k).visible);
    }
    dialogs.messages.clear();
    setMarker(9, 1);  // slot 10, still empty with position " "
    EXPECT_EQ(dialogs.messages, Messages{"That Position cannot be a marker"});
    EXPECT_EQ(f.Check1(9).value(), 0);
}

TEST_F(SquadPage, ChoosingAPositionTakesTheSlotsMarkerOffEvenForAMarkerPosition)
{
    fillSlots(3, "DS");
    setMarker(1, 1);
    setMarker(0, 1);
    choosePosition(2, "CB");
    EXPECT_EQ(f.Check1(1).value(), 0);
    EXPECT_FALSE(f.Text34(1).visible);
    EXPECT_EQ(f.Check1(0).value(), 1);
    EXPECT_TRUE(dialogs.messages.empty());

    fillSlots(9);  // through slot 11
    choosePosition(11, "CM");
    choosePosition(0, "DS");  // the program cannot reach this, and it changes nothing
    EXPECT_EQ(f.Check1(0).value(), 1);
    EXPECT_TRUE(f.Text34(0).visible);
}

// --- clearing ---------------------------------------------------------------------

TEST_F(SquadPage, ClearOnTheGoalkeeperEmptiesNameAndNslOnly)
{
    pickNew({"GK", "Keeper", "5"});
    pickNew({"CB", "Back", "6"});
    Command2_Click(f, 0);
    EXPECT_EQ(f.Combo1(0).text, "GK");
    EXPECT_EQ(f.Text27(0).text, "");
    EXPECT_EQ(f.Text28(0).text, "");
    EXPECT_EQ(f.Text30.text, "6");
    pickNew({"CF", "NewKeeper", "2"});
    EXPECT_EQ(f.Text27(0).text, "NewKeeper");
    EXPECT_EQ(f.Combo1(0).text, "GK");
}

TEST_F(SquadPage, ClearOnAnOutfieldSlotLowersTheTotalAndTakesTheMarkerOff)
{
    pickNew({"GK", "Keeper", "5"});
    pickNew({"CB", "A", "12"});
    pickNew({"CB", "B", "7"});
    setMarker(1, 1);
    f.Text34(1).text = "their 9";
    f.Option1(2).setValue(true);
    f.Option2(2).setValue(true);
    Command2_Click(f, 2);
    EXPECT_EQ(f.Text30.text, "12");
    EXPECT_EQ(f.Combo1(2).text, "");
    EXPECT_EQ(f.Text27(2).text, "");
    EXPECT_EQ(f.Text28(2).text, "");
    EXPECT_EQ(f.Check1(1).value(), 0);
    EXPECT_FALSE(f.Text34(1).visible);
    EXPECT_EQ(f.Text34(1).text, "their 9");
    EXPECT_TRUE(f.Option1(2).value());
    EXPECT_TRUE(f.Option2(2).value());
    EXPECT_TRUE(dialogs.messages.empty());
    pickNew({"FB", "C", "3"});
    EXPECT_EQ(f.Text27(2).text, "C");
    EXPECT_EQ(f.Text30.text, "15");
}

TEST_F(SquadPage, ClearSubtractsDecimalsCleanlyAndCopesWithANonNumberTotal)
{
    pickNew({"GK", "Keeper", "5"});
    pickNew({"CB", "A", "12.1"});
    pickNew({"CB", "B", "7.2"});
    Command2_Click(f, 2);
    EXPECT_EQ(f.Text30.text, "12.1");
    f.Text30.text = "x";
    Command2_Click(f, 1);
    EXPECT_EQ(f.Text30.text, "-12.1");
    EXPECT_EQ(f.Text27(1).text, "");
}

TEST_F(SquadPage, ClearOnAnOutfieldSlotWithBlankNslLeavesTotalAndMarker)
{
    fillSlots(4);
    choosePosition(5, "DS");  // still empty: NSL " "
    setMarker(4, 1);
    ASSERT_EQ(f.Check1(4).value(), 1);
    const std::string total = f.Text30.text;
    Command2_Click(f, 5);
    EXPECT_EQ(f.Combo1(5).text, "");
    EXPECT_EQ(f.Text30.text, total);
    EXPECT_EQ(f.Check1(4).value(), 1);
}

TEST_F(SquadPage, ClearOnASubstituteLeavesTotalAndMarkers)
{
    fillSlots(3, "DS");
    setMarker(1, 1);
    fillSlots(10);  // through slot 12
    const std::string total = f.Text30.text;
    Command2_Click(f, 12);
    EXPECT_EQ(f.Combo1(12).text, "");
    EXPECT_EQ(f.Text27(12).text, "");
    EXPECT_EQ(f.Text28(12).text, "");
    EXPECT_EQ(f.Text30.text, total);
    EXPECT_EQ(f.Check1(1).value(), 1);
    EXPECT_EQ(f.Text27(11).text, "P11");
}

// --- typing into the drop-down boxes ------------------------------------------------

TEST_F(SquadPage, TheDropDownBoxesDiscardEveryTypedCharacter)
{
    for (int key : {int{'a'}, int{'Z'}, int{'7'}, int{' '}, 8 /* Backspace */, 13}) {
        int k1 = key;
        int k2 = key;
        int k3 = key;
        Combo1_KeyPress(f, 4, k1);
        Combo2_KeyPress(f, k2);
        Combo3_KeyPress(f, k3);
        EXPECT_EQ(k1, 0) << key;
        EXPECT_EQ(k2, 0) << key;
        EXPECT_EQ(k3, 0) << key;
    }
    EXPECT_EQ(f.Combo1(4).text, " ");
    EXPECT_EQ(f.Combo2.text, " ");
}

}  // namespace
}  // namespace teamtool
