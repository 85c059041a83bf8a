// The floating-point environment of the process.
//
// The runtime's default control word selects a 64-bit significand and
// rounding to nearest, lets invalid operation, division by zero and overflow
// raise, and lets denormal operands, underflow and inexact results pass.
#pragma once

#include <cstdint>

#include "platform/fpu_control.hpp"

namespace bootspan {

inline constexpr std::uint16_t kDefaultFpuControlWord = 0x1332;

// The control word resetFpu loads; starts as kDefaultFpuControlWord.
extern std::uint16_t fpuDefaultControlWord;

// Initialises the floating-point unit (empty register stack, no pending
// exception) and loads fpuDefaultControlWord.
void resetFpu();

}  // namespace bootspan
