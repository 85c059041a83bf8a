// Run-time error reasons and input/output results turned into error objects.
#pragma once

#include <cstdint>

#include "errors/core/exceptions.hpp"

namespace bootspan {

// Raises the error for run-time error `reason` at `address`; installed as
// runErrorHook. Reason 1 raises outOfMemoryError and reason 2
// invalidPointerError (nothing is allocated, no message is loaded); reasons
// 3 to 24 a new error of the row's class with the row's text unchanged (so
// 16 gives EVariantError "Invalid variant operation"); reason 0 and reasons
// 25 to 255 newInOutError().
[[noreturn]] void raiseRunError(std::uint8_t reason, const void* address);

// A new EInOutError for the calling thread's input/output result, which
// reading sets back to 0: the text of the result's row of the input/output
// error table ("File not found" for 2), else "I/O error <result>";
// errorCode is the result.
EInOutError* newInOutError();

}  // namespace bootspan
