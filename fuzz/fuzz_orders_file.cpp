// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: an orders file dropped on the window or picked with Fill From Orders.
// A ten-minute campaign, from the repository root:
//   scripts/dev.sh fuzz orders_file 600

#include "fuzz/orders_file_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return teamtool::fuzz::checkOrdersFileBytes(data, size);
}
