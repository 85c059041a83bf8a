// The program's heap. Every C++ allocation of the program goes through the
// replaced global operator new, so an allocation that fails is the runtime's
// run-time error reason 1 (out of memory) at the code address of the
// allocating call: with the error hooks installed that raises the
// preallocated EOutOfMemory error, without them it ends the process with run
// error 203. The nothrow forms give null instead.
#pragma once

#include <cstddef>

namespace bootspan {

struct THeapFunctions {
  void* (*allocate)(std::size_t size);  // null when the memory is not there
  void (*release)(void* block);
};

// Replaces the functions behind operator new and delete and returns the
// previous ones; for tests (a failing or a counting allocator). Blocks are
// released by whichever functions are installed at the time, so every pair
// must be able to release what the C library's malloc gave.
THeapFunctions setHeapFunctions(THeapFunctions functions);

}  // namespace bootspan
