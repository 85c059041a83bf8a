// The output area of one rendering call, shared by every pattern level of it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "calendar/day_stamp.hpp"
#include "format/digits.hpp"
#include "format/format_limits.hpp"

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
    if (n == 0) return;  // an empty text may have no bytes at all (a null pointer)
    std::memcpy(buffer + used, bytes, n);
    used += static_cast<std::int32_t>(n);
  }

  void appendByte(char byte) {
    if (used < kCapacity) buffer[used++] = byte;
  }

  void appendText(std::string_view text) { appendBytes(text.data(), text.size()); }

  // Appends `number` in decimal with at least `minDigits` digits, zeros in
  // front where it is shorter, as the formatter writes "%.*d"; cut where the
  // output ends.
  void appendDigits(std::uint16_t number, std::int32_t minDigits) {
    char digits[16];
    const std::size_t count = digits::decimalCount(std::uint32_t{number});
    const auto wanted = static_cast<std::uint32_t>(minDigits);
    const std::size_t shown = wanted > count && wanted <= kMaxZeroFill ? wanted : count;
    digits::writeZeroFilled(digits, std::uint32_t{number}, shown);
    appendBytes(digits, shown);
  }
};

}  // namespace bootspan
