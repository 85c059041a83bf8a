// Processor faults on Windows. A C++ exception cannot be thrown out of a
// Windows exception handler with DWARF unwinding, so the vectored handler
// keeps a copy of the record and makes the faulting thread resume in a
// trampoline instead, as if the faulting instruction had called it: the
// return address it pushes lies one byte past the start of that instruction,
// so the unwinder finds the instruction's own frame and call-site entry.
#include <cstring>

#include "platform/fault_trap.hpp"
#include "platform/fpu_control.hpp"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace bootspan {

namespace {

TFaultReceiver receiver = nullptr;
PVOID registration = nullptr;

// Stack the system keeps for the handler beyond a stack overflow, enough for
// the trampoline to make the error object and start the unwinding.
constexpr ULONG kOverflowStackGuarantee = 64 * 1024;

// The program is single-threaded; a fault being delivered is kept here
// between the handler and the trampoline.
EXCEPTION_RECORD pendingRecord;
WORD pendingControlWord = 0x037F;

// x87 status word: exception flags (bits 0-5), stack fault (6), error
// summary (7) and busy (15).
constexpr WORD kX87PendingBits = 0x80FF;
// Offset of the status word in the FXSAVE image of the extended registers.
constexpr std::size_t kFxsaveStatusWord = 2;

bool isTrappedCode(DWORD code) {
  switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_IN_PAGE_ERROR:
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_PRIV_INSTRUCTION:
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
    case EXCEPTION_FLT_DENORMAL_OPERAND:
    case EXCEPTION_FLT_DIVIDE_BY_ZERO:
    case EXCEPTION_FLT_INEXACT_RESULT:
    case EXCEPTION_FLT_INVALID_OPERATION:
    case EXCEPTION_FLT_OVERFLOW:
    case EXCEPTION_FLT_STACK_CHECK:
    case EXCEPTION_FLT_UNDERFLOW:
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_INT_OVERFLOW:
    case EXCEPTION_STACK_OVERFLOW:
      return true;
    default:
      return false;
  }
}

// Only code of the program's own image carries the unwind tables the
// trampoline relies on; faults elsewhere stay with that code's handlers.
bool inProgramImage(DWORD address) {
  MEMORY_BASIC_INFORMATION info{};
  return ::VirtualQuery(reinterpret_cast<LPCVOID>(address), &info, sizeof info) != 0 &&
         info.State == MEM_COMMIT && info.AllocationBase == &__ImageBase;
}

[[noreturn]] __attribute__((noinline, used)) void deliverPendingFault() {
  resetFpuTo(pendingControlWord);
  const EXCEPTION_RECORD record = pendingRecord;
  receiver(record);
  ::ExitProcess(record.ExceptionCode);  // a receiver must not return
}

LONG CALLBACK onException(EXCEPTION_POINTERS* pointers) {
  EXCEPTION_RECORD* record = pointers->ExceptionRecord;
  CONTEXT* context = pointers->ContextRecord;
  if (receiver == nullptr || !isTrappedCode(record->ExceptionCode) ||
      (context->ContextFlags & CONTEXT_CONTROL) != CONTEXT_CONTROL ||
      !inProgramImage(context->Eip)) {
    return EXCEPTION_CONTINUE_SEARCH;
  }
  pendingRecord = *record;
  pendingRecord.ExceptionRecord = nullptr;  // a chained record would not outlive the dispatch

  // Resume without the floating-point exception still pending, or the
  // trampoline's first x87 instruction would trap again.
  pendingControlWord = 0x037F;
  if ((context->ContextFlags & CONTEXT_FLOATING_POINT) == CONTEXT_FLOATING_POINT) {
    pendingControlWord = static_cast<WORD>(context->FloatSave.ControlWord);
    context->FloatSave.StatusWord &= ~static_cast<DWORD>(kX87PendingBits);
  }
  if ((context->ContextFlags & CONTEXT_EXTENDED_REGISTERS) == CONTEXT_EXTENDED_REGISTERS) {
    WORD status;
    std::memcpy(&status, context->ExtendedRegisters + kFxsaveStatusWord, sizeof status);
    status &= static_cast<WORD>(~kX87PendingBits);
    std::memcpy(context->ExtendedRegisters + kFxsaveStatusWord, &status, sizeof status);
  }

  context->Esp -= sizeof(DWORD);
  *reinterpret_cast<DWORD*>(context->Esp) = context->Eip + 1;
  context->Eip = reinterpret_cast<DWORD>(&deliverPendingFault);
  return EXCEPTION_CONTINUE_EXECUTION;
}

}  // namespace

void installFaultTrap(TFaultReceiver newReceiver) {
  receiver = newReceiver;
  if (registration != nullptr) return;
  ULONG guarantee = kOverflowStackGuarantee;
  ::SetThreadStackGuarantee(&guarantee);
  registration = ::AddVectoredExceptionHandler(1, onException);
}

void removeFaultTrap() {
  if (registration != nullptr) ::RemoveVectoredExceptionHandler(registration);
  registration = nullptr;
  receiver = nullptr;
}

bool faultTrapInstalled() {
  return registration != nullptr;
}

}  // namespace bootspan
