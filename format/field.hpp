// Writing a converted argument as the field of its directive: the text, with
// blanks up to the directive's width.
#pragma once

#include <cstddef>
#include <cstdint>

#include "format/directive.hpp"
#include "format/small_copy.hpp"

namespace bootspan {

// Writes `text` (`length` bytes) with `width` - `length` blanks in front of
// it, or after it when `leftAlign`; `width` is above `length`. Each piece is
// cut to the room left: at most `room` bytes at `to`, and returns their count.
std::size_t writePaddedField(char* to, std::size_t room, const char* text, std::size_t length,
                             std::uint32_t width, bool leftAlign);

// Writes `text` (`length` bytes) as the field of directive `d`: blanks up to
// its width in front of the text, or after it when left-aligned, and nothing
// more when the width is at most the length. Writes at most `room` bytes at
// `to` and returns their count. Example: "ab" as the field of "%-4s" gives
// "ab  ".
inline std::size_t writeField(char* to, std::size_t room, const Directive& d, const char* text,
                              std::size_t length) {
  if (d.width > length) return writePaddedField(to, room, text, length, d.width, d.leftAlign);
  const std::size_t n = length < room ? length : room;
  copyBytes(to, text, n);
  return n;
}

}  // namespace bootspan
