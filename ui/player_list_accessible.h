// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a screen reader is told of the four player lists that Left and Right reach from
// the Name list (Pos, NSL, SP, MAX SP): no list of their own, which a reader announces
// with its count on every way in ("NSL. List with 21 items."), but rows that say their
// column ("NSL 19.3"). The Name list, the lists' one Tab stop, stays a list.

class QListView;

namespace teamtool::ui {

// Describes `list` so from now on; its accessible name is the column its rows say.
// Call it right after the list is made, before a reader is told of it.
void describeAsColumnOfRows(QListView* list);

}  // namespace teamtool::ui
