#include "app/modules.hpp"

#include "errors/core/companion_strings.hpp"
#include "errors/core/fpu.hpp"
#include "errors/error_hooks.hpp"
#include "errors/error_tables.hpp"
#include "locale/locale_loader.hpp"

namespace bootspan {

void startRuntimeCore() {
  resetFpu();
  openCompanionStrings();
}

void finalizeRuntimeCore() {
  closeCompanionStrings();
}

void startUtilityLibrary() {
  fillErrorTables();
  installErrorHooks();
  loadPlatformInfo();
  loadLocaleFormats();
}

void finalizeUtilityLibrary() {
  removeErrorHooks();
  releaseErrorTables();
  releaseLocaleFormats();
}

namespace {

constexpr TModuleEntry kModules[] = {
    {"runtime core", startRuntimeCore, finalizeRuntimeCore},
    {"utility library", startUtilityLibrary, finalizeUtilityLibrary},
    {"program", nullptr, nullptr},
};

}  // namespace

std::span<const TModuleEntry> programModules() {
  return kModules;
}

}  // namespace bootspan
