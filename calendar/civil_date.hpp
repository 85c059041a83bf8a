// Inside the calendar: the date of a day number, and the whole days of a
// day value away from midnight, inline for the date splits. Everything here
// is exact for the range it states; the exhaustive calendar sweep checks
// every day of the calendar. Plain numbers only, so that day_stamp.hpp can
// build its inline split on them.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace bootspan::civil {

// Month (January = 1), day and year step of each day of the counted year,
// which runs from 1 March to the end of February: entry 0 is 1 March, entry
// 365 the leap day. January and February belong to the calendar year after
// the one their counted year starts in: their year step is 1. Four bytes
// each, so that an entry's place is its index scaled by the addressing
// rather than multiplied by three.
struct alignas(4) CountedYearDate {
  std::uint8_t month;
  std::uint8_t day;
  std::uint8_t yearStep;
};

inline constexpr auto kCountedYearDates = [] {
  constexpr std::uint8_t lengths[12] = {31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 31, 29};
  std::array<CountedYearDate, 366> dates{};
  std::size_t i = 0;
  for (std::uint8_t m = 0; m < 12; ++m) {
    for (std::uint8_t d = 1; d <= lengths[m]; ++d)
      dates[i++] = {static_cast<std::uint8_t>((m + 2) % 12 + 1), d, m >= 10};  // m 10, 11: Jan, Feb
  }
  return dates;
}();

// A calendar date: year, month 1..12, day 1..31.
struct CivilDate {
  std::uint16_t year;
  std::uint16_t month;
  std::uint16_t day;
};

// The date of day number `n` (n >= 1). Exact for n below
// 2^30 - 2^15 (years far beyond 65535, where the 16-bit year wraps); the
// month and day stay in 1..12 and 1..31 whatever `n` is.
//
// The date is counted from 1 March of year 0, so that the leap day, when a
// year has one, is the last day of its counted year. The Gregorian calendar
// is the Julian one without the leap days of three centuries in four: the
// whole centuries before day z (36524 days each, the fourth of every 400
// years one day longer, so that 4z + 3 divided by 146097 counts them) give
// its Julian count j = z + centuries - centuries / 4, which puts those days
// back. In the Julian count every fourth year has 366 days, so julian4 =
// 4j + 3 divided by 1461 gives the year and, in the remainder, four times
// the day within it, which picks month, day and year step from
// kCountedYearDates. The divisions are by constants, so they compile to
// multiplications; a day within the year taken from the remainder is at most
// 365 even where the products wrap.
inline CivilDate dateOfDayNumber(std::uint32_t n) {
  const std::uint32_t z = n + 305;  // days since 1 March of year 0; 1 January of year 1 is 306
  const std::uint32_t centuries = (4 * z + 3) / 146097;
  const std::uint32_t julian4 = 4 * (z + centuries - centuries / 4) + 3;
  const std::uint32_t counted = julian4 / 1461;  // the year the counted year starts in
  const CountedYearDate& date = kCountedYearDates[(julian4 - 1461 * counted) / 4];
  return {static_cast<std::uint16_t>(counted + date.yearStep), date.month, date.day};
}

// Whether the value, known to lie in (-2^31, 2^31), is far enough from the
// next whole day for its day number to be 693594 + t, t being the value
// truncated towards zero (into `whole`). With f = |value - t| (t and f are
// exact), the millisecond count of stampFromValue is |t| × 86400000 plus
// the rounding of f × 86400000, which stays below 86400000 when
// f < 1 - 10^-8: the margin of 0.86 ms exceeds the half millisecond of the
// rounding plus the error of the extended product (below 0.02 ms for
// |value| < 2^31), and the product is never below the exact |t| × 86400000,
// which it can represent. So the whole days are |t| and the day number is
// 693594 + t, for either sign.
inline bool awayFromMidnight(double value, std::int64_t& whole) {
  whole = static_cast<std::int64_t>(value);  // truncates towards zero
  return std::fabs(value - static_cast<double>(whole)) < 0.99999999;
}

}  // namespace bootspan::civil
