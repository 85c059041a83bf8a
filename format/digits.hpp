// The decimal and hexadecimal digits of unsigned integers, shared by the
// integer directives, the floating-point text and (through "%.*d") the
// date-time renderer. Digits are written two at a time from pair tables,
// backwards from the end of their field. Inline so that a directive's whole
// field compiles to straight-line code.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace bootspan::digits {

static_assert(std::endian::native == std::endian::little,
              "the word-wide digit stores put the first character in the lowest byte");

inline constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

inline constexpr std::uint32_t kPowersOfTen[10] = {
    1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};

// The number of decimal digits of n, at least 1 (0 gives 1). The bit length b
// gives t = floor(b × 1233 / 4096), which is the digit count less one or the
// digit count itself; one comparison with 10^t decides. n | 1 treats 0 like 1
// and changes no comparison, since every power of ten above 1 is even.
inline std::size_t decimalCount(std::uint32_t n) {
  const std::uint32_t m = n | 1;
  const unsigned bits = 32 - static_cast<unsigned>(__builtin_clz(m));  // [1, 32]
  const unsigned t = bits * 1233 >> 12;                                // [0, 9]
  return t + (m >= kPowersOfTen[t] ? 1 : 0);
}

// The number of decimal digits of n, at least 1.
inline std::size_t decimalCount(std::uint64_t n) {
  if (n <= 0xFFFFFFFFu) return decimalCount(static_cast<std::uint32_t>(n));
  std::size_t count = 10;
  for (std::uint64_t limit = 10000000000u; n >= limit; limit *= 10) {
    ++count;
    if (count == 20) break;  // 10^19 <= n: the next limit would overflow
  }
  return count;
}

// Writes the decimal digits of `n` ending just before `end`, two at a time
// from the end (the divisions by 100 are by a constant, so multiplications).
// Zero gives one digit.
template <class Unsigned>
inline void writeDecimal(char* end, Unsigned n) {
  char* p = end;
  while (n >= 100) {
    const auto pair = static_cast<unsigned>(n % 100);
    n /= 100;
    p -= 2;
    std::memcpy(p, kDigitPairs + 2 * pair, 2);
  }
  if (n >= 10) {
    std::memcpy(p - 2, kDigitPairs + 2 * n, 2);
  } else {
    p[-1] = static_cast<char>('0' + n);
  }
}

// Writes the decimal digits of `n` starting at `to` and returns their count
// (1..20); no terminator. Example: putDecimal(to, 305u) writes "305", gives 3.
template <class Unsigned>
inline std::size_t putDecimal(char* to, Unsigned n) {
  const std::size_t count = decimalCount(n);
  writeDecimal(to + count, n);
  return count;
}

// Writes `n` in decimal in exactly `width` characters starting at `to`,
// zeros in front; `width` is at least decimalCount(n). Numbers below 100 in
// one or two characters (the clock fields) come from one pair without a
// branch on the digit count: the pair's second character goes last, over its
// first when only one is written. Example: writeZeroFilled(to, 7u, 3) writes
// "007".
template <class Unsigned>
inline void writeZeroFilled(char* to, Unsigned n, std::size_t width) {
  if (n < 100 && width <= 2) {
    const char* pair = kDigitPairs + 2 * n;
    to[0] = pair[0];
    to[width - 1] = pair[1];
    return;
  }
  writeDecimal(to + width, n);
  for (std::size_t i = decimalCount(n); i < width; ++i)
    to[width - 1 - i] = '0';
}

// Writes exactly nine digits of v < 10^9, zeros in front: one character,
// then eight from four pairs stored at once. Example: 1234 gives "000001234".
inline void writeNineDigits(char* to, std::uint32_t v) {
  const std::uint32_t first = v / 100000000;  // [0, 9]
  const std::uint32_t rest = v % 100000000;
  const std::uint32_t high = rest / 10000;
  const std::uint32_t low = rest % 10000;
  const auto pair = [](std::uint32_t p) {
    std::uint16_t two;
    std::memcpy(&two, kDigitPairs + 2 * p, 2);
    return std::uint64_t{two};
  };
  const std::uint64_t eight =
      pair(high / 100) | pair(high % 100) << 16 | pair(low / 100) << 32 | pair(low % 100) << 48;
  to[0] = static_cast<char>('0' + first);
  std::memcpy(to + 1, &eight, 8);
}

// The number of hexadecimal digits of n, at least 1.
inline std::size_t hexCount(std::uint64_t n) {
  return static_cast<std::size_t>(64 - __builtin_clzll(n | 1) + 3) / 4;
}

// "00" to "FF": the two upper-case hexadecimal digits of every byte value.
inline constexpr auto kHexPairs = [] {
  struct {
    char text[512];
  } pairs{};
  constexpr char kDigits[] = "0123456789ABCDEF";
  for (int b = 0; b < 256; ++b) {
    pairs.text[2 * b] = kDigits[b >> 4];
    pairs.text[2 * b + 1] = kDigits[b & 15];
  }
  return pairs;
}();

// Writes the `count` = hexCount(n) upper-case hexadecimal digits of `n`
// starting at `to`, two at a time from the end, a byte of `n` each.
inline void writeHex(char* to, std::uint64_t n, std::size_t count) {
  char* p = to + count;
  while (p - to >= 2) {
    p -= 2;
    std::memcpy(p, kHexPairs.text + 2 * (n & 0xFF), 2);
    n >>= 8;
  }
  if (p != to) *to = kHexPairs.text[2 * (n & 0xF) + 1];
}

// Writes `n` in upper-case hexadecimal in exactly `width` characters
// starting at `to`, zeros in front; `width` is at least hexCount(n).
// Example: writeHexZeroFilled(to, 0x2Fu, 8) writes "0000002F".
inline void writeHexZeroFilled(char* to, std::uint64_t n, std::size_t width) {
  const std::size_t count = hexCount(n);
  for (std::size_t i = 0; i < width - count; ++i)
    to[i] = '0';
  writeHex(to + width - count, n, count);
}

}  // namespace bootspan::digits
