#pragma once

// Synthetic team files for benchmarks: a team record and any number of players with a
// realistic mix of fields (plain and quoted names, some with commas, whole numbers,
// decimals, empty fields, nationality codes, a share of players with WI or WS set).

#include <cstdint>
#include <string>

namespace teamtool::bench {

// The text of a team file of `players` players, CR LF line ends. The same seed gives
// the same file.
std::string makeTeamFile(int players, std::uint32_t seed = 1);

// Writes makeTeamFile(players, seed) to path; false when it cannot be written.
bool writeTeamFile(const std::string& path, int players, std::uint32_t seed = 1);

}  // namespace teamtool::bench
