// The month and day names of the format settings.
#pragma once

namespace bootspan {

// Fills the four name arrays of localeFormats from the locale of the calling
// thread: 12 short and 12 long month names (index 1 = January), 7 short and 7
// long day names (index 1 = Sunday; the locale numbers its days from Monday,
// so day index d asks the locale's day ((d + 5) mod 7) + 1). A name the locale
// answers empty, or cannot answer, is the English name of the string table.
void loadMonthDayNames();

}  // namespace bootspan
