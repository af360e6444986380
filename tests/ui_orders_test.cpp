// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// From the example team file to the orders file, all through the real widgets.

#include "ui_test_support.h"

#include <QCheckBox>
#include <QFile>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using namespace teamtool;

class OrdersEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void aWholeWeeksOrdersFromTheExampleTeam()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString teamFile = dir.filePath("team.txt");
        QVERIFY(QFile::copy(TEAMTOOL_EXAMPLES_DIR "/team.txt", teamFile));

        testing::ShownWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        testing::MessageBoxWatcher messages;

        testing::answerFileDialogWith(teamFile);
        QTest::mouseClick(w.widget<QPushButton>("Command4"), Qt::LeftButton);
        QTest::mouseClick(w.widget<QPushButton>("Command3"), Qt::LeftButton);
        auto* tabs = w.widget<QTabWidget>("SSTab1");
        QVERIFY(tabs->isVisible());
        tabs->setCurrentIndex(2);

        auto* names = w.widget<QListView>("List2");
        for (int row = 0; row < 16; ++row)
            testing::doubleClickRow(names, row);
        QCOMPARE(w.widget<QLineEdit>("Text27(15)")->text(), QString("Iwobi"));
        QCOMPARE(w.widget<QLineEdit>("Text30")->text(), QString("146.4"));

        QTest::mouseClick(w.widget<QRadioButton>("Option1(5)"), Qt::LeftButton);
        QTest::mouseClick(w.widget<QRadioButton>("Option2(9)"), Qt::LeftButton);
        QTest::mouseClick(w.widget<QCheckBox>("Check1(2)"), Qt::LeftButton);
        QTest::keyClicks(w.widget<QLineEdit>("Text34(2)"), "9");
        QTest::keyClicks(w.widget<QLineEdit>("Text29"), "CD");
        testing::choose(w.widget<ui::ModelComboBox>("Combo2"), "LB");
        testing::choose(w.widget<ui::ModelComboBox>("Combo3"), "MC");
        auto* boost = w.widget<QLineEdit>("Text33");
        boost->selectAll();
        QTest::keyClicks(boost, "y");

        tabs->setCurrentIndex(3);
        auto* press = w.widget<QPlainTextEdit>("Text35");
        press->selectAll();
        QTest::keyClicks(press, "We respect them.");
        QTest::keyClick(press, Qt::Key_Return);
        QTest::keyClicks(press, "We fear no one.");
        auto* comments = w.widget<QPlainTextEdit>("Text36");
        comments->selectAll();
        QTest::keyClicks(comments, "None");

        tabs->setCurrentIndex(2);
        QVERIFY(messages.texts.isEmpty());
        QTest::mouseClick(w.widget<QPushButton>("Command1"), Qt::LeftButton);
        QTRY_COMPARE(messages.texts, QStringList{"Orders Built"});

        QFile orders(dir.filePath("RDVvsCD.TXT"));
        QVERIFY(orders.open(QIODevice::ReadOnly));
        const QByteArray expected = "RDV\r\nCD\r\nLB\r\nMC\r\nN\r\ny\r\nY1\r\nY5\r\n"
                                    "GK Ashworth\r\n"
                                    "DS Bellamy\r\n"
                                    "CB Smith, John\r\n"
                                    "CB Okafor\r\n"
                                    "FB Hendry\r\n"
                                    "DS Doyle*\r\n"
                                    "DM McAllister\r\n"
                                    "CM Varga\r\n"
                                    "MF Fenwick\r\n"
                                    "WH Quinn#\r\n"
                                    "AM Baptiste\r\n"
                                    "SUBS\r\n"
                                    "W Reyes\r\n"
                                    "W Thornton\r\n"
                                    "S Kowalski\r\n"
                                    "S Delaney\r\n"
                                    "AS Iwobi\r\n"
                                    "Markers\r\n"
                                    "Okafor,9\r\n"
                                    "Transfer Bids\r\n"
                                    "Cut Players\r\n"
                                    "Press\r\n"
                                    "We respect them.\r\n"
                                    "We fear no one.\r\n"
                                    "Comments to Commish\r\n"
                                    "None\r\n";
        QCOMPARE(orders.readAll(), expected);
        // Only the orders file is new beside the team file: no temporary file is left.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), QStringList({"RDVvsCD.TXT", "team.txt"}));
    }

    void aFailedCheckShowsItsMessageAndWritesNothing()
    {
        QTemporaryDir dir;
        const QString teamFile = dir.filePath("team.txt");
        QVERIFY(QFile::copy(TEAMTOOL_EXAMPLES_DIR "/team.txt", teamFile));
        testing::ShownWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        testing::MessageBoxWatcher messages;
        w.form->Text31.text = teamFile.toStdString();
        w.window.refresh();
        QTest::mouseClick(w.widget<QPushButton>("Command3"), Qt::LeftButton);
        w.widget<QTabWidget>("SSTab1")->setCurrentIndex(2);

        QTest::mouseClick(w.widget<QPushButton>("Command1"), Qt::LeftButton);
        QTRY_COMPARE(messages.texts, QStringList{"Not all Players are selected"});
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"team.txt"});
    }
};

QTEST_MAIN(OrdersEndToEnd)
#include "ui_orders_test.moc"
