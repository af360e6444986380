#include "app/controls.h"

#include <algorithm>
#include <stdexcept>

namespace teamtool {

std::string controlName(const std::string& name, int index)
{
    return index < 0 ? name : name + "(" + std::to_string(index) + ")";
}

std::string Control::fullName() const
{
    return controlName(name, index);
}

void Control::on(Event event, EventHandler handler)
{
    m_handlers.at(static_cast<std::size_t>(event)) = std::move(handler);
}

bool Control::handles(Event event) const
{
    return static_cast<bool>(m_handlers.at(static_cast<std::size_t>(event)));
}

void Control::raise(Event event, EventArgs& args) const
{
    if (const EventHandler& handler = m_handlers.at(static_cast<std::size_t>(event))) {
        args.index = index;
        handler(args);
    }
}

void Control::raise(Event event) const
{
    EventArgs args;
    raise(event, args);
}

void ComboBox::pick(int item)
{
    if (locked || item < 0 || item >= static_cast<int>(items.size()))
        return;
    text = items[static_cast<std::size_t>(item)];
    raise(Event::Click);
}

void ComboBox::keyPress(int& keyAscii) const
{
    EventArgs args;
    args.keyAscii = keyAscii;
    raise(Event::KeyPress, args);
    keyAscii = args.keyAscii;
}

void ListBox::click(int row)
{
    listIndex = row;
    raise(Event::Click);
}

void ListBox::doubleClick(int row)
{
    // A double-click is a click first: the row it lands on is selected.
    if (listIndex != row)
        click(row);
    raise(Event::DblClick);
}

void ListBox::scroll(int top)
{
    topIndex = top;
    raise(Event::Scroll);
}

std::optional<std::string_view> ListBox::selectedItem() const
{
    if (listIndex < 0 || listIndex >= static_cast<int>(items.size()))
        return std::nullopt;
    return items[static_cast<std::size_t>(listIndex)];
}

void CheckBox::setValue(int value)
{
    if (value == m_value)
        return;
    m_value = value;
    raise(Event::Click);
}

void OptionButton::setValue(bool value)
{
    if (value)
        for (OptionButton* other : group)
            if (other != this)
                other->m_value = false;
    m_value = value;
}

TextList::TextList(std::initializer_list<std::string_view> texts)
{
    for (const std::string_view text : texts)
        push_back(text);
}

void TextList::reserve(std::size_t texts, std::size_t chars)
{
    m_ends.reserve(texts);
    m_chars.reserve(chars);
}

void TextList::append(const TextList& other)
{
    if (m_chars.size() + other.m_chars.size() > UINT32_MAX)
        throw std::length_error("TextList: too many characters");
    const auto base = static_cast<std::uint32_t>(m_chars.size());
    m_chars += other.m_chars;
    m_ends.reserve(m_ends.size() + other.m_ends.size());
    for (const std::uint32_t end : other.m_ends)
        m_ends.push_back(base + end);
}

void TextList::truncate(std::size_t count)
{
    if (count >= m_ends.size())
        return;
    m_ends.resize(count);
    m_chars.resize(count == 0 ? 0 : m_ends.back());
}

void TextList::clear()
{
    m_ends.clear();
    m_chars.clear();
}

void TextList::push_back(std::string_view text)
{
    if (m_chars.size() + text.size() > UINT32_MAX)
        throw std::length_error("TextList: too many characters");
    m_chars.append(text);
    m_ends.push_back(static_cast<std::uint32_t>(m_chars.size()));
}

std::string_view TextList::operator[](std::size_t index) const
{
    const std::uint32_t end = m_ends.at(index);
    const std::uint32_t begin = index == 0 ? 0 : m_ends[index - 1];
    return std::string_view(m_chars.data() + begin, end - begin);
}

void Grid::setRows(int rows)
{
    if (rows < 0)
        throw std::out_of_range("Grid::setRows");
    m_rows = rows;
    ++m_revision;
    m_cells.resize(static_cast<std::size_t>(m_rows) * static_cast<std::size_t>(m_cols));
}

void Grid::setCols(int cols)
{
    if (cols < 0)
        throw std::out_of_range("Grid::setCols");
    // Re-lay the cells row by row under the new width.
    std::vector<Cell> cells(static_cast<std::size_t>(m_rows) * static_cast<std::size_t>(cols));
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < std::min(cols, m_cols); ++c)
            cells[static_cast<std::size_t>(r * cols + c)] = m_cells[static_cast<std::size_t>(r * m_cols + c)];
    m_cells = std::move(cells);
    m_cols = cols;
    ++m_revision;
    m_colWidths.resize(static_cast<std::size_t>(cols), 0);
}

std::size_t Grid::cellIndex(int row, int col) const
{
    if (row < 0 || row >= m_rows || col < 0 || col >= m_cols)
        throw std::out_of_range("Grid: no cell (" + std::to_string(row) + ", " + std::to_string(col) + ")");
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(m_cols) + static_cast<std::size_t>(col);
}

std::uint32_t Grid::appendChars(std::string_view text)
{
    if (m_chars.size() + text.size() > UINT32_MAX)
        throw std::length_error("Grid: too many characters");
    const auto offset = static_cast<std::uint32_t>(m_chars.size());
    m_chars.append(text);
    return offset;
}

std::string_view Grid::textMatrix(int row, int col) const
{
    const Cell cell = m_cells[cellIndex(row, col)];
    return std::string_view(m_chars).substr(cell.offset, cell.length);
}

void Grid::setTextMatrix(int row, int col, std::string_view text)
{
    Cell& cell = m_cells[cellIndex(row, col)];
    // A text no longer than the old one takes its place; a longer one goes at the end.
    if (text.size() <= cell.length)
        std::copy(text.begin(), text.end(), m_chars.begin() + cell.offset);
    else
        cell.offset = appendChars(text);
    cell.length = static_cast<std::uint32_t>(text.size());
    ++m_revision;
}

void Grid::assignRows(int firstRow, const TextList& cells)
{
    if (firstRow < 0 || m_cols == 0 || cells.size() % static_cast<std::size_t>(m_cols) != 0)
        throw std::invalid_argument("Grid::assignRows");
    const std::size_t begin = static_cast<std::size_t>(firstRow) * static_cast<std::size_t>(m_cols);
    const std::size_t end = begin + cells.size();
    if (end > m_cells.size()) {
        m_cells.resize(end);
        m_rows = static_cast<int>(end / static_cast<std::size_t>(m_cols));
    }
    const std::uint32_t base = appendChars(cells.chars());
    std::uint32_t cellBegin = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const auto length = static_cast<std::uint32_t>(cells[i].size());
        m_cells[begin + i] = Cell{base + cellBegin, length};
        cellBegin += length;
    }
    ++m_revision;
}

}  // namespace teamtool
