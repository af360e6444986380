// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/grid_order.h"

#include "textio/numbers.h"

#include <algorithm>
#include <cstdint>

namespace teamtool {

std::vector<int> sortedGridRows(const Grid& grid, int column, bool descending, const TextRanking& rankTexts)
{
    enum Group : std::uint8_t { Number, Text, Empty };
    struct Key {
        double value;  // the number, or the text's rank
        int row;
        Group group;
    };
    std::vector<Key> keys;
    std::vector<std::string_view> texts;
    std::vector<std::size_t> textKeys;  // which key each text belongs to
    const int first = grid.fixedRows;
    keys.reserve(static_cast<std::size_t>(std::max(0, grid.rows() - first)));
    for (int row = first; row < grid.rows(); ++row) {
        const std::string_view cell = grid.textMatrix(row, column);
        double number = 0;
        if (cell.empty()) {
            keys.push_back({0, row, Empty});
        } else if (tryParseNumber(cell, number)) {
            keys.push_back({number, row, Number});
        } else {
            textKeys.push_back(keys.size());
            texts.push_back(cell);
            keys.push_back({0, row, Text});
        }
    }
    if (!texts.empty()) {
        const std::vector<int> ranks = rankTexts(texts);
        for (std::size_t k = 0; k < textKeys.size() && k < ranks.size(); ++k)
            keys[textKeys[k]].value = ranks[k];
    }
    std::stable_sort(keys.begin(), keys.end(), [descending](const Key& a, const Key& b) {
        if (a.group != b.group)
            return a.group < b.group;
        return descending ? b.value < a.value : a.value < b.value;
    });
    std::vector<int> rows;
    rows.reserve(keys.size());
    for (const Key& key : keys)
        rows.push_back(key.row);
    return rows;
}

std::string sortOrderWords(const Grid& grid, int column, bool descending)
{
    bool numbers = false;
    for (int row = grid.fixedRows; row < grid.rows(); ++row) {
        const std::string_view cell = grid.textMatrix(row, column);
        double number = 0;
        if (cell.empty())
            continue;
        if (!tryParseNumber(cell, number))
            return descending ? "Z to A" : "A to Z";
        numbers = true;
    }
    if (!numbers)
        return descending ? "Z to A" : "A to Z";
    return descending ? "highest first" : "lowest first";
}

std::string sortNote(const Grid& grid, int column, bool descending)
{
    if (column < 0 || column >= grid.cols())
        return "In the team file's order";
    const std::string heading(grid.fixedRows > 0 ? grid.textMatrix(0, column) : std::string_view());
    return "Sorted by " + heading + ", " + sortOrderWords(grid, column, descending);
}

}  // namespace teamtool
