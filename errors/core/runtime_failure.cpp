#include "errors/core/runtime_failure.hpp"

#include "errors/core/halt.hpp"
#include "errors/core/hooks.hpp"

namespace bootspan {

namespace {

constexpr std::int32_t kAbstractCallExitCode = 210;

// The exit code of a failure whose table entry would be 0; the same code an
// unknown platform exception gets.
constexpr std::int32_t kFailureWithoutCode = 255;

// Exit codes of the reasons 1 to 24; reason 0 and 25..127 are computed.
constexpr std::uint8_t kReasonExitCodes[25] = {
    0,    //  0: the input/output result (computed)
    203,  //  1: out of memory
    204,  //  2: invalid pointer
    200,  //  3: division by zero
    201,  //  4: range check
    215,  //  5: integer overflow
    207,  //  6: invalid floating-point operation
    200,  //  7: floating-point division by zero
    205,  //  8: floating-point overflow
    206,  //  9: floating-point underflow
    219,  // 10: invalid typecast
    216,  // 11: access violation
    202,  // 12: privileged instruction
    217,  // 13: control-C
    218,  // 14: stack overflow
    220,  // 15-20: variant failures
    221, 222, 223, 224, 225,
    227,  // 21: assertion failed
    0,    // 22: external exception (never 0, see below)
    228,  // 23: interface not supported
    229,  // 24: safecall exception
};

}  // namespace

std::int32_t exitCodeForReason(std::uint8_t reason) {
  reason &= 0x7F;
  std::int32_t code = reason;
  if (reason == kReasonInOutError) {
    code = inOutResult & 0xFF;
  } else if (reason < sizeof kReasonExitCodes) {
    code = kReasonExitCodes[reason];
  }
  // A failure never ends the process as a success: the external exception
  // and an input/output result whose low byte is 0 would map to 0.
  return code != 0 ? code : kFailureWithoutCode;
}

std::int32_t exitCodeForException(DWORD exceptionCode) {
  switch (exceptionCode) {
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_FLT_DIVIDE_BY_ZERO:
      return 200;
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
      return 201;
    case EXCEPTION_STACK_OVERFLOW:
      return 202;
    case EXCEPTION_FLT_OVERFLOW:
      return 205;
    case EXCEPTION_FLT_DENORMAL_OPERAND:
    case EXCEPTION_FLT_UNDERFLOW:
      return 206;
    case EXCEPTION_FLT_INEXACT_RESULT:
    case EXCEPTION_FLT_INVALID_OPERATION:
    case EXCEPTION_FLT_STACK_CHECK:
      return 207;
    case EXCEPTION_INT_OVERFLOW:
      return 215;
    case EXCEPTION_ACCESS_VIOLATION:
      return 216;
    case STATUS_CONTROL_C_EXIT:
      return 217;
    case EXCEPTION_PRIV_INSTRUCTION:
      return 218;
    default:
      return 255;
  }
}

void runtimeFailure(std::uint8_t reason, const void* address) {
  reason &= 0x7F;
  if (runtimeHooks.runErrorHook != nullptr) runtimeHooks.runErrorHook(reason, address);
  runErrorAt(exitCodeForReason(reason), address);
}

[[gnu::noinline]] void assertionFailed(const std::string& message, const std::string& fileName,
                                       std::int32_t lineNumber) {
  const void* address = __builtin_return_address(0);
  if (runtimeHooks.assertHook != nullptr)
    runtimeHooks.assertHook(message, fileName, lineNumber, address);
  runtimeFailure(kReasonAssertionFailed, address);
}

[[gnu::noinline]] void abstractCall() {
  const void* address = __builtin_return_address(0);
  if (runtimeHooks.abstractHook != nullptr) runtimeHooks.abstractHook();
  runErrorAt(kAbstractCallExitCode, address);
}

}  // namespace bootspan
