// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the widget tests share: the window with Qt's own dialogs, a watcher that closes
// modal message boxes, one that answers questions, and small helpers that act as a user
// would.

#include "ui/form_view.h"
#include "ui/model_combo_box.h"
#include "ui/qt_dialogs.h"
#include "window/window.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <fstream>
#include <functional>
#include <memory>
#include <string>

namespace teamtool::testing {

// Closes every message box that opens while it lives and keeps their texts.
class MessageBoxWatcher {
public:
    MessageBoxWatcher()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                box->accept();
            }
        });
        m_timer.start(10);
    }
    QStringList texts;

private:
    QTimer m_timer;
};

// Answers every Yes-or-No question that opens while it lives.
class QuestionAnswerer {
public:
    explicit QuestionAnswerer(bool yes)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this, yes] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box && box->button(QMessageBox::No)) {
                questions << box->text();
                box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
            }
        });
        m_timer.start(10);
    }
    QStringList questions;

private:
    QTimer m_timer;
};

// The program's window with Qt's dialogs, shown.
struct ShownWindow {
    ui::QtDialogs dialogs;
    std::unique_ptr<FRMTEAMTOOL> form = createMainWindow(dialogs);
    ui::FormView window{*form};

    ShownWindow()
    {
        dialogs.setParent(&window, window.windowTitle());
        window.show();
        window.activateWindow();
        QTRY_VERIFY(window.control("SSTab1"));  // built once the window has been painted
    }

    template <class T = QWidget>
    T* widget(const std::string& name) const
    {
        auto* found = qobject_cast<T*>(window.control(name));
        if (!found)
            qFatal("no widget %s of that kind", name.c_str());
        return found;
    }
};

inline void writeFile(const QString& path, const std::string& bytes)
{
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}

// The title of the file-open dialog answered last.
inline QString& lastFileDialogTitle()
{
    static QString title;
    return title;
}

// Answers the next file-open dialog by typing path into its name box and pressing Enter.
inline void answerFileDialogWith(const QString& path)
{
    QTimer::singleShot(0, [path] {
        QTRY_VERIFY(qobject_cast<QFileDialog*>(QApplication::activeModalWidget()));
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        lastFileDialogTitle() = dialog->windowTitle();
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        QVERIFY(name);
        name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
    });
}

// Picks item text from a drop-down box as a user does: open it with a click, move to
// the entry, press Enter.
inline void choose(ui::ModelComboBox* combo, const QString& text)
{
    const int item = combo->findText(text);
    QVERIFY2(item >= 0, qPrintable(text));
    QTest::mouseClick(combo, Qt::LeftButton);
    QTRY_VERIFY(combo->view()->isVisible());
    QAbstractItemView* view = combo->view();
    view->setCurrentIndex(view->model()->index(item, 0));
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!combo->view()->isVisible());
}

inline void doubleClickRow(QAbstractItemView* view, int row)
{
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    const QPoint at = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

}  // namespace teamtool::testing
