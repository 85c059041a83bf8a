// A test fixture that installs a fake platform and English format settings
// (M/d/yyyy, h:mm:ss AMPM, AM/PM, English names) with a single-byte code
// page, and gives back the process-wide records it changed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "calendar/day_stamp.hpp"
#include "locale/locale_formats.hpp"
#include "locale/sys_locale.hpp"
#include "platform/fake/fake_platform.hpp"

namespace bootspan::testing {

inline TLocaleFormats englishFormats() {
  TLocaleFormats f;
  f.dateSeparator = '/';
  f.timeSeparator = ':';
  f.amDesignator = "AM";
  f.pmDesignator = "PM";
  f.shortDatePattern = "M/d/yyyy";
  f.longDatePattern = "dddd, MMMM dd, yyyy";
  f.shortTimePattern = "h:mm AMPM";
  f.longTimePattern = "h:mm:ss AMPM";
  const char* shortMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const char* longMonths[] = {"January",   "February", "March",    "April",
                              "May",       "June",     "July",     "August",
                              "September", "October",  "November", "December"};
  const char* shortDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  const char* longDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                            "Thursday", "Friday", "Saturday"};
  for (int i = 0; i < 12; ++i) {
    f.shortMonthNames[i + 1] = shortMonths[i];
    f.longMonthNames[i + 1] = longMonths[i];
  }
  for (int i = 0; i < 7; ++i) {
    f.shortDayNames[i + 1] = shortDays[i];
    f.longDayNames[i + 1] = longDays[i];
  }
  return f;
}

class EnglishSettingsTest : public ::testing::Test {
 protected:
  EnglishSettingsTest()
      : savedFormats_(localeFormats), savedSysLocale_(sysLocale), savedLeadBytes_(leadBytes) {
    localeFormats = englishFormats();
    sysLocale = TSysLocaleInfo{0x0409, 0x09, 0x01, false, false};
    leadBytes.clear();
  }
  ~EnglishSettingsTest() override {
    localeFormats = savedFormats_;
    sysLocale = savedSysLocale_;
    leadBytes = savedLeadBytes_;
  }

  // Makes a double-byte code page with these lead-byte ranges the one in
  // force, for the lead-byte set and for the platform's character stepping.
  void useDoubleByteCodePage(UINT codePage, std::vector<std::pair<BYTE, BYTE>> ranges) {
    sysLocale.farEast = true;
    for (auto [low, high] : ranges) {
      for (unsigned b = low; b <= high; ++b)
        leadBytes.add(static_cast<unsigned char>(b));
    }
    fake.useDoubleByteCodePage(codePage, std::move(ranges));
  }

  FakePlatform fake;

 private:
  TLocaleFormats savedFormats_;
  TSysLocaleInfo savedSysLocale_;
  TLeadByteSet savedLeadBytes_;
};

// The day value of `dayNumber` at the given time of day.
inline double dayAt(std::int32_t dayNumber, int hour, int minute, int second, int millisecond = 0) {
  return valueFromStamp({((hour * 60 + minute) * 60 + second) * 1000 + millisecond, dayNumber});
}

// 15 March 2023, a Wednesday, is day 738594 (value 45000).
constexpr std::int32_t kMarch15 = 738594;

}  // namespace bootspan::testing
