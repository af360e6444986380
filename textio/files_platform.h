// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What files.cpp and the system's own files (files_posix.cpp, files_windows.cpp) share:
// inside the text layer only.

#include "textio/files.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace teamtool::detail {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// A regular file opened for reading, and its size as the open file gives it.
struct OpenedFile {
    std::unique_ptr<std::FILE, FileCloser> file;
    std::uint64_t size = 0;
};

// Opens the regular file at path for reading without waiting on it: CannotOpen with
// the system's reason, or NotAFile with what stands there instead. Errors name `name`.
[[nodiscard]] Result<OpenedFile, FileError> openRegularFile(const std::filesystem::path& path, const std::string& name);

// Writes bytes as folder/fileName all or nothing, replacing what stands there or only
// where nothing does: the system's own half of replaceFile and createNewFile.
enum class Placing { Replace, CreateNew };
[[nodiscard]] Result<void, FileError> writeFile(const std::filesystem::path& folder, const std::string& fileName,
                                                std::string_view bytes, Placing placing);

// The temporary name replaceFile writes fileName under before it takes its name:
// ".RDVvsCD.TXT.4242-0.tmp".
std::string temporaryFileName(const std::string& fileName, unsigned long processId, int attempt);

// Removes the temporary files of that naming in folder that are older than a minute:
// those a program killed while writing left behind. Best effort: what cannot be
// listed or removed stays.
void removeStaleTemporaryFiles(const std::filesystem::path& folder);

}  // namespace teamtool::detail
