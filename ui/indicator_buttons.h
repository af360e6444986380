// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The widgets of option buttons (Cap, Pen) and check boxes (Marker): the style's own,
// with the indicator's edge painted over it in a colour that stands out from the window
// and the box (3:1), ticked or not, and an option button's chosen dot painted solid in
// the text colour, in a light or a dark palette alike.

#include <QCheckBox>
#include <QRadioButton>

namespace teamtool::ui {

class SolidRadioButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

    // The colour the chosen dot is painted in, and the one it stands on.
    QColor dotColour() const;
    QColor dotBackground() const;
    // The indicator's edge, the same colour whether chosen or not.
    QColor edgeColour() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class OutlinedCheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

    QColor edgeColour() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace teamtool::ui
