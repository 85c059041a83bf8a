#include "format/integer_fields.hpp"

namespace bootspan {

std::size_t hexField(char* to, std::size_t room, Directive d, std::int32_t precision,
                     std::uint64_t bits) {
  const std::size_t length = shownDigits(precision, digits::hexCount(bits));
  char text[kMaxZeroFill + 16];  // the zeros, at most 16 digits
  digits::writeHexZeroFilled(text, bits, length);
  return writeField(to, room, d, text, length);
}

std::size_t integerDirective(char* to, std::size_t room, Directive d, std::int64_t value) {
  const auto bits = static_cast<std::uint64_t>(value);
  if (d.letter == 'X') return hexField(to, room, d, d.precision, bits);
  const bool negative = d.letter == 'D' && value < 0;
  return decimalField(to, room, d, negative ? 0u - bits : bits, negative);
}

std::size_t pointerField(char* to, std::size_t room, Directive d, std::uint64_t address) {
  return hexField(to, room, d, 8, address);
}

}  // namespace bootspan
