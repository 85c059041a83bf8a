// Day stamps and day values: two representations of a moment and the
// conversions between them and a millisecond count. Proleptic Gregorian, no
// time zones, 86400000 ms a day.
#pragma once

#include <cstdint>

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

}  // namespace bootspan
