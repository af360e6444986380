// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Trimming as the whole program uses it: leading and trailing spaces (code 32) only;
// tabs and other white space stay. A text that is empty after trimming is blank. The
// season's folder names alone trim tabs too (trimBlanks).

#include <cstddef>
#include <string_view>

namespace teamtool {

// text without any of `characters` at either end.
constexpr std::string_view trimmedOf(std::string_view text, std::string_view characters)
{
    const auto first = text.find_first_not_of(characters);
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(characters);
    return text.substr(first, last - first + 1);
}

constexpr std::string_view trimSpaces(std::string_view text)
{
    return trimmedOf(text, " ");
}

// The same for blanks and tabs: how a name the team file gives is trimmed.
constexpr std::string_view trimBlanks(std::string_view text)
{
    return trimmedOf(text, " \t");
}

constexpr bool isBlank(std::string_view text)
{
    return trimSpaces(text).empty();
}

// The same texts once trimmed, letters compared in either case (ASCII): codes such as a
// team's abbreviation.
constexpr bool sameCode(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    a = trimSpaces(a);
    b = trimSpaces(b);
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

}  // namespace teamtool
