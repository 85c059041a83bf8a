#include "locale/date_pattern_translation.hpp"

#include <cstddef>
#include <cstdint>

#include "locale/eras.hpp"
#include "locale/locale_queries.hpp"
#include "locale/multibyte.hpp"
#include "locale/parse_int.hpp"
#include "locale/sys_locale.hpp"
#include "platform/platform.hpp"

namespace bootspan {

namespace {

char asciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

// True when `pattern` holds `count` bytes from `at` on and each of them is
// `letter` (lower-case ASCII) in either case. Never reads past the end.
bool runOf(std::string_view pattern, std::size_t at, char letter, std::size_t count) {
  if (pattern.size() - at < count) return false;  // at <= size
  for (std::size_t k = 0; k < count; ++k) {
    if (asciiLower(pattern[at + k]) != letter) return false;
  }
  return true;
}

// Byte length of the double-byte character at 0-based `at`, at least 1 and
// never beyond the end of the pattern.
std::size_t characterLength(std::string_view pattern, std::size_t at) {
  const int n = charLengthAt(pattern, static_cast<int>(at) + 1);
  const std::size_t left = pattern.size() - at;  // >= 1
  if (n < 1) return 1;
  return static_cast<std::size_t>(n) < left ? static_cast<std::size_t>(n) : left;
}

// When a double-byte character starts at `i`, appends it whole to `result`,
// moves `i` past it and gives true; otherwise changes nothing.
bool copiedDoubleByteCharacter(std::string_view pattern, std::size_t& i, std::string& result) {
  if (!leadBytes.contains(pattern[i])) return false;
  const std::size_t n = characterLength(pattern, i);
  result.append(pattern.substr(i, n));
  i += n;
  return true;
}

// The era-calendar form: year letters become era-year letters, "gg" becomes
// "ggg".
std::string withEraTokens(std::string_view pattern) {
  std::string result;
  result.reserve(pattern.size() + pattern.size() / 2);
  std::size_t i = 0;
  while (i < pattern.size()) {
    if (copiedDoubleByteCharacter(pattern, i, result)) {
      continue;
    } else if (runOf(pattern, i, 'g', 2)) {
      result += "ggg";
      i += 2;
    } else if (runOf(pattern, i, 'y', 4)) {
      result += "eeee";
      i += 4;
    } else if (runOf(pattern, i, 'y', 2)) {
      result += "ee";
      i += 2;
    } else if (runOf(pattern, i, 'y', 1)) {
      result += 'e';
      i += 1;
    } else {
      result += pattern[i];
      i += 1;
    }
  }
  return result;
}

// The pattern without its era letters "G" and "g". It is walked by
// characters, so the second byte of a double-byte character is never taken
// for a letter: dropping it would leave half a character behind.
std::string withoutEraLetters(std::string_view pattern) {
  std::string result;
  result.reserve(pattern.size());
  std::size_t i = 0;
  while (i < pattern.size()) {
    if (copiedDoubleByteCharacter(pattern, i, result)) continue;
    if (asciiLower(pattern[i]) != 'g') result += pattern[i];
    i += 1;
  }
  return result;
}

bool usesChineseJapaneseOrKorean() {
  const std::uint32_t language = sysLocale.primaryLanguage;
  return language == LANG_CHINESE || language == LANG_JAPANESE || language == LANG_KOREAN;
}

}  // namespace

std::string translateDatePattern(std::string_view pattern) {
  const LCID locale = platform().GetThreadLocale();
  const std::int32_t calendar =
      parseIntOr(localeText(locale, LOCALE_ICALENDARTYPE, "1"), CAL_GREGORIAN);
  if (isEraCalendar(calendar)) return withEraTokens(pattern);
  if (usesChineseJapaneseOrKorean()) return withoutEraLetters(pattern);
  return std::string(pattern);
}

}  // namespace bootspan
