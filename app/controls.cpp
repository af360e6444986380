#include "app/controls.h"

#include <stdexcept>

namespace teamtool {

std::string Control::fullName() const
{
    return index < 0 ? name : name + "(" + std::to_string(index) + ")";
}

const std::string* ListBox::selectedItem() const
{
    if (listIndex < 0 || listIndex >= static_cast<int>(items.size()))
        return nullptr;
    return &items[static_cast<std::size_t>(listIndex)];
}

void CheckBox::setValue(int value)
{
    if (value == m_value)
        return;
    m_value = value;
    if (onClick)
        onClick();
}

void OptionButton::setValue(bool value)
{
    if (value)
        for (OptionButton* other : group)
            if (other != this)
                other->m_value = false;
    m_value = value;
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
    std::vector<std::string> cells(static_cast<std::size_t>(m_rows) * static_cast<std::size_t>(cols));
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < std::min(cols, m_cols); ++c)
            cells[static_cast<std::size_t>(r * cols + c)] = std::move(m_cells[static_cast<std::size_t>(r * m_cols + c)]);
    m_cells = std::move(cells);
    m_cols = cols;
    ++m_revision;
    m_colWidths.resize(static_cast<std::size_t>(cols), 0);
}

const std::string& Grid::textMatrix(int row, int col) const
{
    if (row < 0 || row >= m_rows || col < 0 || col >= m_cols)
        throw std::out_of_range("Grid::textMatrix");
    return m_cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(m_cols) + static_cast<std::size_t>(col)];
}

void Grid::setTextMatrix(int row, int col, std::string text)
{
    if (row < 0 || row >= m_rows || col < 0 || col >= m_cols)
        throw std::out_of_range("Grid::setTextMatrix");
    ++m_revision;
    m_cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(m_cols) + static_cast<std::size_t>(col)] =
        std::move(text);
}

void Grid::assignRows(int firstRow, std::vector<std::string> cells)
{
    if (firstRow < 0 || m_cols == 0 || cells.size() % static_cast<std::size_t>(m_cols) != 0)
        throw std::invalid_argument("Grid::assignRows");
    const std::size_t begin = static_cast<std::size_t>(firstRow) * static_cast<std::size_t>(m_cols);
    const std::size_t end = begin + cells.size();
    if (end > m_cells.size()) {
        m_cells.resize(end);
        m_rows = static_cast<int>(end / static_cast<std::size_t>(m_cols));
    }
    std::move(cells.begin(), cells.end(), m_cells.begin() + static_cast<std::ptrdiff_t>(begin));
    ++m_revision;
}

}  // namespace teamtool
