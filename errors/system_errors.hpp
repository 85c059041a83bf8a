// Platform exceptions (processor and operating-system failures) turned into
// error objects.
#pragma once

#include <cstdint>

#include "errors/core/exceptions.hpp"
#include "platform/win_types.hpp"

namespace bootspan {

// The run-time error reason of a platform exception, by its exact
// ExceptionCode: 0xC0000005 -> 11, 0xC0000094 -> 3, 0xC000008F -> 6,
// 0xC000013A -> 13, ...; any code not listed -> 22.
std::uint8_t systemExceptionReason(const EXCEPTION_RECORD* record);

// The class errorFromSystemException instantiates for `record` (the class of
// the run-time error table's row for its reason); installed as
// systemClassHook.
const TClass* systemExceptionClass(const EXCEPTION_RECORD* record);

// A new, not raised, error for a platform exception; installed as
// systemErrorHook. Reasons 3..10 and 12..21 give the row's class and text,
// 11 newAccessViolation, 22 EExternalException "External exception <code>"
// (upper-case hexadecimal). Errors of EExternal or below keep a copy of the
// record in exceptionRecord.
Exception* errorFromSystemException(const EXCEPTION_RECORD* record);

// A new EAccessViolation: "Access violation at address 00412F60 in module
// 'Bootspan.exe'. Write of address 00000000." when the faulting address lies
// in a committed region of a module with a known path, else the same without
// the module part. The module name follows the last "\" or ":" of the path
// that is not the second byte of a double-byte character (the whole path
// when there is none).
EAccessViolation* newAccessViolation(const EXCEPTION_RECORD* record);

}  // namespace bootspan
