// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

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

void Control::raise(Event event, EventArgs& args)
{
    if (const EventHandler& handler = m_handlers.at(static_cast<std::size_t>(event))) {
        args.index = index;
        handler(args);
    }
}

void Control::raise(Event event)
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

void ComboBox::keyPress(int& keyAscii)
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

void Grid::relay(int rows, int cols)
{
    const auto cellsOf = [&](int partRows, int firstRow) {
        TextList cells;
        for (int r = 0; r < partRows; ++r)
            for (int c = 0; c < cols; ++c)
                cells.push_back(firstRow + r < m_rows && c < m_cols ? textMatrix(firstRow + r, c) : std::string_view());
        return cells;
    };
    TextList head = cellsOf(rows > 0 ? 1 : 0, 0);
    TextList body = cellsOf(std::max(0, rows - 1), 1);
    m_head = std::move(head);
    m_body = std::move(body);
    m_rows = rows;
    m_cols = cols;
    ++m_revision;
}

void Grid::setRows(int rows)
{
    if (rows < 0)
        throw std::out_of_range("Grid::setRows");
    if (m_rows > 0 && rows > 0) {
        // Rows are dropped or added at the end, the others left where they are.
        const std::size_t bodyCells = static_cast<std::size_t>(rows - 1) * static_cast<std::size_t>(m_cols);
        m_body.truncate(bodyCells);
        while (m_body.size() < bodyCells)
            m_body.push_back({});
        m_rows = rows;
        ++m_revision;
        return;
    }
    relay(rows, m_cols);
}

void Grid::setCols(int cols)
{
    if (cols < 0)
        throw std::out_of_range("Grid::setCols");
    relay(m_rows, cols);
    m_colWidths.resize(static_cast<std::size_t>(cols), 0);
}

void Grid::checkCell(int row, int col) const
{
    if (row < 0 || row >= m_rows || col < 0 || col >= m_cols)
        throw std::out_of_range("Grid: no cell (" + std::to_string(row) + ", " + std::to_string(col) + ")");
}

std::string_view Grid::textMatrix(int row, int col) const
{
    checkCell(row, col);
    if (row == 0)
        return m_head[static_cast<std::size_t>(col)];
    return m_body[static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(m_cols) + static_cast<std::size_t>(col)];
}

void Grid::setTextMatrix(int row, int col, std::string_view text)
{
    checkCell(row, col);
    TextList& part = row == 0 ? m_head : m_body;
    const std::size_t at = (row == 0 ? 0 : static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(m_cols)) +
                           static_cast<std::size_t>(col);
    TextList cells;
    cells.reserve(part.size(), part.chars().size() + text.size());
    for (std::size_t k = 0; k < part.size(); ++k)
        cells.push_back(k == at ? text : part[k]);
    part = std::move(cells);
    ++m_revision;
}

void Grid::assignRows(int firstRow, TextList cells)
{
    if (firstRow < 0 || m_cols == 0 || cells.size() % static_cast<std::size_t>(m_cols) != 0)
        throw std::invalid_argument("Grid::assignRows");
    const int blockRows = static_cast<int>(cells.size() / static_cast<std::size_t>(m_cols));
    if (blockRows == 0)
        return;
    const int rows = std::max(m_rows, firstRow + blockRows);
    if (firstRow == 1 && m_rows > 0) {
        // The block becomes the body; rows of the body below it stay.
        TextList below;
        for (std::size_t k = cells.size(); k < m_body.size(); ++k)
            below.push_back(m_body[k]);
        m_body = std::move(cells);
        m_body.append(below);
        m_rows = rows;
        ++m_revision;
        return;
    }
    // Any other block: both parts written anew, each cell from the block or as it was.
    const auto cols = static_cast<std::size_t>(m_cols);
    const auto textOf = [&](int row, std::size_t col) {
        if (row >= firstRow && row < firstRow + blockRows)
            return cells[static_cast<std::size_t>(row - firstRow) * cols + col];
        return row < m_rows ? textMatrix(row, static_cast<int>(col)) : std::string_view();
    };
    TextList head;
    TextList body;
    for (int row = 0; row < rows; ++row)
        for (std::size_t col = 0; col < cols; ++col)
            (row == 0 ? head : body).push_back(textOf(row, col));
    m_head = std::move(head);
    m_body = std::move(body);
    m_rows = rows;
    ++m_revision;
}

}  // namespace teamtool
