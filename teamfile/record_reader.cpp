#include "teamfile/record_reader.h"

#include "teamfile/numbers.h"
#include "teamfile/text_encoding.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace teamtool {

namespace {

bool isBlankChar(char c)
{
    return c == ' ' || c == '\t';
}

constexpr auto kDelimiters = [] {
    std::array<bool, 256> table{};
    table[','] = table['\n'] = table['\r'] = true;
    return table;
}();

bool isDelimiter(char c)
{
    return kDelimiters[static_cast<unsigned char>(c)];
}

std::filesystem::path pathFromUtf8(const std::string& path)
{
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::FILE* openForReading(const std::filesystem::path& path)
{
#ifdef _WIN32
    return _wfopen(path.c_str(), L"rb");
#else
    return std::fopen(path.c_str(), "rb");
#endif
}

ReadError fileError(ReadErrorCode code, std::string detail)
{
    ReadError error;
    error.code = code;
    error.detail = std::move(detail);
    return error;
}

std::string systemReason(int errorNumber)
{
    std::string reason = std::generic_category().message(errorNumber);
    return reason.empty() ? std::string("unknown error") : reason;
}

std::size_t countLinesBefore(std::string_view text, std::size_t position)
{
    position = std::min(position, text.size());
    std::size_t lines = 1;
    for (std::size_t i = 0; i < position; ++i) {
        if (text[i] == '\n')
            ++lines;
        else if (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))
            ++lines;
    }
    return lines;
}

}  // namespace

ReadResult<RecordReader> RecordReader::open(const std::string& path)
{
    if (path.find('\0') != std::string::npos)
        return fileError(ReadErrorCode::CannotOpen, "the path holds a NUL character");
    const std::filesystem::path fsPath = pathFromUtf8(path);
    std::error_code ec;
    if (std::filesystem::is_directory(fsPath, ec))
        return fileError(ReadErrorCode::CannotOpen, "it is a folder, not a file");

    errno = 0;
    const std::unique_ptr<std::FILE, FileCloser> file(openForReading(fsPath));
    if (!file)
        return fileError(ReadErrorCode::CannotOpen, errno ? systemReason(errno) : std::string("unknown error"));

    std::string bytes;
    const auto sizeHint = std::filesystem::file_size(fsPath, ec);
    if (!ec && sizeHint > kMaxTeamFileBytes)
        return fileError(ReadErrorCode::TooLarge, std::to_string(sizeHint));
    if (!ec)
        bytes.reserve(static_cast<std::size_t>(sizeHint));

    // Read to the end, whatever the size said: a file may change or be a device.
    constexpr std::size_t kChunk = std::size_t{1} << 20;
    for (;;) {
        const std::size_t have = bytes.size();
        const std::size_t want = std::max(kChunk, bytes.capacity() - have);
        bytes.resize(have + want);
        errno = 0;
        const std::size_t got = std::fread(bytes.data() + have, 1, want, file.get());
        bytes.resize(have + got);
        if (bytes.size() > kMaxTeamFileBytes)
            return fileError(ReadErrorCode::TooLarge, "over " + std::to_string(kMaxTeamFileBytes));
        if (got < want) {
            if (std::ferror(file.get()))
                return fileError(ReadErrorCode::CannotRead, errno ? systemReason(errno) : std::string("read error"));
            break;
        }
    }
    return fromBytes(std::move(bytes));
}

ReadResult<RecordReader> RecordReader::fromBytes(std::string bytes)
{
    if (bytes.size() > kMaxTeamFileBytes)
        return fileError(ReadErrorCode::TooLarge, std::to_string(bytes.size()));
    // A NUL byte never stands in a text file: this is binary data (or UTF-16).
    if (const void* nul = std::memchr(bytes.data(), 0, bytes.size())) {
        ReadError error = fileError(ReadErrorCode::NotText, {});
        error.line = countLinesBefore(bytes, static_cast<std::size_t>(static_cast<const char*>(nul) - bytes.data()));
        return error;
    }
    return RecordReader(decodeTeamFileText(std::move(bytes)));
}

std::size_t RecordReader::lineAt(std::size_t position) const
{
    return countLinesBefore(m_text, position);
}

