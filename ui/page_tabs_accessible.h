// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a screen reader is told of a tab bar: a page tab list whose tabs say which one
// is selected, and are told again when another is. (Qt's own reports no tab selected.)

class QTabBar;

namespace teamtool::ui {

// From now on, the stack of a tab widget's pages is no container a reader names: the
// page tab names the page. Call it before the first tab widget is made.
void describePageStacks();

// Gives `tabs` this description, and tells readers of each change of page.
void describePageTabs(QTabBar* tabs);

}  // namespace teamtool::ui
