// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A week loaded through the window model as the program runs it (Load Team's click,
// then the season): with Keep Season off, and with the new file kept and compared by
// itself with last week's, in a season of 2 kept files and of 500; a week of 30 players
// and one of 200,000, whose season's work must cost about one more load, not two.

#include "bench/team_file_gen.h"
#include "season/season.h"
#include "week/season_window.h"
#include "window/window.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <unistd.h>

namespace teamtool {
namespace {

namespace fs = std::filesystem;

// An orders file as this program writes them: what the season's orders files hold.
const std::string kOrders = "RDV\r\nCD\r\nLB\r\nMC\r\nN\r\ny\r\nY2\r\nY5\r\n"
                            "GK Ashworth\r\nDS Bellamy\r\nCB Smith, John\r\nCB Okafor\r\nFB Hendry\r\n"
                            "DS Doyle*\r\nDM McAllister\r\nCM Varga\r\nMF Fenwick\r\nWH Quinn#\r\nAM Baptiste\r\n"
                            "SUBS\r\nW Reyes\r\nW Thornton\r\nS Kowalski\r\nS Delaney\r\nAS Iwobi\r\n"
                            "Markers\r\nSmith, John,7\r\nOkafor,9\r\n"
                            "Transfer Bids\r\nCut Players\r\nPress\r\nWe respect them.\r\n"
                            "Comments to Commish\r\nNone\r\n";

void write(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

KeptTime at(int dayOfYear, int second)
{
    return {2026, 1 + dayOfYear / 28 % 12, 1 + dayOfYear % 28, 20, second / 60 % 60, second % 60};
}

// kept < 0: Keep Season off. Otherwise a season of `kept` files, last week's team file
// the newest of them, the others older team files and orders files in turn; every
// team file of `players` players.
void BM_LoadWeek(benchmark::State& state)
{
    const auto kept = static_cast<int>(state.range(0));
    const auto players = static_cast<int>(state.range(1));
    const fs::path folder = fs::temp_directory_path() / ("teamtool-season-bench-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path data = folder / "data";
    const std::string week = (folder / "RDV.txt").string();
    bench::BenchDialogs dialogs;

    fs::path team;
    if (kept > 0) {
        // Last week, kept as the program keeps it.
        bench::writeTeamFile(week, players, 1);
        auto form = createMainWindow(dialogs);
        form->season.folder = data.string();
        form->season.clock = [] { return at(300, 0); };
        openTeamFile(*form, week);
        team = form->season.teamFolder;
        for (int k = 1; k < kept; ++k)
            write(team / (stampOf(at(k / 2, k)) + (k % 2 ? " RDV.txt" : " RDVvsCD.TXT")),
                  k % 2 ? bench::makeTeamFile(players, 100 + static_cast<std::uint32_t>(k)) : kOrders);
        if (std::distance(fs::directory_iterator(team), {}) != kept) {
            state.SkipWithError("the season was not made");
            return;
        }
    }

    // Each week's file its own, and none like an older one.
    std::uint32_t weekNumber = 1'000'000;
    for ([[maybe_unused]] auto _ : state) {
        state.PauseTiming();
        bench::writeTeamFile(week, players, weekNumber);
        const KeptTime now = at(301, static_cast<int>(weekNumber++ % 3600));
        auto form = createMainWindow(dialogs);
        form->season.folder = data.string();
        form->season.keep = kept >= 0;
        form->season.clock = [now] { return now; };
        dialogs.notes.clear();
        state.ResumeTiming();

        openTeamFile(*form, week);

        state.PauseTiming();
        if (!dialogs.messages.empty() || form->loadedPlayers != players || (kept > 0) != form->comparison.made()) {
            state.SkipWithError(("the week did not load and compare as it should: " +
                                 (dialogs.notes.empty() ? std::string() : dialogs.notes.back()) + " " +
                                 form->season.teamFolder)
                                    .c_str());
            break;
        }
        if (kept > 0)
            fs::remove(team / (stampOf(now) + " RDV.txt"));  // the season stays as it was
        form.reset();
        state.ResumeTiming();
    }
    fs::remove_all(folder);
}
BENCHMARK(BM_LoadWeek)
    ->ArgNames({"kept", "players"})
    ->Args({-1, 30})
    ->Args({2, 30})
    ->Args({500, 30})
    ->Args({-1, 200'000})
    ->Args({2, 200'000})
    ->Unit(benchmark::kMillisecond);

// Add Team Files with 100 team files of 40 players, into a season that holds none of
// them. Target: a second.
void BM_AddTeamFiles(benchmark::State& state)
{
    const fs::path folder = fs::temp_directory_path() / ("teamtool-add-bench-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder / "picked");
    std::vector<std::string> picked;
    for (std::uint32_t k = 0; k < 100; ++k) {
        picked.push_back((folder / "picked" / ("week" + std::to_string(k) + ".txt")).string());
        write(picked.back(), bench::makeTeamFile(40, 500 + k));
    }
    bench::BenchDialogs dialogs;
    for ([[maybe_unused]] auto _ : state) {
        state.PauseTiming();
        fs::remove_all(folder / "data");
        const std::string week = (folder / "RDV.txt").string();
        bench::writeTeamFile(week, 40, 1);
        auto form = createMainWindow(dialogs);
        form->season.folder = (folder / "data").string();
        openTeamFile(*form, week);
        dialogs.messages.clear();
        state.ResumeTiming();

        addTeamFiles(*form, picked);

        state.PauseTiming();
        if (form->seasonView.weeks.size() != 101)
            state.SkipWithError(
                ("not every file was added: " + (dialogs.messages.empty() ? std::string() : dialogs.messages.back()))
                    .c_str());
        state.ResumeTiming();
    }
    fs::remove_all(folder);
}
BENCHMARK(BM_AddTeamFiles)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace teamtool

BENCHMARK_MAIN();
