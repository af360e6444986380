// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/described_menu_item.h"

#include "ui/accessible_factory.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QWidget>
#include <QWindow>

namespace teamtool::ui {

namespace {

constexpr auto kDescribed = "teamtoolDescribed";

// A menu command as a menu item: what Qt's own menu items say, and the description.
class DescribedMenuItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    DescribedMenuItem(QMenu* menu, QAction* action) : m_menu(menu), m_action(action) {}

    bool isValid() const override { return m_menu && m_action; }
    QObject* object() const override { return m_action; }
    QWindow* window() const override { return m_menu ? m_menu->window()->windowHandle() : nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_menu.data()); }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        switch (t) {
        case QAccessible::Name:
            return name();
        case QAccessible::Description:
            // Qt gives the name as the tooltip of an action that has none of its own.
            return m_action->toolTip() == name() ? QString() : m_action->toolTip();
        case QAccessible::Accelerator:
            return m_action->shortcut().toString(QKeySequence::NativeText);
        default:
            return {};
        }
    }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect at = m_menu->actionGeometry(m_action);
        return {m_menu->mapToGlobal(at.topLeft()), at.size()};
    }

    QAccessible::Role role() const override { return QAccessible::MenuItem; }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.focusable = true;
        s.disabled = !m_action->isEnabled();
        s.invisible = !m_action->isVisible() || !m_menu->isVisible();
        s.focused = m_menu->isVisible() && m_menu->activeAction() == m_action;
        s.checkable = m_action->isCheckable();
        s.checked = m_action->isChecked();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    // QAccessibleActionInterface
    QStringList actionNames() const override
    {
        if (!isValid() || !m_action->isEnabled())
            return {};
        return {pressAction()};
    }
    void doAction(const QString& actionName) override
    {
        if (isValid() && m_action->isEnabled() && actionName == pressAction()) {
            m_menu->hide();
            m_action->trigger();
        }
    }
    QStringList keyBindingsForAction(const QString& actionName) const override
    {
        if (!isValid() || actionName != pressAction())
            return {};
        QStringList keys;
        // Inside the open menu the underlined letter alone chooses the command.
        if (const QKeySequence mnemonic = QKeySequence::mnemonic(m_action->text()); !mnemonic.isEmpty())
            keys << QKeySequence(mnemonic[0].key()).toString(QKeySequence::NativeText);
        if (!m_action->shortcut().isEmpty())
            keys << m_action->shortcut().toString(QKeySequence::NativeText);
        return keys;
    }

private:
    QString name() const { return QString(m_action->text()).remove(QRegularExpression(QStringLiteral("&(?!&)"))); }

    QPointer<QMenu> m_menu;
    QPointer<QAction> m_action;
};

QAccessibleInterface* describedMenuItems(const QString& key, QObject* object)
{
    auto* action = key == QLatin1String("QAction") ? qobject_cast<QAction*>(object) : nullptr;
    if (!action || !action->property(kDescribed).toBool())
        return nullptr;
    for (QObject* owner : action->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(owner))
            return new DescribedMenuItem(menu, action);
    return nullptr;
}

}  // namespace

void describeToScreenReaders(QAction* action)
{
    installAccessibleFactory<&describedMenuItems>();
    action->setProperty(kDescribed, true);
}

void descriptionChanged(QAction* action)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(action, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

}  // namespace teamtool::ui
