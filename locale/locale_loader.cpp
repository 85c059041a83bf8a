// Placeholder until the locale queries are wired: the settings every failed
// query gives.
#include "locale/locale_loader.hpp"

#include "errors/core/messages.hpp"
#include "locale/locale_formats.hpp"
#include "locale/sys_locale.hpp"

namespace bootspan {

void loadPlatformInfo() {}

void loadLocaleFormats() {
  TLocaleFormats& f = localeFormats;
  f.thousandSeparator = ',';
  f.decimalSeparator = '.';
  f.dateSeparator = '/';
  f.timeSeparator = ':';
  f.listSeparator = ',';
  f.shortDatePattern = "m/d/yy";
  f.longDatePattern = "mmmm d, yyyy";
  f.amDesignator = "am";
  f.pmDesignator = "pm";
  f.shortTimePattern = "h:mm AMPM";
  f.longTimePattern = "h:mm:ss AMPM";
  static const unsigned shortMonthIds[] = {65498, 65499, 65500, 65501, 65502, 65503,
                                           65472, 65473, 65474, 65475, 65476, 65477};
  static const unsigned longMonthIds[] = {65478, 65479, 65480, 65481, 65482, 65483,
                                          65484, 65485, 65486, 65487, 65456, 65457};
  for (int m = 1; m <= 12; ++m) {
    f.shortMonthNames[m] = loadMessage(shortMonthIds[m - 1]);
    f.longMonthNames[m] = loadMessage(longMonthIds[m - 1]);
  }
  for (int d = 1; d <= 7; ++d) {
    f.shortDayNames[d] = loadMessage(65457 + d);
    f.longDayNames[d] = loadMessage(65464 + d);
  }
}

void releaseLocaleFormats() { localeFormats = TLocaleFormats{}; }

}  // namespace bootspan
