// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/page_tabs_accessible.h"

#include "ui/accessible_factory.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QPointer>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QWindow>

#include <memory>
#include <vector>

namespace teamtool::ui {

using namespace Qt::StringLiterals;

namespace {

class PageTab : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PageTab(QTabBar* tabs, int index) : m_tabs(tabs), m_index(index) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    bool isValid() const override { return m_tabs && m_index < m_tabs->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_tabs ? m_tabs->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_tabs); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QString text(QAccessible::Text kind) const override
    {
        if (!isValid())
            return {};
        if (kind == QAccessible::Name)
            return m_tabs->tabText(m_index).remove(u'&');
        if (kind == QAccessible::Description)
            return m_tabs->tabToolTip(m_index);
        return {};
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect tab = m_tabs->tabRect(m_index);
        return {m_tabs->mapToGlobal(tab.topLeft()), tab.size()};
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const bool current = m_tabs->currentIndex() == m_index;
        s.selectable = true;
        s.selected = current;
        s.focusable = true;
        s.focused = current && m_tabs->hasFocus();
        s.disabled = !m_tabs->isTabEnabled(m_index);
        s.invisible = !m_tabs->isVisible();
        return s;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction() && isValid())
            m_tabs->setCurrentIndex(m_index);
    }

private:
    QPointer<QTabBar> m_tabs;
    int m_index;
};

class PageTabs : public QAccessibleWidget {
public:
    explicit PageTabs(QTabBar* tabs) : QAccessibleWidget(tabs, QAccessible::PageTabList) {}

    ~PageTabs() override
    {
        for (const QAccessible::Id id : m_tabs)
            QAccessible::deleteAccessibleInterface(id);
    }
    PageTabs(const PageTabs&) = delete;
    PageTabs& operator=(const PageTabs&) = delete;

    int childCount() const override { return tabs()->count(); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= tabs()->count())
            return nullptr;
        while (static_cast<int>(m_tabs.size()) <= index)
            m_tabs.push_back(
                QAccessible::registerAccessibleInterface(new PageTab(tabs(), static_cast<int>(m_tabs.size()))));
        return QAccessible::accessibleInterface(m_tabs[static_cast<std::size_t>(index)]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (std::size_t k = 0; k < m_tabs.size(); ++k)
            if (QAccessible::accessibleInterface(m_tabs[k]) == child)
                return static_cast<int>(k);
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        const int index = tabs()->tabAt(tabs()->mapFromGlobal(QPoint(x, y)));
        return index >= 0 ? child(index) : nullptr;
    }

    QAccessibleInterface* focusChild() const override
    {
        return tabs()->hasFocus() ? child(tabs()->currentIndex()) : nullptr;
    }

private:
    QTabBar* tabs() const { return static_cast<QTabBar*>(widget()); }
    mutable std::vector<QAccessible::Id> m_tabs;
};

// Tells a reader that the tab left and the tab come to are no longer, and now, selected.
void tellSelected(QTabBar* tabs, int index)
{
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(tabs);
    if (!list || index < 0)
        return;
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(list->child(index), changed);
    QAccessible::updateAccessibility(&event);
}

// Coming into the tab bar, a reader hears the page tab that shows, as it does when the
// arrow keys change it.
class FocusedTabTeller : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // After Qt's own event for the tab bar, which would otherwise come last.
        if (event->type() == QEvent::FocusIn && QAccessible::isActive())
            QTimer::singleShot(0, watched, [tabs = static_cast<QTabBar*>(watched)] {
                if (!tabs->hasFocus())
                    return;
                QAccessibleEvent focused(tabs, QAccessible::Focus);
                focused.setChild(tabs->currentIndex());
                QAccessible::updateAccessibility(&focused);
            });
        return false;
    }
};

// The stack that holds a tab widget's pages is no place of its own to a reader: the
// page tab says which page it is. (Qt calls it a layered pane, which Orca says on
// every way into a page.)
QAccessibleInterface* pageStackInterface(const QString& className, QObject* object)
{
    if (className != QLatin1String("QStackedWidget"))
        return nullptr;
    auto* stack = qobject_cast<QStackedWidget*>(object);
    if (!stack || !qobject_cast<QTabWidget*>(stack->parentWidget()))
        return nullptr;
    return new QAccessibleWidget(stack, QAccessible::Client);
}

}  // namespace

void describePageStacks()
{
    installAccessibleFactory<&pageStackInterface>();
}

void describePageTabs(QTabBar* tabs)
{
    describeWith<QTabBar, PageTabs>();
    tabs->installEventFilter(new FocusedTabTeller(tabs));
    auto previous = std::make_shared<int>(tabs->currentIndex());
    QObject::connect(tabs, &QTabBar::currentChanged, tabs, [tabs, previous](int index) {
        tellSelected(tabs, *previous);
        tellSelected(tabs, index);
        *previous = index;
    });
}

}  // namespace teamtool::ui
