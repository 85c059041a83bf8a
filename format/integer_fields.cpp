#include "format/integer_fields.hpp"

#include <type_traits>

#include "format/digits.hpp"
#include "format/field.hpp"
#include "format/format_limits.hpp"

namespace bootspan {

namespace {

// The digits a number of `count` digits shows: `precision` of them when
// that asks for more and is at most kMaxZeroFill, else `count`.
std::size_t shownDigits(std::int32_t precision, std::size_t count) {
  const auto wanted = static_cast<std::uint32_t>(precision);
  return wanted <= kMaxZeroFill && wanted > count ? wanted : count;
}

// The upper-case hexadecimal digits of `bits`, zeros in front up to
// `precision`. Example: precision 4 of 0xFF gives "00FF".
std::size_t hexField(char* to, std::size_t room, const Directive& d, std::int32_t precision,
                     std::uint64_t bits) {
  const std::size_t length = shownDigits(precision, digits::hexCount(bits));
  char text[kMaxZeroFill + 16];  // the zeros, at most 16 digits
  digits::writeHexZeroFilled(text, bits, length);
  return writeField(to, room, d, text, length);
}

// d, u and x of a 32-bit or 64-bit integer (`Signed` is its type).
template <class Signed>
std::size_t signedDirective(char* to, std::size_t room, const Directive& d, Signed value) {
  using Unsigned = std::make_unsigned_t<Signed>;
  const auto bits = static_cast<Unsigned>(value);
  if (d.letter == 'X') return hexField(to, room, d, d.precision, bits);
  const bool negative = d.letter == 'D' && value < 0;
  const Unsigned magnitude = negative ? Unsigned{0} - bits : bits;
  char text[1 + kMaxZeroFill + 20];  // the sign, the zeros, at most 20 digits
  char* at = text;
  if (negative) *at++ = '-';
  const std::size_t shown = shownDigits(d.precision, digits::decimalCount(magnitude));
  digits::writeZeroFilled(at, magnitude, shown);
  return writeField(to, room, d, text, static_cast<std::size_t>(at - text) + shown);
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
