// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a 100,000-player team file into records, against the floor no parser can
// beat: counting the same bytes' lines.

#include "bench/team_file_gen.h"
#include "teamfile/record_reader.h"
#include "teamfile/staged_team.h"
#include "teamfile/team_records.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

constexpr int kPlayers = 100'000;

const std::string& teamFile()
{
    static const std::string text = teamtool::bench::makeTeamFile(kPlayers);
    return text;
}

const std::string& teamFilePath()
{
    static const std::string path = [] {
        const auto file = std::filesystem::temp_directory_path() / "teamtool_reader_bench_100k.txt";
        teamtool::bench::writeTeamFile(file.string(), kPlayers);
        return file.string();
    }();
    return path;
}

void BM_LineCount(benchmark::State& state)
{
    const std::string& text = teamFile();
    for ([[maybe_unused]] auto _ : state) {
        std::size_t lines = 0;
        const char* p = text.data();
        const char* const end = p + text.size();
        while ((p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p))))) {
            ++lines;
            ++p;
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_LineCount)->Unit(benchmark::kMillisecond);

// Counts what was read so that nothing can be skipped.
int readRecords(teamtool::RecordReader& reader)
{
    auto team = teamtool::readTeamRecord(reader);
    if (!team)
        return -1;
    teamtool::PlayerRecord player;
    int selectable = 0;
    for (int n = 1; !reader.atEnd(); ++n) {
        if (!teamtool::readPlayerRecord(reader, n, player))
            return -1;
        selectable += player.selectable();
    }
    return selectable;
}

// From bytes in memory: encoding check, then every record.
void BM_ReadRecords(benchmark::State& state)
{
    const std::string& text = teamFile();
    for ([[maybe_unused]] auto _ : state) {
        auto reader = teamtool::RecordReader::fromBytes(text);
        if (!reader || readRecords(*reader) < 0)
            state.SkipWithError("the file did not read");
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReadRecords)->Unit(benchmark::kMillisecond);

// From the file on disk (in the page cache): open, read, close, every record.
void BM_OpenAndReadRecords(benchmark::State& state)
{
    const std::string& path = teamFilePath();
    for ([[maybe_unused]] auto _ : state) {
        auto reader = teamtool::RecordReader::open(path);
        if (!reader || readRecords(*reader) < 0)
            state.SkipWithError("the file did not read");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(teamFile().size()));
}
BENCHMARK(BM_OpenAndReadRecords)->Unit(benchmark::kMillisecond);

// The whole staging of a load: records turned into the window's texts.
void BM_StageTeamLoad(benchmark::State& state)
{
    const std::string& text = teamFile();
    for ([[maybe_unused]] auto _ : state) {
        auto reader = teamtool::RecordReader::fromBytes(text);
        auto load = teamtool::stageTeam(*reader);
        if (!load || load->players != kPlayers)
            state.SkipWithError("the file did not stage");
        benchmark::DoNotOptimize(load);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_StageTeamLoad)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
