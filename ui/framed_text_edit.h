// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The widget of a multi-line box (Press, Comments): a plain text edit whose frame shows
// the focus as a one-line box's does, not by the blinking caret alone.

#include <QPlainTextEdit>

namespace teamtool::ui {

class FramedTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace teamtool::ui
