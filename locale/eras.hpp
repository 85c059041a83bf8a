// The era names and year offsets of the locale's era calendar.
#pragma once

#include "platform/win_types.hpp"

namespace bootspan {

// True for the era calendars: CAL_JAPAN (3), CAL_TAIWAN (4), CAL_KOREA (5).
bool isEraCalendar(int calendar);

// Fills eraNames and eraYearOffsets of localeFormats from the first optional
// calendar of the thread's locale (LOCALE_IOPTIONALCALENDAR; only the first
// id of its zero-separated list counts, and a failed query or an answer that
// is not a number reads as 1). For any calendar other than 3, 4 or 5 nothing
// changes. Otherwise the era names are enumerated into the free name slots,
// then all seven offset slots are set to -1 and the year offsets enumerated
// into them. Called once by loadLocaleFormats, only when a double-byte code
// page is in force; the name slots are expected to be empty then.
// Example: a Japanese locale with eras Meiji..Reiwa gets names in slots 1..5
// and offsets 1868, 1912, 1926, 1989, 2019; slots 6 and 7 stay "" and -1.
void loadEras();

// Enumeration callback for era names: stores the zero-terminated `name` in
// the first empty slot of eraNames (1..7) and returns TRUE to go on; returns
// FALSE, dropping the name, when every slot is taken. An empty name (or no
// text at all) stores nothing, so its slot stays free for the next one.
BOOL CALLBACK collectEraName(LPSTR name);

// Enumeration callback for era year offsets: stores the zero-terminated
// `offset` read as a number (0 when it is not one) in the first slot of
// eraYearOffsets (1..7) that holds -1 and returns TRUE; returns FALSE when no
// slot holds -1. An offset that reads as -1 therefore leaves its slot free.
BOOL CALLBACK collectEraYearOffset(LPSTR offset);

}  // namespace bootspan
