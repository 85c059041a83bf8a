// Raising error objects.
//
// To raise is to hand the exception mechanism an owned error object together
// with the code address reported as the place of the failure. The object is
// thrown inside a TEscapedFailure, the one type this system throws (a
// platform exception without an object travels in it too); whoever catches
// it owns the object and gives it back with releaseError.
//
// The place of a failure is a return address: __builtin_return_address(0)
// read in a function gives the instruction after the call to it, in its
// caller. The functions that report their own call as the place (raiseError,
// runError, the allocation operators, ...) read it; those that raise through
// them and whose own body is the place (raiseConvertError, raiseInvalidOp,
// ...) call them. Either only works while the function is a real call of its
// own: inlined, the address read would be one frame further out. So every
// such function is defined [[gnu::noinline]].
#pragma once

#include <string>

#include "errors/core/escaped_failure.hpp"
#include "errors/core/object.hpp"

namespace bootspan {

// Raises `error` with `address` as the place of the failure. A null error
// ends the process at once with run error 216 at `address`.
[[noreturn]] void raiseErrorAt(TObject* error, const void* address);

// Raises `error`; the place is the return address of this call, that is the
// instruction after it in the caller.
[[noreturn]] void raiseError(TObject* error);

// Gives a handled error back (destroys it, unless it is a preallocated heap
// error that refuses release).
void releaseError(TObject* error);

// A new instance of `errorClass` with `message` set. The class must be
// Exception or below it.
class Exception;
Exception* newError(const TClass& errorClass, std::string message);

// A new instance of `errorClass` whose message is string-table entry `number`.
Exception* newErrorFromTable(const TClass& errorClass, unsigned number);

}  // namespace bootspan
