// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a screen reader is sent of the changes Qt reports: all of it, less what only
// confuses a reader.
//
// - A box's caret, selection and text changes while the user is not in it. A load fills
//   some sixty boxes; their events were a flood in which Orca dropped what came with
//   them, the note saying the week was compared among them.
// - A box's caret and selection as the focus comes into it, before the focus itself is
//   told: Orca read them as a change of selection and then read the box again.
// - A name change of a control the user is not on, but for notes and alerts, which are
//   read as they change.

class QAbstractItemView;

namespace teamtool::ui {

// From now on, for the whole program. Any handler installed before still hears what
// readers are sent.
void sendReadersOnlyWhatTheyNeed();

// Tells a reader of `view`'s current item, as an arrow key would, while the view has the
// focus: what coming into a list or a table says, after Qt's own word of the view.
void tellCurrentItem(QAbstractItemView* view);

}  // namespace teamtool::ui
