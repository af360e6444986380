// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The manager's week through the real menus and widgets, offscreen: last week's orders
// filled back in, the preview, the clipboard and the mail program, the Player Stats
// grid at a glance, and files dropped on the window.

#include "ui/contrast.h"
#include "ui/program_window.h"
#include "ui_test_support.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDesktopServices>
#include <QDropEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextBrowser>

#include <filesystem>

using namespace teamtool;

namespace {

// Last week's orders for the example team, as this program wrote them; one marker's
// name holds a comma.
// The better players last week's squad leaves out this week, as the warnings name them.
const QString kLeftOut =
    QStringLiteral("\n\u2022 Carr (AM, NSL 13.4) is not picked while Baptiste (AM, NSL 8.9) plays main side 10"
                   "\n\u2022 Sandoval (CB, NSL 16.6) is not picked while Okafor (CB, NSL 14) plays main side 3"
                   "\n\u2022 Harding (DM, NSL 14.8) is not picked while McAllister (DM, NSL 14.5) plays main side 6");

const QByteArray kLastWeek = "RDV\r\nCD\r\nLB\r\nMC\r\nN\r\ny\r\nY2\r\nY5\r\n"
                             "GK Ashworth\r\nDS Bellamy\r\nCB Smith, John\r\nCB Okafor\r\nFB Hendry\r\n"
                             "DS Doyle*\r\nDM McAllister\r\nCM Varga\r\nMF Fenwick\r\nWH Quinn#\r\nAM Baptiste\r\n"
                             "SUBS\r\nW Reyes\r\nW Thornton\r\nS Kowalski\r\nS Delaney\r\nAS Iwobi\r\n"
                             "Markers\r\nSmith, John,7\r\nOkafor,9\r\n"
                             "Transfer Bids\r\nCut Players\r\nPress\r\nWe respect them.\r\nWe fear no one.\r\n"
                             "Comments to Commish\r\nNone\r\n";

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class WeeklyOrders : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<ui::ProgramWindow> m_program;
    ui::MainWindow* m_window = nullptr;
    FRMTEAMTOOL* m_form = nullptr;
    QString m_lastWeek;
    QUrl m_mailed;

    template <class T = QWidget>
    T* widget(const char* name) const
    {
        auto* found = m_window->findChild<T*>(name);
        if (!found)
            qFatal("no widget %s", name);
        return found;
    }
    QAction* action(const char* name) const { return widget<QAction>(name); }
    QString text(const char* box) const { return widget<QLineEdit>(box)->text(); }

