#include <cstdint>

#include "calendar/day_stamp.hpp"
#include "calendar/millisecond_count.hpp"

namespace bootspan {

namespace {

// Year, month and day of day number `n` (n >= 1; years past 65535 wrap, and
// the month and day stay in 1..12 and 1..31 whatever `n` is).
//
// The date is counted from 1 March of year 0, so that the leap day, when a
// year has one, is the last day of its counted year. Each step then divides
// 4x + 3 by four times the average length of a period, which gives the
// period number and, in the remainder, four times the day within it: first
// 400-year cycles of 146097 days (centuries of 36524 days with one more day
// in the last), then 1461-day quads within the century (years of 365 days
// with one more day in the last). Within the counted year the months, March
// to February, follow the line (2141 × day + 197913) / 65536, which crosses
// each whole number at the first day of a month. The exhaustive calendar
// sweep checks every day up to 31 December 65535 against the plain
// subtraction of periods and month lengths.
void civilFromDayNumber(std::uint32_t n, std::uint16_t& year, std::uint16_t& month,
                        std::uint16_t& day) {
  const std::uint32_t z = n + 305;     // days since 1 March of year 0; 1 January of year 1 is 306
  const std::uint32_t n1 = 4 * z + 3;  // exact for every n below 2^30 - 306
  const std::uint32_t century = n1 / 146097;              // [0, 7350] for years up to 735000
  const std::uint32_t dayOfCentury = n1 % 146097 / 4;     // [0, 36524]
  const std::uint32_t n2 = 4 * dayOfCentury + 3;          // [3, 146099]
  const std::uint32_t yearOfCentury = n2 / 1461;          // [0, 99]
  const std::uint32_t dayOfYear = n2 % 1461 / 4;          // [0, 365], 0 = 1 March
  const std::uint32_t n3 = 2141 * dayOfYear + 197913;     // [197913, 979378]
  const std::uint32_t marchMonth = n3 >> 16;              // [3, 14], 13 and 14 = next Jan, Feb
  const std::uint32_t dayOfMonth = (n3 & 0xFFFF) / 2141;  // [0, 30]
  const bool nextYear = dayOfYear >= 306;                 // January or February
  year = static_cast<std::uint16_t>(100 * century + yearOfCentury + nextYear);
  month = static_cast<std::uint16_t>(nextYear ? marchMonth - 12 : marchMonth);
  day = static_cast<std::uint16_t>(dayOfMonth + 1);
}

}  // namespace

void splitTime(TDayValue value, std::uint16_t& hour, std::uint16_t& minute, std::uint16_t& second,
               std::uint16_t& millisecond) {
  const auto ms =
      static_cast<std::uint32_t>(stampFromCount(millisecondCount(value)).msOfDay);  // [0, 86399999]
  const std::uint32_t minuteOfDay = ms / 60000;                                     // [0, 1439]
  const std::uint32_t msOfMinute = ms % 60000;                                      // [0, 59999]
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
  const std::int32_t n = dayNumberOf(value);
  if (n <= 0) {
    year = month = day = weekday = 0;
    return false;
  }
  weekday = static_cast<std::uint16_t>(n % 7 + 1);
  civilFromDayNumber(static_cast<std::uint32_t>(n), year, month, day);
  return yearIsLeap(year);
}

void splitDate(TDayValue value, std::uint16_t& year, std::uint16_t& month, std::uint16_t& day) {
  const std::int32_t n = dayNumberOf(value);
  if (n <= 0) {
    year = month = day = 0;
    return;
  }
  civilFromDayNumber(static_cast<std::uint32_t>(n), year, month, day);
}

std::uint16_t weekdayOf(TDayValue value) {
  // C++ division truncates, so the remainder takes the sign of the dividend.
  return static_cast<std::uint16_t>(dayNumberOf(value) % 7 + 1);
}

}  // namespace bootspan
