// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teamfile/comparison.h"

#include "app/frmteamtool.h"
#include "teamfile/select_and_load.h"
#include "teamfile/staged_team.h"
#include "textio/files.h"
#include "textio/fingerprint.h"
#include "textio/numbers.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <memory>
#include <string_view>
#include <system_error>
#include <unordered_map>

namespace teamtool {

namespace {

bool showsNumberMark(int col)
{
    return col == kNslColumn || col == kSpColumn || col == kMaxSpColumn;
}

// The grid row of this week's players a list item stands for, or 0.
int rowOfListItem(const Comparison& c, int item)
{
    return item >= 0 && item < static_cast<int>(c.listItemRow.size()) ? c.listItemRow[static_cast<std::size_t>(item)]
                                                                      : 0;
}

// The grid row of the selectable player a list item stands for (the lists hold them in
// file order), or 0.
int selectableRow(const FRMTEAMTOOL& f, int item)
{
    const Grid& grid = f.MSFlexGrid1;
    for (int row = 1; row <= f.loadedPlayers; ++row)
        if (canBePicked(grid.textMatrix(row, kWiColumn), grid.textMatrix(row, kWsColumn)) && item-- == 0)
            return row;
    return 0;
}

// "Played 6 of the last 8 weeks" (in the main side) for a selectable player while
// the season holds orders; empty otherwise.
std::string recentStartsNote(const FRMTEAMTOOL& f, int row)
{
    const SeasonState& s = f.season;
    if (s.recentOrdersWeeks == 0 || row < 1 || row > static_cast<int>(s.recentStarts.size()))
        return {};
    const Grid& grid = f.MSFlexGrid1;
    if (!canBePicked(grid.textMatrix(row, kWiColumn), grid.textMatrix(row, kWsColumn)))
        return {};
    const int weeks = s.recentOrdersWeeks;
    const int played = s.recentStarts[static_cast<std::size_t>(row - 1)];
    if (weeks == 1)
        return played ? "Played last week" : "Not played last week";
    return "Played " + std::to_string(played) + " of the last " + std::to_string(weeks) + " weeks";
}

// How many digits stand after the point of a number's text.
int decimalsOf(std::string_view text)
{
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos)
        return 0;
    int digits = 0;
    for (std::size_t k = point + 1; k < text.size() && text[k] >= '0' && text[k] <= '9'; ++k)
        ++digits;
    return std::min(digits, 6);
}

// Up or down by the difference, written with as many decimals as the texts have:
// "+0.5" for 14.6 after 14.1. Nothing unless both texts are numbers that differ.
std::optional<ChangeMark> numberChange(std::string_view now, std::string_view was)
{
    double nowValue = 0;
    double wasValue = 0;
    if (!tryParseNumber(now, nowValue) || !tryParseNumber(was, wasValue) || nowValue == wasValue)
        return std::nullopt;
    std::array<char, 400> digits{};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), nowValue - wasValue,
                                       std::chars_format::fixed, std::max(decimalsOf(now), decimalsOf(was)));
    if (written.ec != std::errc())
        return std::nullopt;
    const bool up = nowValue > wasValue;
    return ChangeMark{up ? ChangeMark::Kind::Up : ChangeMark::Kind::Down,
                      (up ? "+" : "") + std::string(digits.data(), written.ptr)};
}

// Which earlier player each of this week's is: players of one name in file order.
std::vector<int> matchByName(const Grid& grid, int players, const Comparison& c)
{
    const int earlierPlayers = c.earlierPlayers();
    // For each name its earlier players, as a chain through `next` in file order.
    std::unordered_map<std::string_view, int> first;
    first.reserve(static_cast<std::size_t>(earlierPlayers));
    std::vector<int> next(static_cast<std::size_t>(earlierPlayers), -1);
    for (int e = earlierPlayers - 1; e >= 0; --e) {
        const auto [at, added] = first.try_emplace(c.earlierCell(e, kNameColumn), e);
        if (!added) {
            next[static_cast<std::size_t>(e)] = at->second;
            at->second = e;
        }
    }
    std::vector<int> match(static_cast<std::size_t>(players), -1);
    for (int row = 1; row <= players; ++row) {
        const auto at = first.find(grid.textMatrix(row, kNameColumn));
        if (at == first.end() || at->second < 0)
            continue;
        match[static_cast<std::size_t>(row - 1)] = at->second;
        at->second = next[static_cast<std::size_t>(at->second)];
    }
    return match;
}

// Adds "Heading: name, name" when names has any.
void addLine(std::string& summary, std::string_view heading, const std::string& names)
{
    if (!names.empty())
        summary.append("\n").append(heading).append(": ").append(names);
}

void addName(std::string& names, std::string_view name)
{
    if (!names.empty())
        names += ", ";
    names += name;
}

