// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teamfile/record_reader.h"

#include "textio/encoding.h"
#include "textio/files.h"
#include "textio/numbers.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace teamtool {

namespace {

bool isBlankChar(char c)
{
    return c == ' ' || c == '\t';
}

// The characters that end a field: its delimiters, and the NUL after the text.
constexpr auto kEndsField = [] {
    std::array<bool, 256> table{};
    table[','] = table['\n'] = table['\r'] = table['\0'] = true;
    return table;
}();

bool endsField(char c)
{
    return kEndsField[static_cast<unsigned char>(c)];
}

// The character after the delimiter at p; at the end of the text, p itself.
const char* afterDelimiter(const char* p)
{
    if (*p == '\0')
        return p;
    // CR LF is one line end.
    return p + 1 + (p[0] == '\r' && p[1] == '\n');
}

// An unquoted field's characters from first up to its delimiter, less trailing blanks.
std::string_view trimmedField(const char* first, const char* last)
{
    while (last > first && isBlankChar(last[-1]))
        --last;
    return std::string_view(first, static_cast<std::size_t>(last - first));
}

// An unquoted field read into a value target: Empty, a Number or a Text.
void setValueOf(std::string_view chars, FieldValue& value)
{
    if (chars.empty())
        value.setEmpty();
    else if (double number = 0; tryParseNumber(chars, number))
        value.setNumber(number);
    else
        value.setText(chars);
}

}  // namespace

ReadResult<RecordReader> RecordReader::open(const std::string& path, const ProgressCheck& progress)
{
    auto bytes = readWholeFile(path, kMaxTeamFileBytes, progress);
    if (!bytes)
        return readErrorOf(bytes.error());
    const FileFingerprint source = fingerprintOf(*bytes);
    std::string original;
    auto reader = fromBytes(std::move(bytes).value(), progress, &original);
    if (reader) {
        reader->m_source = source;
        reader->m_textIsSource = original.empty();
        reader->m_sourceBytes = std::move(original);
    }
    return reader;
}

std::string RecordReader::takeSourceBytes() &&
{
    if (m_textIsSource)
        return std::move(m_text);
    return std::move(m_sourceBytes);
}

ReadResult<RecordReader> RecordReader::fromBytes(std::string bytes, const ProgressCheck& progress)
{
    return fromBytes(std::move(bytes), progress, nullptr);
}

ReadResult<RecordReader> RecordReader::fromBytes(std::string bytes, const ProgressCheck& progress,
                                                 std::string* original)
{
    const auto cancelled = [] { return readErrorOf(FileError::reading(FileErrorCode::Cancelled, {}, {})); };
    if (bytes.size() > kMaxTeamFileBytes)
        return readErrorOf(FileError::reading(FileErrorCode::TooLarge, {}, std::to_string(bytes.size())));
    // A NUL byte never stands in a text file: this is binary data (or UTF-16).
    if (auto binary = binaryDataError(bytes, {}))
        return readErrorOf(*binary);
    if (!goOn(progress, bytes.size(), bytes.size()))
        return cancelled();
    std::string text = decodeTextFile(std::move(bytes), original);
    if (!goOn(progress, text.size(), text.size()))
        return cancelled();
    return RecordReader(std::move(text));
}

std::size_t RecordReader::lineAt(std::size_t position) const
{
    return lineAtOffset(m_text, position);
}

std::size_t RecordReader::skipBlanksAndLineEnds(std::size_t from) const
{
    const std::size_t size = m_text.size();
    while (from < size && (isBlankChar(m_text[from]) || m_text[from] == '\n' || m_text[from] == '\r'))
        ++from;
    return from;
}

bool RecordReader::atEnd() const
{
    if (!m_scanned || m_pos < m_blankFrom || m_pos > m_contentAt) {
        m_blankFrom = m_pos;
        m_contentAt = skipBlanksAndLineEnds(m_pos);
        m_scanned = true;
    }
    return m_contentAt >= m_text.size();
}

