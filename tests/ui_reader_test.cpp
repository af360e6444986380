// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader hears, through Qt's accessibility on the real widgets: the
// events a key sends and the roles, values and states it reads.

#include "ui/program_window.h"
#include "ui/season_settings.h"
#include "ui/season_window.h"
#include "ui_test_support.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAccessibleTableInterface>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QRadioButton>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <algorithm>
#include <tuple>
#include <vector>

using namespace teamtool;

namespace {

struct Heard {
    QAccessible::Event type;
    QObject* object;
    int child;
    QString value;  // what a value or text change carries
};

std::vector<Heard>& heard()
{
    static std::vector<Heard> events;
    return events;
}

void listen(QAccessibleEvent* event)
{
    QString value;
    if (event->type() == QAccessible::ValueChanged)
        value = static_cast<QAccessibleValueChangeEvent*>(event)->value().toString();
    heard().push_back({event->type(), event->object(), event->child(), value});
}

// Where the first event of type from object comes among all heard, or -1.
int heardAt(QAccessible::Event type, const QObject* object)
{
    const auto& all = heard();
    const auto it =
        std::ranges::find_if(all, [&](const Heard& each) { return each.type == type && each.object == object; });
    return it == all.end() ? -1 : static_cast<int>(it - all.begin());
}

std::vector<Heard> heardOf(QAccessible::Event type)
{
    std::vector<Heard> found;
    for (const Heard& each : heard())
        if (each.type == type)
            found.push_back(each);
    return found;
}

QAccessibleInterface* face(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

}  // namespace

class ScreenReader : public QObject {
    Q_OBJECT

    std::unique_ptr<ui::ProgramWindow> m_program;

    template <class T = QWidget>
    T* widget(const char* name) const
    {
        auto* found = m_program->window.findChild<T*>(name);
        if (!found)
            qFatal("no widget %s", name);
        return found;
    }

    void press(const char* name, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = widget(name);
        target->setFocus();
        QTRY_VERIFY(target->hasFocus());
        heard().clear();
        QTest::keyClick(target, key, modifiers);
    }

    // A program whose season holds one week before the example team (Ashworth's NSL
    // 18.1), the example's file in dir as RDV.txt, its window active.
    static std::unique_ptr<ui::ProgramWindow> startWithAKeptWeek(const QTemporaryDir& dir)
    {
        const QString kept = dir.filePath("data/RDV Redvale Rovers");
        QDir().mkpath(kept);
        QFile example(TEAMTOOL_EXAMPLES_DIR "/team.txt");
        example.open(QIODevice::ReadOnly);
        const QByteArray week = example.readAll();
        testing::writeFile(kept + "/2026-11-30 20-00-00 RDV.txt",
                           QByteArray(week).replace("GK,19.3", "GK,18.1").toStdString());
        testing::writeFile(dir.filePath("RDV.txt"), week.toStdString());
        auto program = std::make_unique<ui::ProgramWindow>(std::make_unique<ui::SeasonSettings>(
            dir.filePath("data"), std::make_unique<QSettings>(dir.filePath("settings.ini"), QSettings::IniFormat)));
        program->window.show();
        program->window.activateWindow();
        if (!QTest::qWaitForWindowActive(&program->window))
            qFatal("the window is not active");
        program->startSeason();
        return program;
    }

private slots:
    void initTestCase()
    {
        QAccessible::installUpdateHandler(listen);
        // As when a screen reader is there: Qt's widgets send their events only then.
        QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
        if (!platform)
            QSKIP("this platform has no accessibility");
        platform->setActive(true);
    }

