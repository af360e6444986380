#include "ui/application.h"

#include "app/window.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QEvent>

namespace teamtool::ui {

namespace {

class QuitOnFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            // The paint goes on; the event loop ends once it is done, before anything
            // the paint itself schedules.
            QCoreApplication::exit(0);
            watched->removeEventFilter(this);
        }
        return false;
    }
};

}  // namespace

void quitAfterFirstPaint(QWidget& widget)
{
    widget.installEventFilter(new QuitOnFirstPaint(&widget));
}

int runApplication(int argc, char** argv, bool quitOnceShown)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("TeamTool");

    QtDialogs dialogs;
    auto form = createMainWindow(dialogs);
    MainWindow window(*form);
    dialogs.setParent(&window, window.windowTitle());
    if (quitOnceShown)
        quitAfterFirstPaint(window);
    window.show();
    return QApplication::exec();
}

}  // namespace teamtool::ui
