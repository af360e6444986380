// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Gives every widget of one class the accessible interface TeamTool writes for it, in
// place of Qt's own: what a screen reader is told of it.

#include <QAccessible>
#include <QString>

namespace teamtool::ui {

// From the first call on, each Widget (of exactly that class) is described by
// Interface, constructed from the widget. Call it where the first Widget is made.
template <class Widget, class Interface>
void describeWith()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString& className, QObject* object) -> QAccessibleInterface* {
            if (className == QLatin1String(Widget::staticMetaObject.className()))
                if (auto* widget = qobject_cast<Widget*>(object))
                    return new Interface(widget);
            return nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace teamtool::ui
