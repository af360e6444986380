// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The controls of the window model. Plain data: a control holds its design-time
// properties (where it stands, what it shows), the state the handlers read and write,
// and the handlers its events run. Nothing here knows how a control is drawn.
//
// What a user does to a control is one of its member functions (click, doubleClick,
// pick, keyPress, setValue, ...): the model change plus the event it raises. The
// toolkit binding, the tests and the page renderer all act through them.

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace teamtool {

enum class Kind {
    Form,
    Frame,
    Label,
    TextBox,
    ComboBox,
    ListBox,
    CheckBox,
    OptionButton,
    CommandButton,
    TabControl,
    Grid,
    FileDialog,
    MenuCommand,
};

// The events a control raises. Which handler each one runs is set from the window's
// event table; a control only passes its events on.
enum class Event {
    Click,     // a button pressed, a list row or combo entry picked, a check box's value changed
    DblClick,  // a list row double-clicked, or Enter on the selected row
    KeyPress,  // a character typed into a drop-down box
    Scroll,    // a list scrolled to another first visible row
};
inline constexpr std::size_t kEventCount = 4;

struct EventArgs {
    int index = -1;    // the element of a control array that raised the event, or -1
    int keyAscii = 0;  // KeyPress: the character's code; a handler sets 0 to discard it
};

using EventHandler = std::function<void(EventArgs&)>;

// The name a control is known by everywhere: "Text27(3)" for an element of a control
// array, "Frame32" for a control of its own (index -1).
std::string controlName(const std::string& name, int index);

// Position and size in twips, relative to the container.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct Control {
    Kind kind = Kind::Label;
    std::string name;
    int index = -1;         // element of a control array, or -1
    std::string container;  // the frame or tab control it stands in; empty for the form itself
    int page = -1;          // tab page of SSTab1 it stands on, or -1
    Twips geometry;
    std::string caption;  // frames, labels, buttons, the form
    double fontSize = 0;  // 0: the form's default font
    bool bold = false;
    bool visible = true;
    bool enabled = true;
    // What a screen reader calls the control ("Slot 3 name"), and for a label the
    // control it names. The captions and texts above stay exactly as designed.
    std::string accessibleName;
    std::string buddy;
    // A frame a screen reader passes over: the controls in it name themselves in full
    // ("Marker: Okafor, main side 3"), so the frame's caption would only repeat.
    bool passedOverByReaders = false;

    // "Text27(3)", "Frame32": the name a control is known by everywhere.
    std::string fullName() const;

    // The handler event runs; none by default.
    void on(Event event, EventHandler handler);
    bool handles(Event event) const;
    // Runs event's handler, if any, with this control's index in args. Not const: the
    // handler changes the window, so nothing raises an event through a const control.
    void raise(Event event, EventArgs& args);
    void raise(Event event);

    virtual ~Control() = default;

private:
    std::array<EventHandler, kEventCount> m_handlers;
};

struct Form : Control {};

struct Frame : Control {};

struct Label : Control {};

struct CommandButton : Control {
    void click() { raise(Event::Click); }
};

struct TextBox : Control {
    std::string text;
    bool locked = false;  // read-only to the user; the program still writes it
    int maxLength = 0;    // 0: no limit
    bool multiLine = false;
    bool tightMargins = false;  // its text runs close to its border, to show more of it
};

// A list of texts with all their characters in one buffer: a grid's cells row by row,
// or a player list's items. 100,000 players' texts cost a few bytes each rather than a
// string each.
class TextList {
public:
    TextList() = default;
    TextList(std::initializer_list<std::string_view> texts);

    void reserve(std::size_t texts, std::size_t chars);
    void push_back(std::string_view text);
    // Appends every text of other.
    void append(const TextList& other);
    // Keeps the first `count` texts.
    void truncate(std::size_t count);
    void clear();
    std::size_t size() const { return m_ends.size(); }
    bool empty() const { return m_ends.empty(); }
    // Text `index`; an index past the end is an error.
    std::string_view operator[](std::size_t index) const;
    const std::string& chars() const { return m_chars; }

    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;
        const_iterator() = default;
        const_iterator(const TextList* list, std::size_t index) : m_list(list), m_index(index) {}
        std::string_view operator*() const { return (*m_list)[m_index]; }
        const_iterator& operator++()
        {
            ++m_index;
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator before = *this;
            ++m_index;
            return before;
        }
        bool operator==(const const_iterator& other) const { return m_index == other.m_index; }

    private:
        const TextList* m_list = nullptr;
        std::size_t m_index = 0;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    bool operator==(const TextList& other) const = default;

private:
    std::string m_chars;
    std::vector<std::uint32_t> m_ends;  // where each text's characters end
};

struct ComboBox : Control {
    std::string text;  // any text the program sets, listed or not
    std::vector<std::string> items;
    bool locked = false;  // the user cannot pick another item