std::string summaryOf(const FRMTEAMTOOL& f, const Comparison& c)
{
    const int earlierPlayers = c.earlierPlayers();
    const Grid& grid = f.MSFlexGrid1;
    std::string added;
    std::string gone;
    std::string out;
    std::string back;
    std::string up;
    std::string down;
    bool changed = false;
    std::vector<bool> matched(static_cast<std::size_t>(earlierPlayers), false);
    for (int row = 1; row <= f.loadedPlayers; ++row) {
        const int earlier = c.earlierRow[static_cast<std::size_t>(row - 1)];
        const std::string_view name = grid.textMatrix(row, kNameColumn);
        if (earlier < 0) {
            addName(added, name);
            continue;
        }
        matched[static_cast<std::size_t>(earlier)] = true;
        for (int col = 0; col < c.columns && !changed; ++col)
            changed = grid.textMatrix(row, col) != c.earlierCell(earlier, col);
        const bool now = canBePicked(grid.textMatrix(row, kWiColumn), grid.textMatrix(row, kWsColumn));
        const bool then = canBePicked(c.earlierCell(earlier, kWiColumn), c.earlierCell(earlier, kWsColumn));
        if (then && !now)
            addName(out, std::string(name) + " (" +
                             notSelectableWords(grid.textMatrix(row, kWiColumn), grid.textMatrix(row, kWsColumn)) +
                             ")");
        else if (!then && now)
            addName(back, name);
        const std::string_view nsl = grid.textMatrix(row, kNslColumn);
        const std::string_view wasNsl = c.earlierCell(earlier, kNslColumn);
        if (const auto mark = numberChange(nsl, wasNsl))
            addName(mark->kind == ChangeMark::Kind::Up ? up : down,
                    std::string(name) + " " + std::string(nsl) + " (was " + std::string(wasNsl) + ")");
    }
    for (int earlier = 0; earlier < earlierPlayers; ++earlier)
        if (!matched[static_cast<std::size_t>(earlier)])
            addName(gone, c.earlierCell(earlier, kNameColumn));
    for (int n = 1; n <= kTeamFieldCount && !changed; ++n)
        changed = f.Text(n).text != c.teamBoxWas[static_cast<std::size_t>(n - 1)];

    if (!changed && added.empty() && gone.empty())
        return "No changes since " + c.earlierFile;
    std::string summary = "Compared with " + c.earlierFile;
    addLine(summary, "New", added);
    addLine(summary, "Gone", gone);
    addLine(summary, "Out this week", out);
    addLine(summary, "Back this week", back);
    addLine(summary, "NSL up", up);
    addLine(summary, "NSL down", down);
    return summary;
}

// The note that there is nothing to compare when the file at path is the loaded team
// file, or holds the bytes it was loaded from; nothing otherwise.
std::optional<std::string> sameAsLoaded(const FRMTEAMTOOL& f, const std::string& path, std::string_view bytes)
{
    const std::string name = fileNameOf(path);
    std::error_code error;
    if (std::filesystem::equivalent(pathFromUtf8(path), pathFromUtf8(f.Text31.text), error))
        return name + " is the team file loaded now: there is nothing to compare.";
    // Hashed only when the sizes agree, which a file of another week seldom does.
    if (bytes.size() == f.loadedFile.size && fingerprintOf(bytes) == f.loadedFile)
        return name + " holds the same as the team file loaded now: there is nothing to compare.";
    return std::nullopt;
}

}  // namespace

bool compareWithTeamFile(FRMTEAMTOOL& f, const std::string& path)
{
    auto progress = f.dialogs().startProgress("Loading " + fileNameOf(path));
    auto bytes = readWholeFile(path, kMaxTeamFileBytes, readingProgress(checkOf(progress.get())));
    if (!bytes) {
        progress.reset();
        if (bytes.error().code != FileErrorCode::Cancelled)
            f.msgBox(describeLoadError(readErrorOf(bytes.error()), path));
        return false;
    }
    return compareWithTeamFileBytes(f, path, std::move(bytes).value(), std::move(progress));
}

bool compareWithTeamFileBytes(FRMTEAMTOOL& f, const std::string& path, std::string bytes,
                              std::unique_ptr<Progress> progress)
{
    if (const auto same = sameAsLoaded(f, path, bytes)) {
        progress.reset();
        f.dialogs().notify(*same);
        return false;
    }
    auto compared = compareWithBytes(f, fileNameOf(path), std::move(bytes), progress.get());
    progress.reset();
    if (!compared) {
        if (compared.error().code != ReadErrorCode::Cancelled)
            f.msgBox(describeLoadError(compared.error(), path));
        return false;
    }
    return true;
}

