#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "calendar/day_stamp.hpp"
#include "platform/fake/fake_platform.hpp"
#include "tests/test_support.hpp"

namespace bootspan {
namespace {

// The day value of midnight of `dayNumber`.
double dayValue(std::int32_t dayNumber) {
  return valueFromStamp({0, dayNumber});
}

struct TimeCase {
  double value;
  std::uint16_t hour, minute, second, millisecond;
};

TEST(SplitTime, GivesTheClockFieldsOfTheTimeOfDay) {
  const TimeCase cases[] = {
      {0.0, 0, 0, 0, 0},
      {0.5, 12, 0, 0, 0},
      {-0.25, 6, 0, 0, 0},
      {-1.75, 18, 0, 0, 0},
      {45000.5, 12, 0, 0, 0},
      {valueFromStamp({0, 1}), 0, 0, 0, 0},
      {valueFromStamp({86399999, 1}), 23, 59, 59, 999},
      {valueFromStamp({61367295, 1}), 17, 2, 47, 295},  // tick count 4294967295
      {valueFromStamp({12310500, 1}), 3, 25, 10, 500},  // 3 h 25 min 10.5 s
      {valueFromStamp({47109250, 738594}), 13, 5, 9, 250},
  };
  for (const auto& c : cases) {
    std::uint16_t h = 99, m = 99, s = 99, ms = 999;
    splitTime(c.value, h, m, s, ms);
    EXPECT_EQ(h, c.hour) << c.value;
    EXPECT_EQ(m, c.minute) << c.value;
    EXPECT_EQ(s, c.second) << c.value;
    EXPECT_EQ(ms, c.millisecond) << c.value;
  }
}

TEST(YearIsLeap, FollowsTheGregorianRule) {
  const struct {
    std::uint16_t year;
    bool leap;
  } cases[] = {{1, false},    {4, true},     {100, false},  {400, true},
               {1900, false}, {2000, true},  {2023, false}, {2024, true},
               {2100, false}, {65532, true}, {65535, false}};
  for (const auto& c : cases)
    EXPECT_EQ(yearIsLeap(c.year), c.leap) << c.year;
}

struct DateCase {
  std::int32_t dayNumber;
  std::uint16_t year, month, day, weekday;
  bool leap;
};

TEST(SplitDateFull, GivesTheCalendarFieldsOfTheDay) {
  const DateCase cases[] = {
      {1, 1, 1, 1, 2, false},
      {59, 1, 2, 28, 4, false},
      {60, 1, 3, 1, 5, false},
      {365, 1, 12, 31, 2, false},
      {366, 2, 1, 1, 3, false},
      {1155, 4, 2, 29, 1, true},
      {36524, 100, 12, 31, 6, false},  // 100 is a common year
      {36525, 101, 1, 1, 7, false},
      {146037, 400, 11, 1, 4, true},
      {146097, 400, 12, 31, 1, true},  // last day of the first 400-year cycle
      {146098, 401, 1, 1, 2, false},
      {292194, 800, 12, 31, 1, true},
      {292195, 801, 1, 1, 2, false},
      {693594, 1899, 12, 30, 7, false},
      {693596, 1900, 1, 1, 2, false},
      {693655, 1900, 3, 1, 5, false},  // 1900 has no 29 February
      {730179, 2000, 2, 29, 3, true},
      {738594, 2023, 3, 15, 4, false},
      {23936166, 65535, 12, 31, 3, false},
  };
  for (const auto& c : cases) {
    std::uint16_t y = 0, m = 0, d = 0, wd = 0;
    const bool leap = splitDateFull(dayValue(c.dayNumber), y, m, d, wd);
    EXPECT_EQ(y, c.year) << c.dayNumber;
    EXPECT_EQ(m, c.month) << c.dayNumber;
    EXPECT_EQ(d, c.day) << c.dayNumber;
    EXPECT_EQ(wd, c.weekday) << c.dayNumber;
    EXPECT_EQ(leap, c.leap) << c.dayNumber;

    std::uint16_t y2 = 0, m2 = 0, d2 = 0;
    splitDate(valueFromStamp({64800000, c.dayNumber}), y2, m2, d2);  // the time plays no part
    EXPECT_EQ(y2, c.year) << c.dayNumber;
    EXPECT_EQ(m2, c.month) << c.dayNumber;
    EXPECT_EQ(d2, c.day) << c.dayNumber;
    EXPECT_EQ(weekdayOf(dayValue(c.dayNumber)), c.weekday) << c.dayNumber;
  }
}

TEST(SplitDateFull, DayNumbersBelowOneGiveZeroFields) {
  const double values[] = {-693594.0, -693594.5, -693595.0, -1e6, -1e10};
  for (double v : values) {
    std::uint16_t y = 9, m = 9, d = 9, wd = 9;
    EXPECT_FALSE(splitDateFull(v, y, m, d, wd)) << v;
    EXPECT_EQ(y, 0) << v;
    EXPECT_EQ(m, 0) << v;
    EXPECT_EQ(d, 0) << v;
    EXPECT_EQ(wd, 0) << v;
    std::uint16_t y2 = 9, m2 = 9, d2 = 9;
    splitDate(v, y2, m2, d2);
    EXPECT_EQ(y2 + m2 + d2, 0) << v;
  }
  // -693593.5 still falls on day 1: the fraction of a negative value is the time.
  std::uint16_t y = 0, m = 0, d = 0, wd = 0;
  EXPECT_FALSE(splitDateFull(-693593.5, y, m, d, wd));
  EXPECT_EQ(y * 10000 + m * 100 + d, 10101);
  EXPECT_EQ(wd, 2);
}

TEST(SplitDateFull, MonthAndDayStayInRangeBeyondYear65535) {
  const std::int32_t days[] = {23936167, 100000000, 1073741823, 2147483647};
  for (std::int32_t n : days) {
    std::uint16_t y = 0, m = 0, d = 0, wd = 0;
    splitDateFull(dayValue(n), y, m, d, wd);
    EXPECT_GE(m, 1) << n;
    EXPECT_LE(m, 12) << n;
    EXPECT_GE(d, 1) << n;
    EXPECT_LE(d, 31) << n;
    EXPECT_EQ(wd, n % 7 + 1) << n;
  }
}

TEST(WeekdayOf, TakesTheSignOfTheDayNumber) {
  const struct {
    double value;
    std::uint16_t weekday;
  } cases[] = {
      {0.0, 7},
      {-0.5, 7},
      {1.0, 1},
      {-693593.0, 2},
      {-693594.0, 1},                               // day 0
      {-693595.0, 0},                               // day -1
      {-693600.0, static_cast<std::uint16_t>(-5)},  // day -6
  };
  for (const auto& c : cases)
    EXPECT_EQ(weekdayOf(c.value), c.weekday) << c.value;
}

TEST(Splits, RaiseInvalidOpForValuesWithoutAMillisecondCount) {
  FakePlatform fake;
  const double values[] = {std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity(), 1e200};
  std::uint16_t a, b, c, d;
  for (double v : values) {
    SCOPED_TRACE(v);
    EXPECT_RAISES(splitTime(v, a, b, c, d), EInvalidOp, "Invalid floating point operation");
    EXPECT_RAISES(splitDateFull(v, a, b, c, d), EInvalidOp, "Invalid floating point operation");
    EXPECT_RAISES(splitDate(v, a, b, c), EInvalidOp, "Invalid floating point operation");
    EXPECT_RAISES(weekdayOf(v), EInvalidOp, "Invalid floating point operation");
  }
}

}  // namespace
}  // namespace bootspan
