// The destination of one formatting call: where the next byte goes and how
// many more fit. Every write is cut to the room left, so a result is always
// the first `capacity` bytes of the whole text.
#pragma once

#include <cstddef>
#include <cstring>

namespace bootspan {

struct Sink {
  char* next;
  std::size_t room;

  // Counts n bytes already written at `next` (n at most the room).
  void advance(std::size_t n) {
    next += n;
    room -= n;
  }

  // Writes as many of the n bytes as fit; no bytes may come as a null pointer.
  void put(const char* bytes, std::size_t n) {
    if (n > room) n = room;
    if (n == 0) return;
    std::memcpy(next, bytes, n);
    advance(n);
  }

  // Writes as many of n blanks as fit.
  void blanks(std::size_t n) {
    if (n > room) n = room;
    std::memset(next, ' ', n);
    advance(n);
  }
};

}  // namespace bootspan
