// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The real widgets at start: one per control, of the right kind, showing the model's
// design-time state; what the user can and cannot change before anything is loaded.

#include "scripted_dialogs.h"
#include "ui/form_view.h"
#include "ui/model_combo_box.h"
#include "window/window.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

using namespace teamtool;

class WindowAtStart : public QObject {
    Q_OBJECT

    testing::ScriptedDialogs m_dialogs;
    std::unique_ptr<FRMTEAMTOOL> m_form;
    std::unique_ptr<ui::FormView> m_window;

    template <class T>
    T* widget(const char* name) const
    {
        auto* found = m_window->findChild<T*>(name);
        if (!found)
            qFatal("no %s widget named %s", T::staticMetaObject.className(), name);
        return found;
    }

private slots:
    void init()
    {
        m_form = createMainWindow(m_dialogs);
        m_window = std::make_unique<ui::FormView>(*m_form);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        // The tabbed pages are built once the window has been painted.
        QTRY_VERIFY(m_window->control("SSTab1"));
    }

    void cleanup()
    {
        m_window.reset();
        m_form.reset();
    }

    void everyControlIsAStandardWidgetOfItsKind()
    {
        int checked = 0;
        for (const auto& control : m_form->controls()) {
            const QString name = QString::fromStdString(control->fullName());
            if (control->kind == Kind::Form) {
                QCOMPARE(m_window->objectName(), name);
                QCOMPARE(m_window->windowTitle(), QString("TEAM INFOMATION"));
                continue;
            }
            if (control->kind == Kind::FileDialog)
                continue;
            auto* w = m_window->findChild<QWidget*>(name);
            QVERIFY2(w, qPrintable(name));
            const QString caption = QString::fromStdString(control->caption);
            switch (control->kind) {
            case Kind::Frame:
                QVERIFY2(qobject_cast<QGroupBox*>(w), qPrintable(name));
                QCOMPARE(qobject_cast<QGroupBox*>(w)->title(), caption);
                break;
            case Kind::Label:
                QCOMPARE(qobject_cast<QLabel*>(w)->text(), caption);
                break;
            case Kind::CommandButton:
                QCOMPARE(qobject_cast<QPushButton*>(w)->text(), caption);
                break;
            case Kind::TextBox: {
                const QString text = QString::fromStdString(static_cast<TextBox&>(*control).text);
                if (static_cast<TextBox&>(*control).multiLine)
                    QCOMPARE(qobject_cast<QPlainTextEdit*>(w)->toPlainText(), text);
                else
                    QCOMPARE(qobject_cast<QLineEdit*>(w)->text(), text);
                break;
            }
            case Kind::ComboBox: {
                auto* combo = qobject_cast<ui::ModelComboBox*>(w);
                QVERIFY2(combo, qPrintable(name));
                QCOMPARE(combo->shownText(), QString::fromStdString(static_cast<ComboBox&>(*control).text));
                QCOMPARE(combo->count(), static_cast<int>(static_cast<ComboBox&>(*control).items.size()));
                break;
            }
            case Kind::ListBox:
                QVERIFY2(qobject_cast<QListView*>(w), qPrintable(name));
                break;
            case Kind::CheckBox:
                QVERIFY2(qobject_cast<QCheckBox*>(w), qPrintable(name));
                break;
            case Kind::OptionButton:
                QVERIFY2(qobject_cast<QRadioButton*>(w), qPrintable(name));
                QCOMPARE(w->isVisibleTo(w->parentWidget()), control->visible);
                break;
            case Kind::TabControl:
                QCOMPARE(qobject_cast<QTabWidget*>(w)->count(), 4);
                QCOMPARE(qobject_cast<QTabWidget*>(w)->tabText(3), QString("Press And Comments"));
                break;
            case Kind::Grid: {
                auto* grid = qobject_cast<QTableView*>(w);
                QVERIFY2(grid, qPrintable(name));
                QCOMPARE(grid->model()->columnCount(), 31);
                QCOMPARE(grid->model()->rowCount(), 9);  // ten rows, the heading row being the header
                QCOMPARE(grid->model()->headerData(4, Qt::Horizontal).toString(), QString("Max SP"));
                QCOMPARE(grid->columnWidth(1), 2000 / 15);
                break;
            }
            default:
                break;
            }
            ++checked;
        }
        QCOMPARE(checked, static_cast<int>(m_form->controls().size()) - 2);  // all but the form and the dialog
    }

    void uncaptionedControlsAreNamedByTheirFrame()
    {
        QCOMPARE(widget<QLineEdit>("Text1")->accessibleName(), QString("Team Name"));
        QCOMPARE(widget<QLineEdit>("Text29")->accessibleName(), QString("Opponent, blank"));  // empty at start
        // The buttons and boxes of a slot's row name their slot; marker 2 is slot 3's.
        QCOMPARE(widget<QRadioButton>("Option1(5)")->accessibleName(), QString("Captain, main side 5"));
        QCOMPARE(widget<QCheckBox>("Check1(2)")->accessibleName(), QString("Marker, main side 3"));
    }

