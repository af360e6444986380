// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/form_view.h"

#include "squad/squad.h"
#include "ui/control_bindings.h"
#include "ui/line_edit_accessible.h"
#include "ui/page_tabs_accessible.h"
#include "window/window.h"

#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>

namespace teamtool::ui {

namespace {

QString qt(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

struct FormView::Bound {
    Control* control;
    QWidget* widget;
    int yOffset;  // pixels taken by the tab strip above a page's own area
    Twips shownGeometry;
};

FormView::FormView(FRMTEAMTOOL& form, QWidget* parent) : QWidget(parent), m_form(form)
{
    setObjectName(qt(form.Me.name));
    setWindowTitle(qt(form.Me.caption));
    setFixedSize(pixels(form.Me.geometry.width), pixels(form.Me.geometry.height));
    // The layout was designed around an 8-point window font.
    QFont windowFont = font();
    windowFont.setPointSizeF(8);
    setFont(windowFont);

    // The design lists every container before what it holds.
    for (const auto& control : form.controls()) {
        if (control->kind == Kind::TabControl)
            m_tabControl = static_cast<const TabControl*>(control);
        if (control->kind == Kind::TabControl || m_onPages.contains(control->container))
            m_onPages.insert(control->name);
    }
    describeLineEdits();
    describePageStacks();
    buildWidgets(false);
    refresh();
    // Qt's tab widget changes the page by these keys only while the focus is on it or a
    // child that passes them on; the grid and the lists keep them.
    const auto pageKey = [this](const QKeySequence& keys, int step) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, step] { stepPage(step); });
    };
    pageKey(QKeySequence(Qt::CTRL | Qt::Key_Tab), 1);
    pageKey(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1);
    pageKey(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1);
}

void FormView::stepPage(int step)
{
    if (!m_tabs || !m_tabs->isVisible() || m_tabs->count() == 0)
        return;
    const int count = m_tabs->count();
    m_tabs->tabBar()->setFocus(Qt::TabFocusReason);  // first, so no hidden control keeps it
    m_tabs->setCurrentIndex((m_tabs->currentIndex() + step + count) % count);
}

void FormView::keepFocusShown()
{
    if (!m_tabs || !m_tabs->isVisibleTo(this))
        return;
    const QWidget* focused = window()->focusWidget();
    if (!focused || !focused->isVisibleTo(window()))
        m_tabs->tabBar()->setFocus(Qt::OtherFocusReason);
}

bool FormView::onTabbedPages(const Control& control) const
{
    return m_onPages.contains(control.name);
}

void FormView::buildWidgets(bool tabbedPages, int onlyPage)
{
    // The tab control comes with the first page built; a page's controls with it.
    const auto inThisPass = [&](const Control& control) {
        if (onTabbedPages(control) != tabbedPages)
            return false;
        if (!tabbedPages)
            return true;
        if (control.kind == Kind::TabControl)
            return !m_tabs;
        const auto page = static_cast<std::size_t>(control.page);
        return control.page >= 0 && page < m_pageBuilt.size() && !m_pageBuilt[page] &&
               (onlyPage < 0 || control.page == onlyPage);
    };
    std::vector<const Control*> built;
    for (const auto& control : m_form.controls()) {
        if (control->kind == Kind::Form || control->kind == Kind::FileDialog || !inThisPass(*control))
            continue;
        built.push_back(control);
        int yOffset = 0;
        QWidget* parentWidget = containerWidget(*control, yOffset);
        QWidget* widget = bindingFor(control->kind).create(*control, parentWidget, *this);
        if (control->kind == Kind::TabControl)
            m_tabs = static_cast<QTabWidget*>(widget);
        widget->setObjectName(qt(control->fullName()));
        if (control->fontSize > 0 || control->bold) {
            QFont font = widget->font();
            if (control->fontSize > 0)
                font.setPointSizeF(control->fontSize);
            font.setBold(control->bold);
            widget->setFont(font);
        }
        place(widget, *control, yOffset);
        if (!control->accessibleName.empty())
            widget->setAccessibleName(qt(control->accessibleName));
        m_widgets.emplace(control->fullName(), widget);
        m_bound.push_back({control, widget, yOffset, control->geometry});
    }

    // Labels name the box beside them, and the keyboard goes row by row on each page.
    for (const Control* control : built)
        if (!control->buddy.empty())
            if (auto* label = qobject_cast<QLabel*>(this->control(control->fullName())))
                label->setBuddy(this->control(control->buddy));
    std::vector<int> pages = {-1};
    if (tabbedPages) {
        pages.clear();
        for (std::size_t page = 0; page < m_pageBuilt.size(); ++page)
            if (!m_pageBuilt[page] && (onlyPage < 0 || static_cast<int>(page) == onlyPage)) {
                pages.push_back(static_cast<int>(page));
                m_pageBuilt[page] = true;
            }
    }
    for (const int page : pages) {
        QWidget* previous = nullptr;
        for (const Control* control : m_form.focusOrder(page)) {
            QWidget* next = this->control(control->fullName());
            if (previous && next)
                QWidget::setTabOrder(previous, next);
            previous = next ? next : previous;
        }
    }
}

void FormView::buildTabbedPages()
{
    if (std::all_of(m_pageBuilt.begin(), m_pageBuilt.end(), [](bool built) { return built; }))
        return;
    buildWidgets(true);
    refresh();
}

