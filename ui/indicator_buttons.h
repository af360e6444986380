// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The widgets of option buttons (Cap, Pen) and check boxes (Marker): the style's own,
// with the indicator's edge painted over it in a colour that stands out from the window
// and the box (3:1), ticked or not, and an option button's chosen dot painted solid in
// the text colour, in a light or a dark palette alike.
//
// The option buttons of one frame are one group, as radio buttons are on every
// desktop: the window model keeps them exclusive, screen readers are told they are
// radio buttons (their action clicks, as the mouse does), the group is one Tab stop
// (the chosen button, or the first), and the arrow keys move within it, choosing as
// they go.

#include <QCheckBox>
#include <QList>
#include <QRadioButton>

namespace teamtool::ui {

class SolidRadioButton : public QRadioButton {
    Q_OBJECT
public:
    explicit SolidRadioButton(QWidget* parent = nullptr);

    // The colour the chosen dot is painted in, and the one it stands on.
    QColor dotColour() const;
    QColor dotBackground() const;
    // The indicator's edge, the same colour whether chosen or not.
    QColor edgeColour() const;

    // The shown buttons of this one's group, top to bottom.
    QList<SolidRadioButton*> group() const;
    // Only the chosen button of the group, or its first, takes Tab.
    void updateGroupTabStop() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
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
