// The x87 floating-point unit's control word: the instruction sequences that
// read, load and reset it, written once for the runtime and the fault traps.
// On processors without an x87 unit they read 0 and do nothing.
#pragma once

#include <cstdint>

namespace bootspan {

// Initialises the unit (empty register stack, no pending exception, every
// flag clear) and loads `controlWord`. Used after a fault, when the unit's
// state is unknown: resetFpuTo(0x1332) leaves a 64-bit significand, rounding
// to nearest and invalid operation, division by zero and overflow unmasked.
void resetFpuTo(std::uint16_t controlWord);

// The control word in force, e.g. 0x037F after the processor's own reset.
std::uint16_t fpuControlWord();

// Clears pending exception flags, keeping the register stack, and loads
// `word`; for code that switches between known states.
void loadFpuControlWord(std::uint16_t word);

}  // namespace bootspan
