// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Load Team" on the window model (no toolkit) for 25, 10,000 and 100,000 players:
// read, check, and fill the team boxes, the grid and the lists.

#include "app/dialogs.h"
#include "app/form_load.h"
#include "bench/team_file_gen.h"
#include "orders/orders.h"
#include "squad/squad.h"
#include "teamfile/select_and_load.h"
#include "window/window.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

namespace {

void BM_LoadTeam(benchmark::State& state)
{
    const int players = static_cast<int>(state.range(0));
    const std::string& path = teamtool::bench::benchTeamFile(players);
    teamtool::bench::BenchDialogs dialogs;
    for ([[maybe_unused]] auto _ : state) {
        state.PauseTiming();
        auto form = teamtool::createMainWindow(dialogs);
        form->Text31.text = path;
        state.ResumeTiming();

        teamtool::Command3_Click(*form);

        state.PauseTiming();
        if (!dialogs.messages.empty() || form->MSFlexGrid1.rows() != players + 2)
            state.SkipWithError("the team did not load");
        form.reset();  // freeing the grid is not part of the load
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * players);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
}
BENCHMARK(BM_LoadTeam)->Arg(25)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
