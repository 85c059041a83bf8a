// The runtime's module table and the ordered end of the process.
#pragma once

#include <cstdint>
#include <span>

namespace bootspan {

// One module of the program: its start-up and finalisation, either may be null.
struct TModuleEntry {
  const char* name;
  void (*initialize)();
  void (*finalize)();
};

// The exit code handed to ExitProcess at the end; 0 at start.
extern std::int32_t exitCode;

// Starts the modules of `table` in order, counting each as started just
// before its start-up runs.
void startModules(std::span<const TModuleEntry> table);

// Finalises the started modules in reverse order and ends the process with
// exitCode.
[[noreturn]] void haltSequence();

// Sets exitCode and runs haltSequence.
[[noreturn]] void halt(std::int32_t code);

}  // namespace bootspan
