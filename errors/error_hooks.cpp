#include "errors/error_hooks.hpp"

#include "errors/assertions.hpp"
#include "errors/core/hooks.hpp"
#include "errors/core/raise.hpp"
#include "errors/run_errors.hpp"
#include "errors/system_errors.hpp"
#include "errors/unhandled_report.hpp"
#include "resources/string_ids.hpp"

namespace bootspan {

EOutOfMemory* outOfMemoryError = nullptr;
EInvalidPointer* invalidPointerError = nullptr;

namespace {

template <class E>
void releaseHeapError(E*& error) {
  if (error == nullptr) return;
  error->mayRelease = true;
  releaseError(error);
  error = nullptr;
}

}  // namespace

void installErrorHooks() {
  outOfMemoryError =
      static_cast<EOutOfMemory*>(newErrorFromTable(EOutOfMemory::classRef, msg::outOfMemory));
  invalidPointerError = static_cast<EInvalidPointer*>(
      newErrorFromTable(EInvalidPointer::classRef, msg::invalidPointer));
  runtimeHooks = TRuntimeHooks{
      .runErrorHook = raiseRunError,
      .unhandledHook = reportUnhandled,
      .systemClassHook = systemExceptionClass,
      .systemErrorHook = errorFromSystemException,
      .assertHook = raiseAssertionFailed,
      .abstractHook = raiseAbstractError,
  };
}

void removeErrorHooks() {
  releaseHeapError(outOfMemoryError);
  releaseHeapError(invalidPointerError);
  // Every hook null again but abstractHook: an abstract call raises its
  // error also after shut-down.
  runtimeHooks = TRuntimeHooks{.abstractHook = runtimeHooks.abstractHook};
}

}  // namespace bootspan
