// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "week/season_window.h"

#include "app/frmteamtool.h"
#include "teamfile/read_error.h"
#include "teamfile/record_reader.h"
#include "teamfile/staged_team.h"
#include "teamfile/team_records.h"
#include "textio/encoding.h"
#include "textio/numbers.h"
#include "textio/words.h"
#include "week/orders_reader.h"
#include "week/season_commands.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <map>
#include <system_error>
#include <unordered_map>
#include <utility>

namespace teamtool {

namespace {

std::string twoDigits(int value)
{
    return (value < 10 ? "0" : "") + std::to_string(value);
}

bool sameDay(const KeptTime& a, const KeptTime& b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

bool spansYears(const SeasonView& view)
{
    return !view.weeks.empty() && view.weeks.front().time.year != view.weeks.back().time.year;
}

bool isNumber(std::string_view text)
{
    double value = 0;
    return tryParseNumber(text, value);
}

int decimalsOf(std::string_view text)
{
    const auto point = text.find('.');
    return point == std::string_view::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

// later - earlier, signed, with the decimals the texts have: "+0.5", "-2", "0.0".
std::string changeText(std::string_view earlier, std::string_view later)
{
    double was = 0;
    double now = 0;
    if (!tryParseNumber(earlier, was) || !tryParseNumber(later, now))
        return {};
    const int decimals = std::min(std::max(decimalsOf(earlier), decimalsOf(later)), 6);
    double change = now - was;
    const double unit = std::pow(10.0, decimals);
    if (std::round(std::abs(change) * unit) == 0)
        change = 0;
    std::array<char, 400> digits{};
    const auto written =
        std::to_chars(digits.data(), digits.data() + digits.size(), change, std::chars_format::fixed, decimals);
    if (written.ec != std::errc())
        return {};
    return (change > 0 ? "+" : "") + std::string(digits.data(), written.ptr);
}

std::string_view cellOf(const SeasonWeek& week, int player, int column)
{
    return week.cells[static_cast<std::size_t>(player) * kPlayerFieldCount + static_cast<std::size_t>(column)];
}

// A player as the weeks know him: his name and which of that name he is, in file order.
using PlayerKey = std::pair<std::string, int>;

// Each week's players by key.
std::vector<std::map<PlayerKey, int>> playersByKey(const SeasonView& view)
{
    std::vector<std::map<PlayerKey, int>> weeks;
    weeks.reserve(view.weeks.size());
    for (const SeasonWeek& week : view.weeks) {
        std::map<PlayerKey, int> players;
        std::unordered_map<std::string_view, int> seen;
        for (int p = 0; p < week.players; ++p) {
            const std::string_view name = cellOf(week, p, kNameColumn);
            players.emplace(PlayerKey(std::string(name), seen[name]++), p);
        }
        weeks.push_back(std::move(players));
    }
    return weeks;
}

// Makes the table from its rows' cells (each row: its name, then one cell per week),
// the headings and the Change column added.
void makeTable(SeasonTable& table, const SeasonView& view, std::string_view first,
               std::vector<std::vector<std::string>> rows)
{
    const int weeks = static_cast<int>(view.weeks.size());
    table.weeks = weeks;
    for (std::size_t w = 0; w < view.weeks.size(); ++w)
        table.keptWeeks.push_back(w);
    table.grid.setCols(weeks + 2);
    table.grid.setRows(1);
    table.grid.setTextMatrix(0, 0, first);
    for (int w = 0; w < weeks; ++w)
        table.grid.setTextMatrix(0, w + 1, weekHeading(view, static_cast<std::size_t>(w)));
    table.grid.setTextMatrix(0, weeks + 1, "Change");
    TextList cells;
    for (auto& row : rows) {
        // The last figure minus the first, of the weeks that have one.
        std::size_t firstWeek = 0;
        std::size_t lastWeek = 0;
        for (std::size_t w = 1; w < row.size(); ++w)
            if (!row[w].empty()) {
                firstWeek = firstWeek == 0 ? w : firstWeek;
                lastWeek = w;
            }
        for (const std::string& cell : row)
            cells.push_back(cell);
        cells.push_back(firstWeek != 0 && lastWeek != firstWeek ? changeText(row[firstWeek], row[lastWeek])
                                                                : std::string());
    }
    if (!rows.empty())
        table.grid.assignRows(1, std::move(cells));
}

double valueOf(std::string_view text)
{
    double value = 0;
    return tryParseNumber(text, value) ? value : 0;
}

// Where the season's file dialogs start: the loaded team file's folder, if one is loaded.
std::string loadedTeamFolder(const FRMTEAMTOOL& f)
{
    const std::string& path = f.loadedTeamFile.path;
    return path.empty() ? std::string() : utf8FromPath(pathFromUtf8(path).parent_path());
}

// Reads one team file's bytes: its staged team, or the sentence why it is none.
Result<StagedTeam, std::string> readTeam(std::string bytes, const std::string& name)
{
    auto reader = RecordReader::fromBytes(std::move(bytes));
    auto staged = reader ? stageTeam(*reader, StagedLists::Skipped) : ReadResult<StagedTeam>(reader.error());
    if (!staged)
        return describeReadError(staged.error(), name);
    return std::move(staged).value();
}

// The team texts of staged as abbreviation and name, the way the season's folder names it.
std::string folderOfTeam(const StagedTeam& team)
{
    return teamFolderName(team.teamTexts[1], team.teamTexts[0]);
}

std::string listOf(const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : "\n") + ("  " + item);
    return text;
}

}  // namespace

void readSeasonView(FRMTEAMTOOL& f)
{
    SeasonView view;
    view.revision = f.seasonView.revision + 1;
    const std::filesystem::path folder = teamFolderOf(f);
    const std::string team = teamFolderName(f.loadedTeamFile.abbreviation, f.loadedTeamFile.name);
    auto files = keptFiles(folder);
    if (!files)
        view.folderProblem = "No week is shown, as the season's folder cannot be listed: " +
                             describeFileError(files.error(), kKeptFileKind) + ".";
    if (files) {
        f.season.keptTeamFiles = 0;
        bool ordersOfLastWeek = false;  // orders kept now belong to the last week shown
        for (const KeptFile& file : *files) {
            auto bytes = readWholeFile(utf8FromPath(file.path), kMaxTeamFileBytes);
            if (!bytes) {
                view.unreadable.push_back(file.name);
                ordersOfLastWeek = false;
                continue;
            }
            if (keptKindOf(*bytes) == KeptKind::OrdersFile) {
                // The orders of the team file kept last before them, if it is shown.
                if (ordersOfLastWeek)
                    view.weeks.back().orders = decodeTextFile(std::move(bytes).value());
                continue;
            }
            auto staged = readTeam(std::move(bytes).value(), file.name);
            if (!staged || folderOfTeam(*staged) != team) {
                view.unreadable.push_back(file.name);
                ordersOfLastWeek = false;
                continue;
            }
            SeasonWeek week;
            week.name = file.name;
            week.path = utf8FromPath(file.path);
            week.time = file.time;
            week.teamTexts.assign(staged->teamTexts.begin(), staged->teamTexts.end());
            week.players = staged->players;
            week.cells = std::move(staged->gridCells);
            view.weeks.push_back(std::move(week));
            ordersOfLastWeek = true;
        }
        f.season.keptTeamFiles = view.weeks.size();
    }
    f.seasonView = std::move(view);
}

std::string seasonWindowTitle(const FRMTEAMTOOL& f)
{
    return std::string(f.teamAbbreviation()) + " " + std::string(f.teamName()) + ": the season";
}

std::string seasonExportName(const FRMTEAMTOOL& f, const SeasonTable& shown)
{
    const std::string page = shown.page == SeasonTable::Page::Team     ? std::string("team")
                             : shown.page == SeasonTable::Page::Played ? std::string("played")
                                                                       : shown.figure;
    return std::string(f.teamAbbreviation()) + " season " + page + ".csv";
}

std::string seasonViewProblems(const SeasonView& view)
{
    std::string text = view.folderProblem;
    if (!view.unreadable.empty()) {
        std::string names;
        for (const std::string& name : view.unreadable)
            names += (names.empty() ? "" : ", ") + name;
        text += (text.empty() ? "" : "\n") + ("Left out, as they cannot be read as this team's team files: " + names);
    }
    return text;
}

SeasonFigure defaultSeasonFigure()
{
    return {kNslColumn, std::string(headingOfColumn(kNslColumn))};
}

std::vector<SeasonFigure> seasonFigures(const SeasonView& view)
{
    std::vector<int> columns = {kNslColumn, kSpColumn, kMaxSpColumn};
    for (int column = 0; column < kPlayerFieldCount; ++column)
        if (std::find(columns.begin(), columns.end(), column) == columns.end())
            columns.push_back(column);
    std::vector<SeasonFigure> figures;
    for (const int column : columns) {
        bool numbers = true;
        bool any = false;
        for (const SeasonWeek& week : view.weeks)
            for (int p = 0; p < week.players && numbers; ++p) {
                const std::string_view text = cellOf(week, p, column);
                any = any || !text.empty();
                numbers = text.empty() || isNumber(text);
            }
        if (numbers && any)
            figures.push_back({column, std::string(headingOfColumn(column))});
    }
    return figures;
}

std::string weekHeading(const SeasonView& view, std::size_t week)
{
    const KeptTime& time = view.weeks.at(week).time;
    std::string heading = dayMonthOf(time);
    if (spansYears(view))
        heading += " " + std::to_string(time.year);
    for (std::size_t other = 0; other < view.weeks.size(); ++other)
        if (other != week && sameDay(view.weeks[other].time, time)) {
            heading += " " + twoDigits(time.hour) + ":" + twoDigits(time.minute);
            break;
        }
    return heading;
}

namespace {

// The players' rows of the season's tables: the loaded team's players, then the gone
// ones, newest gone first, each with his note ("Gone since 7 Dec").
struct SeasonPlayers {
    std::vector<PlayerKey> keys;
    std::vector<std::string> notes;
};

SeasonPlayers seasonPlayers(const FRMTEAMTOOL& f)
{
    const SeasonView& view = f.seasonView;
    const Grid& grid = f.MSFlexGrid1;
    SeasonPlayers players;
    std::map<PlayerKey, bool> loaded;
    std::unordered_map<std::string_view, int> seen;
    for (int row = 1; row <= f.loadedPlayers; ++row) {
        const std::string_view name = grid.textMatrix(row, kNameColumn);
        players.keys.emplace_back(std::string(name), seen[name]++);
        loaded.emplace(players.keys.back(), true);
    }
    players.notes.resize(players.keys.size());
    for (std::size_t w = view.weeks.size(); w-- > 0;) {
        const SeasonWeek& week = view.weeks[w];
        std::unordered_map<std::string_view, int> named;
        for (int p = 0; p < week.players; ++p) {
            const std::string_view name = cellOf(week, p, kNameColumn);
            PlayerKey key(std::string(name), named[name]++);
            if (!loaded.emplace(key, false).second)
                continue;
            players.keys.push_back(std::move(key));
            players.notes.push_back(w + 1 < view.weeks.size() ? "Gone since " + weekHeading(view, w + 1)
                                                              : "Not in the team file loaded now");
        }
    }
    return players;
}

}  // namespace

SeasonTable playerTable(const FRMTEAMTOOL& f, int column)
{
    const SeasonView& view = f.seasonView;
    const auto byKey = playersByKey(view);
    SeasonPlayers players = seasonPlayers(f);
    const std::vector<PlayerKey>& keys = players.keys;

    SeasonTable table;
    table.figure = headingOfColumn(column);
    std::vector<std::vector<std::string>> rows(keys.size());
    for (std::size_t k = 0; k < keys.size(); ++k) {
        auto& cells = rows[k];
        cells.reserve(view.weeks.size() + 1);
        cells.push_back(keys[k].first);
        for (std::size_t w = 0; w < view.weeks.size(); ++w) {
            const auto at = byKey[w].find(keys[k]);
            cells.emplace_back(at == byKey[w].end() ? std::string_view() : cellOf(view.weeks[w], at->second, column));
        }
    }
    makeTable(table, view, "Name", std::move(rows));
    table.rowNotes = std::move(players.notes);
    return table;
}

namespace {

// What one week's orders did with each of that week's players, by player key: his slot
// as the window names it, with C, P and M; and whether it was a start.
struct Played {
    std::string cell;
    bool started = false;
};

std::map<PlayerKey, Played> playedIn(const SeasonWeek& week, const ReadOrders& orders)
{
    std::unordered_map<std::string, int> players;  // the week's names, how many of each
    for (int p = 0; p < week.players; ++p)
        ++players[std::string(cellOf(week, p, kNameColumn))];
    std::unordered_map<std::string, int> mentioned;  // the nth mention: the nth of that name
    std::map<PlayerKey, Played> played;
    const auto add = [&](const std::string& name, std::string cell, bool started) {
        const auto known = players.find(name);
        if (known == players.end() || mentioned[name] >= known->second)
            return;
        played.emplace(PlayerKey(name, mentioned[name]++), Played{std::move(cell), started});
    };
    std::vector<int> markedSlots;
    for (const OrdersMarker& marker : orders.markers)
        markedSlots.push_back(marker.slot);
    for (std::size_t i = 0; i < orders.mainSide.size(); ++i) {
        // A name may end in * or #: the form the week's team file knows, marks or not.
        const OrdersSlot slot =
            resolvedSlot(orders.mainSide[i], [&players](const std::string& name) { return players.contains(name); });
        const int number = static_cast<int>(i);
        std::string cell = number == 0 ? std::string("the goalkeeper")
                                       : "main side " + std::to_string(number) + " (" + slot.position + ")";
        if (slot.captain)
            cell += " C";
        if (slot.penaltyTaker)
            cell += " P";
        if (std::ranges::find(markedSlots, number) != markedSlots.end())
            cell += " M";
        add(slot.name, std::move(cell), true);
    }
    for (std::size_t k = 0; k < orders.substitutes.size(); ++k) {
        const OrdersSlot& slot = orders.substitutes[k];
        add(slot.name, "substitute " + std::to_string(k + 1) + " (" + slot.position + ")", false);
    }
    return played;
}

}  // namespace

SeasonTable playedTable(const FRMTEAMTOOL& f)
{
    const SeasonView& view = f.seasonView;
    const auto byKey = playersByKey(view);
    SeasonPlayers players = seasonPlayers(f);

    // The weeks with orders, and what the orders did.
    std::vector<std::size_t> weeks;
    std::vector<std::map<PlayerKey, Played>> played;
    for (std::size_t w = 0; w < view.weeks.size(); ++w) {
        if (view.weeks[w].orders.empty())
            continue;
        const auto orders = readOrdersText(view.weeks[w].orders);
        if (!orders)
            continue;
        weeks.push_back(w);
        played.push_back(playedIn(view.weeks[w], *orders));
    }

    SeasonTable table;
    table.page = SeasonTable::Page::Played;
    table.weeks = static_cast<int>(weeks.size());
    table.keptWeeks = weeks;
    const int cols = table.weeks + 4;
    table.grid.setCols(cols);
    table.grid.setRows(1);
    table.grid.setTextMatrix(0, 0, "Name");
    for (std::size_t k = 0; k < weeks.size(); ++k)
        table.grid.setTextMatrix(0, static_cast<int>(k) + 1, weekHeading(view, weeks[k]));
    table.grid.setTextMatrix(0, cols - 3, "Started");
    table.grid.setTextMatrix(0, cols - 2, "Bench");
    table.grid.setTextMatrix(0, cols - 1, "Not picked");
    TextList cells;
    for (const PlayerKey& key : players.keys) {
        cells.push_back(key.first);
        int started = 0;
        int bench = 0;
        int notPicked = 0;
        for (std::size_t k = 0; k < weeks.size(); ++k) {
            const std::size_t w = weeks[k];
            const auto in = byKey[w].find(key);
            if (in == byKey[w].end()) {
                cells.push_back({});  // not in the team that week
                continue;
            }
            if (const auto slot = played[k].find(key); slot != played[k].end()) {
                cells.push_back(slot->second.cell);
                ++(slot->second.started ? started : bench);
                continue;
            }
            const SeasonWeek& week = view.weeks[w];
            const std::string_view wi = cellOf(week, in->second, kWiColumn);
            const std::string_view ws = cellOf(week, in->second, kWsColumn);
            if (!canBePicked(wi, ws)) {
                cells.push_back("out (" + notSelectableWords(wi, ws) + ")");
                continue;
            }
            cells.push_back("not picked");
            ++notPicked;
        }
        cells.push_back(std::to_string(started));
        cells.push_back(std::to_string(bench));
        cells.push_back(std::to_string(notPicked));
    }
    if (!players.keys.empty())
        table.grid.assignRows(1, std::move(cells));
    table.rowNotes = std::move(players.notes);
    return table;
}

SeasonTable teamTable(const SeasonView& view)
{
    std::vector<std::size_t> fields;
    for (std::size_t n = 0; n < kTeamFields.size(); ++n) {
        const bool numbers =
            !view.weeks.empty() && std::all_of(view.weeks.begin(), view.weeks.end(), [n](const auto& w) {
                return n < w.teamTexts.size() && isNumber(w.teamTexts[n]);
            });
        if (numbers)
            fields.push_back(n);
    }
    std::vector<std::vector<std::string>> rows;
    for (const std::size_t field : fields) {
        std::vector<std::string> cells{std::string(kTeamFields[field].caption)};
        for (const SeasonWeek& week : view.weeks)
            cells.push_back(week.teamTexts[field]);
        rows.push_back(std::move(cells));
    }
    SeasonTable table;
    table.page = SeasonTable::Page::Team;
    makeTable(table, view, "Field", std::move(rows));
    table.rowNotes.assign(fields.size(), {});
    return table;
}

std::string seasonTableTitle(const SeasonTable& table)
{
    switch (table.page) {
    case SeasonTable::Page::Team:
        return "The team's numbers week by week";
    case SeasonTable::Page::Played:
        return "Who played week by week";
    case SeasonTable::Page::Players:
        break;
    }
    return table.figure + " week by week";
}

std::string spokenCell(const SeasonTable& table, int row, int col)
{
    const std::string_view cell = table.grid.textMatrix(row, col);
    const std::string_view empty = table.page == SeasonTable::Page::Played ? "not in the team" : "no figure";
    return std::string(table.grid.textMatrix(row, 0)) + ", " + std::string(table.grid.textMatrix(0, col)) + ": " +
           std::string(cell.empty() ? empty : cell);
}

std::vector<int> chartedRows(const SeasonTable& table, std::vector<int> selected)
{
    constexpr std::size_t kMostLines = 8;
    constexpr std::size_t kFirstLines = 5;
    if (!selected.empty()) {
        if (selected.size() > kMostLines)
            selected.resize(kMostLines);
        return selected;
    }
    const int last = table.weeks;
    std::vector<int> rows;
    for (int row = 1; row <= table.rows(); ++row)
        if (last > 0 && isNumber(table.grid.textMatrix(row, last)))
            rows.push_back(row);
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
        return valueOf(table.grid.textMatrix(a, last)) > valueOf(table.grid.textMatrix(b, last));
    });
    if (rows.size() > kFirstLines)
        rows.resize(kFirstLines);
    return rows;
}

