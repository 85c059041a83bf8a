// Patterns in a double-byte code page: characters are stepped as wholes, so
// a trail byte is never read as a token, a quote or an hour.
#include <gtest/gtest.h>

#include <string>

#include "datetext/render.hpp"
#include "tests/datetext/english_settings.hpp"

namespace bootspan {
namespace {

using testing::dayAt;
using testing::kMarch15;

class RenderDoubleByteTest : public testing::EnglishSettingsTest {
 protected:
  RenderDoubleByteTest() { useDoubleByteCodePage(932, {{0x81, 0x9F}, {0xE0, 0xFC}}); }
};

struct DoubleByteCase {
  std::string pattern;
  std::string result;
};

TEST_F(RenderDoubleByteTest, CharactersAreSteppedAsWholes) {
  const double value = dayAt(kMarch15, 13, 5, 9);
  const DoubleByteCase cases[] = {
      // Outside quotes a double-byte character prints nothing, even when its
      // second byte is a letter or a quote.
      {"yyyy\x94\x4E"
       "m\x8C\x8E"
       "d\x93\xFA",
       "2023315"},
      {"\x82m\x82y\x82'", ""},
      // Inside quotes it is copied whole; a quote as its second byte does not
      // end the literal.
      {"'\x94\x4E'yyyy",
       "\x94\x4E"
       "2023"},
      {"'\x81'x'd", "\x81'x15"},
      {"\"\x81\"\"", "\x81\""},
      // It also ends the minute rule: the "mm" after it is a month.
      {"h\x82\xA0mm", "1303"},
      {"h'\x82\xA0'mm",
       "13\x82\xA0"
       "05"},
      // The 12-hour look-ahead steps over it: an "h" or "'" in second place
      // neither ends the scan nor opens a quote.
      {"h\x82h AMPM", "1 PM"},
      {"h\x82' AMPM", "1 PM"},
      {"h\x82"
       "A AMPM",
       "1 PM"},
      // A lead byte that ends the pattern is one character.
      {"d\x82", "15"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(renderDayValue(c.pattern, value), c.result) << c.pattern;
}

TEST_F(RenderDoubleByteTest, TheCutMayHalveACharacter) {
  const std::string filler(255, '-');
  EXPECT_EQ(renderDayValue(filler + "'\x94\x4E'", 45000.5), filler + "\x94");
}

class RenderSingleByteTest : public testing::EnglishSettingsTest {};

TEST_F(RenderSingleByteTest, HighBytesAreCopiedOneByOne) {
  const double value = dayAt(kMarch15, 13, 5, 9);
  EXPECT_EQ(renderDayValue("h\x82h\xE9", value),
            "13\x82"
            "13\xE9");
  EXPECT_EQ(renderDayValue("'\x81'x'", value), "\x81x");
}

}  // namespace
}  // namespace bootspan
