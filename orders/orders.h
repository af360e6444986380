#pragma once

// "Create Orders": the checks of the selection, the orders file built from the
// window, and its writing next to the loaded team file.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace teamtool {

class FRMTEAMTOOL;

// The message of the first check of the selection that fails, in the order the
// checks run, or nothing when all pass.
std::optional<std::string_view> firstFailedCheck(const FRMTEAMTOOL& f);

// The number of substitutes written: the unbroken run of filled slots from slot 11.
int substituteCount(const FRMTEAMTOOL& f);

// The orders file as it goes to disk.
struct OrdersText {
    std::string fileName;  // abbreviation + "vs" + opponent + ".TXT", UTF-8
    std::string bytes;     // Windows-1252, every line ending in CR LF
};

struct OrdersBuild {
    OrdersText orders;
    std::string problem;  // why the orders cannot be written; empty when they can

    explicit operator bool() const { return problem.empty(); }
};

// Builds the orders file from the window, which it does not change. markerCount is
// the number of checked marker boxes.
[[nodiscard]] OrdersBuild buildOrders(const FRMTEAMTOOL& f, int markerCount);

// The folder the orders go to: that of the loaded team file, or the current folder
// when no team file is named.
std::filesystem::path ordersFolder(const FRMTEAMTOOL& f);

// UTF-8 text as Windows-1252; a character the code page cannot hold, and a byte that
// is not UTF-8, become "?".
std::string toWindows1252(std::string_view utf8);

// Writes bytes as folder/fileName all or nothing: into a temporary file in the same
// folder, flushed to disk, then renamed over the target. On failure the target is
// as it was, no temporary file remains, and the result says why; it is empty on
// success.
[[nodiscard]] std::string replaceFile(const std::filesystem::path& folder, const std::string& fileName,
                                      std::string_view bytes);

}  // namespace teamtool