    void fillFrom(const QString& path)
    {
        testing::answerFileDialogWith(path);
        action("actionFillFromOrders")->trigger();
        QTRY_VERIFY(m_window->isActiveWindow());  // the window is active again once the dialog has gone
    }

public slots:
    void mailTo(const QUrl& url) { m_mailed = url; }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QFile::remove(m_dir.filePath("team.txt"));
        QVERIFY(QFile::copy(TEAMTOOL_EXAMPLES_DIR "/team.txt", m_dir.filePath("team.txt")));
        m_lastWeek = m_dir.filePath("last-week.TXT");
        testing::writeFile(m_lastWeek, kLastWeek.toStdString());
        m_program = std::make_unique<ui::ProgramWindow>();
        m_window = &m_program->window;
        m_form = m_program->form.get();
        m_window->show();
        QTRY_VERIFY(m_window->findChild<QWidget*>("SSTab1"));
    }

    void cleanup() { m_program.reset(); }

    // File > Quit and the close button ask before unwritten orders are lost, and only then.
    void quitAsksOnlyWhenOrdersWouldBeLost_data()
    {
        QTest::addColumn<bool>("writeOrders");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byMenu");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("asked");
        QTest::newRow("nothing changed") << false << QString() << true << false << false;
        QTest::newRow("press typed, No keeps the window") << false << "We fear no one." << true << false << true;
        QTest::newRow("press typed, close button, Yes") << false << "We fear no one." << false << true << true;
        QTest::newRow("orders written") << true << QString() << false << false << false;
        QTest::newRow("typed after the orders") << true << " And we win." << true << false << true;
    }

    void quitAsksOnlyWhenOrdersWouldBeLost()
    {
        QFETCH(bool, writeOrders);
        QFETCH(QString, typed);
        QFETCH(bool, byMenu);
        QFETCH(bool, answer);
        QFETCH(bool, asked);
        m_window->formView().openTeamFile(m_dir.filePath("team.txt").toStdString());
        if (writeOrders) {
            fillFrom(m_lastWeek);
            QTRY_COMPARE(text("Text27(15)"), QString("Iwobi"));
            testing::MessageBoxWatcher messages;
            action("actionCreateOrders")->trigger();
            QTRY_COMPARE(messages.texts, QStringList{"Orders Built"});
        }
        if (!typed.isEmpty()) {
            widget<QTabWidget>("SSTab1")->setFocus();
            QTest::keyClick(widget<QTabWidget>("SSTab1"), Qt::Key_4, Qt::ControlModifier);
            auto* press = widget("Text35");
            press->setFocus();
            QTest::keyClick(press, Qt::Key_End, Qt::ControlModifier);
            QTest::keyClicks(press, typed);
        }
        testing::QuestionAnswerer answerer(answer);
        if (byMenu)
            action("actionQuit")->trigger();
        else
            m_window->close();
        QCOMPARE(answerer.questions.size(), asked ? 1 : 0);
        if (asked)
            QCOMPARE(answerer.questions[0], QString("The squad and orders of Redvale Rovers have changed since Create "
                                                    "Orders last wrote them. Quit and leave them unwritten?"));
        QCOMPARE(m_window->isVisible(), asked && !answer);
    }

    void theMenusApplyOnlyWhereTheyCan()
    {
        for (const char* name : {"actionSelectFile", "actionLoadTeam", "actionQuit", "actionAbout"})
            QVERIFY2(action(name)->isEnabled(), name);
        for (const char* name : {"actionFillFromOrders", "actionSuggestSquad", "actionPreviewOrders",
                                 "actionCopyOrders", "actionEmailOrders", "actionCreateOrders"})
            QVERIFY2(!action(name)->isEnabled(), name);
        // The keys of the new commands are none of Qt's standard keys on this desktop.
        for (const char* name :
             {"actionFillFromOrders", "actionSuggestSquad", "actionPreviewOrders", "actionCopyOrders"})
            for (int key = QKeySequence::HelpContents; key <= QKeySequence::Cancel; ++key)
                QVERIFY2(!QKeySequence::keyBindings(static_cast<QKeySequence::StandardKey>(key))
                              .contains(action(name)->shortcut()),
                         name);
        QCOMPARE(widget("FRMTEAMTOOL")->size(), QSize(750, 627));  // the designed area as designed
        QVERIFY(m_window->height() > 627);

        m_window->formView().openTeamFile(m_dir.filePath("team.txt").toStdString());
        QVERIFY(!action("actionSelectFile")->isEnabled() && !action("actionLoadTeam")->isEnabled());
        QVERIFY(action("actionFillFromOrders")->isEnabled() && action("actionCreateOrders")->isEnabled());
        QVERIFY(action("actionSuggestSquad")->isEnabled());
    }

    void lastWeeksOrdersFillTheWindowAndComeBackByteForByte()
    {
        m_window->formView().openTeamFile(m_dir.filePath("team.txt").toStdString());
        testing::MessageBoxWatcher messages;
        fillFrom(m_lastWeek);
        QTRY_COMPARE(text("Text27(15)"), QString("Iwobi"));
        QVERIFY(messages.texts.isEmpty());
        QCOMPARE(text("Text30"), QString("146.4"));
        QVERIFY(widget<QCheckBox>("Check1(1)")->isChecked());
        QCOMPARE(text("Text34(1)"), QString("7"));  // "Smith, John" marks 7
        QVERIFY(widget<QRadioButton>("Option1(5)")->isChecked());

        action("actionCreateOrders")->trigger();
        QTRY_COMPARE(messages.texts, QStringList{"Orders Built"});
        QCOMPARE(readAll(m_dir.filePath("RDVvsCD.TXT")), kLastWeek);
    }

    // The week of most managers: last week's orders, then the gaps filled by Suggest Squad.
    void playersGoneSinceLastWeekLeaveTheirSlotsEmptyAndSuggestSquadFillsThem()
    {
        m_window->formView().openTeamFile(m_dir.filePath("team.txt").toStdString());
        QByteArray changed = kLastWeek;
        changed.replace("CM Varga", "CM Vargas").replace("S Kowalski", "S Kowalsky").replace("WH Quinn#", "WH Quin#");
        testing::writeFile(m_lastWeek, changed.toStdString());
        {
            testing::MessageBoxWatcher messages;
            fillFrom(m_lastWeek);
            QTRY_COMPARE(messages.texts.size(), 1);
            QCOMPARE(messages.texts[0],
                     QString("Filled from last-week.TXT, except:\n"
                             "main side 7 (CM), Vargas: not in this week's lists\n"
                             "main side 9 (WH), Quin: not in this week's lists; he took the penalties\n"
                             "substitute 3 (S), Kowalsky: not in this week's lists\n"
                             "Orders > Suggest Squad fills these slots with the best players "
                             "available."));
        }
        QCOMPARE(m_window->noteLabel()->text(), QString("Filled from last-week.TXT: 13 of 16 players"));
        QCOMPARE(widget<QTabWidget>("SSTab1")->currentIndex(), 2);  // Select Team, where the squad shows
        QCOMPARE(text("Text27(7)"), QString());
        QCOMPARE(widget<ui::ModelComboBox>("Combo1(7)")->shownText(), QString("CM"));  // what the slot needs
        QCOMPARE(text("Text27(14)"), QString("Delaney"));
        QCOMPARE(text("Text30"), QString("118"));  // 146.4 less Varga's 12.2 and Quinn's 16.2

        QTRY_VERIFY(m_window->isActiveWindow());
        action("actionSuggestSquad")->trigger();
        QCOMPARE(text("Text27(7)"), QString("Varga"));      // the only CM left
        QCOMPARE(text("Text27(9)"), QString("Quinn"));      // the only WH left
        QCOMPARE(text("Text27(13)"), QString("Kowalski"));  // the best S left
        QCOMPARE(text("Text30"), QString("146.4"));
        QCOMPARE(m_window->noteLabel()->text(), QString("Suggested 3 players"));
        QVERIFY(!widget<QRadioButton>("Option2(9)")->isChecked());  // the penalty taker stays the manager's
    }

    void aForeignFileOrANoChangesNothing()
    {
        m_window->formView().openTeamFile(m_dir.filePath("team.txt").toStdString());
        {
            testing::MessageBoxWatcher messages;
            fillFrom(m_dir.filePath("team.txt"));
            QTRY_COMPARE(messages.texts.size(), 1);
            QCOMPARE(testing::lastFileDialogTitle(), QString("Fill From an Orders File"));
            // A team file picked by mistake is named for what it is.
            QCOMPARE(messages.texts[0], QString("team.txt is a team file, not an orders file: open it with File > "
                                                "Open Team File... (or Load Team), and fill from last week's "
                                                "orders file."));
            QCOMPARE(text("Text27(2)"), QString(" "));
            QCOMPARE(text("Text29"), QString());
        }

        fillFrom(m_lastWeek);
        QTRY_COMPARE(text("Text27(15)"), QString("Iwobi"));
        QByteArray other = kLastWeek;
        testing::writeFile(m_lastWeek, other.replace("\r\nCD\r\n", "\r\nEF\r\n").toStdString());
        testing::QuestionAnswerer no(false);
        fillFrom(m_lastWeek);
        QTRY_COMPARE(no.questions, QStringList{"Replace the squad you have picked with the one in last-week.TXT?"});
        QCOMPARE(text("Text29"), QString("CD"));
    }

    // With a substitute left out by an empty slot before him: the warning above the
    // orders, the scroll bar's thumb where the text is, then the note after the write.
    void thePreviewShowsWhatCreateOrdersThenWrites()
    {
        m_window->formView().openTeamFile(m_dir.filePath("team.txt").toStdString());
        fillFrom(m_lastWeek);
        QTRY_COMPARE(text("Text27(15)"), QString("Iwobi"));
        widget<QPushButton>("Command2(14)")->click();
        testing::MessageBoxWatcher messages;
        QString shown;
        QString warnings;
        double thumbContrast = 0;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(QApplication::activeModalWidget() &&
                        QApplication::activeModalWidget()->objectName() == "PreviewDialog");
            QWidget* dialog = QApplication::activeModalWidget();
            auto* text = dialog->findChild<QPlainTextEdit*>("previewText");
            shown = text->toPlainText();
            warnings = dialog->findChild<QLabel*>("previewWarnings")->text();
            // At the text's top the thumb is at the bar's top, and stands out from the groove.
            QScrollBar* bar = text->verticalScrollBar();
            QVERIFY(bar->isVisible() && bar->value() == 0);
            const QImage image = bar->grab().toImage();
            const auto at = [&](int y) {
                return image.pixelColor(image.width() / 2, y * image.height() / bar->height());
            };
            thumbContrast = ui::contrastRatio(at(8), at(bar->height() - 8));
            dialog->findChild<QPushButton*>("previewCreateOrders")->click();
        });
        action("actionPreviewOrders")->trigger();
        QTRY_COMPARE(messages.texts, QStringList{"Orders Built"});
        QCOMPARE(shown.replace('\n', "\r\n").toLatin1(), readAll(m_dir.filePath("RDVvsCD.TXT")));
        const QString warning = "substitute 5 (AS), Iwobi, is not in the orders: substitute 4 is empty" + kLeftOut;
        QCOMPARE(warnings, "Before you send them, check:\n\u2022 " + warning);
        QVERIFY2(thumbContrast >= 3.0, qPrintable(QString::number(thumbContrast)));
        QTRY_COMPARE(m_window->noteLabel()->text(), "RDVvsCD.TXT written in " + QDir::toNativeSeparators(m_dir.path()) +
                                                        "\nBefore you send them, check:\n\u2022 " + warning);
    }

    void copyAndMailHandTheOrdersOn()
    {
        m_window->formView().openTeamFile(m_dir.filePath("team.txt").toStdString());
        fillFrom(m_lastWeek);
        QTRY_COMPARE(text("Text27(15)"), QString("Iwobi"));
        action("actionCopyOrders")->trigger();
#ifdef Q_OS_WIN
        const QString lineEnd = "\r\n";  // the platform's line ends
#else
        const QString lineEnd = "\n";
#endif
        QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromLatin1(kLastWeek).replace("\r\n", lineEnd));
        QVERIFY(!m_window->noteLabel()->text().isEmpty());

        QFile::remove(m_dir.filePath("RDVvsCD.TXT"));
        // The first E-mail Orders asks for the league's address, typed as a user does.
        QTimer::singleShot(0, [] {
            QWidget* dialog = nullptr;
            QTRY_VERIFY((dialog = QApplication::activeModalWidget()));
            const auto answered = qScopeGuard([dialog] { dialog->close(); });  // whatever fails below
            QCOMPARE(dialog->objectName(), QStringLiteral("LeagueAddressDialog"));
            auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("textBox"));
            QVERIFY(box);
            QTRY_VERIFY(box->hasFocus());
            QTest::keyClicks(box, QStringLiteral("orders@league.example"));
            QTest::keyClick(box, Qt::Key_Return);
        });
        testing::MessageBoxWatcher messages;
        const QByteArray mailed = "mailto:orders@league.example?subject=RDVvsCD&body=" + kLastWeek.toPercentEncoding();