    void aLoadBeforeThePagesAreBuiltBuildsThemFirst()
    {
        auto form = createMainWindow(m_dialogs);
        ui::FormView window(*form);  // never shown, so never painted
        QVERIFY(!window.control("SSTab1"));
        form->Text31.text = TEAMTOOL_EXAMPLES_DIR "/team.txt";
        window.refresh();
        qobject_cast<QPushButton*>(window.control("Command3"))->click();
        QVERIFY(window.control("SSTab1"));
        QVERIFY(window.control("SSTab1")->isVisibleTo(&window));
        QCOMPARE(qobject_cast<QLineEdit*>(window.control("Text8"))->text(), QString("RDV"));
    }

    void aTeamFileNamedAtStartLoadsAsSelectFileThenLoadTeamWould()
    {
        const QString missing = QDir::temp().filePath("teamtool-no-such-team.txt");
        m_window->openTeamFile(missing.toStdString());
        QCOMPARE(m_dialogs.messages.size(), std::size_t{1});
        QVERIFY(m_dialogs.messages[0].starts_with("The team file \"" + missing.toStdString() + "\" cannot be opened"));
        QVERIFY(widget<QGroupBox>("Frame32")->isVisible());
        QCOMPARE(widget<QLineEdit>("Text31")->text(), missing);

        m_window->openTeamFile(TEAMTOOL_EXAMPLES_DIR "/team.txt");
        QVERIFY(widget<QTabWidget>("SSTab1")->isVisible());
        QVERIFY(!widget<QGroupBox>("Frame32")->isVisible());
        QCOMPARE(widget<QLineEdit>("Text1")->text(), QString("Redvale Rovers"));
    }

    void onlyTheFileSelectionFrameShowsWithSelectFileFocused()
    {
        QVERIFY(widget<QGroupBox>("Frame32")->isVisible());
        QVERIFY(!widget<QTabWidget>("SSTab1")->isVisible());
        QCOMPARE(QApplication::focusWidget(), widget<QPushButton>("Command4"));
        QCOMPARE(m_window->size(), QSize(750, 627));
    }

    void thePathBoxAndTheLockedBoxesRefuseTyping()
    {
        auto* path = widget<QLineEdit>("Text31");
        QVERIFY(!path->isEnabled());
        QTest::keyClicks(path, "/tmp/x.txt");
        QCOMPARE(path->text(), QString());
        QCOMPARE(m_form->Text31.text, "");

        for (const char* name : {"Text27(0)", "Text27(10)", "Text28(5)"}) {
            auto* box = widget<QLineEdit>(name);
            const QString before = box->text();
            box->setFocus();
            QTest::keyClicks(box, "Smith");
            QCOMPARE(box->text(), before);
        }
        QCOMPARE(m_form->Text27(10).text, " ");

        // The substitutes' boxes take typing, and the model holds what was typed.
        auto* substitute = widget<QLineEdit>("Text27(11)");
        substitute->selectAll();
        QTest::keyClicks(substitute, "Moss");
        QCOMPARE(m_form->Text27(11).text, "Moss");
    }

    void theTwoCharacterBoxesRefuseAThirdCharacter()
    {
        for (const char* name : {"Text29", "Text32", "Text33"}) {
            auto* box = widget<QLineEdit>(name);
            box->selectAll();
            QTest::keyClicks(box, "CDE");
            QCOMPARE(box->text(), QString("CD"));
        }
        QCOMPARE(m_form->Text29.text, "CD");
        QCOMPARE(m_form->Text32.text, "CD");
    }

    void theGoalkeepersPositionCannotBeChanged()
    {
        auto* combo = widget<ui::ModelComboBox>("Combo1(0)");
        combo->setFocus();
        QTest::keyClicks(combo, "DS");
        QTest::keyClick(combo, Qt::Key_Down);
        QTest::keyClick(combo, Qt::Key_F4);
        QVERIFY(!combo->view()->isVisible());
        QTest::mouseClick(combo, Qt::LeftButton);
        QVERIFY(!combo->view()->isVisible());
        QCOMPARE(combo->shownText(), QString("GK"));
        QCOMPARE(m_form->Combo1(0).text, "GK");
    }

    void tacticAndStyleStartAtABlankAndTakeNoTyping()
    {
        for (const char* name : {"Combo2", "Combo3"}) {
            auto* combo = widget<ui::ModelComboBox>(name);
            QCOMPARE(combo->shownText(), QString(" "));
            combo->setFocus();
            QTest::keyClicks(combo, "LB");
            QTest::keyClick(combo, Qt::Key_Backspace);
            QTest::keyClick(combo, Qt::Key_Delete);
            QCOMPARE(combo->shownText(), QString(" "));
        }
        QCOMPARE(m_form->Combo2.text, " ");
        QCOMPARE(m_form->Combo3.text, " ");
    }
};

QTEST_MAIN(WindowAtStart)
#include "ui_window_test.moc"
