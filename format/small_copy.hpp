// Copying the few bytes of a name, a digit run or a literal piece. Most such
// copies are under 32 bytes, where two overlapping loads and stores cost less
// than a call to the library's copy.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace bootspan {

// Copies n bytes from `from` to `to` (the ranges must not overlap); any n,
// 0 included. Example: copyBytes(to, "12:05", 5) writes the five characters.
inline void copyBytes(char* to, const char* from, std::size_t n) {
  if (n > 16) {
    // Sixteen bytes at a time; the last piece ends at the end, overlapping
    // the one before it.
    char piece[16];
    for (std::size_t i = 0; i + 16 < n; i += 16) {
      std::memcpy(piece, from + i, 16);
      std::memcpy(to + i, piece, 16);
    }
    std::memcpy(piece, from + n - 16, 16);
    std::memcpy(to + n - 16, piece, 16);
  } else if (n >= 8) {
    std::uint64_t head, tail;
    std::memcpy(&head, from, 8);
    std::memcpy(&tail, from + n - 8, 8);
    std::memcpy(to, &head, 8);
    std::memcpy(to + n - 8, &tail, 8);
  } else if (n >= 4) {
    std::uint32_t head, tail;
    std::memcpy(&head, from, 4);
    std::memcpy(&tail, from + n - 4, 4);
    std::memcpy(to, &head, 4);
    std::memcpy(to + n - 4, &tail, 4);
  } else if (n != 0) {
    // One, two or three bytes: the first, the middle and the last (some the same).
    const char first = from[0];
    const char middle = from[n / 2];
    const char last = from[n - 1];
    to[0] = first;
    to[n / 2] = middle;
    to[n - 1] = last;
  }
}

}  // namespace bootspan
