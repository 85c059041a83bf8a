// The fields of the integer letters d, u, x and p: an optional '-', the
// digits with zeros in front up to a precision of 0..kMaxZeroFill, then
// blanks to the width.
#pragma once

#include <cstddef>
#include <cstdint>

#include "format/digits.hpp"
#include "format/directive.hpp"
#include "format/format_limits.hpp"

namespace bootspan {

// Like every field writer, the ones here write at most `room` bytes at `to`
// and return their count.

// d, u and x of a 32-bit or 64-bit integer: d reads it as signed, u and x as
// unsigned. Example: "%.3d" of -7 gives "-007", "%x" of -1 gives "FFFFFFFF".
std::size_t integerDirective(char* to, std::size_t room, const Directive& d, std::int32_t value);
std::size_t integerDirective(char* to, std::size_t room, const Directive& d, std::int64_t value);

// Whether directive `d` of the integer `value` is a short decimal: d or u of
// 0..99 without a width, asking for at most two digits (or for none, or for
// more than kMaxZeroFill, which add no zeros). The date-time renderer's
// numbers are all of this kind.
inline bool isShortDecimal(const Directive& d, std::int32_t value) {
  const auto wanted = static_cast<std::uint32_t>(d.precision);
  return d.letter != 'X' && static_cast<std::uint32_t>(value) < 100 && d.width == 0 &&
         (wanted <= 2 || wanted > kMaxZeroFill);
}

// The field of a short decimal, the same bytes integerDirective writes: one
// or two characters from the pair table ("05" for 5 asked with two digits,
// "5" otherwise), cut to the room. Example: 7 with precision 2 gives "07".
inline std::size_t shortDecimalField(char* to, std::size_t room, const Directive& d,
                                     std::uint32_t value) {
  const char* pair = digits::kDigitPairs + 2 * value;
  if (room == 0) return 0;
  if (value < 10 && d.precision != 2) {
    to[0] = pair[1];
    return 1;
  }
  to[0] = pair[0];
  if (room == 1) return 1;
  to[1] = pair[1];
  return 2;
}

// p: the address in upper-case hexadecimal, at least 8 digits whatever the
// precision. Example: 0x1A2B gives "00001A2B".
std::size_t pointerField(char* to, std::size_t room, const Directive& d, std::uint64_t address);

}  // namespace bootspan
