// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Replacing a file all or nothing on Windows: the new bytes go to a temporary file
// beside the target, reach the disk (FlushFileBuffers), and only then take the
// target's name: ReplaceFileW over an earlier file, which keeps its attributes, or
// MoveFileExW with MOVEFILE_WRITE_THROUGH for a new one, which fails when the name is
// taken. Paths are UTF-16 only here.

#include "textio/files.h"
#include "textio/files_platform.h"

#include <cerrno>
#include <cstdio>
#include <string>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <io.h>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace teamtool {

namespace {

// The system's sentence for an error code, as UTF-8, without its closing full stop.
std::string reason(DWORD error)
{
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length ? std::wstring(buffer, length) : L"error " + std::to_wstring(error);
    if (buffer)
        LocalFree(buffer);
    while (!text.empty() &&
           (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ' || text.back() == L'.'))
        text.pop_back();
    return utf8FromPath(std::filesystem::path(text));
}

// Closes the handle and removes the temporary file, whatever happened before.
class TemporaryFile {
public:
    TemporaryFile(HANDLE handle, std::filesystem::path path) : m_handle(handle), m_path(std::move(path)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
        if (!m_kept)
            DeleteFileW(m_path.c_str());
    }

    HANDLE handle() const { return m_handle; }
    const std::filesystem::path& path() const { return m_path; }

    // Closes the file; false with the error set when the close fails.
    bool close()
    {
        const HANDLE handle = m_handle;
        m_handle = INVALID_HANDLE_VALUE;
        return CloseHandle(handle) != 0;
    }

    void keep() { m_kept = true; }

private:
    HANDLE m_handle;
    std::filesystem::path m_path;
    bool m_kept = false;
};

bool writeAll(HANDLE handle, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(handle, bytes.data(), chunk, &written, nullptr))
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

namespace detail {

Result<void, FileError> writeFile(const std::filesystem::path& folder, const std::string& fileName,
                                  std::string_view bytes, Placing placing)
{
    const std::filesystem::path target = folder / pathFromUtf8(fileName);

    const DWORD folderAttributes = GetFileAttributesW(folder.c_str());
    if (folderAttributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_INVALID_NAME)
            return FileError::replacing(FileErrorCode::FolderMissing, {}, folder, fileName);
        return FileError::replacing(FileErrorCode::FolderUnreachable, reason(error), folder, fileName);
    }
    if (!(folderAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return FileError::replacing(FileErrorCode::NotAFolder, {}, folder, fileName);

    // What stands under the target's name now. One the user made read-only is not replaced.
    const DWORD targetAttributes = GetFileAttributesW(target.c_str());
    const bool targetExists = targetAttributes != INVALID_FILE_ATTRIBUTES;
    if (targetExists && (targetAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return FileError::replacing(FileErrorCode::FolderInTheWay, {}, folder, fileName);
    if (targetExists && placing == detail::Placing::CreateNew)
        return FileError::replacing(FileErrorCode::AlreadyExists, {}, folder, fileName);
    if (targetExists && (targetAttributes & FILE_ATTRIBUTE_READONLY))
        return FileError::replacing(FileErrorCode::ReadOnly, reason(ERROR_ACCESS_DENIED), folder, fileName);

    // A name of our own in the same folder, so that the replace stays on one volume.
    detail::removeStaleTemporaryFiles(folder);
    HANDLE handle = INVALID_HANDLE_VALUE;
    std::filesystem::path temporary;
    for (int attempt = 0; handle == INVALID_HANDLE_VALUE && attempt < 100; ++attempt) {
        temporary = folder / pathFromUtf8(detail::temporaryFileName(fileName, GetCurrentProcessId(), attempt));
        handle = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            return FileError::replacing(FileErrorCode::CannotCreate, reason(GetLastError()), folder, fileName);
    }
    if (handle == INVALID_HANDLE_VALUE)
        return FileError::replacing(FileErrorCode::CannotCreate, reason(ERROR_FILE_EXISTS), folder, fileName);
    TemporaryFile file(handle, temporary);

    if (!writeAll(file.handle(), bytes) || !FlushFileBuffers(file.handle()) || !file.close())
        return FileError::replacing(FileErrorCode::CannotWrite, reason(GetLastError()), folder, fileName);
    const BOOL replaced = targetExists && placing == detail::Placing::Replace
                              ? ReplaceFileW(target.c_str(), file.path().c_str(), nullptr,
                                             REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                              : MoveFileExW(file.path().c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
    if (!replaced) {
        const DWORD error = GetLastError();
        if (placing == detail::Placing::CreateNew && (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS))
            return FileError::replacing(FileErrorCode::AlreadyExists, {}, folder, fileName);
        if (GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES &&
            (GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_DIRECTORY))
            return FileError::replacing(FileErrorCode::FolderInTheWay, {}, folder, fileName);
        return FileError::replacing(FileErrorCode::CannotReplace, reason(error), folder, fileName);
    }
    file.keep();
    return {};
}

Result<OpenedFile, FileError> openRegularFile(const std::filesystem::path& path, const std::string& name)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return FileError::reading(FileErrorCode::NotAFile, name, "a folder");
    errno = 0;
    OpenedFile opened;
    opened.file.reset(_wfopen(path.c_str(), L"rb"));
    if (!opened.file) {
        const int error = errno;
        return FileError::reading(FileErrorCode::CannotOpen, name,
                                  error == 0 ? std::string("unknown error") : std::generic_category().message(error));
    }
    // A pipe or a device ("CON", "\\.\pipe\x") opens like a file: its kind is the open handle's.
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(opened.file.get())));
    switch (GetFileType(handle)) {
    case FILE_TYPE_DISK:
        break;
    case FILE_TYPE_PIPE:
        return FileError::reading(FileErrorCode::NotAFile, name, "a named pipe");
    case FILE_TYPE_CHAR:
        return FileError::reading(FileErrorCode::NotAFile, name, "a device");
    default:
        return FileError::reading(FileErrorCode::NotAFile, name, "not a regular file");
    }
    LARGE_INTEGER size{};
    if (GetFileSizeEx(handle, &size))
        opened.size = static_cast<std::uint64_t>(size.QuadPart);
    return opened;
}

}  // namespace detail

FolderLock::~FolderLock()
{
    if (held())
        CloseHandle(reinterpret_cast<HANDLE>(m_handle));  // lets the lock go
}

FolderLock FolderLock::take(const std::filesystem::path& folder)
{
    FolderLock lock;
    const std::filesystem::path file = folder / std::string(kFolderLockName);
    // Gone with the last handle to it: the folder keeps no lock file.
    const HANDLE handle =
        CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return lock;
    OVERLAPPED whole{};
    if (!LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole)) {
        CloseHandle(handle);
        return lock;
    }
    lock.m_handle = reinterpret_cast<std::intptr_t>(handle);
    lock.m_path = file;
    return lock;
}

}  // namespace teamtool
