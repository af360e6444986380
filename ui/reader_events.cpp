// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/reader_events.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QAccessibleTableInterface>
#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace teamtool::ui {

namespace {

QAccessible::UpdateHandler& passedTo()
{
    static QAccessible::UpdateHandler handler = nullptr;
    return handler;
}

// The control the last focus event told of: a box's own caret and selection are
// told once the reader is in it.
QPointer<QObject>& toldFocus()
{
    static QPointer<QObject> told;
    return told;
}

bool isTextEvent(QAccessible::Event type)
{
    switch (type) {
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged:
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
    case QAccessible::TextAttributeChanged:
    case QAccessible::TextColumnChanged:
        return true;
    default:
        return false;
    }
}

bool needed(QAccessibleEvent* event)
{
    QObject* object = event->object();
    const auto* widget = qobject_cast<const QWidget*>(object);
    if (!widget)
        return true;
    const QAccessible::Event type = event->type();
    if (type == QAccessible::Focus) {
        toldFocus() = object;
        return true;
    }
    const bool inIt = widget->hasFocus();
    if (isTextEvent(type))
        return inIt && (toldFocus() == object ||
                        (type != QAccessible::TextCaretMoved && type != QAccessible::TextSelectionChanged));
    if (type == QAccessible::NameChanged || type == QAccessible::DescriptionChanged) {
        if (inIt)
            return true;
        QAccessibleInterface* face = event->accessibleInterface();
        const QAccessible::Role role = face ? face->role() : QAccessible::NoRole;
        return role == QAccessible::Notification || role == QAccessible::AlertMessage || role == QAccessible::Window ||
               role == QAccessible::Dialog || !widget->isVisible();
    }
    return true;
}

void passOn(QAccessibleEvent* event)
{
    if (!needed(event))
        return;
    if (passedTo()) {
        passedTo()(event);
        return;
    }
    if (QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility())
        platform->notifyAccessibilityUpdate(event);
}

}  // namespace

void sendReadersOnlyWhatTheyNeed()
{
    static const bool installed = [] {
        passedTo() = QAccessible::installUpdateHandler(passOn);
        return true;
    }();
    Q_UNUSED(installed);
}

void tellCurrentItem(QAbstractItemView* view)
{
    const QModelIndex current = view->currentIndex();
    if (!view->hasFocus() || !current.isValid())
        return;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(view);
    QAccessibleTableInterface* cells = face ? face->tableInterface() : nullptr;
    QAccessibleInterface* item = cells  ? cells->cellAt(current.row(), current.column())
                                 : face ? face->child(current.row())  // a list of rows of its own
                                        : nullptr;
    if (!item)
        return;
    QAccessibleEvent focused(view, QAccessible::Focus);
    focused.setChild(face->indexOfChild(item));
    QAccessible::updateAccessibility(&focused);
}

}  // namespace teamtool::ui
