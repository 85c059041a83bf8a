// Stepping through text in the ANSI code page by characters.
//
// With a double-byte code page in force (sysLocale.farEast) a character is
// either one byte or a lead byte from `leadBytes` followed by one trail byte.
// Without it every operation treats each byte as one character.
//
// Texts are std::string_view with 1-based byte indexes; zero-terminated texts
// are const char* with 0-based offsets. Character numbers count from 1.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "locale/sys_locale.hpp"

namespace bootspan {

enum TByteKind : std::uint8_t { singleByte = 0, leadByte = 1, trailByte = 2 };

// Kind of the byte at `offset` of a zero-terminated text; ignores farEast.
TByteKind byteKindAt(const char* text, std::size_t offset);
// Kind of the byte at 1-based `index` of a text; singleByte without farEast.
TByteKind byteKindInText(std::string_view text, int index);
// Kind of the byte at `offset` of a zero-terminated text; singleByte without farEast.
TByteKind byteKindInZText(const char* text, std::size_t offset);

// The character number holding byte `byteIndex`, or 0 outside 1..length.
int byteIndexToCharIndex(std::string_view text, int byteIndex);
// The number of characters that start within the first `byteCount` bytes.
int byteLenToCharLen(std::string_view text, int byteCount);
// The 1-based index of the first byte of character `charIndex`, or 0.
int charIndexToByteIndex(std::string_view text, int charIndex);
// The number of bytes the first `charCount` characters take.
int charLenToByteLen(std::string_view text, int charCount);

struct TCharCount {
  int count;
  int index;
};
// Walks up to `limit` characters; see charIndexToByteIndex / charLenToByteLen.
TCharCount countChars(std::string_view text, int limit);

// Byte length of the character at `p` (1 without farEast).
int zCharLength(const char* p);
// The start of the next character (CharNextA); never past the terminator.
const char* zNextChar(const char* p);

// Whether the character at a byte of value `b` is that byte alone, known
// without asking the platform: `b` is 1..0x7F and not in `leadBytes`. The
// platform's CharNextA steps over two bytes only from a lead byte of its ANSI
// code page; every ANSI code page that Windows runs with extends ASCII and
// has its lead bytes at 0x81 and above, so for such a byte CharNextA returns
// the next byte (and the Linux backend steps every byte alone). Bytes of
// 0x80 and above always go to the platform: `leadBytes` comes from the user
// locale's code page, and is left empty for western languages, so it need
// not hold every lead byte of the platform's code page. A byte in `leadBytes`
// also goes to the platform, so a scripted backend that treats such a byte
// as a lead byte keeps its own answer.
inline bool stepsAlone(char b) {
  const auto u = static_cast<unsigned char>(b);
  return static_cast<unsigned>(u - 1) < 0x7Fu && !leadBytes.contains(u);
}
// Byte length of the character starting at 1-based `index`.
int charLengthAt(std::string_view text, int index);
// Index of the character after the one at 1-based `index`.
int nextCharIndex(std::string_view text, int index);

// The first whole single-byte character equal to `value`, or nullptr. A value
// of 0 finds the terminator.
const char* scanChar(const char* text, char value);
// The last whole single-byte character equal to `value`, or nullptr.
const char* scanLastChar(const char* text, char value);

}  // namespace bootspan