    void init()
    {
        m_program = std::make_unique<ui::ProgramWindow>();
        m_program->window.show();
        m_program->window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_program->window));
        m_program->window.formView().openTeamFile(TEAMTOOL_EXAMPLES_DIR "/team.txt");
        QTRY_VERIFY(m_program->window.findChild<QWidget*>("List2"));
        widget<QTabWidget>("SSTab1")->setCurrentIndex(2);
    }

    void cleanup() { m_program.reset(); }

    // Down in the Name list: one focus event, for its own new row; the other four
    // lists follow without a word. Coming into a list says its current row.
    void onlyTheListYouAreInSpeaks()
    {
        press("List2", Qt::Key_Down);
        const auto focus = heardOf(QAccessible::Focus);
        QCOMPARE(focus.size(), std::size_t{1});
        QCOMPARE(focus[0].object, static_cast<QObject*>(widget("List2")));
        QCOMPARE(face(widget("List2"))->child(focus[0].child)->text(QAccessible::Name), QString("Bellamy"));
        QVERIFY(heardOf(QAccessible::SelectionAdd).size() <= 1);

        // Right goes to the NSL list, on the same player, and says his row there with its
        // column; the NSL list is no list a reader announces again, with its count.
        heard().clear();
        QTest::keyClick(widget("List2"), Qt::Key_Right);
        QTRY_VERIFY(widget("List3")->hasFocus());
        const auto rowSaid = [this] {
            return std::ranges::any_of(heardOf(QAccessible::Focus), [this](const Heard& each) {
                return each.object == widget("List3") && each.child >= 0 &&
                       face(widget("List3"))->child(each.child)->text(QAccessible::Name) == "NSL 19.3";  // Bellamy
            });
        };
        QTRY_VERIFY(rowSaid());
        QCOMPARE(face(widget("List3"))->role(), QAccessible::Client);
        QCOMPARE(face(widget("List2"))->role(), QAccessible::List);  // the one Tab stop stays a list
    }

    // Cap and Pen are radio buttons, each column one group whichever way a button is
    // set: the bus's own action chooses one and unchooses the rest.
    void capAndPenAreExclusiveRadioButtons()
    {
        for (const char* name : {"Option1(3)", "Option1(5)", "Option2(4)"}) {
            QAccessibleInterface* button = face(widget(name));
            QCOMPARE(button->role(), QAccessible::RadioButton);
            button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        }
        QVERIFY(face(widget("Option1(5)"))->state().checked);
        QVERIFY(!face(widget("Option1(3)"))->state().checked);
        QVERIFY(m_program->form->Option1(5).value() && !m_program->form->Option1(3).value());
        QVERIFY(m_program->form->Option2(4).value());

        // One Tab stop per column, the arrows choosing within it.
        QCOMPARE(widget("Option1(5)")->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
        QCOMPARE(widget("Option1(3)")->focusPolicy() & Qt::TabFocus, 0);
        press("Option1(5)", Qt::Key_Down);
        QVERIFY(m_program->form->Option1(6).value() && !m_program->form->Option1(5).value());
        QVERIFY(widget("Option1(6)")->hasFocus());
    }

    // At start with a team loaded, the focus is on the page tabs, which say which page
    // shows; Ctrl+Tab changes the page from anywhere, the grid included.
    void theFocusIsOnAShownControlAndCtrlTabWorksEverywhere()
    {
        ui::ProgramWindow program;
        program.window.formView().openTeamFileBeforeShown(TEAMTOOL_EXAMPLES_DIR "/team.txt");
        program.window.show();
        program.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&program.window));
        auto* tabs = program.window.findChild<QTabWidget*>("SSTab1");
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(tabs->tabBar()));
        QAccessibleInterface* pages = face(tabs->tabBar());
        QCOMPARE(pages->role(), QAccessible::PageTabList);
        QCOMPARE(pages->childCount(), 4);
        for (int page = 0; page < 4; ++page)
            QCOMPARE(pages->child(page)->state().selected, page == tabs->currentIndex());

        QTRY_VERIFY(program.window.findChild<QTableView*>("MSFlexGrid1"));
        tabs->setCurrentIndex(1);
        auto* grid = program.window.findChild<QTableView*>("MSFlexGrid1");
        grid->setFocus();
        QTRY_VERIFY(grid->hasFocus());
        heard().clear();
        QTest::keyClick(grid, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), 2);
        QVERIFY(pages->child(2)->state().selected && !pages->child(1)->state().selected);
        QCOMPARE(heardOf(QAccessible::StateChanged).size(), std::size_t{2});  // the tab left, the tab come to
        QVERIFY(QApplication::focusWidget() && QApplication::focusWidget()->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(tabs->currentIndex(), 1);
    }

    // A drop-down's text is what it shows, and a change by the keyboard is told with
    // the new text.
    void aDropDownSaysWhatItShowsAndWhenItChanges()
    {
        QAccessibleInterface* combo = face(widget("Combo2"));
        QCOMPARE(combo->textInterface()->text(0, -1), QString());  // " " reads as empty
        press("Combo2", Qt::Key_Down);
        QCOMPARE(m_program->form->Combo2.text, std::string("BC"));  // the first entry
        QCOMPARE(combo->text(QAccessible::Value), QString("BC"));
        QCOMPARE(combo->textInterface()->text(0, -1), QString("BC"));
        const auto changed = heardOf(QAccessible::ValueChanged);
        QVERIFY(!changed.empty() && changed.back().value == "BC");
        QVERIFY(!heardOf(QAccessible::TextInserted).empty());
    }

    // A sort is heard: the heading says its order, and a passing note says it; every
    // note is a notification that comes to show. A pick is said the same way.
    void sortsPicksAndNotesAreSaid()
    {
        widget<QTabWidget>("SSTab1")->setCurrentIndex(1);
        auto* grid = widget<QTableView>("MSFlexGrid1");
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(0, 2));  // NSL
        heard().clear();
        auto* note = m_program->window.noteLabel();
        QTest::keyClick(grid, Qt::Key_Return, Qt::ControlModifier);
        QTRY_VERIFY(note->isVisible());
        QTest::keyClick(grid, Qt::Key_Return, Qt::ControlModifier);
        QTRY_COMPARE(note->text(), QString("Sorted by NSL, highest first"));
        QTRY_VERIFY(note->isVisible());
        QCOMPARE(grid->model()->headerData(2, Qt::Horizontal, Qt::AccessibleTextRole).toString(),
                 QString("NSL, sorted highest first"));
        QCOMPARE(face(note)->role(), QAccessible::Notification);
        QCOMPARE(face(note)->text(QAccessible::Name), note->text());
        int shown = 0;
        for (const Heard& each : heardOf(QAccessible::ObjectShow))
            shown += each.object == note ? 1 : 0;
        QCOMPARE(shown, 2);  // one for each note

        widget<QTabWidget>("SSTab1")->setCurrentIndex(2);
        press("List2", Qt::Key_Return);
        QCOMPARE(note->text(), QString("Ashworth picked: the goalkeeper"));
        QTRY_VERIFY(note->isVisible());
        press("List2", Qt::Key_Down);
        press("List2", Qt::Key_Return);  // a main-side pick says the total it made
        QCOMPARE(note->text(), QString("Bellamy picked: main side 1 (DS). Tot NSL 19.3"));
    }

    // A team opened from the file dialog is heard: the window is active again once the
    // dialog has gone (offscreen, as X11 at times, hands the activation to no window),
    // the focus on the page tabs is told, and then the note of the comparison with the
    // week kept before it, once the load's own changes are told.
    void aLoadFromTheDialogIsHeardAndThenItsNote()
    {
        QTemporaryDir dir;
        auto started = startWithAKeptWeek(dir);
        ui::ProgramWindow& program = *started;
        program.window.formView().findChild<QWidget*>("Command4")->setFocus();

        heard().clear();
        testing::answerFileDialogWith(dir.filePath("RDV.txt"));
        program.window.findChild<QAction*>("actionOpenTeamFile")->trigger();
        auto* tabs = program.window.findChild<QTabWidget*>("SSTab1")->tabBar();
        QTRY_VERIFY(program.window.isActiveWindow());
        QTRY_VERIFY(heardAt(QAccessible::Focus, tabs) >= 0);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(tabs));
        auto* note = program.window.noteLabel();
        QTRY_VERIFY(heardAt(QAccessible::ObjectShow, note) > heardAt(QAccessible::Focus, tabs));
        QVERIFY(note->text().startsWith("Compared with the team file kept on"));
    }

    // A box is told once as the focus comes into it, whole: no caret or selection of it
    // before the focus is told, and its text as one run, which Orca reads whole.
    void aBoxIsToldOnceAndWhole()
    {
        widget<QTabWidget>("SSTab1")->setCurrentIndex(0);
        press("Text1", Qt::Key_Tab);  // Team Name to Team Abb
        QTRY_VERIFY(widget("Text8")->hasFocus());
        const int focus = heardAt(QAccessible::Focus, widget("Text8"));
        QVERIFY(focus >= 0);
        for (const QAccessible::Event type : {QAccessible::TextCaretMoved, QAccessible::TextSelectionChanged}) {
            const int at = heardAt(type, widget("Text8"));
            QVERIFY2(at < 0 || at > focus, qPrintable(QString::number(type, 16)));
            QVERIFY(heardAt(type, widget("Text1")) < 0);  // nor of the box left
        }
        QAccessibleTextInterface* text = face(widget("Text8"))->textInterface();
        int start = -1;
        int end = -1;
        text->attributes(2, &start, &end);
        QCOMPARE(text->text(start, end), QString("RDV"));

        // A box the user is not in is not told of as a load fills it.
        heard().clear();
        m_program->window.formView().openTeamFile(TEAMTOOL_EXAMPLES_DIR "/team.txt");
        QVERIFY(heardOf(QAccessible::TextCaretMoved).empty());
        QVERIFY(heardOf(QAccessible::TextUpdated).empty() && heardOf(QAccessible::TextInserted).empty());
        // and the team starts on its page tabs, whatever had the focus before
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(widget<QTabWidget>("SSTab1")->tabBar()));
    }

    // The Go keys reach a choice from anywhere, on its page; Ctrl+Shift+Q says the squad.
    void theGoKeysReachEachChoiceAndTheSquadIsSaidInOne()
    {
        widget<QTabWidget>("SSTab1")->setCurrentIndex(0);
        const std::pair<QKeyCombination, const char*> jumps[] = {
            {Qt::CTRL | Qt::SHIFT | Qt::Key_V, "Text29"},
            {Qt::CTRL | Qt::SHIFT | Qt::Key_N, "Option2(1)"},
            {Qt::CTRL | Qt::Key_3, "Combo1(3)"},
            {Qt::CTRL | Qt::SHIFT | Qt::Key_S, "Text35"},
            {Qt::CTRL | Qt::SHIFT | Qt::Key_A, "Option1(1)"},
        };
        for (const auto& [keys, name] : jumps) {
            QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
            QTRY_VERIFY2(widget(name)->hasFocus(), name);
        }
        QCOMPARE(face(widget("Frame35"))->role(), QAccessible::Client);  // the Marker frame: not said
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_VERIFY(m_program->window.noteLabel()->isVisible());
        QVERIFY(m_program->window.noteLabel()->text().startsWith("The squad:\ngoalkeeper: "));
    }

    // A season table reads as the grid does: coming in says the current cell, and Up
    // and Down say the player with the figure of the current column.
    void theSeasonTableSaysTheFigureRowByRow()
    {
        QTemporaryDir dir;
        auto program = startWithAKeptWeek(dir);
        program->window.formView().openTeamFile(dir.filePath("RDV.txt").toStdString());
        program->window.findChild<QAction*>("actionSeason")->trigger();
        QTRY_VERIFY(program->season && program->season->isActiveWindow());
        auto* table = program->season->findChild<QTableView*>("SeasonTable");
        heard().clear();
        table->setFocus(Qt::TabFocusReason);
        const auto lastFocusIsACell = [table] {
            const auto focus = heardOf(QAccessible::Focus);
            return !focus.empty() && focus.back().object == table && focus.back().child >= 0;
        };
        QTRY_VERIFY(lastFocusIsACell());  // after Qt's word of the table itself
        QTest::keyClick(table, Qt::Key_Right);
        QTest::keyClick(table, Qt::Key_Down);
        QAccessibleTableInterface* cells = face(table)->tableInterface();
        const int row = table->currentIndex().row();
        QCOMPARE(cells->cellAt(row, 0)->text(QAccessible::Name),
                 table->model()->index(row, 0).data().toString() +
                     ", 30 Nov: " + table->model()->index(row, 1).data().toString());
    }

    // A marker's target is named with its slot's player, blank until a target is typed.
    void theTargetBoxIsNamedWithItsPlayerAndItsText()
    {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Down, Qt::Key_Return, Qt::Key_Down, Qt::Key_Return})
            press("List2", key);  // Ashworth, Bellamy, then Smith, John into main side 2
        QTest::mouseClick(widget("Check1(1)"), Qt::LeftButton);
        QTRY_VERIFY(widget("Text34(1)")->isVisible());
        QAccessibleInterface* target = face(widget("Text34(1)"));
        QCOMPARE(target->text(QAccessible::Name), QString("Target of Smith, John, main side 2, blank"));
        widget("Text34(1)")->setFocus();
        QTest::keyClick(widget("Text34(1)"), Qt::Key_9);
        QCOMPARE(target->text(QAccessible::Name), QString("Target of Smith, John, main side 2"));
        QCOMPARE(target->textInterface()->text(0, -1), QString("9"));
    }

    // A reader reads a box by its text interface and edits it as the user would: its
    // caret, selection and characters as the box has them; an edit reaches the window's
    // model, and a locked box refuses one.
    void aReaderReadsAndEditsABoxAsTheUserWould()
    {
        auto* opponent = widget<QLineEdit>("Text29");
        QAccessibleInterface* face = ::face(opponent);
        QAccessibleEditableTextInterface* edit = face->editableTextInterface();
        QAccessibleTextInterface* text = face->textInterface();
        QVERIFY(edit && text && face->state().editable && !face->state().readOnly);
        edit->insertText(0, "EF");
        QCOMPARE(m_program->form->opponent(), std::string_view("EF"));
        QCOMPARE(face->text(QAccessible::Value), QString("EF"));
        edit->replaceText(1, 2, "X");
        edit->deleteText(0, 1);
        QCOMPARE(m_program->form->opponent(), std::string_view("X"));
        face->setText(QAccessible::Value, "CDE");  // the box holds two characters
        QCOMPARE(m_program->form->opponent(), std::string_view("CD"));

        text->setSelection(0, 1, 2);
        int start = -1;
        int end = -1;
        text->selection(0, &start, &end);
        QCOMPARE(std::make_tuple(text->selectionCount(), start, end, opponent->selectedText()),
                 std::make_tuple(1, 1, 2, QString("D")));
        text->removeSelection(0);
        text->addSelection(0, 1);
        QCOMPARE(opponent->selectedText(), QString("C"));
        text->setCursorPosition(1);
        text->scrollToSubstring(2, 2);
        QCOMPARE(text->cursorPosition(), 2);
        QCOMPARE(text->textAtOffset(-2, QAccessible::LineBoundary, &start, &end), QString("CD"));
        QCOMPARE(text->textBeforeOffset(1, QAccessible::CharBoundary, &start, &end), QString("C"));
        QCOMPARE(text->textAfterOffset(0, QAccessible::CharBoundary, &start, &end), QString("D"));
        const QRect second = text->characterRect(1);
        QVERIFY(!second.isEmpty() && text->characterRect(2).isEmpty());
        QCOMPARE(text->offsetAtPoint(second.center()), 1);

        QAccessibleInterface* locked = ::face(widget("Text27(1)"));
        QVERIFY(locked->state().readOnly);
        const std::string before = m_program->form->Text27(1).text;
        locked->editableTextInterface()->insertText(0, "Anyone");
        locked->setText(QAccessible::Value, "Anyone");
        QCOMPARE(m_program->form->Text27(1).text, before);
        QCOMPARE(widget<QLineEdit>("Text27(1)")->text().toStdString(), before);
    }

    // Inside an open menu a command's key is its letter alone, then its shortcut.
    void menuCommandsSayTheKeysThatChooseThem()
    {
        auto* create = m_program->window.findChild<QAction*>("actionCreateOrders");
        m_program->window.findChild<QMenu*>("menuOrders")->popup(QPoint(0, 0));
        QAccessibleActionInterface* action = face(create)->actionInterface();
        QCOMPARE(action->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
                 (QStringList{"R", QKeySequence("Ctrl+S").toString(QKeySequence::NativeText)}));
        QCOMPARE(face(create)->text(QAccessible::Description), QString());
        m_program->window.findChild<QMenu*>("menuOrders")->hide();
    }
};

QTEST_MAIN(ScreenReader)
#include "ui_reader_test.moc"
