// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up probes for the start-up benchmark: each starts, shows its window, and
// ends right after the window's first paint, without taking it down again.
//   startup_probe teamtool   TeamTool's own window, Form_Load included
//   startup_probe teamtool PATH  TeamTool started on a team file, as Open With starts
//                            it, until the loaded window (kept in the season and
//                            compared) is painted
//   startup_probe bare       an empty Qt window: the floor for any Qt program
//   startup_probe text       the same window with one line of text: the floor for any
//                            window that shows text, which loads the system's fonts

#include "ui/application.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// A timed start ends where the timing does: taking the window down again is no part
// of starting.
[[noreturn]] void endHere(int status)
{
    std::fflush(nullptr);
    std::_Exit(status);
}

// The event loop ends right after the window's first paint: the paint goes on, and
// the loop ends once it is done, before anything the paint itself schedules.
void quitAfterFirstPaint(QWidget& window)
{
    teamtool::ui::afterFirstPaint(window, [] { QCoreApplication::exit(0); });
}

// TeamTool until its window is first painted.
class FirstPaint : public teamtool::ui::StartupProbe {
public:
    void windowMade(QWidget& window) override { quitAfterFirstPaint(window); }
    void finished(int status) override { endHere(status); }
};

// TeamTool started on a team file until what the load and the season changed is
// painted, the note that says with which week it was compared among it; should
// nothing have changed, the window is painted again.
class LoadedAndPainted : public teamtool::ui::StartupProbe {
public:
    void startedWhole(QWidget& window) override
    {
        bool painted = false;
        teamtool::ui::afterFirstPaint(*qApp, [&painted] { painted = true; });
        QCoreApplication::sendPostedEvents(&window, QEvent::UpdateRequest);
        if (!painted) {
            window.update();
            QCoreApplication::sendPostedEvents(&window, QEvent::UpdateRequest);
        }
        endHere(0);
    }
    void finished(int status) override { endHere(status); }
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "teamtool") == 0) {
        int qtArgc = 1;
        FirstPaint probe;
        return teamtool::ui::runApplication(qtArgc, argv, &probe);
    }
    if (argc == 3 && std::strcmp(argv[1], "teamtool") == 0) {
        char* teamFile[] = {argv[0], argv[2], nullptr};
        int qtArgc = 2;
        LoadedAndPainted probe;
        return teamtool::ui::runApplication(qtArgc, teamFile, &probe);
    }
    if (argc == 2 && (std::strcmp(argv[1], "bare") == 0 || std::strcmp(argv[1], "text") == 0)) {
        int qtArgc = 1;
        QApplication app(qtArgc, argv);
        QWidget window;
        window.setFixedSize(750, 627);
        if (std::strcmp(argv[1], "text") == 0)
            new QLabel("Select Team File", &window);
        quitAfterFirstPaint(window);
        window.show();
        endHere(QApplication::exec());  // as TeamTool's own timed start: the window is not taken down
    }
    return 2;
}
