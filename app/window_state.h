// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every control's state as text ("Text27(3)" -> "Okafor", "Check1(0)" -> "1"), for
// telling whether anything in a window changed: the tests and the fuzz targets
// compare a window before and after.

#include "app/frmteamtool.h"

#include <map>
#include <string>

namespace teamtool {

using WindowState = std::map<std::string, std::string>;

inline WindowState windowState(const FRMTEAMTOOL& f)
{
    WindowState state;
    for (const Control* control : f.controls()) {
        std::string& shown = state[control->fullName()];
        if (const auto* box = dynamic_cast<const TextBox*>(control))
            shown = box->text;
        else if (const auto* combo = dynamic_cast<const ComboBox*>(control))
            shown = combo->text;
        else if (const auto* check = dynamic_cast<const CheckBox*>(control))
            shown = std::to_string(check->value());
        else if (const auto* option = dynamic_cast<const OptionButton*>(control))
            shown = std::to_string(option->value());
        else if (const auto* list = dynamic_cast<const ListBox*>(control))
            shown = std::to_string(list->listIndex) + "/" + std::to_string(list->items.size());
        else if (const auto* tabs = dynamic_cast<const TabControl*>(control))
            shown = std::to_string(tabs->tab);
        shown += control->visible ? "" : " (hidden)";
    }
    return state;
}

}  // namespace teamtool
