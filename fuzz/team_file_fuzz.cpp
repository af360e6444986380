// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzz/team_file_fuzz.h"

#include "app/recorded_dialogs.h"
#include "app/window_state.h"
#include "fuzz/hard_team.h"
#include "fuzz/require.h"
#include "teamfile/comparison.h"
#include "teamfile/record_reader.h"
#include "teamfile/staged_team.h"
#include "textio/encoding.h"
#include "textio/numbers.h"
#include "textio/numbers_testing.h"
#include "window/window.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace teamtool::fuzz {

namespace {

void require(bool condition, const char* what)
{
    requireOf("team file", condition, what);
}

std::size_t lineCount(std::string_view text)
{
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n') +
                                    std::count(text.begin(), text.end(), '\r')) +
           1;
}

void checkValue(const FieldValue& value)
{
    switch (value.kind()) {
    case FieldKind::Empty:
        require(value.isZero() && value.toText().empty(), "Empty is zero and shows as nothing");
        break;
    case FieldKind::Number: {
        const double number = value.asNumber();
        require(std::isfinite(number), "a Number is finite");
        const std::string shown = value.toText();
        require(hasNumberForm(shown), "a Number shows in number form");
        const auto back = parseNumber(shown);
        require(back.has_value(), "a shown Number reads back");
        require(std::abs(*back - number) <= std::abs(number) * 1e-14, "a shown Number keeps 15 digits");
        require(value.isZero() == (number == 0), "the zero test of a Number");
        break;
    }
    case FieldKind::Text:
        require(isValidUtf8(value.asText()), "Text is UTF-8");
        break;
    }
}

// Reads every record of n fields, the first `texts` of them text targets.
std::vector<FieldValue> readAll(std::string_view bytes, std::size_t n, std::size_t texts, bool& failed)
{
    auto reader = RecordReader::fromBytes(std::string(bytes));
    std::vector<FieldValue> values;
    failed = false;
    if (!reader)
        return values;
    std::vector<Target> targets(n, Target::Value);
    std::fill_n(targets.begin(), std::min(texts, n), Target::Text);
    std::vector<FieldValue> record(n);
    std::vector<std::string_view> numberChars(n);
    while (!reader->atEnd()) {
        const std::size_t before = reader->position();
        if (auto read = reader->readRecord(targets, record, numberChars); !read) {
            const ReadError& error = read.error();
            require(reader->atEnd(), "a failed read leaves the reader at its end");
            require(error.fieldsRead >= 0 && static_cast<std::size_t>(error.fieldsRead) < n, "fields read");
            require(error.line >= 1 && error.line <= lineCount(reader->text()), "the error's line is in the file");
            failed = true;
            break;
        }
        require(reader->position() > before, "a record moves the reader on");
        for (std::size_t k = 0; k < n; ++k) {
            checkValue(record[k]);
            require(numberChars[k].empty() || record[k].isNumber(), "only a Number keeps its characters");
            if (!numberChars[k].empty())
                require(record[k].toText() == numberChars[k] && isShownForm(numberChars[k]),
                        "characters kept are the display form");
            values.push_back(record[k]);
        }
    }
    return values;
}

