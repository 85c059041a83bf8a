// Time tokens: hours in both clocks, the 12-hour look-ahead, the minute rule,
// the am/pm forms and the separators.
#include <gtest/gtest.h>

#include "datetext/render.hpp"
#include "tests/datetext/english_settings.hpp"

namespace bootspan {
namespace {

using testing::dayAt;
using testing::kMarch15;

class RenderTimeTest : public testing::EnglishSettingsTest {};

struct LongTimeRow {
  int hour, minute, second, millisecond;
  const char* results[5];  // one per pattern of kLongTimePatterns
};

constexpr const char* kLongTimePatterns[5] = {"h:mm:ss AMPM", "hh:mm:ss AMPM", "AMPM h:mm:ss",
                                              "h:mm:ss", "hh:mm:ss"};

TEST_F(RenderTimeTest, LongTimePatternsOfTheLocaleLoader) {
  const LongTimeRow rows[] = {
      {0, 0, 0, 0, {"12:00:00 AM", "12:00:00 AM", "AM 12:00:00", "0:00:00", "00:00:00"}},
      {0, 30, 0, 0, {"12:30:00 AM", "12:30:00 AM", "AM 12:30:00", "0:30:00", "00:30:00"}},
      {9, 3, 7, 0, {"9:03:07 AM", "09:03:07 AM", "AM 9:03:07", "9:03:07", "09:03:07"}},
      {11, 59, 59, 999, {"11:59:59 AM", "11:59:59 AM", "AM 11:59:59", "11:59:59", "11:59:59"}},
      {12, 0, 0, 0, {"12:00:00 PM", "12:00:00 PM", "PM 12:00:00", "12:00:00", "12:00:00"}},
      {13, 5, 9, 250, {"1:05:09 PM", "01:05:09 PM", "PM 1:05:09", "13:05:09", "13:05:09"}},
      {17, 2, 47, 295, {"5:02:47 PM", "05:02:47 PM", "PM 5:02:47", "17:02:47", "17:02:47"}},
      {23, 59, 59, 999, {"11:59:59 PM", "11:59:59 PM", "PM 11:59:59", "23:59:59", "23:59:59"}},
  };
  const std::int32_t days[] = {1, kMarch15};  // the uptime report's day and an ordinary one
  for (const auto& row : rows) {
    for (std::int32_t day : days) {
      const double value = dayAt(day, row.hour, row.minute, row.second, row.millisecond);
      for (int i = 0; i < 5; ++i) {
        localeFormats.longTimePattern = kLongTimePatterns[i];
        EXPECT_EQ(renderLongTime(value), row.results[i])
            << kLongTimePatterns[i] << " at " << row.hour << ":" << row.minute << " day " << day;
        EXPECT_EQ(renderDayValue(kLongTimePatterns[i], value), row.results[i]);
      }
    }
  }
}

struct PatternCase {
  const char* pattern;
  const char* result;
};

void expectRenders(double value, std::initializer_list<PatternCase> cases) {
  for (const auto& c : cases)
    EXPECT_EQ(renderDayValue(c.pattern, value), c.result) << c.pattern;
}

TEST_F(RenderTimeTest, HourRunsAndTheTwelveHourLookAhead) {
  expectRenders(dayAt(kMarch15, 13, 5, 9, 250), {
                                                    {"h", "13"},
                                                    {"hH", "1313"},  // two runs
                                                    {"hhhh", "13"},
                                                    {"H AMPM", "1 PM"},
                                                    {"h am/pm", "1 pm"},
                                                    {"h a/p", "1 p"},
                                                    {"h AAAA", "13 Wednesday"},
                                                    {"h 'AMPM'", "13 AMPM"},  // quoted: not seen
                                                    {"h \"x\" AMPM", "1 x PM"},
                                                    {"h h AMPM", "13 1 PM"},  // the next h ends it
                                                    {"h a", "13 a"},
                                                    {"h Am/Pm", "1 Pm"},
                                                    {"h:nn:ss.zzz", "13:05:09.250"},
                                                    {"s z zz zzzz", "9 250 250 250"},
                                                });
  expectRenders(dayAt(kMarch15, 0, 0, 0, 5), {
                                                 {"h 'Ah' AMPM", "0 Ah AM"},
                                                 {"AMPM h:mm:ss", "AM 12:00:00"},
                                                 {"am/pm h", "am 12"},
                                                 {"zz", "05"},
                                                 {"z", "5"},
                                                 {"zzz", "005"},
                                                 {"hh", "00"},
                                                 {"hh AMPM", "12 AM"},
                                             });
}

TEST_F(RenderTimeTest, MinuteRule) {
  expectRenders(dayAt(kMarch15, 13, 5, 9), {
                                               {"h:mm:mm", "13:05:03"},  // second run is a month
                                               {"HH 'h' mm", "13 h 05"},
                                               {"h x m", "13 x 3"},
                                               {"h 12 m", "13 12 5"},
                                               {"hm", "135"},
                                               {"m h", "3 13"},
                                               {"hhh:mmm", "13:05"},
                                               {"n nn nnn", "5 05 05"},
                                           });
}

TEST_F(RenderTimeTest, AmPmAndDayNameFormsInTheirOrder) {
  localeFormats.amDesignator = "morning";
  localeFormats.pmDesignator = "";
  const double morning = dayAt(kMarch15, 9, 0, 0);
  const double noon = dayAt(kMarch15, 12, 0, 0);
  const struct {
    const char* pattern;
    const char* beforeNoon;
    const char* fromNoon;
  } cases[] = {
      {"Am/pM", "Am", "pM"},  // the letters as written in the pattern
      {"am/pm", "am", "pm"},
      {"A/p", "A", "p"},
      {"a/P", "a", "P"},
      {"ampm", "morning", ""},
      {"AAAAA", "WednesdayA", "WednesdayA"},
      {"aaa", "Wed", "Wed"},
      {"Ax", "Ax", "Ax"},
      {"A/", "A/", "A/"},
      {"AM/P", "A3/P", "A3/P"},  // no form: "A", then a month, "/" and "P"
      {"AMP", "A3P", "A3P"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(renderDayValue(c.pattern, morning), c.beforeNoon) << c.pattern;
    EXPECT_EQ(renderDayValue(c.pattern, noon), c.fromNoon) << c.pattern;
  }
}

TEST_F(RenderTimeTest, SeparatorsComeFromTheSettings) {
  const double value = dayAt(kMarch15, 13, 5, 9);
  localeFormats.timeSeparator = '.';
  localeFormats.dateSeparator = '-';
  EXPECT_EQ(renderDayValue("h:nn:ss d/m/yy", value), "13.05.09 15-3-23");
  localeFormats.timeSeparator = '\0';
  localeFormats.dateSeparator = '\0';
  EXPECT_EQ(renderDayValue("h:nn:ss d/m/yy", value), "130509 15323");
}

TEST_F(RenderTimeTest, WorkedExample) {
  EXPECT_EQ(renderLongTime(dayAt(kMarch15, 13, 5, 9, 250)), "1:05:09 PM");
}

}  // namespace
}  // namespace bootspan
