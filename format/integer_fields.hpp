// The fields of the integer letters d, u, x and p: an optional '-', the
// digits with zeros in front up to a precision of 0..kMaxZeroFill, then
// blanks to the width.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "format/digits.hpp"
#include "format/directive.hpp"
#include "format/format_limits.hpp"
#include "format/sink.hpp"

namespace bootspan {

// Writes the field of an integer with `count` digits; `precision` asks for
// zeros in front (any value outside 0..kMaxZeroFill asks for none).
// `write(to, shown)` puts the digits in `shown` characters, zero-filled. The
// text goes straight to the destination when the whole field fits, else
// through a scratch area, cut to the room left.
template <class WriteDigits>
inline void integerField(Sink& s, const Directive& d, std::int32_t precision, bool negative,
                         std::size_t count, WriteDigits write) {
  const auto wanted = static_cast<std::uint32_t>(precision);
  const std::size_t shown = wanted <= kMaxZeroFill && wanted > count ? wanted : count;
  const std::size_t length = (negative ? 1 : 0) + shown;  // at most 21
  const std::size_t fill = d.width > length ? d.width - length : 0;
  const auto text = [&](char* to) {
    if (negative) *to++ = '-';
    write(to, shown);
  };
  if (fill + length > s.room) {
    char scratch[1 + kMaxZeroFill + 20];  // the sign, the zeros, at most 20 digits
    text(scratch);
    s.padded(scratch, length, d.width, d.leftAlign);
    return;
  }
  if (fill != 0 && !d.leftAlign) s.blanks(fill);
  text(s.next);
  s.advance(length);
  if (fill != 0 && d.leftAlign) s.blanks(fill);
}

// d and u: the decimal digits of `magnitude`, '-' in front when negative.
template <class Unsigned>
inline void decimalField(Sink& s, const Directive& d, Unsigned magnitude, bool negative) {
  integerField(
      s, d, d.precision, negative, digits::decimalCount(magnitude),
      [magnitude](char* to, std::size_t shown) { digits::writeZeroFilled(to, magnitude, shown); });
}

// x and p: the upper-case hexadecimal digits of `bits`.
inline void hexField(Sink& s, const Directive& d, std::int32_t precision, std::uint64_t bits) {
  integerField(s, d, precision, false, digits::hexCount(bits), [bits](char* to, std::size_t shown) {
    digits::writeHexZeroFilled(to, bits, shown);
  });
}

// d, u and x of a 32-bit or 64-bit integer (`Signed` is its type): d reads
// it as signed, u and x as unsigned.
template <class Signed>
inline void integerDirective(Sink& s, const Directive& d, Signed value) {
  using Unsigned = std::make_unsigned_t<Signed>;
  const auto bits = static_cast<Unsigned>(value);
  if (d.letter == 'X') {
    hexField(s, d, d.precision, bits);
    return;
  }
  const bool negative = d.letter == 'D' && value < 0;
  decimalField(s, d, negative ? Unsigned{0} - bits : bits, negative);
}

}  // namespace bootspan
