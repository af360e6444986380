// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The two records of the team file: the team's own 26 fields, then 31 fields for each
// player up to the end of the file. Records are counted in fields, not lines.

#include "teamfile/field_value.h"
#include "teamfile/read_error.h"
#include "teamfile/record_reader.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace teamtool {

class FRMTEAMTOOL;

inline constexpr int kTeamFieldCount = 26;
inline constexpr int kPlayerFieldCount = 31;

// A team field: the caption of the frame it is shown in, and the box (Text1 to
// Text26) that shows it.
struct TeamFieldLayout {
    std::string_view caption;
    int textBox;
};

// In file order; fields 2 to 6 and 11 to 26 do not go to the box of their number.
inline constexpr std::array<TeamFieldLayout, kTeamFieldCount> kTeamFields = {{
    {"Team Name", 1},   {"Team Abb", 8},     {"GC", 6},           {"Boost", 7},      {"Morale", 4},
    {"CMA", 3},         {"Stadium Name", 2}, {"Stadium Size", 5}, {"Base Att", 9},   {"Scout Nsl", 10},
    {"Scout Wage", 13}, {"Physio Nsl", 12},  {"Physio Wage", 14}, {"Coach Nsl", 11}, {"Coach Wage", 15},
    {"Cash", 16},       {"EB", 19},          {"Press", 18},       {"Game Att", 17},  {"Season Att", 22},
    {"Att Cash", 23},   {"OD LIMIT", 21},    {"OD Intrest", 20},  {"Transfers", 26}, {"Fines", 25},
    {"Bonus", 24},
}};

inline constexpr int kCmaField = 6;

// A player field: its grid heading and column, and the player list (List1 to List5)
// it also goes to, 0 for none.
struct PlayerFieldLayout {
    std::string_view heading;
    int gridColumn;
    int list;
};

inline constexpr std::array<PlayerFieldLayout, kPlayerFieldCount> kPlayerFields = {{
    {"Name", 1, 2},      {"Age", 7, 0},    {"Pos", 0, 1},   {"NSL", 2, 3},    {"Wage", 8, 0},     {"DP", 9, 0},
    {"Yellow", 10, 0},   {"Red", 11, 0},   {"DP_T", 12, 0}, {"TY", 13, 0},    {"TR", 14, 0},      {"SP", 3, 4},
    {"Max SP", 4, 5},    {"WI", 5, 0},     {"WS", 6, 0},    {"Shots", 15, 0}, {"PTS", 16, 0},     {"GTS", 17, 0},
    {"TCM", 18, 0},      {"TCG", 19, 0},   {"AMP", 20, 0},  {"AGS", 21, 0},   {"Nat", 22, 0},     {"EMP", 23, 0},
    {"EMP_T", 24, 0},    {"EMP_B", 25, 0}, {"IntG", 26, 0}, {"IntDP", 27, 0}, {"IntSusp", 28, 0}, {"IntEMP", 29, 0},
    {"IntEMP_T", 30, 0},
}};

inline constexpr int kNameField = 1;
inline constexpr int kNslField = 4;
inline constexpr int kSpField = 12;
inline constexpr int kMaxSpField = 13;
inline constexpr int kWiField = 14;
inline constexpr int kWsField = 15;

// The grid column that shows player field `field` (from 1).
constexpr int gridColumnOf(int field)
{
    return kPlayerFields[static_cast<std::size_t>(field - 1)].gridColumn;
}

inline constexpr int kNameColumn = gridColumnOf(kNameField);
inline constexpr int kNslColumn = gridColumnOf(kNslField);
inline constexpr int kSpColumn = gridColumnOf(kSpField);
inline constexpr int kMaxSpColumn = gridColumnOf(kMaxSpField);
inline constexpr int kWiColumn = gridColumnOf(kWiField);
inline constexpr int kWsColumn = gridColumnOf(kWsField);

// The heading of grid column `column`: "NSL".
constexpr std::string_view headingOfColumn(int column)
{
    for (const PlayerFieldLayout& field : kPlayerFields)
        if (field.gridColumn == column)
            return field.heading;
    return {};
}

