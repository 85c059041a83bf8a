#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "locale/locale_queries.hpp"
#include "locale_state_fixture.hpp"
#include "resources/string_ids.hpp"

namespace bootspan {
namespace {

using LocaleQueries = testing::LocaleStateTest;

constexpr LCID kLocale = 0x0409;

TEST_F(LocaleQueries, LocaleTextKeepsEveryAnswerThatFitsTheBuffer) {
  struct Case {
    std::string answer;
    std::string expected;
  };
  const Case cases[] = {
      {"", ""},  // an empty answer stays empty
      {"AM", "AM"},
      {std::string(254, 'a'), std::string(254, 'a')},
      {std::string(255, 'b'), std::string(255, 'b')},  // 256 bytes with the terminator
      {std::string(256, 'c'), "dflt"},                 // needs 257: the query fails
      {std::string(4096, 'd'), "dflt"},
      {std::string("a\0b\0", 4), std::string("a\0b\0", 4)},  // zero bytes stay
      {std::string(1, '\0'), std::string(1, '\0')},
  };
  for (const Case& c : cases) {
    fake.answer(LOCALE_S1159, c.answer);
    EXPECT_EQ(localeText(kLocale, LOCALE_S1159, "dflt"), c.expected)
        << "answer of " << c.answer.size() << " bytes";
  }
}

TEST_F(LocaleQueries, LocaleTextGivesTheDefaultWhenTheQueryFails) {
  EXPECT_EQ(localeText(kLocale, LOCALE_S1159, "am"), "am");
  EXPECT_EQ(localeText(kLocale, LOCALE_S1159, ""), "");
  ASSERT_EQ(fake.localeQueries.size(), 2u);
  EXPECT_EQ(fake.localeQueries[0], (std::pair<LCID, LCTYPE>(kLocale, LOCALE_S1159)));
}

TEST_F(LocaleQueries, LocaleTextAsksTheGivenLocale) {
  fake.answer(LOCALE_S1159, "vorm.", 0x0407);
  EXPECT_EQ(localeText(0x0407, LOCALE_S1159, "am"), "vorm.");
  EXPECT_EQ(localeText(0x0409, LOCALE_S1159, "am"), "am");
}

TEST_F(LocaleQueries, LocaleCharTakesOnlyOneByteAnswers) {
  struct Case {
    std::string answer;
    char expected;
  };
  const Case cases[] = {
      {".", '.'},
      {"", '\0'},                    // empty: the character 0, not the default
      {std::string(1, '\0'), '\0'},  // a single zero byte
      {"\xA0", '\xA0'},
      {"''", '#'},        // two characters do not fit the 2-byte buffer
      {"\x81\x40", '#'},  // nor does one double-byte character
      {std::string(255, 'x'), '#'},
      {std::string(4096, 'x'), '#'},
  };
  for (const Case& c : cases) {
    fake.answer(LOCALE_STHOUSAND, c.answer);
    EXPECT_EQ(localeChar(kLocale, LOCALE_STHOUSAND, '#'), c.expected)
        << "answer of " << c.answer.size() << " bytes";
  }
  fake.localeAnswers.clear();
  EXPECT_EQ(localeChar(kLocale, LOCALE_STHOUSAND, ','), ',');
}

// A platform that reports more bytes than the buffer it was given holds.
class OverstatingPlatform : public FakePlatform {
 public:
  int GetLocaleInfoA(LCID, LCTYPE, LPSTR buffer, int size) override {
    std::memset(buffer, 'z', static_cast<std::size_t>(size));
    return claimed;
  }
  int claimed = 0;
};

TEST_F(LocaleQueries, AnAnswerCountBeyondTheBufferIsTakenAsAFailure) {
  OverstatingPlatform lying;
  for (int claimed : {257, 4096, 0x7FFFFFFF}) {
    lying.claimed = claimed;
    EXPECT_EQ(localeText(kLocale, LOCALE_S1159, "am"), "am") << claimed;
    EXPECT_EQ(localeChar(kLocale, LOCALE_STIME, ':'), ':') << claimed;
  }
  lying.claimed = 3;
  EXPECT_EQ(localeChar(kLocale, LOCALE_STIME, ':'), ':');
  lying.claimed = -1;
  EXPECT_EQ(localeText(kLocale, LOCALE_S1159, "am"), "am");
  lying.claimed = 256;
  EXPECT_EQ(localeText(kLocale, LOCALE_S1159, "am"), std::string(255, 'z'));
}

TEST_F(LocaleQueries, NamesFallBackToTheStringTable) {
  fake.answer(LOCALE_SMONTHNAME1, "Januar");
  EXPECT_EQ(localeNameOrBuiltIn(kLocale, LOCALE_SMONTHNAME1, msg::january), "Januar");
  fake.answer(LOCALE_SMONTHNAME1, "");
  EXPECT_EQ(localeNameOrBuiltIn(kLocale, LOCALE_SMONTHNAME1, msg::january), "January");
  fake.localeAnswers.clear();
  EXPECT_EQ(localeNameOrBuiltIn(kLocale, LOCALE_SMONTHNAME1, msg::january), "January");
  fake.strings.erase(msg::january);
  EXPECT_EQ(localeNameOrBuiltIn(kLocale, LOCALE_SMONTHNAME1, msg::january), "");
  fake.answer(LOCALE_SMONTHNAME1, std::string(300, 'n'));  // does not fit: no name
  EXPECT_EQ(localeNameOrBuiltIn(kLocale, LOCALE_SMONTHNAME1, msg::january), "");
}

}  // namespace
}  // namespace bootspan
