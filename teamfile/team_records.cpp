// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teamfile/team_records.h"

#include "app/frmteamtool.h"
#include "textio/numbers.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace teamtool {

namespace {

constexpr std::array<Target, kTeamFieldCount> kTeamTargets = [] {
    std::array<Target, kTeamFieldCount> targets{};
    targets.fill(Target::Value);
    return targets;
}();

constexpr std::array<Target, kPlayerFieldCount> kPlayerTargets = [] {
    std::array<Target, kPlayerFieldCount> targets{};
    targets.fill(Target::Value);
    targets[kNameField - 1] = Target::Text;  // a name of digits keeps its leading zeros
    return targets;
}();

}  // namespace

namespace {

// A grid text is the field's shown form: empty for an Empty field.
bool isZeroText(std::string_view text)
{
    double number = 1;
    return text.empty() || (tryParseNumber(text, number) && number == 0);
}

}  // namespace

bool canBePicked(std::string_view wi, std::string_view ws)
{
    return isZeroText(wi) && isZeroText(ws);
}

std::string notSelectableWords(std::string_view wi, std::string_view ws)
{
    std::string words;
    for (const auto& [heading, text] : {std::pair{"WI", wi}, std::pair{"WS", ws}})
        if (!isZeroText(text))
            words.append(words.empty() ? "" : ", ").append(heading).append(" ").append(text);
    return words;
}

std::string notSelectableReason(std::string_view wi, std::string_view ws)
{
    const std::string words = notSelectableWords(wi, ws);
    return words.empty() ? words : "Not selectable: " + words;
}

std::string gridRowNote(const FRMTEAMTOOL& f, int row)
{
    const Grid& grid = f.MSFlexGrid1;
    if (row < grid.fixedRows || row >= grid.rows() || grid.cols() < kPlayerFieldCount)
        return {};
    return notSelectableReason(grid.textMatrix(row, gridColumnOf(kWiField)),
                               grid.textMatrix(row, gridColumnOf(kWsField)));
}

std::optional<double> cmaTimes1500(const FieldValue& cma)
{
    const auto value = cma.toNumber();
    if (!value)
        return std::nullopt;
    // nearbyint rounds in the default mode, to nearest with halves to even.
    const double shown = std::nearbyint(*value * 1500);
    if (!std::isfinite(shown))
        return std::nullopt;
    return shown == 0 ? 0.0 : shown;  // no "-0"
}

ReadResult<std::array<std::string, kTeamFieldCount>> teamBoxTexts(const TeamRecord& team)
{
    std::array<std::string, kTeamFieldCount> texts;
    for (int n = 1; n <= kTeamFieldCount; ++n) {
        if (n != kCmaField) {
            texts[static_cast<std::size_t>(n - 1)] = team.field(n).toText();
            continue;
        }
        const FieldValue& cma = team.field(n);
        const auto shown = cmaTimes1500(cma);
        if (!shown) {
            ReadError error;
            error.code = cma.toNumber() ? ReadErrorCode::CmaTooLarge : ReadErrorCode::CmaNotANumber;
            error.line = team.cmaLine;
            error.field = n;
            error.fieldsRead = kTeamFieldCount;
            error.fieldCount = kTeamFieldCount;
            error.detail = cma.toText();
            return error;
        }
        texts[static_cast<std::size_t>(n - 1)] = numberToText(*shown);
    }
    return texts;
}

ReadResult<TeamRecord> readTeamRecord(RecordReader& reader)
{
    if (reader.atEnd()) {
        ReadError error;
        error.code = ReadErrorCode::Empty;
        error.fieldCount = kTeamFieldCount;
        error.field = 1;
        return error;
    }
    TeamRecord team;
    const std::size_t start = reader.position();
    const std::span<const Target> targets(kTeamTargets);
    const std::span<FieldValue> fields(team.fields);
    // Up to the CMA, then the CMA's line is noted, then the rest.
    constexpr std::size_t beforeCma = kCmaField - 1;
    auto read = reader.readRecord(targets.first(beforeCma), fields.first(beforeCma));
    if (!read) {
        ReadError error = std::move(read).error();
        error.fieldCount = kTeamFieldCount;
        return error;
    }
    const auto text = reader.text();
    const auto cmaAt = std::min(text.find_first_not_of(" \t", reader.position()), text.size());
    team.cmaLine = reader.lineAt(cmaAt);
    if (read = reader.readRecord(targets.subspan(beforeCma), fields.subspan(beforeCma)); !read) {
        ReadError error = std::move(read).error();
        error.fieldsRead += static_cast<int>(beforeCma);
        error.field += static_cast<int>(beforeCma);
        if (error.code == ReadErrorCode::EndsInsideRecord)
            error.line = reader.lineAt(std::min(text.find_first_not_of(" \t\r\n", start), text.size()));
        error.fieldCount = kTeamFieldCount;
        return error;
    }
    return team;
}

ReadResult<void> readPlayerRecord(RecordReader& reader, int number, PlayerRecord& player)
{
    auto read = reader.readRecord(kPlayerTargets, player.fields, player.numberChars);
    if (!read)
        read.error().player = number;
    return read;
}

}  // namespace teamtool
