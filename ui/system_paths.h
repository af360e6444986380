// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// File paths as the system hands them to the program (a command-line argument, a
// dropped file's address, a remembered recent file) and as the window model takes
// them: the system's own bytes. On Linux a file name need not be UTF-8, and a path
// that went through a QString would lose such a name's bytes and no longer open;
// messages then show it with a replacement character where a byte is not UTF-8.

#include <QString>
#include <QUrl>
#include <QVariant>

#include <string>

namespace teamtool::ui {

// The local file of a file: address.
std::string pathOfUrl(const QUrl& url);

// A command-line argument naming a file, made absolute: `argument` as the system gave
// it, `decoded` as Qt read it (used where the system's paths are not bytes: Windows).
std::string pathOfArgument(const char* argument, const QString& decoded);

// A path as the settings keep it, and back: text where it is UTF-8, its bytes where not.
QVariant storedPath(const std::string& path);
std::string pathOfStored(const QVariant& stored);

}  // namespace teamtool::ui
