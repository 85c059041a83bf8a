// The month and day names of the format settings.
#pragma once

#include <array>

#include "resources/string_ids.hpp"

namespace bootspan {

// The string-table names used when the locale gives none; index 0 is January
// or Sunday.
inline constexpr std::array<unsigned, 12> kShortMonthNameIds = {
    msg::shortJanuary,   msg::shortFebruary, msg::shortMarch,    msg::shortApril,
    msg::shortMay,       msg::shortJune,     msg::shortJuly,     msg::shortAugust,
    msg::shortSeptember, msg::shortOctober,  msg::shortNovember, msg::shortDecember};
inline constexpr std::array<unsigned, 12> kLongMonthNameIds = {
    msg::january, msg::february, msg::march,     msg::april,   msg::may,      msg::june,
    msg::july,    msg::august,   msg::september, msg::october, msg::november, msg::december};
inline constexpr std::array<unsigned, 7> kShortDayNameIds = {
    msg::shortSunday,   msg::shortMonday, msg::shortTuesday, msg::shortWednesday,
    msg::shortThursday, msg::shortFriday, msg::shortSaturday};
inline constexpr std::array<unsigned, 7> kLongDayNameIds = {
    msg::sunday,   msg::monday, msg::tuesday, msg::wednesday,
    msg::thursday, msg::friday, msg::saturday};

// Fills the four name arrays of localeFormats from the locale of the calling
// thread: 12 short and 12 long month names (index 1 = January), 7 short and 7
// long day names (index 1 = Sunday; the locale numbers its days from Monday,
// so day index d asks the locale's day ((d + 5) mod 7) + 1). A name the locale
// answers empty, or cannot answer, is the English name of the string table.
void loadMonthDayNames();

}  // namespace bootspan
