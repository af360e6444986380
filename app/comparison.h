// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// This week's team beside an earlier team file, one the manager picked or the one the
// season kept before it: what that file showed, and which of its players each of this
// week's is. A view only: nothing here changes a control's text.

#include "app/controls.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace teamtool {

// A mark painted beside a cell's or list item's text, with its words: which way a
// number went and by how much ("+0.5"), or a player new since the earlier file ("new").
struct ChangeMark {
    enum class Kind { Up, Down, New };
    Kind kind = Kind::New;
    std::string text;

    bool operator==(const ChangeMark&) const = default;
};

struct Comparison {
    // The earlier file's name ("RDV-week12.txt"); empty while nothing is compared.
    std::string earlierFile;
    // The summary's lines, one '\n' after each but the last.
    std::string summary;
    // The text each team box Text1 to Text26 (index 0 to 25) showed then.
    std::array<std::string, 26> teamBoxWas;
    // The earlier file's players as the grid showed them, row by row, in grid column order.
    TextList earlierCells;
    int columns = 0;
    // For this week's grid row r (from 1), earlierRow[r - 1] is the earlier player's row
    // in earlierCells (from 0), or -1 for a player who is new.
    std::vector<int> earlierRow;
    // The grid row of each player list item: the lists hold the players who can be
    // picked, in file order.
    std::vector<int> listItemRow;
    // Goes up with every comparison made or dropped, so a view knows when to repaint.
    unsigned revision = 0;

    bool made() const { return !earlierFile.empty(); }
    // How many players the earlier file holds, and the text of column col of one of
    // them (from 0).
    int earlierPlayers() const { return columns == 0 ? 0 : static_cast<int>(earlierCells.size()) / columns; }
    std::string_view earlierCell(int earlier, int col) const
    {
        return earlierCells[static_cast<std::size_t>(earlier) * static_cast<std::size_t>(columns) +
                            static_cast<std::size_t>(col)];
    }
    // The earlier text of grid cell (row, col) of a matched player; nothing for a new
    // player or a row or column the comparison does not cover.
    std::optional<std::string_view> earlierText(int row, int col) const
    {
        if (row < 1 || row > static_cast<int>(earlierRow.size()) || col < 0 || col >= columns)
            return std::nullopt;
        const int earlier = earlierRow[static_cast<std::size_t>(row - 1)];
        if (earlier < 0)
            return std::nullopt;
        return earlierCell(earlier, col);
    }
};

}  // namespace teamtool
