// Reading whole numbers from locale answers.
#pragma once

#include <cstdint>
#include <string_view>

namespace bootspan {

// Reads a signed 32-bit number from `text`, which is read up to its first zero
// byte; gives `defaultValue` when the text is not a number.
//
// Accepted: leading blanks (spaces only), an optional "-" or "+", then either
// decimal digits up to the end (the value must fit a signed 32-bit integer),
// or a hexadecimal form "$", "x", "X", "0x" or "0X" followed by one to eight
// hexadecimal digits of either case, up to the end. The hexadecimal digits give
// the 32-bit pattern read as signed ("$FFFFFFFF" is -1); a "-" before it
// negates with 32-bit wrap-around ("-$10" is -16). Anything else, an empty text
// and trailing blanks included, gives the default.
// Example: parseIntOr(" 42", 0) == 42, parseIntOr("1 ", 7) == 7.
std::int32_t parseIntOr(std::string_view text, std::int32_t defaultValue);

}  // namespace bootspan
