#include "datetext/era_text.hpp"

#include <cstring>
#include <string_view>

#include "locale/multibyte.hpp"
#include "locale/sys_locale.hpp"
#include "platform/platform.hpp"

namespace bootspan {

namespace {

// The date written with `picture` in the alternate calendar of the thread's
// locale, up to the first zero byte; empty when the call fails.
std::string alternateCalendarText(std::uint16_t year, std::uint16_t month, std::uint16_t day,
                                  const char* picture) {
  SYSTEMTIME date{};
  date.wYear = year;
  date.wMonth = month;
  date.wDay = day;
  char buffer[256];
  Platform& p = platform();
  if (p.GetDateFormatA(p.GetThreadLocale(), DATE_USE_ALT_CALENDAR, &date, picture, buffer,
                       sizeof buffer) == 0) {
    return {};
  }
  // A well-behaved platform terminates the text; never read past the buffer.
  const void* zero = std::memchr(buffer, 0, sizeof buffer);
  const std::size_t length = zero != nullptr
                                 ? static_cast<std::size_t>(static_cast<const char*>(zero) - buffer)
                                 : sizeof buffer;
  return std::string(buffer, length);
}

}  // namespace

std::string eraNameText(std::uint16_t year, std::uint16_t month, std::uint16_t day,
                        std::int32_t count) {
  std::string text = alternateCalendarText(year, month, day, "gg");
  if (count != 1) return text;
  if (sysLocale.primaryLanguage == LANG_JAPANESE) {
    text.resize(static_cast<std::size_t>(charLenToByteLen(text, 1)));
  } else if (sysLocale.primaryLanguage == LANG_CHINESE &&
             sysLocale.subLanguage == SUBLANG_CHINESE_TRADITIONAL &&
             byteLenToCharLen(text, static_cast<int>(text.size())) == 4) {
    // The short form is the last two of the four characters.
    const int from = charIndexToByteIndex(text, 3);
    if (from > 0) {
      const std::string_view rest =
          std::string_view(text).substr(static_cast<std::size_t>(from - 1));
      text = std::string(rest.substr(0, static_cast<std::size_t>(charLenToByteLen(rest, 2))));
    }
  }
  return text;
}

std::string eraYearText(std::uint16_t year, std::uint16_t month, std::uint16_t day,
                        std::int32_t count) {
  std::string text = alternateCalendarText(year, month, day, count > 2 ? "yyyy" : "yy");
  if (count == 1 && !text.empty() && text[0] == '0') text.erase(0, 1);
  return text;
}

}  // namespace bootspan
