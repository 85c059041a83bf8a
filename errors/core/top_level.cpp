#include "errors/core/top_level.hpp"

#include <exception>

#include "errors/core/fpu.hpp"
#include "errors/core/halt.hpp"
#include "errors/core/hooks.hpp"
#include "errors/core/raise.hpp"
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
EXCEPTION_RECORD escaped;

// The processor context handed to UnhandledExceptionFilter: the failing
// context is gone once C++ unwinding has reached the entry.
alignas(16) unsigned char contextArea[1024];

EXCEPTION_RECORD foreignRecord() {
  EXCEPTION_RECORD record{};
  record.ExceptionCode = foreignExceptionCode;
  record.ExceptionFlags = EXCEPTION_NONCONTINUABLE;
  return record;
}

// Runs `body`; an escaping failure is kept in `escaped` and gives false.
template <class F>
bool runGuarded(F&& body) {
  try {
    body();
    return true;
  } catch (const TRaisedError& raised) {
    escaped = languageRecord(raised.error, raised.address);
  } catch (const TSystemFault& fault) {
    escaped = fault.record;
  } catch (const std::exception&) {
    escaped = foreignRecord();
  }
  return false;
}

// Leaves the failure to the platform: raised again with nothing of ours in
// the way. Ends the process with the exception code should the platform
// give control back.
[[noreturn]] void declineToPlatform(const EXCEPTION_RECORD& record) {
  removeTopLevelHandler();
  platform().RaiseException(record.ExceptionCode, EXCEPTION_NONCONTINUABLE, record.NumberParameters,
                            record.ExceptionInformation);
  exitProcess(record.ExceptionCode);
}

}  // namespace

EXCEPTION_RECORD languageRecord(TObject* error, const void* address) {
  EXCEPTION_RECORD record{};
  record.ExceptionCode = languageErrorCode;
  record.ExceptionFlags = EXCEPTION_NONCONTINUABLE;
  record.ExceptionAddress = const_cast<void*>(address);
  record.NumberParameters = 7;
  record.ExceptionInformation[0] = reinterpret_cast<ULONG_PTR>(address);
  record.ExceptionInformation[1] = reinterpret_cast<ULONG_PTR>(error);
  return record;
}

void installTopLevelHandler() {
  installFaultTrap(raiseSystemFault);
}

void removeTopLevelHandler() {
  removeFaultTrap();
}

bool topLevelHandler(const EXCEPTION_RECORD& record) {
  if ((record.ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND)) != 0) return false;
  EXCEPTION_RECORD copy = record;
  EXCEPTION_POINTERS pointers{};
  pointers.ExceptionRecord = &copy;
  pointers.ContextRecord = reinterpret_cast<decltype(pointers.ContextRecord)>(contextArea);
  if (platform().UnhandledExceptionFilter(&pointers) == EXCEPTION_CONTINUE_SEARCH) return false;

  resetFpu();

  TObject* error = nullptr;
  const void* address = nullptr;
  if (record.ExceptionCode == languageErrorCode) {
    error = reinterpret_cast<TObject*>(record.ExceptionInformation[1]);
    address = reinterpret_cast<const void*>(record.ExceptionInformation[0]);
  } else {
    if (runtimeHooks.systemErrorHook != nullptr) error = runtimeHooks.systemErrorHook(&record);
    address = record.ExceptionAddress;
    if (error == nullptr) runErrorAt(exitCodeForException(record.ExceptionCode), address);
  }
  if (runtimeHooks.unhandledHook != nullptr) runtimeHooks.unhandledHook(error, address);
  runErrorAt(kUnhandledWithoutHookExitCode, address);
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
