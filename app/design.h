// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The design-time description of the window: one row per control. The window model
// takes its initial state from it and the toolkit binding builds the real widgets
// from it, so the layout is written down once.

#include "app/controls.h"

#include <span>
#include <string>
#include <vector>

namespace teamtool {

struct ControlSpec {
    Kind kind;
    std::string name;
    int index = -1;         // element of a control array, or -1
    std::string container;  // enclosing frame or "SSTab1"; empty for the form
    int page = -1;          // page of SSTab1, or -1
    Twips geometry;
    std::string caption;             // caption (frames, labels, buttons) or initial text (boxes, combos)
    std::vector<std::string> items;  // design-time list of a combo box
    bool visible = true;
    bool enabled = true;
    bool locked = false;
    int maxLength = 0;
    bool multiLine = false;
    bool tightMargins = false;  // a text box whose text runs close to its border
    double fontSize = 0;
    bool bold = false;
    bool passedOverByReaders = false;                      // a frame whose controls name themselves in full
    int rows = 0, cols = 0, fixedRows = 0, fixedCols = 0;  // grid shape
    std::vector<std::string> tabs;                         // tab captions of a tab control
    std::string accessibleName;  // what a screen reader calls it; empty: its caption, or its frame's
    std::string buddy;           // a label's: the control it names

    std::string fullName() const;
};

// The window FRMTEAMTOOL as designed: the form first, then every control after its
// container, in focus order within each container.
std::span<const ControlSpec> designTimeControls();

// The menu bar above the designed window, menu by menu, command by command.
struct MenuCommandSpec {
    const char* name;      // the command's objectName: "actionSelectFile"
    const char* menu;      // "&File"
    const char* caption;   // "&Select File..."
    const char* shortcut;  // see MenuCommand::shortcut
    MenuCommand::When when;
    // What else it is, each said by name where it is so ({.separatorBefore = true}).
    struct Options {
        bool separatorBefore = false;
        bool closesWindow = false;
        bool checkable = false;    // a switch, on at start
        bool recentFiles = false;  // the submenu of the recent files
        // What it does, when that changes with the window: the description at start.
        const char* description = "";
    } options = {};
};
std::span<const MenuCommandSpec> menuBarCommands();

inline constexpr int kTwipsPerPixel = 15;

// The pages of SSTab1: Game, Player Stats, Select Team, Press And Comments.
inline constexpr int kSelectTeamPage = 2;

}  // namespace teamtool
