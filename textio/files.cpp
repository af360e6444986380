// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a file whole, what the errors of files say, and paths as UTF-8. Replacing a
// file all or nothing is the system's own: files_posix.cpp, files_windows.cpp.

#include "textio/files.h"

#include "textio/encoding.h"
#include "textio/files_platform.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <system_error>
#include <utility>

namespace teamtool {

namespace {

// The system's reason for errno, as the reader reports it.
std::string systemReason(int errorNumber, const char* otherwise)
{
    if (errorNumber == 0)
        return otherwise;
    std::string text = std::generic_category().message(errorNumber);
    return text.empty() ? std::string(otherwise) : text;
}

// ".RDVvsCD.TXT.4242-0.tmp": the name's own part between the dot that starts it and
// the process and attempt numbers, true for a name of temporaryFileName's shape.
bool isTemporaryFileName(std::string_view name)
{
    constexpr std::string_view kSuffix = ".tmp";
    if (name.size() < 2 + kSuffix.size() || name.front() != '.' || !name.ends_with(kSuffix))
        return false;
    name.remove_suffix(kSuffix.size());
    const auto digits = [](std::string_view text) {
        return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    const std::size_t dash = name.rfind('-');
    const std::size_t dot = name.rfind('.', dash);
    return dash != std::string_view::npos && dot != std::string_view::npos && dot > 0 &&
           digits(name.substr(dash + 1)) && digits(name.substr(dot + 1, dash - dot - 1));
}

}  // namespace

FileError FileError::reading(FileErrorCode code, std::string path, std::string reason, std::size_t line)
{
    FileError error;
    error.code = code;
    error.path = std::move(path);
    error.reason = std::move(reason);
    error.line = line;
    return error;
}

FileError FileError::replacing(FileErrorCode code, std::string reason, const std::filesystem::path& folder,
                               const std::string& fileName)
{
    FileError error;
    error.code = code;
    error.path = utf8FromPath(folder / pathFromUtf8(fileName));
    error.reason = std::move(reason);
    error.folder = utf8FromPath(folder);
    error.fileName = fileName;
    return error;
}

std::string fileNameOf(std::string_view path)
{
    return utf8FromPath(pathFromUtf8(path).filename());
}

std::string describeFileError(const FileError& e, const FileKind& kind)
{
    const std::string file = "The " + std::string(kind.name) + " \"" + e.path + "\"";
    const std::string& folder = e.folder;
    const std::string& name = e.fileName;
    switch (e.code) {
    case FileErrorCode::CannotOpen:
        return file + " cannot be opened: " + e.reason + ".";
    case FileErrorCode::NotAFile:
        return file + " is not a file TeamTool can read: it is " + e.reason + ".";
    case FileErrorCode::CannotRead:
        return file + " cannot be read: " + e.reason + ".";
    case FileErrorCode::TooLarge:
        return file + " is too large to be " + std::string(kind.withArticle) + " (" + e.reason + " bytes).";
    case FileErrorCode::Cancelled:
        return file + " was not read: the reading was cancelled.";
    case FileErrorCode::Binary:
        if (kind.binaryByName)
            return fileNameOf(e.path) + " is not " + std::string(kind.withArticle) + ": it holds binary data.";
        return file + " is not a text file: it holds binary data" +
               (e.line == 0 ? std::string() : " (line " + std::to_string(e.line) + ")") + ".";
    case FileErrorCode::Gone:
        return file + " no longer exists.";
    case FileErrorCode::CannotRemove:
        return file + " cannot be deleted: " + e.reason + ".";
    case FileErrorCode::FolderMissing:
        return "the folder " + folder + " no longer exists";
    case FileErrorCode::FolderUnreachable:
        return "the folder " + folder + " cannot be reached (" + e.reason + ")";
    case FileErrorCode::NotAFolder:
        return folder + " is not a folder";
    case FileErrorCode::FolderInTheWay:
        return "a folder named " + name + " is in the way in " + folder;
    case FileErrorCode::ReadOnly:
        return name + " in " + folder + " cannot be replaced (" + e.reason + ")";
    case FileErrorCode::CannotCreate:
        return "cannot create a file in " + folder + " (" + e.reason + ")";
    case FileErrorCode::CannotWrite:
        return "cannot write " + name + " in " + folder + " (" + e.reason + ")";
    case FileErrorCode::CannotReplace:
        return "cannot replace " + name + " in " + folder + " (" + e.reason + ")";
    case FileErrorCode::AlreadyExists:
        return "a file named " + name + " already stands in " + folder;
    }
    return "cannot write " + name + " in " + folder;
}

std::filesystem::path pathFromUtf8(std::string_view path)
{
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

std::string utf8FromPath(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

Result<std::string, FileError> readWholeFile(const std::string& path, std::size_t maxBytes,
                                             const ProgressCheck& progress)
{
    const auto failed = [&path](FileErrorCode code, std::string reason) {
        return FileError::reading(code, path, std::move(reason));
    };
    if (path.find('\0') != std::string::npos)
        return failed(FileErrorCode::CannotOpen, "the path holds a NUL character");
    auto opened = detail::openRegularFile(pathFromUtf8(path), path);
    if (!opened)
        return std::move(opened).error();
    std::FILE* const file = opened->file.get();

    std::string bytes;
    const std::uint64_t sizeHint = opened->size;
    if (sizeHint > maxBytes)
        return failed(FileErrorCode::TooLarge, std::to_string(sizeHint));
    bytes.reserve(static_cast<std::size_t>(sizeHint));

    // Read to the end, whatever the size said: a file may change while it is read. Under
    // a progress check, a few megabytes at a time.
    constexpr std::size_t kChunk = std::size_t{1} << 20;
    constexpr std::size_t kCheckedChunk = std::size_t{4} << 20;
    const std::uint64_t total = sizeHint;
    for (;;) {
        if (!goOn(progress, bytes.size(), total))
            return failed(FileErrorCode::Cancelled, {});
        const std::size_t have = bytes.size();
        if (have == bytes.capacity() && have != 0) {
            // As much as the size said: a small read finds the end, where growing the
            // buffer would copy the whole file.
            std::array<char, 4096> probe;
            const std::size_t got = std::fread(probe.data(), 1, probe.size(), file);
            if (got == 0) {
                if (std::ferror(file))
                    return failed(FileErrorCode::CannotRead, systemReason(errno, "read error"));
                break;
            }
            bytes.append(probe.data(), got);
            continue;
        }
        // As much as the size said is left, or a chunk more: never more memory than that
        // to fill before it is read into.
        std::size_t want = bytes.capacity() > have ? bytes.capacity() - have : kChunk;
        if (progress)
            want = std::min(want, kCheckedChunk);
        bytes.resize(have + want);
        errno = 0;
        const std::size_t got = std::fread(bytes.data() + have, 1, want, file);
        bytes.resize(have + got);
        if (bytes.size() > maxBytes)
            return failed(FileErrorCode::TooLarge, std::to_string(bytes.size()));
        if (got < want) {
            if (std::ferror(file))
                return failed(FileErrorCode::CannotRead, systemReason(errno, "read error"));
            break;
        }
    }
    return bytes;
}

std::optional<FileError> binaryDataError(std::string_view bytes, const std::string& path)
{
    const auto nul = bytes.find('\0');
    if (nul == std::string_view::npos)
        return std::nullopt;
    return FileError::reading(FileErrorCode::Binary, path, {}, lineAtOffset(bytes, nul));
}

Result<void, FileError> replaceFile(const std::filesystem::path& folder, const std::string& fileName,
                                    std::string_view bytes)
{
    return detail::writeFile(folder, fileName, bytes, detail::Placing::Replace);
}

Result<void, FileError> createNewFile(const std::filesystem::path& folder, const std::string& fileName,
                                      std::string_view bytes)
{
    return detail::writeFile(folder, fileName, bytes, detail::Placing::CreateNew);
}

FolderLock::FolderLock(FolderLock&& other) noexcept
    : m_handle(std::exchange(other.m_handle, -1)), m_path(std::move(other.m_path))
{}

FolderLock& FolderLock::operator=(FolderLock&& other) noexcept
{
    if (this != &other) {
        FolderLock gone(std::move(*this));
        m_handle = std::exchange(other.m_handle, -1);
        m_path = std::move(other.m_path);
    }
    return *this;
}

bool FolderLock::held() const
{
    return m_handle != -1;
}

namespace detail {

std::string temporaryFileName(const std::string& fileName, unsigned long processId, int attempt)
{
    return "." + fileName + "." + std::to_string(processId) + "-" + std::to_string(attempt) + ".tmp";
}

void removeStaleTemporaryFiles(const std::filesystem::path& folder)
{
    constexpr auto kStale = std::chrono::minutes(1);
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error)
        return;
    const auto now = std::filesystem::file_time_type::clock::now();
    for (const std::filesystem::directory_entry& entry : entries) {
        std::error_code ignored;
        if (!isTemporaryFileName(utf8FromPath(entry.path().filename())) || !entry.is_regular_file(ignored))
            continue;
        const auto changed = entry.last_write_time(ignored);
        if (!ignored && now - changed > kStale)
            std::filesystem::remove(entry.path(), ignored);
    }
}

}  // namespace detail

}  // namespace teamtool
