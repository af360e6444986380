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
#include <QLabel>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "teamtool") == 0) {
        int qtArgc = 1;
        return teamtool::ui::runApplication(qtArgc, argv, teamtool::ui::QuitWhen::FirstPainted);
    }
    if (argc == 3 && std::strcmp(argv[1], "teamtool") == 0) {
        char* teamFile[] = {argv[0], argv[2], nullptr};
        int qtArgc = 2;
        return teamtool::ui::runApplication(qtArgc, teamFile, teamtool::ui::QuitWhen::LoadedAndPainted);
    }
    if (argc == 2 && (std::strcmp(argv[1], "bare") == 0 || std::strcmp(argv[1], "text") == 0)) {
        int qtArgc = 1;
        QApplication app(qtArgc, argv);
        QWidget window;
        window.setFixedSize(750, 627);
        if (std::strcmp(argv[1], "text") == 0)
            new QLabel("Select Team File", &window);
        teamtool::ui::quitAfterFirstPaint(window);
        window.show();
        const int status = QApplication::exec();
        std::fflush(nullptr);
        std::_Exit(status);  // as TeamTool's own timed start: the window is not taken down
    }
    return 2;
}
