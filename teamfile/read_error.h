// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What can go wrong while a team file is read, and where. Errors are values: the
// reader and the record layer hand them back, and loading turns one into the single
// sentence the user sees.

#include "textio/files.h"
#include "textio/result.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace teamtool {

enum class ReadErrorCode {
    // The file's own errors, as FileError has them (readErrorOf).
    CannotOpen,  // detail: the system's reason
    NotAFile,    // detail: what stands there instead ("a named pipe")
    CannotRead,  // detail: the system's reason
    TooLarge,    // detail: the file's size in bytes
    NotText,     // a NUL byte: binary data, not a text file
    Cancelled,   // the user stopped the load: nothing to say
    // The team file's contents.
    Empty,              // nothing but blanks and line ends
    UnterminatedQuote,  // a quoted field whose closing quote never comes
    EndsInsideRecord,   // the file ends before the record's last field
    CmaNotANumber,      // detail: the field's text
    CmaTooLarge,        // detail: the field's text
};

struct ReadError {
    ReadErrorCode code = ReadErrorCode::CannotOpen;
    std::size_t line = 0;  // line of the file (from 1) where it happened; 0 when no place applies
    int player = 0;        // record: 0 for the team record, N for player N
    int field = 0;         // field of that record (from 1) that could not be read or used
    int fieldsRead = 0;    // fields of that record read before the failure
    int fieldCount = 0;    // fields the record should have had
    std::string detail;
};

// An error of reading the file itself, as the team file's reading reports it.
ReadError readErrorOf(const FileError& error);

// One sentence for the user that names the file and says what is wrong with it. The
// file's own errors are said as describeFileError says them of a team file.
std::string describeReadError(const ReadError& error, std::string_view fileName);

// A value, or the error that kept it from being made.
template <class T>
using ReadResult = Result<T, ReadError>;

}  // namespace teamtool