std::vector<std::optional<double>> rowValues(const SeasonTable& table, int row)
{
    std::vector<std::optional<double>> values;
    values.reserve(static_cast<std::size_t>(table.weeks));
    for (int w = 1; w <= table.weeks; ++w) {
        double value = 0;
        if (tryParseNumber(table.grid.textMatrix(row, w), value))
            values.emplace_back(value);
        else
            values.emplace_back();
    }
    return values;
}

std::string pointNote(const SeasonTable& table, int row, int week)
{
    const Grid& grid = table.grid;
    std::string note = std::string(grid.textMatrix(row, 0)) + ", " + std::string(grid.textMatrix(0, week + 1)) + ": ";
    if (!table.figure.empty())
        note += table.figure + " ";
    return note + std::string(grid.textMatrix(row, week + 1));
}

std::string chartDescription(const SeasonTable& table, const SeasonView& view, const std::vector<int>& rows)
{
    std::vector<std::string> names;
    names.reserve(rows.size());
    for (const int row : rows)
        names.emplace_back(table.grid.textMatrix(row, 0));
    std::string text = table.figure.empty() ? joinedWithAnd(names) : table.figure + " of " + joinedWithAnd(names);
    if (names.empty())
        text = table.figure.empty() ? "No lines" : "No " + table.figure;
    if (!view.weeks.empty()) {
        const KeptTime& first = view.weeks.front().time;
        const KeptTime& last = view.weeks.back().time;
        text += ", " + dayMonthOf(first);
        if (first.year != last.year)
            text += " " + std::to_string(first.year);
        if (view.weeks.size() > 1)
            text += " to " + dayMonthOf(last);
        text += " " + std::to_string(last.year);
    }
    return text + "; the table below holds the figures";
}

