// Platform exceptions (processor faults) travelling through the program.
#pragma once

#include "platform/win_types.hpp"

namespace bootspan {

// Thrown for a platform exception that no error object could be made for
// (systemErrorHook absent or giving null). Carries its own copy of the
// record, chain link cleared.
struct TSystemFault {
  EXCEPTION_RECORD record;
};

// Raises a platform exception: the error object systemErrorHook makes from
// `record`, raised at the record's ExceptionAddress, or else a TSystemFault.
// A failure while making the object propagates in its place. This is the
// receiver of the fault trap (platform/fault_trap.hpp).
[[noreturn]] void raiseSystemFault(const EXCEPTION_RECORD& record);

}  // namespace bootspan
