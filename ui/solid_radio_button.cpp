// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/solid_radio_button.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace teamtool::ui {

QColor SolidRadioButton::dotColour() const
{
    return palette().color(QPalette::Text);
}

QColor SolidRadioButton::dotBackground() const
{
    return palette().color(QPalette::Base);
}

void SolidRadioButton::paintEvent(QPaintEvent* event)
{
    QRadioButton::paintEvent(event);
    if (!isChecked())
        return;
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect indicator = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    const qreal diameter = indicator.width() * 0.45;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(dotColour());
    painter.drawEllipse(QRectF(indicator).center(), diameter / 2, diameter / 2);
}

}  // namespace teamtool::ui
