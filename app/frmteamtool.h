#pragma once

// FRMTEAMTOOL, the one window, as a plain object: every control of the design under
// its name, in its design-time state. The window model is the whole of the program's
// state; handlers read and write it, and the toolkit binding shows it.

#include "app/controls.h"
#include "app/dialogs.h"

#include <array>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace teamtool {

struct ControlSpec;

// The elements of a control array, told apart by their index from 0.
template <class T>
class ControlArray {
public:
    T& operator()(int index) { return *m_items.at(static_cast<std::size_t>(index)); }
    const T& operator()(int index) const { return *m_items.at(static_cast<std::size_t>(index)); }
    int count() const { return static_cast<int>(m_items.size()); }
    void add(T* element) { m_items.push_back(element); }

private:
    std::vector<T*> m_items;
};

class FRMTEAMTOOL {
public:
    // Creates every control in its design-time state. Form_Load has not run yet.
    explicit FRMTEAMTOOL(Dialogs& dialogs);
    FRMTEAMTOOL(const FRMTEAMTOOL&) = delete;
    FRMTEAMTOOL& operator=(const FRMTEAMTOOL&) = delete;
    ~FRMTEAMTOOL();

    // Every control, in design order, and a look-up by name and array index.
    std::span<const std::unique_ptr<Control>> controls() const { return m_controls; }
    Control* find(std::string_view name, int index = -1) const;

    // The menu bar's commands, menu by menu, and whether one can apply now: before a
    // team is loaded only the file selection's commands, Quit and Help can.
    std::span<const std::unique_ptr<MenuCommand>> menuCommands() const { return m_menuCommands; }
    MenuCommand* findMenuCommand(std::string_view name) const;
    bool applies(const MenuCommand& command) const;

    // The controls of a tab page (or, for page -1, of the file selection) that the
    // keyboard reaches, in the order it does: rows top to bottom, left to right within
    // a row, as they stand on the page.
    std::vector<Control*> focusOrder(int page) const;

    // The team page's boxes Text1 to Text26.
    TextBox& Text(int number) { return *m_teamBoxes.at(static_cast<std::size_t>(number - 1)); }
    const TextBox& Text(int number) const { return *m_teamBoxes.at(static_cast<std::size_t>(number - 1)); }

    void msgBox(const std::string& text) { m_dialogs.msgBox(text); }
    Dialogs& dialogs() { return m_dialogs; }

private:
    std::vector<std::unique_ptr<Control>> m_controls;  // declared first: the references below point into it
    std::vector<std::unique_ptr<MenuCommand>> m_menuCommands;
    Dialogs& m_dialogs;
    std::array<TextBox*, 26> m_teamBoxes{};

    template <class T>
    T& named(std::string_view name);
    template <class T>
    ControlArray<T> array(std::string_view name);

public:
    Form& Me;

    // File selection.
    Frame& Frame32;
    TextBox& Text31;
    CommandButton& Command4;  // "Select File"
    CommandButton& Command3;  // "Load Team"
    FileDialog& CommonDialog1;

    TabControl& SSTab1;
    Grid& MSFlexGrid1;

    // Squad selection.
    ListBox& List1;
    ListBox& List2;
    ListBox& List3;
    ListBox& List4;
    ListBox& List5;
    ControlArray<ComboBox> Combo1;
    ControlArray<TextBox> Text27;
    ControlArray<TextBox> Text28;
    ControlArray<CommandButton> Command2;
    TextBox& Text30;
    ControlArray<OptionButton> Option1;
    ControlArray<OptionButton> Option2;
    ControlArray<CheckBox> Check1;
    ControlArray<TextBox> Text34;

    // Order choices.
    TextBox& Text29;
    ComboBox& Combo2;
    ComboBox& Combo3;
    TextBox& Text32;
    TextBox& Text33;
    TextBox& Text35;
    TextBox& Text36;
    CommandButton& Command1;  // "Create Orders"

    // List1 to List5 by number.
    ListBox& list(int number);
};

}  // namespace teamtool
