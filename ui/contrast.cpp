// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/contrast.h"

#include <QAbstractScrollArea>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <optional>

namespace teamtool::ui {

namespace {

double luminance(const QColor& colour)
{
    const auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor mutedText(const QColor& text, const QColor& background, double ratio)
{
    const QColor t = text.toRgb();
    const QColor b = background.toRgb();
    for (int step = 40; step <= 100; step += 2) {
        const double w = step / 100.0;
        const QColor mixed = QColor::fromRgbF(static_cast<float>(b.redF() + (t.redF() - b.redF()) * w),
                                              static_cast<float>(b.greenF() + (t.greenF() - b.greenF()) * w),
                                              static_cast<float>(b.blueF() + (t.blueF() - b.blueF()) * w));
        if (contrastRatio(mixed, b) >= ratio)
            return mixed;
    }
    return t;
}

QColor markColour(const QPalette& palette)
{
    const QColor link = palette.color(QPalette::Link);
    return contrastRatio(link, palette.color(QPalette::Base)) >= 4.5 ? link : palette.color(QPalette::Text);
}

QColor changedBase(const QPalette& palette)
{
    const QColor base = palette.color(QPalette::Base).toRgb();
    const QColor toward = palette.color(QPalette::Highlight).toRgb();
    const QColor text = palette.color(QPalette::Text);
    for (int step = 18; step > 0; step -= 2) {
        const float w = static_cast<float>(step) / 100.0f;
        const QColor tinted = QColor::fromRgbF(base.redF() + (toward.redF() - base.redF()) * w,
                                               base.greenF() + (toward.greenF() - base.greenF()) * w,
                                               base.blueF() + (toward.blueF() - base.blueF()) * w);
        if (contrastRatio(text, tinted) >= 4.5)
            return tinted;
    }
    return base;
}

QColor boundaryColour(const QPalette& palette)
{
    const QColor window = palette.color(QPalette::Window);
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::WindowText);
    // Worked out once per palette: each of the window's indicators asks on every paint,
    // and the search blends up to 37 colours.
    struct Found {
        QRgb window;
        QRgb base;
        QRgb text;
        QRgb fallback;
        QColor edge;
    };
    static std::optional<Found> last;
    const QRgb fallback = palette.color(QPalette::Text).rgba();
    if (last && last->window == window.rgba() && last->base == base.rgba() && last->text == text.rgba() &&
        last->fallback == fallback)
        return last->edge;
    QColor found = palette.color(QPalette::Text);
    for (int step = 0; step <= 36; ++step) {
        const double ratio = 3.0 + step * 0.5;
        const QColor edge = mutedText(text, window, ratio);
        if (contrastRatio(edge, window) >= 3.0 && contrastRatio(edge, base) >= 3.0) {
            found = edge;
            break;
        }
    }
    last = Found{window.rgba(), base.rgba(), text.rgba(), fallback, found};
    return found;
}

void showWhereTheViewIs(QAbstractScrollArea* area)
{
    const QPalette& palette = area->palette();
    const QString sheet =
        QStringLiteral("QScrollBar { background: %1; border: none; }"
                       "QScrollBar:vertical { width: 14px; }"
                       "QScrollBar:horizontal { height: 14px; }"
                       "QScrollBar::handle { background: %2; border-radius: 4px; margin: 2px; }"
                       "QScrollBar::handle:vertical { min-height: 24px; }"
                       "QScrollBar::handle:horizontal { min-width: 24px; }"
                       "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; border: none; }"
                       "QScrollBar::add-page, QScrollBar::sub-page { background: none; }")
            .arg(palette.color(QPalette::Window).name(), boundaryColour(palette).name());
    // On the bars themselves: a style sheet on the area would reach every widget inside.
    area->verticalScrollBar()->setStyleSheet(sheet);
    area->horizontalScrollBar()->setStyleSheet(sheet);
}

}  // namespace teamtool::ui
