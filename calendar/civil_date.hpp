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

// Month (January = 1) and day of each day of the counted year, which runs
// from 1 March to the end of February: entry 0 is 1 March, entry 365 the
// leap day.
struct MonthAndDay {
  std::uint8_t month;
  std::uint8_t day;
};

inline constexpr auto kCountedYearDates = [] {
  constexpr std::uint8_t lengths[12] = {31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 31, 29};
  std::array<MonthAndDay, 366> dates{};
  std::size_t i = 0;
  for (std::uint8_t m = 0; m < 12; ++m) {
    for (std::uint8_t d = 1; d <= lengths[m]; ++d)
      dates[i++] = {static_cast<std::uint8_t>((m + 2) % 12 + 1), d};
  }
  return dates;
}();

// Year, month and day of day number `n` (n >= 1; years past 65535 wrap, and
// the month and day stay in 1..12 and 1..31 whatever `n` is).
//
// The date is counted from 1 March of year 0, so that the leap day, when a
// year has one, is the last day of its counted year. Each step then divides
// 4x + 3 by four times the average length of a period, which gives the
// period number and, in the remainder, four times the day within it: first
// 400-year cycles of 146097 days (centuries of 36524 days with one more day
// in the last), then 1461-day quads within the century (years of 365 days
// with one more day in the last). The second step takes quotient and
// remainder from one 64-bit product: 2939745 is 2^32 / 1461 rounded down,
// so the high word of 2939745 × n2 is n2 / 1461, and its low word divided by
// 4 × 2939745 is the day within the year, for every n2 the first step gives
// (the Euclidean affine functions of Neri and Schneider; the exhaustive
// calendar sweep meets every n2). The day within the counted year, at most
// 365 for any low word, picks month and day from kCountedYearDates. All
// divisions are by constants, so they compile to multiplications.
inline void fromDayNumber(std::uint32_t n, std::uint16_t& year, std::uint16_t& month,
                          std::uint16_t& day) {
  const std::uint32_t z = n + 305;     // days since 1 March of year 0; 1 January of year 1 is 306
  const std::uint32_t n1 = 4 * z + 3;  // exact for every n below 2^30 - 306
  const std::uint32_t century = n1 / 146097;  // [0, 7350] for years up to 735000
  const std::uint32_t n2 = n1 % 146097 | 3;   // 4 × day of the century + 3, [3, 146099]
  const std::uint64_t p2 = std::uint64_t{2939745} * n2;
  const auto yearOfCentury = static_cast<std::uint32_t>(p2 >> 32);            // [0, 99]
  const std::uint32_t dayOfYear = static_cast<std::uint32_t>(p2) / 11758980;  // [0, 365]
  const MonthAndDay date = kCountedYearDates[dayOfYear];
  const bool nextYear = dayOfYear >= 306;  // January or February
  year = static_cast<std::uint16_t>(100 * century + yearOfCentury + nextYear);
  month = date.month;
  day = date.day;
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
