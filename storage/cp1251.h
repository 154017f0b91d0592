#pragma once

#include <string>
#include <string_view>

namespace ampera {

// The single-byte Cyrillic code page Windows-1251, in which the settings file
// and the report are kept on disk. Everything else in the program is UTF-8.

// UTF-8 to Windows-1251. A character the code page lacks becomes '?', and so
// does every byte that is not part of a well-formed UTF-8 sequence.
std::string utf8ToCp1251(std::string_view utf8);

// Whether the bytes are well-formed UTF-8 throughout.
bool isWellFormedUtf8(std::string_view bytes);

// Windows-1251 to UTF-8. Every byte maps to a character; the one unassigned
// byte 0x98 becomes U+FFFD (the replacement character).
std::string cp1251ToUtf8(std::string_view bytes);

// The character of one byte (below 0x80 the byte itself).
char32_t cp1251ToCodePoint(unsigned char byte);

// The byte of one character, or 0 when the code page has no such character
// (U+0000 itself maps to 0 as well).
unsigned char codePointToCp1251(char32_t cp);

}  // namespace ampera
