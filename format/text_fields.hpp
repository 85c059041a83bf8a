// The field of the s letter: a text argument cut to the precision, then
// padded with blanks to the width.
#pragma once

#include <cstddef>

#include "format/directive.hpp"
#include "format/format_engine.hpp"

namespace bootspan {

// s for a text value, a zero-terminated text, a character, a counted text, a
// wide text (converted to the ANSI code page) or a variant. A negative
// precision (none given) cuts nothing. Raises EConvertError for a kind that
// is no text, and EVariantError for a variant that is neither empty nor null
// (none converts to text here). Writes at most `room` bytes at `to` and
// returns their count. Example: "%-4.2s" of "abc" gives "ab  ".
std::size_t textField(char* to, std::size_t room, const Directive& d, const TArgValue& arg);

}  // namespace bootspan
