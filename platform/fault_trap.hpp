// Delivery of processor faults (access violation, integer division by zero,
// floating-point traps, illegal instructions) as ordinary calls.
//
// Once installed, a fault in the program's own code calls the receiver with
// an EXCEPTION_RECORD describing it, on the faulting thread, in a state where
// the receiver may throw: unwinding then starts at the faulting instruction
// (the code is built with -fnon-call-exceptions). The receiver must not
// return. The floating-point unit is reset with the control word that was in
// force at the fault, so pending floating-point exceptions do not fire again.
//
// A stack overflow is delivered too (EXCEPTION_STACK_OVERFLOW), with stack
// reserved for the receiver to make its error object and start unwinding.
//
// Windows: a vectored exception handler keeps a copy of the record, pushes a
// return address just past the faulting instruction and resumes execution in
// a trampoline that calls the receiver. Faults outside the program's image are
// left to the handlers of the code they happen in. SetThreadStackGuarantee
// keeps stack for the handler and the trampoline beyond an overflow.
// Linux: signal handlers for SIGSEGV, SIGBUS, SIGFPE and SIGILL, run on a
// stack of their own, build the record from the signal information (a
// SIGSEGV close to the stack pointer is a stack overflow) and call the
// receiver directly.
#pragma once

#include "platform/win_types.hpp"

namespace bootspan {

using TFaultReceiver = void (*)(const EXCEPTION_RECORD& record);

// Installs the trap; a second call replaces the receiver.
void installFaultTrap(TFaultReceiver receiver);

// Removes the trap; faults take the platform's own path again. Does nothing
// when the trap is not installed.
void removeFaultTrap();

// True while the trap is installed.
bool faultTrapInstalled();

}  // namespace bootspan