// The player field (from 1) shown in each grid column.
constexpr std::array<int, kPlayerFieldCount> fieldOfGridColumn()
{
    std::array<int, kPlayerFieldCount> fields{};
    for (int n = 1; n <= kPlayerFieldCount; ++n)
        fields[static_cast<std::size_t>(kPlayerFields[static_cast<std::size_t>(n - 1)].gridColumn)] = n;
    return fields;
}

// The player field (from 1) that List1 to List5 take, at index 0 to 4.
constexpr std::array<int, 5> fieldOfList()
{
    std::array<int, 5> fields{};
    for (int n = 1; n <= kPlayerFieldCount; ++n)
        if (const int list = kPlayerFields[static_cast<std::size_t>(n - 1)].list)
            fields[static_cast<std::size_t>(list - 1)] = n;
    return fields;
}

struct TeamRecord {
    std::array<FieldValue, kTeamFieldCount> fields;
    std::size_t cmaLine = 0;  // where the CMA stands in the file, for a message about it

    // Field n, counted from 1 as the file counts them.
    const FieldValue& field(int n) const { return fields.at(static_cast<std::size_t>(n - 1)); }
    FieldValue& field(int n) { return fields.at(static_cast<std::size_t>(n - 1)); }
};

struct PlayerRecord {
    std::array<FieldValue, kPlayerFieldCount> fields;
    // For a field read as a Number whose characters are its display form, those
    // characters; they point into the reader's text.
    std::array<std::string_view, kPlayerFieldCount> numberChars;

    const FieldValue& field(int n) const { return fields.at(static_cast<std::size_t>(n - 1)); }
    FieldValue& field(int n) { return fields.at(static_cast<std::size_t>(n - 1)); }

    // Only a player whose WI and WS are both zero (empty counts as zero) can be picked.
    bool selectable() const { return field(kWiField).isZero() && field(kWsField).isZero(); }

    // Field n as the grid shows it: a Number's own characters where they are its
    // display form already, else its display form written into buffer.
    std::string_view shownText(int n, NumberTextBuffer& buffer) const
    {
        const std::string_view chars = numberChars[static_cast<std::size_t>(n - 1)];
        return chars.empty() ? field(n).toText(buffer) : chars;
    }
};

// True when a player whose grid shows these WI and WS texts can be picked: both zero
// (empty, or a number that is 0).
bool canBePicked(std::string_view wi, std::string_view ws);

// What keeps a player whose grid shows these WI and WS texts from being picked ("WI 2",
// "WI 1, WS 1"), or empty when both are zero (empty, or a number that is 0).
std::string notSelectableWords(std::string_view wi, std::string_view ws);

// The same as a sentence: "Not selectable: WI 2", or empty.
std::string notSelectableReason(std::string_view wi, std::string_view ws);

// Why the player in row `row` (from 1) of the window's grid cannot be picked this week
// ("Not selectable: WI 2"), or empty when he can.
std::string gridRowNote(const FRMTEAMTOOL& f, int row);

// The CMA as the team page shows it: the field times 1500, rounded to the nearest whole
// number, a value exactly halfway going to the even neighbour. Empty counts as 0 and
// numeric text as its number. Nothing for any other text, or for a product too large to
// write as a whole number. A product outside -32768..32767 is shown as it is.
std::optional<double> cmaTimes1500(const FieldValue& cma);

// The text each team field shows in its box: its to-text form, the CMA as above.
// Fails only on a CMA that cannot be shown.
[[nodiscard]] ReadResult<std::array<std::string, kTeamFieldCount>> teamBoxTexts(const TeamRecord& team);

// Reads the 26 team fields. A file with nothing but blanks is Empty.
[[nodiscard]] ReadResult<TeamRecord> readTeamRecord(RecordReader& reader);

// Reads the next player, numbered from 1, into player (reusing its storage).
[[nodiscard]] ReadResult<void> readPlayerRecord(RecordReader& reader, int number, PlayerRecord& player);

}  // namespace teamtool
