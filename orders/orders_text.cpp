// The orders file's name and bytes, built from the window.

#include "app/frmteamtool.h"
#include "app/text.h"
#include "orders/orders.h"
#include "squad/squad.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace teamtool {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Why `part` cannot stand in a file name, or empty when it can.
std::string fileNameProblem(std::string_view what, std::string_view part)
{
    constexpr std::string_view kForbidden = "/\\:*?\"<>|";
    for (const char c : part) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x20 || code == 0x7F)
            return std::string(what) + " \"" + std::string(part) + "\" holds a control character (code " +
                   std::to_string(code) + "), which a file name cannot hold";
        if (kForbidden.find(c) != std::string_view::npos)
            return std::string(what) + " \"" + std::string(part) + "\" holds \"" + std::string(1, c) +
                   "\", which a file name cannot hold";
    }
    return {};
}

bool holdsLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
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

// The code page's bytes 0x80 to 0x9F; the five it leaves unassigned stand for the
// control characters of the same number, as Windows maps them.
constexpr std::array<std::uint16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char windows1252Byte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t b = 0; b < kHighControls.size(); ++b)
        if (kHighControls[b] == c)
            return static_cast<char>(0x80 + b);
    return '?';
}

// Decodes one UTF-8 character at text[i], advancing i; a malformed sequence yields
// nothing and advances one byte.
std::optional<char32_t> nextCharacter(std::string_view text, std::size_t& i)
{
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80)
        return lead;
    int length = 0;
    char32_t c = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 1, c = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 2, c = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 3, c = lead & 0x07, least = 0x10000;
    } else {
        return std::nullopt;
    }
    if (i + static_cast<std::size_t>(length) > text.size())
        return std::nullopt;
    for (int k = 0; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return std::nullopt;
    i += static_cast<std::size_t>(length);
    return c;
}

std::string slotLine(const FRMTEAMTOOL& f, int slot)
{
    return f.Combo1(slot).text + " " + f.Text27(slot).text;
}

std::string slotProblem(const FRMTEAMTOOL& f, int slot)
{
    const std::string where = " in slot " + std::to_string(slot) + " holds a line break";
    if (holdsLineBreak(f.Combo1(slot).text))
        return "the position" + where;
    if (holdsLineBreak(f.Text27(slot).text))
        return "the name" + where;
    return {};
}

}  // namespace

std::string toWindows1252(std::string_view utf8)
{
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::optional<char32_t> c = nextCharacter(utf8, i);
        bytes += c ? windows1252Byte(*c) : '?';
    }
    return bytes;
}

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
    std::filesystem::path folder = std::filesystem::path(f.Text31.text).parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

OrdersBuild buildOrders(const FRMTEAMTOOL& f, int markerCount)
{
    OrdersBuild build;
    const std::string_view team = trimSpaces(f.Text(8).text);
    const std::string_view opponent = trimSpaces(f.Text29.text);

    // Everything that could make the file unreadable is refused before a byte is built.
    build.problem = fileNameProblem("the team abbreviation", team);
    if (build.problem.empty())
        build.problem = fileNameProblem("the opponent", opponent);
    if (build.problem.empty() && holdsLineBreak(f.Combo2.text))
        build.problem = "the tactic holds a line break";
    if (build.problem.empty() && holdsLineBreak(f.Combo3.text))
        build.problem = "the style holds a line break";
    const int substitutes = substituteCount(f);
    for (int i = kGoalkeeperSlot; build.problem.empty() && i < kFirstSubstituteSlot + substitutes; ++i)
        build.problem = slotProblem(f, i);
    for (int k = 0; build.problem.empty() && k < f.Check1.count(); ++k)
        if (f.Check1(k).value() == 1 && holdsLineBreak(f.Text34(k).text))
            build.problem = "the marker target in slot " + std::to_string(k + 1) + " holds a line break";
    if (!build.problem.empty())
        return build;

    std::vector<std::string> lines;
    lines.reserve(48);
    lines.emplace_back(team);
    lines.emplace_back(opponent);
    lines.emplace_back(trimSpaces(f.Combo2.text));
    lines.emplace_back(trimSpaces(f.Combo3.text));
    lines.emplace_back(trimSpaces(f.Text32.text));  // the flags keep the case typed
    lines.emplace_back(trimSpaces(f.Text33.text));
    lines.push_back(markerCount < 1 ? std::string("N") : "Y" + std::to_string(markerCount));
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
    if (markerCount > 0)
        for (int k = 0; k < f.Check1.count(); ++k)
            if (f.Check1(k).value() == 1)
                lines.push_back(f.Text27(k + 1).text + "," + f.Text34(k).text);
    lines.emplace_back("Transfer Bids");
    lines.emplace_back("Cut Players");
    lines.emplace_back("Press");
    appendTextLines(lines, f.Text35.text);
    lines.emplace_back("Comments to Commish");
    appendTextLines(lines, f.Text36.text);

    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += kLineEnd;
    }
    build.orders.bytes = toWindows1252(text);
    build.orders.fileName = std::string(team) + "vs" + std::string(opponent) + ".TXT";
    return build;
}

}  // namespace teamtool