    // The user picks item from the list: it becomes the text, and Click is raised.
    // A locked box, or an item not in the list, changes nothing.
    void pick(int item);
    // The user types a character; the handler may discard it by setting it to 0.
    void keyPress(int& keyAscii);
};

struct ListBox : Control {
    TextList items;
    int listIndex = -1;  // selected row, -1 for none
    int topIndex = 0;    // first visible row

    // The selected item, or nothing when no row is selected.
    std::optional<std::string_view> selectedItem() const;

    // The user selects row with a click (Click).
    void click(int row);
    // The user double-clicks row: a click first when row is not already selected, then
    // DblClick.
    void doubleClick(int row);
    // Enter on the selected row, like a double-click (DblClick).
    void pressEnter() { raise(Event::DblClick); }
    // The user scrolls the list so that row top is the first visible (Scroll).
    void scroll(int top);
};

// A check box whose value change, by the user or by the program, raises its click
// event, just as a click does. Setting the value it already has raises nothing.
struct CheckBox : Control {
    int value() const { return m_value; }
    void setValue(int value);
    // The design-time value, raising nothing.
    void resetValue() { m_value = 0; }

private:
    int m_value = 0;
};

// An option button; selecting one deselects every other button of the same frame.
struct OptionButton : Control {
    bool value() const { return m_value; }
    void setValue(bool value);
    // The design-time value, raising nothing.
    void resetValue() { m_value = false; }
    std::vector<OptionButton*> group;  // the buttons of the same frame, this one included

private:
    bool m_value = false;
};

struct TabControl : Control {
    std::vector<std::string> tabCaptions;
    int tab = 0;  // current page
};

// A read-only table of text cells. Row 0 is the heading row; the first fixedCols
// columns stay put when the user scrolls sideways.
struct Grid : Control {
    int rows() const { return m_rows; }
    int cols() const { return m_cols; }
    void setRows(int rows);
    void setCols(int cols);
    int fixedRows = 1;
    int fixedCols = 0;

    std::string_view textMatrix(int row, int col) const;
    // Sets one cell's text: meant for a few cells, such as the headings; a block of rows
    // goes in whole with assignRows.
    void setTextMatrix(int row, int col, std::string_view text);
    int colWidth(int col) const { return m_colWidths.at(static_cast<std::size_t>(col)); }
    void setColWidth(int col, int twips)
    {
        m_colWidths.at(static_cast<std::size_t>(col)) = twips;
        ++m_revision;
    }

    // Takes over a whole block of rows at once: cells holds a whole number of rows,
    // written from firstRow on. Rows past the grid's end are added. A block from row 1
    // on, handed over with std::move, becomes the grid's own without a copy.
    void assignRows(int firstRow, TextList cells);

    // Goes up with every change of shape, width or text, so a view knows when to redraw.
    unsigned revision() const { return m_revision; }

private:
    void checkCell(int row, int col) const;
    // Both parts re-laid as `rows` rows of `cols` cells, each cell as it was or empty.
    void relay(int rows, int cols);

    unsigned m_revision = 0;
    int m_rows = 0;
    int m_cols = 0;
    // Row 0 is kept apart from the rows below it, so that a team's rows, from row 1 on,
    // become the grid's own as they are.
    TextList m_head;  // row 0's cells
    TextList m_body;  // the cells of rows 1 on, row by row
    std::vector<int> m_colWidths;
};

struct FileDialog : Control {
    std::string dialogTitle;  // its title bar: what it picks; empty, the window's title
    std::string fileName;
    std::string initDir;
    std::string filter;        // "description|pattern"
    int flags = 0;             // cdlOFN... flags below
    bool cancelError = false;  // a cancel is reported to the caller, not taken as a choice
};

// A command of the menu bar above the designed window: the new features live there,
// beside the designed controls, never instead of them.
struct MenuCommand : Control {
    std::string menu;      // the menu it stands in: "&File", "&Orders", "&Help"
    std::string shortcut;  // a standard key ("Open", "Quit", "HelpContents"), keys ("Ctrl+L") or none
    bool separatorBefore = false;
    bool closesWindow = false;  // Quit: closing the window ends the program
    // Always: at any time; the others once a team is loaded and, for the last three,
    // after a comparison, while the season is kept, or when it holds an orders file.
    enum class When {
        Always,
        BeforeLoad,
        AfterLoad,
        AfterComparison,
        WhileKeeping,
        WithKeptOrders,
        WithKeptTeamFile
    } when = When::Always;
    bool checkable = false;  // a switch, on while `checked`
    bool checked = false;
    bool recentFiles = false;  // a submenu of the recent files, not a command
    // What it will do now, in a tooltip and for screen readers; empty: its caption says it.
    std::string description;

    void click() { raise(Event::Click); }
};

// The file dialog's flag that hides its read-only check box.
inline constexpr int cdlOFNHideReadOnly = 4;

}  // namespace teamtool
