// The runtime's own failure routines: run-time error reasons, failed
// assertions and calls of abstract operations, handed to the hooks when they
// are installed and reported as numbered run errors when they are not.
#pragma once

#include <cstdint>
#include <string>

#include "platform/win_types.hpp"

namespace bootspan {

// Run-time error reasons the runtime signals itself.
inline constexpr std::uint8_t kReasonInOutError = 0;
inline constexpr std::uint8_t kReasonOutOfMemory = 1;
inline constexpr std::uint8_t kReasonInvalidPointer = 2;
inline constexpr std::uint8_t kReasonAssertionFailed = 21;

// Exit code for a run-time error reason when no hook takes it (the reason is
// taken modulo 128): 1 -> 203, 3 -> 200, 11 -> 216, 25..127 -> the reason,
// 0 -> the low 8 bits of the calling thread's input/output result.
std::int32_t exitCodeForReason(std::uint8_t reason);

// Exit code for a platform exception that reaches the last-resort handler
// without an error object: 0xC0000094 -> 200, 0xC0000005 -> 216, any code
// not listed -> 255.
std::int32_t exitCodeForException(DWORD exceptionCode);

// Keeps the low 7 bits of `reason`; hands (reason, address) to runErrorHook
// when it is installed (which raises), else runErrorAt with the exit code of
// exitCodeForReason. Never returns.
[[noreturn]] void runtimeFailure(std::uint8_t reason, const void* address);

// A failed assertion at the caller's return address: assertHook when
// installed, else run-time error reason 21.
[[noreturn]] void assertionFailed(const std::string& message, const std::string& fileName,
                                  std::int32_t lineNumber);

// A call of an abstract operation: abstractHook when installed, else run
// error 210 at the caller's return address.
[[noreturn]] void abstractCall();

}  // namespace bootspan
