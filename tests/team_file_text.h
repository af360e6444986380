// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Small team files written out in the tests themselves, field by field.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace teamtool::testing {

// The 26 team fields as they stand in the file, in file order.
inline std::array<std::string, 26> teamFields(std::string cma = "0.85")
{
    return {"\"Rovers of Dale\"",
            "RDV",
            "3",
            "1",
            "75",
            std::move(cma),
            "\"Dale Park\"",
            "12000",
            "8000",
            "14",
            "250",
            "12",
            "300",
            "16",
            "450",
            "125000.50",
            "2",
            "4",
            "9850",
            "104500",
            "98500",
            "50000",
            "7.5",
            "-2",
            "0",
            ""};
}

// A player's 31 fields in file order: name, age, pos, NSL, wage, five counts, SP,
// Max SP, WI, WS, then sixteen figures derived from seed.
inline std::array<std::string, 31> playerFields(std::string name, std::string pos, std::string nsl,
                                                std::string wi = "0", std::string ws = "0", int seed = 1)
{
    std::array<std::string, 31> f;
    f[0] = std::move(name);
    f[1] = std::to_string(20 + seed % 15);
    f[2] = std::move(pos);
    f[3] = std::move(nsl);
    f[4] = std::to_string(1000 + seed * 25);
    for (int k = 5; k <= 10; ++k)
        f[static_cast<std::size_t>(k)] = std::to_string((seed + k) % 4);
    f[11] = std::to_string(seed % 10);       // SP
    f[12] = std::to_string(10 + seed % 10);  // Max SP
    f[13] = std::move(wi);
    f[14] = std::move(ws);
    for (int k = 15; k < 31; ++k)
        f[static_cast<std::size_t>(k)] = std::to_string(seed * 31 + k);
    return f;
}

template <std::size_t N>
std::string joinFields(const std::array<std::string, N>& fields, const std::string& separator = ",")
{
    std::string line;
    for (std::size_t k = 0; k < N; ++k) {
        if (k)
            line += separator;
        line += fields[k];
    }
    return line;
}

// A team file of one team line and one line per player, CR LF after each.
inline std::string teamFileText(const std::array<std::string, 26>& team,
                                const std::vector<std::array<std::string, 31>>& players)
{
    std::string text = joinFields(team) + "\r\n";
    for (const auto& player : players)
        text += joinFields(player) + "\r\n";
    return text;
}

// Orders as Create Orders writes them: the main side's eleven "POS NAME" lines, the
// substitutes' lines (one at least) and the marker lines.
inline std::string ordersText(const std::string& team, const std::vector<std::string>& mainSide,
                              const std::vector<std::string>& substitutes, const std::vector<std::string>& markers)
{
    std::string text = team + "\r\nCD\r\nLB\r\nMC\r\nN\r\nN\r\n";
    text += markers.empty() ? "N\r\n" : "Y" + std::to_string(markers.size()) + "\r\n";
    text += "Y" + std::to_string(substitutes.size()) + "\r\n";
    for (const std::string& line : mainSide)
        text += line + "\r\n";
    text += "SUBS\r\n";
    for (const std::string& line : substitutes)
        text += line + "\r\n";
    text += "Markers\r\n";
    for (const std::string& line : markers)
        text += line + "\r\n";
    return text + "Transfer Bids\r\nCut Players\r\nPress\r\nComments to Commish\r\n";
}

}  // namespace teamtool::testing
