// The destination of one formatting call: where the next byte goes and how
// many more fit. Every write is cut to the room left, so a result is always
// the first `capacity` bytes of the whole text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "format/small_copy.hpp"

namespace bootspan {

// Writes n blanks at `to`. Example: fillBlanks(to, 3) writes "   ".
inline void fillBlanks(char* to, std::size_t n) {
  static constexpr char kBlanks[33] = "                                ";
  if (n <= 32) {
    copyBytes(to, kBlanks, n);
  } else {
    std::memset(to, ' ', n);
  }
}

struct Sink {
  char* next;
  std::size_t room;

  // Counts n bytes already written at `next` (n at most the room).
  void advance(std::size_t n) {
    next += n;
    room -= n;
  }

  // Writes as many of the n bytes as fit.
  void put(const char* bytes, std::size_t n) {
    if (n > room) n = room;
    copyBytes(next, bytes, n);
    advance(n);
  }

  // Writes as many of n blanks as fit.
  void blanks(std::size_t n) {
    if (n > room) n = room;
    fillBlanks(next, n);
    advance(n);
  }

  // Writes `text` padded with blanks to `width`: in front of it, or after it
  // when leftAlign. A width at or below the length adds nothing.
  void padded(const char* text, std::size_t length, std::uint32_t width, bool leftAlign) {
    const std::size_t fill = width > length ? width - length : 0;
    if (!leftAlign) blanks(fill);
    put(text, length);
    if (leftAlign) blanks(fill);
  }
};

}  // namespace bootspan
