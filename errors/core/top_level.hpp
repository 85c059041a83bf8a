// The last-resort handling of failures that escape the program, and the
// program's entry that puts it in place.
//
// A failure travels as a C++ exception: an error object raised with raiseError
// (TRaisedError), a processor fault without an error object (TSystemFault), or
// any other exception of the standard library. The program's entry catches
// each one after C++ unwinding has run the cleanups of every guarded region in
// between, and before any module is finalised, and hands it to
// topLevelHandler as the record the platform would hold for it.
#pragma once

#include <span>

#include "errors/core/module_table.hpp"
#include "errors/core/object.hpp"
#include "platform/win_types.hpp"

namespace bootspan {

// The exception code under which an error object travels; its record holds
// the raise address in ExceptionInformation[0] and the object in [1].
inline constexpr DWORD languageErrorCode = 0x0EEDFADE;

// The exception code given to a C++ exception of a type outside the error
// mechanism (for example a standard-library length error).
inline constexpr DWORD foreignExceptionCode = 0xE06D7363;

// The record of an error object raised at `address`: languageErrorCode,
// EXCEPTION_NONCONTINUABLE, ExceptionAddress `address`, seven parameters of
// which the first two are `address` and `error`.
EXCEPTION_RECORD languageRecord(TObject* error, const void* address);

// Registers the last-resort handler: from now on processor faults become
// raised failures (through systemErrorHook when it is installed).
void installTopLevelHandler();
// Removes it again; called by haltSequence just before ExitProcess.
void removeTopLevelHandler();

// The decision for one escaped failure:
//  1. a record flagged EXCEPTION_UNWINDING or EXCEPTION_EXIT_UNWIND: decline;
//  2. UnhandledExceptionFilter answers EXCEPTION_CONTINUE_SEARCH: decline;
//  3. reset the floating-point unit to fpuDefaultControlWord;
//  4. an error object's record gives the object and its raise address; any
//     other record gives the object systemErrorHook makes (address:
//     ExceptionAddress) or, without one, ends in runErrorAt with the exit code
//     of exitCodeForException;
//  5. unhandledHook(error, address) when installed (it reports and halts with
//     exit code 1), else runErrorAt(217, address).
// Returns false when it declines. Otherwise it does not return: the process
// ends, or a failure raised on the way (say by a finalisation) propagates.
bool topLevelHandler(const EXCEPTION_RECORD& record);

// The program's entry: sets exitCode and errorAddress to 0 and
// isConsoleProcess to the platform backend's answer, registers the
// last-resort handler, starts the modules, runs `mainBlock` and ends in
// haltSequence. Every escaped failure goes to topLevelHandler, and so does a
// failure raised while one is being handled. When the handler declines, the
// failure is raised again to the platform with the handler removed.
[[noreturn]] void runProgram(std::span<const TModuleEntry> modules, void (*mainBlock)());

}  // namespace bootspan
