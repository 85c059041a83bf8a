// The floating-point environment of the process.
//
// The runtime's default control word selects a 64-bit significand and
// rounding to nearest, lets invalid operation, division by zero and overflow
// raise, and lets denormal operands, underflow and inexact results pass.
#pragma once

#include <cstdint>

namespace bootspan {

inline constexpr std::uint16_t kDefaultFpuControlWord = 0x1332;

// The control word resetFpu loads; starts as kDefaultFpuControlWord.
extern std::uint16_t fpuDefaultControlWord;

// Initialises the floating-point unit (empty register stack, no pending
// exception) and loads fpuDefaultControlWord.
void resetFpu();

// The x87 control word in force, and loading one. On processors without an
// x87 unit these read 0 and do nothing.
std::uint16_t fpuControlWord();
void loadFpuControlWord(std::uint16_t word);

}  // namespace bootspan
