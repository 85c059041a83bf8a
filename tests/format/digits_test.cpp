// The shared digit writers against the standard library's integer text: the
// pair path of writeZeroFilled (numbers below 100 in one or two characters)
// and its general path over every width, and the fixed nine-digit writer.
#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "format/digits.hpp"

namespace bootspan {
namespace {

// `n` in `base` by the standard library, upper case, zeros in front to `width`.
std::string libraryText(std::uint64_t n, int base, std::size_t width) {
  char text[24];
  const auto end = std::to_chars(text, text + sizeof text, n, base).ptr;
  std::string digits(text, end);
  for (char& c : digits) {
    if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
  }
  return std::string(width > digits.size() ? width - digits.size() : 0, '0') + digits;
}

std::vector<std::uint64_t> samples() {
  std::vector<std::uint64_t> values;
  for (std::uint64_t n = 0; n < 10000; ++n)
    values.push_back(n);
  std::mt19937_64 random(7);
  for (int i = 0; i < 2000; ++i) {
    const std::uint64_t v = random();
    values.insert(values.end(), {v, v >> 16, v >> 32, v >> 40});
  }
  values.push_back(UINT64_MAX);
  return values;
}

TEST(Digits, ZeroFilledMatchesTheLibraryAtEveryWidth) {
  for (const std::uint64_t n : samples()) {
    const std::size_t count = digits::decimalCount(n);
    const std::size_t hexCount = digits::hexCount(n);
    ASSERT_EQ(count, libraryText(n, 10, 0).size()) << n;
    ASSERT_EQ(hexCount, libraryText(n, 16, 0).size()) << n;
    for (std::size_t width = count; width <= 20; ++width) {
      char text[24] = {};
      digits::writeZeroFilled(text, n, width);
      ASSERT_EQ(std::string(text, width), libraryText(n, 10, width)) << n << " in " << width;
      if (n <= UINT32_MAX) {
        digits::writeZeroFilled(text, static_cast<std::uint32_t>(n), width);
        ASSERT_EQ(std::string(text, width), libraryText(n, 10, width)) << n << " in " << width;
      }
    }
    for (std::size_t width = hexCount; width <= 20; ++width) {
      char text[24] = {};
      digits::writeHexZeroFilled(text, n, width);
      ASSERT_EQ(std::string(text, width), libraryText(n, 16, width)) << n << " in " << width;
    }
  }
}

TEST(Digits, NineDigitsAreZeroFilled) {
  for (const std::uint64_t n : samples()) {
    const auto v = static_cast<std::uint32_t>(n % 1000000000);
    char text[9];
    digits::writeNineDigits(text, v);
    ASSERT_EQ(std::string(text, 9), libraryText(v, 10, 9)) << v;
  }
}

}  // namespace
}  // namespace bootspan
