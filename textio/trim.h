// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Trimming as the whole program uses it: leading and trailing spaces (code 32) only;
// tabs and other white space stay. A text that is empty after trimming is blank.

#include <string_view>

namespace teamtool {

constexpr std::string_view trimSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

constexpr bool isBlank(std::string_view text)
{
    return trimSpaces(text).empty();
}

}  // namespace teamtool
