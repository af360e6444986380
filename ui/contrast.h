// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Colours that stay readable whatever the palette: contrast as WCAG 2 measures it, and
// the muted text colour that still reaches a given contrast on its background.

#include <QColor>
#include <QPalette>

class QAbstractScrollArea;

namespace teamtool::ui {

// The contrast ratio of two colours, 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);

// Between background and text, as close to the background as reaches `ratio` against
// it: text that reads as muted yet stays legible. The text itself when nothing closer does.
QColor mutedText(const QColor& text, const QColor& background, double ratio = 4.5);

// The colour of a change mark: the palette's link colour where it reads as text on the
// base colour (4.5:1), the text colour where it does not.
QColor markColour(const QPalette& palette);

// The base colour tinted a little toward the highlight, as far as text on it still
// reads (4.5:1): the background of a box that changed.
QColor changedBase(const QPalette& palette);

// The colour of an edge that must be seen against both the window and the base colour
// (3:1 to each): the ring of an unticked indicator, a scroll bar's thumb. As close to
// the window colour as reaches that; the text colour when nothing closer does.
QColor boundaryColour(const QPalette& palette);

// Scroll bars whose thumb stands out from its groove (3:1), so that they show at a
// glance where in its text or page a view is. Some styles (Fusion among them) draw
// the thumb as a lighter shade of a darker groove, which reads the wrong way round.
void showWhereTheViewIs(QAbstractScrollArea* area);

}  // namespace teamtool::ui
