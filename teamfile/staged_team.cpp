// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teamfile/staged_team.h"

#include <algorithm>
#include <optional>

namespace teamtool {

namespace {

constexpr auto kFieldOfColumn = fieldOfGridColumn();
constexpr auto kFieldOfList = fieldOfList();

// About how many fields the text holds from `from` on: its delimiters, less the
// commas and line ends inside quotes. Only a hint for reserving the grid texts, so a
// stray quote that throws it off costs nothing but a reallocation. A few megabytes at
// a time, each followed by a word to progress of how far it is; nothing once it cancels.
std::optional<std::size_t> estimateFields(std::string_view text, std::size_t from, const ProgressCheck& progress)
{
    // Counted with arithmetic rather than branches: which character comes next is
    // anybody's guess, and a mispredicted branch per character would cost more than
    // the rest of the loop. CR LF counts once, at the CR.
    constexpr std::size_t kChunk = std::size_t{4} << 20;
    std::size_t delimiters = 0;
    bool inQuotes = false;
    char previous = '\0';
    for (std::size_t at = std::min(from, text.size()); at < text.size(); at += kChunk) {
        for (const char c : text.substr(at, kChunk)) {
            inQuotes ^= c == '"';
            const bool lineEnd = c == '\r' || (c == '\n' && previous != '\r');
            delimiters += !inQuotes & (c == ',' || lineEnd);
            previous = c;
        }
        if (!goOn(progress, std::min(at + kChunk, text.size()) - from, text.size() - from))
            return std::nullopt;
    }
    return delimiters + 1;
}

ReadError cancelled()
{
    ReadError error;
    error.code = ReadErrorCode::Cancelled;
    return error;
}

}  // namespace

ReadResult<StagedTeam> stageTeam(RecordReader& reader, StagedLists lists, const ProgressCheck& progress)
{
    auto team = readTeamRecord(reader);
    if (!team)
        return team.error();
    auto texts = teamBoxTexts(*team);
    if (!texts)
        return texts.error();

    StagedTeam load;
    load.teamTexts = std::move(*texts);

    // Counting the fields is the first quarter of staging's progress, reading the
    // players the rest.
    const std::size_t from = reader.position();
    const std::uint64_t span = reader.text().size() - from;
    const auto counting = [&progress](std::uint64_t done, std::uint64_t total) {
        return goOn(progress, done, 4 * total);
    };
    const auto readingPlayers = [&progress, from, span](std::size_t position) {
        return goOn(progress, span + 3 * (position - from), 4 * span);
    };

    // One row's worth of texts per player, room for them all at once: growing a
    // buffer of a hundred megabytes would copy it. A row more, for the empty row the
    // grid shows below the players.
    const auto fields = estimateFields(reader.text(), from, counting);
    if (!fields)
        return cancelled();
    load.gridCells.reserve(*fields - *fields % kPlayerFieldCount + std::size_t{2} * kPlayerFieldCount,
                           reader.text().size());

    // Each text goes straight from the record (or, for a number, from a buffer on the
    // stack) into the grid's buffer, with no string made on the way.
    PlayerRecord player;
    NumberTextBuffer buffer;
    constexpr int kPlayersBetweenChecks = 1024;
    while (!reader.atEnd()) {
        if (load.players % kPlayersBetweenChecks == 0 && !readingPlayers(reader.position()))
            return cancelled();
        if (auto read = readPlayerRecord(reader, load.players + 1, player); !read)
            return std::move(read).error();
        ++load.players;
        if (lists == StagedLists::Made && player.selectable())
            for (std::size_t k = 0; k < kFieldOfList.size(); ++k)
                load.lists[k].push_back(player.shownText(kFieldOfList[k], buffer));
        for (const int field : kFieldOfColumn)
            load.gridCells.push_back(player.shownText(field, buffer));
    }
    return load;
}

namespace {

constexpr std::uint64_t kReadingShare = kLoadProgressTotal / 8;

// A check that reports its part of a load, from `from` thousandths on for `width`.
ProgressCheck share(const ProgressCheck& load, std::uint64_t from, std::uint64_t width)
{
    if (!load)
        return {};
    return [load, from, width](std::uint64_t done, std::uint64_t total) {
        return load(from + (total == 0 ? 0 : std::min(done, total) * width / total), kLoadProgressTotal);
    };
}

}  // namespace

ProgressCheck readingProgress(const ProgressCheck& load)
{
    return share(load, 0, kReadingShare);
}

ProgressCheck stagingProgress(const ProgressCheck& load)
{
    return share(load, kReadingShare, kLoadProgressTotal - kReadingShare);
}

bool readsAsTeamFile(std::string bytes)
{
    auto reader = RecordReader::fromBytes(std::move(bytes));
    return reader && stageTeam(*reader, StagedLists::Skipped);
}

ReadResult<StagedTeam> readStagedTeam(const std::string& path, StagedLists lists, const ProgressCheck& progress)
{
    auto reader = RecordReader::open(path, readingProgress(progress));
    if (!reader)
        return reader.error();
    auto staged = stageTeam(*reader, lists, stagingProgress(progress));
    if (staged) {
        staged->file = reader->source();
        staged->fileBytes = std::move(*reader).takeSourceBytes();
    }
    return staged;
}

}  // namespace teamtool
