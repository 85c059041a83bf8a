// The fields of the integer letters d, u, x and p: an optional '-', the
// digits with zeros in front up to a precision of 0..kMaxZeroFill, then
// blanks to the width.
#pragma once

#include <cstddef>
#include <cstdint>

#include "format/digits.hpp"
#include "format/directive.hpp"
#include "format/field.hpp"
#include "format/format_limits.hpp"

namespace bootspan {

// Like every field writer, the ones here write at most `room` bytes at `to`
// and return their count.

// The digits a number of `count` digits shows: `precision` of them when
// that asks for more and is at most kMaxZeroFill, else `count`.
inline std::size_t shownDigits(std::int32_t precision, std::size_t count) {
  const auto wanted = static_cast<std::uint32_t>(precision);
  return wanted <= kMaxZeroFill && wanted > count ? wanted : count;
}

// d and u: the decimal digits of `magnitude`, '-' in front when negative.
// The text goes straight to the destination when it needs no blanks and
// fits; otherwise it is made in a scratch area and written as a padded,
// cut field. Example: "%.3d" of -7 gives "-007".
template <class Unsigned>
inline std::size_t decimalField(char* to, std::size_t room, const Directive& d, Unsigned magnitude,
                                bool negative) {
  const std::size_t shown = shownDigits(d.precision, digits::decimalCount(magnitude));
  const std::size_t length = (negative ? 1 : 0) + shown;  // at most 21
  const auto writeText = [=](char* at) {
    if (negative) *at++ = '-';
    digits::writeZeroFilled(at, magnitude, shown);
  };
  if (length >= d.width && length <= room) {
    writeText(to);
    return length;
  }
  char text[1 + kMaxZeroFill + 20];  // the sign, the zeros, at most 20 digits
  writeText(text);
  return writeField(to, room, d, text, length);
}

// x and p: the upper-case hexadecimal digits of `bits`, zeros in front up to
// `precision`. Example: precision 4 of 0xFF gives "00FF".
std::size_t hexField(char* to, std::size_t room, Directive d, std::int32_t precision,
                     std::uint64_t bits);

// d, u and x of a 32-bit integer: d reads it as signed, u and x as unsigned.
// Example: "%x" of -1 gives "FFFFFFFF", "%u" gives "4294967295".
std::size_t integerDirective(char* to, std::size_t room, Directive d, std::int32_t value);

// d, u and x of a 64-bit integer, as for 32 bits.
std::size_t integerDirective(char* to, std::size_t room, Directive d, std::int64_t value);

// p: the address in upper-case hexadecimal, at least 8 digits whatever the
// precision. Example: 0x1A2B gives "00001A2B".
std::size_t pointerField(char* to, std::size_t room, Directive d, std::uint64_t address);

}  // namespace bootspan
