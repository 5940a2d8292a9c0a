// Conversion between the UTF-8 texts the program works with and the
// Windows-1252 bytes stored in document and ranking-system files.
#pragma once

#include <string>
#include <string_view>

namespace scorvane::cp1252 {

// Every byte has a meaning: the five bytes that Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters U+0081 ... so
// that they are written back unchanged.
std::string ToUtf8(std::string_view bytes);
// The same conversion into an existing string, reusing its storage.
void AssignUtf8(std::string_view bytes, std::string& out);

// True when every byte is below 0x80: such a text is the same in UTF-8 and
// in Windows-1252.
bool IsAscii(std::string_view text);

// Characters that Windows-1252 cannot hold are written as "?"; the number of
// such replacements is added to *replaced when it is given. Malformed UTF-8
// sequences count as one replaced character each.
std::string FromUtf8(std::string_view utf8, int* replaced = nullptr);

// True when FromUtf8 would replace nothing.
bool CanEncode(std::string_view utf8);

}  // namespace scorvane::cp1252
