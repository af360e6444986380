// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/window_activation.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace teamtool::ui {

namespace {

// Time for the window system's own word, and for any window the user or the program
// activates meanwhile, before the window is asked for.
constexpr int kFirstWait = 100;
// Longer than Qt's own wait for a window to take the focus after another lost it
// (400 ms on X11), so that its word, if it comes, comes first.
constexpr int kWindowSystemWait = 500;

class DialogWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowActivate && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isVisible())
            ++m_activations;  // the window system, the user or the program chose a window that shows
        if (event->type() == QEvent::Hide && watched->isWidgetType()) {
            const auto* dialog = static_cast<QWidget*>(watched);
            if (dialog->isWindow() && dialog->isModal() && dialog->parentWidget())
                returnTo(dialog->parentWidget()->window());
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // No window has been activated since the dialog closed, and none is active.
    bool noneActive(const QWidget* window, unsigned activationsThen) const
    {
        return m_activations == activationsThen && window->isVisible() && !window->isMinimized() &&
               !QApplication::activeWindow() && !QApplication::activeModalWidget();
    }

    // The load the dialog asked for runs before this: the window is asked for once the
    // program is free again.
    void returnTo(QWidget* window) const
    {
        // Each step runs only while the window lives: it is the timers' context.
        const unsigned then = m_activations;
        QTimer::singleShot(kFirstWait, window, [this, window, then] {
            if (!noneActive(window, then))
                return;
            window->activateWindow();
            QTimer::singleShot(kWindowSystemWait, window, [this, window, then] {
                if (!noneActive(window, then))
                    return;
                // Qt 6.5 deprecates this for activateWindow(), which is what went unanswered.
                QT_WARNING_PUSH
                QT_WARNING_DISABLE_DEPRECATED
                QApplication::setActiveWindow(window);
                QT_WARNING_POP
            });
        });
    }

    unsigned m_activations = 0;
};

}  // namespace

void reactivateAfterDialogs()
{
    static auto* watcher = [] {
        auto* made = new DialogWatcher(qApp);
        qApp->installEventFilter(made);
        return made;
    }();
    Q_UNUSED(watcher);
}

}  // namespace teamtool::ui
