#include "platform/posix/calendar_names.hpp"

namespace bootspan {

namespace {

std::string trimBlanks(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

// The locale numbers its days from Monday (1) to Sunday (7); POSIX from
// Sunday (DAY_1) to Saturday (DAY_7).
constexpr nl_item kDays[] = {DAY_2, DAY_3, DAY_4, DAY_5, DAY_6, DAY_7, DAY_1};
constexpr nl_item kShortDays[] = {ABDAY_2, ABDAY_3, ABDAY_4, ABDAY_5, ABDAY_6, ABDAY_7, ABDAY_1};

// Month names standing alone, as a calendar heading writes them.
#ifdef ALTMON_1
constexpr nl_item kMonth1 = ALTMON_1;
constexpr nl_item kShortMonth1 = _NL_ABALTMON_1;
#else
constexpr nl_item kMonth1 = MON_1;
constexpr nl_item kShortMonth1 = ABMON_1;
#endif

}  // namespace

std::vector<std::pair<LCTYPE, std::string>> calendarNames(const TLangInfoReader& read) {
  std::vector<std::pair<LCTYPE, std::string>> names;
  for (int d = 0; d < 7; ++d) {
    names.emplace_back(LOCALE_SDAYNAME1 + d, trimBlanks(read(kDays[d])));
    names.emplace_back(LOCALE_SABBREVDAYNAME1 + d, trimBlanks(read(kShortDays[d])));
  }
  for (int m = 0; m < 12; ++m) {
    names.emplace_back(LOCALE_SMONTHNAME1 + m, trimBlanks(read(kMonth1 + m)));
    names.emplace_back(LOCALE_SABBREVMONTHNAME1 + m, trimBlanks(read(kShortMonth1 + m)));
  }
  return names;
}

}  // namespace bootspan
