// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// FRMTEAMTOOL, the one window, as a plain object: every control of the design under
// its name, in its design-time state. The window model is the whole of the program's
// state; handlers read and write it, and the toolkit binding shows it.

#include "app/comparison.h"
#include "app/controls.h"
#include "app/dialogs.h"
#include "app/season_state.h"
#include "app/season_view.h"
#include "textio/fingerprint.h"
#include "textio/trim.h"

#include <array>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace teamtool {

struct ControlSpec;

// The elements of a control array, told apart by their index from 0.
template <class T>
class ControlArray {
public:
    ControlArray() = default;
    T& operator()(int index) { return *m_items.at(static_cast<std::size_t>(index)); }
    const T& operator()(int index) const { return *m_items.at(static_cast<std::size_t>(index)); }
    int count() const { return static_cast<int>(m_items.size()); }
    void add(T* element) { m_items.push_back(element); }

private:
    std::vector<T*> m_items;
};

// The window. The controls the handlers use by name are its members, so that a const
// FRMTEAMTOOL& is a window nobody can change: its controls, their arrays' elements
// and every look-up are const through it.
class FRMTEAMTOOL {
public:
    // Creates every control in its design-time state. Form_Load has not run yet.
    explicit FRMTEAMTOOL(Dialogs& dialogs);
    FRMTEAMTOOL(const FRMTEAMTOOL&) = delete;
    FRMTEAMTOOL& operator=(const FRMTEAMTOOL&) = delete;
    ~FRMTEAMTOOL();

    // Every control, in design order, and a look-up by name and array index.
    std::span<Control* const> controls() { return m_controls; }
    std::span<const Control* const> controls() const { return m_constControls; }
    Control* find(std::string_view name, int index = -1);
    const Control* find(std::string_view name, int index = -1) const;

    // The menu bar's commands, menu by menu, and whether one can apply now: before a
    // team is loaded only the file selection's commands, Quit and Help can.
    std::span<MenuCommand* const> menuCommands() { return m_menuCommands; }
    std::span<const MenuCommand* const> menuCommands() const { return m_constMenuCommands; }
    MenuCommand* findMenuCommand(std::string_view name);
    const MenuCommand* findMenuCommand(std::string_view name) const;
    bool applies(const MenuCommand& command) const;

    // The controls of a tab page (or, for page -1, of the file selection) that the
    // keyboard reaches, in the order it does: rows top to bottom, left to right within
    // a row, as they stand on the page.
    std::vector<const Control*> focusOrder(int page) const;

    // The team page's boxes Text1 to Text26.
    TextBox& Text(int number) { return *m_teamBoxes.at(static_cast<std::size_t>(number - 1)); }
    const TextBox& Text(int number) const { return *m_teamBoxes.at(static_cast<std::size_t>(number - 1)); }

    // The window's state by what it means, for every layer above the model; the
    // design's names stay where the design is bound (the design table, the bindings,
    // the handlers named after controls).
    // A team file is loaded: the tabbed pages show.
    bool teamLoaded() const { return SSTab1.visible; }
    // The Team Abb, Team Name and Opponent boxes as the orders take them: without
    // blanks at either end.
    std::string_view teamAbbreviation() const { return trimSpaces(Text(8).text); }
    std::string_view teamName() const { return trimSpaces(Text(1).text); }
    std::string_view opponent() const { return trimSpaces(Text29.text); }
    // The press statement and the comments to the commissioner, as typed.
    const std::string& press() const { return Text35.text; }
    const std::string& comments() const { return Text36.text; }
    std::string& press() { return Text35.text; }
    std::string& comments() { return Text36.text; }
    // The marker box and the target of main-side slot `slot`: slots 1 to markerSlots()
    // have one each.
    int markerSlots() const { return Check1.count(); }
    CheckBox& markerOf(int slot) { return Check1(slot - 1); }
    const CheckBox& markerOf(int slot) const { return Check1(slot - 1); }
    TextBox& markerTargetOf(int slot) { return Text34(slot - 1); }
    const TextBox& markerTargetOf(int slot) const { return Text34(slot - 1); }
    bool marks(int slot) const { return markerOf(slot).value() == 1; }

