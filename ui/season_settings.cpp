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
        return FileError::reading(FileErrorCode::CannotRead, path, "it is not in the settings' format");
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
    m_recent.clear();
    if (!unreadable) {
        m_keep = m_settings->value(kKeepSeason, true).toBool();
        for (const QVariant& stored : m_settings->value(kRecentFiles).toList())
            if (std::string path = pathOfStored(stored); !path.empty())
                m_recent.push_back(std::move(path));
        unreadable = whyUnreadable(*m_settings);  // what QSettings itself found
    }
    m_unreadable = unreadable.has_value();
    form.season.folder = QDir::toNativeSeparators(m_dataFolder).toStdString();
    restoreSettings(form, m_keep, m_recent, unreadable);
    m_keep = form.season.keep;
    m_recent = form.season.recentFiles;
    m_restored = true;
}

void SeasonSettings::store(FRMTEAMTOOL& form)
{
    if (!m_restored || m_unreadable || (form.season.keep == m_keep && form.season.recentFiles == m_recent))
        return;
    m_keep = form.season.keep;
    m_recent = form.season.recentFiles;
    QVariantList paths;
    for (const std::string& path : m_recent)
        paths << storedPath(path);
    m_settings->setValue(kKeepSeason, m_keep);
    m_settings->setValue(kRecentFiles, paths);
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
