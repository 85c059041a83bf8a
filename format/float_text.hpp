// Floating and currency values as text: a value is first reduced to a short
// string of significant decimal digits (floatToDecimal), rounded once, and
// then laid out in one of five forms (floatToText) with the separators and
// currency settings of localeFormats. All arithmetic is done in 80-bit
// extended precision.
#pragma once

#include <cstddef>
#include <cstdint>

namespace bootspan {

enum TFloatSource : std::uint8_t {
  sourceExtended = 0,  // an 80-bit extended value (long double)
  sourceCurrency = 1,  // a signed 64-bit count of ten-thousandths
};

enum TFloatForm : std::uint8_t {
  formGeneral = 0,   // shortest of plain and scientific notation
  formExponent = 1,  // d.ddd...E+ddd
  formFixed = 2,     // a fixed number of decimals, no grouping
  formNumber = 3,    // a fixed number of decimals, thousands grouped
  formMoney = 4,     // formNumber within the currency layout
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

// The most bytes floatToText writes, besides the currency symbol.
inline constexpr std::size_t kFloatTextMaxBytes = 45;

// Writes the value at `value` as text in `form` and returns the byte count;
// no terminator. `dest` must hold kFloatTextMaxBytes plus the size of
// localeFormats.currencySymbol. `precision` is the significant digits of the
// general and exponent forms (clamped to 2..18; currency amounts always use
// 19); `digits` is the exponent's minimum digit count for formExponent and the
// number of decimals (0..18) for the fixed forms. Infinities and NaNs give
// "INF", "-INF" and "NAN".
// Example: 1234.5 in formNumber with 2 digits gives "1,234.50".
std::size_t floatToText(char* dest, const void* value, TFloatSource source, TFloatForm form,
                        int precision, int digits);

}  // namespace bootspan
