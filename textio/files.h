#pragma once

// The program's dealings with the file system: reading a file whole, and replacing a
// file all or nothing. Paths are UTF-8 strings, used exactly as given.

#include "textio/result.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace teamtool {

enum class FileErrorCode {
    // Reading
    CannotOpen,         // reason: the system's, or what stands at the path
    CannotRead,         // reason: the system's
    TooLarge,           // reason: the size in bytes
    // Replacing
    FolderMissing,      // the folder is gone
    FolderUnreachable,  // reason: the system's
    NotAFolder,         // something other than a folder stands at the folder's path
    FolderInTheWay,     // a folder has the file's name
    ReadOnly,           // the file may not be replaced; reason: the system's
    CannotCreate,       // no new file can be made in the folder; reason: the system's
    CannotWrite,        // reason: the system's
    CannotReplace,      // the finished file could not take the name; reason: the system's
};

struct FileError {
    FileErrorCode code = FileErrorCode::CannotOpen;
    std::string folder;    // the folder, for errors of replacing
    std::string fileName;  // the file's name in that folder
    std::string reason;
};

// An error of reading or replacing: what happened, why, and in which folder to which file.
FileError fileError(FileErrorCode code, std::string reason, const std::filesystem::path& folder = {},
                    std::string fileName = {});

// The sentence for an error of replacing: "the folder /x no longer exists",
// "cannot write A.TXT in /x (No space left on device)".
std::string describeFileError(const FileError& error);

// A UTF-8 path as the file system library takes it, and back.
std::filesystem::path pathFromUtf8(std::string_view path);
std::string utf8FromPath(const std::filesystem::path& path);

// The whole of the file at path, read at once; the file is closed before this returns.
// A file of more than maxBytes is refused as TooLarge, before it fills the memory.
[[nodiscard]] Result<std::string, FileError> readWholeFile(const std::string& path, std::size_t maxBytes);

// Writes bytes as folder/fileName all or nothing: into a temporary file in the same
// folder, flushed to disk, then renamed over the target. On failure the target is as
// it was and no temporary file remains. A replaced file keeps its permissions; one the
// user made read-only is refused.
[[nodiscard]] Result<void, FileError> replaceFile(const std::filesystem::path& folder, const std::string& fileName,
                                                  std::string_view bytes);

}  // namespace teamtool
