// The byte classes of date-time patterns: letters compared case-blind, the
// am/pm and day-name forms of an "a" token, the bytes the 12-hour look-ahead
// stops at, and stepping over a character as the platform steps it.
#pragma once

#include <array>
#include <cstdint>

namespace bootspan {

// Bytes 'A' to 'Z' and 'a' to 'z' with bit 5 cleared are the upper-case
// letters; no other byte gives one of them, so isLetter(b, 'M') is exactly
// "b is 'M' or 'm'".
inline bool isLetter(char b, char upper) {
  return (b & 0xDF) == upper;
}

// The am/pm and day-name forms of an "a" token, in the order they are tried.
enum class AForm { none, amSlashPm, aSlashP, amPm, aaaa, aaa };

inline bool isAmPmForm(AForm form) {
  return form == AForm::amSlashPm || form == AForm::aSlashP || form == AForm::amPm;
}

// The first form, compared ASCII case-blind, that the bytes from `p` (an "a"
// or "A", p < end) begin with. Example: "AMPM" gives AForm::amPm.
AForm aFormAt(const char* p, const char* end);

// What the 12-hour look-ahead does at a byte that is not a lead byte.
enum class LookAhead : std::uint8_t { pass, quote, hour, a, stop };

inline constexpr std::array<LookAhead, 256> kLookAheadClass = [] {
  std::array<LookAhead, 256> classes{};  // LookAhead::pass
  classes['\0'] = LookAhead::stop;
  classes['\''] = classes['"'] = LookAhead::quote;
  classes['H'] = classes['h'] = LookAhead::hour;
  classes['A'] = classes['a'] = LookAhead::a;
  return classes;
}();

// The token of each starter byte: "a" to "z" made "A" to "Z" (ASCII only).
inline constexpr std::array<char, 256> kTokenOf = [] {
  std::array<char, 256> tokens{};
  for (int b = 0; b < 256; ++b)
    tokens[b] = static_cast<char>(b >= 'a' && b <= 'z' ? b - ('a' - 'A') : b);
  return tokens;
}();

// The start of the character after the one at `p` (p < end) as the platform
// steps it, at least one byte on and never beyond `end`. A byte before the
// end or a zero byte is stepped alone, so the platform never reads past the
// pattern. Callers step the bytes that stepsAlone knows to be alone
// themselves. Example: a lead byte followed by its trail byte gives p + 2.
const char* platformStep(const char* p, const char* end);

}  // namespace bootspan
