// The digits of d, u, x and p against the standard library's own integer
// text, over the edges of every digit count, with precisions, widths and
// every capacity; and the "%.*d" template of the date-time renderer against
// the same directive spelled so that the general scan reads it.
#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "format/format_engine.hpp"
#include "platform/fake/fake_platform.hpp"
#include "tests/test_support.hpp"

namespace bootspan {
namespace {

// The values whose digit counts change: 0, ±1, and every power of ten and of
// sixteen with its neighbours, the 32-bit ends, and a few random values.
std::vector<std::int64_t> edgeValues() {
  std::vector<std::int64_t> values = {0,         1,        -1, INT32_MAX, INT32_MIN, 0xFFFFFFFFLL,
                                      INT64_MAX, INT64_MIN};
  std::int64_t p = 1;
  for (int exponent = 1; exponent <= 18; ++exponent) {  // 10^18 is the last that fits
    p *= 10;
    for (std::int64_t v : {p - 1, p, p + 1})
      values.insert(values.end(), {v, -v});
  }
  for (int shift = 4; shift < 64; shift += 4) {
    const std::int64_t p = std::int64_t{1} << shift;
    for (std::int64_t v : {p - 1, p, p + 1})
      values.insert(values.end(), {v, -v});
  }
  std::mt19937_64 random(5);
  for (int i = 0; i < 40; ++i) {
    const auto v = static_cast<std::int64_t>(random());
    values.insert(values.end(), {v, v >> 32, v >> 48});
  }
  return values;
}

// The digits of `magnitude` in `base` by the standard library, upper case.
std::string libraryDigits(std::uint64_t magnitude, int base) {
  char text[24];
  const auto end = std::to_chars(text, text + sizeof text, magnitude, base).ptr;
  std::string digits(text, end);
  for (char& c : digits) {
    if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
  }
  return digits;
}

// The field: '-', zeros up to a precision of 0..16, the digits, then blanks
// to the width (after the text when left-aligned).
std::string field(bool negative, const std::string& digits, int precision, int width,
                  bool leftAlign) {
  std::string text = digits;
  if (precision >= 0 && precision <= 16 && static_cast<std::size_t>(precision) > digits.size()) {
    text.insert(0, static_cast<std::size_t>(precision) - digits.size(), '0');
  }
  if (negative) text.insert(0, 1, '-');
  if (static_cast<std::size_t>(width) > text.size()) {
    const std::string blanks(static_cast<std::size_t>(width) - text.size(), ' ');
    text = leftAlign ? text + blanks : blanks + text;
  }
  return text;
}

// formatIntoBuffer at every capacity from 0 to the whole result gives the
// prefix that fits and touches nothing beyond it.
void expectEveryCapacity(const std::string& templateText, const std::vector<TArgValue>& args,
                         const std::string& expected) {
  for (std::size_t capacity = 0; capacity <= expected.size(); ++capacity) {
    char buffer[96];
    std::memset(buffer, '#', sizeof buffer);
    const std::size_t n = formatIntoBuffer(buffer, capacity, templateText.data(),
                                           templateText.size(), TArgList(args));
    ASSERT_EQ(std::string(buffer, n), expected.substr(0, capacity))
        << templateText << " in " << capacity;
    for (std::size_t i = n; i < sizeof buffer; ++i)
      ASSERT_EQ(buffer[i], '#') << templateText << " in " << capacity;
  }
}

class FormatIntegers : public ::testing::Test {
 protected:
  FakePlatform fake;
};

struct Shape {
  const char* directive;  // before the letter
  int width;
  int precision;
  bool leftAlign;
};

constexpr Shape kShapes[] = {
    {"%", 0, -1, false},      {"%.0", 0, 0, false},    {"%.1", 0, 1, false},
    {"%.2", 0, 2, false},     {"%.9", 0, 9, false},    {"%.10", 0, 10, false},
    {"%.11", 0, 11, false},   {"%.16", 0, 16, false},  {"%.17", 0, 17, false},
    {"%.20", 0, 20, false},   {"%3", 3, -1, false},    {"%-3", 3, -1, true},
    {"%12", 12, -1, false},   {"%-12.5", 12, 5, true}, {"%21.16", 21, 16, false},
    {"%-24.16", 24, 16, true}};

TEST_F(FormatIntegers, ThirtyTwoBitDigitsMatchTheLibrary) {
  for (const std::int64_t wide : edgeValues()) {
    const auto v = static_cast<std::int32_t>(wide);
    const auto bits = static_cast<std::uint32_t>(v);
    const bool negative = v < 0;
    const std::uint32_t magnitude = negative ? 0u - bits : bits;
    for (const Shape& s : kShapes) {
      const std::vector<TArgValue> args = {integerArg(v)};
      expectEveryCapacity(
          std::string(s.directive) + "d", args,
          field(negative, libraryDigits(magnitude, 10), s.precision, s.width, s.leftAlign));
      expectEveryCapacity(std::string(s.directive) + "u", args,
                          field(false, libraryDigits(bits, 10), s.precision, s.width, s.leftAlign));
      expectEveryCapacity(std::string(s.directive) + "x", args,
                          field(false, libraryDigits(bits, 16), s.precision, s.width, s.leftAlign));
    }
  }
}

TEST_F(FormatIntegers, SixtyFourBitDigitsMatchTheLibrary) {
  for (const std::int64_t v : edgeValues()) {
    const auto bits = static_cast<std::uint64_t>(v);
    const bool negative = v < 0;
    const std::uint64_t magnitude = negative ? 0 - bits : bits;
    for (const Shape& s : kShapes) {
      const std::vector<TArgValue> args = {int64Arg(v)};
      expectEveryCapacity(
          std::string(s.directive) + "d", args,
          field(negative, libraryDigits(magnitude, 10), s.precision, s.width, s.leftAlign));
      expectEveryCapacity(std::string(s.directive) + "u", args,
                          field(false, libraryDigits(bits, 10), s.precision, s.width, s.leftAlign));
      expectEveryCapacity(std::string(s.directive) + "X", args,
                          field(false, libraryDigits(bits, 16), s.precision, s.width, s.leftAlign));
    }
  }
}

TEST_F(FormatIntegers, PointerDigitsMatchTheLibrary) {
  for (const std::int64_t v : edgeValues()) {
    const auto address = static_cast<std::uintptr_t>(v);
    const std::vector<TArgValue> args = {pointerArg(reinterpret_cast<const void*>(address))};
    for (const Shape& s : kShapes) {
      // The precision of p is always 8.
      expectEveryCapacity(std::string(s.directive) + "p", args,
                          field(false, libraryDigits(address, 16), 8, s.width, s.leftAlign));
    }
  }
}

// The renderer's "%.*d" against "%-.*d", the same field (no width to align)
// read by the general scan: every precision, number and capacity.
TEST_F(FormatIntegers, DigitsTemplateIsTheSameFieldAsTheScanWrites) {
  const std::int32_t numbers[] = {0,   1,      7,          9,         10,        59,
                                  99,  100,    999,        1000,      65535,     -1,
                                  -10, -65535, 1000000000, 999999999, INT32_MAX, INT32_MIN};
  for (std::int32_t precision = -3; precision <= 20; ++precision) {
    for (const std::int32_t number : numbers) {
      const TArgValue args[] = {integerArg(precision), integerArg(number)};
      for (std::size_t capacity = 0; capacity <= 24; ++capacity) {
        char fast[32];
        char scan[32];
        std::memset(fast, '#', sizeof fast);
        std::memset(scan, '#', sizeof scan);
        const std::size_t n = formatIntoBuffer(fast, capacity, "%.*d", 4, TArgList(args));
        const std::size_t m = formatIntoBuffer(scan, capacity, "%-.*d", 5, TArgList(args));
        ASSERT_EQ(std::string(fast, sizeof fast), std::string(scan, sizeof scan))
            << precision << " " << number << " in " << capacity;
        ASSERT_EQ(n, m);
      }
    }
  }
}

TEST_F(FormatIntegers, DigitsTemplateWithOtherArguments) {
  const std::string text = "x";
  const std::int64_t wide = -12345678901LL;
  struct Case {
    std::vector<TArgValue> args;
    std::string expected;
  };
  const Case cases[] = {
      {{integerArg(3), integerArg(7), integerArg(9)}, "007"},  // extra arguments are left
      {{textArg(text), integerArg(7)}, "7"},                   // a non-integer '*' reads 0
      {{integerArg(3), int64Arg(wide)}, "-12345678901"},
  };
  for (const Case& c : cases) {
    char buffer[16];
    const std::size_t n = formatIntoBuffer(buffer, sizeof buffer, "%.*d", 4, TArgList(c.args));
    EXPECT_EQ(std::string(buffer, n), c.expected);
  }
  char buffer[16];
  const TArgValue one[] = {integerArg(3)};
  const auto raised = testing::raisedBy([&] { formatIntoBuffer(buffer, 16, "%.*d", 4, one); });
  ASSERT_TRUE(raised);
  EXPECT_EQ(raised->message, "No argument for format '%.*d'");
  const TArgValue wrong[] = {integerArg(3), textArg(text)};
  const auto wrongKind =
      testing::raisedBy([&] { formatIntoBuffer(buffer, 16, "%.*d", 4, TArgList(wrong)); });
  ASSERT_TRUE(wrongKind);
  EXPECT_EQ(wrongKind->message, "Format '%.*d' invalid or incompatible with argument");
}

}  // namespace
}  // namespace bootspan
