// Reading a file whole, and replacing a file all or nothing: the new bytes go to a
// temporary file beside the target, reach the disk, and only then take the target's name.

#include "textio/files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace teamtool {

namespace {

std::string reason(int error)
{
    return std::strerror(error);
}

// The system's reason for errno, as the reader reports it.
std::string systemReason(int errorNumber, const char* otherwise)
{
    if (errorNumber == 0)
        return otherwise;
    std::string text = std::generic_category().message(errorNumber);
    return text.empty() ? std::string(otherwise) : text;
}

FileError fileError(FileErrorCode code, std::string reasonText, const std::filesystem::path& folder = {},
                    std::string fileName = {})
{
    return FileError{code, folder.string(), std::move(fileName), std::move(reasonText)};
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

}  // namespace

std::string describeFileError(const FileError& e)
{
    const std::string& folder = e.folder;
    const std::string& name = e.fileName;
    switch (e.code) {
    case FileErrorCode::CannotOpen:
        return name + " cannot be opened: " + e.reason;
    case FileErrorCode::CannotRead:
        return name + " cannot be read: " + e.reason;
    case FileErrorCode::TooLarge:
        return name + " is too large (" + e.reason + " bytes)";
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

Result<std::string, FileError> readWholeFile(const std::string& path, std::size_t maxBytes)
{
    if (path.find('\0') != std::string::npos)
        return fileError(FileErrorCode::CannotOpen, "the path holds a NUL character");
    const std::filesystem::path fsPath = pathFromUtf8(path);
    std::error_code ec;
    if (std::filesystem::is_directory(fsPath, ec))
        return fileError(FileErrorCode::CannotOpen, "it is a folder, not a file");

    errno = 0;
    const std::unique_ptr<std::FILE, FileCloser> file(openForReading(fsPath));
    if (!file)
        return fileError(FileErrorCode::CannotOpen, systemReason(errno, "unknown error"));

    std::string bytes;
    const auto sizeHint = std::filesystem::file_size(fsPath, ec);
    if (!ec && sizeHint > maxBytes)
        return fileError(FileErrorCode::TooLarge, std::to_string(sizeHint));
    if (!ec)
        bytes.reserve(static_cast<std::size_t>(sizeHint));

    // Read to the end, whatever the size said: a file may change or be a device.
    constexpr std::size_t kChunk = std::size_t{1} << 20;
    for (;;) {
        const std::size_t have = bytes.size();
        const std::size_t want = std::max(kChunk, bytes.capacity() - have);
        bytes.resize(have + want);
        errno = 0;
        const std::size_t got = std::fread(bytes.data() + have, 1, want, file.get());
        bytes.resize(have + got);
        if (bytes.size() > maxBytes)
            return fileError(FileErrorCode::TooLarge, "over " + std::to_string(maxBytes));
        if (got < want) {
            if (std::ferror(file.get()))
                return fileError(FileErrorCode::CannotRead, systemReason(errno, "read error"));
            break;
        }
    }
    return bytes;
}

Result<void, FileError> replaceFile(const std::filesystem::path& folder, const std::string& fileName,
                                    std::string_view bytes)
{
    const std::filesystem::path target = folder / fileName;

    struct stat folderStat {};
    if (::stat(folder.c_str(), &folderStat) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return fileError(FileErrorCode::FolderMissing, {}, folder, fileName);
        return fileError(FileErrorCode::FolderUnreachable, reason(errno), folder, fileName);
    }
    if (!S_ISDIR(folderStat.st_mode))
        return fileError(FileErrorCode::NotAFolder, {}, folder, fileName);

    // What stands under the target's name now. A replaced file keeps its permissions,
    // and one the user made read-only is not replaced.
    struct stat targetStat {};
    const bool targetExists = ::lstat(target.c_str(), &targetStat) == 0;
    if (targetExists && S_ISDIR(targetStat.st_mode))
        return fileError(FileErrorCode::FolderInTheWay, {}, folder, fileName);
    if (targetExists && S_ISREG(targetStat.st_mode) && ::access(target.c_str(), W_OK) != 0)
        return fileError(FileErrorCode::ReadOnly, reason(errno), folder, fileName);

    // A name of our own in the same folder, so that the rename stays on one file system.
    int fd = -1;
    std::filesystem::path temporary;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = folder / ("." + fileName + "." + std::to_string(::getpid()) + "-" + std::to_string(attempt) +
                              ".tmp");
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return fileError(FileErrorCode::CannotCreate, reason(errno), folder, fileName);
    }
    if (fd < 0)
        return fileError(FileErrorCode::CannotCreate, reason(EEXIST), folder, fileName);
    TemporaryFile file(fd, temporary);

    if (targetExists && S_ISREG(targetStat.st_mode))
        ::fchmod(file.fd(), targetStat.st_mode & 07777);  // best effort: the bytes matter more
    if (!writeAll(file.fd(), bytes) || ::fsync(file.fd()) != 0 || !file.close())
        return fileError(FileErrorCode::CannotWrite, reason(errno), folder, fileName);
    if (::rename(file.path().c_str(), target.c_str()) != 0) {
        if (errno == EISDIR)
            return fileError(FileErrorCode::FolderInTheWay, {}, folder, fileName);
        return fileError(FileErrorCode::CannotReplace, reason(errno), folder, fileName);
    }
    file.keep();

    // Make the new name itself durable; the file is in place whatever this reports.
    if (const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

}  // namespace teamtool
