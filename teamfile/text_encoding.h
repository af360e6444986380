#pragma once

// The team file's bytes as the program's own text: UTF-8 inside.

#include <string>
#include <string_view>

namespace teamtool {

// True when bytes are well-formed UTF-8: no overlong forms, no surrogates, nothing
// past U+10FFFF, no sequence cut short.
bool isValidUtf8(std::string_view bytes);

// Windows-1252 bytes as UTF-8. The five byte values the code page leaves unassigned
// become the control characters of the same number, as Windows itself maps them.
std::string windows1252ToUtf8(std::string_view bytes);

// A team file's bytes as UTF-8: a file that is valid UTF-8 is taken as it is, less a
// leading byte-order mark; any other file is read as Windows-1252.
std::string decodeTeamFileText(std::string bytes);

}  // namespace teamtool