    void msgBox(const std::string& text) { m_dialogs.msgBox(text); }
    Dialogs& dialogs() { return m_dialogs; }

    Form Me;

    // File selection.
    Frame Frame32;
    TextBox Text31;
    CommandButton Command4;  // "Select File"
    CommandButton Command3;  // "Load Team"
    FileDialog CommonDialog1;

    TabControl SSTab1;
    Grid MSFlexGrid1;

    // Squad selection.
    ListBox List1;
    ListBox List2;
    ListBox List3;
    ListBox List4;
    ListBox List5;
    ControlArray<ComboBox> Combo1;
    ControlArray<TextBox> Text27;
    ControlArray<TextBox> Text28;
    ControlArray<CommandButton> Command2;
    TextBox Text30;
    ControlArray<OptionButton> Option1;
    ControlArray<OptionButton> Option2;
    ControlArray<CheckBox> Check1;
    ControlArray<TextBox> Text34;

    // Order choices.
    TextBox Text29;
    ComboBox Combo2;
    ComboBox Combo3;
    TextBox Text32;
    TextBox Text33;
    // Press and Comments both start with the text "Text35": that is the design, not a
    // slip in the second box's name.
    TextBox Text35;
    TextBox Text36;
    CommandButton Command1;  // "Create Orders"

    // How many players the loaded team file holds: grid rows 1 to loadedPlayers.
    int loadedPlayers = 0;
    // The loaded team file's bytes, as they were read.
    FileFingerprint loadedFile;
    // The team file as it was loaded, whatever the boxes are edited to since.
    LoadedTeamFile loadedTeamFile;
    // A load's progress, from the reading until the season has kept and compared what
    // it read: the season's work after a load reports to it, and its Cancel skips that.
    std::unique_ptr<Progress> loadProgress;
    // An earlier team file beside this week's, once the manager has picked one.
    Comparison comparison;
    // Goes up with every team file that loads.
    unsigned loads = 0;
    // What the squad, the order choices, the press and the comments held right after
    // the load (selectionState), and the orders written since.
    std::string selectionAtLoad;
    WrittenOrders written;
    // The season and the files loaded before.
    SeasonState season;
    // The loaded team's kept weeks, as File > Season... read them last.
    SeasonView seasonView;
    // The grid's rows (from 1) in the order the view shows them; empty: the file's order.
    std::vector<int> shownGridRows;
    // The control the keyboard is to go to next, by full name ("Combo1(2)"), set by a
    // command that leaves the manager somewhere to act; the view moves the focus there
    // once it shows the change, and clears it. Empty: the focus stays where it is.
    std::string focusRequest;
    // Asks for the focus on `control`, on its page: the page shows.
    void moveFocusTo(const Control& control);

    // Every control back in its design-time state, as the program starts, but wired to
    // its handlers as before; Form_Load has not run again. The season stays.
    void restoreDesignTimeState();

    // List1 to List5 by number.
    ListBox& list(int number);
    const ListBox& list(int number) const;

private:
    // The controls that are members above, by name.
    Control* member(std::string_view name);
    template <class T>
    ControlArray<T> array(std::string_view name);

    std::vector<std::unique_ptr<Control>> m_others;  // the controls that are no member
    std::vector<Control*> m_controls;                // all of them, in design order
    std::vector<const Control*> m_constControls;
    std::vector<std::unique_ptr<MenuCommand>> m_ownedMenuCommands;
    std::vector<MenuCommand*> m_menuCommands;
    std::vector<const MenuCommand*> m_constMenuCommands;
    Dialogs& m_dialogs;
    std::array<TextBox*, 26> m_teamBoxes{};
};

}  // namespace teamtool
