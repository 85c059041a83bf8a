// Single locale queries with the defaults that stand in for failed ones.
#pragma once

#include <string>
#include <string_view>

#include "platform/win_types.hpp"

namespace bootspan {

// The answer to `type` for `locale` (GetLocaleInfoA with a 256-byte buffer)
// without its terminating zero. A failed query, or an answer that needs more
// than 256 bytes with its terminator, gives `defaultText`; an empty answer
// gives the empty text. Zero bytes inside the answer are kept.
// Example: localeText(lcid, LOCALE_S1159, "am") == "AM" in an English locale.
std::string localeText(LCID locale, LCTYPE type, std::string_view defaultText);

// The one-byte answer to `type` for `locale` (GetLocaleInfoA with a 2-byte
// buffer). A failed query, or any answer longer than one byte (which does not
// fit), gives `defaultChar`; an empty answer gives the character 0.
// Example: localeChar(lcid, LOCALE_STHOUSAND, ',') == '.' in a German locale.
char localeChar(LCID locale, LCTYPE type, char defaultChar);

// The name answered for `type`, or, when the query fails or answers an empty
// text, the string `stringId` of the program's string table (empty when the
// table has none).
std::string localeNameOrBuiltIn(LCID locale, LCTYPE type, unsigned stringId);

}  // namespace bootspan
