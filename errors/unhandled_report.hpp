// The report of an error that nothing handled: the "Application Error" box
// (or, for a console program, standard output).
#pragma once

#include <cstddef>

#include "errors/core/object.hpp"

namespace bootspan {

// Composes the two-line report of `error` raised at `address` into `buffer`
// (at most `capacity` bytes and a terminating zero; `buffer` holds capacity
// + 1 bytes) and returns its length:
//   Exception EConvertError in module Bootspan.exe at 000051F4.
//   '0.5' is not a valid timestamp.
// The offset is relative to the module whose committed region holds the
// address; an address in no module is printed less 4096 with the program's
// own module. The message gets a final "." unless it is empty or already
// ends in one; an object outside the Exception tree shows no message. Where
// the ANSI code page is UTF-8, a character that the cut at `capacity` bytes
// left partial is dropped (wholeCharsLength).
std::size_t composeReport(const TObject* error, const void* address, char* buffer,
                          std::size_t capacity);

// Composes the report (cut to 1023 bytes) and shows it: written to standard
// output with each line ended by CR LF for a console program, else in a
// task-modal box with the error icon captioned "Application Error".
void showReport(const TObject* error, const void* address);

// showReport, then releases the error and halts with exit code 1; installed
// as unhandledHook.
[[noreturn]] void reportUnhandled(TObject* error, const void* address);

}  // namespace bootspan
