// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's dealings with the file system: reading a file whole, telling text from
// binary data, replacing a file all or nothing, and the one sentence for whatever of
// that fails. Paths are UTF-8 strings, used exactly as given.

#include "textio/progress.h"
#include "textio/result.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace teamtool {

enum class FileErrorCode {
    // Reading
    CannotOpen,  // reason: the system's
    NotAFile,    // reason: what stands at the path instead ("a named pipe", "a folder")
    CannotRead,  // reason: the system's
    TooLarge,    // reason: the size in bytes
    Cancelled,   // the user stopped the reading: nothing to say
    Binary,      // a NUL byte: not a text file; line: where it stands, if known
    // Removing
    Gone,          // the file is not there (any more)
    CannotRemove,  // reason: the system's
    // Replacing
    FolderMissing,      // the folder is gone
    FolderUnreachable,  // reason: the system's
    NotAFolder,         // something other than a folder stands at the folder's path
    FolderInTheWay,     // a folder has the file's name
    ReadOnly,           // the file may not be replaced; reason: the system's
    CannotCreate,       // no new file can be made in the folder; reason: the system's
    CannotWrite,        // reason: the system's
    CannotReplace,      // the finished file could not take the name; reason: the system's
    AlreadyExists,      // a new file's name is taken
};

struct FileError {
    FileErrorCode code = FileErrorCode::CannotOpen;
    std::string path;  // the file it is about, as the user named it (UTF-8)
    std::string reason;
    std::size_t line = 0;  // Binary: the line of the first NUL byte, from 1; 0 when not known
    std::string folder;    // replacing: the folder, and the file's name in it
    std::string fileName;

    // An error of reading the file at path.
    static FileError reading(FileErrorCode code, std::string path, std::string reason = {}, std::size_t line = 0);
    // An error of replacing fileName in folder.
    static FileError replacing(FileErrorCode code, std::string reason, const std::filesystem::path& folder,
                               const std::string& fileName);
};

// What kind of file was being read, as the sentence names it.
struct FileKind {
    std::string_view name;         // "team file"
    std::string_view withArticle;  // "a team file"
    // Binary data is "not a text file" of a file known by its path, or "not a team
    // file" of one known by its name alone.
    bool binaryByName = false;
};
inline constexpr FileKind kTeamFileKind{"team file", "a team file", false};
inline constexpr FileKind kOrdersFileKind{"orders file", "an orders file", true};

// The sentence for any file error. Reading: "The team file "/x/a.txt" cannot be opened:
// No such file or directory.", "The team file "/x/f.txt" is not a file TeamTool can
// read: it is a named pipe.", "The orders file "/x/A.TXT" is too large to be an orders
// file (2000000 bytes).". Replacing, which follows "Orders not written: ": "the folder
// /x no longer exists", "cannot write A.TXT in /x (No space left on device)".
std::string describeFileError(const FileError& error, const FileKind& kind);

// A UTF-8 path as the file system library takes it, and back.
std::filesystem::path pathFromUtf8(std::string_view path);
std::string utf8FromPath(const std::filesystem::path& path);
// The last part of a UTF-8 path: "RDV.txt" of "/home/ann/RDV.txt".
std::string fileNameOf(std::string_view path);

// The whole of the file at path, read at once; the file is closed before this returns.
// Only a regular file is read: a named pipe, a device, a socket or a folder is refused
// as NotAFile, and opening one never waits for a writer (the file is opened without
// blocking and its kind taken from the open file, so nothing can take its place in
// between). A file of more than maxBytes is refused as TooLarge, before it fills the memory.
// The error names path.
// With a progress check, it is told the bytes read so far after each few megabytes,
// and a cancel ends the reading as Cancelled.
[[nodiscard]] Result<std::string, FileError> readWholeFile(const std::string& path, std::size_t maxBytes,
                                                           const ProgressCheck& progress = {});

// The largest orders file read: one this program writes is a few kilobytes.
inline constexpr std::size_t kMaxOrdersFileBytes = std::size_t{1} << 20;

// A text file never holds a NUL byte: bytes that do are binary data (or UTF-16), the
// error naming path and the line of the first NUL. Nothing for text.
std::optional<FileError> binaryDataError(std::string_view bytes, const std::string& path);

// Writes bytes as folder/fileName all or nothing: into a temporary file in the same
// folder, flushed to disk, then renamed over the target. On failure the target is as
// it was and no temporary file remains. Temporary files of this naming that a killed
// program left in the folder, older than a minute, are removed on the way. A replaced file keeps its permissions; one
// the user made read-only is refused.
[[nodiscard]] Result<void, FileError> replaceFile(const std::filesystem::path& folder, const std::string& fileName,
                                                  std::string_view bytes);

// The same for a file that must not replace another: when fileName is taken, even by a
// file that takes it in the meantime, AlreadyExists, and nothing changes. Two programs
// creating one name at once leave one whole file, never a torn one.
[[nodiscard]] Result<void, FileError> createNewFile(const std::filesystem::path& folder, const std::string& fileName,
                                                    std::string_view bytes);

// A lock on a folder, held for as long as the object lives: two programs that each
// take it before listing and writing the folder take turns. The system lets it go when
// the program that holds it ends, however it ends, so a killed program never blocks
// the next. It is a file of its own name in the folder (".teamtool.lock"), there only
// while the lock is held.
class FolderLock {
public:
    FolderLock() = default;
    FolderLock(FolderLock&& other) noexcept;
    FolderLock& operator=(FolderLock&& other) noexcept;
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    ~FolderLock();

    // Waits until the folder's lock is free and takes it. A folder whose file system
    // keeps no locks (or where the lock file cannot be made) gives a lock that holds
    // nothing: the writing that follows reports what is wrong with the folder.
    static FolderLock take(const std::filesystem::path& folder);
    bool held() const;

private:
    std::intptr_t m_handle = -1;
    std::filesystem::path m_path;
};

inline constexpr std::string_view kFolderLockName = ".teamtool.lock";

}  // namespace teamtool
