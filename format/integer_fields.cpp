#include "format/integer_fields.hpp"

#include <type_traits>

namespace bootspan {

namespace {

// d, u and x of a 32-bit or 64-bit integer (`Signed` is its type).
template <class Signed>
std::size_t signedDirective(char* to, std::size_t room, const Directive& d, Signed value) {
  using Unsigned = std::make_unsigned_t<Signed>;
  const auto bits = static_cast<Unsigned>(value);
  if (d.letter == 'X') return hexField(to, room, d, d.precision, bits);
  const bool negative = d.letter == 'D' && value < 0;
  return decimalField(to, room, d, negative ? Unsigned{0} - bits : bits, negative);
}

}  // namespace

std::size_t hexField(char* to, std::size_t room, Directive d, std::int32_t precision,
                     std::uint64_t bits) {
  const std::size_t length = shownDigits(precision, digits::hexCount(bits));
  char text[kMaxZeroFill + 16];  // the zeros, at most 16 digits
  digits::writeHexZeroFilled(text, bits, length);
  return writeField(to, room, d, text, length);
}

std::size_t integerDirective(char* to, std::size_t room, Directive d, std::int32_t value) {
  return signedDirective(to, room, d, value);
}

std::size_t integerDirective(char* to, std::size_t room, Directive d, std::int64_t value) {
  return signedDirective(to, room, d, value);
}

std::size_t pointerField(char* to, std::size_t room, Directive d, std::uint64_t address) {
  return hexField(to, room, d, 8, address);
}

}  // namespace bootspan
