#include "format/integer_fields.hpp"

#include <type_traits>

#include "format/digits.hpp"
#include "format/format_limits.hpp"
#include "format/sink.hpp"

namespace bootspan {

namespace {

// Writes the field of an integer with `count` digits; `precision` asks for
// zeros in front (any value outside 0..kMaxZeroFill asks for none).
// `write(to, shown)` puts the digits in `shown` characters, zero-filled. The
// text goes straight to the destination when the whole field fits, else
// through a scratch area, cut to the room left.
template <class WriteDigits>
std::size_t integerField(char* to, std::size_t room, const Directive& d, std::int32_t precision,
                         bool negative, std::size_t count, WriteDigits write) {
  Sink s{to, room};
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
    return static_cast<std::size_t>(s.next - to);
  }
  if (fill != 0 && !d.leftAlign) s.blanks(fill);
  text(s.next);
  s.advance(length);
  if (fill != 0 && d.leftAlign) s.blanks(fill);
  return static_cast<std::size_t>(s.next - to);
}

// d and u: the decimal digits of `magnitude`, '-' in front when negative.
template <class Unsigned>
std::size_t decimalField(char* to, std::size_t room, const Directive& d, Unsigned magnitude,
                         bool negative) {
  return integerField(
      to, room, d, d.precision, negative, digits::decimalCount(magnitude),
      [magnitude](char* at, std::size_t shown) { digits::writeZeroFilled(at, magnitude, shown); });
}

// x and p: the upper-case hexadecimal digits of `bits`.
std::size_t hexField(char* to, std::size_t room, const Directive& d, std::int32_t precision,
                     std::uint64_t bits) {
  return integerField(
      to, room, d, precision, false, digits::hexCount(bits),
      [bits](char* at, std::size_t shown) { digits::writeHexZeroFilled(at, bits, shown); });
}

// d, u and x of a 32-bit or 64-bit integer (`Signed` is its type): d reads
// it as signed, u and x as unsigned.
template <class Signed>
std::size_t signedDirective(char* to, std::size_t room, const Directive& d, Signed value) {
  using Unsigned = std::make_unsigned_t<Signed>;
  const auto bits = static_cast<Unsigned>(value);
  if (d.letter == 'X') return hexField(to, room, d, d.precision, bits);
  const bool negative = d.letter == 'D' && value < 0;
  return decimalField(to, room, d, negative ? Unsigned{0} - bits : bits, negative);
}

}  // namespace

std::size_t integerDirective(char* to, std::size_t room, const Directive& d, std::int32_t value) {
  return signedDirective(to, room, d, value);
}

std::size_t integerDirective(char* to, std::size_t room, const Directive& d, std::int64_t value) {
  return signedDirective(to, room, d, value);
}

std::size_t pointerField(char* to, std::size_t room, const Directive& d, std::uint64_t address) {
  return hexField(to, room, d, 8, address);
}

}  // namespace bootspan
