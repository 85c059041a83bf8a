// The decimal digits of a floating or currency value: the value reduced to
// a short string of significant decimal digits and an exponent, rounded
// once. All arithmetic is done in 80-bit extended precision.
#pragma once

#include <cstdint>

namespace bootspan {

enum TFloatSource : std::uint8_t {
  sourceExtended = 0,  // an 80-bit extended value (long double)
  sourceCurrency = 1,  // a signed 64-bit count of ten-thousandths
};

// The exponent values that mark an infinity and a NaN.
inline constexpr std::int16_t kDecimalInfinity = 32767;
inline constexpr std::int16_t kDecimalNaN = -32768;

// A value as 0.d1d2d3... × 10^exponent.
struct TFloatDecimal {
  std::int16_t exponent;  // or kDecimalInfinity / kDecimalNaN
  std::uint8_t negative;  // 1 for a negative non-zero result or -infinity
  // Significant digits '0'..'9', zero-terminated: at most 18 from an extended
  // value, 19 from a currency amount; no leading or trailing '0'. A zero
  // result has no digits.
  char digits[21];
};

// The decimal digits of the value at `value` (a long double or an int64_t
// as `source` says), rounded half away from zero to at most `precision`
// significant digits and at most `decimals` digits after the point,
// whichever keeps fewer. `precision` (1..18) applies to extended values only.
// Example: 0.125 (extended), precision 18, decimals 2 gives digits "13",
// exponent 0.
TFloatDecimal floatToDecimal(const void* value, TFloatSource source, int precision, int decimals);

}  // namespace bootspan
