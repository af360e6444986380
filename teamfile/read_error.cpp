// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teamfile/read_error.h"

namespace teamtool {

namespace {

std::string recordName(const ReadError& error)
{
    return error.player == 0 ? std::string("the team record") : "player " + std::to_string(error.player);
}

std::string atLine(const ReadError& error)
{
    return error.line == 0 ? std::string() : " (line " + std::to_string(error.line) + ")";
}

// The file's own error codes, both ways.
struct FileCodes {
    ReadErrorCode read;
    FileErrorCode file;
};
constexpr FileCodes kFileCodes[] = {
    {ReadErrorCode::CannotOpen, FileErrorCode::CannotOpen}, {ReadErrorCode::CannotRead, FileErrorCode::CannotRead},
    {ReadErrorCode::TooLarge, FileErrorCode::TooLarge},     {ReadErrorCode::NotText, FileErrorCode::Binary},
    {ReadErrorCode::Cancelled, FileErrorCode::Cancelled},   {ReadErrorCode::NotAFile, FileErrorCode::NotAFile},
};

}  // namespace

ReadError readErrorOf(const FileError& error)
{
    ReadError read;
    for (const FileCodes& codes : kFileCodes)
        if (codes.file == error.code)
            read.code = codes.read;
    read.detail = error.reason;
    read.line = error.line;
    return read;
}

std::string describeReadError(const ReadError& error, std::string_view fileName)
{
    for (const FileCodes& codes : kFileCodes)
        if (codes.read == error.code)
            return describeFileError(FileError::reading(codes.file, std::string(fileName), error.detail, error.line),
                                     kTeamFileKind);
    const std::string file = "\"" + std::string(fileName) + "\"";
    switch (error.code) {
    case ReadErrorCode::CannotOpen:
    case ReadErrorCode::NotAFile:
    case ReadErrorCode::CannotRead:
    case ReadErrorCode::TooLarge:
    case ReadErrorCode::NotText:
    case ReadErrorCode::Cancelled:
        break;  // said above
    case ReadErrorCode::Empty:
        return "The team file " + file + " is empty.";
    case ReadErrorCode::UnterminatedQuote:
        return "The team file " + file + " has an unterminated quote at line " + std::to_string(error.line) +
               ", in field " + std::to_string(error.field) + " of " + recordName(error) + ".";
    case ReadErrorCode::EndsInsideRecord:
        return "The team file " + file + " ends inside " + recordName(error) + ": only " +
               std::to_string(error.fieldsRead) + " of its " + std::to_string(error.fieldCount) + " fields were read" +
               atLine(error) + ".";
    case ReadErrorCode::CmaNotANumber:
        return "The team file " + file + " has a CMA that is not a number: \"" + error.detail + "\"" + atLine(error) +
               ".";
    case ReadErrorCode::CmaTooLarge:
        return "The team file " + file + " has a CMA too large to show: \"" + error.detail + "\"" + atLine(error) + ".";
    }
    return "The team file " + file + " cannot be loaded.";
}

}  // namespace teamtool
