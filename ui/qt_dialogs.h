#pragma once

// The program's dialogs: Qt's message box and file-open dialog.

#include "app/dialogs.h"

#include <QString>

class QWidget;

namespace teamtool::ui {

class QtDialogs : public Dialogs {
public:
    // parent: the window the dialogs are modal to; title: their title bar.
    void setParent(QWidget* parent, QString title);

    void msgBox(const std::string& text) override;
    std::optional<std::string> showOpen(const FileDialog& settings) override;

    // "Text Files (*.txt)|*.txt" as Qt writes a filter: "Text Files (*.txt)".
    static QString qtFilter(const std::string& filter);

private:
    QWidget* m_parent = nullptr;
    QString m_title;
};

}  // namespace teamtool::ui
