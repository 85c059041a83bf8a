// The file name of the companion resource file: the program's own path with
// the user's language abbreviation as its extension.
#pragma once

#include "platform/platform.hpp"

namespace bootspan {

// Room for a companion path with its terminating zero (the system's path
// limit): at most 259 bytes of path.
inline constexpr DWORD kCompanionPathSize = 260;

// Writes into `path` the program's path (GetModuleFileNameA of
// programModule(), read into 261 bytes) with its extension replaced by the
// user's language abbreviation (GetLocaleInfoA with LOCALE_USER_DEFAULT and
// LOCALE_SABBREVLANGNAME), or with '.' and the abbreviation appended when the
// file name has no extension. The extension is the text after the last '.'
// that follows the last '\'; both are found character by character with
// CharNextA, so a '\' or '.' byte that is the second byte of a double-byte
// character does not count (the lead-byte set is not loaded when this runs;
// CharNextA knows the system's code page).
// Returns false, with `path` unspecified, when the abbreviation query fails
// or gives an empty text, the program's path is unknown or 260 bytes or
// longer (it may have been cut), or the result would not fit kCompanionPathSize.
// Example: "C:\Program Files\Bootspan\Bootspan.exe" under "DEU" gives
// "C:\Program Files\Bootspan\Bootspan.DEU"; "C:\v1.0\Bootspan", "C:\v1.0\Bootspan.DEU".
bool companionPath(Platform& backend, char (&path)[kCompanionPathSize]);

}  // namespace bootspan
