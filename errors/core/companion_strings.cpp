#include "errors/core/companion_strings.hpp"

#include "errors/core/companion_path.hpp"

namespace bootspan {

namespace {
HMODULE companion = nullptr;
}

void openCompanionStrings() {
  closeCompanionStrings();
  Platform& backend = platform();
  char path[kCompanionPathSize];
  if (companionPath(backend, path))
    companion = backend.LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
}

void closeCompanionStrings() {
  if (companion == nullptr) return;
  platform().FreeLibrary(companion);
  companion = nullptr;
}

HMODULE companionModule() {
  return companion;
}

}  // namespace bootspan
