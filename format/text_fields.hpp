// The field of the s letter: a text argument cut to the precision, then
// padded with blanks to the width.
#pragma once

#include <cstddef>
#include <cstdint>

#include "format/directive.hpp"
#include "format/format.hpp"

namespace bootspan {

// s for the kinds rarer in messages: counted and wide texts and variants.
// Raises EConvertError for a kind that is no text, and EVariantError for a
// variant that is neither empty nor null (none converts to text here).
// Writes at most `room` bytes at `to` and returns their count.
std::size_t rareTextField(char* to, std::size_t room, const Directive& d, const TArgValue& arg);

// s for any argument: text values, zero-terminated texts and characters
// here, the rarer kinds through rareTextField. A negative precision (none
// given) cuts nothing. Writes at most `room` bytes at `to` and returns their
// count. Example: "%-4.2s" of "abc" gives "ab  ".
std::size_t textField(char* to, std::size_t room, const Directive& d, const TArgValue& arg);

}  // namespace bootspan