#ifdef Q_OS_WIN
        QDesktopServices::setUrlHandler("mailto", this, "mailTo");
        action("actionEmailOrders")->trigger();
        QDesktopServices::unsetUrlHandler("mailto");
        QCOMPARE(m_mailed.toEncoded(), mailed);
#else
        // The desktop's opener, standing in for xdg-open: it reads the exit code the test
        // put in its folder, writes down what it was given, and exits with that code.
        const QString bin = m_dir.filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(bin));
        testing::writeFile(bin + QStringLiteral("/xdg-open"),
                           "#!/bin/sh\ncode=$(cat \"$(dirname \"$0\")/exit\" 2>/dev/null || echo 0)\n"
                           "printf '%s' \"$1\" > \"$(dirname \"$0\")/opened\"\nexit $code\n");
        QFile::setPermissions(bin + QStringLiteral("/xdg-open"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin) + ":" + path);
        action("actionEmailOrders")->trigger();
        QTRY_COMPARE(readAll(bin + QStringLiteral("/opened")), mailed);
        // An opener that finds no mail program is said, with where the orders are.
        testing::writeFile(bin + QStringLiteral("/exit"), "3");
        QTRY_VERIFY(m_window->isActiveWindow());
        action("actionEmailOrders")->trigger();
        QTRY_COMPARE(messages.texts,
                     QStringList{QStringLiteral("No mail program answered. The orders are written to ") +
                                 QDir::toNativeSeparators(m_dir.filePath(QStringLiteral("RDVvsCD.TXT"))) +
                                 QStringLiteral(".")});
        qputenv("PATH", path);
