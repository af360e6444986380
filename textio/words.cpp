// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textio/words.h"

namespace teamtool {

std::string joinedWithAnd(const std::vector<std::string>& items)
{
    std::string text;
    for (std::size_t k = 0; k < items.size(); ++k) {
        if (k > 0)
            text += k + 1 == items.size() ? " and " : ", ";
        text += items[k];
    }
    return text;
}

}  // namespace teamtool
