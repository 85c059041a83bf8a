// The program's module table, started in order and finalised in reverse.
#pragma once

#include <span>

#include "errors/core/module_table.hpp"

namespace bootspan {

// The runtime core (floating-point environment), the utility library (error
// tables and hooks, platform identity, locale settings) and the program.
std::span<const TModuleEntry> programModules();

// The runtime core's start-up: the floating-point unit reset to the default
// control word.
void startRuntimeCore();

// The utility library's start-up, in this order: the error tables' texts,
// the error hooks, the platform identity, the locale format settings.
void startUtilityLibrary();

// Its finalisation: the hooks removed, the error tables' texts released,
// then the locale format settings released.
void finalizeUtilityLibrary();

}  // namespace bootspan
