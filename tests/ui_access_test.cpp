// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader and a keyboard user get, and what fits: every control named,
// the combos' values, the tab order, the Game page's values and the passing note shown
// whole at any scale, the custom-painted controls in a dark palette, and the contrast
// of greyed players and chosen dots.

#include "ui/contrast.h"
#include "ui/indicator_buttons.h"
#include "ui/program_window.h"
#include "ui_test_support.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QListView>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTableView>

#include <algorithm>
#include <cstdlib>
#include <set>

using namespace teamtool;

namespace {

QString accessibleValue(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Value) : QString("(no interface)");
}

// True when some pixel is magenta, or magenta blended into a grey (antialiased text).
bool holdsMagenta(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() - c.green() > 80 && c.blue() - c.green() > 80)
                return true;
        }
    return false;
}

// True when the box shows text from its first character to its last.
bool showsWhole(QLineEdit* box, const QString& text)
{
    const QString kept = box->text();
    box->setText(text);
    box->end(false);
    const bool whole = box->cursorPositionAt(QPoint(1, box->height() / 2)) == 0 &&
                       box->inputMethodQuery(Qt::ImCursorRectangle).toRect().right() < box->contentsRect().right();
    box->setText(kept);
    box->home(false);
    return whole;
}

}  // namespace

class Accessibility : public QObject {
    Q_OBJECT

    std::unique_ptr<QStyle> m_fusion{QStyleFactory::create("Fusion")};  // outlives the window that uses it
    std::unique_ptr<testing::ShownWindow> m_w;

private slots:
    void init()
    {
        m_w = std::make_unique<testing::ShownWindow>();
        m_w->window.openTeamFile(TEAMTOOL_EXAMPLES_DIR "/team.txt");
        QVERIFY(m_w->widget<QTabWidget>("SSTab1")->isVisible());
    }

    void cleanup() { m_w.reset(); }

