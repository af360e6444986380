// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a file whole, what the errors of files say, and paths as UTF-8. Replacing a
// file all or nothing is the system's own: files_posix.cpp, files_windows.cpp.

#include "textio/files.h"

#include "textio/encoding.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <system_error>

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

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::FILE* openForReading(const std::filesystem::path& path)
{
#ifdef _WIN32
    return _wfopen(path.c_str(), L"rb");
#else
    return std::fopen(path.c_str(), "rb");
#endif
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
    const std::filesystem::path fsPath = pathFromUtf8(path);
    std::error_code ec;
    if (std::filesystem::is_directory(fsPath, ec))
        return failed(FileErrorCode::CannotOpen, "it is a folder, not a file");

    errno = 0;
    const std::unique_ptr<std::FILE, FileCloser> file(openForReading(fsPath));
    if (!file)
        return failed(FileErrorCode::CannotOpen, systemReason(errno, "unknown error"));

    std::string bytes;
    const auto sizeHint = std::filesystem::file_size(fsPath, ec);
    if (!ec && sizeHint > maxBytes)
        return failed(FileErrorCode::TooLarge, std::to_string(sizeHint));
    if (!ec)
        bytes.reserve(static_cast<std::size_t>(sizeHint));

    // Read to the end, whatever the size said: a file may change or be a device. Under
    // a progress check, a few megabytes at a time.
    constexpr std::size_t kChunk = std::size_t{1} << 20;
    constexpr std::size_t kCheckedChunk = std::size_t{4} << 20;
    const std::uint64_t total = ec ? 0 : sizeHint;
    for (;;) {
        if (!goOn(progress, bytes.size(), total))
            return failed(FileErrorCode::Cancelled, {});
        const std::size_t have = bytes.size();
        if (have == bytes.capacity() && have != 0) {
            // As much as the size said: a small read finds the end, where growing the
            // buffer would copy the whole file.
            std::array<char, 4096> probe;
            const std::size_t got = std::fread(probe.data(), 1, probe.size(), file.get());
            if (got == 0) {
                if (std::ferror(file.get()))
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
        const std::size_t got = std::fread(bytes.data() + have, 1, want, file.get());
        bytes.resize(have + got);
        if (bytes.size() > maxBytes)
            return failed(FileErrorCode::TooLarge, std::to_string(bytes.size()));
        if (got < want) {
            if (std::ferror(file.get()))
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

}  // namespace teamtool
