// Loading the system locale record and the format settings at start-up.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/win_types.hpp"

namespace bootspan {

// Reads the operating-system identity into platformInfo.
void loadPlatformInfo();

// Fills localeFormats from the locale of the calling thread (first the system
// locale record and lead bytes, then names, eras, every other field). Makes
// each platform query once and never raises.
void loadLocaleFormats();

// Releases every text of localeFormats and platformInfo at shutdown.
void releaseLocaleFormats();

}  // namespace bootspan
