// Inside the formatter: the decimal and hexadecimal digits of unsigned
// integers, written backwards from the end of their field. Inline so that a
// directive's whole field compiles to straight-line code.
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

// The number of hexadecimal digits of n, at least 1.
inline std::size_t hexCount(std::uint64_t n) {
  return static_cast<std::size_t>(64 - __builtin_clzll(n | 1) + 3) / 4;
}

// The eight hexadecimal digit characters of a 32-bit value, most
// significant first in memory: each nibble is spread into its own byte, then
// turned into '0'..'9' or 'A'..'F' without a branch.
inline std::uint64_t hexCharacters(std::uint32_t n) {
  std::uint64_t x = n;
  x = ((x & 0xFFFF0000u) << 16) | (x & 0xFFFFu);
  x = ((x & 0x0000FF000000FF00u) << 8) | (x & 0x000000FF000000FFu);
  x = ((x & 0x00F000F000F000F0u) << 4) | (x & 0x000F000F000F000Fu);
  // Byte i now holds nibble i. Nibbles of 10 and more get 7 more, to reach 'A'.
  const std::uint64_t letters = ((x + 0x0606060606060606u) >> 4) & 0x0101010101010101u;
  x += 0x3030303030303030u + letters * 7;
  return __builtin_bswap64(x);  // nibble 7 first in memory
}

// Stores the last `count` (1..8) of the eight characters of `chars` at `to`,
// touching no byte outside [to, to + count).
inline void storeLast(char* to, std::uint64_t chars, std::size_t count) {
  chars >>= 8 * (8 - count);  // the characters to keep, first one in the lowest byte
  if (count >= 4) {
    const auto head = static_cast<std::uint32_t>(chars);
    const auto tail = static_cast<std::uint32_t>(chars >> (8 * (count - 4)));
    std::memcpy(to, &head, 4);
    std::memcpy(to + count - 4, &tail, 4);  // overlaps the head for 4..7
  } else {
    to[0] = static_cast<char>(chars);
    if (count >= 2) to[1] = static_cast<char>(chars >> 8);
    if (count == 3) to[2] = static_cast<char>(chars >> 16);
  }
}

// Writes the `count` = hexCount(n) upper-case hexadecimal digits of `n`
// starting at `to`.
inline void writeHex(char* to, std::uint64_t n, std::size_t count) {
  if (count > 8) {
    storeLast(to, hexCharacters(static_cast<std::uint32_t>(n >> 32)), count - 8);
    to += count - 8;
    count = 8;
  }
  storeLast(to, hexCharacters(static_cast<std::uint32_t>(n)), count);
}

}  // namespace bootspan::digits
