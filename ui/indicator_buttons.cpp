// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/indicator_buttons.h"

#include "ui/accessible_factory.h"
#include "ui/contrast.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>

#include <algorithm>
#include <ranges>

namespace teamtool::ui {

namespace {

// Readies painter to draw an indicator's edge in colour, with a pen as wide as the
// style's own outline at this size and no thinner than 1.5 pixels, so the edge is seen
// whole. The rectangle the edge runs along.
QRectF readyEdge(QPainter& painter, const QColor& colour, const QRect& indicator)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const QPen edge(colour, std::max(1.5, indicator.width() / 10.0));
    painter.setPen(edge);
    painter.setBrush(Qt::NoBrush);
    const qreal inset = edge.widthF() / 2;
    return QRectF(indicator).adjusted(inset, inset, -inset, -inset);
}

// What assistive technology is told of an option button: a radio button, checked or
// not, whose action clicks it. (Qt reports a button that is not auto-exclusive as a
// check box, and its action toggles it without the click the window model hears.)
class RadioAccessible : public QAccessibleWidget {
public:
    explicit RadioAccessible(SolidRadioButton* button) : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return button()->text();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        return s;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override
    {
        if (action == pressAction() || action == toggleAction())
            button()->click();
    }

private:
    SolidRadioButton* button() const { return static_cast<SolidRadioButton*>(widget()); }
};

}  // namespace

SolidRadioButton::SolidRadioButton(QWidget* parent) : QRadioButton(parent)
{
    describeWith<SolidRadioButton, RadioAccessible>();
}

QList<SolidRadioButton*> SolidRadioButton::group() const
{
    // Its group is its parent's buttons; one without a parent is a group of its own.
    QList<SolidRadioButton*> buttons;
    const QWidget* parent = parentWidget();
    if (!parent)
        return {const_cast<SolidRadioButton*>(this)};
    for (auto* button : parent->findChildren<SolidRadioButton*>(Qt::FindDirectChildrenOnly))
        if (!button->isHidden())
            buttons.append(button);
    std::ranges::stable_sort(buttons, [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    return buttons;
}

void SolidRadioButton::updateGroupTabStop() const
{
    const QList<SolidRadioButton*> buttons = group();
    const auto chosen = std::ranges::find_if(buttons, [](const SolidRadioButton* b) { return b->isChecked(); });
    const SolidRadioButton* stop = chosen != buttons.end() ? *chosen : (buttons.isEmpty() ? nullptr : buttons.front());
    for (SolidRadioButton* button : buttons)
        if (button)
            button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void SolidRadioButton::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool back = key == Qt::Key_Up || key == Qt::Key_Left;
    const bool forward = key == Qt::Key_Down || key == Qt::Key_Right;
    if ((!back && !forward) || event->modifiers() != Qt::NoModifier) {
        QRadioButton::keyPressEvent(event);
        return;
    }
    // The next button of the group, round from the last to the first, chosen as a click
    // chooses it.
    const QList<SolidRadioButton*> buttons = group();
    const qsizetype at = buttons.indexOf(this);
    if (at >= 0 && buttons.size() > 1) {
        const qsizetype size = buttons.size();
        SolidRadioButton* next = buttons[(at + (forward ? 1 : size - 1)) % size];
        next->setFocus(Qt::TabFocusReason);
        next->click();
    }
    event->accept();
}

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
    painter.drawEllipse(readyEdge(painter, edgeColour(), indicator));
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
    painter.drawRoundedRect(readyEdge(painter, edgeColour(), indicator), 2, 2);
}

}  // namespace teamtool::ui
