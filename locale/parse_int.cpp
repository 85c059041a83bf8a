#include "locale/parse_int.hpp"

#include <optional>

namespace bootspan {

namespace {

std::optional<unsigned> hexDigitValue(char c) {
  if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
  return std::nullopt;
}

// One to eight hexadecimal digits filling the whole of `digits`.
std::optional<std::uint32_t> readHex(std::string_view digits) {
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  std::uint32_t value = 0;
  for (char c : digits) {
    const auto d = hexDigitValue(c);
    if (!d) return std::nullopt;
    value = (value << 4) | *d;  // at most 8 digits: never overflows
  }
  return value;
}

// Decimal digits filling the whole of `digits`, as a magnitude up to 2^31.
std::optional<std::uint32_t> readDecimalMagnitude(std::string_view digits) {
  constexpr std::uint32_t kLimit = 0x80000000u;  // |INT32_MIN|
  if (digits.empty()) return std::nullopt;
  std::uint32_t value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    const auto d = static_cast<std::uint32_t>(c - '0');
    if (value > (kLimit - d) / 10) return std::nullopt;  // value * 10 + d > 2^31
    value = value * 10 + d;
  }
  return value;
}

}  // namespace

std::int32_t parseIntOr(std::string_view text, std::int32_t defaultValue) {
  if (const auto zero = text.find('\0'); zero != std::string_view::npos) {
    text = text.substr(0, zero);
  }
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ')
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::string_view rest = text.substr(i);

  std::size_t hexStart = 0;
  if (!rest.empty() && (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X')) {
    hexStart = 1;
  } else if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
    hexStart = 2;
  }
  if (hexStart != 0) {
    const auto pattern = readHex(rest.substr(hexStart));
    if (!pattern) return defaultValue;
    const std::uint32_t bits = negative ? 0u - *pattern : *pattern;  // wraps modulo 2^32
    return static_cast<std::int32_t>(bits);
  }

  const auto magnitude = readDecimalMagnitude(rest);
  if (!magnitude) return defaultValue;
  if (negative) return static_cast<std::int32_t>(0u - *magnitude);  // 2^31 gives INT32_MIN
  if (*magnitude > 0x7FFFFFFFu) return defaultValue;
  return static_cast<std::int32_t>(*magnitude);
}

}  // namespace bootspan
