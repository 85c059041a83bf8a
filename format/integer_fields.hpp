// The fields of the integer letters d, u, x and p: an optional '-', the
// digits with zeros in front up to a precision of 0..kMaxZeroFill, then
// blanks to the width.
#pragma once

#include <cstddef>
#include <cstdint>

#include "format/directive.hpp"

namespace bootspan {

// Like every field writer, the ones here write at most `room` bytes at `to`
// and return their count.

// d, u and x of a 32-bit integer: d reads it as signed, u and x as unsigned.
// Example: "%x" of -1 gives "FFFFFFFF", "%u" gives "4294967295", "%.3d" of -7
// gives "-007".
std::size_t integerDirective(char* to, std::size_t room, const Directive& d, std::int32_t value);

// d, u and x of a 64-bit integer, as for 32 bits.
std::size_t integerDirective(char* to, std::size_t room, const Directive& d, std::int64_t value);

// p: the address in upper-case hexadecimal, at least 8 digits whatever the
// precision. Example: 0x1A2B gives "00001A2B".
std::size_t pointerField(char* to, std::size_t room, const Directive& d, std::uint64_t address);

}  // namespace bootspan
