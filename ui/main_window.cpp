// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window.h"

#include "ui/contrast.h"
#include "ui/described_menu_item.h"
#include "ui/form_view.h"
#include "ui/passing_note.h"
#include "ui/system_paths.h"
#include "window/window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMoveEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <algorithm>
#include <map>

namespace teamtool::ui {

using namespace Qt::StringLiterals;

namespace {

QKeySequence shortcutOf(const std::string& shortcut)
{
    static const std::map<std::string, QKeySequence::StandardKey> kStandard = {
        {"Open", QKeySequence::Open},
        {"Quit", QKeySequence::Quit},
        {"Save", QKeySequence::Save},
        {"HelpContents", QKeySequence::HelpContents},
    };
    if (const auto it = kStandard.find(shortcut); it != kStandard.end())
        return QKeySequence(it->second);
    return QKeySequence(QString::fromStdString(shortcut));
}

// The one local file a drag carries, if it carries exactly one.
std::string droppedFile(const QMimeData* mime)
{
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1 || !mime->urls().front().isLocalFile())
        return {};
    return pathOfUrl(mime->urls().front());
}

}  // namespace

MainWindow::MainWindow(FRMTEAMTOOL& form, QWidget* parent)
    : QMainWindow(parent), m_form(form), m_view(new FormView(form, this)), m_note(new PassingNote(this))
{
    setObjectName("TeamTool");
    setWindowTitle(m_view->windowTitle());
    // The designed area keeps its size; the menu adds its height. Where the screen is
    // smaller than that, the area scrolls inside a window that fits.
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName("formScrollArea");
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(false);
    m_scroll->setFocusPolicy(Qt::NoFocus);  // no Tab stop of its own: the focus goes to the controls
    m_scroll->setWidget(m_view);
    showWhereTheViewIs(m_scroll);
    // The control the focus moves to comes into view whole (Qt's scroll area shows a
    // box's text cursor only), as much of it as the view holds, from its top left.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (!now || !m_view->isAncestorOf(now))
            return;
        const QRect at(now->mapTo(m_view, QPoint(0, 0)), now->size().boundedTo(m_scroll->viewport()->size()));
        // With its focus frame, and a pixel over for the centre's rounding.
        m_scroll->ensureVisible(at.center().x(), at.center().y(), at.width() / 2 + 3, at.height() / 2 + 3);
    });
    setCentralWidget(m_scroll);
    setAcceptDrops(true);
    buildMenus();
    setFixedSize(designedSize());
    connect(m_view, &FormView::refreshed, this, &MainWindow::updateMenus);
    updateMenus();
}

MainWindow::~MainWindow() = default;

QSize MainWindow::designedSize() const
{
    return {m_view->width(), m_view->height() + menuBar()->sizeHint().height()};
}

void MainWindow::fitInto(const QRect& available)
{
    const QSize designed = designedSize();
    // The window manager's frame, once the window has one.
    const QSize frame = frameGeometry().size() - size();
    m_fittedFrame = frame;
    const QSize room = available.size() - frame;
    if (designed.width() <= room.width() && designed.height() <= room.height()) {
        if (minimumSize() != designed || maximumSize() != designed)
            setFixedSize(designed);
        return;
    }
    // Room for a scroll bar beside or below the form where it scrolls that way, so
    // that one way of scrolling does not bring the other.
    QSize wanted = designed;
    const int barWidth = m_scroll->verticalScrollBar()->sizeHint().width();
    const int barHeight = m_scroll->horizontalScrollBar()->sizeHint().height();
    if (wanted.height() > room.height())
        wanted.rwidth() += barWidth;
    if (wanted.width() > room.width()) {
        wanted.rheight() += barHeight;
        if (wanted.height() > room.height() && designed.height() <= room.height())
            wanted.rwidth() += barWidth;
    }
    setMinimumSize(designed.boundedTo(QSize(320, 240)));
    setMaximumSize(wanted);
    resize(wanted.boundedTo(room));
    if (isVisible() && !available.contains(frameGeometry())) {
        // On the screen, as far as it goes: the top left corner first.
        const QRect shown = frameGeometry();
        const int x = std::max(available.left(), std::min(shown.left(), available.right() - shown.width() + 1));
        const int y = std::max(available.top(), std::min(shown.top(), available.bottom() - shown.height() + 1));
        move(x, y);
    }
}

