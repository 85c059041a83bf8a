// The program's module table, started in order and finalised in reverse.
#pragma once

#include <span>

#include "errors/runtime.hpp"

namespace bootspan {

std::span<const TModuleEntry> programModules();

}  // namespace bootspan
