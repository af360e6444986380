// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "season/season.h"

#include "textio/trim.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <chrono>
#include <ctime>
#include <system_error>
#include <tuple>

namespace teamtool {

namespace {

// "2026-12-07 23-15-02 ": the stamp and the space after it.
constexpr std::size_t kStampLength = 19;

void appendTwoDigits(std::string& text, int value)
{
    text += static_cast<char>('0' + value / 10 % 10);
    text += static_cast<char>('0' + value % 10);
}

// Sunday 0 to Saturday 6, of a date of the Gregorian calendar (Sakamoto's rule).
int weekdayOf(int year, int month, int day)
{
    static constexpr std::array<int, 12> kMonthOffset = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3)
        --year;
    const int weekday =
        (year + year / 4 - year / 100 + year / 400 + kMonthOffset[static_cast<std::size_t>(month - 1)] + day) % 7;
    return (weekday + 7) % 7;
}

std::optional<int> numberAt(std::string_view text, std::size_t from, std::size_t digits)
{
    int value = 0;
    const char* begin = text.data() + from;
    const char* end = begin + digits;
    const auto read = std::from_chars(begin, end, value);
    if (read.ec != std::errc() || read.ptr != end || *begin == '-' || *begin == '+')
        return std::nullopt;
    return value;
}

bool cannotStandInName(unsigned char c)
{
    return c < 0x20 || c == 0x7F ||
           std::string_view("/\\:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
}

// CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9: names Windows keeps for devices.
bool isDeviceName(std::string_view name)
{
    std::string upper(name);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper == "CON" || upper == "PRN" || upper == "AUX" || upper == "NUL")
        return true;
    return upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) && upper[3] >= '1' &&
           upper[3] <= '9';
}

FileError folderError(const std::filesystem::path& folder, const std::error_code& error)
{
    FileError e = FileError::replacing(FileErrorCode::FolderUnreachable, error.message(), folder, {});
    e.path = utf8FromPath(folder);
    return e;
}

// The number a kept name has after its own name when another file of that name was
// kept in the same second: 2 of "RDV (2).txt", 1 of "RDV.txt".
int numberOf(std::string_view ownName)
{
    const std::size_t dot = ownName.rfind('.');
    std::string_view stem = ownName.substr(0, dot == std::string_view::npos || dot == 0 ? ownName.size() : dot);
    if (!stem.ends_with(')'))
        return 1;
    const std::size_t open = stem.rfind(" (");
    if (open == std::string_view::npos)
        return 1;
    const std::string_view digits = stem.substr(open + 2, stem.size() - open - 3);
    int number = 0;
    const auto read = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return read.ec == std::errc() && read.ptr == digits.data() + digits.size() && number >= 2 ? number : 1;
}

}  // namespace

namespace {

KeptTime localTimeAt(std::time_t now)
{
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

}  // namespace

KeptTime localTimeNow()
{
    return localTimeAt(std::time(nullptr));
}

KeptTime localTimeOf(std::filesystem::file_time_type time)
{
    const auto system = std::chrono::file_clock::to_sys(time);
    return localTimeAt(std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(system)));
}

std::string stampOf(const KeptTime& time)
{
    // Four digits of year, as a kept name has them.
    std::string text = std::to_string(time.year);
    if (time.year >= 0 && text.size() < 4)
        text.insert(0, 4 - text.size(), '0');
    for (const auto& [separator, value] :
         {std::pair{'-', time.month}, std::pair{'-', time.day}, std::pair{' ', time.hour}, std::pair{'-', time.minute},
          std::pair{'-', time.second}}) {
        text += separator;
        appendTwoDigits(text, value);
    }
    return text;
}

namespace {

constexpr std::array<std::string_view, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

}  // namespace

std::string dayOf(const KeptTime& time)
{
    static constexpr std::array<std::string_view, 7> kDays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    if (time.month < 1 || time.month > 12)
        return stampOf(time).substr(0, 10);
    return std::string(kDays[static_cast<std::size_t>(weekdayOf(time.year, time.month, time.day))]) + " " +
           dayMonthOf(time) + " " + std::to_string(time.year);
}

std::string dayMonthOf(const KeptTime& time)
{
    return std::to_string(time.day) + " " +
           std::string(kMonths[static_cast<std::size_t>(std::clamp(time.month, 1, 12) - 1)]);
}

std::optional<KeptTime> keptTimeOf(std::string_view name)
{
    // "YYYY-MM-DD HH-MM-SS " and something after it.
    if (name.size() <= kStampLength + 1 || name[kStampLength] != ' ')
        return std::nullopt;
    static constexpr std::string_view kShape = "0000-00-00 00-00-00";
    for (std::size_t k = 0; k < kShape.size(); ++k)
        if (kShape[k] == '0' ? (name[k] < '0' || name[k] > '9') : name[k] != kShape[k])
            return std::nullopt;
    KeptTime time;
    time.year = *numberAt(name, 0, 4);
    time.month = *numberAt(name, 5, 2);
    time.day = *numberAt(name, 8, 2);
    time.hour = *numberAt(name, 11, 2);
    time.minute = *numberAt(name, 14, 2);
    time.second = *numberAt(name, 17, 2);
    if (time.month < 1 || time.month > 12 || time.day < 1 || time.day > 31 || time.hour > 23 || time.minute > 59 ||
        time.second > 60)
        return std::nullopt;
    return time;
}

std::string portableFileName(std::string_view name)
{
    std::string portable(name);
    for (char& c : portable)
        if (cannotStandInName(static_cast<unsigned char>(c)))
            c = '_';
    if (!portable.empty() && (portable.back() == '.' || portable.back() == ' '))
        portable += '_';
    return portable;
}

