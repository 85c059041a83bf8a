#include "locale/time_patterns.hpp"

#include "locale/locale_queries.hpp"
#include "locale/parse_int.hpp"

namespace bootspan {

namespace {

bool numberIsNotZero(LCID locale, LCTYPE type) {
  return parseIntOr(localeText(locale, type, "0"), 0) != 0;
}

}  // namespace

TTimePatterns buildTimePatterns(LCID locale) {
  std::string prefix;
  std::string suffix;
  const std::string hour = numberIsNotZero(locale, LOCALE_ITLZERO) ? "hh" : "h";
  const bool twentyFourHour = numberIsNotZero(locale, LOCALE_ITIME);
  if (!twentyFourHour) {
    if (numberIsNotZero(locale, LOCALE_ITIMEMARKPOSN)) {
      prefix = "AMPM ";
    } else {
      suffix = " AMPM";
    }
  }
  return {prefix + hour + ":mm" + suffix, prefix + hour + ":mm:ss" + suffix};
}

}  // namespace bootspan
