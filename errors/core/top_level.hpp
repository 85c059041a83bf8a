// The last-resort handling of failures that escape the program, and the
// program's entry that puts it in place.
//
// The road of an unhandled failure:
//  1. Something raises: an error object (raiseError, thrown as a
//     TEscapedFailure), a processor fault (the fault trap calls
//     raiseSystemFault, which raises the object systemErrorHook makes, or
//     else throws the platform exception as a TEscapedFailure without an
//     object), or the standard library throws one of its exceptions.
//  2. C++ unwinding runs the cleanups of every guarded region up to the
//     program's entry, runProgram; no module has been finalised yet.
//  3. runProgram catches the failure, a TEscapedFailure (a standard-library
//     exception becomes the platform exception of foreign C++ code), and
//     hands it to topLevelHandler.
//  4. topLevelHandler declines a record being unwound, asks
//     UnhandledExceptionFilter whether to go on (if not, runProgram raises
//     the failure again to the platform with the handler removed) and resets
//     the floating-point unit.
//  5. It takes the error object; for a platform exception, the one
//     systemErrorHook makes, or without one it ends in the run error of the
//     exception's code.
//  6. unhandledHook (reportUnhandled) shows the report and calls halt(1);
//     without the hook the failure ends as run error 217.
//  7. haltSequence finalises the modules in reverse order, removes the
//     handler and ends the process. A failure raised on the way (say by a
//     finalisation) goes back to step 3.
#pragma once

#include <span>

#include "errors/core/escaped_failure.hpp"
#include "errors/core/module_table.hpp"

namespace bootspan {

// Registers the last-resort handler: from now on processor faults become
// raised failures (through systemErrorHook when it is installed).
void installTopLevelHandler();
// Removes it again; called by haltSequence just before ExitProcess.
void removeTopLevelHandler();

// The decision for one escaped failure:
//  1. a platform record flagged EXCEPTION_UNWINDING or EXCEPTION_EXIT_UNWIND:
//     decline;
//  2. UnhandledExceptionFilter, given platformRecord(failure), answers
//     EXCEPTION_CONTINUE_SEARCH: decline;
//  3. reset the floating-point unit to fpuDefaultControlWord;
//  4. an error object comes with its raise address; a platform exception
//     gives the object systemErrorHook makes (address: ExceptionAddress) or,
//     without one, ends in runErrorAt with the exit code of
//     exitCodeForException;
//  5. unhandledHook(error, address) when installed (it reports and halts with
//     exit code 1), else runErrorAt(217, address).
// Returns false when it declines. Otherwise it does not return: the process
// ends, or a failure raised on the way (say by a finalisation) propagates.
bool topLevelHandler(const TEscapedFailure& failure);

// The program's entry: sets exitCode and errorAddress to 0 and
// isConsoleProcess to the platform backend's answer, registers the
// last-resort handler, starts the modules, runs `mainBlock` and ends in
// haltSequence. Every escaped failure goes to topLevelHandler, and so does a
// failure raised while one is being handled. When the handler declines, the
// failure is raised again to the platform with the handler removed.
[[noreturn]] void runProgram(std::span<const TModuleEntry> modules, void (*mainBlock)());

}  // namespace bootspan
