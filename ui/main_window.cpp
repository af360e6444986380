// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window.h"

#include "ui/described_menu_item.h"
#include "ui/form_view.h"
#include "ui/passing_note.h"
#include "window/window.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <map>

namespace teamtool::ui {

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
QString droppedFile(const QMimeData* mime)
{
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1 || !mime->urls().front().isLocalFile())
        return {};
    return mime->urls().front().toLocalFile();
}

}  // namespace

MainWindow::MainWindow(FRMTEAMTOOL& form, QWidget* parent)
    : QMainWindow(parent), m_form(form), m_view(new FormView(form, this)), m_note(new PassingNote(this))
{
    setObjectName("TeamTool");
    setWindowTitle(m_view->windowTitle());
    setCentralWidget(m_view);
    layout()->setSizeConstraint(QLayout::SetFixedSize);  // the designed area is fixed; the menu adds its height
    setAcceptDrops(true);
    buildMenus();
    connect(m_view, &FormView::refreshed, this, &MainWindow::updateMenus);
    updateMenus();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    std::map<std::string, QMenu*> menus;
    for (const auto& command : m_form.menuCommands()) {
        QMenu*& menu = menus[command->menu];
        if (!menu) {
            menu = menuBar()->addMenu(QString::fromStdString(command->menu));
            menu->setObjectName(QString::fromStdString("menu" + command->menu).remove('&'));
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
        if (!command->description.empty())
            describeToScreenReaders(action);
        if (command->closesWindow) {
            action->setMenuRole(QAction::QuitRole);
            connect(action, &QAction::triggered, this, &QWidget::close);
        } else {
            const MenuCommand* model = command;
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
        caption.replace('&', "&&");
        auto* action = m_recentMenu->addAction(QString("&%1 %2").arg(k + 1).arg(caption));
        action->setObjectName(QString("actionOpenRecent%1").arg(k + 1));
        action->setToolTip(path);
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
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    m_view->perform([this, path = path.toStdString()] { dropFile(m_form, path); });
}

}  // namespace teamtool::ui
