// parseIntOr over every text of up to five symbols from " +-$xX0189aAfFgG"
// (1118481 texts), against a reference that decides by a regular expression
// and reads the value with the C library.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>

#include "locale/parse_int.hpp"

namespace bootspan {
namespace {

constexpr char kSymbols[] = " +-$xX0189aAfFgG";
constexpr int kSymbolCount = sizeof kSymbols - 1;

// Blanks, a sign, and either decimal digits or a hexadecimal prefix with one
// to eight digits, filling the whole text.
std::optional<std::int32_t> reference(const std::string& text) {
  static const std::regex kNumber(R"( *([+-]?)(?:([0-9]+)|(?:\$|x|X|0x|0X)([0-9a-fA-F]{1,8})))");
  std::smatch m;
  if (!std::regex_match(text, m, kNumber)) return std::nullopt;
  const bool negative = m[1] == "-";
  if (m[2].matched) {
    const long long magnitude = std::strtoll(m[2].str().c_str(), nullptr, 10);
    const long long value = negative ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
  }
  const auto bits = static_cast<std::uint32_t>(std::strtoull(m[3].str().c_str(), nullptr, 16));
  return static_cast<std::int32_t>(negative ? 0u - bits : bits);
}

TEST(ParseIntSweep, EveryTextOfUpToFiveSymbols) {
  int failures = 0;
  long long texts = 0, numbers = 0;
  std::string text;
  for (int length = 0; length <= 5; ++length) {
    int total = 1;
    for (int k = 0; k < length; ++k)
      total *= kSymbolCount;
    text.assign(static_cast<std::size_t>(length), ' ');
    for (int code = 0; code < total && failures < 10; ++code) {
      int rest = code;
      for (int k = 0; k < length; ++k, rest /= kSymbolCount)
        text[static_cast<std::size_t>(k)] = kSymbols[rest % kSymbolCount];
      const std::optional<std::int32_t> want = reference(text);
      // Two defaults, so that a number equal to one of them is still seen.
      const std::int32_t a = parseIntOr(text, 123456789);
      const std::int32_t b = parseIntOr(text, -987654321);
      const bool ok = want ? a == *want && b == *want : a == 123456789 && b == -987654321;
      if (!ok) {
        ADD_FAILURE() << "\"" << text << "\" gives " << a << " and " << b << ", expected "
                      << (want ? std::to_string(*want) : "the default");
        ++failures;
      }
      ++texts;
      numbers += want.has_value();
    }
  }
  EXPECT_EQ(texts, 1118481);
  // The sweep must reach numbers of every form, not only failures.
  EXPECT_GT(numbers, 20000);
}

}  // namespace
}  // namespace bootspan
