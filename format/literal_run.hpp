// Copying the literal run of a template: the bytes up to the next '%'.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "format/small_copy.hpp"

namespace bootspan {

// Copies the bytes at `from` to `to` up to the first '%' or `n` bytes,
// whichever comes first, and returns the count copied. Eight bytes at a time
// while they hold no '%' (a word-wide byte search), then byte by byte.
// Example: "ab%d" with n 4 copies "ab" and gives 2.
inline std::size_t copyLiteral(char* to, const char* from, std::size_t n) {
  constexpr std::uint64_t kOnes = 0x0101010101010101u;
  constexpr std::uint64_t kHighs = 0x8080808080808080u;
  constexpr std::uint64_t kPercents = kOnes * '%';
  std::size_t i = 0;
  for (; n - i >= 8; i += 8) {
    std::uint64_t word;
    std::memcpy(&word, from + i, 8);
    const std::uint64_t x = word ^ kPercents;  // a zero byte where '%' was
    const std::uint64_t found = (x - kOnes) & ~x & kHighs;
    if (found != 0) {
      // The lowest flag marks the first '%' (flags above it may be false).
      const std::size_t before = static_cast<std::size_t>(__builtin_ctzll(found)) / 8;
      copyBytes(to + i, from + i, before);
      return i + before;
    }
    std::memcpy(to + i, &word, 8);
  }
  for (; i < n && from[i] != '%'; ++i)
    to[i] = from[i];
  return i;
}

}  // namespace bootspan
