// Random extended values against the exactly rounded decimal expansion of the
// C library: general and exponent forms at 2..17 significant digits, fixed
// form at 0..17 decimals. The digits are formed from an 18-digit rounding of
// the scaled value, so values whose exact expansion lies within a few units of
// the 18th digit from a rounding boundary may round the other way; they are
// counted and reported, every other value must agree.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <limits>
#include <random>
#include <string>

#include "format/float_text.hpp"
#include "locale/locale_formats.hpp"

namespace bootspan {
namespace {

constexpr int kSamplesPerForm = 100000;
// How close to a rounding boundary, in units of the 18th significant digit,
// a value may be before a disagreement is allowed.
constexpr int kBoundaryUnits = 1;

long double fromBits(bool negative, unsigned biased, std::uint64_t significand) {
  unsigned char bytes[sizeof(long double)] = {};
  std::memcpy(bytes, &significand, 8);
  const auto top = static_cast<std::uint16_t>((negative ? 0x8000u : 0u) | biased);
  std::memcpy(bytes + 8, &top, 2);
  long double v;
  std::memcpy(&v, bytes, sizeof v);
  return v;
}

// The exact decimal expansion of |v| to 40 significant digits, with the
// decimal exponent of its first digit (v = 0.d1d2... × 10^exponent).
struct Expansion {
  std::string digits;
  int exponent;
};

Expansion expand(long double v) {
  char buffer[80];
  std::snprintf(buffer, sizeof buffer, "%.39Le", v < 0 ? -v : v);
  Expansion e;
  e.digits = std::string(1, buffer[0]) + std::string(buffer + 2, 39);
  e.exponent = std::atoi(std::strchr(buffer, 'e') + 1) + 1;
  return e;
}

// True when rounding |v| at significant digit `shown` (0-based position of
// the first digit dropped) is within kBoundaryUnits units of the 18th digit of
// the half-way point.
bool nearBoundary(const Expansion& e, int shown) {
  if (shown < 0 || shown >= 18) return false;
  // The 22 digits from the first dropped one, against 5000...: one unit of
  // the 18th significant digit is 10^(22 - (18 - shown)) of them.
  const std::string tail = e.digits.substr(static_cast<std::size_t>(shown), 22);
  const long double t = std::strtold(tail.c_str(), nullptr);
  const long double half = 5e21L;
  long double unit = 1;
  for (int i = 0; i < 4 + shown; ++i)
    unit *= 10;
  const long double distance = t > half ? t - half : half - t;
  return distance <= kBoundaryUnits * unit;
}

std::string trimZeros(std::string s) {
  while (!s.empty() && s.back() == '0')
    s.pop_back();
  return s;
}

class FloatTextSweep : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = localeFormats;
    localeFormats.decimalSeparator = '.';
    localeFormats.thousandSeparator = ',';
  }
  void TearDown() override { localeFormats = saved_; }

  // Any finite normal extended value, sign and exponent uniform.
  long double anyValue() {
    const unsigned biased = 1 + static_cast<unsigned>(rng_() % 32766);
    return fromBits(rng_() & 1, biased, rng_() | (std::uint64_t{1} << 63));
  }

  std::mt19937_64 rng_{20240611};

 private:
  TLocaleFormats saved_;
};

TEST_F(FloatTextSweep, GeneralFormDigitsAreCorrectlyRounded) {
  if (std::numeric_limits<long double>::digits != 64) GTEST_SKIP();
  int nearBoundaryCount = 0;
  int mismatches = 0;
  for (int i = 0; i < kSamplesPerForm; ++i) {
    const long double v = anyValue();
    const int precision = 2 + static_cast<int>(rng_() % 16);  // [2, 17]
    const TFloatDecimal d = floatToDecimal(&v, sourceExtended, precision, 9999);
    char buffer[80];
    std::snprintf(buffer, sizeof buffer, "%.*Le", precision - 1, v < 0 ? -v : v);
    const std::string expectedDigits = trimZeros(
        std::string(1, buffer[0])
            .append(precision > 1 ? std::string(buffer + 2, precision - 1) : std::string()));
    const int expectedExponent = std::atoi(std::strchr(buffer, 'e') + 1) + 1;
    if (d.digits == expectedDigits && d.exponent == expectedExponent && d.negative == (v < 0)) {
      continue;
    }
    if (nearBoundary(expand(v), precision)) {
      ++nearBoundaryCount;
      continue;
    }
    if (++mismatches <= 10) {
      ADD_FAILURE() << buffer << " precision " << precision << ": got " << d.digits << " E"
                    << d.exponent;
    }
  }
  std::cout << "general form: " << nearBoundaryCount << " of " << kSamplesPerForm
            << " values rounded differently within " << kBoundaryUnits
            << " units of the 18th digit of a boundary\n";
  EXPECT_EQ(mismatches, 0);
}

