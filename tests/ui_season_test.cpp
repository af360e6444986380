// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The season through the real menus, offscreen, on a data folder and settings of the
// test's own: what is kept, and what the program remembers into its next run.

#include "ui/program_window.h"
#include "ui_test_support.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>

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
};

QTEST_MAIN(SeasonMenus)
#include "ui_season_test.moc"