ReadResult<void> RecordReader::readRecord(std::span<const Target> targets, std::span<FieldValue> out)
{
    return readRecord(targets, out, {});
}

ReadResult<void> RecordReader::readRecord(std::span<const Target> targets, std::span<FieldValue> out,
                                          std::span<std::string_view> numberChars)
{
    const bool keepChars = !numberChars.empty();
    // The text holds no NUL (fromBytes refuses one), so the NUL that std::string keeps
    // after it marks the end: the loops below stop at it without a bounds check.
    const char* const begin = m_text.data();
    const char* const end = begin + m_text.size();
    const char* p = begin + m_pos;
    const std::size_t recordStart = m_pos;

    for (std::size_t i = 0; i < targets.size(); ++i) {
        const Target target = targets[i];
        FieldValue& value = out[i];
        if (keepChars)
            numberChars[i] = {};

        if (p == end) {
            // A comma just before the end of the file ends one more, empty, field: it
            // completes a record that needs it, but starts no record of its own.
            if (begin == end || end[-1] != ',' || m_trailingFieldTaken)
                return failRecord(ReadErrorCode::EndsInsideRecord, i, targets.size(), recordStart);
            m_trailingFieldTaken = true;
            if (target == Target::Text)
                value.setText({});
            else
                value.setEmpty();
            continue;
        }

        while (isBlankChar(*p))
            ++p;

        if (*p == '"') {
            const char* const open = p;
            const char* close = open + 1;
            while (*close != '"' && *close != '\0')
                ++close;
            if (*close == '\0')
                return failRecord(ReadErrorCode::UnterminatedQuote, i, targets.size(),
                                  static_cast<std::size_t>(open - begin));
            // A quoted field is Text even when it holds digits.
            value.setText(std::string_view(open + 1, static_cast<std::size_t>(close - open - 1)));
            p = close + 1;
            while (!endsField(*p))
                ++p;
            p = afterDelimiter(p);
            continue;
        }

        const char* const first = p;
        if (target == Target::Value) {
            // Most fields are plain decimals: read the digits while looking for the
            // delimiter, so that the characters are gone through once only.
            ScannedNumber decimal;
            p = scanNumberInTerminated(p, decimal);
            if (endsField(*p) && decimal.exact()) {
                value.setNumber(decimal.value());
                if (keepChars) {
                    const std::string_view chars(first, static_cast<std::size_t>(p - first));
                    if (isShownForm(decimal, chars))
                        numberChars[i] = chars;
                }
            } else {
                while (!endsField(*p))
                    ++p;
                setValueOf(trimmedField(first, p), value);
            }
            p = afterDelimiter(p);
            continue;
        }

        while (!endsField(*p))
            ++p;
        value.setText(trimmedField(first, p));
        p = afterDelimiter(p);
    }
    m_pos = static_cast<std::size_t>(p - begin);
    return {};
}

ReadError RecordReader::failRecord(ReadErrorCode code, std::size_t field, std::size_t fieldCount, std::size_t at)
{
    ReadError error;
    error.code = code;
    error.fieldsRead = static_cast<int>(field);
    error.field = static_cast<int>(field) + 1;
    error.fieldCount = static_cast<int>(fieldCount);
    if (code == ReadErrorCode::UnterminatedQuote) {
        // at is the opening quote.
        error.line = lineAt(at);
    } else {
        // at is where the record begins: the line where the user goes to look.
        error.line = lineAt(std::min(skipBlanksAndLineEnds(at), m_text.size() - (m_text.empty() ? 0 : 1)));
    }
    m_pos = m_text.size();
    m_trailingFieldTaken = true;
    return error;
}

ReadResult<std::vector<FieldValue>> RecordReader::readRecord(std::span<const Target> targets)
{
    std::vector<FieldValue> values(targets.size());
    if (auto read = readRecord(targets, values); !read)
        return std::move(read).error();
    return values;
}

}  // namespace teamtool
