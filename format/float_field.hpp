// The field of the letters e, f, g, n and m: a floating value or currency
// amount as text, padded with blanks to the width.
#pragma once

#include <cstddef>

#include "format/directive.hpp"
#include "format/format_engine.hpp"

namespace bootspan {

// Writes the floating text of an extended or currency argument in the form
// of the directive's letter (upper case 'G', 'E', 'F', 'N' or 'M'). The
// precision, when 0..18, gives the digits of G and E (else 15) or the
// decimals of F, N and M (else 2, or the locale's currency digits for M);
// it never cuts the text. Raises EConvertError for any other kind of
// argument. Writes at most `room` bytes at `to` and returns their count.
// Example: "%.1f" of 2.25 gives "2.3".
std::size_t floatField(char* to, std::size_t room, const Directive& d, const TArgValue& arg);

}  // namespace bootspan
