// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's top-level window: the designed form's view (FormView) with the menu bar
// above it, which grows the window by the menu's height and leaves the designed area
// as it is. Files dropped on it are opened as the window model says.

#include "app/frmteamtool.h"

#include <QMainWindow>

#include <string>
#include <vector>

class QAction;
class QLabel;
class QMenu;

namespace teamtool::ui {

class FormView;
class PassingNote;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(FRMTEAMTOOL& form, QWidget* parent = nullptr);
    ~MainWindow() override;

    FormView& formView() const { return *m_view; }
    // The passing note over the window's bottom edge ("The orders for ... are on the clipboard").
    QLabel* noteLabel() const;
    void showNote(const QString& text);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void updateMenus();
    void updateRecentFiles();

    FRMTEAMTOOL& m_form;
    FormView* m_view;
    PassingNote* m_note;
    std::vector<std::pair<const MenuCommand*, QAction*>> m_actions;
    QMenu* m_recentMenu = nullptr;
    std::vector<std::string> m_recentShown;
};

}  // namespace teamtool::ui