std::string copiedCells(const Grid& grid, const std::vector<int>& rows, const std::vector<int>& cols)
{
    std::string text;
    std::vector<std::string_view> cells(cols.size());
    const auto line = [&](int row) {
        for (std::size_t k = 0; k < cols.size(); ++k)
            cells[k] = grid.textMatrix(row, cols[k]);
        text += tabSeparatedLine(cells);
    };
    line(0);
    for (const int row : rows)
        line(row);
    return text;
}

std::string csvOf(const Grid& grid, const std::vector<int>& rows)
{
    std::string text(kUtf8ByteOrderMark);
    std::vector<std::string_view> cells(static_cast<std::size_t>(std::max(grid.cols(), 0)));
    const auto line = [&](int row) {
        for (int col = 0; col < grid.cols(); ++col)
            cells[static_cast<std::size_t>(col)] = grid.textMatrix(row, col);
        text += csvLine(cells);
    };
    line(0);
    for (const int row : rows)
        line(row);
    return text;
}

void exportTable(FRMTEAMTOOL& f, const Grid& grid, const std::vector<int>& rows, const std::string& suggestedName)
{
    FileDialog settings;
    settings.dialogTitle = "Export";
    settings.fileName = suggestedName;
    settings.initDir = loadedTeamFolder(f);
    settings.filter = "CSV Files (*.csv)|*.csv";
    const auto path = f.dialogs().showSave(settings);
    if (!path)
        return;
    const std::filesystem::path file = pathFromUtf8(*path);
    auto written = replaceFile(file.parent_path(), utf8FromPath(file.filename()), csvOf(grid, rows));
    if (!written) {
        f.msgBox("Not exported: " + describeFileError(written.error(), kTeamFileKind));
        return;
    }
    f.dialogs().notify(fileNameOf(*path) + " written in " + utf8FromPath(file.parent_path()));
}

