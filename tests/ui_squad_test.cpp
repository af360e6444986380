// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Loading a team and picking a squad through the real widgets, offscreen: Qt's own
// file dialog and message boxes, mouse clicks on the lists, boxes and buttons.

#include "ui_test_support.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>

using namespace teamtool;
using testing::ShownWindow;

namespace {

std::string player(const std::string& name, const std::string& pos, const std::string& nsl, int wi = 0)
{
    // Name, Age, Pos, NSL, Wage, DP, Yellow, Red, DP_T, TY, TR, SP, Max SP, WI, WS, then 16 counts.
    return name + ",24," + pos + "," + nsl + ",1200,0,1,0,0,0,0,5,9," + std::to_string(wi) +
           ",0,3,1,2,0,0,0,0,1,0,0,0,0,0,0,0,0\r\n";
}

// A team of eighteen players, the fourth one injured (WI 2) and so not selectable.
std::string teamFile()
{
    std::string file = "\"Rovers United\",RDV,N,N,5,0.85,\"Park Lane\",20000,15000,3,400,2,350,4,500,"
                       "125000,0,7,14000,150000,21000,50000,0.05,0,0,0\r\n";
    const char* positions[] = {"GK", "DS", "CB", "CB", "FB", "DM", "CM", "MF", "AM",
                               "S",  "CF", "W",  "GK", "MF", "AS", "WH", "CB", "S"};
    for (int i = 0; i < 18; ++i)
        file += player("Player " + std::to_string(i), positions[i], std::to_string(10 + i), i == 3 ? 2 : 0);
    return file;
}

}  // namespace

class LoadAndPick : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<ShownWindow> m_w;

    QListView* list(int number) const { return m_w->widget<QListView>("List" + std::to_string(number)); }

    void loadThroughTheDialog(const QString& path)
    {
        testing::answerFileDialogWith(path);
        QTest::mouseClick(m_w->widget<QPushButton>("Command4"), Qt::LeftButton);
        QTRY_COMPARE(m_w->widget<QLineEdit>("Text31")->text(), QDir::toNativeSeparators(path));
        QTest::mouseClick(m_w->widget<QPushButton>("Command3"), Qt::LeftButton);
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_w = std::make_unique<ShownWindow>();
        QVERIFY(QTest::qWaitForWindowActive(&m_w->window));
    }

    void cleanup() { m_w.reset(); }

    void aLoadThroughTheDialogFillsEveryPage()
    {
        const QString path = m_dir.filePath("rovers.txt");
        testing::writeFile(path, teamFile());
        loadThroughTheDialog(path);

        QVERIFY(!m_w->widget<QGroupBox>("Frame32")->isVisible());
        auto* tabs = m_w->widget<QTabWidget>("SSTab1");
        QVERIFY(tabs->isVisible());
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(tabs->pos(), QPoint(0, 0));

        QCOMPARE(m_w->widget<QLineEdit>("Text1")->text(), QString("Rovers United"));
        QCOMPARE(m_w->widget<QLineEdit>("Text8")->text(), QString("RDV"));
        QCOMPARE(m_w->widget<QLineEdit>("Text3")->text(), QString("1275"));  // 0.85 times 1500
        QCOMPARE(m_w->widget<QLineEdit>("Text24")->text(), QString("0"));

        auto* grid = m_w->widget<QTableView>("MSFlexGrid1");
        QCOMPARE(grid->model()->rowCount(), 19);  // 18 players and the empty row below them
        QCOMPARE(grid->model()->data(grid->model()->index(3, 1)).toString(), QString("Player 3"));
        QCOMPARE(grid->model()->data(grid->model()->index(3, 5)).toString(), QString("2"));  // WI
        QCOMPARE(grid->model()->data(grid->model()->index(0, 2)).toString(), QString("10"));

        QCOMPARE(list(2)->model()->rowCount(), 17);
        QCOMPARE(list(2)->model()->data(list(2)->model()->index(3, 0)).toString(), QString("Player 4"));
        QCOMPARE(list(1)->model()->data(list(1)->model()->index(3, 0)).toString(), QString("FB"));
        QCOMPARE(list(5)->model()->data(list(5)->model()->index(3, 0)).toString(), QString("9"));
    }

    void theDialogOffersTextFilesInAnyLetterCase()
    {
        const QString home = m_dir.filePath("home");
        QVERIFY(QDir().mkpath(home));
        testing::writeFile(home + "/UPPER.TXT", teamFile());
        testing::writeFile(home + "/lower.txt", teamFile());
        testing::writeFile(home + "/other.csv", teamFile());
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", home.toLocal8Bit());

        QStringList offered;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
#ifdef Q_OS_WIN
            // Windows starts in c:\ as the league's managers expect; look at the test's folder.
            QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir("c:/").canonicalPath());
            dialog->setDirectory(home);
