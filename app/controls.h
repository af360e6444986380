#pragma once

// The controls of the window model. Plain data: a control holds its design-time
// properties (where it stands, what it shows) and the state the handlers read and
// write. Nothing here knows how a control is drawn.

#include <cstdint>
#include <functional>
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
};

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
    std::string caption;    // frames, labels, buttons, the form
    double fontSize = 0;    // 0: the form's default font
    bool bold = false;
    bool visible = true;
    bool enabled = true;

    // "Text27(3)", "Frame32": the name a control is known by everywhere.
    std::string fullName() const;

    virtual ~Control() = default;
};

struct Form : Control {
};

struct Frame : Control {
};

struct Label : Control {
};

struct CommandButton : Control {
};

struct TextBox : Control {
    std::string text;
    bool locked = false;     // read-only to the user; the program still writes it
    int maxLength = 0;       // 0: no limit
    bool multiLine = false;
};

struct ComboBox : Control {
    std::string text;        // any text the program sets, listed or not
    std::vector<std::string> items;
    bool locked = false;     // the user cannot pick another item
};

struct ListBox : Control {
    std::vector<std::string> items;
    int listIndex = -1;      // selected row, -1 for none
    int topIndex = 0;        // first visible row

    // The selected item, or nullptr when no row is selected.
    const std::string* selectedItem() const;
};

// A check box whose value change, by the user or by the program, raises its click
// event, just as a click does. Setting the value it already has raises nothing.
struct CheckBox : Control {
    int value() const { return m_value; }
    void setValue(int value);
    std::function<void()> onClick;

private:
    int m_value = 0;
};

// An option button; selecting one deselects every other button of the same frame.
struct OptionButton : Control {
    bool value() const { return m_value; }
    void setValue(bool value);
    std::vector<OptionButton*> group;  // the buttons of the same frame, this one included

private:
    bool m_value = false;
};

struct TabControl : Control {
    std::vector<std::string> tabCaptions;
    int tab = 0;             // current page
};

// Texts of grid cells, row by row, with all their characters in one buffer: a block
// of 100,000 players' rows costs a few bytes a cell rather than a string each.
class GridTexts {
public:
    void reserve(std::size_t cells, std::size_t chars);
    void push_back(std::string_view text);
    std::size_t size() const { return m_ends.size(); }
    bool empty() const { return m_ends.empty(); }
    std::string_view operator[](std::size_t cell) const;
    const std::string& chars() const { return m_chars; }

private:
    std::string m_chars;
    std::vector<std::uint32_t> m_ends;  // where each cell's characters end
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
    void setTextMatrix(int row, int col, std::string_view text);
    int colWidth(int col) const { return m_colWidths.at(col); }
    void setColWidth(int col, int twips)
    {
        m_colWidths.at(col) = twips;
        ++m_revision;
    }

    // Takes over a whole block of rows at once: cells holds a whole number of rows,
    // written from firstRow on. Rows past the grid's end are added.
    void assignRows(int firstRow, const GridTexts& cells);

    // Goes up with every change of shape, width or text, so a view knows when to redraw.
    unsigned revision() const { return m_revision; }

private:
    struct Cell {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
    };
    std::size_t cellIndex(int row, int col) const;
    std::uint32_t appendChars(std::string_view text);

    unsigned m_revision = 0;
    int m_rows = 0;
    int m_cols = 0;
    std::vector<Cell> m_cells;  // row by row
    std::string m_chars;        // every cell's characters
    std::vector<int> m_colWidths;
};

struct FileDialog : Control {
    std::string fileName;
    std::string initDir;
    std::string filter;      // "description|pattern"
    int flags = 0;
    bool cancelError = false;
};

// The file dialog's flag that hides its read-only check box.
inline constexpr int cdlOFNHideReadOnly = 4;

}  // namespace teamtool
