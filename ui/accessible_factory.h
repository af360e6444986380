// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Gives every widget of one class the accessible interface TeamTool writes for it, in
// place of Qt's own: what a screen reader is told of it.

#include <QAccessible>
#include <QString>

namespace teamtool::ui {

// Installs Factory with Qt's accessibility, once however often it is called.
template <QAccessible::InterfaceFactory Factory>
void installAccessibleFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    Q_UNUSED(installed);
}

// Interface for a Widget (of exactly that class), nothing for any other object.
template <class Widget, class Interface>
QAccessibleInterface* interfaceOf(const QString& className, QObject* object)
{
    if (className == QLatin1String(Widget::staticMetaObject.className()))
        if (auto* widget = qobject_cast<Widget*>(object))
            return new Interface(widget);
    return nullptr;
}

// From the first call on, each Widget (of exactly that class) is described by
// Interface, constructed from the widget. Call it where the first Widget is made.
template <class Widget, class Interface>
void describeWith()
{
    installAccessibleFactory<&interfaceOf<Widget, Interface>>();
}

}  // namespace teamtool::ui
