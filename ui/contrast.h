#pragma once

// Colours that stay readable whatever the palette: contrast as WCAG 2 measures it, and
// the muted text colour that still reaches a given contrast on its background.

#include <QColor>

namespace teamtool::ui {

// The contrast ratio of two colours, 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);

// Between background and text, as close to the background as reaches `ratio` against
// it: text that reads as muted yet stays legible. The text itself when nothing closer does.
QColor mutedText(const QColor& text, const QColor& background, double ratio = 4.5);

}  // namespace teamtool::ui
