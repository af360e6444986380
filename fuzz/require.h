// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A fuzz target's rules: a broken one is reported and ends the run, so that libFuzzer
// keeps the input that broke it.

#include <cstdio>
#include <cstdlib>

namespace teamtool::fuzz {

inline void requireOf(const char* target, bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "%s fuzz: broken rule: %s\n", target, what);
        std::abort();
    }
}

}  // namespace teamtool::fuzz
