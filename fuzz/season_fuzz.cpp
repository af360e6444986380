// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzz/season_fuzz.h"

#include "fuzz/require.h"
#include "season/season.h"
#include "textio/encoding.h"
#include "week/orders_reader.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include <unistd.h>

namespace teamtool::fuzz {

namespace {

void require(bool condition, const char* what)
{
    requireOf("season", condition, what);
}

constexpr std::string_view kForbidden = "/\\:*?\"<>|";

bool portable(std::string_view name)
{
    const bool clean = std::none_of(name.begin(), name.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 || u == 0x7F || kForbidden.find(c) != std::string_view::npos;
    });
    return clean && (name.empty() || (name.back() != '.' && name.back() != ' '));
}

// A name's rules on its own: a stamp reads back as it was written, a portable name is
// portable and stays as it is, and so is a team folder's.
void checkName(std::string_view name)
{
    if (const auto time = keptTimeOf(name)) {
        require(stampOf(*time) == name.substr(0, 19), "a kept name's stamp reads back as written");
        require(keptTimeOf(stampOf(*time) + " x") == time, "a stamp written reads back");
        require(!dayOf(*time).empty(), "every kept time has a day");
    }
    const std::string made = portableFileName(name);
    require(portable(made), "a portable name holds nothing a system refuses");
    require(portableFileName(made) == made, "a portable name stays as it is");
    const std::string folder = teamFolderName(name, name);
    require(!folder.empty() && portable(folder) && folder.front() != '.', "a team folder's name is portable");
}

// A folder of the names that a POSIX system takes: only the stamped ones are listed,
// each once, in the order of their stamps.
void checkFolder(const std::vector<std::string>& names, std::string_view bytes)
{
    static const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("teamtool-season-fuzz-" + std::to_string(::getpid()));
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    std::filesystem::create_directories(folder);
    std::size_t stamped = 0;
    std::vector<std::string> written;
    for (const std::string& name : names) {
        if (name.empty() || name == "." || name == ".." ||
            name.find_first_of(std::string_view("/\0", 2)) != std::string::npos || name.size() > 200 ||
            std::find(written.begin(), written.end(), name) != written.end())
            continue;
        std::ofstream(folder / name, std::ios::binary) << bytes;
        written.push_back(name);
        if (keptTimeOf(name))
            ++stamped;
    }
    const auto files = keptFiles(folder);
    require(static_cast<bool>(files), "a folder that exists is listed");
    require(files->size() == stamped, "exactly the stamped names are kept files");
    for (std::size_t k = 1; k < files->size(); ++k)
        require((*files)[k - 1].time <= (*files)[k].time, "kept files come oldest first");
    for (const KeptFile& file : *files)
        require(file.size == bytes.size() && holdsBytes(file, bytes), "a kept file holds what was written");
    std::filesystem::remove_all(folder, ignored);
}

}  // namespace

int checkSeasonBytes(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // What a kept file is: whatever the orders reader reads is an orders file.
    const KeptKind kind = keptKindOf(bytes);
    if (bytes.find('\0') == std::string_view::npos && readOrdersText(decodeTextFile(std::string(bytes))))
        require(kind == KeptKind::OrdersFile, "what reads as orders is kept as an orders file");
    require((kind == KeptKind::OrdersFile) == (size <= kMaxOrdersFileBytes && isOrdersFile(bytes)),
            "an orders file is told by its headings alone");

    // The first eight lines as names.
    std::vector<std::string> names;
    std::size_t from = 0;
    while (names.size() < 8 && from < bytes.size()) {
        const std::size_t end = std::min(bytes.find('\n', from), bytes.size());
        names.emplace_back(bytes.substr(from, end - from));
        from = end + 1;
    }
    for (const std::string& name : names)
        checkName(name);
    checkFolder(names, bytes.substr(0, 64));
    return 0;
}

}  // namespace teamtool::fuzz
