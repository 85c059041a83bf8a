// Loading era names and year offsets from the locale's optional calendar.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "locale/eras.hpp"
#include "locale/locale_formats.hpp"
#include "locale/locale_loader.hpp"
#include "locale_state_fixture.hpp"

namespace bootspan {
namespace {

using Strings = std::vector<std::string>;
using Offsets = std::vector<std::int32_t>;

class Eras : public testing::LocaleStateTest {
 protected:
  // The seven name slots, then the seven offset slots, as loaded.
  static Strings names() {
    return Strings(localeFormats.eraNames.begin() + 1, localeFormats.eraNames.end());
  }
  static Offsets offsets() {
    return Offsets(localeFormats.eraYearOffsets.begin() + 1, localeFormats.eraYearOffsets.end());
  }
  // `values` padded with `filler` to seven entries.
  template <class T>
  static std::vector<T> slots(std::vector<T> values, T filler) {
    values.resize(7, filler);
    return values;
  }
};

// Shift-JIS names of the Japanese eras Meiji, Taisho, Showa, Heisei, Reiwa.
const Strings kJapaneseEras = {"\x96\xBE\x8E\xA1", "\x91\xE5\x90\xB3", "\x8F\xBA\x98\x61",
                               "\x95\xBD\x90\xAC", "\x97\xDF\x98\x61"};

TEST_F(Eras, TheFirstOptionalCalendarDecidesWhetherErasAreLoaded) {
  struct Row {
    const char* what;
    std::string answer;  // LOCALE_IOPTIONALCALENDAR
    bool answered;
    CALID calendar;  // 0: nothing is enumerated
  };
  const Row rows[] = {
      {"Japanese", "3", true, 3},
      {"Taiwanese", "4", true, 4},
      {"Korean", "5", true, 5},
      {"Gregorian", "1", true, 0},
      {"Gregorian US English", "2", true, 0},
      {"Hebrew lunar", "8", true, 0},
      {"not a number", "x", true, 0},
      {"empty", "", true, 0},
      {"query fails", "", false, 0},
      {"list, era calendar first",
       std::string("3\0"
                   "1\0",
                   4),
       true, 3},
      {"list, era calendar second",
       std::string("1\0"
                   "3\0",
                   4),
       true, 0},
      {"leading blank", " 5", true, 5},
      {"hexadecimal", "$4", true, 4},
      {"trailing text", "3a", true, 0},
      {"255 bytes fit with the terminator", "4" + std::string(254, '\0'), true, 4},
      {"256 bytes do not fit", "4" + std::string(255, '\0'), true, 0},
  };
  for (const Row& row : rows) {
    FakePlatform local;
    local.threadLocale = 0x0411;
    if (row.answered) local.answer(LOCALE_IOPTIONALCALENDAR, row.answer);
    for (CALID calendar : {3u, 4u, 5u}) {
      local.calendarValues[{calendar, CAL_SERASTRING}] = {"era" + std::to_string(calendar)};
      local.calendarValues[{calendar, CAL_IYEAROFFSETRANGE}] = {std::to_string(calendar * 100)};
    }
    localeFormats = TLocaleFormats{};
    loadEras();

    ASSERT_EQ(local.localeQueries.size(), 1u) << row.what;
    EXPECT_EQ(local.localeQueries[0].first, 0x0411u) << row.what;
    EXPECT_EQ(local.localeQueries[0].second, LOCALE_IOPTIONALCALENDAR) << row.what;
    if (row.calendar == 0) {
      EXPECT_TRUE(local.enumCalls.empty()) << row.what;
      EXPECT_EQ(names(), Strings(7)) << row.what;
      EXPECT_EQ(offsets(), Offsets(7, 0)) << row.what;
      continue;
    }
    ASSERT_EQ(local.enumCalls.size(), 2u) << row.what;
    EXPECT_EQ(local.enumCalls[0].locale, 0x0411u);
    EXPECT_EQ(local.enumCalls[0].calendar, row.calendar) << row.what;
    EXPECT_EQ(local.enumCalls[0].type, CAL_SERASTRING);
    EXPECT_EQ(local.enumCalls[1].locale, 0x0411u);
    EXPECT_EQ(local.enumCalls[1].calendar, row.calendar) << row.what;
    EXPECT_EQ(local.enumCalls[1].type, CAL_IYEAROFFSETRANGE);
    EXPECT_EQ(names(), slots<std::string>({"era" + std::to_string(row.calendar)}, "")) << row.what;
    EXPECT_EQ(offsets(), slots<std::int32_t>({static_cast<std::int32_t>(row.calendar * 100)}, -1))
        << row.what;
  }
}

TEST_F(Eras, ReportedValuesFillTheSlotsInOrder) {
  struct Row {
    const char* what;
    Strings reportedNames;
    Strings reportedOffsets;
    Strings expectedNames;
    Offsets expectedOffsets;
  };
  const Row rows[] = {
      {"five Japanese eras",
       kJapaneseEras,
       {"1868", "1912", "1926", "1989", "2019"},
       slots(kJapaneseEras, std::string()),
       slots<std::int32_t>({1868, 1912, 1926, 1989, 2019}, -1)},
      {"nothing reported", {}, {}, Strings(7), Offsets(7, -1)},
      {"eight eras: the eighth is dropped",
       {"1", "2", "3", "4", "5", "6", "7", "8"},
       {"10", "20", "30", "40", "50", "60", "70", "80"},
       {"1", "2", "3", "4", "5", "6", "7"},
       {10, 20, 30, 40, 50, 60, 70}},
      {"an empty name leaves its slot to the next",
       {"A", "", "B", ""},
       {"1", "2"},
       slots<std::string>({"A", "B"}, ""),
       slots<std::int32_t>({1, 2}, -1)},
      {"empty names do not count towards the seven",
       {"", "1", "2", "", "3", "4", "5", "6", "7", "", "8"},
       {},
       {"1", "2", "3", "4", "5", "6", "7"},
       Offsets(7, -1)},
      {"offsets that are not numbers read as 0",
       {},
       {"x", "", " 12", "12 ", "0x1F", "-1989", "2147483648"},
       Strings(7),
       {0, 0, 12, 0, 31, -1989, 0}},
      {"an offset of -1 leaves its slot free",
       {},
       {"1868", "-1", "1912"},
       Strings(7),
       slots<std::int32_t>({1868, 1912}, -1)},
      {"long names are kept whole",
       {std::string(255, 'n'), std::string(300, 'm')},
       {std::string(300, '7'), "0000000000000000000000000000000000000000000000000000000001"},
       slots<std::string>({std::string(255, 'n'), std::string(300, 'm')}, ""),
       slots<std::int32_t>({0, 1}, -1)},
      {"a name is read up to its first zero byte",
       {std::string("Hei\0sei", 7), std::string("\0x", 2), "Reiwa"},
       {std::string("19\0"
                    "89",
                    5)},
       slots<std::string>({"Hei", "Reiwa"}, ""),
       slots<std::int32_t>({19}, -1)},
  };
  for (const Row& row : rows) {
    FakePlatform local;
    local.answer(LOCALE_IOPTIONALCALENDAR, "3");
    local.calendarValues[{3, CAL_SERASTRING}] = row.reportedNames;
    local.calendarValues[{3, CAL_IYEAROFFSETRANGE}] = row.reportedOffsets;
    localeFormats = TLocaleFormats{};
    loadEras();
    EXPECT_EQ(names(), row.expectedNames) << row.what;
    EXPECT_EQ(offsets(), row.expectedOffsets) << row.what;
    EXPECT_EQ(localeFormats.eraNames[0], "") << row.what;  // slot 0 is never written
    EXPECT_EQ(localeFormats.eraYearOffsets[0], 0) << row.what;
  }
}

TEST_F(Eras, TheCallbacksStopTheEnumerationWhenEverySlotIsTaken) {
  std::string name = "era";
  std::string offset = "100";
  for (int slot = 1; slot <= 7; ++slot)
    localeFormats.eraYearOffsets[slot] = -1;
  for (int k = 1; k <= 7; ++k) {
    name = "era" + std::to_string(k);
    offset = std::to_string(k * 100);
    EXPECT_EQ(collectEraName(name.data()), TRUE) << k;
    EXPECT_EQ(collectEraYearOffset(offset.data()), TRUE) << k;
  }
  name = "eighth";
  offset = "800";
  EXPECT_EQ(collectEraName(name.data()), FALSE);
  EXPECT_EQ(collectEraYearOffset(offset.data()), FALSE);
  EXPECT_EQ(localeFormats.eraNames[7], "era7");
  EXPECT_EQ(localeFormats.eraYearOffsets[7], 700);

  // Neither callback reads a missing text.
  localeFormats.eraNames[3].clear();
  localeFormats.eraYearOffsets[3] = -1;
  EXPECT_EQ(collectEraName(nullptr), TRUE);
  EXPECT_EQ(localeFormats.eraNames[3], "");
  EXPECT_EQ(collectEraYearOffset(nullptr), TRUE);
  EXPECT_EQ(localeFormats.eraYearOffsets[3], 0);
}

TEST_F(Eras, TheOffsetSlotsAreFreedBeforeTheOffsetsAreEnumerated) {
  fake.answer(LOCALE_IOPTIONALCALENDAR, "3");
  fake.calendarValues[{3, CAL_SERASTRING}] = {"Reiwa"};
  fake.calendarValues[{3, CAL_IYEAROFFSETRANGE}] = {"2019"};
  localeFormats.eraNames[1] = "kept";  // the name slots are not cleared
  for (int slot = 1; slot <= 7; ++slot)
    localeFormats.eraYearOffsets[slot] = 99;
  loadEras();
  EXPECT_EQ(names(), slots<std::string>({"kept", "Reiwa"}, ""));
  EXPECT_EQ(offsets(), slots<std::int32_t>({2019}, -1));
}

TEST_F(Eras, TheLoaderLoadsErasOnlyForADoubleByteCodePage) {
  // Both locales answer an era calendar as their first optional calendar.
  auto answerEras = [](FakePlatform& platform) {
    platform.threadLocale = 0x0411;
    platform.answer(LOCALE_IOPTIONALCALENDAR, std::string("3\0"
                                                          "1\0",
                                                          4));
    platform.calendarValues[{3, CAL_SERASTRING}] = kJapaneseEras;
    platform.calendarValues[{3, CAL_IYEAROFFSETRANGE}] = {"1868", "1912", "1926", "1989", "2019"};
    platformInfo.platformId = VER_PLATFORM_WIN32_NT;
  };

  // A Japanese locale whose code page has no lead bytes: farEast is false.
  answerEras(fake);
  loadLocaleFormats();
  ASSERT_FALSE(sysLocale.farEast);
  EXPECT_TRUE(fake.enumCalls.empty());
  EXPECT_EQ(fake.queryCount(LOCALE_IOPTIONALCALENDAR), 0);
  EXPECT_EQ(names(), Strings(7));
  EXPECT_EQ(offsets(), Offsets(7, 0));

  // The same locale with code page 932.
  FakePlatform local;
  answerEras(local);
  local.useDoubleByteCodePage(932, {{0x81, 0x9F}, {0xE0, 0xFC}});
  local.answer(LOCALE_IDEFAULTANSICODEPAGE, "932");
  localeFormats = TLocaleFormats{};
  loadLocaleFormats();
  ASSERT_TRUE(sysLocale.farEast);
  EXPECT_EQ(local.queryCount(LOCALE_IOPTIONALCALENDAR), 1);
  EXPECT_EQ(names(), slots(kJapaneseEras, std::string()));
  EXPECT_EQ(offsets(), slots<std::int32_t>({1868, 1912, 1926, 1989, 2019}, -1));
  // The eras come after the month and day names and before every other field.
  std::size_t position = 0;
  while (local.localeQueries[position].second != LOCALE_IOPTIONALCALENDAR)
    ++position;
  EXPECT_EQ(position, 1u + 38u);  // the code page, then the 38 names
  EXPECT_EQ(local.localeQueries[position + 1].second, LOCALE_SCURRENCY);
}

}  // namespace
}  // namespace bootspan
