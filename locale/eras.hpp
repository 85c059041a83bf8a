// The era names and year offsets of the locale's era calendar.
#pragma once

namespace bootspan {

// Fills eraNames and eraYearOffsets of localeFormats. Called once by
// loadLocaleFormats, only when a double-byte code page is in force. Loads
// nothing yet: the era fields stay empty and 0.
void loadEras();

}  // namespace bootspan
