// The day and month names of an LC_TIME locale, numbered as the locale
// queries number them.
#pragma once

#include <langinfo.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/win_types.hpp"

namespace bootspan {

// Reads one nl_langinfo item as UTF-8 text.
using TLangInfoReader = std::function<std::string(nl_item)>;

// The 38 name answers, each with its LCTYPE, from `read`: LOCALE_SDAYNAME1..7
// and LOCALE_SABBREVDAYNAME1..7 from Monday (DAY_2 / ABDAY_2) to Sunday
// (DAY_1 / ABDAY_1), LOCALE_SMONTHNAME1..12 and LOCALE_SABBREVMONTHNAME1..12
// from the month names standing alone (ALTMON_1 / _NL_ABALTMON_1 where the C
// library has them, the nominative case where a language has one, else
// MON_1 / ABMON_1). Blanks around a name are trimmed ("1月 " gives "1月").
// Never fails.
std::vector<std::pair<LCTYPE, std::string>> calendarNames(const TLangInfoReader& read);

}  // namespace bootspan
