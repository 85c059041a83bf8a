// strftime formats read as a list of literal texts and conversions, with the
// composite conversions (%c, %x, %X, %r, %D, %F, %T, %R) expanded: the common
// ground of the date pictures and the clock facts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bootspan {

// The strftime formats of an LC_TIME locale that composite conversions
// (%c, %x, %X, %r) stand for.
struct TStrftimeFormats {
  std::string dateTime;  // D_T_FMT
  std::string date;      // D_FMT
  std::string time;      // T_FMT
  std::string amPmTime;  // T_FMT_AMPM; empty means "%I:%M:%S %p"
};

// One piece of a format: a run of literal text or one conversion.
struct TFormatItem {
  bool isConversion = false;
  char conversion = 0;  // the conversion letter, for a conversion
  char flag = 0;        // '-', '_', '0', '^', '#' or 0
  std::string literal;  // the text, for a literal
};

using TFormatItems = std::vector<TFormatItem>;

// The format T_FMT_AMPM stands for: `formats.amPmTime`, or "%I:%M:%S %p"
// when the locale gives none.
std::string amPmFormatOf(const TStrftimeFormats& formats);

// The items of `format`. Neighbouring literals merge into one; "%%", "%n" and
// "%t" are literal text; a field width and the E / O modifiers are dropped; a
// "%" that ends the format stands for itself. Composites are expanded from
// `formats` four levels deep, so a locale whose %X says %X again ends there.
// A parse reads at most 1 KiB of format text, each expansion counted every
// time it is read; a format that needs more gives no items at all, so it
// reads as a format without any conversion. Never fails. Example:
// parseFormat("%d.%m", f) gives conversion 'd', literal ".", conversion 'm'.
TFormatItems parseFormat(std::string_view format, const TStrftimeFormats& formats);

}  // namespace bootspan
