#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "calendar/calendar_split.hpp"
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

// splitDate finds most day numbers by a short path of its own; at the edges
// of that path (near midnight, near the first day and near the last day
// number of 31 bits, and past them) it must give what splitDateFull gives.
TEST(SplitDate, AgreesWithSplitDateFullAtTheEdgesOfItsShortPath) {
  std::vector<double> values = {-693594.0,
                                -693593.999999999,
                                -693593.99999999,
                                -693593.9999999,
                                -693593.5,
                                -693593.0,
                                -0.99999999,
                                -1e-300,
                                0.0,
                                0.99999999,
                                0.999999995,
                                0.9999999999,
                                1.0,
                                45000.99999999,
                                45000.9999999999,
                                2146790053.0,
                                2146790053.5,
                                2146790053.99999,
                                2146790054.0,
                                2146790055.0,
                                2147483647.0,
                                2147483647.5,
                                2147483648.0,
                                4294967296.0,
                                -2147483648.0,
                                -2147483649.0,
                                1e15};
  for (const double edge : {-693594.0, 2146790054.0}) {
    double v = edge;
    for (int i = 0; i < 4; ++i) {
      values.push_back(v = std::nextafter(v, 0.0));
    }
    values.push_back(std::nextafter(edge, 2 * edge));
  }
  // Whole days of every size, each with fractions just short of midnight.
  std::mt19937_64 random(17);
  for (int i = 0; i < 20000; ++i) {
    const double whole = std::trunc(std::ldexp(static_cast<double>(random() % 1000000) - 500000.0,
                                               static_cast<int>(random() % 14)));
    const double gap = std::ldexp(1.0, -static_cast<int>(random() % 40));  // 1 down to 2^-39
    values.push_back(whole >= 0 ? whole + 1 - gap : whole - 1 + gap);
  }
  FakePlatform fake;  // the message of EInvalidOp, for 1e15
  for (const double v : values) {
    std::uint16_t y = 9, m = 9, d = 9, wd = 9;
    const auto full = testing::raisedBy([&] { splitDateFull(v, y, m, d, wd); });
    std::uint16_t y2 = 7, m2 = 7, d2 = 7;
    const auto split = testing::raisedBy([&] { splitDate(v, y2, m2, d2); });
    ASSERT_EQ(split.has_value(), full.has_value()) << std::hexfloat << v;
    if (full) {
      EXPECT_EQ(split->className, full->className);
      continue;
    }
    ASSERT_EQ(y2, y) << std::hexfloat << v;
    ASSERT_EQ(m2, m) << std::hexfloat << v;
    ASSERT_EQ(d2, d) << std::hexfloat << v;
  }
}

// A fraction within half a millisecond of a whole day rounds to that day.
TEST(SplitDate, AHairBeforeMidnightIsTheNextDay) {
  const double hair = std::ldexp(1.0, -32);  // 0.02 ms
  const struct {
    double value;
    std::uint16_t year, month, day;
  } cases[] = {
      {45000.0 + (1 - hair), 2023, 3, 16},  // the midnight after 15 March 2023
      {45000.0 + (1 - 1e-8), 2023, 3, 15},  // 0.864 ms before it
      {-1.0 - (1 - hair), 1899, 12, 28},    // a negative value counts back
      {-0.0 - (1 - hair), 1899, 12, 29},    // the day before the epoch
      {-693592.0 - (1 - hair), 1, 1, 1},    // day 1
      {-693593.0 - (1 - hair), 0, 0, 0},    // day 0
  };
  for (const auto& c : cases) {
    std::uint16_t y = 9, m = 9, d = 9;
    splitDate(c.value, y, m, d);
    EXPECT_EQ(y * 10000 + m * 100 + d, c.year * 10000 + c.month * 100 + c.day)
        << std::hexfloat << c.value;
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
