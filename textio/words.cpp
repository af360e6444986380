// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textio/words.h"

namespace teamtool {

std::string joinedWithAnd(const std::vector<std::string>& items)
{
    std::string text;
    for (std::size_t k = 0; k < items.size(); ++k) {
        if (k > 0)
            text += k + 1 == items.size() ? " and " : ", ";
        text += items[k];
    }
    return text;
}

namespace {

std::string csvField(std::string_view text)
{
    const bool quoted = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                        (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quoted)
        return std::string(text);
    std::string field = "\"";
    for (const char c : text) {
        if (c == '"')
            field += '"';
        field += c;
    }
    return field + "\"";
}

}  // namespace

std::string tabSeparatedLine(const std::vector<std::string_view>& cells)
{
    std::string text;
    for (std::size_t k = 0; k < cells.size(); ++k)
        text.append(k > 0 ? "\t" : "").append(cells[k]);
    return text + '\n';
}

std::string csvLine(const std::vector<std::string_view>& cells)
{
    std::string text;
    for (std::size_t k = 0; k < cells.size(); ++k)
        text.append(k > 0 ? "," : "").append(csvField(cells[k]));
    return text + "\r\n";
}

std::string bulletedLines(std::string_view heading, const std::vector<std::string>& items)
{
    if (items.empty())
        return {};
    std::string lines(heading);
    for (const std::string& item : items)
        lines += "\n\u2022 " + item;
    return lines;
}

}  // namespace teamtool
