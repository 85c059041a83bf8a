// The program's one task: show how long ago the computer started.
#pragma once

#include "calendar/day_stamp.hpp"

namespace bootspan {

inline constexpr char kUptimeTemplate[] = "Your computer was started %s ago";
inline constexpr char kUptimeCaption[] = "Bootspan v1.0";

// The stamp of the tick count with its day forced to 1; nothing else reads it.
extern TDayStamp bootStamp;

// Reads the tick count, renders its time of day with the long-time pattern
// and shows the sentence in a message box.
void runUptimeReport();

}  // namespace bootspan
