// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// File > Compare With Team File...: two hand-made weeks of one team, compared through
// the menu commands as the manager runs them.

#include "team_file_text.h"
#include "teamfile/comparison.h"
#include "teamfile/select_and_load.h"
#include "teamfile/staged_team.h"
#include "window_fixture.h"

using namespace teamtool;
using namespace teamtool::testing;

namespace {

using Players = std::vector<std::array<std::string, 31>>;

// Week 12 and week 13: better, worse, new, gone, out, back, unchanged, and two Smiths
// matched in file order.
const Players kWeek12 = {
    playerFields("Doyle", "DS", "19.1", "0", "0", 1),  playerFields("Smith", "CB", "14.1", "0", "0", 2),
    playerFields("Okafor", "CB", "14.5", "0", "0", 3), playerFields("Price", "FB", "14.6", "0", "0", 4),
    playerFields("Marsh", "CB", "12", "0", "0", 5),    playerFields("Smith", "CB", "10", "0", "0", 6),
    playerFields("Reyes", "W", "8.4", "1", "0", 7),    playerFields("Lennon", "CM", "7.6", "0", "0", 8),
    playerFields("Iwobi", "AS", "18.5", "0", "0", 9),
};
const Players kWeek13 = {
    playerFields("Doyle", "DS", "19.8", "0", "0", 1), playerFields("Smith", "CB", "14.1", "0", "0", 2),
    playerFields("Okafor", "CB", "14", "0", "0", 3),  playerFields("Price", "FB", "14.6", "2", "0", 4),
    playerFields("Carr", "AM", "13.4", "0", "0", 10), playerFields("Smith", "CB", "10.5", "0", "0", 6),
    playerFields("Reyes", "W", "8.4", "0", "0", 7),   playerFields("Lennon", "CM", "7.6", "0", "1", 8),
    playerFields("Iwobi", "AS", "19.5", "0", "0", 9), playerFields("Nkemelu", "CF", "15.2", "0", "0", 11),
};

std::string week12Team()
{
    auto team = teamFields();
    team[4] = "70";  // Morale, now 75
    return teamFileText(team, kWeek12);
}

class CompareWeeks : public WindowWithFolder {
protected:
    std::string week12;

    void SetUp() override
    {
        WindowWithFolder::SetUp();
        week12 = write("RDV-week12.txt", week12Team());
        openTeamFile(f, write("RDV-week13.txt", teamFileText(teamFields(), kWeek13)));
        ASSERT_TRUE(f.SSTab1.visible);
    }

    void compareWith(const std::string& path)
    {
        dialogs.openAnswers.emplace_back(path);
        f.findMenuCommand("actionCompareWithTeamFile")->click();
    }

