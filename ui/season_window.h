// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// File > Season...: the window of the loaded team's kept weeks. Three pages: the
// players' figure and the team's numbers, each a chart of lines over a table that holds
// the same figures, and who played, a table; the tables' cells copied, a table
// exported, team files added and a week removed. What it shows is made by the week layer from the window model.

#include "app/frmteamtool.h"
#include "week/season_window.h"

#include <QMainWindow>

#include <functional>
#include <vector>

class QAbstractSeries;
class QComboBox;
class QLabel;
class QTabWidget;

namespace teamtool::ui {

class FrozenColumnsTableView;
class PassingNote;
class SeasonTableModel;
class SeasonChart;

class SeasonWindow : public QMainWindow {
    Q_OBJECT
public:
    // perform: runs a change of the window model and shows the main window anew.
    SeasonWindow(FRMTEAMTOOL& form, std::function<void(const std::function<void()>&)> perform,
                 QWidget* parent = nullptr);
    ~SeasonWindow() override;

    // Shows form.seasonView as it now stands.
    void showSeason();
    // After the main window changed: another team file loaded is read and shown, or,
    // when its season holds no team file, the window closes.
    void followLoads();
    // A passing note over this window's bottom edge, read out as the main window's are.
    void showNote(const QString& text);
    // Its first size: as designed where the screen has room, else the screen's available
    // area, the chart giving way to the table.
    void fitToScreen();

private:
    // A page's widgets; its table is its model's.
    struct Page {
        FrozenColumnsTableView* view = nullptr;
        SeasonTableModel* model = nullptr;
        SeasonChart* chart = nullptr;  // none on the Played page
        const SeasonTable& table() const;
    };

    QWidget* buildPage(Page& page, const QString& name, const QString& tableName, const QString& chartName,
                       QWidget* above);
    void showTable(Page& page, SeasonTable table);
    // Shows the players' table of the figure the box has now.
    void showChosenFigure();
    void drawChart(Page& page) const;
    Page& shownPage();
    std::vector<int> shownRows(const Page& page) const;
    void copySelection(Page& page);
    void exportShown();
    void removeWeekAt(int column);
    void addTeamFiles();

    FRMTEAMTOOL& m_form;
    std::function<void(const std::function<void()>&)> m_perform;
    QTabWidget* m_pages = nullptr;
    QComboBox* m_figure = nullptr;
    QLabel* m_unreadable = nullptr;
    PassingNote* m_note = nullptr;
    std::vector<SeasonFigure> m_figures;
    Page m_players;
    Page m_team;
    Page m_played;
    unsigned m_shown = 0;
    unsigned m_loads = 0;      // the form's loads when last shown
    bool m_restoring = false;  // a table is being replaced: its selection is put back
};

}  // namespace teamtool::ui
