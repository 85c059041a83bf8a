// Writing a converted argument as the field of its directive: the text, with
// blanks up to the directive's width.
#pragma once

#include <cstddef>

#include "format/directive.hpp"

namespace bootspan {

// Writes `text` (`length` bytes) as the field of directive `d`: blanks up to
// its width in front of the text, or after it when left-aligned, and nothing
// more when the width is at most the length. Writes at most `room` bytes at
// `to` and returns their count. Example: "ab" as the field of "%-4s" gives
// "ab  ".
std::size_t writeField(char* to, std::size_t room, const Directive& d, const char* text,
                       std::size_t length);

}  // namespace bootspan
