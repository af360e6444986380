// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/form_load.h"

#include "app/frmteamtool.h"
#include "app/positions.h"

#include <array>
#include <string_view>

namespace teamtool {

namespace {

struct GridColumn {
    std::string_view heading;
    int width;  // twips
};

constexpr std::array<GridColumn, 31> kGridColumns = {{
    {"Pos", 400},      {"Name", 2000}, {"NSL", 550},  {"SP", 350},    {"Max SP", 700},  {"WI", 350},
    {"WS", 350},       {"Age", 400},   {"Wage", 750}, {"DP", 350},    {"Yellow", 600},  {"Red", 450},
    {"DP_T", 550},     {"TY", 350},    {"TR", 350},   {"Shots", 550}, {"PTS", 450},     {"GTS", 450},
    {"TCM", 450},      {"TCG", 450},   {"AMP", 450},  {"AGS", 450},   {"Nat", 450},     {"EMP", 450},
    {"EMP_T", 650},    {"EMP_B", 650}, {"IntG", 550}, {"IntDP", 550}, {"IntSusp", 750}, {"IntEMP", 750},
    {"IntEMP_T", 850},
}};

}  // namespace

void Form_Load(FRMTEAMTOOL& f)
{
    // Position lists: the substitutes may also be goalkeepers; the main side's
    // outfield slots never can (slot 0 keeps GK whatever its list holds).
    for (int i = 0; i < f.Text27.count(); ++i) {
        auto& items = f.Combo1(i).items;
        if (i > 10)
            items.emplace_back(kGoalkeeper);
        for (std::string_view code : kPositionCodes)
            if (code != kGoalkeeper)
                items.emplace_back(code);
    }

    // The grid's heading row and column widths.
    for (int k = 0; k < static_cast<int>(kGridColumns.size()); ++k) {
        f.MSFlexGrid1.setTextMatrix(0, k, kGridColumns[static_cast<std::size_t>(k)].heading);
        f.MSFlexGrid1.setColWidth(k, kGridColumns[static_cast<std::size_t>(k)].width);
    }
}

}  // namespace teamtool
