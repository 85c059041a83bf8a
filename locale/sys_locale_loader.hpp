// Loading the system locale record and the lead-byte set.
#pragma once

#include "platform/win_types.hpp"

namespace bootspan {

// Fills sysLocale and leadBytes from the locale of the calling thread and the
// platform identity (platformInfo.platformId; run loadPlatformInfo first).
// A thread locale of 0 reads as 1033 (English, United States). On the NT
// family (platform id 2) a western language ends the work; otherwise the
// lead bytes of the locale's code page decide farEast, and without them the
// right-to-left class of the bytes 0x80..0xFF decides middleEast. On any other
// platform id both flags come from GetSystemMetrics. Never raises.
void loadSysLocale();

// The default ANSI code page of `locale` (LOCALE_IDEFAULTANSICODEPAGE read as
// a number); the ANSI code page of the system (GetACP) when the query fails or
// the answer is not a number.
UINT codePageOfLocale(LCID locale);

// Adds the lead-byte ranges of the code page of sysLocale.defaultLcid to
// leadBytes: up to 6 (low, high) pairs, ending at a pair of two zeros; a pair
// with high < low adds nothing. The byte 0 is never added. A failed GetCPInfo
// adds nothing.
void loadLeadBytes();

// True when sysLocale.primaryLanguage is one of the twelve western languages
// (neutral, Danish, German, English, Spanish, Finnish, French, Italian, Dutch,
// Norwegian, Portuguese, Swedish).
bool isWesternLanguage();

}  // namespace bootspan
