// Tokens written where the 256-byte output runs out: numbers, names and
// copied bytes are cut exactly where the output ends, whatever the room left
// when they begin; and characters are stepped as the platform steps them.
#include <gtest/gtest.h>

#include <string>

#include "datetext/render.hpp"
#include "tests/datetext/english_settings.hpp"

namespace bootspan {
namespace {

using testing::dayAt;
using testing::kMarch15;

class RenderOutputEndTest : public testing::EnglishSettingsTest {};

TEST_F(RenderOutputEndTest, EveryTokenIsCutWhereTheOutputEnds) {
  // 31 December 12345 at 13:05:09.250: a five-digit year.
  const double value = dayAt(4508918, 13, 5, 9, 250);
  ASSERT_EQ(renderDayValue("yyyy-mm-dd", value), "12345-12-31");
  const std::string tails[] = {"yyyy", "yymmddhhnnsszzz", "h:mm:ss AMPM", "dddd mmmm",
                               "c",    "hh 'quoted' zzz"};
  for (const std::string& tail : tails) {
    const std::string whole = renderDayValue(tail, value);
    for (std::size_t before = 230; before <= 256; ++before) {
      const std::string pattern = std::string("'").append(before, '.').append("'").append(tail);
      const std::string expected = (std::string(before, '.') + whole).substr(0, 256);
      ASSERT_EQ(renderDayValue(pattern, value), expected) << before << " then " << tail;
    }
  }
}

TEST_F(RenderOutputEndTest, UnderUtf8TheCharacterTheEndCutsIsDropped) {
  fake.acp = 65001;
  const std::string euro = "\xE2\x82\xAC";
  for (std::size_t before = 250; before <= 256; ++before) {
    const std::string pattern =
        std::string("'").append(before, '.').append(euro).append(euro).append(euro).append("'");
    const std::size_t whole = (256 - before) / 3;
    std::string expected(before, '.');
    for (std::size_t i = 0; i < whole && i < 3; ++i)
      expected += euro;
    EXPECT_EQ(renderDayValue(pattern, 0), expected) << before;
  }
  // "é" 126 times after the clock: its cut falls inside an "é" when the hour
  // has two digits.
  std::string e126;
  for (int i = 0; i < 126; ++i)
    e126 += "\xC3\xA9";
  localeFormats.amDesignator = e126;
  const struct {
    UINT codePage;
    int hour;
    std::string clock;
    std::size_t designatorBytes;
  } cases[] = {
      {65001, 3, "3:25:10 ", 248},
      {65001, 10, "10:25:10 ", 246},
      {1252, 10, "10:25:10 ", 247},  // other code pages cut at the byte
  };
  for (const auto& c : cases) {
    fake.acp = c.codePage;
    EXPECT_EQ(renderDayValue("h:mm:ss AMPM", dayAt(kMarch15, c.hour, 25, 10)),
              c.clock + e126.substr(0, c.designatorBytes))
        << c.codePage << " " << c.hour;
  }
}

TEST_F(RenderOutputEndTest, AByteTheLocaleDoesNotLeadIsSteppedByThePlatform) {
  // The platform's code page has lead bytes that the user locale's set
  // lacks: such a character is passed over whole, and its first byte copied.
  fake.useDoubleByteCodePage(932, {{0x81, 0x9F}});
  const double value = dayAt(kMarch15, 13, 5, 9);
  EXPECT_EQ(renderDayValue("\x81hd", value),
            "\x81"
            "15");
  // The 12-hour look-ahead steps by the locale's set: it meets the second "h"
  // and stops, so the hour is a 24-hour one.
  EXPECT_EQ(renderDayValue("h\x81h AMPM", value), "13\x81 PM");
}

}  // namespace
}  // namespace bootspan
