// The clock facts of an LC_TIME locale: what its time formats say about the
// hour (12 or 24, leading zero), the designator's place and the separator.
#pragma once

#include <string>

#include "platform/posix/strftime_items.hpp"

namespace bootspan {

// What the time formats of a locale say about its clock.
struct TClockFacts {
  bool twentyFourHour = true;       // LOCALE_ITIME
  bool leadingZero = true;          // LOCALE_ITLZERO
  bool markBeforeTime = false;      // LOCALE_ITIMEMARKPOSN
  std::string timeSeparator = ":";  // LOCALE_STIME
};

// The clock of T_FMT (T_FMT_AMPM when T_FMT has no hour): a 12-hour clock when
// its hour is %I or %l or it shows %p / %P; a leading zero for %H (and %T,
// %R), none for %k, %l and %I (POSIX has no unpadded 12-hour conversion, so %I
// is read as the plain 12-hour hour), the flags "-" / "_" drop and "0" forces
// it; the designator stands before the time when %p / %P comes before the hour
// in the 12-hour format (T_FMT on a 12-hour clock, else T_FMT_AMPM); the time
// separator is the literal text between the hour and the minute (":" when the
// format has no hour followed by a minute). Formats without any hour give the
// defaults of TClockFacts. Example: time "%R", amPmTime "%p %I:%M" gives a
// 24-hour clock with leading zero, the designator first and ":".
TClockFacts clockFacts(const TStrftimeFormats& formats);

}  // namespace bootspan
