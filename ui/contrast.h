// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Colours that stay readable whatever the palette: contrast as WCAG 2 measures it, and
// the muted text colour that still reaches a given contrast on its background.

#include <QColor>
#include <QPalette>

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

}  // namespace teamtool::ui
