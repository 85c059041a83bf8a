#include "errors/module_lookup.hpp"

#include "locale/whole_chars.hpp"

namespace bootspan {

bool readModulePath(Platform& backend, HMODULE module, char (&path)[kModulePathSize]) {
  DWORD length = backend.GetModuleFileNameA(module, path, kModulePathSize);
  // The platform terminates the path; a cut one may lack the zero, and may
  // end inside a character.
  if (length >= kModulePathSize - 1)
    length = static_cast<DWORD>(wholeCharsLength(path, kModulePathSize - 1));
  path[length] = '\0';
  return length != 0;
}

bool findModuleAt(Platform& backend, const void* address, TModuleAt& module) {
  MEMORY_BASIC_INFORMATION region{};
  if (backend.VirtualQuery(address, &region, sizeof region) != 0 && region.State == MEM_COMMIT) {
    module.handle = static_cast<HMODULE>(region.AllocationBase);
    return readModulePath(backend, module.handle, module.path);
  }
  module.path[0] = '\0';
  return false;
}

}  // namespace bootspan
