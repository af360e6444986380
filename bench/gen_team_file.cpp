// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// gen_team_file N OUT: writes a synthetic team file of N players to OUT.

#include "bench/team_file_gen.h"

#include <charconv>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    int players = -1;
    if (argc == 3) {
        const char* end = argv[1] + std::strlen(argv[1]);
        const auto [ptr, error] = std::from_chars(argv[1], end, players);
        if (error != std::errc{} || ptr != end)
            players = -1;
    }
    if (players < 0) {
        std::fprintf(stderr, "usage: gen_team_file PLAYERS OUT\n");
        return 2;
    }
    if (!teamtool::bench::writeTeamFile(argv[2], players)) {
        std::fprintf(stderr, "gen_team_file: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
