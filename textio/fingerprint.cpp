// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textio/fingerprint.h"

#include <bit>
#include <cstring>

namespace teamtool {

namespace {

constexpr std::uint64_t kPrime1 = 0x9E3779B185EBCA87ULL;
constexpr std::uint64_t kPrime2 = 0xC2B2AE3D27D4EB4FULL;
constexpr std::uint64_t kPrime3 = 0x165667B19E3779F9ULL;
constexpr std::uint64_t kPrime4 = 0x85EBCA77C2B2AE63ULL;
constexpr std::uint64_t kPrime5 = 0x27D4EB2F165667C5ULL;

// A little-endian word, as XXH64 reads its input; a byte swap where the machine is not.
template <class Word>
std::uint64_t readWord(const char* p)
{
    Word value = 0;
    std::memcpy(&value, p, sizeof value);
    if constexpr (std::endian::native == std::endian::big && sizeof(Word) == 8)
        value = __builtin_bswap64(value);
    else if constexpr (std::endian::native == std::endian::big)
        value = __builtin_bswap32(value);
    return value;
}

std::uint64_t mixLane(std::uint64_t acc, std::uint64_t input)
{
    return std::rotl(acc + input * kPrime2, 31) * kPrime1;
}

std::uint64_t mergeRound(std::uint64_t acc, std::uint64_t lane)
{
    return (acc ^ mixLane(0, lane)) * kPrime1 + kPrime4;
}

}  // namespace

std::uint64_t contentHash(std::string_view bytes)
{
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    std::uint64_t hash = 0;
    if (bytes.size() >= 32) {
        std::uint64_t lanes[4] = {kPrime1 + kPrime2, kPrime2, 0, 0 - kPrime1};
        for (; end - p >= 32; p += 32)
            for (std::size_t k = 0; k < 4; ++k)
                lanes[k] =
                    mixLane(lanes[k], readWord<std::uint64_t>(p + std::ptrdiff_t{8} * static_cast<std::ptrdiff_t>(k)));
        hash = std::rotl(lanes[0], 1) + std::rotl(lanes[1], 7) + std::rotl(lanes[2], 12) + std::rotl(lanes[3], 18);
        for (const std::uint64_t lane : lanes)
            hash = mergeRound(hash, lane);
    } else {
        hash = kPrime5;
    }
    hash += bytes.size();
    for (; end - p >= 8; p += 8)
        hash = std::rotl(hash ^ mixLane(0, readWord<std::uint64_t>(p)), 27) * kPrime1 + kPrime4;
    if (end - p >= 4) {
        hash = std::rotl(hash ^ (readWord<std::uint32_t>(p) * kPrime1), 23) * kPrime2 + kPrime3;
        p += 4;
    }
    for (; p != end; ++p)
        hash = std::rotl(hash ^ (static_cast<std::uint64_t>(static_cast<unsigned char>(*p)) * kPrime5), 11) * kPrime1;
    hash ^= hash >> 33;
    hash *= kPrime2;
    hash ^= hash >> 29;
    hash *= kPrime3;
    hash ^= hash >> 32;
    return hash;
}

}  // namespace teamtool
