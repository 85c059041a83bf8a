#include "locale/month_day_names.hpp"

#include "locale/locale_formats.hpp"
#include "locale/locale_queries.hpp"
#include "platform/platform.hpp"

namespace bootspan {

void loadMonthDayNames() {
  const LCID locale = platform().GetThreadLocale();
  TLocaleFormats& f = localeFormats;
  for (int m = 1; m <= 12; ++m) {
    f.shortMonthNames[m] =
        localeNameOrBuiltIn(locale, LOCALE_SABBREVMONTHNAME1 + (m - 1), kShortMonthNameIds[m - 1]);
    f.longMonthNames[m] =
        localeNameOrBuiltIn(locale, LOCALE_SMONTHNAME1 + (m - 1), kLongMonthNameIds[m - 1]);
  }
  for (int d = 1; d <= 7; ++d) {
    const int w = (d + 5) % 7;  // [0, 6]: 0 = the locale's Monday, 6 = its Sunday
    f.shortDayNames[d] =
        localeNameOrBuiltIn(locale, LOCALE_SABBREVDAYNAME1 + w, kShortDayNameIds[d - 1]);
    f.longDayNames[d] = localeNameOrBuiltIn(locale, LOCALE_SDAYNAME1 + w, kLongDayNameIds[d - 1]);
  }
}

}  // namespace bootspan
