// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/window.h"

#include "app/form_load.h"
#include "orders/orders.h"
#include "squad/squad.h"
#include "squad/suggest.h"
#include "teamfile/select_and_load.h"
#include "teamfile/staged_team.h"
#include "textio/files.h"
#include "textio/trim.h"
#include "week/compare.h"
#include "week/fill.h"
#include "week/help.h"
#include "week/season_commands.h"
#include "week/season_window.h"
#include "week/sending.h"

#include <array>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

namespace teamtool {

namespace {

// Adapters from a handler's own signature to the one the event list holds.
template <void (*H)(FRMTEAMTOOL&)>
void plain(FRMTEAMTOOL& f, EventArgs&)
{
    H(f);
}

template <void (*H)(FRMTEAMTOOL&, int)>
void indexed(FRMTEAMTOOL& f, EventArgs& args)
{
    H(f, args.index);
}

template <void (*H)(FRMTEAMTOOL&, int, int&)>
void indexedKey(FRMTEAMTOOL& f, EventArgs& args)
{
    H(f, args.index, args.keyAscii);
}

template <void (*H)(FRMTEAMTOOL&, int&)>
void key(FRMTEAMTOOL& f, EventArgs& args)
{
    H(f, args.keyAscii);
}

// A load, whichever way it came, is then kept in the season; so are written orders.
template <void (*H)(FRMTEAMTOOL&)>
void thenSeasonOfLoad(FRMTEAMTOOL& f, EventArgs&)
{
    const unsigned loads = f.loads;
    H(f);
    if (f.loads != loads)
        teamFileLoaded(f);
}

template <void (*H)(FRMTEAMTOOL&)>
void thenSeasonOfOrders(FRMTEAMTOOL& f, EventArgs&)
{
    const unsigned written = f.written.count;
    H(f);
    if (f.written.count != written)
        ordersWritten(f);
}

// Go > Main Side N Position: one command a slot.
template <int slot>
void goToPosition(FRMTEAMTOOL& f, EventArgs&)
{
    actionGoToPosition_Click(f, slot);
}

// The five player lists share their handlers, told apart by the list's number.
template <void (*H)(FRMTEAMTOOL&, int), int listNumber>
void list(FRMTEAMTOOL& f, EventArgs&)
{
    H(f, listNumber);
}

// A pick (a double-click, or Enter), then a passing note of where the player went, so
// that it is heard as well as seen: "Okafor picked: main side 3 (CB)", and after a
// main-side pick the total it made: ". Tot NSL 31.6".
template <int listNumber>
void pick(FRMTEAMTOOL& f, EventArgs&)
{
    std::array<std::string, kLastSubstituteSlot + 1> before;
    for (int i = kGoalkeeperSlot; i <= kLastSubstituteSlot; ++i)
        before[static_cast<std::size_t>(i)] = f.Text27(i).text;
    List_DblClick(f, listNumber);
    for (int i = kGoalkeeperSlot; i <= kLastSubstituteSlot; ++i)
        if (f.Text27(i).text != before[static_cast<std::size_t>(i)] && !isSlotEmpty(f, i)) {
            std::string note = std::string(trimSpaces(f.Text27(i).text)) + " picked: " + slotName(f, i);
            if (isOutfieldSlot(i))
                note += ". Tot NSL " + std::string(trimSpaces(f.Text30.text));
            f.dialogs().notify(note);
            return;
        }
}

// clang-format off
constexpr std::array kEventTable = {
    // File selection
    EventBinding{"Command4", Event::Click,    plain<Command4_Click>,        "the Select File button"},
    EventBinding{"Command3", Event::Click,    thenSeasonOfLoad<Command3_Click>, "the Load Team button"},
    // The five player lists: a click keeps them on one row, a double-click picks
    EventBinding{"List1",    Event::Click,    list<List_Click, 1>,           "the Pos list"},
    EventBinding{"List2",    Event::Click,    list<List_Click, 2>,           "the Name list"},
    EventBinding{"List3",    Event::Click,    list<List_Click, 3>,           "the NSL list"},
    EventBinding{"List4",    Event::Click,    list<List_Click, 4>,           "the SP list"},
    EventBinding{"List5",    Event::Click,    list<List_Click, 5>,           "the MAX SP list"},
    EventBinding{"List1",    Event::DblClick, pick<1>,                       "the Pos list"},
    EventBinding{"List2",    Event::DblClick, pick<2>,                       "the Name list"},
    EventBinding{"List3",    Event::DblClick, pick<3>,                       "the NSL list"},
    EventBinding{"List4",    Event::DblClick, pick<4>,                       "the SP list"},
    EventBinding{"List5",    Event::DblClick, pick<5>,                       "the MAX SP list"},
    EventBinding{"List1",    Event::Scroll,   list<List_Scroll, 1>,          "the Pos list"},
    EventBinding{"List2",    Event::Scroll,   list<List_Scroll, 2>,          "the Name list"},
    EventBinding{"List3",    Event::Scroll,   list<List_Scroll, 3>,          "the NSL list"},
    EventBinding{"List4",    Event::Scroll,   list<List_Scroll, 4>,          "the SP list"},
    EventBinding{"List5",    Event::Scroll,   list<List_Scroll, 5>,          "the MAX SP list"},
    // The squad slots
    EventBinding{"Combo1",   Event::Click,    indexed<Combo1_Click>,        "a slot's position, picked from its list"},
    EventBinding{"Combo1",   Event::KeyPress, indexedKey<Combo1_KeyPress>,  "a slot's position, typed into"},
    EventBinding{"Command2", Event::Click,    indexed<Command2_Click>,      "a slot's Clear button"},
    // A marker box's click is raised by every change of its value, the program's too
    EventBinding{"Check1",   Event::Click,    indexed<Check1_Click>,        "a marker box"},
    // The order choices
    EventBinding{"Combo2",   Event::KeyPress, key<Combo2_KeyPress>,         "the Tactic box, typed into"},
    EventBinding{"Combo3",   Event::KeyPress, key<Combo3_KeyPress>,         "the Style box, typed into"},
    EventBinding{"Command1", Event::Click,    thenSeasonOfOrders<Command1_Click>, "the Create Orders button"},
    // The menu bar, beside the designed window
    EventBinding{"actionSelectFile",     Event::Click, plain<Command4_Click>,   "File > Select File..., as the button"},
    EventBinding{"actionLoadTeam",       Event::Click, thenSeasonOfLoad<Command3_Click>, "File > Load Team, as the button"},
    EventBinding{"actionOpenTeamFile",   Event::Click, plain<actionOpenTeamFile_Click>,   "File > Open Team File..."},
    EventBinding{"actionFillFromOrders", Event::Click, plain<actionFillFromOrders_Click>, "File > Fill From Orders..."},
    EventBinding{"actionFillFromLastWeek", Event::Click, plain<actionFillFromLastWeek_Click>, "File > Fill From Last Week's Orders"},
    EventBinding{"actionCompareWithTeamFile", Event::Click, plain<actionCompareWithTeamFile_Click>, "File > Compare With Team File..."},
    EventBinding{"actionShowChanges",    Event::Click, plain<actionShowChanges_Click>,    "File > Changes Since Last Week..."},
    EventBinding{"actionSeason",         Event::Click, plain<actionSeason_Click>,         "File > Season..."},
    EventBinding{"actionExportPlayerStats", Event::Click, plain<actionExportPlayerStats_Click>, "File > Export Player Stats..."},
    EventBinding{"actionKeepSeason",     Event::Click, plain<actionKeepSeason_Click>,     "File > Keep Season"},
    EventBinding{"actionOpenSeasonFolder", Event::Click, plain<actionOpenSeasonFolder_Click>, "File > Open Season Folder"},
    EventBinding{"actionSuggestSquad",   Event::Click, plain<actionSuggestSquad_Click>,   "Orders > Suggest Squad"},
    EventBinding{"actionPreviewOrders",  Event::Click, plain<actionPreviewOrders_Click>,  "Orders > Preview..."},
    EventBinding{"actionCopyOrders",     Event::Click, plain<actionCopyOrders_Click>,     "Orders > Copy Orders"},
    EventBinding{"actionEmailOrders",    Event::Click, plain<actionEmailOrders_Click>,    "Orders > E-mail Orders..."},
    EventBinding{"actionLeagueAddress",  Event::Click, plain<actionLeagueAddress_Click>,  "Orders > League's Address..."},
    EventBinding{"actionSquadInWords",   Event::Click, plain<actionSquadInWords_Click>,   "Orders > Squad In Words"},
    EventBinding{"actionCreateOrders",   Event::Click, thenSeasonOfOrders<Command1_Click>, "Orders > Create Orders, as the button"},
    EventBinding{"actionGoToOpponent",   Event::Click, plain<actionGoToOpponent_Click>,   "Go > Opponent"},
    EventBinding{"actionGoToPress",      Event::Click, plain<actionGoToPress_Click>,      "Go > Press Statement"},
    EventBinding{"actionGoToCaptain",    Event::Click, plain<actionGoToCaptain_Click>,    "Go > Captain"},
    EventBinding{"actionGoToPenaltyTaker", Event::Click, plain<actionGoToPenaltyTaker_Click>, "Go > Penalty Taker"},
    EventBinding{"actionGoToPosition1",  Event::Click, goToPosition<1>,                   "Go > Main Side 1 Position"},
    EventBinding{"actionGoToPosition2",  Event::Click, goToPosition<2>,                   "Go > Main Side 2 Position"},
    EventBinding{"actionGoToPosition3",  Event::Click, goToPosition<3>,                   "Go > Main Side 3 Position"},
    EventBinding{"actionGoToPosition4",  Event::Click, goToPosition<4>,                   "Go > Main Side 4 Position"},
    EventBinding{"actionGoToPosition5",  Event::Click, goToPosition<5>,                   "Go > Main Side 5 Position"},
    EventBinding{"actionGoToPosition6",  Event::Click, goToPosition<6>,                   "Go > Main Side 6 Position"},
    EventBinding{"actionGoToPosition7",  Event::Click, goToPosition<7>,                   "Go > Main Side 7 Position"},
    EventBinding{"actionGoToPosition8",  Event::Click, goToPosition<8>,                   "Go > Main Side 8 Position"},
    EventBinding{"actionGoToPosition9",  Event::Click, goToPosition<9>,                   "Go > Main Side 9 Position"},
    EventBinding{"actionGoToPosition10", Event::Click, goToPosition<10>,                  "Go > Main Side 10 Position"},
    EventBinding{"actionTeamFileFormat", Event::Click, plain<actionTeamFileFormat_Click>, "Help > Team File Format"},
    EventBinding{"actionAbout",          Event::Click, plain<actionAbout_Click>,          "Help > About TeamTool"},
    EventBinding{"actionAboutQt",        Event::Click, plain<actionAboutQt_Click>,        "Help > About Qt"},
};
// clang-format on

}  // namespace

std::span<const EventBinding> eventTable()
{
    return kEventTable;
}

void wireEvents(FRMTEAMTOOL& f)
{
    for (const EventBinding& binding : kEventTable) {
        bool found = false;
        const auto wire = [&](Control& control) {
            if (control.name != binding.control)
                return;
            found = true;
            control.on(binding.event, [&f, handler = binding.handler](EventArgs& args) { handler(f, args); });
        };
        for (const auto& control : f.controls())
            wire(*control);
        for (const auto& command : f.menuCommands())
            wire(*command);
        if (!found)
            throw std::logic_error("the event list names a control the design lacks: " + std::string(binding.control));
    }
}

void openTeamFile(FRMTEAMTOOL& f, const std::string& path)
{
    f.Text31.text = path;
    f.Command3.click();
}

bool openTeamFileBeforeShown(FRMTEAMTOOL& f, const std::string& path)
{
    // A real team file is a few kilobytes; one of a megabyte may take long enough to
    // want its progress shown.
    constexpr std::uintmax_t kQuickLoadBytes = std::uintmax_t{1} << 20;
    std::error_code error;
    const auto size = std::filesystem::file_size(pathFromUtf8(path), error);
    if (error || size > kQuickLoadBytes || !readStagedTeam(path, StagedLists::Skipped))
        return false;
    openTeamFile(f, path);
    return f.teamLoaded();
}

void dropFile(FRMTEAMTOOL& f, const std::string& path)
{
    if (f.teamLoaded())
        fillFromOrders(f, path);
    else
        openTeamFile(f, path);
}

void openRecent(FRMTEAMTOOL& f, std::size_t index)
{
    openRecentFile(f, index);
}

bool mayCloseWindow(FRMTEAMTOOL& f)
{
    return mayQuit(f);
}

std::unique_ptr<FRMTEAMTOOL> createMainWindow(Dialogs& dialogs)
{
    auto form = std::make_unique<FRMTEAMTOOL>(dialogs);
    wireEvents(*form);
    Form_Load(*form);
    return form;
}

}  // namespace teamtool
