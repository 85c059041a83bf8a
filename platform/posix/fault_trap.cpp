// Processor faults on Linux: signal handlers turn SIGSEGV, SIGBUS, SIGFPE and
// SIGILL into the record a Windows program would receive and call the
// receiver, which throws straight out of the handler. The handlers run on a
// stack of their own, so that a fault of an overflowed stack can be handled
// too.
#include "platform/fault_trap.hpp"

#include <signal.h>
#include <ucontext.h>

#include <cstdint>

#include "platform/fpu_control.hpp"

namespace bootspan {

namespace {

constexpr int kTrappedSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL};

TFaultReceiver receiver = nullptr;
struct sigaction previous[sizeof kTrappedSignals / sizeof kTrappedSignals[0]];

// The handlers' own stack: room for making the error object and starting the
// unwinding while the program's stack is full.
constexpr std::size_t kHandlerStackSize = 64 * 1024;
alignas(16) unsigned char handlerStack[kHandlerStackSize];
stack_t previousHandlerStack;

// An access this close to the stack pointer is the stack growing past its
// limit (a push, a call, or a frame of up to this size).
constexpr std::uintptr_t kStackOverflowReach = 64 * 1024;

// x87 status word: stack fault, set together with invalid operation when the
// register stack over- or underflows.
constexpr unsigned kX87StackFault = 0x40;

DWORD floatingCode(int siCode, const ucontext_t* context) {
  switch (siCode) {
    case FPE_INTDIV:
      return EXCEPTION_INT_DIVIDE_BY_ZERO;
    case FPE_INTOVF:
      return EXCEPTION_INT_OVERFLOW;
    case FPE_FLTDIV:
      return EXCEPTION_FLT_DIVIDE_BY_ZERO;
    case FPE_FLTOVF:
      return EXCEPTION_FLT_OVERFLOW;
    case FPE_FLTUND:
      return EXCEPTION_FLT_UNDERFLOW;
    case FPE_FLTRES:
      return EXCEPTION_FLT_INEXACT_RESULT;
    case FPE_FLTSUB:
      return EXCEPTION_ARRAY_BOUNDS_EXCEEDED;
    case FPE_FLTINV:
    default:
#if defined(__x86_64__)
      if (context->uc_mcontext.fpregs != nullptr &&
          (context->uc_mcontext.fpregs->swd & kX87StackFault) != 0) {
        return EXCEPTION_FLT_STACK_CHECK;
      }
#else
      (void)context;
#endif
      return EXCEPTION_FLT_INVALID_OPERATION;
  }
}

// The instruction that faulted. For x87 exceptions the trap comes at the next
// floating-point instruction; the unit remembers the one that failed.
void* faultingInstruction(int signal, int siCode, const ucontext_t* context) {
#if defined(__x86_64__)
  void* ip = reinterpret_cast<void*>(context->uc_mcontext.gregs[REG_RIP]);
  const bool x87 = signal == SIGFPE && siCode != FPE_INTDIV && siCode != FPE_INTOVF;
  if (x87 && context->uc_mcontext.fpregs != nullptr && context->uc_mcontext.fpregs->rip != 0) {
    return reinterpret_cast<void*>(context->uc_mcontext.fpregs->rip);
  }
  return ip;
#elif defined(__i386__)
  (void)signal;
  (void)siCode;
  return reinterpret_cast<void*>(context->uc_mcontext.gregs[REG_EIP]);
#else
  (void)signal;
  (void)siCode;
  (void)context;
  return nullptr;
#endif
}

// The stack pointer at the fault.
std::uintptr_t stackPointer(const ucontext_t* context) {
#if defined(__x86_64__)
  return static_cast<std::uintptr_t>(context->uc_mcontext.gregs[REG_RSP]);
#elif defined(__i386__)
  return static_cast<std::uintptr_t>(context->uc_mcontext.gregs[REG_ESP]);
#else
  (void)context;
  return 0;
#endif
}

bool isStackOverflow(const void* address, const ucontext_t* context) {
  const auto at = reinterpret_cast<std::uintptr_t>(address);
  const std::uintptr_t sp = stackPointer(context);
  return sp != 0 && at + kStackOverflowReach >= sp && at <= sp + kStackOverflowReach;
}

// True when the faulting access was a write (page-fault error code, bit 1).
bool faultWasWrite(const ucontext_t* context) {
#if defined(__x86_64__)
  return (context->uc_mcontext.gregs[REG_ERR] & 2) != 0;
#elif defined(__i386__)
  return (context->uc_mcontext.gregs[REG_ERR] & 2) != 0;
#else
  (void)context;
  return false;
#endif
}

// The kernel runs a handler with a freshly initialised floating-point unit;
// the code that goes on after the throw expects the control word it had.
void restoreControlWord(const ucontext_t* context) {
#if defined(__x86_64__)
  if (context->uc_mcontext.fpregs != nullptr) resetFpuTo(context->uc_mcontext.fpregs->cwd);
#else
  (void)context;
#endif
}

void onFault(int signal, siginfo_t* info, void* raw) {
  const auto* context = static_cast<const ucontext_t*>(raw);
  EXCEPTION_RECORD record{};
  record.ExceptionAddress = faultingInstruction(signal, info->si_code, context);
  switch (signal) {
    case SIGSEGV:
    case SIGBUS:
      record.ExceptionCode = signal == SIGBUS                          ? EXCEPTION_IN_PAGE_ERROR
                             : isStackOverflow(info->si_addr, context) ? EXCEPTION_STACK_OVERFLOW
                                                                       : EXCEPTION_ACCESS_VIOLATION;
      record.NumberParameters = 2;
      record.ExceptionInformation[0] = faultWasWrite(context) ? 1 : 0;
      record.ExceptionInformation[1] = reinterpret_cast<ULONG_PTR>(info->si_addr);
      break;
    case SIGFPE:
      record.ExceptionCode = floatingCode(info->si_code, context);
      break;
    default:
      record.ExceptionCode =
          info->si_code == ILL_PRVOPC ? EXCEPTION_PRIV_INSTRUCTION : EXCEPTION_ILLEGAL_INSTRUCTION;
      break;
  }
  restoreControlWord(context);
  receiver(record);
}

}  // namespace

void installFaultTrap(TFaultReceiver newReceiver) {
  const bool first = receiver == nullptr;
  receiver = newReceiver;
  if (!first) return;
  stack_t own{};
  own.ss_sp = handlerStack;
  own.ss_size = sizeof handlerStack;
  sigaltstack(&own, &previousHandlerStack);
  struct sigaction action {};
  action.sa_sigaction = onFault;
  action.sa_flags = SA_SIGINFO | SA_NODEFER | SA_ONSTACK;
  sigemptyset(&action.sa_mask);
  for (std::size_t i = 0; i < sizeof kTrappedSignals / sizeof kTrappedSignals[0]; ++i)
    sigaction(kTrappedSignals[i], &action, &previous[i]);
}

void removeFaultTrap() {
  if (receiver == nullptr) return;
  for (std::size_t i = 0; i < sizeof kTrappedSignals / sizeof kTrappedSignals[0]; ++i)
    sigaction(kTrappedSignals[i], &previous[i], nullptr);
  sigaltstack(&previousHandlerStack, nullptr);
  receiver = nullptr;
}

bool faultTrapInstalled() {
  return receiver != nullptr;
}

}  // namespace bootspan
