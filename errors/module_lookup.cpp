#include "errors/module_lookup.hpp"

namespace bootspan {

bool findModuleAt(Platform& backend, const void* address, TModuleAt& module) {
  MEMORY_BASIC_INFORMATION region{};
  DWORD length = 0;
  if (backend.VirtualQuery(address, &region, sizeof region) != 0 && region.State == MEM_COMMIT) {
    module.handle = static_cast<HMODULE>(region.AllocationBase);
    length = backend.GetModuleFileNameA(module.handle, module.path, kModulePathSize);
  }
  // The platform terminates the path; a cut one may lack the zero.
  module.path[length < kModulePathSize ? length : kModulePathSize - 1] = '\0';
  return length != 0;
}

}  // namespace bootspan
