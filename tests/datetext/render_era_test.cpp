// Era tokens: texts from the platform's alternate calendar, shortened for a
// single "g" in Japanese and Traditional Chinese locales.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "datetext/render.hpp"
#include "tests/datetext/english_settings.hpp"

namespace bootspan {
namespace {

using testing::dayAt;
using testing::kMarch15;

// Era names in their code pages: two characters in Shift-JIS (the second
// with the trail byte "a"), four in Big5.
const std::string kReiwa = "\x97\xDF\x98\x61";
const std::string kRepublicOfChina = "\xA4\xA4\xB5\xD8\xA5\xC1\xB0\xEA";

class RenderEraTest : public testing::EnglishSettingsTest {
 protected:
  // The platform answers `name` for "gg" and the year of the era (from
  // `firstYear`) for "yy" and "yyyy".
  void eraCalendar(std::string name, int firstYear) {
    fake.dateFormat = [name, firstYear](const SYSTEMTIME& date,
                                        const std::string& picture) -> std::optional<std::string> {
      const int year = date.wYear - firstYear + 1;
      if (picture == "gg") return name;
      if (picture == "yy") return (year < 10 ? "0" : "") + std::to_string(year % 100);
      if (picture == "yyyy")
        return std::string(year < 1000 ? "0" : "") + (year < 100 ? "0" : "") +
               (year < 10 ? "0" : "") + std::to_string(year);
      return std::nullopt;
    };
  }
  void locale(LCID lcid) {
    fake.threadLocale = lcid;
    sysLocale.defaultLcid = lcid;
    sysLocale.primaryLanguage = lcid & 0x3FF;
    sysLocale.subLanguage = (lcid & 0xFFFF) >> 10;
  }
};

struct EraCase {
  std::string pattern;
  std::string result;
};

TEST_F(RenderEraTest, JapaneseKeepsTheFirstCharacterForASingleG) {
  locale(0x0411);
  useDoubleByteCodePage(932, {{0x81, 0x9F}, {0xE0, 0xFC}});
  eraCalendar(kReiwa, 2019);
  const EraCase cases[] = {
      {"g", "\x97\xDF"},
      {"gg", kReiwa},
      {"GGG", kReiwa},
      {"e", "5"},
      {"ee", "05"},
      {"eee", "0005"},
      {"gge'\x94\x4E'", kReiwa + "5\x94\x4E"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(renderDayValue(c.pattern, dayAt(kMarch15, 9, 0, 0)), c.result) << c.pattern;
  }

  // A single-byte era name is cut to its one first byte.
  eraCalendar("Heisei", 1989);
  EXPECT_EQ(renderDayValue("g e", dayAt(kMarch15, 9, 0, 0)), "H 35");
}

TEST_F(RenderEraTest, TraditionalChineseKeepsTheLastTwoOfFourCharacters) {
  locale(0x0404);
  useDoubleByteCodePage(950, {{0x81, 0xFE}});
  eraCalendar(kRepublicOfChina, 1912);
  const double value = dayAt(kMarch15, 9, 0, 0);
  EXPECT_EQ(renderDayValue("g e eee", value), "\xA5\xC1\xB0\xEA 12 0112");
  EXPECT_EQ(renderDayValue("gg", value), kRepublicOfChina);

  eraCalendar(
      "\xA5\xC1\xB0\xEA"
      "x",
      1912);  // three characters stay whole
  EXPECT_EQ(renderDayValue("g", value),
            "\xA5\xC1\xB0\xEA"
            "x");
  eraCalendar("abcd", 1912);  // four single-byte characters
  EXPECT_EQ(renderDayValue("g", value), "cd");
}

TEST_F(RenderEraTest, OtherLanguagesKeepTheWholeName) {
  const LCID locales[] = {0x0804 /* Simplified Chinese */, 0x0409, 0x0412 /* Korean */};
  for (LCID lcid : locales) {
    locale(lcid);
    eraCalendar("abcd", 1);
    EXPECT_EQ(renderDayValue("g|gg|e", dayAt(kMarch15, 9, 0, 0)), "abcd|abcd|23") << lcid;
  }
}

TEST_F(RenderEraTest, AsksThePlatformForTheDateInTheAlternateCalendar) {
  locale(0x0411);
  eraCalendar(kReiwa, 2019);
  EXPECT_EQ(renderDayValue("[h:mm]", dayAt(kMarch15, 9, 0, 0)), "[9:00]");
  EXPECT_TRUE(fake.dateFormatCalls.empty());  // no era token, no call

  renderDayValue("gg ee eee", dayAt(kMarch15, 9, 0, 0));
  ASSERT_EQ(fake.dateFormatCalls.size(), 3u);
  const char* pictures[] = {"gg", "yy", "yyyy"};
  for (int i = 0; i < 3; ++i) {
    const auto& call = fake.dateFormatCalls[i];
    EXPECT_EQ(call.locale, 0x0411u);
    EXPECT_EQ(call.flags, DATE_USE_ALT_CALENDAR);
    EXPECT_EQ(call.picture, pictures[i]);
    EXPECT_EQ(call.size, 256);
    EXPECT_EQ(call.date.wYear, 2023);
    EXPECT_EQ(call.date.wMonth, 3);
    EXPECT_EQ(call.date.wDay, 15);
    EXPECT_EQ(call.date.wDayOfWeek + call.date.wHour + call.date.wMinute + call.date.wSecond +
                  call.date.wMilliseconds,
              0);
  }

  // The locale is the thread's at the moment of the call.
  fake.threadLocale = 0x0409;
  renderDayValue("g", 45000.5);
  EXPECT_EQ(fake.dateFormatCalls.back().locale, 0x0409u);
}

TEST_F(RenderEraTest, AFailedCallGivesEmptyTexts) {
  locale(0x0411);
  fake.dateFormat = nullptr;
  EXPECT_EQ(renderDayValue("<g|gg|e|eee>", 45000.5), "<|||>");
  fake.dateFormat = [](const SYSTEMTIME&, const std::string&) {
    return std::optional<std::string>();
  };
  EXPECT_EQ(renderDayValue("<g|e>", 45000.5), "<|>");
}

}  // namespace
}  // namespace bootspan
