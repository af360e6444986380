#pragma once

// The two modal dialogs the handlers open: the message box and the file-open dialog.
// The program shows the toolkit's; tests script them.

#include "app/controls.h"

#include <optional>
#include <string>

namespace teamtool {

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows text with a single OK button and waits until it is closed.
    virtual void msgBox(const std::string& text) = 0;

    // Opens the file-open dialog as `settings` configure it and returns the full path
    // of the chosen file, or nothing when the user cancelled.
    virtual std::optional<std::string> showOpen(const FileDialog& settings) = 0;
};

}  // namespace teamtool
