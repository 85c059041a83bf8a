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
  if (isAscii(text) || codeset == nullptr || isUtf8Codeset(codeset)) return std::string(text);
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
