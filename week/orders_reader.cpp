// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "week/orders_reader.h"

#include <algorithm>

namespace teamtool {

namespace {

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));  // a last line without its line end
    return lines;
}

// Walks the lines in order; every read names what the line should be.
class LineCursor {
public:
    explicit LineCursor(std::vector<std::string_view> lines) : m_lines(std::move(lines)) {}

    std::size_t number() const { return m_next + 1; }
    bool atEnd() const { return m_next >= m_lines.size(); }

    Result<std::string_view, OrdersFileError> next(std::string_view expected)
    {
        if (atEnd())
            return OrdersFileError{number(), std::string(expected), {}, true};
        return m_lines[m_next++];
    }

    Result<std::string_view, OrdersFileError> heading(std::string_view text)
    {
        auto line = next("\"" + std::string(text) + "\"");
        if (line && *line != text)
            return OrdersFileError{number() - 1, "\"" + std::string(text) + "\"", std::string(*line), false};
        return line;
    }

    // Lines up to the heading `until`, which is taken too; the rest when it never comes.
    std::string textUntil(std::string_view until, bool& found)
    {
        std::string text;
        found = false;
        for (bool first = true; !atEnd(); first = false) {
            const std::string_view line = m_lines[m_next++];
            if (line == until) {
                found = true;
                break;
            }
            if (!first)
                text += '\n';
            text += line;
        }
        return text;
    }

    std::string rest()
    {
        std::string text;
        for (bool first = true; !atEnd(); first = false) {
            if (!first)
                text += '\n';
            text += m_lines[m_next++];
        }
        return text;
    }

private:
    std::vector<std::string_view> m_lines;
    std::size_t m_next = 0;
};

OrdersFileError wrongLine(std::size_t line, std::string expected, std::string_view found)
{
    return OrdersFileError{line, std::move(expected), std::string(found), false};
}

// "N", or "Y" and a count from 1 to most.
bool readCount(std::string_view line, int most, bool noneAllowed, int& count)
{
    if (noneAllowed && line == "N") {
        count = 0;
        return true;
    }
    if (line.size() != 2 || line[0] != 'Y' || line[1] < '1' || line[1] > '0' + most)
        return false;
    count = line[1] - '0';
    return true;
}

// "POS NAME", the captain's "*" and the penalty taker's "#" after the name.
bool readSlot(std::string_view line, bool marks, OrdersSlot& slot)
{
    const auto blank = line.find(' ');
    if (blank == std::string_view::npos)
        return false;
    slot.position = std::string(line.substr(0, blank));
    std::string_view name = line.substr(blank + 1);
    slot.written = std::string(name);
    if (marks && name.ends_with('#')) {
        slot.penaltyTaker = true;
        name.remove_suffix(1);
    }
    if (marks && name.ends_with('*')) {
        slot.captain = true;
        name.remove_suffix(1);
    }
    slot.name = std::string(name);
    return true;
}

}  // namespace

std::vector<std::string> namesOf(const std::string& written)
{
    std::vector<std::string> names = {written};
    while (!names.back().empty() && (names.back().back() == '*' || names.back().back() == '#'))
        names.push_back(names.back().substr(0, names.back().size() - 1));
    return names;
}

std::string describeOrdersFileError(const OrdersFileError& error, std::string_view fileName)
{
    const std::string start = std::string(fileName) + " is not an orders file: ";
    if (error.ended)
        return start + "it ends before line " + std::to_string(error.line) + ", which should read " + error.expected +
               ".";
    return start + "line " + std::to_string(error.line) + " should read " + error.expected + " but reads \"" +
           error.found + "\".";
}

