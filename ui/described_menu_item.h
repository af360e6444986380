// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a screen reader hears of a menu command: its name and state as Qt's own menu
// items give them; its keys as they work inside the open menu (the underlined letter
// alone, where Qt says Alt and the letter), then its shortcut; and its tooltip as its
// description, which Qt's menu items leave out (Fill From Last Week's Orders names
// the kept file it will use).

class QAction;

namespace teamtool::ui {

// Marks action as described: from now on its accessible description is its tooltip.
// Mark it before it is first shown.
void describeToScreenReaders(QAction* action);

// Tells screen readers that the description of a described action changed.
void descriptionChanged(QAction* action);

}  // namespace teamtool::ui
