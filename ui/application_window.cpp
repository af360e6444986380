#include "ui/application_window.h"

#include "app/window.h"
#include "ui/main_window.h"

#include <QAction>
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

ApplicationWindow::ApplicationWindow(FRMTEAMTOOL& form, QWidget* parent)
    : QMainWindow(parent), m_model(form), m_form(new MainWindow(form, this)), m_note(new QLabel(this))
{
    setObjectName("TeamTool");
    setWindowTitle(m_form->windowTitle());
    setCentralWidget(m_form);
    layout()->setSizeConstraint(QLayout::SetFixedSize);  // the designed area is fixed; the menu adds its height
    setAcceptDrops(true);
    m_note->setObjectName("noteLabel");
    m_note->setContentsMargins(0, 0, 8, 0);
    buildMenus();
    connect(m_form, &MainWindow::refreshed, this, &ApplicationWindow::updateMenus);
    updateMenus();
}

ApplicationWindow::~ApplicationWindow() = default;

void ApplicationWindow::buildMenus()
{
    std::map<std::string, QMenu*> menus;
    for (const auto& command : m_model.menuCommands()) {
        QMenu*& menu = menus[command->menu];
        if (!menu) {
            menu = menuBar()->addMenu(QString::fromStdString(command->menu));
            menu->setObjectName(QString::fromStdString("menu" + command->menu).remove('&'));
        }
        if (command->separatorBefore)
            menu->addSeparator();
        auto* action = menu->addAction(QString::fromStdString(command->caption));
        action->setObjectName(QString::fromStdString(command->name));
        action->setShortcut(shortcutOf(command->shortcut));
        if (command->closesWindow) {
            action->setMenuRole(QAction::QuitRole);
            connect(action, &QAction::triggered, this, &QWidget::close);
        } else {
            const MenuCommand* model = command.get();
            connect(action, &QAction::triggered, this, [this, model] { m_form->perform([model] { model->click(); }); });
        }
        m_actions.emplace_back(command.get(), action);
    }
    menuBar()->setCornerWidget(m_note, Qt::TopRightCorner);
}

void ApplicationWindow::updateMenus()
{
    for (const auto& [command, action] : m_actions)
        action->setEnabled(m_model.applies(*command));
}

void ApplicationWindow::showNote(const QString& text)
{
    m_note->setText(text);
    m_note->adjustSize();
    QTimer::singleShot(6000, m_note, [note = m_note, text] {
        if (note->text() == text)
            note->clear();
    });
}

void ApplicationWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void ApplicationWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    m_form->perform([this, path = path.toStdString()] { dropFile(m_model, path); });
}

}  // namespace teamtool::ui
