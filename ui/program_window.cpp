// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/program_window.h"

#include "ui/form_view.h"
#include "ui/reader_events.h"
#include "ui/window_activation.h"
#include "window/window.h"

namespace teamtool::ui {

ProgramWindow::ProgramWindow(std::unique_ptr<SeasonSettings> seasonSettings)
    : form(createMainWindow(dialogs)), window(*form), settings(std::move(seasonSettings))
{
    dialogs.setParent(&window, window.windowTitle());
    reactivateAfterDialogs();
    sendReadersOnlyWhatTheyNeed();
    // A note shows in the window the manager is in: the season's, while it is active.
    dialogs.setNoteSink([this](const QString& note) {
        if (season && season->isActiveWindow())
            season->showNote(note);
        else
            window.showNote(note);
    });
    dialogs.setSeasonSink([this] {
        if (!season) {
            // The main window owns it, as a window of its own over it.
            season = new SeasonWindow(
                *form, [this](const std::function<void()>& action) { window.formView().perform(action); }, &window);
            season->fitToScreen();
        }
        season->showSeason();
        season->show();
        season->raise();
        season->activateWindow();
    });
    // Whatever the user does may change what is remembered.
    QObject::connect(&window.formView(), &FormView::refreshed, &window, [this] {
        if (settings)
            settings->store(*form);
        if (season)
            season->followLoads();
    });
}

void ProgramWindow::startSeason()
{
    if (!settings)
        settings = std::make_unique<SeasonSettings>();
    window.formView().showChange([this] { settings->restore(*form); });
}

}  // namespace teamtool::ui
