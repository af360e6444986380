// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Words put together as the program's sentences say them.

#include <string>
#include <string_view>
#include <vector>

namespace teamtool {

// "a", "a and b", "a, b and c".
std::string joinedWithAnd(const std::vector<std::string>& items);

// A heading and its items, one line each under it: "heading\n• a\n• b"; empty for no
// items.
std::string bulletedLines(std::string_view heading, const std::vector<std::string>& items);

// A table's line as a spreadsheet takes it: from the clipboard, the cells separated by
// tabs and ended by '\n'; in a CSV file, separated by commas, each quoted where it holds
// a comma, a quote, a line end or a blank at either end, ended by CR LF.
std::string tabSeparatedLine(const std::vector<std::string_view>& cells);
std::string csvLine(const std::vector<std::string_view>& cells);
// What a CSV file starts with, so that spreadsheet programs read it as UTF-8.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace teamtool
