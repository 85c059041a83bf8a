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
