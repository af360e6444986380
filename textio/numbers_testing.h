// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// For tests and fuzz targets only: the plain, general forms of what the program does by
// quicker paths, which those paths are checked against. The program itself uses none of
// them.

#include "textio/numbers.h"

#include <string_view>

namespace teamtool {

// True when text has the form of a decimal number: an optional sign, digits with at
// most one point and at least one digit in all, then optionally E or e, an optional
// sign and digits. "5." and ".5" qualify; ".", "+", "1,5", "0x10" and "Infinity" do not.
bool hasNumberForm(std::string_view text);

// The display form of value by the general conversion alone, without the shortcuts for
// common numbers.
std::string_view generalNumberText(double value, NumberTextBuffer& buffer);

// isShownForm of characters by themselves, with a scan of its own.
bool isShownForm(std::string_view chars);

}  // namespace teamtool