std::size_t RecordReader::consumeDelimiter(std::size_t at) const
{
    const char* const text = m_text.data();
    const std::size_t size = m_text.size();
    if (at >= size)
        return at;
    // CR LF is one line end.
    return at + 1 + (text[at] == '\r' && at + 1 < size && text[at + 1] == '\n');
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

RecordReader::FieldStatus RecordReader::readField(Target target, FieldValue& out)
{
    const char* const begin = m_text.data();
    const std::size_t size = m_text.size();
    std::size_t pos = m_pos;
    if (pos >= size) {
        // A comma just before the end of the file ends one more, empty, field: it
        // completes a record that needs it, but starts no record of its own.
        if (size == 0 || begin[size - 1] != ',' || m_trailingFieldTaken)
            return FieldStatus::EndOfFile;
        m_trailingFieldTaken = true;
        if (target == Target::Text)
            out.setText({});
        else
            out.setEmpty();
        return FieldStatus::Read;
    }
    while (pos < size && isBlankChar(begin[pos]))
        ++pos;

    std::string_view chars;
    bool quoted = false;
    if (pos < size && begin[pos] == '"') {
        const void* close = std::memchr(begin + pos + 1, '"', size - pos - 1);
        if (!close) {
            m_pos = pos;  // the opening quote, for the error's line
            return FieldStatus::UnterminatedQuote;
        }
        const auto closeAt = static_cast<std::size_t>(static_cast<const char*>(close) - begin);
        chars = std::string_view(begin + pos + 1, closeAt - pos - 1);
        quoted = true;
        pos = closeAt + 1;
        while (pos < size && !isDelimiter(begin[pos]))
            ++pos;
    } else {
        const std::size_t first = pos;
        if (target == Target::Value) {
            // Most fields are plain decimals: read the digits while looking for the
            // delimiter, and skip the second pass through the characters.
            std::size_t p = pos;
            const bool negative = p < size && begin[p] == '-';
            if (p < size && (begin[p] == '-' || begin[p] == '+'))
                ++p;
            std::uint64_t mantissa = 0;
            int digits = 0;
            int fractionDigits = -1;  // -1: no point yet
            for (; p < size; ++p) {
                const unsigned digit = static_cast<unsigned char>(begin[p]) - unsigned{'0'};
                if (digit < 10) {
                    mantissa = mantissa * 10 + digit;
                    ++digits;
                    fractionDigits += fractionDigits >= 0;
                } else if (begin[p] == '.' && fractionDigits < 0) {
                    fractionDigits = 0;
                } else {
                    break;
                }
            }
            std::size_t after = p;
            while (after < size && isBlankChar(begin[after]))
                ++after;
            if (digits > 0 && digits <= 15 && (after == size || isDelimiter(begin[after]))) {
                out.setNumber(plainDecimalValue(mantissa, fractionDigits, negative));
                m_pos = consumeDelimiter(after);
                return FieldStatus::Read;
            }
            pos = p;
        }
        while (pos < size && !isDelimiter(begin[pos]))
            ++pos;
        std::size_t last = pos;
        while (last > first && isBlankChar(begin[last - 1]))
            --last;
        chars = std::string_view(begin + first, last - first);
    }

    m_pos = consumeDelimiter(pos);

    if (target == Target::Text || quoted) {
        // A quoted field is Text even when it holds digits.
        out.setText(chars);
    } else if (chars.empty()) {
        out.setEmpty();
    } else if (double number = 0; tryParseNumber(chars, number)) {
        out.setNumber(number);
    } else {
        out.setText(chars);
    }
    return FieldStatus::Read;
}

std::optional<ReadError> RecordReader::readRecord(std::span<const Target> targets, std::span<FieldValue> out)
{
    const std::size_t recordStart = m_pos;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const FieldStatus status = readField(targets[i], out[i]);
        if (status == FieldStatus::Read)
            continue;
        ReadError error;
        error.fieldsRead = static_cast<int>(i);
        error.field = static_cast<int>(i) + 1;
        error.fieldCount = static_cast<int>(targets.size());
        if (status == FieldStatus::UnterminatedQuote) {
            error.code = ReadErrorCode::UnterminatedQuote;
            error.line = lineAt(m_pos);
        } else {
            error.code = ReadErrorCode::EndsInsideRecord;
            // The line where the record begins: where the user goes to look.
            error.line = lineAt(std::min(skipBlanksAndLineEnds(recordStart), m_text.size() - (m_text.empty() ? 0 : 1)));
        }
        m_pos = m_text.size();
        m_trailingFieldTaken = true;
        return error;
    }
    return std::nullopt;
}

ReadResult<std::vector<FieldValue>> RecordReader::readRecord(std::span<const Target> targets)
{
    std::vector<FieldValue> values(targets.size());
    if (auto error = readRecord(targets, values))
        return std::move(*error);
    return values;
}

}  // namespace teamtool