void FormView::buildShownPage()
{
    const auto page = static_cast<std::size_t>(m_tabControl ? m_tabControl->tab : 0);
    if (page < m_pageBuilt.size() && !m_pageBuilt[page])
        buildWidgets(true, static_cast<int>(page));
}

FormView::~FormView() = default;

QWidget* FormView::control(const std::string& fullName) const
{
    const auto it = m_widgets.find(fullName);
    return it == m_widgets.end() ? nullptr : it->second;
}

QWidget* FormView::containerWidget(const Control& control, int& yOffset) const
{
    yOffset = 0;
    if (control.container.empty())
        return const_cast<FormView*>(this);
    if (m_tabControl && control.container == m_tabControl->name) {
        // Page coordinates count the tab strip in; Qt's page area starts below it.
        yOffset = m_tabs->tabBar()->sizeHint().height();
        return m_tabs->widget(control.page);
    }
    return this->control(control.container);
}

void FormView::place(QWidget* widget, const Control& control, int yOffset)
{
    const Twips& g = control.geometry;
    widget->setGeometry(pixels(g.left), std::max(0, pixels(g.top) - yOffset), pixels(g.width), pixels(g.height));
}

void FormView::copy(const std::string& text)
{
    m_form.dialogs().copyText(text);
    tell("Copied");
}

void FormView::act(const std::function<void()>& action)
{
    buildTabbedPages();
    action();
    refresh();
}

void FormView::openTeamFile(const std::string& path)
{
    act([&] { teamtool::openTeamFile(m_form, path); });
}

bool FormView::openTeamFileBeforeShown(const std::string& path)
{
    // Only the page that shows is built before the first paint; the others follow it.
    bool loaded = false;
    showChange([&] { loaded = teamtool::openTeamFileBeforeShown(m_form, path); });
    return loaded;
}

void FormView::showChange(const std::function<void()>& change)
{
    m_shownPageFirst = true;
    change();
    refresh();
    m_shownPageFirst = false;
}

void FormView::refresh()
{
    if (m_tabControl && m_tabControl->visible) {
        if (m_shownPageFirst)
            buildShownPage();
        else
            buildTabbedPages();
    }
    const bool outer = !m_refreshing;
    m_refreshing = true;
    for (Bound& bound : m_bound)
        showControl(bound);
    if (outer) {
        m_refreshing = false;
        if (m_form.loads != m_shownLoads && m_tabs && m_tabs->isVisibleTo(this)) {
            // Whatever had the focus before, a team that has loaded starts on its page tabs.
            m_shownLoads = m_form.loads;
            m_tabs->tabBar()->setFocus(Qt::OtherFocusReason);
        }
        if (!m_form.focusRequest.empty()) {
            // Where a command leaves the keyboard for the manager.
            QWidget* wanted = control(m_form.focusRequest);
            m_form.focusRequest.clear();
            if (wanted && wanted->isVisibleTo(window()) && wanted->isEnabled())
                wanted->setFocus(Qt::ShortcutFocusReason);  // a box selects its text, to type over
        }
        keepFocusShown();
        Q_EMIT refreshed();
    }
}

void FormView::showControl(Bound& bound)
{
    Control& control = *bound.control;
    QWidget* widget = bound.widget;

    const Twips& g = control.geometry;
    const Twips& shown = bound.shownGeometry;
    if (g.left != shown.left || g.top != shown.top || g.width != shown.width || g.height != shown.height) {
        place(widget, control, bound.yOffset);
        bound.shownGeometry = g;
    }
    if (widget->isVisibleTo(widget->parentWidget()) != control.visible)
        widget->setVisible(control.visible);
    if (widget->isEnabled() != control.enabled)
        widget->setEnabled(control.enabled);

    // The name a reader hears may follow what the control's row holds; a box keeps it
    // as the base it adds ", blank" to.
    const QString spoken = qt(spokenName(form(), control));
    if (qobject_cast<QLineEdit*>(widget) && widget->property("teamtoolAccessibleName").isValid())
        widget->setProperty("teamtoolAccessibleName", spoken);
    else if (!spoken.isEmpty() && widget->accessibleName() != spoken)
        widget->setAccessibleName(spoken);
    bindingFor(control.kind).show(control, widget, form());
}

void FormView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Styles draw the focus once the keyboard has moved it; here it shows from the start.
    window()->setAttribute(Qt::WA_KeyboardFocusChange);
    // The design lists the controls in focus order: the first that can take the focus
    // ("Select File") has it when the window opens.
    keepFocusShown();  // a team loaded before the window showed: the page tabs
    for (const Bound& bound : m_bound) {
        if (focusWidget())
            break;  // shown again: the focus stays where the user left it
        QWidget* widget = bound.widget;
        if (widget->isVisible() && widget->isEnabled() && widget->focusPolicy() != Qt::NoFocus) {
            widget->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
}

void FormView::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    // The tabbed pages stay hidden until a team is loaded: they are built once the
    // window has been painted, so that it shows as soon as it can.
    if (!std::all_of(m_pageBuilt.begin(), m_pageBuilt.end(), [](bool built) { return built; }))
        QTimer::singleShot(0, this, &FormView::buildTabbedPages);
}

}  // namespace teamtool::ui
