// Floating and currency values as text: the decimal digits of a value
// (float_decimal.hpp), rounded once, laid out in one of five forms with the
// separators and currency settings of localeFormats.
#pragma once

#include <cstddef>
#include <cstdint>

#include "format/float_decimal.hpp"

namespace bootspan {

enum TFloatForm : std::uint8_t {
  formGeneral = 0,   // shortest of plain and scientific notation
  formExponent = 1,  // d.ddd...E+ddd
  formFixed = 2,     // a fixed number of decimals, no grouping
  formNumber = 3,    // a fixed number of decimals, thousands grouped
  formMoney = 4,     // formNumber within the currency layout
};

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
