#include "locale/month_day_names.hpp"

#include <array>

#include "locale/locale_formats.hpp"
#include "locale/locale_queries.hpp"
#include "platform/platform.hpp"

namespace bootspan {

namespace {

// String-table ids of the English names, index 0 = January / Sunday.
constexpr std::array<unsigned, 12> kShortMonthIds = {65498, 65499, 65500, 65501, 65502, 65503,
                                                     65472, 65473, 65474, 65475, 65476, 65477};
constexpr std::array<unsigned, 12> kLongMonthIds = {65478, 65479, 65480, 65481, 65482, 65483,
                                                    65484, 65485, 65486, 65487, 65456, 65457};
constexpr std::array<unsigned, 7> kShortDayIds = {65458, 65459, 65460, 65461, 65462, 65463, 65464};
constexpr std::array<unsigned, 7> kLongDayIds = {65465, 65466, 65467, 65468, 65469, 65470, 65471};

}  // namespace

void loadMonthDayNames() {
  const LCID locale = platform().GetThreadLocale();
  TLocaleFormats& f = localeFormats;
  for (int m = 1; m <= 12; ++m) {
    f.shortMonthNames[m] =
        localeNameOrBuiltIn(locale, LOCALE_SABBREVMONTHNAME1 + (m - 1), kShortMonthIds[m - 1]);
    f.longMonthNames[m] =
        localeNameOrBuiltIn(locale, LOCALE_SMONTHNAME1 + (m - 1), kLongMonthIds[m - 1]);
  }
  for (int d = 1; d <= 7; ++d) {
    const int w = (d + 5) % 7;  // [0, 6]: 0 = the locale's Monday, 6 = its Sunday
    f.shortDayNames[d] =
        localeNameOrBuiltIn(locale, LOCALE_SABBREVDAYNAME1 + w, kShortDayIds[d - 1]);
    f.longDayNames[d] = localeNameOrBuiltIn(locale, LOCALE_SDAYNAME1 + w, kLongDayIds[d - 1]);
  }
}

}  // namespace bootspan
