// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/indicator_buttons.h"

#include "ui/contrast.h"

#include <QPainter>
#include <QStyleOptionButton>

#include <algorithm>

namespace teamtool::ui {

namespace {

// A pen as wide as the style's own outline at this size, and no thinner than 1.5
// pixels, so the edge is seen whole.
QPen edgePen(const QColor& colour, const QRect& indicator)
{
    return QPen(colour, std::max(1.5, indicator.width() / 10.0));
}

}  // namespace

QColor SolidRadioButton::dotColour() const
{
    return palette().color(QPalette::Text);
}

QColor SolidRadioButton::dotBackground() const
{
    return palette().color(QPalette::Base);
}

QColor SolidRadioButton::edgeColour() const
{
    return boundaryColour(palette());
}

void SolidRadioButton::paintEvent(QPaintEvent* event)
{
    QRadioButton::paintEvent(event);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect indicator = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPen edge = edgePen(edgeColour(), indicator);
    const qreal inset = edge.widthF() / 2;
    painter.setPen(edge);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(indicator).adjusted(inset, inset, -inset, -inset));
    if (!isChecked())
        return;
    const qreal diameter = indicator.width() * 0.45;
    painter.setPen(Qt::NoPen);
    painter.setBrush(dotColour());
    painter.drawEllipse(QRectF(indicator).center(), diameter / 2, diameter / 2);
}

QColor OutlinedCheckBox::edgeColour() const
{
    return boundaryColour(palette());
}

void OutlinedCheckBox::paintEvent(QPaintEvent* event)
{
    QCheckBox::paintEvent(event);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect indicator = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPen edge = edgePen(edgeColour(), indicator);
    const qreal inset = edge.widthF() / 2;
    painter.setPen(edge);
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(indicator).adjusted(inset, inset, -inset, -inset), 2, 2);
}

}  // namespace teamtool::ui
