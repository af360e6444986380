// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The orders file's name and bytes, built from the window.

#include "app/frmteamtool.h"
#include "orders/orders.h"
#include "squad/squad.h"
#include "textio/encoding.h"
#include "textio/trim.h"

#include <optional>
#include <string>
#include <vector>

namespace teamtool {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Why `part` cannot stand in a file name, or nothing when it can.
std::optional<OrdersError> fileNameProblem(std::string_view what, std::string_view part)
{
    constexpr std::string_view kForbidden = "/\\:*?\"<>|";
    for (const char c : part) {
        const auto code = static_cast<unsigned char>(c);
        const bool control = code < 0x20 || code == 0x7F;
        if (control || kForbidden.find(c) != std::string_view::npos) {
            OrdersError error;
            error.code = control ? OrdersErrorCode::ControlInFileName : OrdersErrorCode::ForbiddenInFileName;
            error.what = what;
            error.text = part;
            error.character = code;
            return error;
        }
    }
    return std::nullopt;
}

std::optional<OrdersError> lineBreakIn(std::string what, std::string_view text)
{
    if (text.find_first_of("\r\n") == std::string_view::npos)
        return std::nullopt;
    OrdersError error;
    error.code = OrdersErrorCode::LineBreak;
    error.what = std::move(what);
    return error;
}

// A multi-line box's text as lines: CR LF, a lone CR, a lone LF and the Unicode line
// and paragraph separators all end a line. An empty text is one empty line.
void appendTextLines(std::vector<std::string>& lines, std::string_view text)
{
    constexpr std::string_view kLineSeparator = "\xE2\x80\xA8";
    constexpr std::string_view kParagraphSeparator = "\xE2\x80\xA9";
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view rest = text.substr(i);
        if (rest.front() == '\r' || rest.front() == '\n') {
            if (rest.starts_with("\r\n"))
                ++i;
        } else if (rest.starts_with(kLineSeparator) || rest.starts_with(kParagraphSeparator)) {
            i += 2;
        } else {
            line += rest.front();
            continue;
        }
        lines.push_back(std::move(line));
        line.clear();
    }
    lines.push_back(std::move(line));
}

std::string slotLine(const FRMTEAMTOOL& f, int slot)
{
    return f.Combo1(slot).text + " " + f.Text27(slot).text;
}

std::optional<OrdersError> slotProblem(const FRMTEAMTOOL& f, int slot)
{
    const std::string where = " in slot " + std::to_string(slot);
    if (auto problem = lineBreakIn("the position" + where, f.Combo1(slot).text))
        return problem;
    return lineBreakIn("the name" + where, f.Text27(slot).text);
}

// Anything in the window that would make the file unreadable, refused before a byte
// is built.
std::optional<OrdersError> firstProblem(const FRMTEAMTOOL& f, std::string_view team, std::string_view opponent,
                                        int substitutes)
{
    if (auto problem = fileNameProblem("the team abbreviation", team))
        return problem;
    if (auto problem = fileNameProblem("the opponent", opponent))
        return problem;
    if (auto problem = lineBreakIn("the tactic", f.Combo2.text))
        return problem;
    if (auto problem = lineBreakIn("the style", f.Combo3.text))
        return problem;
    for (int i = kGoalkeeperSlot; i < kFirstSubstituteSlot + substitutes; ++i)
        if (auto problem = slotProblem(f, i))
            return problem;
    for (int slot = 1; slot <= f.markerSlots(); ++slot)
        if (f.marks(slot))
            if (auto problem =
                    lineBreakIn("the marker target in slot " + std::to_string(slot), f.markerTargetOf(slot).text))
                return problem;
    return std::nullopt;
}

}  // namespace

int substituteCount(const FRMTEAMTOOL& f)
{
    int count = 0;
    while (kFirstSubstituteSlot + count <= kLastSubstituteSlot && !isSlotEmpty(f, kFirstSubstituteSlot + count))
        ++count;
    return count;
}

std::filesystem::path ordersFolder(const FRMTEAMTOOL& f)
{
    if (f.Text31.text.empty())
        return ".";
    std::filesystem::path folder = pathFromUtf8(f.Text31.text).parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

Result<OrdersText, OrdersError> buildOrders(const FRMTEAMTOOL& f)
{
    const int markers = markerCount(f);
    const std::string_view team = f.teamAbbreviation();
    const std::string_view opponent = f.opponent();
    const int substitutes = substituteCount(f);
    if (auto problem = firstProblem(f, team, opponent, substitutes))
        return std::move(*problem);

    std::vector<std::string> lines;
    lines.reserve(48);
    lines.emplace_back(team);
    lines.emplace_back(opponent);
    lines.emplace_back(trimSpaces(f.Combo2.text));
    lines.emplace_back(trimSpaces(f.Combo3.text));
    lines.emplace_back(trimSpaces(f.Text32.text));  // the flags keep the case typed
    lines.emplace_back(trimSpaces(f.Text33.text));
    lines.push_back(markers < 1 ? std::string("N") : "Y" + std::to_string(markers));
    lines.push_back("Y" + std::to_string(substitutes));

    // Lines from here on hold the boxes' texts as they stand, blanks included.
    for (int i = kGoalkeeperSlot; i < kFirstSubstituteSlot; ++i) {
        std::string line = slotLine(f, i);
        if (f.Option1(i).value())
            line += '*';
        if (f.Option2(i).value())
            line += '#';
        lines.push_back(std::move(line));
    }
    lines.emplace_back("SUBS");
    for (int i = kFirstSubstituteSlot; i < kFirstSubstituteSlot + substitutes; ++i)
        lines.push_back(slotLine(f, i));
    lines.emplace_back("Markers");
    if (markers > 0)
        for (int slot = 1; slot <= f.markerSlots(); ++slot)
            if (f.marks(slot))
                lines.push_back(f.Text27(slot).text + "," + f.markerTargetOf(slot).text);
    lines.emplace_back("Transfer Bids");
    lines.emplace_back("Cut Players");
    lines.emplace_back("Press");
    appendTextLines(lines, f.press());
    lines.emplace_back("Comments to Commish");
    appendTextLines(lines, f.comments());

    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += kLineEnd;
    }
    OrdersText orders;
    orders.bytes = toWindows1252(text);
    orders.fileName = std::string(team) + "vs" + std::string(opponent) + ".TXT";
    return orders;
}

}  // namespace teamtool
