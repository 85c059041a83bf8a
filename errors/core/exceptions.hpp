// The error class tree. Every failure travels as an instance of one of these
// classes; the class name printed in reports is exactly the C++ class name.
#pragma once

#include <cstdint>
#include <new>
#include <string>

#include "errors/core/object.hpp"
#include "platform/win_types.hpp"

namespace bootspan {

class Exception : public TObject {
  BOOTSPAN_CLASS_BODY(Exception)
 public:
  Exception() = default;
  explicit Exception(std::string text) : message(std::move(text)) {}

  std::string message;
  std::int32_t helpContext = 0;  // carried for layout; nothing reads it
};

// Parent of the two preallocated heap errors. Releasing an instance neither
// destroys it nor gives its memory back unless `mayRelease` is set, so the
// same object can be raised again and again.
class EHeapException : public Exception {
  BOOTSPAN_CLASS_BODY(EHeapException)
 public:
  bool mayRelease = false;
  void operator delete(EHeapException* self, std::destroying_delete_t);
};

class EOutOfMemory : public EHeapException {
  BOOTSPAN_CLASS_BODY(EOutOfMemory)
};
class EInvalidPointer : public EHeapException {
  BOOTSPAN_CLASS_BODY(EInvalidPointer)
};

class EInOutError : public Exception {
  BOOTSPAN_CLASS_BODY(EInOutError)
 public:
  std::int32_t errorCode = 0;
};

// Parent of the errors made from platform exceptions.
//
// The platform's record lives only as long as the dispatch of its exception,
// while the error may be handled long after; so the error keeps its own copy
// and `exceptionRecord` points at that copy once set.
class EExternal : public Exception {
  BOOTSPAN_CLASS_BODY(EExternal)
 public:
  EExternal() = default;
  EExternal(const EExternal&) = delete;
  EExternal& operator=(const EExternal&) = delete;

  const EXCEPTION_RECORD* exceptionRecord = nullptr;

  // Copies `record` into this error and points exceptionRecord at the copy.
  // The copy's chain link (its own ExceptionRecord field) is cleared: the
  // chained record would not outlive the dispatch either.
  void keepRecord(const EXCEPTION_RECORD& record);

 private:
  EXCEPTION_RECORD recordCopy_{};
};

#define BOOTSPAN_DECLARE_ERROR(Name, Parent) \
  class Name : public Parent {               \
    BOOTSPAN_CLASS_BODY(Name)                \
  };

BOOTSPAN_DECLARE_ERROR(EExternalException, EExternal)
BOOTSPAN_DECLARE_ERROR(EIntError, EExternal)
BOOTSPAN_DECLARE_ERROR(EDivByZero, EIntError)
BOOTSPAN_DECLARE_ERROR(ERangeError, EIntError)
BOOTSPAN_DECLARE_ERROR(EIntOverflow, EIntError)
BOOTSPAN_DECLARE_ERROR(EMathError, EExternal)
BOOTSPAN_DECLARE_ERROR(EInvalidOp, EMathError)
BOOTSPAN_DECLARE_ERROR(EZeroDivide, EMathError)
BOOTSPAN_DECLARE_ERROR(EOverflow, EMathError)
BOOTSPAN_DECLARE_ERROR(EUnderflow, EMathError)
BOOTSPAN_DECLARE_ERROR(EInvalidCast, Exception)
BOOTSPAN_DECLARE_ERROR(EConvertError, Exception)
BOOTSPAN_DECLARE_ERROR(EAccessViolation, EExternal)
BOOTSPAN_DECLARE_ERROR(EPrivilege, EExternal)
BOOTSPAN_DECLARE_ERROR(EStackOverflow, EExternal)
BOOTSPAN_DECLARE_ERROR(EControlC, EExternal)
BOOTSPAN_DECLARE_ERROR(EVariantError, Exception)
BOOTSPAN_DECLARE_ERROR(EAssertionFailed, Exception)
BOOTSPAN_DECLARE_ERROR(EAbstractError, Exception)
BOOTSPAN_DECLARE_ERROR(EIntfCastError, Exception)
BOOTSPAN_DECLARE_ERROR(ESafecallException, Exception)

#undef BOOTSPAN_DECLARE_ERROR

}  // namespace bootspan
