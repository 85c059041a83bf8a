// The runtime's hooks: one process-wide record of the entries through which
// the utility library takes over the failures the runtime detects. Each is
// null until the utility library installs it (errors/error_hooks.hpp) and null
// again after it removes it; while a hook is null the runtime reports by
// itself with a numbered run error.
#pragma once

#include <cstdint>
#include <string>

#include "errors/core/exceptions.hpp"
#include "platform/win_types.hpp"

namespace bootspan {

// Called for a run-time error reason (0..127) and the code address of the
// failure; raises an error object and never returns.
using TRunErrorHook = void (*)(std::uint8_t reason, const void* address);
// Called for an error object that nothing handled and the address at which it
// was raised; reports it and ends the process, never returns.
using TUnhandledHook = void (*)(TObject* error, const void* address);
// Makes a new, not yet raised, error object from a platform exception; may
// give null.
using TSystemErrorHook = Exception* (*)(const EXCEPTION_RECORD* record);
// The class the system-error hook would instantiate for a record.
using TSystemClassHook = const TClass* (*)(const EXCEPTION_RECORD* record);
// Called for a failed assertion with the code address of the assertion;
// raises and never returns.
using TAssertHook = void (*)(const std::string& message, const std::string& fileName,
                             std::int32_t lineNumber, const void* address);
// Called when an abstract operation is called; raises and never returns.
using TAbstractHook = void (*)();

// The six hooks, in the order the utility library installs them.
struct TRuntimeHooks {
  TRunErrorHook runErrorHook = nullptr;
  TUnhandledHook unhandledHook = nullptr;
  TSystemClassHook systemClassHook = nullptr;
  TSystemErrorHook systemErrorHook = nullptr;
  TAssertHook assertHook = nullptr;
  TAbstractHook abstractHook = nullptr;
};

// The hooks in force for the whole process.
extern TRuntimeHooks runtimeHooks;

// The input/output result of the calling thread: the code of the last failed
// input/output operation, 0 when none.
extern thread_local std::int32_t inOutResult;

}  // namespace bootspan
