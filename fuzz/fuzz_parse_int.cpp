// parseIntOr on any text and default: equals a reference reader written here
// as a plain state machine over the bytes.
//
// Input: four bytes of the default (little-endian), then the text.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/fuzz_format_args.hpp"
#include "locale/parse_int.hpp"

using namespace bootspan;
using namespace bootspan::fuzzing;

namespace {

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Blanks, a sign, then either decimal digits (the signed value must fit 32
// bits) or "$", "x", "X", "0x" or "0X" and one to eight hexadecimal digits
// (the 32-bit pattern as signed, a "-" negating it modulo 2^32); every byte up
// to the first zero must belong to the number.
std::int32_t reference(std::string_view text, std::int32_t fallback) {
  const std::size_t zero = text.find('\0');
  if (zero != std::string_view::npos) text = text.substr(0, zero);
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ')
    ++i;
  int sign = 1;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') sign = -1;
    ++i;
  }
  bool hex = false;
  if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    hex = true;
    i += 1;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  const std::size_t digits = text.size() - i;
  if (digits == 0) return fallback;
  if (hex) {
    if (digits > 8) return fallback;
    std::uint64_t value = 0;
    for (; i < text.size(); ++i) {
      const int d = hexValue(text[i]);
      if (d < 0) return fallback;
      value = value * 16 + static_cast<std::uint64_t>(d);
    }
    std::uint64_t bits = sign < 0 ? (std::uint64_t{1} << 32) - value : value;
    bits &= 0xFFFFFFFFu;
    return static_cast<std::int32_t>(bits >= 0x80000000u
                                         ? static_cast<std::int64_t>(bits) - 0x100000000
                                         : static_cast<std::int64_t>(bits));
  }
  std::int64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return fallback;
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > 0x80000000LL) magnitude = 0x80000001LL;  // too large either way; stays so
  }
  const std::int64_t value = sign * magnitude;
  if (value < INT32_MIN || value > INT32_MAX) return fallback;
  return static_cast<std::int32_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Reader in(data, size);
  std::uint32_t bits = 0;
  for (int k = 0; k < 4; ++k)
    bits |= static_cast<std::uint32_t>(in.byte()) << (8 * k);
  const auto fallback = static_cast<std::int32_t>(bits);
  const std::string text = in.rest();
  if (parseIntOr(text, fallback) != reference(text, fallback)) std::abort();
  return 0;
}
