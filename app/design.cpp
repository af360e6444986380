// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/design.h"

#include <array>

namespace teamtool {

std::string ControlSpec::fullName() const
{
    return controlName(name, index);
}

namespace {

// Tops of the sixteen squad slot rows on the "Select Team" page.
constexpr std::array<int, 16> kSlotTops = {900,  1200, 1500, 1800, 2100, 2400, 2700, 3000,
                                           3330, 3630, 3930, 4680, 4980, 5280, 5580, 5880};

constexpr int slotTop(int slot)
{
    return kSlotTops[static_cast<std::size_t>(slot)];
}

constexpr int kBoxHeight = 285;

enum Page { Game = 0, PlayerStats = 1, SelectTeam = 2, PressAndComments = 3 };

struct Builder {
    std::vector<ControlSpec> specs;

    ControlSpec& add(Kind kind, std::string name, int index, std::string container, int page, Twips geometry,
                     std::string caption = {})
    {
        ControlSpec spec;
        spec.kind = kind;
        spec.name = std::move(name);
        spec.index = index;
        spec.container = std::move(container);
        spec.page = page;
        spec.geometry = geometry;
        spec.caption = std::move(caption);
        specs.push_back(std::move(spec));
        return specs.back();
    }

    void fileSelection()
    {
        add(Kind::Frame, "Frame32", -1, "", -1, {0, 30, 5565, 1875}, "Select Team File");
        add(Kind::CommandButton, "Command4", -1, "Frame32", -1, {780, 960, 1095, 555}, "Select File");
        add(Kind::CommandButton, "Command3", -1, "Frame32", -1, {2310, 960, 1095, 555}, "Load Team");
        add(Kind::TextBox, "Text31", -1, "Frame32", -1, {150, 300, 4095, kBoxHeight}).enabled = false;
        add(Kind::FileDialog, "CommonDialog1", -1, "Frame32", -1, {0, 0, 0, 0});
    }

    // One frame of the "Game" page with its one text box of the same number.
    void teamBox(int n, const char* caption, int left, int top, int width)
    {
        const std::string frame = "Frame" + std::to_string(n);
        add(Kind::Frame, frame, -1, "SSTab1", Game, {left, top, width, 765}, caption);
        const int boxLeft = (n == 13 || n == 24) ? 210 : 180;
        const bool startsFilled = n <= 4 || (n >= 6 && n <= 8);
        // The box fills its frame, and its text runs close to its border: the frames of
        // the last row stand edge to edge, and their values must show whole.
        auto& box = add(Kind::TextBox, "Text" + std::to_string(n), -1, frame, Game,
                        {boxLeft, 240, width - boxLeft - 15, 405}, startsFilled ? "Text1" : "");
        box.tightMargins = true;
    }

    void gamePage()
    {
        teamBox(1, "Team Name", 510, 810, 3435);
        // The last frame of a row widens into the room to its right, for eight digits.
        constexpr int kLastInRow = 1230;
        teamBox(8, "Team Abb", 3960, 810, kLastInRow);

        teamBox(2, "Stadium Name", 480, 1620, 3435);
        teamBox(5, "Stadium Size", 3930, 1620, 1185);
        teamBox(9, "Base Att", 5130, 1620, 1155);
        teamBox(22, "Season Att", 6300, 1620, kLastInRow);

        teamBox(4, "Morale", 480, 2400, 1005);
        teamBox(3, "CMA", 1500, 2400, 1005);
        teamBox(6, "GC", 2520, 2400, 705);
        teamBox(7, "Boost", 3240, 2400, kLastInRow);

        teamBox(10, "Scout Nsl", 450, 3180, 885);
        teamBox(13, "Scout Wage", 1350, 3180, 1185);
        teamBox(12, "Physio Nsl", 2550, 3180, 975);
        teamBox(14, "Physio Wage", 3540, 3180, 1155);
        teamBox(11, "Coach Nsl", 4710, 3180, 975);
        teamBox(15, "Coach Wage", 5700, 3180, kLastInRow);

        teamBox(16, "Cash", 450, 3960, 1155);
        teamBox(19, "EB", 1620, 3960, 795);
        teamBox(18, "Press", 2430, 3960, 795);
        teamBox(17, "Game Att", 3240, 3960, 915);
        teamBox(23, "Att Cash", 4170, 3960, 915);
        teamBox(21, "OD LIMIT", 5100, 3960, 1155);
        teamBox(20, "OD Intrest", 6270, 3960, 1155);
        teamBox(26, "Transfers", 7440, 3960, 1155);
        teamBox(25, "Fines", 8610, 3960, 1185);
        teamBox(24, "Bonus", 9810, 3960, kLastInRow);
    }

