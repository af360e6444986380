// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The order in which a view may show the grid's rows, sorted by one column. Sorting is
// only a view: the grid's cells, the lists and the orders stay in the team file's order.

#include "app/controls.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace teamtool {

// Gives each of texts its place in the user's alphabetical order (0 first; equal texts
// equal places). The toolkit knows the user's locale; the rules below do not need to.
using TextRanking = std::function<std::vector<int>(const std::vector<std::string_view>& texts)>;

// The grid's data rows (1 on; row 0 heads it) ordered by column: numbers as numbers
// before texts in alphabetical order, and empty cells last whichever way the order
// goes. Rows whose cells are equal keep the file's order.
std::vector<int> sortedGridRows(const Grid& grid, int column, bool descending, const TextRanking& rankTexts);

// The order as words: "highest first" or "lowest first" for a column of numbers,
// "Z to A" or "A to Z" for one of texts.
std::string sortOrderWords(const Grid& grid, int column, bool descending);

// What a sort is told as: "Sorted by NSL, highest first"; column -1 for the file's
// order, "In the team file's order".
std::string sortNote(const Grid& grid, int column, bool descending);

}  // namespace teamtool
