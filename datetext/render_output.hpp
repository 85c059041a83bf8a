// The output area of one rendering call, shared by every pattern level of it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "calendar/day_stamp.hpp"
#include "format/format.hpp"

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
    char* to = buffer + used;
    used += static_cast<std::int32_t>(n);
    // Designators, names and short literals: a few bytes, copied with two
    // overlapping loads and stores rather than a call.
    if (n >= 4 && n <= 8) {
      std::uint32_t head, tail;
      std::memcpy(&head, bytes, 4);
      std::memcpy(&tail, bytes + n - 4, 4);
      std::memcpy(to, &head, 4);
      std::memcpy(to + n - 4, &tail, 4);
    } else if (n < 4) {
      for (std::size_t i = 0; i < n; ++i)
        to[i] = bytes[i];
    } else {
      std::memcpy(to, bytes, n);
    }
  }

  void appendByte(char byte) {
    if (used < kCapacity) buffer[used++] = byte;
  }

  void appendText(std::string_view text) { appendBytes(text.data(), text.size()); }

  // Appends `number` in decimal with at least `minDigits` digits, zeros in
  // front where it is shorter; never cut. The digits are formatted with
  // "%.*d" into a 16-byte area. While the output has that much room left,
  // the area is the output's own next 16 bytes: the digits land where
  // appending them would put them, and what fits is the same.
  void appendDigits(std::uint32_t number, std::int32_t minDigits) {
    static constexpr char kDigitsTemplate[] = "%.*d";
    constexpr std::size_t kDigitsArea = 16;
    const TArgValue args[] = {integerArg(minDigits), integerArg(static_cast<std::int32_t>(number))};
    if (kCapacity - used >= static_cast<std::int32_t>(kDigitsArea)) {
      used += static_cast<std::int32_t>(formatIntoBuffer(
          buffer + used, kDigitsArea, kDigitsTemplate, sizeof kDigitsTemplate - 1, args));
      return;
    }
    char digits[kDigitsArea];
    const std::size_t n =
        formatIntoBuffer(digits, sizeof digits, kDigitsTemplate, sizeof kDigitsTemplate - 1, args);
    appendBytes(digits, n);
  }
};

}  // namespace bootspan