    void everyControlThatShowsOrTakesAValueHasANameOfItsOwnOnItsPage()
    {
        auto* tabs = m_w->widget<QTabWidget>("SSTab1");
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            std::set<QString> names;
            for (QWidget* widget : tabs->widget(page)->findChildren<QWidget*>()) {
                const bool takesValue = qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget) ||
                                        qobject_cast<QAbstractButton*>(widget) ||
                                        (qobject_cast<QAbstractItemView*>(widget) &&
                                         widget->objectName() != "frozenColumns" && !widget->objectName().isEmpty()) ||
                                        qobject_cast<QPlainTextEdit*>(widget);
                if (!takesValue || !widget->isVisible() || widget->objectName().isEmpty())
                    continue;
                const QString name = widget->accessibleName().isEmpty()
                                         ? QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name)
                                         : widget->accessibleName();
                QVERIFY2(!name.isEmpty(), qPrintable(widget->objectName()));
                QVERIFY2(names.insert(name).second, qPrintable(widget->objectName() + ": " + name + " twice"));
            }
        }
        QCOMPARE(m_w->widget("Text27(3)")->accessibleName(), QString("Main side 3 name, blank"));  // " ", read as blank
        m_w->form->Text27(3).text = "Okafor";
        m_w->window.refresh();
        QCOMPARE(m_w->widget("Text27(3)")->accessibleName(), QString("Main side 3 name"));
        QCOMPARE(m_w->widget<QLineEdit>("Text27(3)")->text(), QString("Okafor"));
        QCOMPARE(m_w->widget("Command2(3)")->accessibleName(), QString("Clear main side 3"));
        QCOMPARE(m_w->widget("Text27(12)")->accessibleName(), QString("Substitute 2 name, blank"));
        // Cap, Pen and the marker's boxes name the slot's player and the slot as the window does.
        QCOMPARE(m_w->widget("Text34(2)")->accessibleName(), QString("Target of Okafor, main side 3, blank"));
        QCOMPARE(m_w->widget("Option1(3)")->accessibleName(), QString("Captain: Okafor, main side 3"));
        QCOMPARE(m_w->widget("Option2(3)")->accessibleName(), QString("Penalty taker: Okafor, main side 3"));
        QCOMPARE(m_w->widget("Check1(2)")->accessibleName(), QString("Marker: Okafor, main side 3"));
        QCOMPARE(m_w->widget("Option1(4)")->accessibleName(), QString("Captain, main side 4"));
        QCOMPARE(m_w->widget("List5")->accessibleName(), QString("MAX SP"));
        QCOMPARE(m_w->widget("MSFlexGrid1")->accessibleName(), QString("Player Stats"));
        QCOMPARE(m_w->widget<QLabel>("Label8")->buddy(), m_w->widget("Text30"));
    }

    void aComboSaysTheTextItShows()
    {
        QCOMPARE(accessibleValue(m_w->widget("Combo1(0)")), QString("GK"));
        QCOMPARE(accessibleValue(m_w->widget("Combo2")), QString());  // " " is read as empty
        m_w->form->Combo1(4).text = "XX";                             // a text not in its list
        m_w->window.refresh();
        QCOMPARE(accessibleValue(m_w->widget("Combo1(4)")), QString("XX"));
        QCOMPARE(QAccessible::queryAccessibleInterface(m_w->widget("Combo1(4)"))->text(QAccessible::Name),
                 QString("Main side 4 position"));
    }

    void theSelectTeamPageIsTabbedRowByRow()
    {
        m_w->widget<QTabWidget>("SSTab1")->setCurrentIndex(2);
        QStringList order;
        QWidget* start = m_w->widget("List2");
        QWidget* at = start;
        do {
            if (at->isVisible() && at->focusPolicy() & Qt::TabFocus && !at->objectName().isEmpty())
                order << at->objectName();
            at = at->nextInFocusChain();
        } while (at != start && order.size() < 200);
        // The five lists are one stop, the Name list (Left and Right go across).
        QStringList expected = {"List2", "Command2(0)", "Combo1(0)", "Text27(0)", "Text28(0)"};
        // The Cap and the Pen column are one stop each, where the columns begin: the
        // chosen button, here the first.
        expected << "Option1(1)"
                 << "Option2(1)";
        for (int slot = 1; slot <= 10; ++slot)
            expected << QString("Command2(%1)").arg(slot) << QString("Combo1(%1)").arg(slot)
                     << QString("Text27(%1)").arg(slot) << QString("Text28(%1)").arg(slot)
                     << QString("Check1(%1)").arg(slot - 1);
        expected << "Text30";
        for (int slot = 11; slot <= 15; ++slot)
            expected << QString("Command2(%1)").arg(slot) << QString("Combo1(%1)").arg(slot)
                     << QString("Text27(%1)").arg(slot) << QString("Text28(%1)").arg(slot);
        expected << "Text29"
                 << "Combo2"
                 << "Combo3"
                 << "Text32"
                 << "Text33"
                 << "Command1";
        QCOMPARE(order.mid(0, expected.size()), expected);
    }

    void theGamePageShowsItsValuesWholeAndNoFramesOverlap()
    {
        auto* page = m_w->widget<QTabWidget>("SSTab1")->widget(0);
        const QList<QGroupBox*> frames = page->findChildren<QGroupBox*>();
        for (QGroupBox* frame : frames) {
            auto* box = frame->findChild<QLineEdit*>();
            QVERIFY(box);
            QVERIFY2(showsWhole(box, box->text()),
                     qPrintable(QString("%1 cuts off %2: %3 px wide, the text %4 px")
                                    .arg(box->objectName(), box->text())
                                    .arg(box->width())
                                    .arg(box->fontMetrics().horizontalAdvance(box->text()))));
            // Eight characters wherever the row leaves the frame room to its right.
            bool roomToTheRight = frame->geometry().right() + 8 < page->width();
            for (QGroupBox* other : frames) {
                if (other != frame)
                    QVERIFY2(!frame->geometry().intersects(other->geometry()),
                             qPrintable(frame->objectName() + " overlaps " + other->objectName()));
                if (other->y() == frame->y() && other->x() > frame->x() && other->x() - frame->geometry().right() < 8)
                    roomToTheRight = false;
            }
            if (roomToTheRight)
                QVERIFY2(showsWhole(box, "00000000"),
                         qPrintable(QString("%1 shows fewer than 8 digits: %2 px wide, 8 digits %3 px in %4")
                                        .arg(box->objectName())
                                        .arg(box->width())
                                        .arg(box->fontMetrics().horizontalAdvance("00000000"))
                                        .arg(box->font().family())));
        }
    }

    void aDarkPaletteColoursTheCustomPaintedText()
    {
        const QColor magenta(255, 0, 255);
        QPalette dark = m_fusion->standardPalette();
        dark.setColor(QPalette::Window, QColor(40, 40, 40));
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Button, QColor(50, 50, 50));
        dark.setColor(QPalette::Text, magenta);
        dark.setColor(QPalette::ButtonText, magenta);
        for (const char* name : {"Combo1(0)", "List2"}) {
            QWidget* widget = m_w->widget(name);
            widget->setStyle(m_fusion.get());
            widget->setPalette(dark);
            m_w->widget<QTabWidget>("SSTab1")->setCurrentIndex(2);
            QVERIFY2(holdsMagenta(widget->grab().toImage()), name);
        }
        QWidget* grid = m_w->widget("MSFlexGrid1");
        m_w->widget<QTabWidget>("SSTab1")->setCurrentIndex(1);
        for (QWidget* view : {grid, grid->findChild<QWidget*>("frozenColumns")})
            view->setPalette(dark);
        QVERIFY(holdsMagenta(grid->grab().toImage()));
    }

    // Greyed players read at 4.5:1 and the chosen Cap and Pen dots stand out at 3:1, in
    // the light palette and a dark one, from the colours painted.
    void greyedPlayersAndChosenDotsKeepTheirContrast()
    {
        QPalette dark = m_fusion->standardPalette();
        dark.setColor(QPalette::Window, QColor(40, 40, 40));
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, QColor(225, 225, 225));
        const QPalette kept = QApplication::palette();
        for (const QPalette& palette : {m_fusion->standardPalette(), dark}) {
            QApplication::setPalette(palette);
            auto* grid = m_w->widget<QTableView>("MSFlexGrid1");
            const QModelIndex injured = grid->model()->index(5, 1);  // Price, WI 2
            QVERIFY(!grid->model()->data(injured, Qt::ToolTipRole).toString().isEmpty());
            const QColor grey = grid->model()->data(injured, Qt::ForegroundRole).value<QBrush>().color();
            QVERIFY(ui::contrastRatio(grey, palette.color(QPalette::Base)) >= 4.5);
            QVERIFY(grey != palette.color(QPalette::Text));  // still told apart at a glance

            m_w->widget<QTabWidget>("SSTab1")->setCurrentIndex(2);
            auto* cap = m_w->widget<ui::SolidRadioButton>("Option1(5)");
            cap->setStyle(m_fusion.get());
            cap->setPalette(palette);
            cap->setChecked(true);
            const QImage image = cap->grab().toImage();
            QStyleOptionButton option;
            option.initFrom(cap);
            const QPoint centre = cap->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, cap).center();
            const QColor painted = image.pixelColor(centre * image.devicePixelRatio());
            QVERIFY2(ui::contrastRatio(painted, cap->dotBackground()) >= 3.0, qPrintable(painted.name()));

            // Unticked, the indicators' edges stand out at 3:1 from the window behind them.
            cap->setChecked(false);
            auto* marker = m_w->widget<QCheckBox>("Check1(4)");
            marker->setStyle(m_fusion.get());
            marker->setPalette(palette);
            for (QAbstractButton* button :
                 {static_cast<QAbstractButton*>(cap), static_cast<QAbstractButton*>(marker)}) {
                const bool radio = button == cap;
                option.initFrom(button);
                const QRect indicator = button->style()->subElementRect(
                    radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, button);
                const QImage unticked = button->grab().toImage();
                const qreal ratio = unticked.devicePixelRatio();
                double strongest = 0;
                for (int x = indicator.left(); x <= indicator.right(); ++x)
                    strongest = std::max(
                        strongest, ui::contrastRatio(unticked.pixelColor(QPoint(x, indicator.center().y()) * ratio),
                                                     palette.color(QPalette::Window)));
                QVERIFY2(strongest >= 3.0, qPrintable(button->objectName() + ": " + QString::number(strongest)));
            }
        }
        QApplication::setPalette(kept);
    }

    // The focus shows at once: a press box framed as a one-line box is, the grid's
    // current cell marked as Tab enters it.
    void theFocusIsShownWhereverItIs()
    {
        auto* tabs = m_w->widget<QTabWidget>("SSTab1");
        tabs->setCurrentIndex(3);
        auto* press = m_w->widget<QPlainTextEdit>("Text35");
        press->setStyle(m_fusion.get());
        QPalette dark = m_fusion->standardPalette();
        dark.setColor(QPalette::Window, QColor(40, 40, 40));
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, QColor(225, 225, 225));
        for (const QPalette& palette : {m_fusion->standardPalette(), dark}) {
            press->setPalette(palette);
            const QColor highlight = palette.color(QPalette::Highlight);
            // The left and top edges drawn in the highlight's hue, as a focused line edit's are.
            const auto highlighted = [&highlight](const QImage& image) {
                const auto inHue = [&highlight](const QColor& c) {
                    return c.hsvSaturationF() > 0.3f && std::abs(c.hsvHue() - highlight.hsvHue()) < 20;
                };
                return inHue(image.pixelColor(0, image.height() / 2)) && inHue(image.pixelColor(image.width() / 2, 0));
            };
            m_w->widget("Text36")->setFocus();
            QTRY_VERIFY(!press->hasFocus());
            QVERIFY(!highlighted(press->grab().toImage()));
            press->setFocus();
            QTRY_VERIFY(press->hasFocus());
            QVERIFY(highlighted(press->grab().toImage()));
        }

        tabs->setCurrentIndex(1);
        auto* grid = m_w->widget<QTableView>("MSFlexGrid1");
        grid->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(grid->hasFocus());
        QVERIFY(grid->currentIndex().isValid());
        QVERIFY(grid->selectionModel()->isSelected(grid->currentIndex()));
    }

    // Where the screen is smaller than the window, the designed form scrolls inside a
    // window that fits, each of its controls whole and reachable; where it fits, the
    // window is exactly the designed area and the menu bar.
    void theWindowFitsTheScreen()
    {
        ui::ProgramWindow program;
        program.window.show();
        program.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&program.window));
        ui::MainWindow& window = program.window;
        window.formView().openTeamFile(TEAMTOOL_EXAMPLES_DIR "/team.txt");
        QTRY_VERIFY(window.formView().control("Command1"));
        const QSize designed = window.designedSize();
        const QSize form = window.formView().size();
        for (const QRect& screen : {QRect(0, 0, 1400, 1000), QRect(0, 0, 700, 500), QRect(0, 0, 640, 360)}) {
            window.fitInto(screen);
            window.layout()->activate();
            QTRY_VERIFY(window.size().width() <= screen.width() && window.size().height() <= screen.height());
            const bool fits = designed.width() <= screen.width() && designed.height() <= screen.height();
            QCOMPARE(window.size() == designed, fits);
            QCOMPARE(window.minimumSize() == window.maximumSize(), fits);
            QScrollArea* area = window.scrollArea();
            QCOMPARE(area->widget(), static_cast<QWidget*>(&window.formView()));
            QCOMPARE(area->focusPolicy(), Qt::NoFocus);  // not a Tab stop of its own
            QCOMPARE(window.formView().size(), form);    // never squeezed
            for (const char* name : {"Command1", "Text26", "Combo3", "Text33"}) {
                QWidget* control = window.formView().control(name);
                QVERIFY(control);
                QVERIFY(window.formView().rect().contains(
                    control->geometry().translated(control->parentWidget()->mapTo(&window.formView(), QPoint(0, 0)))));
                auto* tabs = qobject_cast<QTabWidget*>(window.formView().control("SSTab1"));
                if (tabs)
                    for (int page = 0; page < tabs->count(); ++page)
                        if (tabs->widget(page)->isAncestorOf(control))
                            tabs->setCurrentIndex(page);
                // The focus brings it into view whole.
                window.formView().control("Text1")->setFocus();
                control->setFocus();
                QTRY_VERIFY(control->hasFocus());
                const QRect shown(control->mapTo(area->viewport(), QPoint(0, 0)), control->size());
                QVERIFY2(area->viewport()->rect().contains(shown), name);
            }
        }
    }

    // The passing note shows every word of a long note, inside the window, at any scale.
    void thePassingNoteIsReadWhole()
    {
        ui::ProgramWindow program;
        program.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&program.window));
        const QString text = "The orders for RDVvsCD.TXT are on the clipboard, ready to paste into a message";
        program.window.showNote(text);
        auto* note = program.window.findChild<QLabel*>("PassingNote");
        QVERIFY(note);
        QTRY_VERIFY(note->isVisible());
        QCOMPARE(note->text(), text);
        const QRect room =
            note->contentsRect().adjusted(note->margin(), note->margin(), -note->margin(), -note->margin());
        const QRect needed = note->fontMetrics().boundingRect(room, Qt::TextWordWrap | Qt::AlignCenter, text);
        QVERIFY2(room.contains(needed),
                 qPrintable(QString("%1 in %2").arg(QVariant(needed).toString(), QVariant(room).toString())));
        QVERIFY(program.window.rect().contains(note->geometry()));
    }
};

QTEST_MAIN(Accessibility)
#include "ui_access_test.moc"
