// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the handlers ask of the desktop: the modal dialogs (message box, file-open
// dialog, a yes-or-no question, the orders preview) and a few services (the clipboard,
// a passing note, opening an address). The program uses the toolkit's; tests script
// them. Beyond the message box and the file-open dialog each has a harmless default
// (no, close, nothing), so that a program that shows nothing need not write them.

#include "app/controls.h"
#include "textio/progress.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace teamtool {

// The orders as the preview shows them, before they are written.
struct OrdersPreview {
    std::string fileName;               // RDVvsCD.TXT
    std::string folder;                 // where it would be written
    std::string text;                   // the file's text, one '\n' per line end
    std::vector<std::string> warnings;  // what the manager may not have meant
};

// A small dialog asking for one line of text, with OK and Cancel.
struct TextRequest {
    std::string objectName;  // LeagueAddressDialog
    std::string title;       // the window's title
    std::string label;       // what the box is for, above it
    std::string text;        // what the box holds at first, all selected
};

// A long task's progress as the desktop shows it: the task says how far it is, and
// hears whether the user has cancelled. It is shown for as long as the object lives.
class Progress {
public:
    virtual ~Progress() = default;
    // `done` of `total` units are done; false once the user has cancelled.
    virtual bool advance(std::uint64_t done, std::uint64_t total) = 0;
};

// The progress check a task reports to: progress's, or none.
inline ProgressCheck checkOf(Progress* progress)
{
    if (!progress)
        return {};
    return [progress](std::uint64_t done, std::uint64_t total) { return progress->advance(done, total); };
}

// One step of a longer task, as a part of its progress: the step's own done and total
// reported as thousandths from..from + width of the whole, which may be none.
class ProgressPart : public Progress {
public:
    static constexpr std::uint64_t kWhole = 1000;
    ProgressPart(Progress* whole, std::uint64_t from, std::uint64_t width)
        : m_whole(whole), m_from(from), m_width(width)
    {}
    bool advance(std::uint64_t done, std::uint64_t total) override
    {
        if (!m_whole)
            return true;
        const std::uint64_t part = total == 0 ? 0 : (done < total ? done : total) * m_width / total;
        return m_whole->advance(m_from + part, kWhole);
    }
    // The check to hand a step: none when there is no progress to report to.
    ProgressCheck check() { return m_whole ? checkOf(this) : ProgressCheck(); }

private:
    Progress* m_whole;
    std::uint64_t m_from;
    std::uint64_t m_width;
};

// The button that closed the preview.
enum class PreviewChoice { Close, CreateOrders, Copy };

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows text with a single OK button and waits until it is closed.
    virtual void msgBox(const std::string& text) = 0;

    // Opens the file-open dialog as `settings` configure it and returns the full path
    // of the chosen file, or nothing when the user cancelled.
    virtual std::optional<std::string> showOpen(const FileDialog& settings) = 0;

    // The same for any number of files at once: their paths, none when cancelled.
    virtual std::vector<std::string> showOpenFiles(const FileDialog& /*settings*/) { return {}; }
    // Asks where to save a file, starting at settings' folder and file name: the full
    // path, or nothing when the user cancelled. Replacing a file is asked there.
    virtual std::optional<std::string> showSave(const FileDialog& /*settings*/) { return std::nullopt; }

    // Shows the season's window (File > Season...) over f.seasonView, or raises it.
    virtual void showSeason() {}

    // Asks question with Yes and No buttons; true for Yes.
    virtual bool ask(const std::string& /*question*/) { return false; }

    // Shows the orders read-only with Create Orders, Copy and Close buttons.
    virtual PreviewChoice showPreview(const OrdersPreview& /*preview*/) { return PreviewChoice::Close; }

    // Shows what changed since an earlier team file, read-only, with Copy and Close;
    // true when the user chose Copy.
    virtual bool showChanges(const std::string& /*text*/) { return false; }

    // Puts text on the clipboard, with the platform's line ends.
    virtual void copyText(const std::string& /*text*/) {}

    // A short note that needs no answer and goes by itself ("Orders copied").
    virtual void notify(const std::string& /*text*/) {}

    // Asks for one line of text; the text when the user presses OK, nothing on Cancel.
    virtual std::optional<std::string> askText(const TextRequest& /*request*/) { return std::nullopt; }

    // Opens url (mailto:) with the user's program for it. When no program answers,
    // noneAnswered runs: at once, or once the desktop's opener has said so (later, on
    // the window's thread, while the window lives).
    virtual void openUrl(const std::string& /*url*/, const std::function<void()>& noneAnswered) { noneAnswered(); }
    // Opens the folder at path (UTF-8) in the file manager, the same way.
    virtual void openFolder(const std::string& /*path*/, const std::function<void()>& noneAnswered) { noneAnswered(); }

    // Shows a page of the program's manual: "team-file-format", "orders-file-format",
    // "messages".
    virtual void showManual(const std::string& /*page*/) {}

    // Starts the progress of a task ("Loading RDV.txt"): once the task has run for half a
    // second, a window with how far it is and Cancel, while the task keeps the window
    // repainted. None: nothing is shown and nothing cancels.
    virtual std::unique_ptr<Progress> startProgress(const std::string& /*text*/) { return nullptr; }

    // Shows the About box.
    virtual void about(const std::string& /*title*/, const std::string& /*text*/) {}
    // Shows the toolkit's own About box: its version and licence.
    virtual void aboutToolkit() {}
};

}  // namespace teamtool
