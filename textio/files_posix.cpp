// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Replacing a file all or nothing on POSIX systems: the new bytes go to a temporary
// file beside the target, reach the disk (fsync), and only then take the target's
// name (rename). A new file that must not replace one takes its name by a hard link,
// which fails when the name is taken.

#include "textio/files.h"
#include "textio/files_platform.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace teamtool {

namespace {

std::string reason(int error)
{
    return std::strerror(error);
}

// Closes the descriptor and removes the temporary file, whatever happened before.
class TemporaryFile {
public:
    TemporaryFile(int fd, std::filesystem::path path) : m_fd(fd), m_path(std::move(path)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_kept)
            ::unlink(m_path.c_str());
    }

    int fd() const { return m_fd; }
    const std::filesystem::path& path() const { return m_path; }

    // Closes the file; false with errno set when the close reports an error.
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

    void keep() { m_kept = true; }

private:
    int m_fd;
    std::filesystem::path m_path;
    bool m_kept = false;
};

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Gives the finished temporary file the target's name unless that is taken; false with
// errno set (EEXIST when it is taken). Linux renames without replacing where the file
// system can; elsewhere, and where it cannot, a hard link takes the name and the
// temporary name goes with `file`.
bool takeNewName(TemporaryFile& file, const std::filesystem::path& target)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, file.path().c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
        file.keep();
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS)
        return false;
#endif
    return ::link(file.path().c_str(), target.c_str()) == 0;
}

// What stands at a path that is no regular file, as a message names it.
std::string kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a named pipe";
    if (S_ISSOCK(mode))
        return "a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    return "not a regular file";
}

}  // namespace

namespace detail {

Result<void, FileError> writeFile(const std::filesystem::path& folder, const std::string& fileName,
                                  std::string_view bytes, Placing placing)
{
    const std::filesystem::path target = folder / pathFromUtf8(fileName);

    struct stat folderStat {};
    if (::stat(folder.c_str(), &folderStat) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return FileError::replacing(FileErrorCode::FolderMissing, {}, folder, fileName);
        return FileError::replacing(FileErrorCode::FolderUnreachable, reason(errno), folder, fileName);
    }
    if (!S_ISDIR(folderStat.st_mode))
        return FileError::replacing(FileErrorCode::NotAFolder, {}, folder, fileName);

    // What stands under the target's name now. A replaced file keeps its permissions,
    // and one the user made read-only is not replaced.
    struct stat targetStat {};
    const bool targetExists = ::lstat(target.c_str(), &targetStat) == 0;
    if (targetExists && S_ISDIR(targetStat.st_mode))
        return FileError::replacing(FileErrorCode::FolderInTheWay, {}, folder, fileName);
    if (targetExists && placing == detail::Placing::CreateNew)
        return FileError::replacing(FileErrorCode::AlreadyExists, {}, folder, fileName);
    if (targetExists && S_ISREG(targetStat.st_mode) && ::access(target.c_str(), W_OK) != 0)
        return FileError::replacing(FileErrorCode::ReadOnly, reason(errno), folder, fileName);

    // A name of our own in the same folder, so that the rename stays on one file system.
    detail::removeStaleTemporaryFiles(folder);
    int fd = -1;
    std::filesystem::path temporary;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary =
            folder / pathFromUtf8(detail::temporaryFileName(fileName, static_cast<unsigned long>(::getpid()), attempt));
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return FileError::replacing(FileErrorCode::CannotCreate, reason(errno), folder, fileName);
    }
    if (fd < 0)
        return FileError::replacing(FileErrorCode::CannotCreate, reason(EEXIST), folder, fileName);
    TemporaryFile file(fd, temporary);

    if (targetExists && S_ISREG(targetStat.st_mode))
        ::fchmod(file.fd(), targetStat.st_mode & 07777);  // best effort: the bytes matter more
    if (!writeAll(file.fd(), bytes) || ::fsync(file.fd()) != 0 || !file.close())
        return FileError::replacing(FileErrorCode::CannotWrite, reason(errno), folder, fileName);
    if (placing == detail::Placing::CreateNew) {
        if (!takeNewName(file, target)) {
            if (errno == EEXIST)
                return FileError::replacing(FileErrorCode::AlreadyExists, {}, folder, fileName);
            return FileError::replacing(FileErrorCode::CannotReplace, reason(errno), folder, fileName);
        }
    } else {
        if (::rename(file.path().c_str(), target.c_str()) != 0) {
            if (errno == EISDIR)
                return FileError::replacing(FileErrorCode::FolderInTheWay, {}, folder, fileName);
            return FileError::replacing(FileErrorCode::CannotReplace, reason(errno), folder, fileName);
        }
        file.keep();
    }

    // Make the new name itself durable; the file is in place whatever this reports.
    if (const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

Result<OpenedFile, FileError> openRegularFile(const std::filesystem::path& path, const std::string& name)
{
    // Without blocking, so that a named pipe with no writer cannot hold the program;
    // the kind is then that of the open file, which nothing can replace in between.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        // A socket cannot be opened at all: say what it is rather than the system's word.
        struct stat status {};
        if (error == ENXIO && ::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode))
            return FileError::reading(FileErrorCode::NotAFile, name, kindOf(status.st_mode));
        return FileError::reading(FileErrorCode::CannotOpen, name, reason(error));
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        const int error = errno;
        ::close(fd);
        return FileError::reading(FileErrorCode::CannotOpen, name, reason(error));
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(fd);
        return FileError::reading(FileErrorCode::NotAFile, name, kindOf(status.st_mode));
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    OpenedFile opened;
    opened.file.reset(::fdopen(fd, "rb"));
    if (!opened.file) {
        const int error = errno;
        ::close(fd);
        return FileError::reading(FileErrorCode::CannotOpen, name, reason(error));
    }
    opened.size = static_cast<std::uint64_t>(status.st_size);
    return opened;
}

}  // namespace detail

FolderLock::~FolderLock()
{
    if (!held())
        return;
    // The file goes while the lock is held: a program waiting on it finds, once it has
    // the lock, that the name is no longer its file, and takes the lock anew.
    ::unlink(m_path.c_str());
    ::close(static_cast<int>(m_handle));
}

FolderLock FolderLock::take(const std::filesystem::path& folder)
{
    FolderLock lock;
    const std::filesystem::path file = folder / std::string(kFolderLockName);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0)
            return lock;
        int locked = -1;
        do
            locked = ::flock(fd, LOCK_EX);
        while (locked != 0 && errno == EINTR);
        struct stat held {};
        struct stat named {};
        if (locked != 0 || ::fstat(fd, &held) != 0) {
            ::close(fd);
            return lock;
        }
        if (::stat(file.c_str(), &named) == 0 && named.st_dev == held.st_dev && named.st_ino == held.st_ino) {
            lock.m_handle = fd;
            lock.m_path = file;
            return lock;
        }
        ::close(fd);  // the holder before removed it: the lock is the next file's
    }
    return lock;
}

}  // namespace teamtool
