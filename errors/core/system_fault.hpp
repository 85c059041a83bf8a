// Platform exceptions (processor faults) travelling through the program.
#pragma once

#include "platform/win_types.hpp"

namespace bootspan {

// Raises a platform exception: the error object systemErrorHook makes from
// `record`, raised at the record's ExceptionAddress, or else, when no object
// could be made (systemErrorHook absent or giving null), the exception itself
// as a TEscapedFailure without an object, carrying its own copy of the record
// with the chain link cleared. A failure while making the object propagates
// in its place. This is the
// receiver of the fault trap (platform/fault_trap.hpp).
[[noreturn]] void raiseSystemFault(const EXCEPTION_RECORD& record);

// The record of a C++ exception from outside the error mechanism, such as a
// failure the C++ library itself detects (a text grown past its largest
// length): foreignExceptionCode, EXCEPTION_NONCONTINUABLE, ExceptionAddress
// `address` (null where the place is not known).
EXCEPTION_RECORD foreignExceptionRecord(const void* address);

// Raises such a failure of the C++ library detected at `address` as the
// platform exception foreignExceptionCode: with the hooks installed it ends
// in the report "External exception E06D7363", without them in the run
// error of that code.
[[noreturn]] void raiseForeignException(const void* address);

}  // namespace bootspan
