// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/framed_text_edit.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionFrame>

namespace teamtool::ui {

bool FramedTextEdit::event(QEvent* event)
{
    // The frame is painted here, not in paintEvent, which paints the text.
    const bool handled = QPlainTextEdit::event(event);
    if (event->type() == QEvent::Paint && hasFocus()) {
        QStyleOptionFrame option;
        option.initFrom(this);
        option.lineWidth = frameWidth();
        option.midLineWidth = 0;
        option.state |= QStyle::State_Sunken | QStyle::State_HasFocus;
        QPainter painter(this);
        style()->drawPrimitive(QStyle::PE_FrameLineEdit, &option, &painter, this);
    }
    return handled;
}

void FramedTextEdit::focusInEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusInEvent(event);
    update();
}

void FramedTextEdit::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    update();
}

}  // namespace teamtool::ui
