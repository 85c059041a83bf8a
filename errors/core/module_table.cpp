#include "errors/core/module_table.hpp"

#include <exception>

#include "errors/core/raise.hpp"

namespace bootspan {

namespace {

std::span<const TModuleEntry> moduleTable;
std::size_t startedModules = 0;

// Runs the finalisations still due; keeps the first failure in `failure` and
// releases the error objects of the others.
void finalizeRemaining(std::exception_ptr& failure) {
  while (startedModules > 0) {
    const TModuleEntry& module = moduleTable[--startedModules];
    if (module.finalize == nullptr) continue;
    try {
      module.finalize();
    } catch (const TEscapedFailure& later) {
      if (failure) {
        releaseError(later.error);
      } else {
        failure = std::current_exception();
      }
    } catch (const std::exception&) {
      if (!failure) failure = std::current_exception();
    }
  }
}

}  // namespace

void startModules(std::span<const TModuleEntry> table) {
  moduleTable = table;
  startedModules = 0;
  try {
    for (const TModuleEntry& module : table) {
      ++startedModules;
      if (module.initialize != nullptr) module.initialize();
    }
  } catch (...) {
    std::exception_ptr ignored = std::current_exception();
    finalizeRemaining(ignored);
    throw;
  }
}

void finalizeModules() {
  std::exception_ptr failure;
  finalizeRemaining(failure);
  if (failure) std::rethrow_exception(failure);
}

std::size_t startedModuleCount() {
  return startedModules;
}

}  // namespace bootspan
