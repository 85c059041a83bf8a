// The date-time pattern renderer: a day value written through a pattern of
// date and time tokens, with names, separators and designators from the
// locale format settings. The output is at most 256 bytes.
#pragma once

#include <string>
#include <string_view>

#include "calendar/day_stamp.hpp"

namespace bootspan {

// Renders `value` through `pattern` (read up to its first zero byte); an
// empty pattern means "C". The output is cut at 256 bytes; where the ANSI
// code page is UTF-8, a character the cut left partial is dropped
// (wholeCharsLength). Raises the errors of the splits (EInvalidOp).
std::string renderDayValue(std::string_view pattern, TDayValue value);

// renderDayValue with localeFormats.longTimePattern.
std::string renderLongTime(TDayValue value);

}  // namespace bootspan
