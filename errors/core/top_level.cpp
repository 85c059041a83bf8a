#include "errors/core/top_level.hpp"

#include <exception>

#include "errors/core/fpu.hpp"
#include "errors/core/halt.hpp"
#include "errors/core/hooks.hpp"
#include "errors/core/runtime_failure.hpp"
#include "errors/core/system_fault.hpp"
#include "platform/fault_trap.hpp"
#include "platform/platform.hpp"

namespace bootspan {

namespace {

constexpr std::int32_t kUnhandledWithoutHookExitCode = 217;

// Handling one failure may raise another (a finalisation that fails); each
// pass finalises what is left, so a few passes end any run. Past this many
// the process ends at once.
constexpr int kMaxHandlerPasses = 16;

// The failure being handled. Kept in static storage: the error object it
// names stays referenced until the process ends.
TEscapedFailure escaped;

// The processor context handed to UnhandledExceptionFilter: the failing
// context is gone once C++ unwinding has reached the entry.
alignas(16) unsigned char contextArea[1024];

// Runs `body`; an escaping failure is kept in `escaped` and gives false.
template <class F>
bool runGuarded(F&& body) {
  try {
    body();
    return true;
  } catch (const TEscapedFailure& failure) {
    escaped = failure;
  } catch (const std::exception&) {
    escaped = escapedException(foreignExceptionRecord(nullptr));
  }
  return false;
}

// True unless UnhandledExceptionFilter leaves the failure to the platform
// (a debugger claims it).
bool filterLetsUsHandle(EXCEPTION_RECORD record) {
  EXCEPTION_POINTERS pointers{};
  pointers.ExceptionRecord = &record;
  pointers.ContextRecord = reinterpret_cast<decltype(pointers.ContextRecord)>(contextArea);
  return platform().UnhandledExceptionFilter(&pointers) != EXCEPTION_CONTINUE_SEARCH;
}

// Leaves the failure to the platform: raised again with nothing of ours in
// the way. Ends the process with the exception code should the platform
// give control back.
[[noreturn]] void declineToPlatform(const TEscapedFailure& failure) {
  const EXCEPTION_RECORD record = platformRecord(failure);
  removeTopLevelHandler();
  platform().RaiseException(record.ExceptionCode, EXCEPTION_NONCONTINUABLE, record.NumberParameters,
                            record.ExceptionInformation);
  exitProcess(record.ExceptionCode);
}

}  // namespace

void installTopLevelHandler() {
  installFaultTrap(raiseSystemFault);
}

void removeTopLevelHandler() {
  removeFaultTrap();
}

bool topLevelHandler(const TEscapedFailure& failure) {
  const EXCEPTION_RECORD record = platformRecord(failure);
  if ((record.ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND)) != 0) return false;
  if (!filterLetsUsHandle(record)) return false;

  resetFpu();

  TObject* error = failure.error;
  if (error == nullptr) {  // a platform exception: no object yet
    if (runtimeHooks.systemErrorHook != nullptr) error = runtimeHooks.systemErrorHook(&record);
    if (error == nullptr) runErrorAt(exitCodeForException(record.ExceptionCode), failure.address);
  }
  if (runtimeHooks.unhandledHook != nullptr) runtimeHooks.unhandledHook(error, failure.address);
  runErrorAt(kUnhandledWithoutHookExitCode, failure.address);
}

void runProgram(std::span<const TModuleEntry> modules, void (*mainBlock)()) {
  exitCode = 0;
  errorAddress = nullptr;
  isConsoleProcess = platform().isConsoleProcess();
  installTopLevelHandler();
  runGuarded([&] {
    startModules(modules);
    if (mainBlock != nullptr) mainBlock();
    haltSequence();
  });
  for (int pass = 0; pass < kMaxHandlerPasses; ++pass) {
    runGuarded([] {
      if (!topLevelHandler(escaped)) declineToPlatform(escaped);
    });
  }
  removeTopLevelHandler();
  exitProcess(kUnhandledWithoutHookExitCode);
}

}  // namespace bootspan
