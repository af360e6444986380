// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// File > Season...: the loaded team's kept weeks side by side. A table per page, the
// players' figure of the manager's choice and the team's numbers, one column per kept
// team file, oldest first, then the change; the lines drawn over them; the table copied
// or exported; earlier weeks added and a mistaken week removed.
//
// Players are matched by name, as the comparison with an earlier week matches them:
// players of one name in file order. The rows are the loaded team's players in its
// file's order, then the players no longer in it, the most recently gone first.

#include "app/controls.h"
#include "app/season_view.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace teamtool {

class FRMTEAMTOOL;

// A figure the players' table can show: the grid column and its heading.
struct SeasonFigure {
    int column = 0;
    std::string heading;
};

// A season table: row 0 the headings (the row's name, one heading per week, "Change"),
// then one row per player or team field. Its first column names the row.
struct SeasonTable {
    enum class Page { Players, Team, Played };
    Page page = Page::Players;
    Grid grid;
    std::string figure;                  // "NSL" on the players' page, else empty
    std::vector<std::string> rowNotes;   // per row from 1 ([row - 1]): "Gone since 30 Nov"
    int weeks = 0;                       // columns 1 to weeks are kept weeks
    std::vector<std::size_t> keptWeeks;  // column k's week in the season view ([k - 1])

    int rows() const { return grid.rows() - 1; }
    bool gone(int row) const { return !rowNotes[static_cast<std::size_t>(row - 1)].empty(); }
};

// Reads the loaded team's kept team files into f.seasonView: the ones that do not
// read as a team file of this team are named in its `unreadable`, orders files left
// out.
void readSeasonView(FRMTEAMTOOL& f);

// The season window's title ("RDV Redvale Rovers: the season"), and the name its
// export suggests for a page ("RDV season NSL.csv", "RDV season team.csv").
std::string seasonWindowTitle(const FRMTEAMTOOL& f);
std::string seasonExportName(const FRMTEAMTOOL& f, const SeasonTable& shown);

// What the window says under its tables of what it could not show: a season folder
// that cannot be listed, kept files that cannot be read. Empty when all is shown.
std::string seasonViewProblems(const SeasonView& view);

// The figure the players' table shows until another is chosen: NSL.
SeasonFigure defaultSeasonFigure();

// The player columns that hold numbers in every kept week: NSL, SP, Max SP, then the
// others in the grid's order.
std::vector<SeasonFigure> seasonFigures(const SeasonView& view);

// A week's heading: "30 Nov", with the year where the season spans two years, and with
// the time where two weeks were kept on one day.
std::string weekHeading(const SeasonView& view, std::size_t week);

// The players' table of the grid column `column` (one of seasonFigures).
SeasonTable playerTable(const FRMTEAMTOOL& f, int column);
// Who played: the players' rows, a column for each kept week with orders kept after
// its team file, then how often each player started, sat on the bench and was not
// picked. A cell is his slot in that week's orders as the window names it ("main side
// 3 (CB)"), with C, P and M for captain, penalties and marking; "not picked"; "out (WI
// 2)" when that week's team file made him not selectable; empty where he was not in
// the team.
SeasonTable playedTable(const FRMTEAMTOOL& f);
// The team's fields that hold numbers in every kept week, one per row.
SeasonTable teamTable(const SeasonView& view);

// What a table and its chart show, as their title: "NSL week by week", "The team's
// numbers week by week".
std::string seasonTableTitle(const SeasonTable& table);

// What a screen reader hears of a table's cell (grid row and column from 1): "Doyle,
// 30 Nov: 19.8"; an empty week "no figure", on the Played page "not in the team".
std::string spokenCell(const SeasonTable& table, int row, int col);

// The rows whose lines the chart draws: the selected ones (grid rows from 1, up to
// eight), or with none selected the five with the highest figure in the last week.
std::vector<int> chartedRows(const SeasonTable& table, std::vector<int> selected);
// A row's figure in each week, nothing where it has none.
std::vector<std::optional<double>> rowValues(const SeasonTable& table, int row);
// What a point says: "Doyle, 30 Nov: NSL 19.8".
std::string pointNote(const SeasonTable& table, int row, int week);
// What the chart shows, for a screen reader: "NSL of Doyle and Iwobi, 7 Sep to 7 Dec
// 2026; the table below holds the figures".
std::string chartDescription(const SeasonTable& table, const SeasonView& view, const std::vector<int>& rows);

// The cells of `rows` and `cols` (grid rows and columns, in the order shown) as
// tab-separated text with the headings of cols first, one '\n' per line.
std::string copiedCells(const Grid& grid, const std::vector<int>& rows, const std::vector<int>& cols);
// The whole of grid, its rows in the order `rows` (grid rows from 1) as CSV: a
// byte-order mark, the heading row, a field quoted where it needs to be, CR LF.
std::string csvOf(const Grid& grid, const std::vector<int>& rows);

// Writes grid as CSV to a file the manager picks ("Export..."), all or nothing;
// suggestedName: the file name the dialog starts with.
void exportTable(FRMTEAMTOOL& f, const Grid& grid, const std::vector<int>& rows, const std::string& suggestedName);

// File > Season...: the kept weeks read, then the window shown.
void actionSeason_Click(FRMTEAMTOOL& f);
// File > Export Player Stats...: the grid as it is shown, in its order.
void actionExportPlayerStats_Click(FRMTEAMTOOL& f);
// Add Team Files...: team files the manager picks kept in the season, each with its
// file's time; one message of what was added, skipped and refused.
void actionAddToSeason_Click(FRMTEAMTOOL& f);
// The same for files already picked.
void addTeamFiles(FRMTEAMTOOL& f, const std::vector<std::string>& paths);
// Remove Week...: after asking, deletes the kept team file of week `week`. True when
// it was deleted.
bool removeWeek(FRMTEAMTOOL& f, std::size_t week);

}  // namespace teamtool
