// The output area of one rendering call, shared by every pattern level of it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "calendar/day_stamp.hpp"

namespace bootspan {

struct TRenderOutput {
  static constexpr std::int32_t kCapacity = 256;

  char buffer[kCapacity];
  std::int32_t used = 0;   // 0..kCapacity
  std::int32_t depth = 0;  // pattern levels currently open
  TDayValue dayValue = 0;

  // Appends as many of the n bytes as still fit; the rest is dropped silently.
  void appendBytes(const char* bytes, std::size_t n) {
    const auto room = static_cast<std::size_t>(kCapacity - used);
    if (n > room) n = room;
    if (n == 0) return;
    std::memcpy(buffer + used, bytes, n);
    used += static_cast<std::int32_t>(n);
  }

  void appendByte(char byte) {
    if (used < kCapacity) buffer[used++] = byte;
  }

  void appendText(std::string_view text) { appendBytes(text.data(), text.size()); }

  // Appends `number` in decimal with at least `minDigits` digits, zeros in
  // front where it is shorter; never cut ("%.*d" through the formatter).
  void appendDigits(std::uint32_t number, std::int32_t minDigits);
};

}  // namespace bootspan