Result<ReadOrders, OrdersFileError> readOrdersText(std::string_view text)
{
    LineCursor lines(splitLines(text));
    ReadOrders orders;

    std::string* const choices[] = {&orders.team,  &orders.opponent, &orders.tactic,
                                    &orders.style, &orders.grudge,   &orders.boost};
    const char* const what[] = {"the team abbreviation", "the opponent",  "the tactic", "the style",
                                "the grudge flag",       "the boost flag"};
    for (std::size_t k = 0; k < 6; ++k) {
        auto line = lines.next(what[k]);
        if (!line)
            return std::move(line).error();
        if (choices[k])
            *choices[k] = std::string(*line);
    }

    int markers = 0;
    int substitutes = 0;
    {
        auto line = lines.next("\"N\", \"Y1\" or \"Y2\" (the markers)");
        if (!line)
            return std::move(line).error();
        if (!readCount(*line, 2, true, markers))
            return wrongLine(lines.number() - 1, "\"N\", \"Y1\" or \"Y2\" (the markers)", *line);
        line = lines.next("\"Y1\" to \"Y5\" (the substitutes)");
        if (!line)
            return std::move(line).error();
        if (!readCount(*line, 5, false, substitutes))
            return wrongLine(lines.number() - 1, "\"Y1\" to \"Y5\" (the substitutes)", *line);
    }

    for (std::size_t i = 0; i < orders.mainSide.size(); ++i) {
        const std::string expected = "a position and a name (slot " + std::to_string(i) + ")";
        auto line = lines.next(expected);
        if (!line)
            return std::move(line).error();
        if (!readSlot(*line, true, orders.mainSide[i]))
            return wrongLine(lines.number() - 1, expected, *line);
    }
    if (auto line = lines.heading("SUBS"); !line)
        return std::move(line).error();
    for (int k = 0; k < substitutes; ++k) {
        const std::string expected = "a position and a name (slot " + std::to_string(11 + k) + ")";
        auto line = lines.next(expected);
        if (!line)
            return std::move(line).error();
        OrdersSlot slot;
        if (!readSlot(*line, false, slot))
            return wrongLine(lines.number() - 1, expected, *line);
        orders.substitutes.push_back(std::move(slot));
    }

    if (auto line = lines.heading("Markers"); !line)
        return std::move(line).error();
    for (int k = 0; k < markers; ++k) {
        const char* const expected = "a main-side player's name, a comma and his target";
        auto line = lines.next(expected);
        if (!line)
            return std::move(line).error();
        // The name may itself hold a comma, or end in "*" or "#": the longest name a
        // main-side line may have that the line starts with.
        OrdersMarker marker;
        std::size_t matched = 0;
        for (int slot = 1; slot <= 10; ++slot) {
            for (const std::string& name : namesOf(orders.mainSide[static_cast<std::size_t>(slot)].written)) {
                if (name.size() + 1 > matched && line->size() > name.size() && line->starts_with(name) &&
                    (*line)[name.size()] == ',') {
                    matched = name.size() + 1;
                    marker.slot = slot;
                    marker.name = name;
                }
            }
        }
        if (matched == 0)
            return wrongLine(lines.number() - 1, expected, *line);
        marker.target = std::string(line->substr(matched));
        marker.line = lines.number() - 1;
        orders.markers.push_back(std::move(marker));
    }

    for (const char* heading : {"Transfer Bids", "Cut Players", "Press"})
        if (auto line = lines.heading(heading); !line)
            return std::move(line).error();
    bool found = false;
    orders.press = lines.textUntil("Comments to Commish", found);
    if (!found)
        return OrdersFileError{lines.number(), "\"Comments to Commish\"", {}, true};
    orders.comments = lines.rest();
    return orders;
}

OrdersSlot resolvedSlot(const OrdersSlot& read, const std::function<bool(const std::string&)>& isName)
{
    for (const std::string& name : namesOf(read.written)) {
        if (!isName(name))
            continue;
        OrdersSlot slot = read;
        slot.name = name;
        const std::string_view marks = std::string_view(read.written).substr(name.size());
        slot.captain = marks.find('*') != std::string_view::npos;
        slot.penaltyTaker = marks.find('#') != std::string_view::npos;
        return slot;
    }
    return read;
}

}  // namespace teamtool
