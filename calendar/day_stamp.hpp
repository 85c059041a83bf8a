// Day stamps and day values: two representations of a moment, the conversions
// between them and a millisecond count, and their split into clock and
// calendar fields. Proleptic Gregorian, no time zones, 86400000 ms a day.
#pragma once

#include <cstdint>

#include "calendar/civil_date.hpp"

namespace bootspan {

// An exact moment: milliseconds since midnight and the day, where day 1 is
// 1 January of year 1 and day 693594 is 30 December 1899.
struct TDayStamp {
  std::int32_t msOfDay;
  std::int32_t dayNumber;
};

// Whole days since 30 December 1899 plus the elapsed fraction of the day; for
// a negative value the magnitude of the fraction is the time of day.
using TDayValue = double;

constexpr std::int32_t msPerDay = 86400000;
constexpr std::int32_t epochDayNumber = 693594;

// Days of each month, January first; row 0 a common year, row 1 a leap year.
inline constexpr std::uint16_t monthLengths[2][12] = {
    {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

// msOfDay = count mod msPerDay, dayNumber = count div msPerDay (no offset: a
// count below one day gives day 0). Defined for 0..185542587187199999.
TDayStamp stampFromMilliseconds(std::int64_t milliseconds);

// Rounds value × 86400000 (in extended precision) to the nearest millisecond,
// ties to even; a negative count takes its time of day from the magnitude and
// counts days back from epochDayNumber: -1.25 gives (21600000, 693593).
// Raises EInvalidOp for NaN, infinities and counts outside 64 bits. Day
// numbers beyond 32 bits wrap.
TDayStamp stampFromValue(TDayValue value);

// Raises EConvertError "'%d.%d' is not a valid timestamp" (dayNumber, msOfDay)
// for a negative msOfDay or a dayNumber below 1.
void checkStamp(TDayStamp stamp);

// Checks the stamp, then converts it. (21600000, 693593) gives -1.25.
TDayValue valueFromStamp(TDayStamp stamp);

// Hour 0..23, minute, second, millisecond of the value's time of day; the day
// is ignored. Raises EInvalidOp like stampFromValue.
void splitTime(TDayValue value, std::uint16_t& hour, std::uint16_t& minute, std::uint16_t& second,
               std::uint16_t& millisecond);

// Gregorian leap rule: 2000 and 2024 are leap years, 1900 and 2100 are not.
bool yearIsLeap(std::uint16_t year);

// Year, month 1..12, day 1..31 and weekday 1..7 (1 = Sunday); all 0 and false
// for day numbers below 1. The result is whether the year is a leap year.
// Day 23936166 is 31 December 65535; later years wrap. Raises EInvalidOp like
// stampFromValue.
bool splitDateFull(TDayValue value, std::uint16_t& year, std::uint16_t& month, std::uint16_t& day,
                   std::uint16_t& weekday);

// The date that splitDateFull gives, returned whole: the out-of-line side of
// splitDate.
civil::CivilDate dateOfValue(TDayValue value);

// splitDateFull without the weekday and the leap flag: 45000.75 gives
// 2023-03-15. Inline, so that a caller splitting many values runs the common
// case, a day with a date away from midnight, without a call; the others take
// dateOfValue.
inline void splitDate(TDayValue value, std::uint16_t& year, std::uint16_t& month,
                      std::uint16_t& day) {
  // Values strictly between these have whole parts from -693593 to
  // 2147483647 - 693594: the day numbers 1 to 2^31 - 1, which have a date
  // and lie well within the range of awayFromMidnight.
  constexpr double kBeforeFirstDay = -693594.0;
  constexpr double kAfterLastDay = 2147483647.0 - 693594.0 + 1.0;
  std::int64_t whole;
  civil::CivilDate date;
  if (value > kBeforeFirstDay && value < kAfterLastDay && civil::awayFromMidnight(value, whole))
      [[likely]] {
    date = civil::dateOfDayNumber(static_cast<std::uint32_t>(epochDayNumber + whole));
  } else {
    date = dateOfValue(value);
  }
  year = date.year;
  month = date.month;
  day = date.day;
}

// (dayNumber mod 7) + 1, with the remainder taking the sign of the dividend:
// 7 (Saturday) for 0.0. Day numbers below 1 give 1 down to 65531 (-5 wrapped),
// which name no weekday.
std::uint16_t weekdayOf(TDayValue value);

}  // namespace bootspan