    // Every text the window shows, and the lists' items.
    std::vector<std::string> shownTexts() const
    {
        std::vector<std::string> texts;
        for (const Control* control : std::as_const(f).controls()) {
            if (const auto* box = dynamic_cast<const TextBox*>(control))
                texts.push_back(box->text);
            if (const auto* list = dynamic_cast<const ListBox*>(control))
                texts.insert(texts.end(), list->items.begin(), list->items.end());
        }
        for (int row = 0; row < f.MSFlexGrid1.rows(); ++row)
            for (int col = 0; col < f.MSFlexGrid1.cols(); ++col)
                texts.emplace_back(f.MSFlexGrid1.textMatrix(row, col));
        return texts;
    }
};

TEST_F(CompareWeeks, TheSummaryNamesEachChangeInFileOrderAndCanBeShownAgain)
{
    MenuCommand& showChanges = *f.findMenuCommand("actionShowChanges");
    EXPECT_FALSE(f.applies(showChanges));
    compareWith(week12);

    ASSERT_EQ(dialogs.openSettings.size(), 1u);
    EXPECT_EQ(dialogs.openSettings[0].filter, kTeamFileFilter);
    EXPECT_EQ(dialogs.openSettings[0].dialogTitle, "Compare With an Earlier Team File");
    EXPECT_EQ(dialogs.openSettings[0].initDir, folder.string());
    const std::string expected = "Compared with RDV-week12.txt\n"
                                 "New: Carr, Nkemelu\n"
                                 "Gone: Marsh\n"
                                 "Out this week: Price (WI 2), Lennon (WS 1)\n"
                                 "Back this week: Reyes\n"
                                 "NSL up: Doyle 19.8 (was 19.1), Smith 10.5 (was 10), Iwobi 19.5 (was 18.5)\n"
                                 "NSL down: Okafor 14 (was 14.5)";
    ASSERT_EQ(dialogs.changes, std::vector<std::string>{expected});
    EXPECT_TRUE(f.applies(showChanges));

    dialogs.copyChanges = true;
    showChanges.click();
    EXPECT_EQ(dialogs.changes.back(), expected);
    EXPECT_EQ(dialogs.copied, std::vector<std::string>{expected});
    EXPECT_EQ(dialogs.notes.back(), "Changes copied");
}

TEST_F(CompareWeeks, ChangedCellsListItemsAndBoxesSayWhatTheyWere)
{
    compareWith(week12);
    using Kind = ChangeMark::Kind;
    // Doyle, row 1: NSL (column 2) up; his SP (column 3) the same.
    EXPECT_EQ(gridCellNote(f, 1, 2), "NSL: now 19.8, was 19.1");
    EXPECT_EQ(gridCellMark(f, 1, 2), (ChangeMark{Kind::Up, "+0.7"}));
    EXPECT_EQ(gridCellNote(f, 1, 3), "");
    EXPECT_EQ(gridCellMark(f, 1, 3), std::nullopt);
    // Price, row 4, cannot be picked now: the reason first, then what changed.
    EXPECT_EQ(gridCellNote(f, 4, 5), "Not selectable: WI 2\nWI: now 2, was 0");
    EXPECT_EQ(gridCellNote(f, 4, 2), "Not selectable: WI 2");
    // Carr, row 5, is new: his name says so, his other cells nothing.
    EXPECT_EQ(gridCellNote(f, 5, 1), "New since RDV-week12.txt");
    EXPECT_EQ(gridCellMark(f, 5, 1), (ChangeMark{Kind::New, "new"}));
    EXPECT_EQ(gridCellNote(f, 5, 2), "");
    // The second Smith, row 6, against the second Smith then.
    EXPECT_EQ(gridCellNote(f, 6, 2), "NSL: now 10.5, was 10");
    EXPECT_EQ(gridCellMark(f, 6, 2), (ChangeMark{Kind::Up, "+0.5"}));
    EXPECT_EQ(gridCellNote(f, 2, 2), "");

    // The lists hold the eight who can be picked: Okafor is item 2, Carr item 3.
    ASSERT_EQ(f.List3.items[2], "14");
    EXPECT_EQ(listItemNote(f, 3, 2), "NSL: now 14, was 14.5");
    EXPECT_EQ(listItemMark(f, 3, 2), (ChangeMark{Kind::Down, "-0.5"}));
    EXPECT_EQ(listItemNote(f, 2, 3), "New since RDV-week12.txt");
    EXPECT_EQ(listItemNote(f, 2, 2), "");
    EXPECT_EQ(listItemMark(f, 2, 3), std::nullopt);

    EXPECT_EQ(teamBoxNote(f, f.Text(4)), "was 70");  // Morale
    EXPECT_EQ(teamBoxNote(f, f.Text(1)), "");
    EXPECT_EQ(teamBoxNote(f, f.Text29), "");
}

TEST_F(CompareWeeks, AComparisonChangesNoTextAndASecondReplacesTheFirst)
{
    const auto before = shownTexts();
    compareWith(week12);
    EXPECT_EQ(shownTexts(), before);
    const unsigned first = f.comparison.revision;

    // Week 13 against a copy of itself under another name but for one player.
    auto players = kWeek13;
    players[0][3] = "19.9";
    compareWith(write("RDV-week13b.txt", teamFileText(teamFields(), players)));
    EXPECT_GT(f.comparison.revision, first);
    EXPECT_EQ(dialogs.changes.back(), "Compared with RDV-week13b.txt\nNSL down: Doyle 19.8 (was 19.9)");
    EXPECT_EQ(gridCellNote(f, 5, 1), "");  // Carr was there too
    EXPECT_EQ(teamBoxNote(f, f.Text(4)), "");
    EXPECT_EQ(shownTexts(), before);

    // The same players in another file's bytes (LF line ends): no change at all.
    std::string lf = teamFileText(teamFields(), kWeek13);
    std::erase(lf, '\r');
    compareWith(write("RDV-lf.txt", lf));
    EXPECT_EQ(dialogs.changes.back(), "No changes since RDV-lf.txt");
    EXPECT_EQ(gridCellMark(f, 1, 2), std::nullopt);
}

TEST_F(CompareWeeks, AFileThatCannotBeComparedLeavesTheComparisonAsItWas)
{
    compareWith(week12);
    const std::string summary = f.comparison.summary;
    const unsigned revision = f.comparison.revision;
    const auto unchanged = [&] {
        EXPECT_EQ(f.comparison.summary, summary);
        EXPECT_EQ(f.comparison.revision, revision);
        EXPECT_EQ(gridCellMark(f, 1, 2), (ChangeMark{ChangeMark::Kind::Up, "+0.7"}));
        EXPECT_EQ(dialogs.changes.size(), 1u);
    };

    // Cut short in its third player: the message Load Team gives.
    const std::string text = week12Team();
    const std::string broken = write("broken.txt", text.substr(0, text.find("Okafor") + 20));
    compareWith(broken);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], describeLoadError(readStagedTeam(broken).error(), broken));
    EXPECT_NE(dialogs.messages[0].find("line 4"), std::string::npos) << dialogs.messages[0];
    unchanged();

    compareWith((folder / "missing.txt").string());
    EXPECT_NE(dialogs.messages.back().find("cannot be opened"), std::string::npos);
    unchanged();

    // The loaded file itself, and a copy of its bytes: a passing note, nothing more.
    compareWith(f.Text31.text);
    EXPECT_EQ(dialogs.notes.back(), "RDV-week13.txt is the team file loaded now: there is nothing to compare.");
    compareWith(write("copy.txt", teamFileText(teamFields(), kWeek13)));
    EXPECT_EQ(dialogs.notes.back(),
              "copy.txt holds the same as the team file loaded now: there is nothing to compare.");
    unchanged();
}

// "The same file" is the bytes that were loaded, not what the disk holds now: the
// loaded file rewritten since compares, and a copy of what was loaded does not.
TEST_F(CompareWeeks, TheSameFileIsTheOneLoadedNotTheOneOnDiskNow)
{
    const std::string loaded = teamFileText(teamFields(), kWeek13);
    write("RDV-week13.txt", week12Team());
    compareWith(write("copy.txt", loaded));
    EXPECT_EQ(dialogs.notes.back(),
              "copy.txt holds the same as the team file loaded now: there is nothing to compare.");
    EXPECT_FALSE(f.comparison.made());

    compareWith(write("RDV-week12.txt", week12Team()));
    EXPECT_TRUE(f.comparison.made());
}

}  // namespace
