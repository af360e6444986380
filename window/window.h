// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window as the program runs it: the model of every control, with the handlers
// of the window's event list wired to the controls' events.

#include "app/controls.h"
#include "app/dialogs.h"
#include "app/frmteamtool.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace teamtool {

using EventProcedure = void (*)(FRMTEAMTOOL&, EventArgs&);

// One line of the window's event list: an event of a control (of every element of a
// control array alike), the handler it runs, and what the control is.
struct EventBinding {
    std::string_view control;
    Event event;
    EventProcedure handler;
    std::string_view what;
};

// Every event that reaches the program's logic. No other event is handled.
std::span<const EventBinding> eventTable();

// Sets the handler of every event in the list on the window's controls.
void wireEvents(FRMTEAMTOOL& f);

// A team file named at start: its path goes into the path box and Load Team is
// pressed, as Select File then Load Team would do.
void openTeamFile(FRMTEAMTOOL& f, const std::string& path);

// A team file named at start, loaded before the window is first shown, so that the
// window appears with the team, when it is of a team file's size and reads: true then.
// Otherwise nothing changes and false: the program loads it with openTeamFile once the
// window is painted, so that a message or a long load's progress stands over it.
bool openTeamFileBeforeShown(FRMTEAMTOOL& f, const std::string& path);

// A file dropped on the window: a team file before a team is loaded (as Select File
// then Load Team), an orders file to fill from afterwards (as Fill From Orders...).
void dropFile(FRMTEAMTOOL& f, const std::string& path);

// File > Open Recent's entry `index` (0: the newest): that team file opened, as File >
// Open Team File... opens one.
void openRecent(FRMTEAMTOOL& f, std::size_t index);

// The window about to close (File > Quit, its close button, Alt+F4, a logout): true
// when it may, which it asks first when orders are left unwritten.
bool mayCloseWindow(FRMTEAMTOOL& f);

// Creates the window, wires its events and runs Form_Load, as the program does at start.
std::unique_ptr<FRMTEAMTOOL> createMainWindow(Dialogs& dialogs);

}  // namespace teamtool
