// The short and long time patterns of the format settings.
#pragma once

#include <string>

#include "platform/win_types.hpp"

namespace bootspan {

struct TTimePatterns {
  std::string shortPattern;
  std::string longPattern;
};

// Builds the two time patterns from three numeric answers of `locale`, never
// from its own time-format string: LOCALE_ITLZERO (not 0: "hh", else "h"),
// then LOCALE_ITIME (not 0: 24-hour clock, no designator), then, on a 12-hour
// clock only, LOCALE_ITIMEMARKPOSN (not 0: "AMPM " before the time, else
// " AMPM" after it). A failed query or an answer that is not a number counts
// as 0, so with no answers the patterns are "h:mm AMPM" and "h:mm:ss AMPM".
// The patterns always hold the literal ":" and the token "AMPM".
TTimePatterns buildTimePatterns(LCID locale);

}  // namespace bootspan
