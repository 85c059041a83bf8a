// Loading the platform identity and the format settings at start-up, and
// releasing them at shutdown.
#pragma once

namespace bootspan {

// Reads the operating-system identity (GetVersionExA) into platformInfo. A
// failed query leaves every field 0 or empty.
void loadPlatformInfo();

// Fills localeFormats from the locale of the calling thread, in this order:
// the system locale record and lead bytes (loadSysLocale), the month and day
// names, the era data when a double-byte code page is in force, then every
// other field. Each field's platform query is made once; a failed query gives
// the field's default and a numeric answer that is not a number reads as 0.
// Never raises.
void loadLocaleFormats();

// Releases every text of localeFormats and platformInfo at shutdown.
void releaseLocaleFormats();

}  // namespace bootspan
