#include "errors/core/system_fault.hpp"

#include "errors/core/hooks.hpp"
#include "errors/core/raise.hpp"

namespace bootspan {

void raiseSystemFault(const EXCEPTION_RECORD& record) {
  if (runtimeHooks.systemErrorHook != nullptr) {
    if (Exception* error = runtimeHooks.systemErrorHook(&record))
      raiseErrorAt(error, record.ExceptionAddress);
  }
  TSystemFault fault{record};
  fault.record.ExceptionRecord = nullptr;
  throw fault;
}

}  // namespace bootspan