void MainWindow::fitToScreen()
{
    if (const QScreen* shownOn = screen())
        fitInto(shownOn->availableGeometry());
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_followsScreen && windowHandle()) {
        m_followsScreen = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this](QScreen* now) {
            fitToScreen();
            if (now)
                connect(now, &QScreen::availableGeometryChanged, this, &MainWindow::fitToScreen, Qt::UniqueConnection);
        });
        if (QScreen* now = screen())
            connect(now, &QScreen::availableGeometryChanged, this, &MainWindow::fitToScreen, Qt::UniqueConnection);
    }
    fitToScreen();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Quit, the close button, Alt+F4 and a logout all come here: unwritten orders are
    // asked about first, and No keeps the window as it was.
    bool mayClose = true;
    m_view->perform([this, &mayClose] { mayClose = mayCloseWindow(m_form); });
    if (mayClose)
        QMainWindow::closeEvent(event);
    else
        event->ignore();
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    // The frame is known once the window manager has put it round the window, which
    // moves the window.
    if (frameGeometry().size() - size() != m_fittedFrame)
        fitToScreen();
}

void MainWindow::buildMenus()
{
    std::map<std::string, QMenu*> menus;
    for (const auto& command : m_form.menuCommands()) {
        QMenu*& menu = menus[command->menu];
        if (!menu) {
            menu = menuBar()->addMenu(QString::fromStdString(command->menu));
            menu->setObjectName(QString::fromStdString("menu" + command->menu).remove(u'&'));
        }
        if (command->separatorBefore)
            menu->addSeparator();
        if (command->recentFiles) {
            // The recent files, rebuilt whenever the model's change.
            m_recentMenu = menu->addMenu(QString::fromStdString(command->caption));
            m_recentMenu->setObjectName(QString::fromStdString(command->name));
            m_recentMenu->setToolTipsVisible(true);
            m_actions.emplace_back(command, m_recentMenu->menuAction());
            continue;
        }
        menu->setToolTipsVisible(true);
        auto* action = menu->addAction(QString::fromStdString(command->caption));
        action->setObjectName(QString::fromStdString(command->name));
        action->setShortcut(shortcutOf(command->shortcut));
        action->setCheckable(command->checkable);
        describeToScreenReaders(action);
        if (command->closesWindow) {
            action->setMenuRole(QAction::QuitRole);
            connect(action, &QAction::triggered, this, &QWidget::close);
        } else {
            MenuCommand* model = command;
            connect(action, &QAction::triggered, this, [this, model] { m_view->perform([model] { model->click(); }); });
        }
        m_actions.emplace_back(command, action);
    }
}

void MainWindow::updateMenus()
{
    for (const auto& [command, action] : m_actions) {
        action->setEnabled(m_form.applies(*command) && (!command->recentFiles || !m_form.season.recentFiles.empty()));
        if (command->checkable)
            action->setChecked(command->checked);
        if (const QString tip = QString::fromStdString(command->description);
            !tip.isEmpty() && action->toolTip() != tip) {
            action->setToolTip(tip);
            action->setStatusTip(tip);
            descriptionChanged(action);
        }
    }
    updateRecentFiles();
}

void MainWindow::updateRecentFiles()
{
    if (!m_recentMenu || m_recentShown == m_form.season.recentFiles)
        return;
    m_recentShown = m_form.season.recentFiles;
    m_recentMenu->clear();
    for (std::size_t k = 0; k < m_recentShown.size(); ++k) {
        const QString path = QDir::toNativeSeparators(QString::fromStdString(m_recentShown[k]));
        // "&1 /home/ann/RDV.txt": the number is its key in the menu.
        QString caption = path;
        caption.replace(u'&', u"&&"_s);
        auto* action = m_recentMenu->addAction(u"&%1 %2"_s.arg(k + 1).arg(caption));
        action->setObjectName(u"actionOpenRecent%1"_s.arg(k + 1));
        action->setToolTip(path);
        describeToScreenReaders(action);
        connect(action, &QAction::triggered, this,
                [this, k] { m_view->perform([this, k] { openRecent(m_form, k); }); });
    }
}

QLabel* MainWindow::noteLabel() const
{
    return m_note;
}

void MainWindow::showNote(const QString& text)
{
    m_note->pass(text);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFile(event->mimeData()).empty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    std::string path = droppedFile(event->mimeData());
    if (path.empty())
        return;
    event->acceptProposedAction();
    m_view->perform([this, path = std::move(path)] { dropFile(m_form, path); });
}

}  // namespace teamtool::ui
