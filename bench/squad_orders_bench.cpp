// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The squad page and "Create Orders" with a large team loaded: each user action must
// answer within one frame (16 ms).

#include "app/dialogs.h"
#include "app/form_load.h"
#include "app/recorded_dialogs.h"
#include "orders/orders.h"
#include "squad/squad.h"
#include "teamfile/select_and_load.h"
#include "window/window.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

namespace teamtool {
namespace {

constexpr int kPlayers = 100'000;

struct LoadedWindow {
    RecordedDialogs dialogs;
    std::unique_ptr<FRMTEAMTOOL> form = createMainWindow(dialogs);
    FRMTEAMTOOL& f = *form;

    LoadedWindow()
    {
        const char* positions[] = {"GK", "DS", "CB", "FB", "AS", "DM", "CM", "MF", "WH", "AM", "W", "S", "CF"};
        for (int n = 1; n <= 5; ++n)
            f.list(n).items.reserve(kPlayers, std::size_t{kPlayers} * 8);
        for (int i = 0; i < kPlayers; ++i) {
            f.List1.items.push_back(positions[i % 13]);
            f.List2.items.push_back("Player " + std::to_string(i));
            f.List3.items.push_back(std::to_string(i % 20) + "." + std::to_string(i % 10));
            f.List4.items.push_back(std::to_string(i % 30));
            f.List5.items.push_back(std::to_string(i % 40));
        }
    }

    void select(int row)
    {
        f.List2.listIndex = row;
        List_Click(f, 2);
    }

    // Picks rows first, first + 1, ... into the next `count` slots.
    void pickRows(int first, int count)
    {
        for (int row = first; row < first + count; ++row) {
            select(row);
            List_DblClick(f, 2);
        }
    }
};

void BM_ListClick(benchmark::State& state)
{
    LoadedWindow w;
    int row = 0;
    for ([[maybe_unused]] auto _ : state) {
        w.f.List4.listIndex = row;
        w.f.List4.topIndex = row > 10 ? row - 10 : 0;
        List_Click(w.f, 4);
        row = (row + 7919) % kPlayers;
    }
    benchmark::DoNotOptimize(w.f.List1.listIndex);
}
BENCHMARK(BM_ListClick);

// A pick into an empty outfield slot, undone by that slot's Clear.
void BM_DoubleClickThenClear(benchmark::State& state)
{
    LoadedWindow w;
    w.pickRows(0, 5);  // slots 0 to 4 filled; slot 5 takes each pick
    int row = 50'000;
    for ([[maybe_unused]] auto _ : state) {
        w.select(row);
        List_DblClick(w.f, 2);
        Command2_Click(w.f, 5);
        row = row + 1 < kPlayers ? row + 1 : 50'000;
    }
    benchmark::DoNotOptimize(w.f.Text30.text);
}
BENCHMARK(BM_DoubleClickThenClear);

// A double-click alone; the slot it filled is emptied outside the timing.
void BM_DoubleClick(benchmark::State& state)
{
    LoadedWindow w;
    w.pickRows(0, 5);
    int row = 50'000;
    for ([[maybe_unused]] auto _ : state) {
        w.select(row);
        List_DblClick(w.f, 2);
        state.PauseTiming();
        Command2_Click(w.f, 5);
        state.ResumeTiming();
        row = row + 1 < kPlayers ? row + 1 : 50'000;
    }
}
BENCHMARK(BM_DoubleClick);

// "Clear" on a filled outfield slot whose marker stands; refilled outside the timing.
void BM_Clear(benchmark::State& state)
{
    LoadedWindow w;
    w.pickRows(0, 11);
    for ([[maybe_unused]] auto _ : state) {
        state.PauseTiming();
        w.f.Combo1(3).text = "CB";
        w.f.Text27(3).text = "Player 3";
        w.f.Text28(3).text = "3.3";
        w.f.Check1(2).setValue(1);
        state.ResumeTiming();
        Command2_Click(w.f, 3);
    }
    benchmark::DoNotOptimize(w.f.Text30.text);
}
BENCHMARK(BM_Clear);

// A marker box ticked on a marker position, then unticked: two runs of the rules.
void BM_MarkerClick(benchmark::State& state)
{
    LoadedWindow w;
    w.pickRows(0, 11);
    w.f.Combo1(4).text = "DS";
    for ([[maybe_unused]] auto _ : state) {
        w.f.Check1(3).setValue(1);
        w.f.Check1(3).setValue(0);
    }
    benchmark::DoNotOptimize(w.f.Text34(3).visible);
}
BENCHMARK(BM_MarkerClick);

// "Create Orders" with a full squad, the file written, flushed and closed.
void BM_CreateOrders(benchmark::State& state)
{
    LoadedWindow w;
    w.pickRows(0, 16);
    const auto folder = std::filesystem::temp_directory_path() / ("teamtool-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    FRMTEAMTOOL& f = w.f;
    f.Text31.text = (folder / "TEAM.TXT").string();
    f.Text(8).text = "AB";
    f.Text29.text = "CD";
    f.Combo2.text = "LB";
    f.Combo3.text = "MC";
    f.Option1(5).setValue(true);
    f.Option2(9).setValue(true);
    f.Combo1(3).text = "CB";
    f.Check1(2).setValue(1);
    f.Text34(2).text = "9";
    f.Text35.text = "We will win on Saturday.\nThe coach is confident.";
    f.Text36.text = "No comments.";
    for ([[maybe_unused]] auto _ : state) {
        Command1_Click(f);
        if (w.dialogs.messages.empty() || w.dialogs.messages.back() != "Orders Built") {
            state.SkipWithError("the orders were not built");
            break;
        }
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_CreateOrders)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace teamtool

BENCHMARK_MAIN();
