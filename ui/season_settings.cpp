// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/season_settings.h"

#include "week/season_commands.h"

#include <QDir>
#include <QStandardPaths>
#include <QStringList>

namespace teamtool::ui {

namespace {

constexpr auto kKeepSeason = "season/keep";
constexpr auto kRecentFiles = "recentFiles";

}  // namespace

SeasonSettings::SeasonSettings()
    : SeasonSettings(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                     std::make_unique<QSettings>(QStringLiteral("TeamTool"), QStringLiteral("TeamTool")))
{}

SeasonSettings::SeasonSettings(QString dataFolder, std::unique_ptr<QSettings> settings)
    : m_dataFolder(std::move(dataFolder)), m_settings(std::move(settings))
{}

void SeasonSettings::restore(FRMTEAMTOOL& form)
{
    m_keep = m_settings->value(kKeepSeason, true).toBool();
    m_recent.clear();
    for (const QString& path : m_settings->value(kRecentFiles).toStringList())
        if (!path.isEmpty())
            m_recent.push_back(path.toStdString());
    form.season.folder = QDir::toNativeSeparators(m_dataFolder).toStdString();
    restoreSettings(form, m_keep, m_recent);
    m_recent = form.season.recentFiles;
    m_restored = true;
}

void SeasonSettings::store(const FRMTEAMTOOL& form)
{
    if (!m_restored || (form.season.keep == m_keep && form.season.recentFiles == m_recent))
        return;
    m_keep = form.season.keep;
    m_recent = form.season.recentFiles;
    QStringList paths;
    for (const std::string& path : m_recent)
        paths << QString::fromStdString(path);
    m_settings->setValue(kKeepSeason, m_keep);
    m_settings->setValue(kRecentFiles, paths);
    m_settings->sync();
}

}  // namespace teamtool::ui
