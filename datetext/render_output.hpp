// The output area of one rendering call, shared by every pattern level of it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "calendar/day_stamp.hpp"
#include "format/format.hpp"
#include "format/small_copy.hpp"
#include "format/template_scan.hpp"

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
    copyBytes(buffer + used, bytes, n);
    used += static_cast<std::int32_t>(n);
  }

  void appendByte(char byte) {
    if (used < kCapacity) buffer[used++] = byte;
  }

  void appendText(std::string_view text) { appendBytes(text.data(), text.size()); }

  // Appends `number` in decimal with at least `minDigits` digits, zeros in
  // front where it is shorter, formatted with "%.*d" straight into the
  // output; cut where the output ends. The formatter's scan is compiled in
  // here, so the constant template costs nothing at run time.
  void appendDigits(std::uint16_t number, std::int32_t minDigits) {
    static constexpr char kDigitsTemplate[] = "%.*d";
    const TArgValue args[] = {integerArg(minDigits), integerArg(static_cast<std::int32_t>(number))};
    used += static_cast<std::int32_t>(
        scanTemplate(buffer + used, static_cast<std::size_t>(kCapacity - used), kDigitsTemplate,
                     sizeof kDigitsTemplate - 1, args));
  }
};

}  // namespace bootspan
