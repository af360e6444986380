#include "fuzz/team_file_fuzz.h"

#include "fuzz/require.h"
#include "teamfile/record_reader.h"
#include "teamfile/staged_team.h"
#include "textio/encoding.h"
#include "textio/numbers.h"

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
                                     std::count(text.begin(), text.end(), '\r')) + 1;
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
    while (!reader->atEnd()) {
        const std::size_t before = reader->position();
        if (auto read = reader->readRecord(targets, record); !read) {
            const ReadError& error = read.error();
            require(reader->atEnd(), "a failed read leaves the reader at its end");
            require(error.fieldsRead >= 0 && static_cast<std::size_t>(error.fieldsRead) < n, "fields read");
            require(error.line >= 1 && error.line <= lineCount(reader->text()), "the error's line is in the file");
            failed = true;
            break;
        }
        require(reader->position() > before, "a record moves the reader on");
        for (const auto& value : record) {
            checkValue(value);
            values.push_back(value);
        }
    }
    return values;
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
            for (std::size_t cell = 0; cell < load->gridCells.size(); ++cell)
                require(isValidUtf8(load->gridCells[cell]), "grid texts are UTF-8");
            require(hasNumberForm(load->teamTexts[kCmaField - 1]), "the CMA box shows a number");
        } else {
            require(!describeReadError(load.error(), "team.txt").empty(), "every error has a sentence");
        }
    }

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
