// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How each kind of control of the window model becomes a Qt widget: one binding per
// kind, which creates the widget, connects the user's actions on it to the control,
// and shows what the control holds. A new kind of control is one new binding.

#include "app/design.h"
#include "app/frmteamtool.h"

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace teamtool::ui {

// The design's twips as the screen's pixels.
inline int pixels(int twips)
{
    return twips / kTwipsPerPixel;
}

// What a binding needs of the view it works for.
class BindingHost {
public:
    // Runs one user action: the model change and handler call, then the new state shown.
    virtual void act(const std::function<void()>& action) = 0;
    // True while the view shows the model: a widget's signals then echo the program's
    // own change and are no user action.
    virtual bool refreshing() const = 0;
    virtual const FRMTEAMTOOL& form() const = 0;
    // A passing note, as the handlers give one.
    virtual void tell(const std::string& note) = 0;
    // Puts text on the clipboard, and says so.
    virtual void copy(const std::string& text) = 0;
    // The grid's rows (from 1) in the order the view now shows them; none: the file's.
    virtual void showGridRows(std::vector<int> rows) = 0;

protected:
    ~BindingHost() = default;
};

class ControlBinding {
public:
    virtual ~ControlBinding() = default;
    // The control's widget in parent, connected so that the user's actions reach the
    // control; nullptr for a kind with no widget of its own (the form, the file dialog).
    virtual QWidget* create(Control& control, QWidget* parent, BindingHost& host) const = 0;
    // Shows what the control holds, beyond where it stands and whether it is visible
    // and enabled, which the view shows for every kind alike; form is its window.
    virtual void show(const Control& control, QWidget* widget, const FRMTEAMTOOL& form) const = 0;
};

// The binding of controls of kind.
const ControlBinding& bindingFor(Kind kind);

}  // namespace teamtool::ui
