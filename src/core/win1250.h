#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zirdan {

// The one mapping between the Windows-1250 bytes held in memory and on disk and the
// Unicode text shown to the user. The five bytes that Windows-1250 leaves undefined map
// to the C1 control characters of the same value, so every byte survives a round trip.

// Unicode code point of one Windows-1250 byte.
char32_t Win1250ToUnicode(uint8_t byte);
// Windows-1250 byte of a code point, or -1 when Windows-1250 cannot hold it.
int UnicodeToWin1250(char32_t codePoint);

std::string Win1250ToUtf8(std::string_view text);
// Characters Windows-1250 cannot hold, and malformed UTF-8, become `replacement`.
std::string Utf8ToWin1250(std::string_view text, char replacement = '?');

// Upper case by the code page's own case mapping: the 66 lower-case letters (a to z and
// 40 accented ones) become their capitals, keeping diacritics; other bytes are unchanged.
char Win1250ToUpper(char byte);
std::string Win1250ToUpper(std::string_view text);

}  // namespace zirdan
