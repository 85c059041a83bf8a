// Bounds of the directive formatter.
#pragma once

#include <cstddef>
#include <cstdint>

namespace bootspan {

// The widest field a directive pads to. A width is read as an unsigned 32-bit
// number, so a digit run or a '*' argument could ask for billions of blanks,
// which formatMessage would try to allocate. No message needs more than a
// mebibyte of padding; larger widths act as this one.
inline constexpr std::uint32_t kMaxFieldWidth = 1u << 20;

// Precisions above this add no leading zeros to d, u, x and p.
inline constexpr std::uint32_t kMaxZeroFill = 16;

// formatMessage first formats into a scratch area of this many bytes.
inline constexpr std::size_t kMessageScratchSize = 4096;

}  // namespace bootspan
