// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The season: every week's team file and orders file, kept byte for byte and each
// once, in a folder per team ("RDV Redvale Rovers") under the user's data folder. A
// kept file is named by when it was kept, then the name it had:
// "2026-12-07 23-15-02 RDV.txt". The files are the whole store: nothing indexes them,
// each is written all or nothing and never changed afterwards, and the manager may
// copy or delete any of them.

#include "textio/files.h"
#include "textio/progress.h"
#include "textio/result.h"

#include <compare>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace teamtool {

// A moment of local time, to the second: when a file was kept.
struct KeptTime {
    int year = 0;
    int month = 0;  // 1 to 12
    int day = 0;    // 1 to 31
    int hour = 0;
    int minute = 0;
    int second = 0;

    // NOLINTNEXTLINE(modernize-use-nullptr): clang-tidy 14 reads the defaulted <=>'s own 0 as a null pointer
    auto operator<=>(const KeptTime&) const = default;
};

// Now, in local time.
KeptTime localTimeNow();
// A file's time (its last change), in local time.
KeptTime localTimeOf(std::filesystem::file_time_type time);

// "2026-12-07 23-15-02": how a kept file's name starts, so that names sort as times do.
std::string stampOf(const KeptTime& time);
// "Mon 7 Dec 2026".
std::string dayOf(const KeptTime& time);
// "7 Dec".
std::string dayMonthOf(const KeptTime& time);
// The time a kept file's name starts with, followed by a space; nothing for a name
// that does not start so.
std::optional<KeptTime> keptTimeOf(std::string_view name);

// The folder of a team's season: its abbreviation and its name as the team file gives
// them, "RDV Redvale Rovers". A character a file name cannot hold on common systems
// (/ \ : * ? " < > |, a control character) becomes "_", and so does a final dot or
// space, which Windows drops; a name Windows keeps for a device ("CON") gets a "_".
std::string teamFolderName(std::string_view abbreviation, std::string_view name);
// A file's name made fit for every common system, as a team folder's is: a character
// none can hold, a final dot or blank, becomes "_". "RDV\nCD.TXT" gives "RDV_CD.TXT".
std::string portableFileName(std::string_view name);

struct KeptFile {
    std::string name;  // "2026-12-07 23-15-02 RDV.txt"
    std::filesystem::path path;
    KeptTime time;
    std::uint64_t size = 0;

    // The name the file had before it was kept: "RDV.txt".
    std::string_view ownName() const;
};

// The kept files of a team's season folder, oldest first: by the time each name starts
// with, then, of files kept in the same second under one name, by their number
// ("RDV.txt" before "RDV (2).txt"), then by name. A file whose name does not start
// with a time, a folder or a temporary file is no kept file and left out. A folder that
// does not exist holds none.
[[nodiscard]] Result<std::vector<KeptFile>, FileError> keptFiles(const std::filesystem::path& teamFolder);

// True when the kept file holds exactly bytes.
bool holdsBytes(const KeptFile& file, std::string_view bytes);

// What a kept file is is told by what it holds, never by its name: an orders file has
// the orders file's headings ("SUBS", "Markers", "Transfer Bids", "Cut Players",
// "Press", "Comments to Commish"), each on a line of its own and in that order;
// anything else is a team file, which its reader then reads or says why not.
enum class KeptKind { TeamFile, OrdersFile };
// A kept file as a file error names it, before it is known what it holds.
inline constexpr FileKind kKeptFileKind{"kept file", "a kept file", false};
bool isOrdersFile(std::string_view text);
KeptKind keptKindOf(std::string_view bytes);
// A kept file larger than any orders file is a team file without reading it.
inline bool mayBeOrdersFile(const KeptFile& file)
{
    return file.size <= kMaxOrdersFileBytes;
}

struct Kept {
    KeptFile file;
    bool already = false;  // a kept file held these bytes before
};

// Keeps bytes, the contents of a file named fileName, in teamFolder, which is made
// when missing: unless one of `files` (the folder's kept files) holds the same bytes,
// a new file named by `now` and fileName (made portable), written all or nothing and
// never over another. A name that is taken, by another program keeping at the same
// moment for example, is that program's file when it holds these bytes, and gets a
// number otherwise: "2026-12-07 23-15-02 RDV (2).txt". progress hears of each kept file
// compared and may cancel (the error is then Cancelled).
[[nodiscard]] Result<Kept, FileError> keep(const std::filesystem::path& teamFolder, const std::vector<KeptFile>& files,
                                           const std::string& fileName, std::string_view bytes, const KeptTime& now,
                                           const ProgressCheck& progress = {});

// The folder's kept files with bytes kept among them: where they stand, and whether
// they were kept before.
struct KeptIn {
    std::vector<KeptFile> files;  // oldest first, as keptFiles lists them
    std::size_t index = 0;        // the file that holds the bytes
    bool already = false;
};

// Lists teamFolder and keeps bytes there under the folder's lock (FolderLock), so that
// programs keeping at the same time take turns and the same bytes are kept once.
[[nodiscard]] Result<KeptIn, FileError> keepInFolder(const std::filesystem::path& teamFolder,
                                                     const std::string& fileName, std::string_view bytes,
                                                     const KeptTime& now, const ProgressCheck& progress = {});

}  // namespace teamtool