std::string teamFolderName(std::string_view abbreviation, std::string_view name)
{
    std::string folder(trimBlanks(abbreviation));
    if (const std::string_view team = trimBlanks(name); !team.empty())
        folder += (folder.empty() ? "" : " ") + std::string(team);
    folder = portableFileName(folder);
    if (folder.empty() || isDeviceName(folder))
        folder += '_';
    if (folder.front() == '.')
        folder.front() = '_';  // neither hidden nor "." or ".."
    return folder;
}

std::string_view KeptFile::ownName() const
{
    return std::string_view(name).substr(std::min(name.size(), kStampLength + 1));
}

namespace {

bool keptOrder(const KeptFile& a, const KeptFile& b)
{
    return std::tuple(a.time, numberOf(a.ownName()), std::string_view(a.name)) <
           std::tuple(b.time, numberOf(b.ownName()), std::string_view(b.name));
}

}  // namespace

Result<std::vector<KeptFile>, FileError> keptFiles(const std::filesystem::path& teamFolder)
{
    std::vector<KeptFile> files;
    std::error_code error;
    if (!std::filesystem::exists(teamFolder, error)) {
        if (error)
            return folderError(teamFolder, error);
        return files;
    }
    std::filesystem::directory_iterator entries(teamFolder, error);
    if (error)
        return folderError(teamFolder, error);
    for (const std::filesystem::directory_entry& entry : entries) {
        std::error_code ignored;
        std::string name = utf8FromPath(entry.path().filename());
        const auto time = keptTimeOf(name);
        if (!time || !entry.is_regular_file(ignored))
            continue;
        const std::uintmax_t size = entry.file_size(ignored);
        if (ignored)
            continue;
        files.push_back({std::move(name), entry.path(), *time, size});
    }
    std::sort(files.begin(), files.end(), keptOrder);
    return files;
}

bool isOrdersFile(std::string_view text)
{
    static constexpr std::string_view kHeadings[] = {"SUBS",        "Markers", "Transfer Bids",
                                                     "Cut Players", "Press",   "Comments to Commish"};
    std::size_t from = 0;
    for (const std::string_view heading : kHeadings) {
        bool found = false;
        while (!found && from < text.size()) {
            const std::size_t end = std::min(text.find_first_of("\r\n", from), text.size());
            found = text.substr(from, end - from) == heading;
            from = end + 1;
        }
        if (!found)
            return false;
    }
    return true;
}

KeptKind keptKindOf(std::string_view bytes)
{
    return bytes.size() <= kMaxOrdersFileBytes && isOrdersFile(bytes) ? KeptKind::OrdersFile : KeptKind::TeamFile;
}

bool holdsBytes(const KeptFile& file, std::string_view bytes)
{
    if (file.size != bytes.size())
        return false;
    const auto held = readWholeFile(utf8FromPath(file.path), bytes.size());
    return held && *held == bytes;
}

Result<Kept, FileError> keep(const std::filesystem::path& teamFolder, const std::vector<KeptFile>& files,
                             const std::string& fileName, std::string_view bytes, const KeptTime& now,
                             const ProgressCheck& progress)
{
    for (std::size_t k = 0; k < files.size(); ++k) {
        if (!goOn(progress, k + 1, files.size() + 1))
            return FileError::reading(FileErrorCode::Cancelled, utf8FromPath(teamFolder));
        if (holdsBytes(files[k], bytes))
            return Kept{files[k], true};
    }
    std::error_code error;
    std::filesystem::create_directories(teamFolder, error);
    if (error)
        return folderError(teamFolder, error);

    const std::string stamp = stampOf(now);
    const std::string portable = portableFileName(fileName);
    const std::filesystem::path own = pathFromUtf8(portable);
    for (int number = 1; number <= 100; ++number) {
        std::string name = stamp + " ";
        if (number == 1)
            name += portable;
        else
            name.append(utf8FromPath(own.stem()))
                .append(" (")
                .append(std::to_string(number))
                .append(")")
                .append(utf8FromPath(own.extension()));
        KeptFile file{name, teamFolder / pathFromUtf8(name), now, bytes.size()};
        auto written = createNewFile(teamFolder, name, bytes);
        if (written)
            return Kept{std::move(file), false};
        if (written.error().code != FileErrorCode::AlreadyExists)
            return std::move(written).error();
        if (holdsBytes(file, bytes))
            return Kept{std::move(file), true};
    }
    return FileError::replacing(FileErrorCode::AlreadyExists, {}, teamFolder, stamp + " " + portable);
}

Result<KeptIn, FileError> keepInFolder(const std::filesystem::path& teamFolder, const std::string& fileName,
                                       std::string_view bytes, const KeptTime& now, const ProgressCheck& progress)
{
    std::error_code error;
    std::filesystem::create_directories(teamFolder, error);
    if (error)
        return folderError(teamFolder, error);
    const FolderLock lock = FolderLock::take(teamFolder);
    auto files = keptFiles(teamFolder);
    if (!files)
        return std::move(files).error();
    auto kept = keep(teamFolder, *files, fileName, bytes, now, progress);
    if (!kept)
        return std::move(kept).error();
    KeptIn in;
    in.already = kept->already;
    in.files = std::move(files).value();
    const auto at = std::find_if(in.files.begin(), in.files.end(),
                                 [&](const KeptFile& file) { return file.name == kept->file.name; });
    if (at == in.files.end()) {
        // A new file, or one another program kept while this one was listing: in its place.
        const auto place = std::upper_bound(in.files.begin(), in.files.end(), kept->file, keptOrder);
        in.index = static_cast<std::size_t>(place - in.files.begin());
        in.files.insert(place, std::move(kept->file));
    } else {
        in.index = static_cast<std::size_t>(at - in.files.begin());
    }
    return in;
}

}  // namespace teamtool
