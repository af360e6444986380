// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// TeamTool: prepares a play-by-mail football team's weekly orders.

#include "ui/application.h"

int main(int argc, char** argv)
{
    return teamtool::ui::runApplication(argc, argv);
}
