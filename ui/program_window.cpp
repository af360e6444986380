// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/program_window.h"

#include "window/window.h"

namespace teamtool::ui {

ProgramWindow::ProgramWindow() : form(createMainWindow(dialogs)), window(*form)
{
    dialogs.setParent(&window, window.windowTitle());
    dialogs.setNoteSink([this](const QString& note) { window.showNote(note); });
}

}  // namespace teamtool::ui