void actionSeason_Click(FRMTEAMTOOL& f)
{
    readSeasonView(f);
    f.dialogs().showSeason();
}

void actionExportPlayerStats_Click(FRMTEAMTOOL& f)
{
    std::vector<int> rows = f.shownGridRows;
    if (rows.empty())
        for (int row = 1; row <= f.loadedPlayers; ++row)
            rows.push_back(row);
    // The grid's rows past the players (the empty one it always ends with) are no one's.
    std::erase_if(rows, [&](int row) { return row < 1 || row > f.loadedPlayers; });
    exportTable(f, f.MSFlexGrid1, rows, std::string(f.teamAbbreviation()) + " player stats.csv");
}

void actionAddToSeason_Click(FRMTEAMTOOL& f)
{
    FileDialog settings;
    settings.dialogTitle = "Add Team Files";
    settings.initDir = loadedTeamFolder(f);
    settings.filter = f.CommonDialog1.filter;
    const auto paths = f.dialogs().showOpenFiles(settings);
    if (!paths.empty())
        addTeamFiles(f, paths);
}

void addTeamFiles(FRMTEAMTOOL& f, const std::vector<std::string>& paths)
{
    const std::filesystem::path folder = teamFolderOf(f);
    const std::string team = teamFolderName(f.loadedTeamFile.abbreviation, f.loadedTeamFile.name);
    std::vector<std::string> added;
    std::vector<std::string> skipped;
    std::vector<std::string> refused;
    for (const std::string& path : paths) {
        const std::string name = fileNameOf(path);
        auto bytes = readWholeFile(path, kMaxTeamFileBytes);
        if (!bytes) {
            refused.push_back(name + ": " + describeReadError(readErrorOf(bytes.error()), name));
            continue;
        }
        auto reader = RecordReader::fromBytes(*bytes);
        auto staged = reader ? stageTeam(*reader, StagedLists::Skipped) : ReadResult<StagedTeam>(reader.error());
        if (!staged) {
            refused.push_back(name + ": " + describeReadError(staged.error(), name));
            continue;
        }
        if (folderOfTeam(*staged) != team) {
            refused.push_back(name + ": the team file of another team, " + folderOfTeam(*staged));
            continue;
        }
        std::error_code error;
        const auto changed = std::filesystem::last_write_time(pathFromUtf8(path), error);
        const KeptTime time = error ? f.season.now() : localTimeOf(changed);
        auto kept = keepInFolder(folder, name, *bytes, time);
        if (!kept) {
            refused.push_back(name + ": " + describeFileError(kept.error(), kTeamFileKind));
        } else if (kept->already) {
            skipped.push_back(name + ": the season holds it already, kept on " + dayOf(kept->files[kept->index].time));
        } else {
            added.push_back(name + ", as the week of " + dayOf(time));
        }
    }
    std::string message;
    const auto part = [&message](std::string_view heading, const std::vector<std::string>& items) {
        if (!items.empty())
            message += (message.empty() ? "" : "\n\n") + std::string(heading) + "\n" + listOf(items);
    };
    part("Added to the season:", added);
    part("Skipped:", skipped);
    part("Not added:", refused);
    readSeasonView(f);
    f.msgBox(message);
}

bool removeWeek(FRMTEAMTOOL& f, std::size_t week)
{
    if (week >= f.seasonView.weeks.size())
        return false;
    const SeasonWeek chosen = f.seasonView.weeks[week];
    if (!f.dialogs().ask("Remove the week of " + dayOf(chosen.time) + " from the season? Its kept team file, " +
                         chosen.name + ", is deleted."))
        return false;
    std::error_code error;
    const bool removed = std::filesystem::remove(pathFromUtf8(chosen.path), error);
    if (error || !removed) {
        // Gone already (deleted by hand since the window read it), or it cannot be deleted.
        const FileError why =
            FileError::reading(error ? FileErrorCode::CannotRemove : FileErrorCode::Gone, chosen.path, error.message());
        readSeasonView(f);
        f.msgBox("The week of " + dayOf(chosen.time) +
                 (error ? " was not removed: " : " is no longer in the season: ") +
                 describeFileError(why, kKeptFileKind));
        return false;
    }
    readSeasonView(f);
    f.dialogs().notify("The week of " + dayOf(chosen.time) + " was removed from the season");
    return true;
}

}  // namespace teamtool
