// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Dialogs that show nothing: what a program without a desktop (the tests, the
// benchmarks, the page renderer) gives the handlers. Message boxes, questions and
// notes are kept in order; a question gets the answer set beforehand; a file-open
// dialog takes the next queued answer, or is cancelled when none is left.

#include "app/dialogs.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace teamtool {

class RecordedDialogs : public Dialogs {
public:
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<std::string> notes;
    bool answer = false;                                 // to every question: No
    std::deque<std::optional<std::string>> openAnswers;  // nullopt: the user cancels
    std::vector<FileDialog> openSettings;                // how each open dialog was set up
    std::vector<std::string> changes;                    // each summary of changes shown
    bool copyChanges = false;                            // the summary's Copy is pressed
    std::vector<std::string> copied;                     // what went to the clipboard
    std::vector<std::string> progressTexts;              // each task whose progress started
    std::vector<double> progressSeen;                    // how far each report said, 0 to 1
    double cancelAt = 2;                                 // the user cancels once this far: never
    std::vector<std::string> openedFolders;              // each folder shown in the file manager
    std::vector<std::string> openedUrls;                 // each address handed to its program
    bool programAnswers = true;                          // a mail program and a file manager do
    std::vector<TextRequest> textRequests;               // each one-line question asked
    std::deque<std::optional<std::string>> textAnswers;  // nullopt: Cancel; none left: Cancel
    std::vector<std::string> openManyAnswer;             // the files picked where many may be
    std::optional<std::string> saveAnswer;               // where a file is saved: cancelled
    std::vector<FileDialog> saveSettings;                // how each save dialog was set up
    int seasonShown = 0;                                 // how often the season's window was shown

    void msgBox(const std::string& text) override { messages.push_back(text); }

    std::optional<std::string> showOpen(const FileDialog& settings) override
    {
        openSettings.push_back(settings);
        if (openAnswers.empty())
            return std::nullopt;
        auto chosen = openAnswers.front();
        openAnswers.pop_front();
        return chosen;
    }

    std::vector<std::string> showOpenFiles(const FileDialog& settings) override
    {
        openSettings.push_back(settings);
        return openManyAnswer;
    }

    std::optional<std::string> showSave(const FileDialog& settings) override
    {
        saveSettings.push_back(settings);
        return saveAnswer;
    }

    void showSeason() override { ++seasonShown; }

    bool ask(const std::string& question) override
    {
        questions.push_back(question);
        return answer;
    }

    void notify(const std::string& text) override { notes.push_back(text); }

    bool showChanges(const std::string& text) override
    {
        changes.push_back(text);
        return copyChanges;
    }

    void copyText(const std::string& text) override { copied.push_back(text); }

    void openFolder(const std::string& path, const std::function<void()>& noneAnswered) override
    {
        openedFolders.push_back(path);
        if (!programAnswers)
            noneAnswered();
    }

    void openUrl(const std::string& url, const std::function<void()>& noneAnswered) override
    {
        openedUrls.push_back(url);
        if (!programAnswers)
            noneAnswered();
    }

    std::optional<std::string> askText(const TextRequest& request) override
    {
        textRequests.push_back(request);
        if (textAnswers.empty())
            return std::nullopt;
        auto given = textAnswers.front();
        textAnswers.pop_front();
        return given;
    }

    std::unique_ptr<Progress> startProgress(const std::string& text) override
    {
        progressTexts.push_back(text);
        return std::make_unique<Recorded>(*this);
    }

private:
    struct Recorded : Progress {
        explicit Recorded(RecordedDialogs& owner) : dialogs(owner) {}
        bool advance(std::uint64_t done, std::uint64_t total) override
        {
            const double part = total == 0 ? 0 : static_cast<double>(done) / static_cast<double>(total);
            dialogs.progressSeen.push_back(part);
            return part < dialogs.cancelAt;
        }
        RecordedDialogs& dialogs;
    };
};

}  // namespace teamtool
