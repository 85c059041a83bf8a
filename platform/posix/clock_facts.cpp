#include "platform/posix/clock_facts.hpp"

#include <algorithm>
#include <cstring>

namespace bootspan {

namespace {

bool isHour(const TFormatItem& item) {
  return item.isConversion && std::strchr("HkIl", item.conversion) != nullptr;
}

bool isMark(const TFormatItem& item) {
  return item.isConversion && (item.conversion == 'p' || item.conversion == 'P');
}

bool isMinute(const TFormatItem& item) {
  return item.isConversion && item.conversion == 'M';
}

bool leadingZeroOf(const TFormatItem& hour) {
  if (hour.flag == '-' || hour.flag == '_') return false;
  if (hour.flag == '0') return true;
  return hour.conversion == 'H';
}

// The literal between the hour at `hour` and a minute right after it: empty
// when the minute follows at once, ":" when no minute follows.
std::string separatorAfter(const TFormatItems& items, TFormatItems::const_iterator hour) {
  const auto next = hour + 1;
  if (next == items.end()) return ":";
  if (next->isConversion) return isMinute(*next) ? "" : ":";
  if (next + 1 != items.end() && isMinute(*(next + 1))) return next->literal;
  return ":";
}

// Whether the designator comes before the hour in `items`.
bool markBeforeHour(const TFormatItems& items) {
  const auto mark = std::find_if(items.begin(), items.end(), isMark);
  const auto hour = std::find_if(items.begin(), items.end(), isHour);
  return mark != items.end() && hour != items.end() && mark < hour;
}

}  // namespace

TClockFacts clockFacts(const TStrftimeFormats& formats) {
  const std::string amPm = amPmFormatOf(formats);
  TFormatItems clock = parseFormat(formats.time, formats);
  if (std::none_of(clock.begin(), clock.end(), isHour)) clock = parseFormat(amPm, formats);

  TClockFacts facts;
  const auto hour = std::find_if(clock.begin(), clock.end(), isHour);
  if (hour == clock.end()) return facts;  // no hour anywhere: a plain 24-hour clock

  const bool markShown = std::any_of(clock.begin(), clock.end(), isMark);
  facts.twentyFourHour = !(hour->conversion == 'I' || hour->conversion == 'l' || markShown);
  facts.leadingZero = leadingZeroOf(*hour);
  facts.timeSeparator = separatorAfter(clock, hour);
  facts.markBeforeTime = markBeforeHour(facts.twentyFourHour ? parseFormat(amPm, formats) : clock);
  return facts;
}

}  // namespace bootspan
