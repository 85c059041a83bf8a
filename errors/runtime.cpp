#include "errors/runtime.hpp"

#include "platform/platform.hpp"

namespace bootspan {

std::int32_t exitCode = 0;

namespace {
std::span<const TModuleEntry> moduleTable;
std::size_t startedModules = 0;
}  // namespace

void startModules(std::span<const TModuleEntry> table) {
  moduleTable = table;
  startedModules = 0;
  for (const TModuleEntry& module : table) {
    ++startedModules;
    if (module.initialize != nullptr) module.initialize();
  }
}

void haltSequence() {
  while (startedModules > 0) {
    const TModuleEntry& module = moduleTable[--startedModules];
    if (module.finalize != nullptr) module.finalize();
  }
  platform().ExitProcess(static_cast<UINT>(exitCode));
}

void halt(std::int32_t code) {
  exitCode = code;
  haltSequence();
}

}  // namespace bootspan
