// Windows-1251 <-> UTF-8. Every file and wire format of the program is Windows-1251 bytes;
// text becomes UTF-8 only where a person sees it.
#pragma once

#include <string>
#include <string_view>

namespace tarnel {

// Every byte maps to one code point (0x98, unassigned, maps to U+0098), so decoding never fails
// and Utf8ToCp1251(Cp1251ToUtf8(b)) == b for any bytes b.
std::string Cp1251ToUtf8(std::string_view bytes);

// Characters Windows-1251 cannot hold, and malformed UTF-8 sequences, become `replacement`.
std::string Utf8ToCp1251(std::string_view utf8, char replacement = '?');

// The Unicode code point of one Windows-1251 byte.
char32_t Cp1251ToUnicode(unsigned char byte);
// The Windows-1251 byte of a code point, or -1 when it has none.
int UnicodeToCp1251(char32_t codePoint);

}  // namespace tarnel
