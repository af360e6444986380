// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What tells one file's bytes from another's without keeping them: their size and a
// 64-bit hash of them (XXH64, seed 0), taken once as a file is read.

#include <cstdint>
#include <string_view>

namespace teamtool {

struct FileFingerprint {
    std::uint64_t size = 0;
    std::uint64_t hash = 0;

    bool operator==(const FileFingerprint&) const = default;
};

// XXH64 of bytes with seed 0: several gigabytes a second, so a team file's costs
// little beside reading it.
std::uint64_t contentHash(std::string_view bytes);

inline FileFingerprint fingerprintOf(std::string_view bytes)
{
    return {bytes.size(), contentHash(bytes)};
}

}  // namespace teamtool
