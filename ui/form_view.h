// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The Qt face of FRMTEAMTOOL. It builds one widget for every control of the design,
// turns each user action into a change of the window model plus a call of the
// control's handler, and then shows what the model holds. It decides nothing itself.

#include "app/frmteamtool.h"
#include "ui/control_bindings.h"

#include <QWidget>

#include <array>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

class QTabWidget;

namespace teamtool::ui {

class FormView : public QWidget, private BindingHost {
    Q_OBJECT
public:
    explicit FormView(FRMTEAMTOOL& form, QWidget* parent = nullptr);
    ~FormView() override;

    // The widget of a control by its name: "Text27(3)", "Frame32".
    QWidget* control(const std::string& fullName) const;

    // Shows what the window model now holds.
    void refresh();

    // Loads the team file at path, as Select File then Load Team would.
    void openTeamFile(const std::string& path);
    // The same before the window is first shown, for a file that reads and is of a
    // team file's size; false, with nothing changed, for any other.
    bool openTeamFileBeforeShown(const std::string& path);

    // Runs one user action that is not a widget's own (a menu command, a drop): the
    // model change and handler call, then the new state shown.
    void perform(const std::function<void()>& action) { act(action); }
    // Applies a change that is none of the user's (what the program remembered, the
    // season come in) and shows it, building no page that does not show.
    void showChange(const std::function<void()>& change);

Q_SIGNALS:
    // The widgets show what the model now holds.
    void refreshed();

public:
    // Builds the widgets of the tabbed pages not built yet. The window builds them by
    // itself right after it is first painted.
    void buildTabbedPages();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Bound;  // a control and its widget

    bool onTabbedPages(const Control& control) const;
    // Builds the widgets of the file selection, or of the tabbed pages not built yet:
    // all of them, or only page onlyPage.
    void buildWidgets(bool tabbedPages, int onlyPage = -1);
    // The page that shows, alone: what the first paint needs.
    void buildShownPage();
    QWidget* containerWidget(const Control& control, int& yOffset) const;
    void place(QWidget* widget, const Control& control, int yOffset);
    void showControl(Bound& bound);
    // The focus on a control that shows: the page tabs, once they show, when the focus
    // is on nothing or on something hidden (the file selection a load has just hidden).
    void keepFocusShown();
    // Ctrl+Tab and Ctrl+Shift+Tab from anywhere: the next or the previous page, the
    // focus on the page tabs.
    void stepPage(int step);

    // BindingHost
    void act(const std::function<void()>& action) override;
    bool refreshing() const override { return m_refreshing; }
    const FRMTEAMTOOL& form() const final { return m_form; }
    void tell(const std::string& note) override { m_form.dialogs().notify(note); }
    void copy(const std::string& text) override;
    void showGridRows(std::vector<int> rows) override { m_form.shownGridRows = std::move(rows); }

    FRMTEAMTOOL& m_form;
    std::vector<Bound> m_bound;
    std::map<std::string, QWidget*> m_widgets;
    std::set<std::string> m_onPages;  // names of the controls on the tabbed pages
    const TabControl* m_tabControl = nullptr;
    QTabWidget* m_tabs = nullptr;
    std::array<bool, 4> m_pageBuilt{};
    bool m_shownPageFirst = false;  // a refresh builds only the page that shows
    bool m_refreshing = false;
    unsigned m_shownLoads = 0;  // the team file loads the view has shown
};

}  // namespace teamtool::ui