TEST_F(FloatTextSweep, ExponentFormTextIsCorrectlyRounded) {
  if (std::numeric_limits<long double>::digits != 64) GTEST_SKIP();
  int nearBoundaryCount = 0;
  int mismatches = 0;
  for (int i = 0; i < kSamplesPerForm; ++i) {
    const long double v = anyValue();
    const int precision = 2 + static_cast<int>(rng_() % 16);  // [2, 17]
    char text[64];
    const std::size_t n = floatToText(text, &v, sourceExtended, formExponent, precision, 3);
    const std::string got(text, n);
    // The C library writes "1.25e+03"; this form writes "1.25E+003".
    char buffer[80];
    std::snprintf(buffer, sizeof buffer, "%.*Le", precision - 1, v);
    std::string expected = buffer;
    const std::size_t e = expected.find('e');
    const int exponent = std::atoi(expected.c_str() + e + 1);
    char exponentText[16];
    std::snprintf(exponentText, sizeof exponentText, "E%c%03d", exponent < 0 ? '-' : '+',
                  exponent < 0 ? -exponent : exponent);
    expected = expected.substr(0, e) + exponentText;
    if (got == expected) continue;
    if (nearBoundary(expand(v), precision)) {
      ++nearBoundaryCount;
      continue;
    }
    if (++mismatches <= 10) ADD_FAILURE() << "expected " << expected << ", got " << got;
  }
  std::cout << "exponent form: " << nearBoundaryCount << " of " << kSamplesPerForm
            << " values rounded differently near a boundary\n";
  EXPECT_EQ(mismatches, 0);
}

TEST_F(FloatTextSweep, FixedFormTextIsCorrectlyRounded) {
  if (std::numeric_limits<long double>::digits != 64) GTEST_SKIP();
  int nearBoundaryCount = 0;
  int mismatches = 0;
  int samples = 0;
  while (samples < kSamplesPerForm) {
    // A value with at most 17 significant digits to show: integer digits
    // plus decimals at most 17.
    const int decimals = static_cast<int>(rng_() % 18);  // [0, 17]
    const int maxExponent = 17 - decimals;
    const int exponent = -decimals - 2 + static_cast<int>(rng_() % (maxExponent + decimals + 3));
    // 2^biased near 10^exponent, give or take the binade.
    const int binary = static_cast<int>((exponent - 1) * 3.321928) + static_cast<int>(rng_() % 4);
    const long double v = fromBits(rng_() & 1, static_cast<unsigned>(16383 + binary),
                                   rng_() | (std::uint64_t{1} << 63));
    const Expansion x = expand(v);
    if (x.exponent + decimals > 17) continue;
    ++samples;
    char text[64];
    const std::size_t n = floatToText(text, &v, sourceExtended, formFixed, 18, decimals);
    const std::string got(text, n);
    char buffer[80];
    std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, v);
    std::string expected = buffer;
    // A value that rounds to zero shows no sign here.
    if (expected[0] == '-' && expected.find_first_not_of("-0.") == std::string::npos) {
      expected.erase(0, 1);
    }
    if (got == expected) continue;
    if (nearBoundary(x, x.exponent + decimals)) {
      ++nearBoundaryCount;
      continue;
    }
    if (++mismatches <= 10) ADD_FAILURE() << "expected " << expected << ", got " << got;
  }
  std::cout << "fixed form: " << nearBoundaryCount << " of " << kSamplesPerForm
            << " values rounded differently near a boundary\n";
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace bootspan
