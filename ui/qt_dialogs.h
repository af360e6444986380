// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's dialogs, as the handlers reach them through Dialogs: Qt's message box,
// question and file-open dialog, the orders' preview, the manual and About, the
// clipboard, the mail program, and passing notes.

#include "app/dialogs.h"

#include <QString>

#include <functional>

class QUrl;
class QWidget;

namespace teamtool::ui {

class QtDialogs : public Dialogs {
public:
    // Registers the program's resources (the icon, the manual), which everything that
    // shows them needs first.
    QtDialogs();

    // parent: the window the dialogs are modal to; title: their title bar.
    void setParent(QWidget* parent, QString title);

    void msgBox(const std::string& text) override;
    std::optional<std::string> showOpen(const FileDialog& settings) override;
    std::vector<std::string> showOpenFiles(const FileDialog& settings) override;
    std::optional<std::string> showSave(const FileDialog& settings) override;
    void showSeason() override
    {
        if (m_seasonSink)
            m_seasonSink();
    }
    bool ask(const std::string& question) override;
    PreviewChoice showPreview(const OrdersPreview& preview) override;
    bool showChanges(const std::string& text) override;
    void copyText(const std::string& text) override;
    void notify(const std::string& text) override;
    std::optional<std::string> askText(const TextRequest& request) override;
    void openUrl(const std::string& url, const std::function<void()>& noneAnswered) override;
    void openFolder(const std::string& path, const std::function<void()>& noneAnswered) override;
    void showManual(const std::string& page) override;
    void about(const std::string& title, const std::string& text) override;
    void aboutToolkit() override;
    std::unique_ptr<Progress> startProgress(const std::string& text) override;

    // How long a task runs before its progress shows (half a second); tests shorten it.
    void setProgressDelay(int milliseconds) { m_progressDelay = milliseconds; }

    // Where notes go: a label's text, shown for a few seconds. None: notes are dropped.
    void setNoteSink(std::function<void(const QString&)> sink) { m_noteSink = std::move(sink); }
    // What shows the season's window.
    void setSeasonSink(std::function<void()> sink) { m_seasonSink = std::move(sink); }

    // "Text Files (*.txt)|*.txt" as Qt writes a filter: "Text Files (*.txt)".
    static QString qtFilter(const std::string& filter);

private:
    QWidget* dialogParent() const;
    // Opens url with the desktop's program for it; noneAnswered when there is none.
    void openOnDesktop(const QUrl& url, const std::function<void()>& noneAnswered);

    QWidget* m_parent = nullptr;
    QString m_title;
    std::function<void(const QString&)> m_noteSink;
    std::function<void()> m_seasonSink;
    int m_progressDelay = 500;
};

}  // namespace teamtool::ui
