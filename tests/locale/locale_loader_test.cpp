#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "locale/locale_formats.hpp"
#include "locale/locale_loader.hpp"
#include "locale/month_day_names.hpp"
#include "locale/time_patterns.hpp"
#include "locale_state_fixture.hpp"
#include "platform/platform.hpp"
#include "resources/string_ids.hpp"

namespace bootspan {
namespace {

using LocaleLoader = testing::LocaleStateTest;

// The calendar queries belong to the era support; the counts and orders below
// are about every other query.
std::vector<LCTYPE> queriedTypes(const FakePlatform& fake) {
  std::vector<LCTYPE> types;
  for (const auto& [locale, type] : fake.localeQueries) {
    if (type != LOCALE_ICALENDARTYPE && type != LOCALE_IOPTIONALCALENDAR) types.push_back(type);
  }
  return types;
}

TEST_F(LocaleLoader, EveryQueryFailingGivesTheDefaults) {
  loadLocaleFormats();
  const TLocaleFormats& f = localeFormats;
  EXPECT_EQ(f.currencySymbol, "");
  EXPECT_EQ(f.currencyOrder, 0);
  EXPECT_EQ(f.negCurrencyOrder, 0);
  EXPECT_EQ(f.thousandSeparator, ',');
  EXPECT_EQ(f.decimalSeparator, '.');
  EXPECT_EQ(f.currencyDigits, 0);
  EXPECT_EQ(f.dateSeparator, '/');
  EXPECT_EQ(f.shortDatePattern, "m/d/yy");
  EXPECT_EQ(f.longDatePattern, "mmmm d, yyyy");
  EXPECT_EQ(f.timeSeparator, ':');
  EXPECT_EQ(f.amDesignator, "am");
  EXPECT_EQ(f.pmDesignator, "pm");
  EXPECT_EQ(f.shortTimePattern, "h:mm AMPM");
  EXPECT_EQ(f.longTimePattern, "h:mm:ss AMPM");
  EXPECT_EQ(f.listSeparator, ',');
  const char* const shortMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const char* const longMonths[] = {"January",   "February", "March",    "April",
                                    "May",       "June",     "July",     "August",
                                    "September", "October",  "November", "December"};
  for (int m = 1; m <= 12; ++m) {
    EXPECT_EQ(f.shortMonthNames[m], shortMonths[m - 1]);
    EXPECT_EQ(f.longMonthNames[m], longMonths[m - 1]);
  }
  const char* const shortDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  const char* const longDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                  "Thursday", "Friday", "Saturday"};
  for (int d = 1; d <= 7; ++d) {
    EXPECT_EQ(f.shortDayNames[d], shortDays[d - 1]);
    EXPECT_EQ(f.longDayNames[d], longDays[d - 1]);
  }
  EXPECT_EQ(f.shortMonthNames[0], "");  // index 0 names nothing
  for (int slot = 1; slot <= 7; ++slot) {
    EXPECT_EQ(f.eraNames[slot], "");
    EXPECT_EQ(f.eraYearOffsets[slot], 0);
  }
}

struct TimePatternRow {
  const char* leadingZero;   // LOCALE_ITLZERO answer, nullptr: the query fails
  const char* clock;         // LOCALE_ITIME
  const char* markPosition;  // LOCALE_ITIMEMARKPOSN
  const char* shortPattern;
  const char* longPattern;
  bool markAsked;
};

const TimePatternRow kTimePatternTable[] = {
    {"0", "0", "0", "h:mm AMPM", "h:mm:ss AMPM", true},
    {"0", "0", "1", "AMPM h:mm", "AMPM h:mm:ss", true},
    {"1", "0", "0", "hh:mm AMPM", "hh:mm:ss AMPM", true},
    {"1", "0", "1", "AMPM hh:mm", "AMPM hh:mm:ss", true},
    {"0", "1", "1", "h:mm", "h:mm:ss", false},
    {"1", "1", "0", "hh:mm", "hh:mm:ss", false},
    // any number other than 0 counts; what is not a number counts as 0
    {"2", "0", "0", "hh:mm AMPM", "hh:mm:ss AMPM", true},
    {"x", "0", "0", "h:mm AMPM", "h:mm:ss AMPM", true},
    {"$1", "-1", "0", "hh:mm", "hh:mm:ss", false},
    {"1", "x", "7", "AMPM hh:mm", "AMPM hh:mm:ss", true},
    {"0", "0", " 1", "AMPM h:mm", "AMPM h:mm:ss", true},
    {"0", "0", "1 ", "h:mm AMPM", "h:mm:ss AMPM", true},
    {"", "", "", "h:mm AMPM", "h:mm:ss AMPM", true},
    {nullptr, nullptr, nullptr, "h:mm AMPM", "h:mm:ss AMPM", true},
    {nullptr, "1", nullptr, "h:mm", "h:mm:ss", false},
};

TEST_F(LocaleLoader, TimePatternsFollowTheThreeNumericAnswers) {
  for (const TimePatternRow& row : kTimePatternTable) {
    FakePlatform local;
    if (row.leadingZero) local.answer(LOCALE_ITLZERO, row.leadingZero);
    if (row.clock) local.answer(LOCALE_ITIME, row.clock);
    if (row.markPosition) local.answer(LOCALE_ITIMEMARKPOSN, row.markPosition);
    // The locale's own time format has no say.
    local.answer(0x1003 /* LOCALE_STIMEFORMAT */, "HH:mm:ss");
    const TTimePatterns patterns = buildTimePatterns(0x0409);
    const std::string where = std::string("ITLZERO ") + (row.leadingZero ? row.leadingZero : "-") +
                              ", ITIME " + (row.clock ? row.clock : "-") + ", ITIMEMARKPOSN " +
                              (row.markPosition ? row.markPosition : "-");
    EXPECT_EQ(patterns.shortPattern, row.shortPattern) << where;
    EXPECT_EQ(patterns.longPattern, row.longPattern) << where;
    EXPECT_EQ(local.queryCount(LOCALE_ITIMEMARKPOSN), row.markAsked ? 1 : 0) << where;
    EXPECT_EQ(local.queryCount(0x1003), 0) << where;
  }
}

TEST_F(LocaleLoader, TheLoaderStoresTheTimePatterns) {
  fake.answer(LOCALE_ITLZERO, "0");
  fake.answer(LOCALE_ITIME, "0");
  fake.answer(LOCALE_ITIMEMARKPOSN, "1");
  loadLocaleFormats();
  EXPECT_EQ(localeFormats.shortTimePattern, "AMPM h:mm");
  EXPECT_EQ(localeFormats.longTimePattern, "AMPM h:mm:ss");
}

TEST_F(LocaleLoader, CharacterFieldsTakeOnlyOneByte) {
  struct Case {
    LCTYPE type;
    char TLocaleFormats::*field;
    char defaultChar;
  };
  const Case fields[] = {
      {LOCALE_STHOUSAND, &TLocaleFormats::thousandSeparator, ','},
      {LOCALE_SDECIMAL, &TLocaleFormats::decimalSeparator, '.'},
      {LOCALE_SDATE, &TLocaleFormats::dateSeparator, '/'},
      {LOCALE_STIME, &TLocaleFormats::timeSeparator, ':'},
      {LOCALE_SLIST, &TLocaleFormats::listSeparator, ','},
  };
  struct Answer {
    std::string text;
    bool fits;
    char expected;  // when it fits
  };
  const Answer answers[] = {
      {"|", true, '|'},
      {"", true, '\0'},
      {"\xA0\xA0", false, 0},  // two characters
      {"\x81\x40", false, 0},  // one double-byte character
  };
  for (const Answer& answer : answers) {
    FakePlatform local;
    for (const Case& c : fields)
      local.answer(c.type, answer.text);
    loadLocaleFormats();
    for (const Case& c : fields) {
      EXPECT_EQ(localeFormats.*(c.field), answer.fits ? answer.expected : c.defaultChar)
          << "LCTYPE " << c.type << ", answer of " << answer.text.size() << " bytes";
    }
  }
}

TEST_F(LocaleLoader, CurrencyFields) {
  struct Case {
    const char* symbol;  // nullptr: the query fails
    const char* order;
    const char* digits;
    std::string expectedSymbol;
    int expectedOrder;
    int expectedDigits;
  };
  const Case cases[] = {
      {"$", "3", "2", "$", 3, 2},
      {"", "x", "", "", 0, 0},
      {nullptr, nullptr, nullptr, "", 0, 0},
      {"\xE2\x82\xAC", "259", "-1", "\xE2\x82\xAC", 3, 255},  // the low 8 bits, unsigned
      {"kr.", "$10", "0x12", "kr.", 16, 18},
  };
  for (const Case& c : cases) {
    FakePlatform local;
    if (c.symbol) local.answer(LOCALE_SCURRENCY, c.symbol);
    if (c.order) local.answer(LOCALE_ICURRENCY, c.order);
    if (c.order) local.answer(LOCALE_INEGCURR, c.order);
    if (c.digits) local.answer(LOCALE_ICURRDIGITS, c.digits);
    loadLocaleFormats();
    EXPECT_EQ(localeFormats.currencySymbol, c.expectedSymbol);
    EXPECT_EQ(localeFormats.currencyOrder, c.expectedOrder);
    EXPECT_EQ(localeFormats.negCurrencyOrder, c.expectedOrder);
    EXPECT_EQ(localeFormats.currencyDigits, c.expectedDigits);
  }
}

TEST_F(LocaleLoader, TextFieldsKeepTheLocaleAnswers) {
  fake.answer(LOCALE_SSHORTDATE, "dd.MM.yyyy");
  fake.answer(LOCALE_SLONGDATE, "");
  fake.answer(LOCALE_S1159, "");
  fake.answer(LOCALE_S2359, std::string("P\0M", 3));
  loadLocaleFormats();
  EXPECT_EQ(localeFormats.shortDatePattern, "dd.MM.yyyy");
  EXPECT_EQ(localeFormats.longDatePattern, "");
  EXPECT_EQ(localeFormats.amDesignator, "");
  EXPECT_EQ(localeFormats.pmDesignator, std::string("P\0M", 3));
}

TEST_F(LocaleLoader, DayNamesAreRemappedFromMondayFirst) {
  // The locale numbers Monday 1 .. Sunday 7; the record Sunday 1 .. Saturday 7.
  const char* const localeLong[] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
  for (int k = 0; k < 7; ++k) {
    fake.answer(LOCALE_SDAYNAME1 + k, localeLong[k]);
    fake.answer(LOCALE_SABBREVDAYNAME1 + k, std::string(1, static_cast<char>('1' + k)));
  }
  loadMonthDayNames();
  const char* const expectedLong[] = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
  const char* const expectedShort[] = {"7", "1", "2", "3", "4", "5", "6"};
  for (int d = 1; d <= 7; ++d) {
    EXPECT_EQ(localeFormats.longDayNames[d], expectedLong[d - 1]) << d;
    EXPECT_EQ(localeFormats.shortDayNames[d], expectedShort[d - 1]) << d;
  }
}

TEST_F(LocaleLoader, MissingNamesComeFromTheStringTableOrStayEmpty) {
  fake.answer(LOCALE_SMONTHNAME1 + 2, "Maerz");
  fake.answer(LOCALE_SMONTHNAME1 + 3, "");                           // empty: April
  fake.answer(LOCALE_SABBREVMONTHNAME1 + 4, std::string(256, 'm'));  // too long: May
  fake.answer(LOCALE_SDAYNAME1 + 6, "Sonntag");
  fake.strings.erase(msg::saturday);
  fake.strings.erase(msg::shortDecember);
  loadMonthDayNames();
  EXPECT_EQ(localeFormats.longMonthNames[3], "Maerz");
  EXPECT_EQ(localeFormats.longMonthNames[4], "April");
  EXPECT_EQ(localeFormats.shortMonthNames[5], "May");
  EXPECT_EQ(localeFormats.longDayNames[1], "Sonntag");
  EXPECT_EQ(localeFormats.longDayNames[7], "");
  EXPECT_EQ(localeFormats.shortMonthNames[12], "");
  EXPECT_EQ(localeFormats.shortDayNames[7], "Sat");
}

TEST_F(LocaleLoader, NamesAreAskedInOrderForTheThreadLocale) {
  fake.threadLocale = 0x0407;
  loadMonthDayNames();
  std::vector<std::pair<LCID, LCTYPE>> expected;
  for (LCTYPE m = 0; m < 12; ++m) {
    expected.emplace_back(0x0407, 0x44 + m);
    expected.emplace_back(0x0407, 0x38 + m);
  }
  const LCTYPE weekOrder[] = {6, 0, 1, 2, 3, 4, 5};  // Sunday first
  for (LCTYPE w : weekOrder) {
    expected.emplace_back(0x0407, 0x31 + w);
    expected.emplace_back(0x0407, 0x2A + w);
  }
  EXPECT_EQ(fake.localeQueries, expected);
}

// Every field of a fully answering locale, asked once each, in the loader's order.
void answerEverything(FakePlatform& fake) {
  for (LCTYPE t = 0x2A; t <= 0x4F; ++t)
    fake.answer(t, "name" + std::to_string(t));
  fake.answer(LOCALE_SCURRENCY, "$");
  fake.answer(LOCALE_ICURRENCY, "0");
  fake.answer(LOCALE_INEGCURR, "1");
  fake.answer(LOCALE_STHOUSAND, ",");
  fake.answer(LOCALE_SDECIMAL, ".");
  fake.answer(LOCALE_ICURRDIGITS, "2");
  fake.answer(LOCALE_SDATE, "/");
  fake.answer(LOCALE_SSHORTDATE, "M/d/yyyy");
  fake.answer(LOCALE_SLONGDATE, "dddd, MMMM d, yyyy");
  fake.answer(LOCALE_STIME, ":");
  fake.answer(LOCALE_S1159, "AM");
  fake.answer(LOCALE_S2359, "PM");
  fake.answer(LOCALE_ITLZERO, "0");
  fake.answer(LOCALE_ITIME, "0");
  fake.answer(LOCALE_ITIMEMARKPOSN, "0");
  fake.answer(LOCALE_SLIST, ",");
}

const std::vector<LCTYPE> kFieldOrder12Hour = {
    LOCALE_SCURRENCY, LOCALE_ICURRENCY,   LOCALE_INEGCURR,      LOCALE_STHOUSAND,
    LOCALE_SDECIMAL,  LOCALE_ICURRDIGITS, LOCALE_SDATE,         LOCALE_SSHORTDATE,
    LOCALE_SLONGDATE, LOCALE_STIME,       LOCALE_S1159,         LOCALE_S2359,
    LOCALE_ITLZERO,   LOCALE_ITIME,       LOCALE_ITIMEMARKPOSN, LOCALE_SLIST};

TEST_F(LocaleLoader, EachFieldIsAskedOnceInOrder) {
  answerEverything(fake);
  loadLocaleFormats();
  const std::vector<LCTYPE> types = queriedTypes(fake);
  ASSERT_EQ(types.size(), 12u + 12u + 7u + 7u + kFieldOrder12Hour.size());
  const std::vector<LCTYPE> fields(types.begin() + 38, types.end());
  EXPECT_EQ(fields, kFieldOrder12Hour);
  for (const auto& [locale, type] : fake.localeQueries)
    EXPECT_EQ(locale, 0x0409u);
  EXPECT_EQ(localeFormats.longTimePattern, "h:mm:ss AMPM");
  EXPECT_EQ(localeFormats.longMonthNames[1], "name56");
  EXPECT_EQ(localeFormats.longDayNames[1], "name48");
}

TEST_F(LocaleLoader, ATwentyFourHourClockSkipsTheDesignatorPosition) {
  answerEverything(fake);
  fake.answer(LOCALE_ITIME, "1");
  loadLocaleFormats();
  EXPECT_EQ(fake.queryCount(LOCALE_ITIMEMARKPOSN), 0);
  EXPECT_EQ(queriedTypes(fake).size(), 38u + 15u);
}

TEST_F(LocaleLoader, ADoubleByteLocaleAsksItsCodePageOnceMore) {
  answerEverything(fake);
  fake.threadLocale = 0x0411;
  fake.useDoubleByteCodePage(932, {{0x81, 0x9F}, {0xE0, 0xFC}});
  fake.answer(LOCALE_IDEFAULTANSICODEPAGE, "932");
  platformInfo.platformId = VER_PLATFORM_WIN32_NT;
  loadLocaleFormats();
  EXPECT_TRUE(sysLocale.farEast);
  EXPECT_EQ(leadBytes.count(), 60u);
  const std::vector<LCTYPE> types = queriedTypes(fake);
  ASSERT_EQ(types.size(), 1u + 38u + 16u);
  EXPECT_EQ(types.front(), LOCALE_IDEFAULTANSICODEPAGE);  // the system locale comes first
  for (const auto& [locale, type] : fake.localeQueries)
    EXPECT_EQ(locale, 0x0411u);
}

TEST_F(LocaleLoader, ReleaseEmptiesEveryText) {
  answerEverything(fake);
  OSVERSIONINFOA version{};
  version.dwPlatformId = VER_PLATFORM_WIN32_NT;
  std::strcpy(version.szCSDVersion, "Service Pack 3");
  fake.version = version;
  loadPlatformInfo();
  loadLocaleFormats();
  ASSERT_EQ(platformInfo.osServicePack, "Service Pack 3");
  releaseLocaleFormats();
  EXPECT_EQ(localeFormats.longTimePattern, "");
  EXPECT_EQ(localeFormats.currencySymbol, "");
  for (int m = 1; m <= 12; ++m)
    EXPECT_EQ(localeFormats.longMonthNames[m], "");
  EXPECT_EQ(platformInfo.osServicePack, "");
}

TEST_F(LocaleLoader, TheRealPlatformGivesOneOfTheSixTimePatterns) {
  Platform* const scripted = setPlatform(nullptr);  // the build's own backend
  loadPlatformInfo();
  loadLocaleFormats();
  setPlatform(scripted);
  const std::pair<std::string, std::string> forms[] = {
      {"h:mm AMPM", "h:mm:ss AMPM"},
      {"AMPM h:mm", "AMPM h:mm:ss"},
      {"hh:mm AMPM", "hh:mm:ss AMPM"},
      {"AMPM hh:mm", "AMPM hh:mm:ss"},
      {"h:mm", "h:mm:ss"},
      {"hh:mm", "hh:mm:ss"},
  };
  const std::pair<std::string, std::string> loaded(localeFormats.shortTimePattern,
                                                   localeFormats.longTimePattern);
  EXPECT_NE(std::find(std::begin(forms), std::end(forms), loaded), std::end(forms))
      << loaded.first << " / " << loaded.second;
  for (int m = 1; m <= 12; ++m)
    EXPECT_NE(localeFormats.longMonthNames[m], "") << m;
  for (int d = 1; d <= 7; ++d)
    EXPECT_NE(localeFormats.shortDayNames[d], "") << d;
  EXPECT_NE(localeFormats.shortDatePattern, "");
}

}  // namespace
}  // namespace bootspan