#endif
        QCOMPARE(readAll(m_dir.filePath("RDVvsCD.TXT")), kLastWeek);
        QCOMPARE(m_window->noteLabel()->text(), "RDVvsCD.TXT written in " + QDir::toNativeSeparators(m_dir.path()) +
                                                    "\nBefore you send them, check:" + kLeftOut);
    }

    // Last week's team file beside this week's: marks and notes in the grid, the NSL
    // list and the Game page, the summary copied, and not one text or byte changed.
    void anEarlierTeamFileIsComparedAtAGlanceAndInWords()
    {
        m_window->formView().openTeamFile(m_dir.filePath("team.txt").toStdString());
        fillFrom(m_lastWeek);
        QTRY_COMPARE(text("Text27(15)"), QString("Iwobi"));
        QByteArray earlier = readAll(m_dir.filePath("team.txt"));
        earlier.replace("Okafor,20,CB,14,", "Okafor,20,CB,14.5,").replace(",78,0.85,", ",74,0.85,");
        earlier.truncate(earlier.indexOf("Harding,"));
        const QString week12 = m_dir.filePath("week12.txt");
        testing::writeFile(week12, earlier.toStdString());

        auto* grid = widget<QTableView>("MSFlexGrid1");
        const auto gridTexts = [grid] {
            QStringList texts;
            for (int row = 0; row < grid->model()->rowCount(); ++row)
                for (int col = 0; col < grid->model()->columnCount(); ++col)
                    texts << grid->model()->index(row, col).data().toString();
            return texts;
        };
        const QStringList before = gridTexts();
        QString shownSummary;
        QTimer summaryWatcher;
        QObject::connect(&summaryWatcher, &QTimer::timeout, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog || dialog->objectName() != "CompareSummary")
                return;
            shownSummary = dialog->findChild<QPlainTextEdit*>("compareSummaryText")->toPlainText();
            dialog->findChild<QPushButton*>("compareSummaryCopy")->click();
        });
        summaryWatcher.start(10);
        testing::answerFileDialogWith(week12);
        action("actionCompareWithTeamFile")->trigger();
        const QString summary = "Compared with week12.txt\nNew: Harding\nNSL down: Okafor 14 (was 14.5)";
        QTRY_COMPARE(shownSummary, summary);
