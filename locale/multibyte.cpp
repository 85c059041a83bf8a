#include "locale/multibyte.hpp"

#include "locale/sys_locale.hpp"
#include "platform/platform.hpp"

namespace bootspan {

namespace {

// Whether the byte at 1-based `index` is a lead byte; false outside the text.
bool isLead(std::string_view text, int index) {
  return index >= 1 && index <= static_cast<int>(text.size()) &&
         leadBytes.contains(text[index - 1]);
}

// Length of the character at 1-based `index` through the platform's stepping,
// never reaching past the text: a lead byte that ends the text is one byte
// (the platform would look at the byte after the text, which a text view does
// not own), and a step is at least 1 and at most the bytes left.
int boundedCharLength(std::string_view text, int index) {
  const int left = static_cast<int>(text.size()) - index + 1;  // >= 1 for a lead byte
  if (left <= 1) return 1;
  const int n = zCharLength(text.data() + index - 1);
  if (n < 1) return 1;
  return n > left ? left : n;
}

}  // namespace

TByteKind byteKindAt(const char* text, std::size_t offset) {
  if (text == nullptr || text[offset] == '\0') return singleByte;
  if (offset == 0) return leadBytes.contains(text[0]) ? leadByte : singleByte;
  std::size_t run = 0;
  for (std::size_t i = offset; i > 0 && leadBytes.contains(text[i - 1]); --i)
    ++run;
  if (run % 2 == 1) return trailByte;
  return leadBytes.contains(text[offset]) ? leadByte : singleByte;
}

TByteKind byteKindInText(std::string_view text, int index) {
  if (!sysLocale.farEast) return singleByte;
  if (index < 1 || index > static_cast<int>(text.size()) || text[index - 1] == '\0') {
    return singleByte;
  }
  // Only the bytes before `index` and the byte itself are looked at, all
  // inside the text.
  int run = 0;
  for (int i = index - 1; i >= 1 && leadBytes.contains(text[i - 1]); --i)
    ++run;
  if (run % 2 == 1) return trailByte;
  return leadBytes.contains(text[index - 1]) ? leadByte : singleByte;
}

TByteKind byteKindInZText(const char* text, std::size_t offset) {
  if (!sysLocale.farEast) return singleByte;
  return byteKindAt(text, offset);
}

int zCharLength(const char* p) {
  if (!sysLocale.farEast) return 1;
  return static_cast<int>(zNextChar(p) - p);
}

const char* zNextChar(const char* p) {
  if (stepsAlone(*p)) return p + 1;  // the platform's answer, known without the call
  return platform().CharNextA(p);
}

int charLengthAt(std::string_view text, int index) {
  if (!sysLocale.farEast || !isLead(text, index)) return 1;
  return boundedCharLength(text, index);
}

int nextCharIndex(std::string_view text, int index) {
  if (sysLocale.farEast && isLead(text, index)) return index + boundedCharLength(text, index);
  return index + 1;
}

int byteIndexToCharIndex(std::string_view text, int byteIndex) {
  if (byteIndex <= 0 || byteIndex > static_cast<int>(text.size())) return 0;
  if (!sysLocale.farEast) return byteIndex;
  int count = 0;
  for (int p = 1; p <= byteIndex; p = isLead(text, p) ? nextCharIndex(text, p) : p + 1)
    ++count;
  return count;
}

int byteLenToCharLen(std::string_view text, int byteCount) {
  if (byteCount > static_cast<int>(text.size())) byteCount = static_cast<int>(text.size());
  if (byteCount <= 0) return 0;
  return byteIndexToCharIndex(text, byteCount);
}

TCharCount countChars(std::string_view text, int limit) {
  const int length = static_cast<int>(text.size());
  int count = 1;
  int i = 1;
  while (i < length && count < limit) {
    ++count;
    i = isLead(text, i) ? nextCharIndex(text, i) : i + 1;
  }
  if (count == limit && i < length && isLead(text, i)) i = nextCharIndex(text, i) - 1;
  return {count, i};
}

int charIndexToByteIndex(std::string_view text, int charIndex) {
  const int length = static_cast<int>(text.size());
  if (charIndex <= 0 || charIndex > length) return 0;
  if (charIndex == 1 || !sysLocale.farEast) return charIndex;
  const TCharCount walked = countChars(text, charIndex - 1);
  if (walked.count < charIndex - 1) return 0;
  return walked.index < length ? walked.index + 1 : 0;
}

int charLenToByteLen(std::string_view text, int charCount) {
  const int length = static_cast<int>(text.size());
  if (charCount <= 0) return 0;
  if (charCount > length) charCount = length;
  if (!sysLocale.farEast) return charCount;
  const int index = countChars(text, charCount).index;
  return index < length ? index : length;
}

const char* scanChar(const char* text, char value) {
  if (text == nullptr) return nullptr;
  std::size_t from = 0;
  for (;;) {
    std::size_t at = from;
    while (text[at] != value && text[at] != '\0')
      ++at;
    if (text[at] != value) return nullptr;  // reached the terminator
    switch (byteKindInZText(text, at)) {
      case singleByte:
        return text + at;
      case leadByte:
        if (text[at + 1] == '\0') return nullptr;  // never search past the terminator
        from = at + 2;
        break;
      case trailByte:
        from = at + 1;
        break;
    }
  }
}

const char* scanLastChar(const char* text, char value) {
  const char* match = scanChar(text, value);
  if (value == '\0') return match;
  const char* last = nullptr;
  while (match != nullptr) {
    last = match;
    match = scanChar(match + 1, value);
  }
  return last;
}

}  // namespace bootspan
