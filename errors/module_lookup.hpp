// Finding the module whose code holds an address, for the reports that name
// the module a failure happened in.
#pragma once

#include "platform/platform.hpp"

namespace bootspan {

// Room for a module path with its terminating zero; a longer path is cut.
inline constexpr DWORD kModulePathSize = 261;

struct TModuleAt {
  HMODULE handle = nullptr;         // the module's load address
  char path[kModulePathSize] = {};  // its full path, zero-terminated
};

// Reads the full path of `module` into `path` with GetModuleFileNameA: at
// most 260 bytes are kept, zero-terminated, and a character that the cut at
// 260 bytes left partial is dropped (wholeCharsLength). Returns false, with
// `path` empty, when the platform names no such module.
bool readModulePath(Platform& backend, HMODULE module, char (&path)[kModulePathSize]);

// Finds the module holding `address` through `backend`: the memory region of
// the address (VirtualQuery) must be committed, and GetModuleFileNameA must
// name the module at the region's AllocationBase (a non-zero result; read
// with readModulePath). Then fills `module` and returns true; otherwise
// returns false with `module.path` empty.
// Example: an address in the program's code gives the program's handle and
// "C:\Program Files\Bootspan\Bootspan.exe"; an address in free memory, false.
bool findModuleAt(Platform& backend, const void* address, TModuleAt& module);

}  // namespace bootspan