#ifdef Q_OS_WIN
        const QString copied = QString(summary).replace("\n", "\r\n");  // the platform's line ends
#else
        const QString& copied = summary;
#endif
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
        QVERIFY(action("actionShowChanges")->isEnabled());

        // Okafor is row 3, Harding the last before the empty row; NSL is column 2.
        const QModelIndex okafor = grid->model()->index(3, 2);
        QCOMPARE(okafor.data(Qt::ToolTipRole).toString(), QString("NSL: now 14, was 14.5"));
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
        QCOMPARE(table->tableInterface()->cellAt(3, 2)->text(QAccessible::Description),
                 QString("NSL: now 14, was 14.5"));
        QCOMPARE(table->tableInterface()->cellAt(3, 2)->text(QAccessible::Name), QString("14"));
        const QModelIndex harding = grid->model()->index(grid->model()->rowCount() - 2, 1);  // the empty row below
        QCOMPARE(harding.data(Qt::ToolTipRole).toString(), QString("New since week12.txt"));
        auto* nsl = widget<QAbstractItemView>("List3");
        QCOMPARE(nsl->model()->index(3, 0).data(Qt::AccessibleDescriptionRole).toString(),
                 QString("NSL: now 14, was 14.5"));
        auto* morale = widget<QLineEdit>("Text4");
        QCOMPARE(morale->toolTip(), QString("was 74"));
        QCOMPARE(morale->accessibleDescription(), QString("was 74"));
        QVERIFY(morale->palette().color(QPalette::Base) != widget<QLineEdit>("Text5")->palette().color(QPalette::Base));

        // The triangle beside Okafor's NSL reads on a dark palette whose link colour does not.
        QPalette dark = QApplication::palette();
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, QColor(225, 225, 225));
        dark.setColor(QPalette::Link, QColor(0, 0, 160));
        const QPalette kept = grid->palette();
        grid->setPalette(dark);
        widget<QTabWidget>("SSTab1")->setCurrentIndex(1);
        const QRect cell = grid->visualRect(okafor);
        const QImage image = grid->viewport()->grab(cell).toImage();
        double strongest = 0;
        for (int x = image.width() * 2 / 3; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                strongest = std::max(strongest, ui::contrastRatio(image.pixelColor(x, y), dark.color(QPalette::Base)));
        grid->setPalette(kept);
        QVERIFY2(strongest >= 3.0, qPrintable(QString::number(strongest)));

        testing::MessageBoxWatcher messages;
        action("actionCreateOrders")->trigger();
        QTRY_COMPARE(messages.texts, QStringList{"Orders Built"});
        QCOMPARE(readAll(m_dir.filePath("RDVvsCD.TXT")), kLastWeek);
        QCOMPARE(gridTexts(), before);
    }

    // A load that takes a while shows its progress; Cancel stops it and leaves the
    // window as it was, with no message.
    void aLongLoadShowsItsProgressAndCancelLeavesTheWindowAsItWas()
    {
        QByteArray big = readAll(m_dir.filePath("team.txt"));
        const QByteArray player =
            big.mid(big.indexOf("Bellamy,"), big.indexOf("\n", big.indexOf("Bellamy,")) + 1 - big.indexOf("Bellamy,"));
        for (int n = 0; n < 20000; ++n)
            big += player;
        const QString path = m_dir.filePath("big.txt");
        testing::writeFile(path, big.toStdString());

        m_program->dialogs.setProgressDelay(0);
        testing::MessageBoxWatcher messages;
        bool cancelled = false;
        QTimer canceller;
        QObject::connect(&canceller, &QTimer::timeout, [&] {
            auto* progress = m_window->findChild<QProgressDialog*>("ProgressDialog");
            if (progress && progress->isVisible() && !cancelled) {
                QCOMPARE(progress->labelText(), QString("Loading big.txt"));
                QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
                cancelled = true;
            }
        });
        canceller.start(0);
        m_window->formView().openTeamFile(path.toStdString());
        canceller.stop();
        QVERIFY(cancelled);
        QVERIFY(widget("Frame32")->isVisible());
        QVERIFY(!m_form->SSTab1.visible);
        QVERIFY(messages.texts.isEmpty());
        QVERIFY(action("actionLoadTeam")->isEnabled());
    }

    // A progress window whose parent window goes first is gone with it: the task's end
    // neither deletes it twice nor makes another.
    void aProgressWindowDiesWithItsParent()
    {
        auto parent = std::make_unique<QWidget>();
        ui::QtDialogs dialogs;
        dialogs.setParent(parent.get(), "TEAM INFOMATION");
        dialogs.setProgressDelay(0);
        auto progress = dialogs.startProgress("Loading big.txt");
        QVERIFY(progress->advance(1, 2));
        QPointer<QProgressDialog> shown = parent->findChild<QProgressDialog*>("ProgressDialog");
        QVERIFY(shown);
        parent.reset();
        QVERIFY(!shown);
        QVERIFY(progress->advance(2, 2));
        progress.reset();
    }

    void theGridGreysWhoCannotPlayAndSortsByAHeading()
    {
        m_window->formView().openTeamFile(m_dir.filePath("team.txt").toStdString());
        auto* grid = widget<QTableView>("MSFlexGrid1");
        QAbstractItemModel* model = grid->model();
        QCOMPARE(model->index(5, 1).data().toString(), QString("Price"));
        QCOMPARE(model->index(5, 1).data(Qt::ToolTipRole).toString(), QString("Not selectable: WI 2"));
        QVERIFY(model->index(5, 7).data(Qt::ForegroundRole).isValid());
        QCOMPARE(model->index(21, 0).data(Qt::ToolTipRole).toString(), QString("Not selectable: WI 1, WS 1"));
        QVERIFY(!model->index(0, 1).data(Qt::ToolTipRole).isValid());

        // NSL is a frozen column: its heading is the frozen view's.
        QHeaderView* header = grid->findChild<QTableView*>("frozenColumns")->horizontalHeader();
        const QPoint nsl(header->sectionViewportPosition(2) + 5, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, nsl);
        QCOMPARE(model->index(0, 2).data().toString(), QString("6.3"));
        QCOMPARE(model->index(0, 1).data().toString(), QString("Pryce"));
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, nsl);
        QCOMPARE(model->index(0, 2).data().toString(), QString("19.8"));
        QCOMPARE(model->index(model->rowCount() - 1, 2).data().toString(), QString());  // empty cells last
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, nsl);
        QCOMPARE(model->index(0, 1).data().toString(), QString("Ashworth"));
        QCOMPARE(m_form->MSFlexGrid1.textMatrix(1, 1), "Ashworth");  // the grid itself never moved
    }

    // Help opens the manual at the team file's format, every page a click away.
    void theManualHoldsEveryPage()
    {
        QStringList pages;
        QString messages;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto* list = dialog->findChild<QListWidget*>("manualPages");
            for (int row = 0; row < list->count(); ++row)
                pages << list->item(row)->text();
            QCOMPARE(list->currentRow(), 0);
            list->setCurrentRow(2);
            messages = dialog->findChild<QTextBrowser*>("manualText")->toPlainText();
            dialog->reject();
        });
        action("actionTeamFileFormat")->trigger();
        QCOMPARE(pages, (QStringList{"Team File Format", "Orders File Format", "Messages", "Suggest Squad",
                                     "Since Last Week", "The Season", "The Keyboard", "Screen Readers"}));
        QVERIFY(messages.contains("Fill From Orders"));
    }

    // A dropped team file loads; on Linux a name that is not UTF-8 opens by its bytes.
    void aDroppedTeamFileLoads_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("a plain name") << QByteArray("team.txt");
