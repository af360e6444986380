#pragma once

// Dialogs for tests: message boxes are recorded, file-open answers are queued.

#include "app/dialogs.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace teamtool::testing {

class ScriptedDialogs : public Dialogs {
public:
    std::vector<std::string> messages;
    std::deque<std::optional<std::string>> openAnswers;  // nullopt: the user cancels
    std::vector<FileDialog> openSettings;                 // how each open dialog was set up

    void msgBox(const std::string& text) override { messages.push_back(text); }

    std::optional<std::string> showOpen(const FileDialog& settings) override
    {
        openSettings.push_back(settings);
        if (openAnswers.empty())
            return std::nullopt;
        auto answer = openAnswers.front();
        openAnswers.pop_front();
        return answer;
    }
};

}  // namespace teamtool::testing
