#include "locale/locale_loader.hpp"

#include <cstdint>
#include <utility>

#include "locale/date_pattern_translation.hpp"
#include "locale/eras.hpp"
#include "locale/locale_formats.hpp"
#include "locale/locale_queries.hpp"
#include "locale/month_day_names.hpp"
#include "locale/parse_int.hpp"
#include "locale/sys_locale.hpp"
#include "locale/sys_locale_loader.hpp"
#include "locale/time_patterns.hpp"
#include "platform/platform.hpp"

namespace bootspan {

namespace {

// The low 8 bits of the number answered for `type`, unsigned; 0 when the
// answer is missing or not a number.
std::uint8_t smallNumber(LCID locale, LCTYPE type) {
  return static_cast<std::uint8_t>(parseIntOr(localeText(locale, type, "0"), 0) & 0xFF);
}

}  // namespace

void loadLocaleFormats() {
  loadSysLocale();
  loadMonthDayNames();
  if (sysLocale.farEast) loadEras();

  const LCID locale = platform().GetThreadLocale();
  TLocaleFormats& f = localeFormats;
  f.currencySymbol = localeText(locale, LOCALE_SCURRENCY, "");
  f.currencyOrder = smallNumber(locale, LOCALE_ICURRENCY);
  f.negCurrencyOrder = smallNumber(locale, LOCALE_INEGCURR);
  f.thousandSeparator = localeChar(locale, LOCALE_STHOUSAND, ',');
  f.decimalSeparator = localeChar(locale, LOCALE_SDECIMAL, '.');
  f.currencyDigits = smallNumber(locale, LOCALE_ICURRDIGITS);
  f.dateSeparator = localeChar(locale, LOCALE_SDATE, '/');
  f.shortDatePattern = translateDatePattern(localeText(locale, LOCALE_SSHORTDATE, "m/d/yy"));
  f.longDatePattern = translateDatePattern(localeText(locale, LOCALE_SLONGDATE, "mmmm d, yyyy"));
  f.timeSeparator = localeChar(locale, LOCALE_STIME, ':');
  f.amDesignator = localeText(locale, LOCALE_S1159, "am");
  f.pmDesignator = localeText(locale, LOCALE_S2359, "pm");
  TTimePatterns time = buildTimePatterns(locale);
  f.shortTimePattern = std::move(time.shortPattern);
  f.longTimePattern = std::move(time.longPattern);
  f.listSeparator = localeChar(locale, LOCALE_SLIST, ',');
}

void releaseLocaleFormats() {
  localeFormats = TLocaleFormats{};
  platformInfo.osServicePack = std::string();
}

}  // namespace bootspan
