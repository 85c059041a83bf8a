#include "datetext/pattern_fields.hpp"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "calendar/calendar_split.hpp"
#include "datetext/era_text.hpp"
#include "datetext/pattern_level.hpp"
#include "locale/locale_formats.hpp"

namespace bootspan {

namespace {

// The name with 1-based `index` in `names`, or nothing for an index outside
// 1..N-1, such as the month 0 of a day number below 1.
template <std::size_t N>
std::string_view nameAt(const std::array<std::string, N>& names, std::uint32_t index) {
  return index >= 1 && index < N ? std::string_view(names[index]) : std::string_view();
}

// The weekday to name for the value, or 0 (no name) for a day number below
// 1: day 0 would otherwise name a Sunday although it is no calendar day.
std::uint32_t namedWeekday(TDayValue value) {
  if (stampFromValue(value).dayNumber < 1) return 0;
  return weekdayOf(value);
}

}  // namespace

void PatternFields::ensureDate() {
  if (dateSplit_) return;
  splitDate(out_.dayValue, year_, month_, day_);
  dateSplit_ = true;
}

void PatternFields::ensureTime() {
  if (timeSplit_) return;
  splitTime(out_.dayValue, hour_, minute_, second_, millisecond_);
  timeSplit_ = true;
}

void PatternFields::writeDate(char token, std::int32_t count) {
  switch (token) {
    case 'Y':
      ensureDate();
      if (count <= 2) {
        out_.appendDigits(static_cast<std::uint16_t>(year_ % 100u), 2);
      } else {
        out_.appendDigits(year_, 4);
      }
      return;
    case 'M':
      ensureDate();
      if (count <= 2) {
        out_.appendDigits(month_, count);
      } else {
        out_.appendText(count == 3 ? nameAt(localeFormats.shortMonthNames, month_)
                                   : nameAt(localeFormats.longMonthNames, month_));
      }
      return;
    case 'D':
      if (count <= 2) {
        ensureDate();
        out_.appendDigits(day_, count);
      } else if (count == 3) {
        out_.appendText(nameAt(localeFormats.shortDayNames, namedWeekday(out_.dayValue)));
      } else if (count == 4) {
        out_.appendText(nameAt(localeFormats.longDayNames, namedWeekday(out_.dayValue)));
      } else {
        renderPattern(count == 5 ? localeFormats.shortDatePattern : localeFormats.longDatePattern,
                      out_);
      }
      return;
    case 'E':
      ensureDate();
      out_.appendText(eraYearText(year_, month_, day_, count));
      return;
    default:  // 'G'
      ensureDate();
      out_.appendText(eraNameText(year_, month_, day_, count));
      return;
  }
}

void PatternFields::writeTime(char token, std::int32_t count, bool twelveHour) {
  // Hour 0 shows as 12 and 13..23 as 1..11 on the 12-hour clock.
  static constexpr std::uint8_t kTwelveHourOf[24] = {12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11,
                                                     12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
  ensureTime();
  switch (token) {
    case 'H': {
      const std::uint16_t hour = twelveHour ? kTwelveHourOf[hour_] : hour_;  // hour_ is 0..23
      out_.appendDigits(hour, count < 2 ? count : 2);
      return;
    }
    case 'N':
      out_.appendDigits(minute_, count < 2 ? count : 2);
      return;
    case 'S':
      out_.appendDigits(second_, count < 2 ? count : 2);
      return;
    default:  // 'Z'
      out_.appendDigits(millisecond_, count < 3 ? count : 3);
      return;
  }
}

void PatternFields::writeExpansion(char token, std::int32_t count) {
  if (token == 'T') {
    renderPattern(count == 1 ? localeFormats.shortTimePattern : localeFormats.longTimePattern,
                  out_);
    return;
  }
  renderPattern(localeFormats.shortDatePattern, out_);
  ensureTime();
  if (hour_ != 0 || minute_ != 0 || second_ != 0) {
    out_.appendByte(' ');
    renderPattern(localeFormats.longTimePattern, out_);
  }
}

std::size_t PatternFields::writeAForm(AForm form, const char* at) {
  ensureTime();
  const bool morning = hour_ < 12;
  switch (form) {
    case AForm::amSlashPm:
      out_.appendBytes(morning ? at : at + 3, 2);  // as written: "am/pm" gives "am" or "pm"
      return 5;
    case AForm::aSlashP:
      out_.appendByte(morning ? at[0] : at[2]);
      return 3;
    case AForm::amPm:
      out_.appendText(morning ? localeFormats.amDesignator : localeFormats.pmDesignator);
      return 4;
    case AForm::aaaa:
      ensureDate();
      out_.appendText(nameAt(localeFormats.longDayNames, namedWeekday(out_.dayValue)));
      return 4;
    case AForm::aaa:
      ensureDate();
      out_.appendText(nameAt(localeFormats.shortDayNames, namedWeekday(out_.dayValue)));
      return 3;
    case AForm::none:
      break;
  }
  out_.appendByte(at[0]);
  return 0;
}

}  // namespace bootspan
