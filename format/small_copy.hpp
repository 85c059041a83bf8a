// Copying the few bytes of a name, a digit run or a literal piece. Most such
// copies are under 32 bytes, where two overlapping loads and stores cost less
// than a call to the library's copy.
#pragma once

#include <cstddef>
#include <cstring>

namespace bootspan {

namespace small_copy_detail {

// Copies n bytes, Size <= n <= 2 × Size, as two pieces of Size bytes: the
// first and the last, overlapping where n is below 2 × Size.
template <std::size_t Size>
inline void copyHeadAndTail(char* to, const char* from, std::size_t n) {
  char head[Size], tail[Size];
  std::memcpy(head, from, Size);
  std::memcpy(tail, from + n - Size, Size);
  std::memcpy(to, head, Size);
  std::memcpy(to + n - Size, tail, Size);
}

}  // namespace small_copy_detail

// Copies n bytes from `from` to `to` (the ranges must not overlap); any n,
// 0 included. Example: copyBytes(to, "12:05", 5) writes the five characters.
inline void copyBytes(char* to, const char* from, std::size_t n) {
  using small_copy_detail::copyHeadAndTail;
  if (n > 16) {
    // Sixteen bytes at a time; the last piece ends at the end, overlapping
    // the one before it.
    std::size_t i = 0;
    for (; n - i > 32; i += 16)
      std::memcpy(to + i, from + i, 16);
    copyHeadAndTail<16>(to + i, from + i, n - i);
  } else if (n >= 8) {
    copyHeadAndTail<8>(to, from, n);
  } else if (n >= 4) {
    copyHeadAndTail<4>(to, from, n);
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
