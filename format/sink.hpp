// The destination of one formatting call: where the next byte goes and how
// many more fit. Every write is cut to the room left, so a result is always
// the first `capacity` bytes of the whole text.
#pragma once

#include <cstddef>
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
};

}  // namespace bootspan
