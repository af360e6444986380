#include "ui/application.h"

#include "ui/main_window.h"
#include "ui/qt_dialogs.h"

#include <QApplication>

namespace teamtool::ui {

int runApplication(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("TeamTool");

    QtDialogs dialogs;
    auto form = createMainWindow(dialogs);
    MainWindow window(*form);
    dialogs.setParent(&window, window.windowTitle());
    window.show();
    return QApplication::exec();
}

}  // namespace teamtool::ui
