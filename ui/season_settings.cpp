// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/season_settings.h"

#include "textio/files.h"
#include "ui/system_paths.h"
#include "week/season_commands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QVariantList>

#include <filesystem>
#include <optional>
#include <system_error>

namespace teamtool::ui {

namespace {

constexpr auto kKeepSeason = "season/keep";
constexpr auto kRecentFiles = "recentFiles";
constexpr auto kLeagueAddresses = "leagueAddress";  // a group: one key per team folder

// Why the settings file at path cannot be read, if it cannot: it is no regular file,
// or the system will not open it. Read by the text layer first, so that a named pipe
// in its place cannot hold the program the way QSettings' own reading would.
std::optional<FileError> whyUnreadable(const QSettings& settings)
{
    const std::string path = QDir::toNativeSeparators(settings.fileName()).toStdString();
    std::error_code error;
    if (settings.fileName().isEmpty() || !std::filesystem::exists(pathFromUtf8(path), error))
        return std::nullopt;  // a first run: nothing remembered yet
    constexpr std::size_t kMaxSettingsBytes = std::size_t{16} << 20;
    auto bytes = readWholeFile(path, kMaxSettingsBytes);
    if (!bytes)
        return bytes.error();
    if (settings.status() != QSettings::NoError)
        return settingsFormatError(path);
    return std::nullopt;
}

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
    std::optional<FileError> unreadable = whyUnreadable(*m_settings);
    m_remembered = {};
    if (!unreadable) {
        m_remembered.keepSeason = m_settings->value(kKeepSeason, true).toBool();
        for (const QVariant& stored : m_settings->value(kRecentFiles).toList())
            if (std::string path = pathOfStored(stored); !path.empty())
                m_remembered.recentFiles.push_back(std::move(path));
        m_settings->beginGroup(kLeagueAddresses);
        for (const QString& team : m_settings->childKeys())
            m_remembered.leagueAddresses[team.toStdString()] = m_settings->value(team).toString().toStdString();
        m_settings->endGroup();
        unreadable = whyUnreadable(*m_settings);  // what QSettings itself found
    }
    m_unreadable = unreadable.has_value();
    form.season.folder = QDir::toNativeSeparators(m_dataFolder).toStdString();
    restoreSettings(form, m_remembered, unreadable);
    m_remembered = settingsToRemember(form);
    m_restored = true;
}

void SeasonSettings::store(FRMTEAMTOOL& form)
{
    if (!m_restored || m_unreadable || settingsToRemember(form) == m_remembered)
        return;
    m_remembered = settingsToRemember(form);
    QVariantList paths;
    for (const std::string& path : m_remembered.recentFiles)
        paths << storedPath(path);
    m_settings->setValue(kKeepSeason, m_remembered.keepSeason);
    m_settings->setValue(kRecentFiles, paths);
    m_settings->remove(kLeagueAddresses);
    m_settings->beginGroup(kLeagueAddresses);
    for (const auto& [team, address] : m_remembered.leagueAddresses)
        m_settings->setValue(QString::fromStdString(team), QString::fromStdString(address));
    m_settings->endGroup();
    m_settings->sync();
    if (m_settings->status() == QSettings::AccessError) {
        const QFileInfo file(m_settings->fileName());
        QFile probe(file.filePath());
        const QString reason = file.isDir()                     ? QStringLiteral("a folder has its name")
                               : !probe.open(QIODevice::Append) ? probe.errorString()
                                                                : QStringLiteral("the system refused it");
        settingsNotWritten(form, FileError::replacing(FileErrorCode::CannotWrite, reason.toStdString(),
                                                      pathFromUtf8(QDir::toNativeSeparators(file.path()).toStdString()),
                                                      file.fileName().toStdString()));
    }
}

}  // namespace teamtool::ui
