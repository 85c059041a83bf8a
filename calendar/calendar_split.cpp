#include <cstdint>

#include "calendar/day_stamp.hpp"
#include "calendar/millisecond_count.hpp"

namespace bootspan {

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
  const civil::CivilDate date = civil::dateOfDayNumber(static_cast<std::uint32_t>(n));
  year = date.year;
  month = date.month;
  day = date.day;
  return yearIsLeap(year);
}

civil::CivilDate dateOfValue(TDayValue value) {
  civil::CivilDate date;
  std::uint16_t weekday;
  splitDateFull(value, date.year, date.month, date.day, weekday);
  return date;
}

std::uint16_t weekdayOf(TDayValue value) {
  // C++ division truncates, so the remainder takes the sign of the dividend.
  return static_cast<std::uint16_t>(dayNumberOf(value) % 7 + 1);
}

}  // namespace bootspan
