// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The reader of the team file's comma-delimited fields. It reads the whole file into
// memory at once (closing it straight away), then hands out records of a fixed
// number of fields, forward only.
//
// Field syntax: a field ends at a comma, a line end (CR LF, LF or CR alone) or the end
// of the file, and its delimiter is consumed with it, so records may span lines. Blanks
// (spaces, tabs) in front of a field and after an unquoted one are dropped. A field
// that starts with a double quote runs to the next double quote, commas and line ends
// included; whatever stands between the closing quote and the delimiter is ignored.
// The reader is at its end when only blanks and line ends are left, so blank lines or
// a stray comma after the last record start no record.

#include "teamfile/field_value.h"
#include "teamfile/read_error.h"
#include "textio/fingerprint.h"
#include "textio/progress.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace teamtool {

// What the caller wants of a field: its characters as they stand, or a FieldValue.
enum class Target { Text, Value };

// No team file comes near this; a bigger file is refused before it fills the memory.
inline constexpr std::size_t kMaxTeamFileBytes = std::size_t{256} << 20;

class RecordReader {
public:
    // Reads the file at path (UTF-8) whole and closes it; progress hears of the bytes
    // read and may cancel.
    static ReadResult<RecordReader> open(const std::string& path, const ProgressCheck& progress = {});
    // A reader over bytes already in memory, as if they were the file's. progress hears
    // of each pass over them (binary data looked for, the text decoded) and may cancel.
    static ReadResult<RecordReader> fromBytes(std::string bytes, const ProgressCheck& progress = {});

    // Reads targets.size() fields into out, which must be at least as long. A text
    // target always gets a Text (possibly empty). On failure the caller has no
    // usable record and the reader is at its end; the error names the field, how many
    // fields were read, and the line. Its player number is left for the caller.
    [[nodiscard]] ReadResult<void> readRecord(std::span<const Target> targets, std::span<FieldValue> out);
    // The same, and for each field read as a Number whose characters are already its
    // display form (isShownForm), those characters, in numberChars, as long as out;
    // empty for any other field. The views point into the reader's text.
    [[nodiscard]] ReadResult<void> readRecord(std::span<const Target> targets, std::span<FieldValue> out,
                                              std::span<std::string_view> numberChars);
    [[nodiscard]] ReadResult<std::vector<FieldValue>> readRecord(std::span<const Target> targets);

    // True when nothing but blanks and line ends is left.
    bool atEnd() const;

    // The file's text (UTF-8) and where the reader stands in it.
    std::string_view text() const { return m_text; }
    std::size_t position() const { return m_pos; }
    // The bytes of the file it was opened from, as they were read; nothing for bytes
    // handed to fromBytes.
    const FileFingerprint& source() const { return m_source; }
    // Those bytes themselves, taken from the reader, which reads nothing more: its text
    // when that is exactly them, so a file read as UTF-8 is held once. Empty for bytes
    // handed to fromBytes.
    std::string takeSourceBytes() &&;
    // The line (from 1) that holds the character at position.
    std::size_t lineAt(std::size_t position) const;

private:
    explicit RecordReader(std::string text) : m_text(std::move(text)) {}
    static ReadResult<RecordReader> fromBytes(std::string bytes, const ProgressCheck& progress, std::string* original);
    std::size_t skipBlanksAndLineEnds(std::size_t from) const;
    // Ends a failed read of field `field` (from 0): the error, with the line of `at`
    // (the opening quote, or where the record began), and the reader at its end.
    ReadError failRecord(ReadErrorCode code, std::size_t field, std::size_t fieldCount, std::size_t at);

    // Never holds a NUL: the one std::string keeps after it marks the end.
    std::string m_text;
    FileFingerprint m_source;
    // The file's bytes when the text is not exactly them (decoded from Windows-1252, a
    // byte-order mark left out); see m_textIsSource.
    std::string m_sourceBytes;
    bool m_textIsSource = false;
    std::size_t m_pos = 0;
    // Everything in [m_blankFrom, m_contentAt) is blanks and line ends: atEnd() never
    // looks at the same stretch twice, however many blank lines a file holds.
    mutable std::size_t m_blankFrom = 0;
    mutable std::size_t m_contentAt = 0;
    mutable bool m_scanned = false;
    bool m_trailingFieldTaken = false;
};

}  // namespace teamtool
