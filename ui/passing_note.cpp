// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/passing_note.h"

#include "ui/accessible_factory.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>

#include <algorithm>

namespace teamtool::ui {

namespace {

// What assistive technology is told of the note: a notification, its text its name.
// Screen readers speak a notification as it comes to show, which Qt's AT-SPI bridge
// passes on where it drops Qt's alert event.
class NoteAccessible : public QAccessibleWidget {
public:
    explicit NoteAccessible(QLabel* note) : QAccessibleWidget(note, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name || kind == QAccessible::Value)
            return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

}  // namespace

PassingNote::PassingNote(QWidget* window) : QLabel(window)
{
    describeWith<PassingNote, NoteAccessible>();
    setObjectName("PassingNote");
    setWordWrap(true);
    setAlignment(Qt::AlignCenter);
    setMargin(6);
    setFrameShape(QFrame::Box);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_TransparentForMouseEvents);  // the controls below it stay in reach
    hide();
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        hide();
        clear();
    });
    window->installEventFilter(this);  // follows the window's size
}

void PassingNote::pass(const QString& text)
{
    // Shown anew for every note, so that each one comes to show and is spoken; notes
    // that come while one waits for its window are shown with it.
    hide();
    m_timer.stop();
    const bool waiting = m_held && !window()->isActiveWindow();
    setText(waiting ? this->text() + u'\n' + text : text);
    m_held = true;
    QTimer::singleShot(0, this, &PassingNote::showHeld);
}

void PassingNote::showHeld()
{
    if (!m_held || !window()->isActiveWindow())
        return;  // shown when the window is active again
    m_held = false;
    // A note of several lines (a list) reads from its left edge; a one-line note centred.
    setAlignment(text().contains(u'\n') ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    place();
    show();
    raise();
    // Long enough to read: four seconds, more for a long note.
    m_timer.start(std::max(4000, 2000 + 60 * static_cast<int>(text().size())));
    QAccessibleEvent announced(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&announced);
}

void PassingNote::place()
{
    const QWidget* window = parentWidget();
    const int room = window->width() - 32;
    int widest = 0;
    for (const QString& line : text().split(u'\n'))
        widest = std::max(widest, fontMetrics().horizontalAdvance(line));
    const int wanted = widest + 2 * (margin() + frameWidth()) + 4;
    const int width = std::min(wanted, room);
    const int height = heightForWidth(width);
    setGeometry((window->width() - width) / 2, window->height() - height - 12, width, height);
}

bool PassingNote::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize && isVisible())
        place();
    if (watched == parentWidget() && event->type() == QEvent::WindowActivate && m_held)
        QTimer::singleShot(0, this, &PassingNote::showHeld);
    return QLabel::eventFilter(watched, event);
}

}  // namespace teamtool::ui
