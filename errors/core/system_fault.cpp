#include "errors/core/system_fault.hpp"

#include "errors/core/escaped_failure.hpp"
#include "errors/core/hooks.hpp"
#include "errors/core/raise.hpp"

namespace bootspan {

void raiseSystemFault(const EXCEPTION_RECORD& record) {
  if (runtimeHooks.systemErrorHook != nullptr) {
    if (Exception* error = runtimeHooks.systemErrorHook(&record))
      raiseErrorAt(error, record.ExceptionAddress);
  }
  TEscapedFailure fault = escapedException(record);
  fault.record->ExceptionRecord = nullptr;
  throw fault;
}

EXCEPTION_RECORD foreignExceptionRecord(const void* address) {
  EXCEPTION_RECORD record{};
  record.ExceptionCode = foreignExceptionCode;
  record.ExceptionFlags = EXCEPTION_NONCONTINUABLE;
  record.ExceptionAddress = const_cast<void*>(address);
  return record;
}

void raiseForeignException(const void* address) {
  raiseSystemFault(foreignExceptionRecord(address));
}

}  // namespace bootspan
