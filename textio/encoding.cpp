// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textio/encoding.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace teamtool {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Code points of the bytes 0x80 to 0x9F; the rest of the page is Latin-1. The five
// bytes the code page leaves unassigned stand for the control characters of the same
// number, as Windows maps them.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t windows1252Code(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : byte;
}

char windows1252Byte(char32_t code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<char>(code);
    for (std::size_t b = 0; b < kWindows1252High.size(); ++b)
        if (kWindows1252High[b] == code)
            return static_cast<char>(0x80 + b);
    return '?';
}

void appendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

}  // namespace

std::size_t decodeUtf8(std::string_view bytes, char32_t& code)
{
    if (bytes.empty())
        return 0;
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    std::size_t length = 0;
    char32_t least = 0;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, least = 0x80, value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, least = 0x800, value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, least = 0x10000, value = lead & 0x07;
    } else {
        return 0;
    }
    if (bytes.size() < length)
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    code = value;
    return length;
}

bool isValidUtf8(std::string_view bytes)
{
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    while (p < end) {
        // Plain ASCII 32 bytes at a time, then eight: most team files are nothing else.
        constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
        while (end - p >= 32) {
            std::uint64_t chunk[4];
            std::memcpy(chunk, p, 32);
            if ((chunk[0] | chunk[1] | chunk[2] | chunk[3]) & kHighBits)
                break;
            p += 32;
        }
        while (end - p >= 8) {
            std::uint64_t chunk;
            std::memcpy(&chunk, p, 8);
            if (chunk & kHighBits)
                break;
            p += 8;
        }
        if (p == end)
            break;
        char32_t code = 0;
        const std::size_t length = decodeUtf8(std::string_view(p, static_cast<std::size_t>(end - p)), code);
        if (length == 0)
            return false;
        p += length;
    }
    return true;
}

std::size_t utf8Length(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    return count;
}

std::string windows1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char byte : bytes)
        appendUtf8(out, windows1252Code(static_cast<unsigned char>(byte)));
    return out;
}

std::string toWindows1252(std::string_view utf8)
{
    std::string bytes;
    bytes.reserve(utf8.size());
    while (!utf8.empty()) {
        char32_t code = 0;
        const std::size_t length = decodeUtf8(utf8, code);
        bytes += length ? windows1252Byte(code) : '?';
        utf8.remove_prefix(length ? length : 1);
    }
    return bytes;
}

std::string decodeTextFile(std::string bytes, std::string* original)
{
    if (!isValidUtf8(bytes)) {
        std::string text = windows1252ToUtf8(bytes);
        if (original)
            *original = std::move(bytes);
        return text;
    }
    if (std::string_view(bytes).starts_with(kByteOrderMark)) {
        if (original)
            *original = bytes;
        bytes.erase(0, kByteOrderMark.size());
    }
    return bytes;
}

std::size_t lineAtOffset(std::string_view text, std::size_t position)
{
    position = std::min(position, text.size());
    std::size_t lines = 1;
    for (std::size_t i = 0; i < position; ++i) {
        // LF, and a CR that no LF follows: CR LF counts once, at its LF.
        const bool loneCr = text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n');
        if (text[i] == '\n' || loneCr)
            ++lines;
    }
    return lines;
}

}  // namespace teamtool
