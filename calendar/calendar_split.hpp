// The split of a day value into clock and calendar fields.
#pragma once

#include <cstdint>

#include "calendar/day_stamp.hpp"

namespace bootspan {

// Days of each month, January first; row 0 a common year, row 1 a leap year.
inline constexpr std::uint16_t monthLengths[2][12] = {
    {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

// Hour 0..23, minute, second, millisecond of the value's time of day; the day
// is ignored. Raises EInvalidOp like stampFromValue.
void splitTime(TDayValue value, std::uint16_t& hour, std::uint16_t& minute, std::uint16_t& second,
               std::uint16_t& millisecond);

// Gregorian leap rule: 2000 and 2024 are leap years, 1900 and 2100 are not.
bool yearIsLeap(std::uint16_t year);

// Year, month 1..12, day 1..31 and weekday 1..7 (1 = Sunday) of the day of
// stampFromValue(value); all 0 and false for day numbers below 1. The result
// is whether the year is a leap year. Day 23936166 is 31 December 65535;
// later years wrap. Raises EInvalidOp like stampFromValue.
bool splitDateFull(TDayValue value, std::uint16_t& year, std::uint16_t& month, std::uint16_t& day,
                   std::uint16_t& weekday);

// splitDateFull without the weekday and the leap flag: 45000.75 gives
// 2023-03-15.
void splitDate(TDayValue value, std::uint16_t& year, std::uint16_t& month, std::uint16_t& day);

// (dayNumber mod 7) + 1, with the remainder taking the sign of the dividend:
// 7 (Saturday) for 0.0. Day numbers below 1 give 1 down to 65531 (-5 wrapped),
// which name no weekday.
std::uint16_t weekdayOf(TDayValue value);

}  // namespace bootspan
