// The locale id that stands for a POSIX locale name.
#pragma once

#include <string_view>

#include "platform/win_types.hpp"

namespace bootspan {

// The locale id standing for a POSIX locale name "language_TERRITORY.codeset
// @modifier": the id of the language and territory when the table knows them,
// else the language's main id, else 0x0409 (also for "C" and "POSIX").
// Example: lcidOfLocaleName("de_AT.UTF-8") == 0x0C07.
LCID lcidOfLocaleName(std::string_view name);

}  // namespace bootspan