    void playerStatsPage()
    {
        auto& grid = add(Kind::Grid, "MSFlexGrid1", -1, "SSTab1", PlayerStats, {342, 450, 10845, 8775});
        grid.accessibleName = "Player Stats";
        grid.rows = 10;
        grid.cols = 31;
        grid.fixedRows = 1;
        grid.fixedCols = 4;
    }

    void selectTeamPage()
    {
        struct Column {
            const char* label;
            const char* caption;
            const char* list;
            int left;
            int width;
        };
        constexpr std::array<Column, 5> columns = {{{"Label1", "Pos", "List1", 120, 615},
                                                    {"Label2", "Name", "List2", 720, 1995},
                                                    {"Label3", "NSL", "List3", 2670, 825},
                                                    {"Label4", "SP", "List4", 3480, 585},
                                                    {"Label5", "MAX SP", "List5", 4050, 615}}};
        for (const auto& c : columns)
            add(Kind::Label, c.label, -1, "SSTab1", SelectTeam, {c.left, 450, c.width, 255}, c.caption).buddy = c.list;
        for (const auto& c : columns)
            add(Kind::ListBox, c.list, -1, "SSTab1", SelectTeam, {c.left, 750, c.width, 8385 - 750}).accessibleName =
                c.caption;

        add(Kind::Label, "Label6", -1, "SSTab1", SelectTeam, {6180, 570, 1335, 330}, "Main Side").fontSize = 13.5;
        add(Kind::Label, "Label7", -1, "SSTab1", SelectTeam, {6120, 4320, 735, 330}, "Subs").fontSize = 13.5;
        add(Kind::Label, "Label8", -1, "SSTab1", SelectTeam, {6930, 4320, 705, 255}, "Tot NSL").buddy = "Text30";

        for (int i = 0; i < 16; ++i) {
            const int top = slotTop(i);
            const std::string slot = "slot " + std::to_string(i);
            add(Kind::CommandButton, "Command2", i, "SSTab1", SelectTeam, {4710, top, 615, kBoxHeight}, "Clear")
                .accessibleName = "Clear " + slot;
            auto& combo = add(Kind::ComboBox, "Combo1", i, "SSTab1", SelectTeam, {5370, top, 735, kBoxHeight},
                              i == 0 ? "GK" : " ");
            combo.locked = i == 0;
            combo.accessibleName = "Slot " + std::to_string(i) + " position";
            auto& name =
                add(Kind::TextBox, "Text27", i, "SSTab1", SelectTeam, {6090, top, 1545, kBoxHeight}, i <= 1 ? "" : " ");
            name.locked = i <= 10;
            name.accessibleName = "Slot " + std::to_string(i) + " name";
            auto& nsl = add(Kind::TextBox, "Text28", i, "SSTab1", SelectTeam, {7650, top, 555, kBoxHeight}, " ");
            nsl.locked = i <= 10;
            nsl.accessibleName = "Slot " + std::to_string(i) + " NSL";
        }
        add(Kind::TextBox, "Text30", -1, "SSTab1", SelectTeam, {7650, 4290, 600, kBoxHeight}, "0").accessibleName =
            "Tot NSL";

        // Captain and penalty taker: one button per main-side slot, the goalkeeper's hidden.
        constexpr int kRoleFrameTop = 600;
        const int roleFrameHeight = slotTop(10) + kBoxHeight + 90 - kRoleFrameTop;
        add(Kind::Frame, "Frame27", -1, "SSTab1", SelectTeam, {8190, kRoleFrameTop, 465, roleFrameHeight}, "Cap");
        for (int i = 0; i <= 10; ++i) {
            auto& captain = add(Kind::OptionButton, "Option1", i, "Frame27", SelectTeam,
                                {105, slotTop(i) - kRoleFrameTop, 255, kBoxHeight});
            captain.visible = i != 0;
            captain.accessibleName = "Captain, slot " + std::to_string(i);
        }
        add(Kind::Frame, "Frame28", -1, "SSTab1", SelectTeam, {8640, kRoleFrameTop, 435, roleFrameHeight}, "Pen");
        for (int i = 0; i <= 10; ++i) {
            auto& penalties = add(Kind::OptionButton, "Option2", i, "Frame28", SelectTeam,
                                  {90, slotTop(i) - kRoleFrameTop, 255, kBoxHeight});
            penalties.visible = i != 0;
            penalties.accessibleName = "Penalty taker, slot " + std::to_string(i);
        }

        // Markers: one box and its target for each outfield slot 1 to 10.
        add(Kind::Frame, "Frame35", -1, "SSTab1", SelectTeam, {9090, kRoleFrameTop, 2025, roleFrameHeight}, "Marker")
            .passedOverByReaders = true;
        for (int j = 0; j < 10; ++j) {
            const int top = slotTop(j + 1) - kRoleFrameTop;
            // Marker j belongs to slot j + 1.
            const std::string slot = "slot " + std::to_string(j + 1);
            add(Kind::CheckBox, "Check1", j, "Frame35", SelectTeam, {120, top, 255, kBoxHeight}).accessibleName =
                "Marker, " + slot;
            auto& target = add(Kind::TextBox, "Text34", j, "Frame35", SelectTeam, {420, top, 1485, kBoxHeight});
            target.visible = false;
            target.accessibleName = "Marker target, " + slot;
        }

        auto twoCharacterBox = [this](const char* frame, const char* caption, const char* box, int left, int top,
                                      int width, const char* text) {
            add(Kind::Frame, frame, -1, "SSTab1", SelectTeam, {left, top, width, 765}, caption);
            auto& spec = add(Kind::TextBox, box, -1, frame, SelectTeam, {120, 240, width - 240, 405}, text);
            spec.maxLength = 2;
            spec.fontSize = 13.5;
            spec.bold = true;
        };
        auto codeCombo = [this](const char* frame, const char* caption, const char* combo, int left, int width,
                                std::vector<std::string> items) {
            add(Kind::Frame, frame, -1, "SSTab1", SelectTeam, {left, 6210, width, 765}, caption);
            add(Kind::ComboBox, combo, -1, frame, SelectTeam, {120, 300, width - 240, 315}, " ").items =
                std::move(items);
        };
        twoCharacterBox("Frame29", "Opponent", "Text29", 5610, 6180, 900, "");
        codeCombo("Frame30", "Tactic", "Combo2", 6540, 960,
                  {"BC", "CP", "ENF", "LB", "MM", "OFF", "ONE", "SM", "TC", "TS", "WH", "WP", "ZD"});
        codeCombo("Frame31", "Style", "Combo3", 7530, 930,
                  {"AA", "AD", "CA", "FL", "MC", "MD", "MI", "RG", "ST", "TR", "UB"});
        twoCharacterBox("Frame33", "Grudge", "Text32", 8490, 6210, 720, "N");
        twoCharacterBox("Frame34", "Boost", "Text33", 9240, 6210, 720, "N");

        add(Kind::CommandButton, "Command1", -1, "SSTab1", SelectTeam, {7020, 8310, 1395, 465}, "Create Orders");
    }

