// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a screen reader is told of a one-line box (QLineEdit): its name, its text, its
// caret and selection, as Qt tells it, with one difference. Qt 6.4 answers "which
// characters share these attributes?" with an empty run at each character; Orca builds
// the line it speaks from those runs and drops the last character ("Ashwort" for
// "Ashworth"). Here the whole text is one run: a box has no attributes of its own.
// And an edit a reader makes through it is made as typing would make it: not in a
// locked box, and told to the program, which Qt's own interface leaves unaware.

namespace teamtool::ui {

// Every QLineEdit made from now on is described this way. Call it before the first.
void describeLineEdits();

}  // namespace teamtool::ui
