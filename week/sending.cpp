// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "week/sending.h"

#include "app/frmteamtool.h"
#include "season/season.h"
#include "textio/encoding.h"
#include "textio/files.h"
#include "textio/trim.h"
#include "textio/words.h"
#include "week/season_commands.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

namespace teamtool {

namespace {

// The orders checked and built, or nothing once the user has been told why not.
std::optional<OrdersText> ordersOrMessage(FRMTEAMTOOL& f)
{
    auto orders = checkedOrders(f);
    if (!orders) {
        f.msgBox(describeOrdersError(orders.error()));
        return std::nullopt;
    }
    return std::move(orders).value();
}

// The team the league's address is kept for: its season folder's name.
std::string leagueAddressKey(const FRMTEAMTOOL& f)
{
    return teamFolderName(f.loadedTeamFile.abbreviation, f.loadedTeamFile.name);
}

// Asks for the loaded team's league address, the one known in the box; false on Cancel.
bool askLeagueAddress(FRMTEAMTOOL& f)
{
    const std::string* known = leagueAddressOf(f);
    const std::string team(trimSpaces(f.teamName()));
    const auto given = f.dialogs().askText({.objectName = "LeagueAddressDialog",
                                            .title = "League's Address",
                                            .label = "E-mail Orders sends the orders of " +
                                                     (team.empty() ? std::string("this team") : team) +
                                                     " to this address (or addresses, separated by commas):",
                                            .text = known ? *known : std::string()});
    if (!given)
        return false;
    f.season.leagueAddresses[leagueAddressKey(f)] = std::string(trimSpaces(*given));
    return true;
}

// text with every byte but the unreserved ones, and those of `kept`, as %XX.
std::string percentEncoded(std::string_view text, std::string_view kept = {})
{
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool unreserved = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                                (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' ||
                                byte == '~' || kept.find(c) != std::string_view::npos;
        if (unreserved) {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        }
    }
    return out;
}

}  // namespace

std::string warningLines(const std::vector<std::string>& warnings)
{
    return bulletedLines("Before you send them, check:", warnings);
}

std::string ordersWrittenNote(const FRMTEAMTOOL& f, const std::string& fileName)
{
    std::filesystem::path folder = ordersFolder(f);
    std::error_code failed;
    if (const auto current = std::filesystem::current_path(failed); folder == "." && !failed)
        folder = current;
    std::string note = fileName + " written in " + utf8FromPath(folder.make_preferred());
    if (const std::string warnings = warningLines(ordersWarnings(f)); !warnings.empty())
        note += "\n" + warnings;
    return note;
}

std::string ordersTextForReading(const OrdersText& orders)
{
    std::string text = windows1252ToUtf8(orders.bytes);
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            lines += text[i];
    return lines;
}

std::string mailtoUrl(const OrdersText& orders, std::string_view to)
{
    std::string_view subject = orders.fileName;
    if (subject.ends_with(".TXT"))
        subject.remove_suffix(4);
    // The address keeps its @ and the commas between addresses; a '?', '&' or '%' in
    // it is encoded, so it can add no header of its own. Line breaks in a mail body are
    // CR LF, whatever the platform.
    return "mailto:" + percentEncoded(to, "@,") + "?subject=" + percentEncoded(subject) +
           "&body=" + percentEncoded(windows1252ToUtf8(orders.bytes));
}

void actionPreviewOrders_Click(FRMTEAMTOOL& f)
{
    const auto orders = ordersOrMessage(f);
    if (!orders)
        return;
    OrdersPreview preview;
    preview.fileName = orders->fileName;
    preview.folder = utf8FromPath(ordersFolder(f));
    preview.text = ordersTextForReading(*orders);
    preview.warnings = ordersWarnings(f);
    switch (f.dialogs().showPreview(preview)) {
    case PreviewChoice::CreateOrders:
        f.Command1.click();  // exactly as the button: checks, writes, "Orders Built"
        break;
    case PreviewChoice::Copy:
        f.dialogs().copyText(preview.text);
        f.dialogs().notify("The orders for " + orders->fileName + " are on the clipboard");
        break;
    case PreviewChoice::Close:
        break;
    }
}

void actionCopyOrders_Click(FRMTEAMTOOL& f)
{
    if (const auto orders = ordersOrMessage(f)) {
        f.dialogs().copyText(ordersTextForReading(*orders));
        f.dialogs().notify("The orders for " + orders->fileName + " are on the clipboard");
    }
}

void actionEmailOrders_Click(FRMTEAMTOOL& f)
{
    if (!ordersOrMessage(f))
        return;
    if (!leagueAddressOf(f) && !askLeagueAddress(f))
        return;
    const auto created = createOrders(f);
    if (!created) {
        f.msgBox(describeOrdersError(created.error()));
        return;
    }
    ordersWritten(f);
    // The mail program opening is the confirmation; without one the manager is told
    // where the file is, to send it by hand.
    const std::string file = utf8FromPath(ordersFolder(f) / pathFromUtf8(created->fileName));
    f.dialogs().openUrl(mailtoUrl(*created, *leagueAddressOf(f)),
                        [&f, file] { f.msgBox("No mail program answered. The orders are written to " + file + "."); });
}

void actionLeagueAddress_Click(FRMTEAMTOOL& f)
{
    if (f.teamLoaded())
        askLeagueAddress(f);
}

const std::string* leagueAddressOf(const FRMTEAMTOOL& f)
{
    const auto& addresses = f.season.leagueAddresses;
    const auto found = addresses.find(leagueAddressKey(f));
    return found == addresses.end() ? nullptr : &found->second;
}

}  // namespace teamtool
