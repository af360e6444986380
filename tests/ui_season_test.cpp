// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The season through the real menus, offscreen, on a data folder and settings of the
// test's own: what is kept, and what the program remembers into its next run.

#include "ui/contrast.h"
#include "ui/program_window.h"
#include "ui/system_paths.h"
#include "ui_test_support.h"

#include <QAccessible>
#include <QAction>
#include <QCategoryAxis>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

#include <map>
#include <string>
#include <vector>

using namespace teamtool;

class SeasonMenus : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    std::unique_ptr<ui::ProgramWindow> start()
    {
        auto settings = std::make_unique<ui::SeasonSettings>(
            m_dir.filePath("data"), std::make_unique<QSettings>(m_dir.filePath("settings.ini"), QSettings::IniFormat));
        auto program = std::make_unique<ui::ProgramWindow>(std::move(settings));
        program->window.show();
        program->startSeason();
        return program;
    }

    static QAction* action(const ui::ProgramWindow& program, const char* name)
    {
        auto* found = program.window.findChild<QAction*>(name);
        if (!found)
            qFatal("no action %s", name);
        return found;
    }

    // The season window on the example team: the kept week before it (Ashworth's NSL
    // 18.1) and the loaded one (19.3), opened through File > Season... as a user does.
    // sameDay: another week kept an hour later on 30 Nov (Ashworth's NSL 18.2).
    std::unique_ptr<ui::ProgramWindow> openSeasonWindow(bool sameDay = false)
    {
        QFile::remove(m_dir.filePath("settings.ini"));
        QDir(m_dir.filePath("data")).removeRecursively();
        const QString team = m_dir.filePath("data/RDV Redvale Rovers");
        QDir().mkpath(team);
        QByteArray earlier = exampleWeek();
        earlier.replace("Ashworth,28,GK,19.3", "Ashworth,28,GK,18.1");
        testing::writeFile(team + "/2026-11-30 20-00-00 RDV.txt", earlier.toStdString());
        if (sameDay)
            testing::writeFile(team + "/2026-11-30 21-00-00 RDV.txt",
                               QByteArray(earlier).replace("GK,18.1", "GK,18.2").toStdString());
        const QString teamFile = m_dir.filePath("RDV.txt");
        QFile::remove(teamFile);
        QFile::copy(TEAMTOOL_EXAMPLES_DIR "/team.txt", teamFile);
        auto program = start();
        testing::answerFileDialogWith(teamFile);
        action(*program, "actionOpenTeamFile")->trigger();
        if (QTest::qWaitFor([&] { return program->form->SSTab1.visible; }))
            action(*program, "actionSeason")->trigger();
        return program;
    }

    static QByteArray exampleWeek()
    {
        QFile example(TEAMTOOL_EXAMPLES_DIR "/team.txt");
        return example.open(QIODevice::ReadOnly) ? example.readAll() : QByteArray();
    }

    template <class T = QWidget>
    static T* seasonChild(const ui::ProgramWindow& program, const char* name)
    {
        auto* found = program.season ? program.season->findChild<T*>(name) : nullptr;
        if (!found)
            qFatal("no %s in the season window", name);
        return found;
    }

    // The chart's lines, by name.
    static QStringList chartedNames(const ui::ProgramWindow& program)
    {
        QStringList names;
        for (auto* line : seasonChild<QChartView>(program, "SeasonChart")->chart()->series())
            names << line->name();
        return names;
    }

    // The box, the table, its accessible name and the chart say the same figure.
    static void checkAgree(const ui::ProgramWindow& program, const QString& figure)
    {
        auto* box = seasonChild<QComboBox>(program, "SeasonFigure");
        auto* table = seasonChild<QTableView>(program, "SeasonTable");
        QCOMPARE(box->currentText(), figure);
        QCOMPARE(table->accessibleName(), figure + " week by week");
        QCOMPARE(seasonChild<QChartView>(program, "SeasonChart")->chart()->title(), figure + " week by week");
        QVERIFY(seasonChild(program, "SeasonChart")->accessibleName().startsWith(figure + " of "));
        const int column = figure == "NSL" ? 2 : figure == "SP" ? 3 : -1;  // Ashworth's figures in the grid
        if (column > 0) {
            const auto* grid = program.window.findChild<QTableView*>("MSFlexGrid1")->model();
            QCOMPARE(table->model()->index(0, 2).data().toString(), grid->index(0, column).data().toString());
        }
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void keptAndRememberedIntoTheNextRun()
    {
        const QString teamFile = m_dir.filePath("RDV.txt");
        QVERIFY(QFile::copy(TEAMTOOL_EXAMPLES_DIR "/team.txt", teamFile));
        {
            auto program = start();
            QAction* keep = action(*program, "actionKeepSeason");
            QVERIFY(keep->isCheckable() && keep->isChecked() && keep->isEnabled());
            QVERIFY(!action(*program, "actionFillFromLastWeek")->isEnabled());
            auto* recent = program->window.findChild<QMenu*>("menuOpenRecent");
            QVERIFY(recent && !recent->menuAction()->isEnabled());

            testing::answerFileDialogWith(teamFile);
            action(*program, "actionOpenTeamFile")->trigger();
            QTRY_VERIFY(program->form->SSTab1.visible);
            QCOMPARE(QDir(m_dir.filePath("data/RDV Redvale Rovers")).entryList(QDir::Files).size(), 1);
            QAction* fill = action(*program, "actionFillFromLastWeek");
            QCOMPARE(fill->toolTip(), QString("No orders are kept for this team yet: Create Orders keeps them"));
            // A screen reader hears the same as the tooltip says.
            auto* file = program->window.findChild<QMenu*>("menuFile");
            file->popup({0, 0});
            QTRY_VERIFY(file->isVisible());
            QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(file);
            QString described;
            for (int k = 0; k < menu->childCount(); ++k)
                if (menu->child(k)->object() == fill)
                    described = menu->child(k)->text(QAccessible::Description);
            QCOMPARE(described, fill->toolTip());
            QAccessibleInterface* item = QAccessible::queryAccessibleInterface(fill);
            QCOMPARE(item->role(), QAccessible::MenuItem);
            QCOMPARE(item->text(QAccessible::Name), QString("Fill From Last Week's Orders"));
            QVERIFY(item->state().disabled && !item->rect().isEmpty() && item->parent()->object() == file);
            QVERIFY(item->actionInterface()->actionNames().isEmpty());  // nothing to fill from yet
            file->hide();
            keep->trigger();
            QVERIFY(!keep->isChecked());
        }
        // Started on a team file: the team is in the window when it first shows, and the
        // pages that do not show come right after.
        auto settings = std::make_unique<ui::SeasonSettings>(
            m_dir.filePath("data"), std::make_unique<QSettings>(m_dir.filePath("settings.ini"), QSettings::IniFormat));
        auto program = std::make_unique<ui::ProgramWindow>(std::move(settings));
        ui::FormView& view = program->window.formView();
        QVERIFY(!view.openTeamFileBeforeShown(m_dir.filePath("missing.txt").toStdString()));
        QVERIFY(!program->form->SSTab1.visible);
        QVERIFY(view.openTeamFileBeforeShown(QDir::toNativeSeparators(teamFile).toStdString()));
        QVERIFY(view.control("Text1") && !view.control("List1"));
        program->window.show();
        QTRY_VERIFY(view.control("List1"));
        program->startSeason();
        QVERIFY(!action(*program, "actionKeepSeason")->isChecked());
        auto* recent = program->window.findChild<QMenu*>("menuOpenRecent");
        QVERIFY(recent->menuAction()->isEnabled());
        auto* first = recent->findChild<QAction*>("actionOpenRecent1");
        QVERIFY(first);
        QCOMPARE(first->text(), "&1 " + QDir::toNativeSeparators(teamFile));
        first->trigger();
        QTRY_VERIFY(program->form->SSTab1.visible);
        QCOMPARE(QString::fromStdString(program->form->Text31.text), QDir::toNativeSeparators(teamFile));
        QCOMPARE(QDir(m_dir.filePath("data/RDV Redvale Rovers")).entryList(QDir::Files).size(), 1);
    }

    // A recent file whose name is not UTF-8 (Linux) is remembered by its bytes, and
    // each team's league address by its team.
    void aRecentFileIsRememberedByItsBytes()
    {
        QFile::remove(m_dir.filePath("settings.ini"));
        std::vector<std::string> recent = {QFile::encodeName(m_dir.filePath("RDV.txt")).toStdString()};
        const std::map<std::string, std::string> addresses = {{"RDV Redvale Rovers", "orders@league.example"},
                                                              {"AB _A_B_ United_ 2_", ""}};
#ifndef Q_OS_WIN
        recent.push_back(QFile::encodeName(m_dir.path()).toStdString() + "/caf\xe9.txt");
        // As "teamtool caf\xe9.txt" names it.
        QCOMPARE(ui::pathOfArgument("caf\xe9.txt", QString::fromLocal8Bit("caf\xe9.txt")),
                 QFile::encodeName(QDir::currentPath()).toStdString() + "/caf\xe9.txt");
#endif
        {
            auto program = start();
            program->form->season.recentFiles = recent;
            program->form->season.leagueAddresses = addresses;
            program->settings->store(*program->form);
        }
        auto program = start();
        QCOMPARE(program->form->season.recentFiles, recent);
        QCOMPARE(program->form->season.leagueAddresses, addresses);
    }

    // Settings that cannot be read or written are said once, and the run goes on with
    // the season kept.
    void settingsThatCannotBeReadOrWrittenAreSaid_data()
    {
        QTest::addColumn<QString>("settingsPath");
        QTest::addColumn<bool>("keepSeasonClicked");
        QTest::addColumn<QString>("note");
        QTest::newRow("a folder in the settings' place")
            << "unreadable/settings.ini" << false
            << "The settings file \"%1/unreadable/settings.ini\" is not a file TeamTool can read: it is a folder. Keep "
               "Season is on for this run and no file is listed as recent, as their settings could not be read; "
               "nothing is remembered until they can be.";
        QTest::newRow("a file in the settings' folder's place")
            << "blocker/settings.ini" << true
            << "The settings were not written: cannot write settings.ini in %1/blocker (%2). Keep Season and the "
               "recent files are not remembered after this run.";
    }

    void settingsThatCannotBeReadOrWrittenAreSaid()
    {
        QFETCH(QString, settingsPath);
        QFETCH(bool, keepSeasonClicked);
        QFETCH(QString, note);
        QVERIFY(QDir(m_dir.path()).mkpath("unreadable/settings.ini"));
        testing::writeFile(m_dir.filePath("blocker"), "a file where the settings' folder belongs");
        QFile::remove(m_dir.filePath("settings.ini"));
        auto program = std::make_unique<ui::ProgramWindow>(std::make_unique<ui::SeasonSettings>(
            m_dir.filePath("data"), std::make_unique<QSettings>(m_dir.filePath(settingsPath), QSettings::IniFormat)));
        program->window.show();
        program->startSeason();
        QAction* keep = action(*program, "actionKeepSeason");
        QVERIFY(keep->isChecked());
        if (keepSeasonClicked) {
            keep->trigger();
            keep->trigger();  // said once only
        }
        QFile probe(m_dir.filePath(settingsPath));
        probe.open(QIODevice::Append);
        QCOMPARE(program->window.noteLabel()->text(),
                 QDir::toNativeSeparators(note.arg(m_dir.path(), probe.errorString())));
        QVERIFY(QFileInfo(m_dir.filePath("unreadable/settings.ini")).isDir());
    }

    // The week in four commands, from the keyboard: week 1 filled and written, then in
    // week 2, with a centre back gone and a better midfielder back, Fill From Last Week's
    // Orders and Suggest Squad leave a full squad, and the warning names who is left out.
    void theWeekIsFourCommands()
    {
        QFile exampleFile(TEAMTOOL_EXAMPLES_DIR "/team.txt");
        QVERIFY(exampleFile.open(QIODevice::ReadOnly));
        const std::string example = exampleFile.readAll().toStdString();
        const auto edited = [&](const std::string& from, const std::string& to) {
            std::string text = example;
            text.replace(text.find(from), from.size(), to);
            return text;
        };
        QVERIFY(QDir(m_dir.path()).mkpath("week1") && QDir(m_dir.path()).mkpath("week2"));
        const QString week1 = m_dir.filePath("week1/RDV.txt");
        const QString week2 = m_dir.filePath("week2/RDV.txt");
        const std::string carr = "Carr,27,AM,13.4,1500,2,3,0,6,5,0,1,3,0,0";
        testing::writeFile(week1, edited(carr, "Carr,27,AM,13.4,1500,2,3,0,6,5,0,1,3,0,2"));  // suspended
        const std::string okafor = "Okafor,20,CB,14,3200,2,5,1,6,9,1,2,2,0,0,32,26,5,24,5,9,15,NIR,0,10,0,,,0,,\r\n";
        testing::writeFile(week2, edited(okafor, ""));  // sold
        const QString orders = m_dir.filePath("week1/last.TXT");
        testing::writeFile(orders, "RDV\r\nCD\r\nLB\r\nMC\r\nN\r\ny\r\nN\r\nY5\r\n"
                                   "GK Ashworth\r\nDS Bellamy\r\nCB Smith, John\r\nCB Okafor\r\nFB Hendry\r\n"
                                   "DS Doyle*\r\nDM McAllister\r\nCM Varga\r\nMF Fenwick\r\nWH Quinn#\r\n"
                                   "AM Baptiste\r\nSUBS\r\nW Reyes\r\nW Thornton\r\nS Kowalski\r\nS Delaney\r\n"
                                   "AS Iwobi\r\nMarkers\r\nTransfer Bids\r\nCut Players\r\nPress\r\n\r\n"
                                   "Comments to Commish\r\n\r\n");
        auto program = start();
        testing::MessageBoxWatcher messages;
        // Offscreen, a closed message box hands the focus back to no window.
        const auto activate = [&] {
            program->window.activateWindow();
            QTRY_VERIFY(QApplication::activeWindow() == &program->window);
        };
        const auto command = [&](const QKeySequence& keys) {
            activate();
            QTest::keySequence(&program->window, keys);
            QCoreApplication::processEvents();
        };
        const auto press = [&] {
            QTest::mouseClick(program->window.formView().control("Command1"), Qt::LeftButton);
            QTRY_VERIFY(!messages.texts.isEmpty() && messages.texts.back() == "Orders Built");
        };

        program->window.formView().openTeamFile(week1.toStdString());  // Open With
        activate();
        testing::answerFileDialogWith(orders);
        QTest::keySequence(&program->window, QKeySequence("Ctrl+Shift+O"));
        QTRY_COMPARE(program->form->Text27(15).text, "Iwobi");
        press();

        program.reset();  // the next week, the next run
        program = start();
        program->window.formView().openTeamFile(week2.toStdString());  // Open With
        QTRY_COMPARE(QDir::fromNativeSeparators(QString::fromStdString(program->form->Text31.text)), week2);
        command(QKeySequence("Ctrl+Shift+L"));
        QTRY_VERIFY(program->window.noteLabel()->text().contains(
            "Carr (AM, NSL 13.4), back: not picked while Baptiste (AM, NSL 8.9) plays main side 10"));
        command(QKeySequence("Ctrl+Shift+B"));
        for (int slot = 0; slot < 16; ++slot)
            QVERIFY2(!program->form->Text27(slot).text.empty(), qPrintable(QString::number(slot)));
        QCOMPARE(program->form->Text27(3).text, "Sandoval");  // the best CB left
        press();
        QTRY_VERIFY(program->window.noteLabel()->text().contains(
            "Carr (AM, NSL 13.4) is not picked while Baptiste (AM, NSL 8.9) plays main side 10"));
    }

    // File > Season... over two kept weeks: the window, its figure, and the chart's
    // lines the table's numbers, in light and in dark.
    void theSeasonWindowShowsTheKeptWeeks()
    {
        auto program = openSeasonWindow();
        QVERIFY(program->season && program->season->isVisible());
        QCOMPARE(program->season->objectName(), "SeasonWindow");
        QVERIFY(!program->season->isModal());
        auto* figure = seasonChild<QComboBox>(*program, "SeasonFigure");
        QVERIFY(figure->itemText(0) == "NSL" && figure->itemText(1) == "SP");
        const QAbstractItemModel* cells = seasonChild<QTableView>(*program, "SeasonTable")->model();
        QVERIFY(seasonChild(*program, "SeasonTeam") && seasonChild<QTableView>(*program, "SeasonPlayedTable"));
        QCOMPARE(seasonChild<QTabWidget>(*program, "SeasonPages")->tabText(2), "Pl&ayed");
        QCOMPARE(cells->headerData(1, Qt::Horizontal).toString(), "30 Nov");
        QCOMPARE(cells->index(0, 0).data().toString(), "Ashworth");
        QCOMPARE(cells->index(0, 1).data().toString(), "18.1");
        QCOMPARE(cells->index(0, 3).data().toString(), "+1.2");
        QCOMPARE(cells->index(0, 1).data(Qt::AccessibleTextRole).toString(), "Ashworth, 30 Nov: 18.1");
        const QAbstractItemModel* played = seasonChild<QTableView>(*program, "SeasonPlayedTable")->model();
        QCOMPARE(played->headerData(played->columnCount() - 3, Qt::Horizontal).toString(), "Started");
        QVERIFY(seasonChild(*program, "SeasonChart")
                    ->accessibleDescription()
                    .endsWith("; the table below holds the figures"));
        checkAgree(*program, "NSL");
        QCOMPARE(program->form->Text(8).text, "RDV");  // the main window as it was
    }

    // Every way of choosing a figure shows it, and the box, the table and the chart agree
    // after closing and opening again, and after Add Team Files.
    void theFigureIsChosenAnyWayAndAllAgree()
    {
        auto program = openSeasonWindow();
        auto* box = seasonChild<QComboBox>(*program, "SeasonFigure");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Down);
        checkAgree(*program, "SP");
        QTest::keyClick(box, Qt::Key_Home);
        checkAgree(*program, "NSL");
        QTest::keyClick(box, Qt::Key_S);  // a letter typed
        checkAgree(*program, "SP");
        QTest::keyClick(box, Qt::Key_End);
        checkAgree(*program, box->itemText(box->count() - 1));
        QTest::keyClick(box, Qt::Key_Home);
        // Tab goes on to the table the figure is chosen for, then to the page tabs.
        program->season->activateWindow();
        QTRY_VERIFY(box->hasFocus());
        QTest::keyClick(box, Qt::Key_Tab);
        QTRY_VERIFY(seasonChild(*program, "SeasonTable")->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_VERIFY(seasonChild<QTabWidget>(*program, "SeasonPages")->tabBar()->hasFocus());
        box->setFocus();
        // The mouse: the list opened with a click, an entry clicked.
        QTest::mouseClick(box, Qt::LeftButton);
        QAbstractItemView* list = box->view();
        QTRY_VERIFY(list->isVisible());
        QTest::qWait(QApplication::doubleClickInterval() + 50);  // a release sooner is the opening click's
        const QModelIndex sp = list->model()->index(1, 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(sp).center());
        QTRY_VERIFY(!list->isVisible());
        checkAgree(*program, "SP");

        program->season->close();
        action(*program, "actionSeason")->trigger();
        checkAgree(*program, "SP");
        QByteArray older = exampleWeek();
        older.replace("Ashworth,28,GK,19.3", "Ashworth,28,GK,17.0");
        testing::writeFile(m_dir.filePath("older.txt"), older.toStdString());
        {
            testing::MessageBoxWatcher boxes;
            testing::answerFileDialogWith(m_dir.filePath("older.txt"));
            seasonChild<QAction>(*program, "actionAddToSeason")->trigger();
            QTRY_COMPARE(boxes.texts.size(), 1);
        }
        checkAgree(*program, "SP");
    }

    // One selected player is one line; another figure keeps the players; a heading
    // clicked sorts and selects nothing; Shift with a click extends from the current cell.
    void theChartFollowsTheSelection()
    {
        auto program = openSeasonWindow();
        auto* table = seasonChild<QTableView>(*program, "SeasonTable");
        const auto click = [&](int row, Qt::KeyboardModifiers keys = {}) {
            const QModelIndex cell = table->model()->index(row, 1);
            QTest::mouseClick(table->viewport(), Qt::LeftButton, keys, table->visualRect(cell).center());
        };
        QCOMPARE(chartedNames(*program).size(), 5);  // nothing selected: the five highest
        click(0);
        QCOMPARE(chartedNames(*program), QStringList{"Ashworth"});
        click(2, Qt::ControlModifier);
        const QStringList two = chartedNames(*program);
        QCOMPARE(two.size(), 2);
        auto* box = seasonChild<QComboBox>(*program, "SeasonFigure");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(chartedNames(*program), two);
        QHeaderView* headings = table->horizontalHeader();
        QTest::mouseClick(headings->viewport(), Qt::LeftButton, {},
                          QPoint(headings->sectionViewportPosition(2) + 4, headings->height() / 2));
        QCOMPARE(chartedNames(*program), two);
        click(1);
        click(3, Qt::ShiftModifier);
        QCOMPARE(chartedNames(*program).size(), 3);
    }

    // Two weeks kept on one day: their labels do not print over each other.
    void weeksKeptCloseTogetherKeepTheirLabelsApart()
    {
        auto program = openSeasonWindow(true);
        QCOMPARE(program->form->seasonView.weeks.size(), 3U);
        auto* chart = seasonChild<QChartView>(*program, "SeasonChart")->chart();
        auto* dates = qobject_cast<QCategoryAxis*>(chart->axes(Qt::Horizontal).front());
        QVERIFY(dates);
        QCOMPARE(dates->categoriesLabels().size(), 2);
    }

    // Its first size fits the screen's available area at any scale (ctest runs this at
    // 2x too); its dialogs open over it, and its notes show in it.
    void theSeasonWindowFitsTheScreenAndKeepsItsDialogs()
    {
        auto program = openSeasonWindow();
        QVERIFY(program->season);
        const QRect room = program->season->screen()->availableGeometry();
        QVERIFY2(room.contains(program->season->geometry()), qPrintable(QStringLiteral("%1x%2 on %3x%4")
                                                                            .arg(program->season->width())
                                                                            .arg(program->season->height())
                                                                            .arg(room.width())
                                                                            .arg(room.height())));
        program->season->activateWindow();
        QTRY_VERIFY(QApplication::activeWindow() == program->season);
        QWidget* parent = nullptr;
        QTimer::singleShot(0, [&parent] {
            QTRY_VERIFY(QApplication::activeModalWidget());
            parent = QApplication::activeModalWidget()->parentWidget();
            QApplication::activeModalWidget()->close();
        });
        seasonChild<QAction>(*program, "actionExportSeason")->trigger();
        QCOMPARE(parent, program->season.data());
        auto* table = seasonChild<QTableView>(*program, "SeasonTable");
        table->setCurrentIndex(table->model()->index(0, 0));  // the Name column: no week
        program->season->activateWindow();                    // offscreen, a closed dialog hands it back to none
        QTRY_VERIFY(QApplication::activeWindow() == program->season);
        seasonChild<QAction>(*program, "actionRemoveWeek")->trigger();
        const auto* note = program->season->findChild<QLabel*>("PassingNote");
        QVERIFY(note);
        QTRY_VERIFY(note->isVisible());
        QCOMPARE(note->text(), "Choose a cell in a week's column first");
        QVERIFY(program->window.noteLabel()->text() != note->text());
    }

    // The window's own commands, through Qt's dialogs: copy, export, add, remove; and
    // the lines in a dark palette.
    void theSeasonWindowsCommandsWork()
    {
        auto program = openSeasonWindow();
        auto* table = seasonChild<QTableView>(*program, "SeasonTable");
        const QAbstractItemModel* cells = table->model();
        auto* chart = seasonChild<QChartView>(*program, "SeasonChart");

        // One line per selected player, its points the table's figures.
        table->selectionModel()->select(cells->index(0, 0), QItemSelectionModel::ClearAndSelect);
        table->selectionModel()->select(cells->index(1, 0), QItemSelectionModel::Select);
        QVERIFY(chart->accessibleName().startsWith("NSL of Ashworth and "));
        const auto points = static_cast<QLineSeries*>(chart->chart()->series().front())->points();
        QCOMPARE(points.size(), 2);
        QCOMPARE(points[0].y(), 18.1);
        QCOMPARE(points[1].y(), 19.3);

        // In a dark palette the lines are light enough to read on the chart's base.
        QPalette dark = program->season->palette();
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Window, QColor(40, 40, 40));
        dark.setColor(QPalette::Text, Qt::white);
        chart->setPalette(dark);
        auto* box = seasonChild<QComboBox>(*program, "SeasonFigure");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Down);
        for (auto* line : chart->chart()->series())
            QVERIFY(static_cast<QLineSeries*>(line)->color().lightness() > 128);
        for (auto* axis : chart->chart()->axes())  // its grid lines read too
            QVERIFY(ui::contrastRatio(axis->gridLineColor(), dark.color(QPalette::Base)) >= 3.0);
        QTest::keyClick(box, Qt::Key_Up);

        table->selectionModel()->select(cells->index(0, 1), QItemSelectionModel::ClearAndSelect);
        seasonChild<QAction>(*program, "actionCopySeason")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text().remove('\r'), "30 Nov\n18.1\n");
        const QString csv = m_dir.filePath("season.csv");
        testing::answerFileDialogWith(csv);
        seasonChild<QAction>(*program, "actionExportSeason")->trigger();
        QFile exported(csv);
        QVERIFY(exported.open(QIODevice::ReadOnly) && exported.readAll().startsWith("\xEF\xBB\xBFName,30 Nov,"));
        QByteArray older = exampleWeek();
        older.replace("Ashworth,28,GK,19.3", "Ashworth,28,GK,17.0");
        const QString added = m_dir.filePath("older.txt");
        testing::writeFile(added, older.toStdString());
        {
            QFile file(added);  // an earlier week: its column comes first
            QVERIFY(file.open(QIODevice::ReadWrite) &&
                    file.setFileTime(QDateTime(QDate(2026, 11, 23), QTime(20, 0)), QFileDevice::FileModificationTime));
        }
        QHeaderView* headings = table->horizontalHeader();
        QTest::mouseClick(headings->viewport(), Qt::LeftButton, {},
                          QPoint(headings->sectionViewportPosition(1) + 4, headings->height() / 2));
        {
            testing::MessageBoxWatcher boxes;
            testing::answerFileDialogWith(added);
            seasonChild<QAction>(*program, "actionAddToSeason")->trigger();
            QTRY_COMPARE(boxes.texts.size(), 1);
            QVERIFY(boxes.texts.front().startsWith("Added to the season:\n  older.txt"));
        }
        QCOMPARE(program->form->seasonView.weeks.size(), 3U);
        // The sort stays with the week it was on, wherever its column went.
        QCOMPARE(cells->headerData(1, Qt::Horizontal).toString(), "23 Nov");
        QCOMPARE(cells->headerData(headings->sortIndicatorSection(), Qt::Horizontal).toString(), "30 Nov");
        table->setCurrentIndex(cells->index(0, 1));
        {
            testing::QuestionAnswerer yes(true);
            seasonChild<QAction>(*program, "actionRemoveWeek")->trigger();
            QCOMPARE(yes.questions.size(), 1);
        }
        QCOMPARE(program->form->seasonView.weeks.size(), 2U);
        seasonChild<QTabWidget>(*program, "SeasonPages")->setCurrentIndex(1);
        testing::answerFileDialogWith(m_dir.filePath("team.csv"));
        seasonChild<QAction>(*program, "actionExportSeason")->trigger();
        QVERIFY(QFile::exists(m_dir.filePath("team.csv")));

        // Ctrl+C in the Player Stats grid: the selected cells with their headings.
        auto* grid = program->window.findChild<QTableView*>("MSFlexGrid1");
        grid->selectionModel()->select(grid->model()->index(0, 1), QItemSelectionModel::ClearAndSelect);
        grid->selectionModel()->select(grid->model()->index(0, 2), QItemSelectionModel::Select);
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text().remove('\r'), "Name\tNSL\nAshworth\t19.3\n");
    }
};

QTEST_MAIN(SeasonMenus)
#include "ui_season_test.moc"