#ifndef Q_OS_WIN
        QTest::newRow("a name in Latin-1") << QByteArray("caf\xe9.txt");
#endif
    }

    void aDroppedTeamFileLoads()
    {
        QFETCH(QByteArray, name);
        const std::string path = QFile::encodeName(m_dir.path()).toStdString() + "/" + name.toStdString();
        std::filesystem::copy_file(TEAMTOOL_EXAMPLES_DIR "/team.txt", path,
                                   std::filesystem::copy_options::overwrite_existing);
        QMimeData mime;
        // file:///tmp/a.txt, file:///C:/a.txt
        const QByteArray local = QByteArray::fromStdString(path).toPercentEncoding("/:");
        mime.setUrls({QUrl::fromEncoded((local.startsWith('/') ? "file://" : "file:///") + local)});
        QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window, &drop);
        QVERIFY(!widget<QGroupBox>("Frame32")->isVisible());
        QCOMPARE(text("Text1"), QString("Redvale Rovers"));
#ifdef Q_OS_WIN
        const std::string opened = QDir::toNativeSeparators(QString::fromStdString(path)).toStdString();
#else
        const std::string& opened = path;  // its bytes, UTF-8 or not
#endif
        QCOMPARE(m_form->loadedTeamFile.path, opened);
        QCOMPARE(m_form->season.recentFiles.front(), opened);
    }
};

QTEST_MAIN(WeeklyOrders)
#include "ui_week_test.moc"
