#include "platform/posix/codeset_to_utf8.hpp"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>

namespace bootspan {

namespace {

bool isUtf8Codeset(std::string_view codeset) {
  std::string folded;
  for (char c : codeset) {
    if (c != '-' && c != '_')
      folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return folded == "utf8";
}

bool isAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The length of the well-formed UTF-8 sequence at `text[i]`, or 0 where none
// starts: a stray or missing continuation byte, an overlong form, a
// surrogate or a value above U+10FFFF.
std::size_t sequenceAt(std::string_view text, std::size_t i) {
  const auto first = static_cast<unsigned char>(text[i]);
  if (first < 0x80) return 1;
  if (first < 0xC2 || first > 0xF4) return 0;
  const std::size_t length = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : 2;
  if (text.size() - i < length) return 0;
  // The second byte's range rules out the overlong forms, the surrogates and
  // the values above U+10FFFF.
  unsigned low = 0x80, high = 0xBF;
  if (first == 0xE0) low = 0xA0;
  if (first == 0xED) high = 0x9F;
  if (first == 0xF0) low = 0x90;
  if (first == 0xF4) high = 0x8F;
  for (std::size_t k = 1; k < length; ++k) {
    const auto b = static_cast<unsigned char>(text[i + k]);
    if (b < (k == 1 ? low : 0x80u) || b > (k == 1 ? high : 0xBFu)) return 0;
  }
  return length;
}

// `text`, said to be UTF-8, with "?" for each byte that starts no
// well-formed sequence.
std::string wellFormedUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = sequenceAt(text, i);
    if (length == 0) {
      out += '?';
      ++i;
    } else {
      out.append(text, i, length);
      i += length;
    }
  }
  return out;
}

// `text` through an open converter; an invalid or incomplete sequence gives
// "?" for its first byte and the conversion goes on after it.
std::string convert(iconv_t converter, std::string_view text) {
  std::string out;
  std::string input(text);
  char* in = input.data();
  std::size_t inLeft = input.size();
  std::array<char, 256> chunk;
  while (inLeft > 0) {
    char* outPtr = chunk.data();
    std::size_t outLeft = chunk.size();
    const std::size_t done = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
    out.append(chunk.data(), chunk.size() - outLeft);
    if (done == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) continue;
      out += '?';
      ++in;
      --inLeft;
    }
  }
  return out;
}

}  // namespace

std::string toUtf8(std::string_view text, const char* codeset) {
  if (isAscii(text) || codeset == nullptr) return std::string(text);
  // Every answer of this backend is well-formed UTF-8, also where a locale
  // that says UTF-8 holds other bytes.
  if (isUtf8Codeset(codeset)) return wellFormedUtf8(text);
  iconv_t converter = iconv_open("UTF-8", codeset);
  if (converter == reinterpret_cast<iconv_t>(-1)) {
    std::string ascii(text);
    std::replace_if(
        ascii.begin(), ascii.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; },
        '?');
    return ascii;
  }
  std::string out = convert(converter, text);
  iconv_close(converter);
  return out;
}

}  // namespace bootspan
