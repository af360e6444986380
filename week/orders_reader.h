// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// An orders file read back: what this program wrote, line by line, as the selection
// it came from. Used to carry last week's orders over into this week's window.

#include "textio/result.h"

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace teamtool {

struct OrdersSlot {
    std::string position;
    // The player's name with any "*" (captain) and "#" (penalty taker) taken off the
    // end of a main-side line, and those marks.
    std::string name;
    bool captain = false;
    bool penaltyTaker = false;
    // The line after the position, as written: a name may itself end in "*" or "#",
    // which only the team's lists can tell (namesOf).
    std::string written;
};

// What a main-side line's name may be: the text as written, then with its trailing
// "*" and "#" taken off one at a time ("Fox*#", "Fox*", "Fox"), longest first.
std::vector<std::string> namesOf(const std::string& written);

// A main-side line read with the names a team knows: its name the longest form the
// line may have that `isName` takes, what was taken off its end being the marks; the
// line as read where no form is a name.
OrdersSlot resolvedSlot(const OrdersSlot& read, const std::function<bool(const std::string&)>& isName);

struct OrdersMarker {
    int slot = 0;      // the first main-side slot (1 to 10) whose name the line starts with
    std::string name;  // that name, as the marker line writes it
    std::string target;
    std::size_t line = 0;
};

struct ReadOrders {
    std::string team;  // the abbreviation of the team whose orders these are
    std::string opponent, tactic, style, grudge, boost;
    std::array<OrdersSlot, 11> mainSide;  // slots 0 to 10
    std::vector<OrdersSlot> substitutes;  // slots 11 on
    std::vector<OrdersMarker> markers;
    std::string press, comments;  // one '\n' between lines
};

// Where and why a text is not an orders file this program wrote.
struct OrdersFileError {
    std::size_t line = 0;  // from 1; past the last line when the file ends early
    std::string expected;  // what that line should hold
    std::string found;     // what it holds; empty when the file ended
    bool ended = false;
};

// The sentence for the user: "RDVvsCD.TXT is not an orders file: line 20 should read
// "SUBS" but reads "GK Lane"."
std::string describeOrdersFileError(const OrdersFileError& error, std::string_view fileName);

// Reads text (UTF-8, any line ends) as an orders file.
[[nodiscard]] Result<ReadOrders, OrdersFileError> readOrdersText(std::string_view text);

}  // namespace teamtool
