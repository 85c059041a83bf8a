// The program's modules, started in the order of their table and finalised
// in reverse, with a count of started modules instead of C++ static
// initialisation order.
#pragma once

#include <cstddef>
#include <span>

namespace bootspan {

// One module: its start-up and finalisation, either may be null.
struct TModuleEntry {
  const char* name;
  void (*initialize)();
  void (*finalize)();
};

// Starts the modules of `table` in order, each counted as started just before
// its start-up runs. When a start-up raises, the modules counted as started
// (the failing one included) are finalised in reverse order and the failure
// propagates; failures of those finalisations are dropped in its favour.
void startModules(std::span<const TModuleEntry> table);

// Finalises the started modules in reverse order, taking the count down by
// one before each finalisation is called; modules without one are skipped.
// When finalisations raise, the remaining modules are still finalised and
// then the first failure propagates (later ones are released).
void finalizeModules();

// The number of modules counted as started.
std::size_t startedModuleCount();

}  // namespace bootspan