ReadResult<void> compareWithBytes(FRMTEAMTOOL& f, const std::string& name, std::string bytes, Progress* progress)
{
    auto reader = RecordReader::fromBytes(std::move(bytes), readingProgress(checkOf(progress)));
    auto staged = reader ? stageTeam(*reader, StagedLists::Skipped, stagingProgress(checkOf(progress)))
                         : ReadResult<StagedTeam>(reader.error());
    if (!staged)
        return std::move(staged).error();

    Comparison c;
    c.earlierFile = name;
    c.revision = f.comparison.revision + 1;
    for (std::size_t n = 0; n < kTeamFields.size(); ++n)
        c.teamBoxWas[static_cast<std::size_t>(kTeamFields[n].textBox - 1)] = std::move(staged->teamTexts[n]);
    c.earlierCells = std::move(staged->gridCells);
    c.columns = kPlayerFieldCount;
    c.earlierRow = matchByName(f.MSFlexGrid1, f.loadedPlayers, c);
    // The lists hold the players who can be picked, in file order.
    const Grid& grid = f.MSFlexGrid1;
    for (int row = 1; row <= f.loadedPlayers; ++row)
        if (canBePicked(grid.textMatrix(row, kWiColumn), grid.textMatrix(row, kWsColumn)))
            c.listItemRow.push_back(row);
    if (c.listItemRow.size() != f.List2.items.size())
        c.listItemRow.clear();
    c.summary = summaryOf(f, c);
    f.comparison = std::move(c);
    return {};
}

std::string gridCellNote(const FRMTEAMTOOL& f, int row, int col)
{
    std::string note = gridRowNote(f, row);
    const auto add = [&note](const std::string& line) {
        if (!note.empty())
            note += '\n';
        note += line;
    };
    if (col == kNameColumn)
        if (const std::string played = recentStartsNote(f, row); !played.empty())
            add(played);
    const Comparison& c = f.comparison;
    if (!c.made() || row < 1 || row > static_cast<int>(c.earlierRow.size()))
        return note;
    const Grid& grid = f.MSFlexGrid1;
    if (const auto was = c.earlierText(row, col); was && *was != grid.textMatrix(row, col))
        add(std::string(grid.textMatrix(0, col)) + ": now " + std::string(grid.textMatrix(row, col)) + ", was " +
            std::string(*was));
    else if (!was && col == kNameColumn)
        add("New since " + c.earlierFile);
    return note;
}

std::optional<ChangeMark> gridCellMark(const FRMTEAMTOOL& f, int row, int col)
{
    const Comparison& c = f.comparison;
    if (!c.made() || row < 1 || row > static_cast<int>(c.earlierRow.size()))
        return std::nullopt;
    const auto was = c.earlierText(row, col);
    if (!was)
        return col == kNameColumn ? std::optional(ChangeMark{ChangeMark::Kind::New, "new"}) : std::nullopt;
    return showsNumberMark(col) ? numberChange(f.MSFlexGrid1.textMatrix(row, col), *was) : std::nullopt;
}

std::string listItemNote(const FRMTEAMTOOL& f, int list, int item)
{
    const int row = rowOfListItem(f.comparison, item);
    if (row == 0)
        return list == 2 ? recentStartsNote(f, selectableRow(f, item)) : std::string();
    // A listed player can be picked: his note is the comparison's alone.
    if (list == 3)
        return gridCellNote(f, row, kNslColumn);
    if (list == 2) {
        std::string note = recentStartsNote(f, row);
        if (!f.comparison.earlierText(row, kNameColumn))
            note += (note.empty() ? "" : "\n") + ("New since " + f.comparison.earlierFile);
        return note;
    }
    return {};
}

std::optional<ChangeMark> listItemMark(const FRMTEAMTOOL& f, int list, int item)
{
    const int row = rowOfListItem(f.comparison, item);
    return list == 3 && row != 0 ? gridCellMark(f, row, kNslColumn) : std::nullopt;
}

std::string teamBoxNote(const FRMTEAMTOOL& f, const Control& control)
{
    if (!f.comparison.made())
        return {};
    for (int n = 1; n <= kTeamFieldCount; ++n)
        if (&f.Text(n) == &control) {
            const std::string& was = f.comparison.teamBoxWas[static_cast<std::size_t>(n - 1)];
            return f.Text(n).text == was ? std::string() : "was " + was;
        }
    return {};
}

std::vector<SelectableAgain> selectableSinceEarlier(const FRMTEAMTOOL& f)
{
    const Comparison& c = f.comparison;
    std::vector<SelectableAgain> found;
    if (!c.made())
        return found;
    for (std::size_t item = 0; item < c.listItemRow.size(); ++item) {
        const int row = c.listItemRow[item];
        if (row < 1 || row > static_cast<int>(c.earlierRow.size()))
            continue;
        const int earlier = c.earlierRow[static_cast<std::size_t>(row - 1)];
        if (earlier < 0)
            found.push_back({item, true});
        else if (!canBePicked(c.earlierCell(earlier, kWiColumn), c.earlierCell(earlier, kWsColumn)))
            found.push_back({item, false});
    }
    return found;
}

}  // namespace teamtool
