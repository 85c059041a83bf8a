#include "calendar/calendar_split.hpp"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace bootspan {

namespace {

// Month (January = 1), day and year step of each day of the counted year,
// which runs from 1 March to the end of February: entry 0 is 1 March, entry
// 365 the leap day. January and February belong to the calendar year after
// the one their counted year starts in: their year step is 1.
struct CountedYearDate {
  std::uint8_t month;
  std::uint8_t day;
  std::uint8_t yearStep;
};

constexpr auto kCountedYearDates = [] {
  constexpr std::uint8_t lengths[12] = {31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 31, 29};
  std::array<CountedYearDate, 366> dates{};
  std::size_t i = 0;
  for (std::uint8_t m = 0; m < 12; ++m) {
    for (std::uint8_t d = 1; d <= lengths[m]; ++d)
      dates[i++] = {static_cast<std::uint8_t>((m + 2) % 12 + 1), d, m >= 10};  // m 10, 11: Jan, Feb
  }
  return dates;
}();

// The year, month and day of day number `n` (n >= 1). Exact for n below
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
// kCountedYearDates. A day within the year taken from the remainder is at
// most 365 even where the products wrap.
void dateOfDayNumber(std::uint32_t n, std::uint16_t& year, std::uint16_t& month,
                     std::uint16_t& day) {
  const std::uint32_t z = n + 305;  // days since 1 March of year 0; 1 January of year 1 is 306
  const std::uint32_t centuries = (4 * z + 3) / 146097;
  const std::uint32_t julian4 = 4 * (z + centuries - centuries / 4) + 3;
  const std::uint32_t counted = julian4 / 1461;  // the year the counted year starts in
  const CountedYearDate& date = kCountedYearDates[(julian4 - 1461 * counted) / 4];
  year = static_cast<std::uint16_t>(counted + date.yearStep);
  month = date.month;
  day = date.day;
}

// Whether `value`, a day value strictly between the first day and the day
// after the last day number of 31 bits, is far enough from the next whole
// day for its day number to be epochDayNumber + t, t being the value
// truncated towards zero. With f = |value - t| (t and f are exact), the
// millisecond count of stampFromValue is |t| × 86400000 plus the rounding of
// f × 86400000, which stays below 86400000 when f < 1 - 10^-8: the margin of
// 0.86 ms exceeds the half millisecond of the rounding plus the error of the
// extended product (below 0.02 ms for |value| < 2^31), and the product is
// never below the exact |t| × 86400000, which it can represent. So the whole
// days are |t| and the day number is epochDayNumber + t, for either sign.
// The day number goes to `n`.
bool dayNumberAwayFromMidnight(TDayValue value, std::uint32_t& n) {
  constexpr double kBeforeFirstDay = -693594.0;  // day 0
  constexpr double kAfterLastDay = 2147483647.0 - 693594.0 + 1.0;
  if (!(value > kBeforeFirstDay && value < kAfterLastDay)) return false;
  const auto whole = static_cast<std::int32_t>(value);  // truncates towards zero
  if (!(std::fabs(value - whole) < 0.99999999)) return false;
  n = static_cast<std::uint32_t>(epochDayNumber + whole);
  return true;
}

}  // namespace

void splitTime(TDayValue value, std::uint16_t& hour, std::uint16_t& minute, std::uint16_t& second,
               std::uint16_t& millisecond) {
  const auto ms = static_cast<std::uint32_t>(stampFromValue(value).msOfDay);  // [0, 86399999]
  const std::uint32_t minuteOfDay = ms / 60000;                               // [0, 1439]
  const std::uint32_t msOfMinute = ms % 60000;                                // [0, 59999]
  hour = static_cast<std::uint16_t>(minuteOfDay / 60);
  minute = static_cast<std::uint16_t>(minuteOfDay % 60);
  second = static_cast<std::uint16_t>(msOfMinute / 1000);
  millisecond = static_cast<std::uint16_t>(msOfMinute % 1000);
}

bool yearIsLeap(std::uint16_t year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

bool splitDateFull(TDayValue value, std::uint16_t& year, std::uint16_t& month, std::uint16_t& day,
                   std::uint16_t& weekday) {
  const std::int32_t n = stampFromValue(value).dayNumber;
  if (n <= 0) {
    year = month = day = weekday = 0;
    return false;
  }
  weekday = static_cast<std::uint16_t>(n % 7 + 1);
  dateOfDayNumber(static_cast<std::uint32_t>(n), year, month, day);
  return yearIsLeap(year);
}

void splitDate(TDayValue value, std::uint16_t& year, std::uint16_t& month, std::uint16_t& day) {
  // Most values lie away from midnight, where their day number needs no
  // extended arithmetic; without this path splitDate takes about twice as
  // long as std::chrono's date of a day count.
  std::uint32_t n;
  if (dayNumberAwayFromMidnight(value, n)) {
    dateOfDayNumber(n, year, month, day);
    return;
  }
  std::uint16_t weekday;
  splitDateFull(value, year, month, day, weekday);
}

std::uint16_t weekdayOf(TDayValue value) {
  // C++ division truncates, so the remainder takes the sign of the dividend.
  return static_cast<std::uint16_t>(stampFromValue(value).dayNumber % 7 + 1);
}

}  // namespace bootspan