// The bytes as the earlier file of a comparison with a loaded team: the comparison is
// all or nothing and changes no control, each earlier player stands for one player of
// his name at most, and every cell and list item has a note and mark to give.
void checkComparison(std::string_view bytes)
{
    static RecordedDialogs dialogs;
    static const auto form = [] {
        auto window = createMainWindow(dialogs);
        openTeamFile(*window, hardTeamFilePath());
        require(dialogs.messages.empty() && window->SSTab1.visible, "the fuzz team loads");
        return window;
    }();
    FRMTEAMTOOL& f = *form;
    const WindowState before = windowState(f);
    const unsigned revision = f.comparison.revision;
    const bool compared = compareWithTeamFileBytes(f, "week12.txt", std::string(bytes));
    require(windowState(f) == before, "a comparison changes no control");
    if (!compared) {
        require(f.comparison.revision == revision, "a refused file leaves the comparison as it was");
        return;
    }
    const Comparison& c = f.comparison;
    require(c.summary.starts_with("Compared with week12.txt") || c.summary == "No changes since week12.txt",
            "the summary's first line");
    const Grid& grid = f.MSFlexGrid1;
    const auto earlierPlayers = static_cast<std::size_t>(c.earlierPlayers());
    std::vector<bool> taken(earlierPlayers, false);
    for (int row = 1; row <= f.loadedPlayers; ++row) {
        const int earlier = c.earlierRow[static_cast<std::size_t>(row - 1)];
        if (earlier < 0)
            continue;
        require(static_cast<std::size_t>(earlier) < earlierPlayers && !taken[static_cast<std::size_t>(earlier)],
                "an earlier player stands for one player at most");
        taken[static_cast<std::size_t>(earlier)] = true;
        require(*c.earlierText(row, 1) == grid.textMatrix(row, 1), "players are matched by name");
    }
    for (int row = 0; row < grid.rows(); ++row)
        for (int col = 0; col < grid.cols(); ++col)
            if (const auto mark = gridCellMark(f, row, col); mark && mark->kind != ChangeMark::Kind::New)
                require(gridCellNote(f, row, col).find(": now ") != std::string::npos, "a number's mark has its words");
    for (int list = 1; list <= 5; ++list)
        for (int item = 0; item < static_cast<int>(f.list(list).items.size()); ++item)
            require(listItemMark(f, list, item).has_value() <= !listItemNote(f, list, item).empty(),
                    "a list item's mark has its words");
}

}  // namespace

int checkTeamFileBytes(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // The window's load: a staged team is complete and consistent, an error is a sentence.
    auto reader = RecordReader::fromBytes(std::string(bytes));
    if (!reader) {
        require(reader.error().code == ReadErrorCode::NotText || reader.error().code == ReadErrorCode::TooLarge,
                "only binary or oversized bytes are refused outright");
    } else {
        require(isValidUtf8(reader->text()), "the reader's text is UTF-8");
        auto load = stageTeam(*reader);
        if (load) {
            require(load->gridCells.size() == static_cast<std::size_t>(load->players) * kPlayerFieldCount,
                    "31 cells per player");
            for (const auto& list : load->lists)
                require(list.size() == load->lists[0].size(), "the five lists stay parallel");
            require(load->lists[0].size() <= static_cast<std::size_t>(load->players), "lists hold players only");
            for (const std::string_view cell : load->gridCells)
                require(isValidUtf8(cell), "grid texts are UTF-8");
            require(hasNumberForm(load->teamTexts[kCmaField - 1]), "the CMA box shows a number");
        } else {
            require(!describeReadError(load.error(), "team.txt").empty(), "every error has a sentence");
        }
    }

    checkComparison(bytes);

    // The same fields, read one at a time and as records of several: records only
    // group fields, they never change them. A record in progress may go on past the
    // point where a new one would not start (blank lines, a final comma), and then
    // only with Empty fields.
    const std::size_t width = size == 0 ? 3 : 1 + data[0] % 40;
    bool singleFailed = false;
    bool groupedFailed = false;
    const auto single = readAll(bytes, 1, 0, singleFailed);
    const auto grouped = readAll(bytes, width, 0, groupedFailed);
    const std::size_t common = std::min(single.size(), grouped.size());
    require(std::equal(grouped.begin(), grouped.begin() + static_cast<std::ptrdiff_t>(common), single.begin()),
            "records of any width read the same fields");
    if (!singleFailed) {
        require(std::all_of(grouped.begin() + static_cast<std::ptrdiff_t>(common), grouped.end(),
                            [](const FieldValue& value) { return value.isEmpty(); }),
                "past the end a record is completed only with Empty fields");
        if (!groupedFailed)
            require(grouped.size() >= single.size(), "whole records cover every field");
    }

    // Text targets take the characters as written: a value of the same field is the
    // same Text, or the Number or Empty those characters make.
    bool textFailed = false;
    const auto texts = readAll(bytes, 1, 1, textFailed);
    require(texts.size() == single.size(), "text and value targets read as many fields");
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const FieldValue& value = single[i];
        require(texts[i].isText(), "a text target is always Text");
        if (value.isText())
            continue;  // a quoted number: Text either way, same characters
        if (value.isEmpty())
            require(texts[i].asText().empty(), "an Empty value is empty text");
        else
            require(parseNumber(texts[i].asText()) == value.asNumber(), "a Number is the number its text makes");
    }
    return 0;
}

}  // namespace teamtool::fuzz
