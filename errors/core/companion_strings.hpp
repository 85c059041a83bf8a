// The companion resource file: a file beside the program, named by
// companionPath, that holds the string table in the user's language. The
// runtime core opens it at its start-up, before any string is read, and
// releases it at its finalisation, after every other module is finalised.
#pragma once

#include "platform/platform.hpp"

namespace bootspan {

// Loads the companion file as data (LoadLibraryExA with
// LOAD_LIBRARY_AS_DATAFILE, so no code of it runs) when companionPath names
// one and it loads; otherwise there is none and every string is the
// program's own. Any companion opened before is released first. Never fails.
void openCompanionStrings();

// Releases the companion file (FreeLibrary) if one is open; afterwards every
// string is the program's own.
void closeCompanionStrings();

// The open companion file's handle, or null when there is none.
HMODULE companionModule();

}  // namespace bootspan
