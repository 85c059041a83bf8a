// The stamp round trip over every millisecond of three landmark days: the
// first day, the epoch day and 31 December 65535. stampFromValue of
// valueFromStamp gives the same stamp back, and splitTime gives the clock
// fields of the millisecond.
#include <gtest/gtest.h>

#include <cstdint>

#include "calendar/calendar_split.hpp"

namespace bootspan {
namespace {

TEST(StampRoundTripSweep, EveryMillisecondOfThreeLandmarkDays) {
  const std::int32_t days[] = {1, epochDayNumber, 23936166};
  for (std::int32_t day : days) {
    int failures = 0;
    for (std::int32_t ms = 0; ms < msPerDay && failures < 10; ++ms) {
      const TDayValue value = valueFromStamp({ms, day});
      const TDayStamp back = stampFromValue(value);
      std::uint16_t h, m, s, z;
      splitTime(value, h, m, s, z);
      if (back.msOfDay != ms || back.dayNumber != day || h != ms / 3600000 ||
          m != ms / 60000 % 60 || s != ms / 1000 % 60 || z != ms % 1000) {
        ADD_FAILURE() << "(" << ms << ", " << day << ") came back as (" << back.msOfDay << ", "
                      << back.dayNumber << "), " << h << ":" << m << ":" << s << "." << z;
        ++failures;
      }
    }
  }
}

}  // namespace
}  // namespace bootspan
