#include "locale/eras.hpp"

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "locale/locale_formats.hpp"
#include "locale/locale_queries.hpp"
#include "locale/parse_int.hpp"
#include "platform/platform.hpp"

namespace bootspan {

namespace {

// Slots 1..7 of the era arrays; entry 0 is never used.
constexpr std::size_t kFirstEraSlot = 1;
constexpr std::size_t kLastEraSlot = 7;
static_assert(std::tuple_size_v<decltype(TLocaleFormats::eraNames)> == kLastEraSlot + 1);
static_assert(std::tuple_size_v<decltype(TLocaleFormats::eraYearOffsets)> == kLastEraSlot + 1);

// The value that marks a free offset slot.
constexpr std::int32_t kFreeOffset = -1;

// A callback's text up to its terminating zero; no text reads as empty.
std::string_view callbackText(LPCSTR text) {
  return text != nullptr ? std::string_view(text) : std::string_view();
}

}  // namespace

bool isEraCalendar(int calendar) {
  return calendar == static_cast<int>(CAL_JAPAN) || calendar == static_cast<int>(CAL_TAIWAN) ||
         calendar == static_cast<int>(CAL_KOREA);
}

BOOL CALLBACK collectEraName(LPSTR name) {
  for (std::size_t slot = kFirstEraSlot; slot <= kLastEraSlot; ++slot) {
    std::string& entry = localeFormats.eraNames[slot];
    if (entry.empty()) {
      entry = callbackText(name);
      return TRUE;
    }
  }
  return FALSE;  // an eighth era: stop the enumeration
}

BOOL CALLBACK collectEraYearOffset(LPSTR offset) {
  for (std::size_t slot = kFirstEraSlot; slot <= kLastEraSlot; ++slot) {
    std::int32_t& entry = localeFormats.eraYearOffsets[slot];
    if (entry == kFreeOffset) {
      entry = parseIntOr(callbackText(offset), 0);
      return TRUE;
    }
  }
  return FALSE;
}

void loadEras() {
  Platform& p = platform();
  const LCID locale = p.GetThreadLocale();
  // The answer may list several calendars separated by zero bytes; the
  // number reader stops at the first zero, so only the first one counts.
  const std::int32_t calendar =
      parseIntOr(localeText(locale, LOCALE_IOPTIONALCALENDAR, "1"), CAL_GREGORIAN);
  if (!isEraCalendar(calendar)) return;
  const auto calendarId = static_cast<CALID>(calendar);

  p.EnumCalendarInfoA(collectEraName, locale, calendarId, CAL_SERASTRING);
  for (std::size_t slot = kFirstEraSlot; slot <= kLastEraSlot; ++slot)
    localeFormats.eraYearOffsets[slot] = kFreeOffset;
  p.EnumCalendarInfoA(collectEraYearOffset, locale, calendarId, CAL_IYEAROFFSETRANGE);
}

}  // namespace bootspan
