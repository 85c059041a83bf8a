#include "locale/whole_chars.hpp"

#include "platform/platform.hpp"

namespace bootspan {

namespace {

constexpr UINT kUtf8CodePage = 65001;

bool isContinuation(char b) {
  return (static_cast<unsigned char>(b) & 0xC0) == 0x80;
}

// The bytes a UTF-8 sequence takes, read from its first byte.
std::size_t sequenceLength(char first) {
  const auto b = static_cast<unsigned char>(first);
  if (b >= 0xF0) return 4;
  if (b >= 0xE0) return 3;
  if (b >= 0xC0) return 2;
  return 1;
}

}  // namespace

std::size_t wholeCharsLength(const char* text, std::size_t length) {
  if (length == 0 || platform().GetACP() != kUtf8CodePage) return length;
  // The first byte of the last character: at most three continuation bytes
  // stand behind it.
  std::size_t start = length - 1;
  while (start > 0 && length - start < 4 && isContinuation(text[start]))
    --start;
  return start + sequenceLength(text[start]) > length ? start : length;
}

}  // namespace bootspan
