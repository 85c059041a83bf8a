#include "errors/core/system_fault.hpp"

#include "errors/core/hooks.hpp"
#include "errors/core/raise.hpp"

namespace bootspan {

void raiseSystemFault(const EXCEPTION_RECORD& record) {
  if (systemErrorHook != nullptr) {
    if (Exception* error = systemErrorHook(&record)) raiseErrorAt(error, record.ExceptionAddress);
  }
  TSystemFault fault{record};
  fault.record.ExceptionRecord = nullptr;
  throw fault;
}

}  // namespace bootspan
