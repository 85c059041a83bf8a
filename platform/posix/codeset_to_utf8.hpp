// Locale texts in the locale's own character set, converted to UTF-8, the
// ANSI code page of the Linux build.
#pragma once

#include <string>
#include <string_view>

namespace bootspan {

// `text` in the character set `codeset` (an iconv name), as UTF-8. ASCII
// text, a null `codeset` and well-formed text in UTF-8 under any spelling
// ("UTF-8", "utf8") come back unchanged; a byte that cannot be converted
// (also one that breaks a text said to be UTF-8) becomes "?", and every byte
// above 0x7F does when iconv does not know the codeset.
// Example: toUtf8("M\xE4rz", "ISO-8859-1") == "März";
// toUtf8("M\xE4rz", "UTF-8") == "M?rz".
std::string toUtf8(std::string_view text, const char* codeset);

}  // namespace bootspan