    void pressPage()
    {
        add(Kind::Frame, "Frame36", -1, "SSTab1", PressAndComments, {360, 510, 10245, 5475}, "Press");
        add(Kind::TextBox, "Text35", -1, "Frame36", PressAndComments, {360, 360, 9525, 4845}, "Text35").multiLine =
            true;
        add(Kind::Frame, "Frame37", -1, "SSTab1", PressAndComments, {330, 5970, 10245, 2565}, "Comments to Commish");
        add(Kind::TextBox, "Text36", -1, "Frame37", PressAndComments, {360, 360, 9525, 1995}, "Text35").multiLine =
            true;
    }

    std::vector<ControlSpec> build()
    {
        add(Kind::Form, "FRMTEAMTOOL", -1, "", -1, {0, 0, 11250, 9405}, "TEAM INFOMATION");
        fileSelection();
        auto& tab = add(Kind::TabControl, "SSTab1", -1, "", -1, {-120, -120, 11235, 9375});
        tab.visible = false;
        tab.tabs = {"Game", "Player Stats", "Select Team", "Press And Comments"};
        gamePage();
        playerStatsPage();
        selectTeamPage();
        pressPage();
        return std::move(specs);
    }
};

}  // namespace

std::span<const MenuCommandSpec> menuBarCommands()
{
    using When = MenuCommand::When;
    // clang-format off
    static constexpr MenuCommandSpec kCommands[] = {
        {"actionSelectFile", "&File", "&Select File...", "Open", When::BeforeLoad},
        {"actionLoadTeam", "&File", "&Load Team", "Ctrl+L", When::BeforeLoad},
        {"actionOpenTeamFile", "&File", "Open &Team File...", "", When::Always},
        {"menuOpenRecent", "&File", "Open &Recent", "", When::Always, {.recentFiles = true}},
        {"actionFillFromOrders", "&File", "&Fill From Orders...", "Ctrl+Shift+O", When::AfterLoad,
         {.separatorBefore = true}},
        {"actionFillFromLastWeek", "&File", "Fill From Last &Week's Orders", "Ctrl+Shift+L", When::WithKeptOrders,
         {.description = "Fills the squad and orders from the newest orders kept for the loaded team"}},
        {"actionCompareWithTeamFile", "&File", "Co&mpare With Team File...", "", When::AfterLoad,
         {.separatorBefore = true}},
        {"actionShowChanges", "&File", "C&hanges Since Last Week...", "", When::AfterComparison},
        {"actionSeason", "&File", "Se&ason...", "Ctrl+Shift+E", When::WithKeptTeamFile,
         {.description = "The loaded team's kept weeks side by side: each player's figures and the team's, in a "
                         "chart and a table"}},
        {"actionExportPlayerStats", "&File", "E&xport Player Stats...", "", When::AfterLoad},
        {"actionKeepSeason", "&File", "&Keep Season", "", When::Always, {.separatorBefore = true, .checkable = true}},
        {"actionOpenSeasonFolder", "&File", "Open Season F&older", "", When::WhileKeeping},
        {"actionQuit", "&File", "&Quit", "Quit", When::Always, {.separatorBefore = true, .closesWindow = true}},
        {"actionSuggestSquad", "&Orders", "&Suggest Squad", "Ctrl+Shift+B", When::AfterLoad},
        {"actionPreviewOrders", "&Orders", "&Preview...", "Ctrl+Shift+P", When::AfterLoad, {.separatorBefore = true}},
        {"actionCopyOrders", "&Orders", "&Copy Orders", "Ctrl+Shift+C", When::AfterLoad},
        {"actionEmailOrders", "&Orders", "&E-mail Orders...", "", When::AfterLoad},
        {"actionLeagueAddress", "&Orders", "League's &Address...", "", When::AfterLoad,
         {.description = "The address E-mail Orders sends the loaded team's orders to"}},
        {"actionSquadInWords", "&Orders", "S&quad In Words", "Ctrl+Shift+Q", When::AfterLoad,
         {.separatorBefore = true, .description = "Says the squad in a passing note: each slot's player, NSL, "
                                                  "captain, penalties and marker, then the Tot NSL"}},
        {"actionCreateOrders", "&Orders", "C&reate Orders", "Save", When::AfterLoad, {.separatorBefore = true}},
        {"actionGoToOpponent", "&Go", "&Opponent", "Ctrl+Shift+V", When::AfterLoad},
        {"actionGoToPress", "&Go", "Press &Statement", "Ctrl+Shift+S", When::AfterLoad},
        {"actionGoToCaptain", "&Go", "&Captain", "Ctrl+Shift+A", When::AfterLoad, {.separatorBefore = true}},
        {"actionGoToPenaltyTaker", "&Go", "&Penalty Taker", "Ctrl+Shift+N", When::AfterLoad},
        {"actionGoToPosition1", "&Go", "Main Side &1 Position", "Ctrl+1", When::AfterLoad, {.separatorBefore = true}},
        {"actionGoToPosition2", "&Go", "Main Side &2 Position", "Ctrl+2", When::AfterLoad},
        {"actionGoToPosition3", "&Go", "Main Side &3 Position", "Ctrl+3", When::AfterLoad},
        {"actionGoToPosition4", "&Go", "Main Side &4 Position", "Ctrl+4", When::AfterLoad},
        {"actionGoToPosition5", "&Go", "Main Side &5 Position", "Ctrl+5", When::AfterLoad},
        {"actionGoToPosition6", "&Go", "Main Side &6 Position", "Ctrl+6", When::AfterLoad},
        {"actionGoToPosition7", "&Go", "Main Side &7 Position", "Ctrl+7", When::AfterLoad},
        {"actionGoToPosition8", "&Go", "Main Side &8 Position", "Ctrl+8", When::AfterLoad},
        {"actionGoToPosition9", "&Go", "Main Side &9 Position", "Ctrl+9", When::AfterLoad},
        {"actionGoToPosition10", "&Go", "Main Side 1&0 Position", "Ctrl+0", When::AfterLoad},
        {"actionTeamFileFormat", "&Help", "&Team File Format", "HelpContents", When::Always},
        {"actionAbout", "&Help", "&About TeamTool", "", When::Always, {.separatorBefore = true}},
        {"actionAboutQt", "&Help", "About &Qt", "", When::Always},
    };
    // clang-format on
    return kCommands;
}

std::span<const ControlSpec> designTimeControls()
{
    static const std::vector<ControlSpec> specs = Builder{}.build();
    return specs;
}

}  // namespace teamtool
