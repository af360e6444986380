// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's top-level window: the designed form's view (FormView) with the menu bar
// above it, which grows the window by the menu's height and leaves the designed area
// as it is. On a screen too small for that, the designed area scrolls inside a window
// that fits. Files dropped on it are opened as the window model says.

#include "app/frmteamtool.h"

#include <QMainWindow>

#include <string>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QScrollArea;

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

    // The designed area and the menu bar: the window's size wherever it fits.
    QSize designedSize() const;
    // Exactly the designed size when it fits in `available` (a screen's free area),
    // else as large as fits there, the designed area scrolling inside.
    void fitInto(const QRect& available);
    QScrollArea* scrollArea() const { return m_scroll; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void updateMenus();
    void updateRecentFiles();
    void fitToScreen();

    FRMTEAMTOOL& m_form;
    FormView* m_view;
    PassingNote* m_note;
    QScrollArea* m_scroll = nullptr;
    bool m_followsScreen = false;
    QSize m_fittedFrame;  // the frame's size when the window was last fitted
    std::vector<std::pair<const MenuCommand*, QAction*>> m_actions;
    QMenu* m_recentMenu = nullptr;
    std::vector<std::string> m_recentShown;
};

}  // namespace teamtool::ui