#else
            QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(home).canonicalPath());
#endif
            auto* view = dialog->findChild<QListView*>("listView");
            QVERIFY(view);
            QTRY_VERIFY(view->model()->rowCount(view->rootIndex()) > 0);
            QTest::qWait(100);
            for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
                offered << view->model()->index(row, 0, view->rootIndex()).data().toString();
            dialog->reject();
        });
        QTest::mouseClick(m_w->widget<QPushButton>("Command4"), Qt::LeftButton);
        qputenv("HOME", oldHome);

        offered.sort();
        QCOMPARE(offered, QStringList({"UPPER.TXT", "lower.txt"}));
        QCOMPARE(m_form().Text31.text, "");  // cancelled: nothing changes
    }

    void aFailedLoadSaysSoAndLetsTheUserTryAgain()
    {
        const QString broken = m_dir.filePath("broken.txt");
        testing::writeFile(broken, "\"Rovers United\",RDV,N\r\n");
        testing::MessageBoxWatcher messages;
        loadThroughTheDialog(broken);
        QTRY_COMPARE(messages.texts.size(), 1);
        QVERIFY2(messages.texts[0].contains("broken.txt"), qPrintable(messages.texts[0]));
        QVERIFY(m_w->widget<QGroupBox>("Frame32")->isVisible());
        QVERIFY(!m_w->widget<QTabWidget>("SSTab1")->isVisible());
        QCOMPARE(list(1)->model()->rowCount(), 0);

        const QString good = m_dir.filePath("rovers.txt");
        testing::writeFile(good, teamFile());
        loadThroughTheDialog(good);
        QVERIFY(m_w->widget<QTabWidget>("SSTab1")->isVisible());
        QCOMPARE(list(1)->model()->rowCount(), 17);
    }

    void aClickOnOneListSelectsTheRowInAllFiveAndTheyScrollTogether()
    {
        const QString path = m_dir.filePath("rovers.txt");
        testing::writeFile(path, teamFile());
        loadThroughTheDialog(path);
        m_w->widget<QTabWidget>("SSTab1")->setCurrentIndex(2);

        const QModelIndex row5 = list(3)->model()->index(5, 0);
        QTest::mouseClick(list(3)->viewport(), Qt::LeftButton, {}, list(3)->visualRect(row5).center());
        for (int n = 1; n <= 5; ++n) {
            QCOMPARE(list(n)->currentIndex().row(), 5);
            QCOMPARE(m_form().list(n).listIndex, 5);
        }
        // Moving down with the keyboard is a click on the new row too.
        QTest::keyClick(list(3), Qt::Key_Down);
        for (int n = 1; n <= 5; ++n)
            QCOMPARE(list(n)->currentIndex().row(), 6);
    }

    void aDoubleClickOnAnyListPicksTheSamePlayer()
    {
        const QString path = m_dir.filePath("rovers.txt");
        testing::writeFile(path, teamFile());
        loadThroughTheDialog(path);
        m_w->widget<QTabWidget>("SSTab1")->setCurrentIndex(2);

        testing::doubleClickRow(list(4), 2);
        QCOMPARE(m_w->widget<QLineEdit>("Text27(0)")->text(), QString("Player 2"));
        QCOMPARE(m_w->widget<QLineEdit>("Text28(0)")->text(), QString("12"));
        QCOMPARE(m_w->widget<ui::ModelComboBox>("Combo1(0)")->shownText(), QString("GK"));

        QTest::mouseClick(m_w->widget<QPushButton>("Command2(0)"), Qt::LeftButton);
        QCOMPARE(m_w->widget<QLineEdit>("Text27(0)")->text(), QString());
        testing::doubleClickRow(list(1), 2);
        QCOMPARE(m_w->widget<QLineEdit>("Text27(0)")->text(), QString("Player 2"));

        // Enter on the selected row picks like a double-click; the next pick goes to slot 1.
        QTest::mouseClick(list(2)->viewport(), Qt::LeftButton, {},
                          list(2)->visualRect(list(2)->model()->index(1, 0)).center());
        QTest::keyClick(list(2), Qt::Key_Return);
        QCOMPARE(m_w->widget<QLineEdit>("Text27(1)")->text(), QString("Player 1"));
        QCOMPARE(m_w->widget<ui::ModelComboBox>("Combo1(1)")->shownText(), QString("DS"));
        QCOMPARE(m_w->widget<QLineEdit>("Text30")->text(), QString("11"));

        // The same player again is refused with a message.
        testing::MessageBoxWatcher messages;
        testing::doubleClickRow(list(5), 1);
        QTRY_COMPARE(messages.texts, QStringList{"Player already Selected"});
        QCOMPARE(m_w->widget<QLineEdit>("Text27(2)")->text(), QString(" "));
    }

    void markersThroughTheirBoxesAndThePositionDropDowns()
    {
        const QString path = m_dir.filePath("rovers.txt");
        testing::writeFile(path, teamFile());
        loadThroughTheDialog(path);
        m_w->widget<QTabWidget>("SSTab1")->setCurrentIndex(2);
        for (int row = 0; row < 6; ++row)
            testing::doubleClickRow(list(2), row);
        // Slots 1 to 5 now hold DS, CB, FB, DM, CM (the injured CB is not in the lists).
        QCOMPARE(m_w->widget<ui::ModelComboBox>("Combo1(3)")->shownText(), QString("FB"));

        auto marker = [&](int k) { return m_w->widget<QCheckBox>("Check1(" + std::to_string(k) + ")"); };
        auto target = [&](int k) { return m_w->widget<QLineEdit>("Text34(" + std::to_string(k) + ")"); };
        QTest::mouseClick(marker(0), Qt::LeftButton);
        QTest::mouseClick(marker(2), Qt::LeftButton);
        QVERIFY(marker(0)->isChecked() && marker(2)->isChecked());
        QVERIFY(target(2)->isVisible());
        QTest::keyClicks(target(2), "9");
        QCOMPARE(m_form().Text34(2).text, "9");

        testing::MessageBoxWatcher messages;
        QTest::mouseClick(marker(3), Qt::LeftButton);
        QTRY_COMPARE(messages.texts, QStringList{"Only 2 Markers allowed"});
        QVERIFY(!marker(3)->isChecked());
        QVERIFY(!target(3)->isVisible());

        // A new position for slot 3 switches its marker off, even a marker position.
        testing::choose(m_w->widget<ui::ModelComboBox>("Combo1(3)"), "CB");
        QCOMPARE(m_w->widget<ui::ModelComboBox>("Combo1(3)")->shownText(), QString("CB"));
        QVERIFY(!marker(2)->isChecked());
        QVERIFY(!target(2)->isVisible());
        QVERIFY(marker(0)->isChecked());

        // A midfielder cannot mark.
        QTest::mouseClick(marker(4), Qt::LeftButton);
        QTRY_COMPARE(messages.texts.size(), 2);
        QCOMPARE(messages.texts[1], QString("That Position cannot be a marker"));
        QVERIFY(!marker(4)->isChecked());
    }

    // A keyboard-only manager: arrows choose positions (with the marker rule), Tab leaves
    // the grid and the press box, Ctrl+Enter sorts the grid.
    void theKeyboardAloneChoosesPositionsAndLeavesEveryControl()
    {
        const QString path = m_dir.filePath("rovers.txt");
        testing::writeFile(path, teamFile());
        loadThroughTheDialog(path);
        m_w->window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_w->window));
        auto* tabs = m_w->widget<QTabWidget>("SSTab1");
        tabs->setCurrentIndex(2);
        for (int row = 0; row < 3; ++row)
            testing::doubleClickRow(list(2), row);
        QTest::mouseClick(m_w->widget<QCheckBox>("Check1(0)"), Qt::LeftButton);  // slot 1, a DS, marks
        auto* position = m_w->widget<ui::ModelComboBox>("Combo1(1)");
        position->setFocus();
        QTest::keyClick(position, Qt::Key_Down);
        QCOMPARE(position->shownText(), QString("CB"));              // the entry after DS
        QVERIFY(!m_w->widget<QCheckBox>("Check1(0)")->isChecked());  // a position chosen anew drops the marker
        QTest::keyClick(position, Qt::Key_Home);
        QCOMPARE(m_form().Combo1(1).text, "DS");
        auto* keeper = m_w->widget<ui::ModelComboBox>("Combo1(0)");
        keeper->setFocus();
        QTest::keyClick(keeper, Qt::Key_End);
        QCOMPARE(keeper->shownText(), QString("GK"));  // locked

        tabs->setCurrentIndex(1);
        auto* grid = m_w->widget<QTableView>("MSFlexGrid1");
        grid->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), grid);
        grid->setCurrentIndex(grid->model()->index(0, 2));
        QTest::keyClick(grid, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(grid->horizontalHeader()->sortIndicatorSection(), 2);
        QTest::keyClick(grid, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), 2);  // on to the next page
        tabs->setCurrentIndex(1);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != grid);

        tabs->setCurrentIndex(3);
        auto* press = m_w->widget<QPlainTextEdit>("Text35");
        press->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), press);
        QTest::keyClick(press, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m_w->widget<QWidget>("Text36"));  // on to Comments
        QCOMPARE(m_form().Text35.text, "Text35");
    }

    void clearEmptiesTheSlotOnScreenAndTypingChangesNoCode()
    {
        const QString path = m_dir.filePath("rovers.txt");
        testing::writeFile(path, teamFile());
        loadThroughTheDialog(path);
        m_w->widget<QTabWidget>("SSTab1")->setCurrentIndex(2);
        for (int row = 0; row < 3; ++row)
            testing::doubleClickRow(list(2), row);
        QCOMPARE(m_w->widget<QLineEdit>("Text30")->text(), QString("23"));

        QTest::mouseClick(m_w->widget<QPushButton>("Command2(2)"), Qt::LeftButton);
        QCOMPARE(m_w->widget<QLineEdit>("Text27(2)")->text(), QString());
        QCOMPARE(m_w->widget<QLineEdit>("Text28(2)")->text(), QString());
        QCOMPARE(m_w->widget<ui::ModelComboBox>("Combo1(2)")->shownText(), QString());
        QCOMPARE(m_w->widget<QLineEdit>("Text30")->text(), QString("11"));

        testing::choose(m_w->widget<ui::ModelComboBox>("Combo2"), "LB");
        auto* tactic = m_w->widget<ui::ModelComboBox>("Combo2");
        tactic->setFocus();
        QTest::keyClicks(tactic, "ZD");
        QTest::keyClick(tactic, Qt::Key_Backspace);
        QCOMPARE(tactic->shownText(), QString("LB"));
        QCOMPARE(m_form().Combo2.text, "LB");
    }

private:
    FRMTEAMTOOL& m_form() const
    {
        return *m_w->form;
    }
};

QTEST_MAIN(LoadAndPick)
#include "ui_squad_test.moc"
