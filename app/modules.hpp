// The program's module table, started in order and finalised in reverse.
#pragma once

#include <span>

#include "errors/core/module_table.hpp"

namespace bootspan {

// The runtime core (floating-point environment, companion string file), the
// utility library (error tables and hooks, platform identity, locale
// settings) and the program.
std::span<const TModuleEntry> programModules();

// The runtime core's start-up: the floating-point unit reset to the default
// control word, then the companion string file opened, so that every string
// the utility library reads (the error tables' texts, the month and day
// names) is already in the user's language.
void startRuntimeCore();

// Its finalisation, the last of all (it is the first module): the companion
// string file released, after the last string has been read.
void finalizeRuntimeCore();

// The utility library's start-up, in this order: the error tables' texts,
// the error hooks, the platform identity, the locale format settings.
void startUtilityLibrary();

// Its finalisation: the hooks removed, the error tables' texts released,
// then the locale format settings released.
void finalizeUtilityLibrary();

}  // namespace bootspan
