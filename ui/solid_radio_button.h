// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The widget of an option button (Cap, Pen): a radio button whose chosen dot is painted solid in the palette's text
// colour over the style's own, so that it stands out on its background in a light or
// a dark palette alike.

#include <QRadioButton>

namespace teamtool::ui {

class SolidRadioButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

    // The colour the chosen dot is painted in, and the one it stands on.
    QColor dotColour() const;
    QColor dotBackground() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace teamtool::ui
