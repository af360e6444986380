// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the season lives on this system, and what the program remembers between runs:
// whether the season is kept, the recent files and each team's league address
// (QSettings, in the platform's place). The model holds them; this reads them once and writes them back
// whenever the model's differ from what was written.

#include "app/frmteamtool.h"
#include "week/season_commands.h"

#include <QSettings>
#include <QString>

#include <memory>
#include <string>
#include <vector>

namespace teamtool::ui {

class SeasonSettings {
public:
    // The user's own: the platform's data folder for the program and its settings.
    SeasonSettings();
    // Others, for tests: a data folder and settings of their own.
    SeasonSettings(QString dataFolder, std::unique_ptr<QSettings> settings);

    // Puts the data folder and what was remembered into the window model. Nothing of
    // the season folder itself is read. Settings that cannot be read are said, and
    // never written over.
    void restore(FRMTEAMTOOL& form);
    // Writes what the model holds now, when it differs from what was written; nothing
    // before restore. Settings that cannot be written are said, once.
    void store(FRMTEAMTOOL& form);

    const QString& dataFolder() const { return m_dataFolder; }
    QSettings& settings() const { return *m_settings; }

private:
    QString m_dataFolder;
    std::unique_ptr<QSettings> m_settings;
    bool m_restored = false;
    bool m_unreadable = false;
    RememberedSettings m_remembered;  // as last read or written
};

}  // namespace teamtool::ui
