// Era dates from the locale to the rendered text: the settings of a Japanese
// locale with the Japanese era calendar are loaded through the fake platform,
// their date patterns translated, and the renderer writes the platform's era
// texts for them.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "datetext/render.hpp"
#include "locale/locale_formats.hpp"
#include "locale/locale_loader.hpp"
#include "tests/locale/locale_state_fixture.hpp"

namespace bootspan {
namespace {

// Eras of the Japanese calendar, with their names in code page 932 and the
// day each one began.
struct TEra {
  std::string name;
  int year, month, day;
};
const TEra kEras[] = {
    {"\x96\xBE\x8E\xA1", 1868, 1, 1},    // Meiji
    {"\x91\xE5\x90\xB3", 1912, 7, 30},   // Taisho
    {"\x8F\xBA\x98\x61", 1926, 12, 25},  // Showa
    {"\x95\xBD\x90\xAC", 1989, 1, 8},    // Heisei
    {"\x97\xDF\x98\x61", 2019, 5, 1},    // Reiwa
};

// The era of a date, or nullptr before the first one.
const TEra* eraOf(const SYSTEMTIME& date) {
  const TEra* found = nullptr;
  for (const TEra& era : kEras) {
    const int start = era.year * 10000 + era.month * 100 + era.day;
    if (date.wYear * 10000 + date.wMonth * 100 + date.wDay >= start) found = &era;
  }
  return found;
}

std::string padded(int number, std::size_t digits) {
  std::string text = std::to_string(number);
  return std::string(digits > text.size() ? digits - text.size() : 0, '0') + text;
}

// Days from 1 March of year 0 to a proleptic Gregorian date (year >= 1).
int civilDays(int year, int month, int day) {
  const int y = year - (month <= 2 ? 1 : 0);                                            // >= 0
  const int era = y / 400;                                                              // >= 0
  const int yearOfEra = y - era * 400;                                                  // [0, 399]
  const int dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;  // [0, 365]
  const int dayOfEra =
      yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;  // [0, 146096]
  return era * 146097 + dayOfEra;
}

// The day value of a date at midnight (days since 30 December 1899).
double dayValueOf(int year, int month, int day) {
  return static_cast<double>(civilDays(year, month, day) - civilDays(1899, 12, 30));
}

class EraEndToEnd : public testing::LocaleStateTest {
 protected:
  // A Japanese locale on code page 932 whose current and optional calendar
  // is the Japanese era calendar.
  void japaneseEraLocale() {
    fake.threadLocale = 0x0411;
    fake.useDoubleByteCodePage(932, {{0x81, 0x9F}, {0xE0, 0xFC}});
    fake.answer(LOCALE_IDEFAULTANSICODEPAGE, "932");
    platformInfo.platformId = VER_PLATFORM_WIN32_NT;
    fake.answer(LOCALE_ICALENDARTYPE, "3");
    fake.answer(LOCALE_IOPTIONALCALENDAR, std::string("3\0"
                                                      "1\0",
                                                      4));
    fake.answer(LOCALE_SDATE, "/");
    fake.answer(LOCALE_SSHORTDATE, "gy/M/d");
    // yyyy'<year>'M'<month>'d'<day>' in kanji
    fake.answer(LOCALE_SLONGDATE, "ggyyyy'\x94\x4E'M'\x8C\x8E'd'\x93\xFA'");
    std::vector<std::string> names, offsets;
    for (const TEra& era : kEras) {
      names.push_back(era.name);
      offsets.push_back(std::to_string(era.year));
    }
    fake.calendarValues[{CAL_JAPAN, CAL_SERASTRING}] = names;
    fake.calendarValues[{CAL_JAPAN, CAL_IYEAROFFSETRANGE}] = offsets;
    // The era name for "gg", the year within the era for "yy" (two digits)
    // and "yyyy" (four digits).
    fake.dateFormat = [](const SYSTEMTIME& date,
                         const std::string& picture) -> std::optional<std::string> {
      const TEra* era = eraOf(date);
      if (era == nullptr) return std::nullopt;
      const int year = date.wYear - era->year + 1;
      if (picture == "gg") return era->name;
      if (picture == "yy") return padded(year % 100, 2);
      if (picture == "yyyy") return padded(year, 4);
      return std::nullopt;
    };
  }
};

TEST_F(EraEndToEnd, TheLoadedPatternsRenderTheEraTexts) {
  ASSERT_EQ(dayValueOf(2023, 3, 15), 45000.0);
  japaneseEraLocale();
  loadLocaleFormats();
  ASSERT_TRUE(sysLocale.farEast);
  ASSERT_EQ(localeFormats.shortDatePattern, "ge/M/d");
  ASSERT_EQ(localeFormats.longDatePattern, "gggeeee'\x94\x4E'M'\x8C\x8E'd'\x93\xFA'");
  for (int slot = 1; slot <= 5; ++slot) {
    EXPECT_EQ(localeFormats.eraNames[slot], kEras[slot - 1].name) << slot;
    EXPECT_EQ(localeFormats.eraYearOffsets[slot], kEras[slot - 1].year) << slot;
  }

  struct Row {
    int year, month, day;
    std::string shortDate;  // the first character of the name, the year without its zero
    std::string longDate;   // the whole name, the year with four digits
  };
  const std::string nen = "\x94\x4E", tsuki = "\x8C\x8E", nichi = "\x93\xFA";
  const Row rows[] = {
      {2023, 3, 15,
       "\x97\xDF"
       "5/3/15",
       "\x97\xDF\x98\x61"
       "0005" +
           nen + "3" + tsuki + "15" + nichi},
      {2019, 5, 1,
       "\x97\xDF"
       "1/5/1",
       "\x97\xDF\x98\x61"
       "0001" +
           nen + "5" + tsuki + "1" + nichi},
      {2019, 4, 30,
       "\x95\xBD"
       "31/4/30",
       "\x95\xBD\x90\xAC"
       "0031" +
           nen + "4" + tsuki + "30" + nichi},
      {1989, 1, 7,
       "\x8F\xBA"
       "64/1/7",
       "\x8F\xBA\x98\x61"
       "0064" +
           nen + "1" + tsuki + "7" + nichi},
      {1990, 1, 1,
       "\x95\xBD"
       "2/1/1",
       "\x95\xBD\x90\xAC"
       "0002" +
           nen + "1" + tsuki + "1" + nichi},
      {1912, 7, 30,
       "\x91\xE5"
       "1/7/30",
       "\x91\xE5\x90\xB3"
       "0001" +
           nen + "7" + tsuki + "30" + nichi},
      // Before the first era the platform fails and the era texts are empty.
      {1867, 12, 31, "/12/31", nen + "12" + tsuki + "31" + nichi},
  };
  for (const Row& row : rows) {
    const double value = dayValueOf(row.year, row.month, row.day);
    const std::string date =
        std::to_string(row.year) + "-" + std::to_string(row.month) + "-" + std::to_string(row.day);
    EXPECT_EQ(renderDayValue(localeFormats.shortDatePattern, value), row.shortDate) << date;
    EXPECT_EQ(renderDayValue("ddddd", value), row.shortDate) << date;
    EXPECT_EQ(renderDayValue("dddddd", value), row.longDate) << date;
  }
  for (const auto& call : fake.dateFormatCalls) {
    EXPECT_EQ(call.locale, 0x0411u);
    EXPECT_EQ(call.flags, DATE_USE_ALT_CALENDAR);
  }
}

TEST_F(EraEndToEnd, WithoutTheEraCalendarTheEraLettersAreDropped) {
  japaneseEraLocale();
  fake.answer(LOCALE_ICALENDARTYPE, "1");  // Gregorian now, the eras stay optional
  loadLocaleFormats();
  EXPECT_EQ(localeFormats.shortDatePattern, "y/M/d");
  EXPECT_EQ(localeFormats.eraNames[5], kEras[4].name);  // the era data is loaded all the same
  EXPECT_EQ(renderDayValue(localeFormats.shortDatePattern, dayValueOf(2023, 3, 15)), "23/3/15");
  EXPECT_TRUE(fake.dateFormatCalls.empty());
}

}  // namespace
}  // namespace bootspan
