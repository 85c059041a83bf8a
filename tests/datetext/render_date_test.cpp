// Date tokens, names, expansions of the settings patterns, literals, the
// nesting limit, the 256-byte cut and the errors of the splits.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "datetext/render.hpp"
#include "tests/datetext/english_settings.hpp"
#include "tests/test_support.hpp"

namespace bootspan {
namespace {

using testing::dayAt;
using testing::kMarch15;

class RenderDateTest : public testing::EnglishSettingsTest {};

struct PatternCase {
  const char* pattern;
  const char* result;
};

TEST_F(RenderDateTest, TokensOfAnOrdinaryDay) {
  const PatternCase cases[] = {
      {"c", "3/15/2023 12:00:00 PM"},
      {"", "3/15/2023 12:00:00 PM"},
      {"C", "3/15/2023 12:00:00 PM"},
      {"cc", "3/15/2023 12:00:00 PM"},  // one run
      {"ddddd", "3/15/2023"},
      {"dddddd", "Wednesday, March 15, 2023"},
      {"ddddddd", "Wednesday, March 15, 2023"},
      {"ddd", "Wed"},
      {"dddd", "Wednesday"},
      {"d/m/yy", "15/3/23"},
      {"yyyy-mm-dd", "2023-03-15"},
      {"mmm mmmm", "Mar March"},
      {"MMMMMM", "March"},
      {"hh:nn:ss.zzz", "12:00:00.000"},
      {"h:mm am/pm", "12:00 pm"},
      {"h:mm a/p", "12:00 p"},
      {"HH 'h' mm", "12 h 00"},
      {"h x m", "12 x 3"},
      {"t", "12:00 PM"},
      {"tt", "12:00:00 PM"},
      {"ttt", "12:00:00 PM"},
      {"AAAA AAA", "Wednesday Wed"},
      {"y yy yyy", "23 23 2023"},
      {"yyyyy", "2023"},
      {"hhh:mmm", "12:00"},
      {"'unclosed", "unclosed"},
      {"\"unclosed", "unclosed"},
      {"'it''s' \"a 'b'\"", "its a 'b'"},
      {"'a\"b' \"c'd\"", "a\"b c'd"},  // only the same quote closes
      {"d|ddd|W x#!", "15|Wed|W x#!"},
      {"dd mm", "15 03"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(renderDayValue(c.pattern, 45000.5), c.result) << c.pattern;
}

TEST_F(RenderDateTest, PatternsEndAtTheirFirstZeroByte) {
  using namespace std::string_view_literals;
  const double value = testing::dayAt(kMarch15, 13, 5, 9);
  const struct {
    std::string_view pattern;
    const char* result;
  } cases[] = {
      {"yy\0mm"sv, "23"},       {"\0mm"sv, ""},  // not empty, so not "C" either
      {"'ab\0cd'x"sv, "ab"},                     // the literal ends there too
      {"h\0AMPM"sv, "13"},                       // and so does the 12-hour look-ahead
      {"h:mm\0:ss"sv, "13:05"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(renderDayValue(c.pattern, value), c.result) << c.pattern;
  localeFormats.shortDatePattern = std::string("d\0m", 3);
  EXPECT_EQ(renderDayValue("ddddd", value), "15");
}

TEST_F(RenderDateTest, MidnightLeavesTheTimeOutOfC) {
  EXPECT_EQ(renderDayValue("c", 45000.0), "3/15/2023");
  EXPECT_EQ(renderDayValue("", dayAt(kMarch15, 0, 0, 0, 500)), "3/15/2023");
  EXPECT_EQ(renderDayValue("", dayAt(kMarch15, 0, 0, 1)), "3/15/2023 12:00:01 AM");
  EXPECT_EQ(renderDayValue("c", dayAt(kMarch15, 0, 1, 0)), "3/15/2023 12:01:00 AM");
}

TEST_F(RenderDateTest, TheFirstDayOfYearOne) {
  const double value = valueFromStamp({0, 1});
  const PatternCase cases[] = {
      {"yyyy", "0001"}, {"yy", "01"}, {"y", "01"}, {"m/d", "1/1"}, {"dddd mmmm", "Monday January"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(renderDayValue(c.pattern, value), c.result) << c.pattern;
}

TEST_F(RenderDateTest, YearsArePaddedButNeverCut) {
  EXPECT_EQ(renderDayValue("yyyy yy", valueFromStamp({0, 23936166})), "65535 35");
  EXPECT_EQ(renderDayValue("yyyy yy y", valueFromStamp({0, 44711})), "0123 23 23");  // 1 June 123
}

TEST_F(RenderDateTest, NameTokensForDaysBelowOnePrintNothing) {
  const double values[] = {-693594.0, -693595.0, -693600.0, -700000.25};
  for (double v : values) {
    EXPECT_EQ(renderDayValue("[mmm|mmmm|ddd|dddd|AAA|AAAA]", v), "[|||||]") << v;
    EXPECT_EQ(renderDayValue("yyyy/m/d dd", v), "0000/0/0 00") << v;
  }
}

TEST_F(RenderDateTest, EmptyLongTimePatternRendersTheShortDate) {
  localeFormats.longTimePattern.clear();
  EXPECT_EQ(renderLongTime(valueFromStamp({0, 1})), "1/1/0001");
  // Any other time: the blank before the nested long time, which is empty.
  EXPECT_EQ(renderLongTime(valueFromStamp({1000, 1})), "1/1/0001 ");
  EXPECT_EQ(renderLongTime(valueFromStamp({12310500, 1})), "1/1/0001 ");
}

TEST_F(RenderDateTest, ExpansionsNestOnlyOneLevel) {
  const double value = 45000.5;
  localeFormats.longTimePattern = "tt";
  EXPECT_EQ(renderLongTime(value), "");
  EXPECT_EQ(renderDayValue("[tt]", value), "[]");

  localeFormats.longTimePattern = "h:mm:ss AMPM";
  localeFormats.shortTimePattern = "h 'n' c";  // c inside an expansion renders its own nothing
  localeFormats.shortDatePattern = "";
  EXPECT_EQ(renderDayValue("t|", value), "12 n  |");

  // Flags and splits of a level do not pass into its expansions or back.
  localeFormats.shortDatePattern = "h";
  EXPECT_EQ(renderDayValue("AMPM ddddd h", dayAt(kMarch15, 15, 0, 0)), "PM 15 3");
  localeFormats.shortDatePattern = "AMPM";
  EXPECT_EQ(renderDayValue("ddddd H", dayAt(kMarch15, 15, 0, 0)), "PM 15");
  localeFormats.shortDatePattern = "mm";
  EXPECT_EQ(renderDayValue("h:ddddd", value), "12:03");
}

TEST_F(RenderDateTest, OutputIsCutAt256Bytes) {
  std::string copied;
  for (int i = 0; i < 300; ++i)
    copied += static_cast<char>('0' + i % 10);
  EXPECT_EQ(renderDayValue(copied, 45000.5), copied.substr(0, 256));

  // A token that straddles the limit keeps its first bytes; later tokens are
  // walked but dropped.
  const std::string filler(254, '-');
  EXPECT_EQ(renderDayValue(filler + "yyyy mmmm", 45000.5), filler + "20");
  EXPECT_EQ(renderDayValue(filler + "'abc'dddd", 45000.5), filler + "ab");

  // Expansions write into the same area.
  localeFormats.longDatePattern = std::string(200, '=') + "dddd";
  EXPECT_EQ(renderDayValue("dddddd" + std::string(60, '+'), 45000.5),
            std::string(200, '=') + "Wednesday" + std::string(47, '+'));
}

TEST_F(RenderDateTest, SplitErrorsPassOutUnchanged) {
  const double values[] = {std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity(), 1e300};
  for (double v : values) {
    SCOPED_TRACE(v);
    EXPECT_RAISES(renderLongTime(v), EInvalidOp, "Invalid floating point operation");
    EXPECT_RAISES(renderDayValue("yyyy", v), EInvalidOp, "Invalid floating point operation");
    EXPECT_RAISES(renderDayValue("'x' dddd", v), EInvalidOp, "Invalid floating point operation");
    EXPECT_RAISES(renderDayValue("ddddd", v), EInvalidOp, "Invalid floating point operation");
    // Patterns without a date or time token never split the value.
    EXPECT_EQ(renderDayValue("'x' /-", v), "x /-");
  }
}

}  // namespace
}  // namespace bootspan
