// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/system_paths.h"

#include "textio/encoding.h"
#include "textio/files.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace teamtool::ui {

std::string pathOfUrl(const QUrl& url)
{
#ifdef Q_OS_WIN
    return QDir::toNativeSeparators(url.toLocalFile()).toStdString();
#else
    // The address keeps a byte that is not UTF-8 percent-encoded: decoded, it is the
    // file name's own byte again.
    return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString();
#endif
}

std::string pathOfArgument(const char* argument, const QString& decoded)
{
#ifndef Q_OS_WIN
    if (const std::string bytes = argument; !isValidUtf8(bytes)) {
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(bytes, error);
        return error ? bytes : absolute.lexically_normal().string();
    }
#else
    (void)argument;
#endif
    // The file's whole path, so that the path box says which file it is.
    return QDir::toNativeSeparators(QFileInfo(decoded).absoluteFilePath()).toStdString();
}

QVariant storedPath(const std::string& path)
{
    if (isValidUtf8(path))
        return QString::fromStdString(path);
    return QByteArray::fromStdString(path);
}

std::string pathOfStored(const QVariant& stored)
{
    if (stored.typeId() == QMetaType::QByteArray)
        return stored.toByteArray().toStdString();
    return stored.toString().toStdString();
}

}  // namespace teamtool::ui
