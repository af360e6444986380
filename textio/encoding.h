// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Text is UTF-8 inside the program. Files come in as UTF-8 or Windows-1252 and the
// orders go out as Windows-1252; this is the one place that knows either encoding.

#include <cstddef>
#include <string>
#include <string_view>

namespace teamtool {

// Decodes the UTF-8 character at the start of bytes into code and returns its length
// in bytes, or 0 when it is not well-formed: an overlong form, a surrogate, a value
// past U+10FFFF, a sequence cut short or a byte that cannot start one.
std::size_t decodeUtf8(std::string_view bytes, char32_t& code);

// True when bytes are well-formed UTF-8 throughout.
bool isValidUtf8(std::string_view bytes);

// The number of characters of a UTF-8 text (its bytes that do not continue a sequence).
std::size_t utf8Length(std::string_view text);

// Windows-1252 bytes as UTF-8. The five byte values the code page leaves unassigned
// become the control characters of the same number, as Windows itself maps them.
std::string windows1252ToUtf8(std::string_view bytes);

// UTF-8 text as Windows-1252; a character the code page cannot hold, and a byte that
// is not UTF-8, become "?".
std::string toWindows1252(std::string_view utf8);

// A text file's bytes as UTF-8: a file that is valid UTF-8 is taken as it is, less a
// leading byte-order mark; any other file is read as Windows-1252.
// With `original`, the bytes as they were go there when the text is not exactly them;
// it is left empty when it is, so a caller that needs both holds one copy at most.
std::string decodeTextFile(std::string bytes, std::string* original = nullptr);

// The line (from 1) that the byte at position stands on. CR LF, LF and a lone CR each
// end a line.
std::size_t lineAtOffset(std::string_view text, std::size_t position);

}  // namespace teamtool
