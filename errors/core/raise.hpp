// Raising error objects.
//
// To raise is to hand the exception mechanism an owned error object together
// with the code address reported as the place of the failure. The object is
// thrown inside a TRaisedError; whoever catches it owns the object and gives
// it back with releaseError.
#pragma once

#include <string>

#include "errors/core/object.hpp"

namespace bootspan {

struct TRaisedError {
  TObject* error;       // owned by the catcher
  const void* address;  // code address of the raise
};

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
