#include "calendar/day_stamp.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "platform/fake/fake_platform.hpp"
#include "tests/test_support.hpp"

namespace bootspan {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr char kInvalidOp[] = "Invalid floating point operation";

struct MillisecondsCase {
  std::int64_t count;
  std::int32_t msOfDay;
  std::int32_t dayNumber;
};

TEST(StampFromMilliseconds, SplitsIntoDaysAndTimeOfDay) {
  const MillisecondsCase cases[] = {
      {0, 0, 0},
      {86399999, 86399999, 0},
      {86400000, 0, 1},
      {4294967295, 61367295, 49},
      {185542587187199999, 86399999, 2147483647},
  };
  for (const auto& c : cases) {
    const TDayStamp s = stampFromMilliseconds(c.count);
    EXPECT_EQ(s.msOfDay, c.msOfDay) << c.count;
    EXPECT_EQ(s.dayNumber, c.dayNumber) << c.count;
  }
}

struct ValueCase {
  double value;
  std::int32_t msOfDay;
  std::int32_t dayNumber;
};

TEST(StampFromValue, NegativeValuesTakeTheTimeFromTheMagnitude) {
  const ValueCase cases[] = {
      {0.0, 0, 693594},          {-0.0, 0, 693594},         {0.25, 21600000, 693594},
      {-0.25, 21600000, 693594}, {-0.75, 64800000, 693594}, {-1.0, 0, 693593},
      {-1.25, 21600000, 693593}, {2.75, 64800000, 693596},  {-693593.0, 0, 1},
      {-693593.5, 43200000, 1},  {-693594.0, 0, 0},         {45000.5, 43200000, 738594},
  };
  for (const auto& c : cases) {
    const TDayStamp s = stampFromValue(c.value);
    EXPECT_EQ(s.msOfDay, c.msOfDay) << c.value;
    EXPECT_EQ(s.dayNumber, c.dayNumber) << c.value;
  }
}

TEST(StampFromValue, HalfMillisecondsRoundToTheEvenNeighbour) {
  const ValueCase cases[] = {
      {1.0 / 2048, 42188, 693594},    // 42187.5
      {3.0 / 2048, 126562, 693594},   // 126562.5
      {-1.0 / 2048, 42188, 693594},   // -42187.5
      {-3.0 / 2048, 126562, 693594},  // -126562.5
      {5.0 / 2048, 210938, 693594},   // 210937.5
      {1.0 / 86400000 / 2, 0, 693594},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(stampFromValue(c.value).msOfDay, c.msOfDay) << c.value;
    EXPECT_EQ(stampFromValue(c.value).dayNumber, c.dayNumber) << c.value;
  }
}

TEST(StampFromValue, NaNInfinitiesAndCountsBeyond64BitsRaiseInvalidOp) {
  FakePlatform fake;
  // value = m / 1024 gives the exact product m × 84375; the largest m whose
  // product fits a signed 64-bit count is accepted, the next is not.
  constexpr std::int64_t m = std::numeric_limits<std::int64_t>::max() / 84375;
  const TDayStamp last = stampFromValue(static_cast<double>(m) / 1024);
  EXPECT_EQ(last.msOfDay, m * 84375 % msPerDay);
  const TDayStamp first = stampFromValue(-static_cast<double>(m) / 1024);
  EXPECT_EQ(first.msOfDay, m * 84375 % msPerDay);

  const double invalid[] = {kNaN,
                            -kNaN,
                            kInf,
                            -kInf,
                            static_cast<double>(m + 1) / 1024,
                            -static_cast<double>(m + 1) / 1024,
                            1e300,
                            -1e300};
  for (double v : invalid) {
    SCOPED_TRACE(v);
    EXPECT_RAISES(stampFromValue(v), EInvalidOp, kInvalidOp);
  }
}

struct BadStampCase {
  TDayStamp stamp;
  const char* message;
};

TEST(ValueFromStamp, RejectsNegativeTimesAndDaysBelowOne) {
  FakePlatform fake;
  const BadStampCase cases[] = {
      {{0, 0}, "'0.0' is not a valid timestamp"},
      {{-1, 5}, "'5.-1' is not a valid timestamp"},
      {{12, -3}, "'-3.12' is not a valid timestamp"},
      {{std::numeric_limits<std::int32_t>::min(), 1}, "'1.-2147483648' is not a valid timestamp"},
  };
  for (const auto& c : cases) {
    EXPECT_RAISES(checkStamp(c.stamp), EConvertError, c.message);
    EXPECT_RAISES(valueFromStamp(c.stamp), EConvertError, c.message);
  }
}

struct StampValueCase {
  TDayStamp stamp;
  double value;
};

TEST(ValueFromStamp, DaysBeforeTheEpochGiveNegativeValues) {
  const StampValueCase cases[] = {
      {{21600000, 693593}, -1.25},
      {{21600000, 693594}, 0.25},
      {{0, 693594}, 0.0},
      {{0, 1}, -693593.0},
      {{43200000, 1}, -693593.5},
      {{64800000, 693596}, 2.75},
      {{90000000, 693594}, 1.0 + 1.0 / 24},  // a day or more simply adds its length
      {{0, 2147483647}, 2147483647.0 - 693594},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(valueFromStamp(c.stamp), c.value) << c.stamp.msOfDay << " " << c.stamp.dayNumber;
  }
  EXPECT_NEAR(valueFromStamp({86399999, 1}), -693593.9999999885, 1e-9);
}

TEST(ValueFromStamp, RoundTripsThroughStampFromValue) {
  const TDayStamp stamps[] = {
      {0, 1},         {86399999, 1},      {1, 693593},   {86399999, 693593},
      {1, 693594},    {43200001, 738594}, {0, 23936166}, {86399999, 23936166},
      {12345678, 99}, {61367295, 1},      {500, 693595}, {86399500, 146097},
  };
  for (const auto& s : stamps) {
    const TDayStamp back = stampFromValue(valueFromStamp(s));
    EXPECT_EQ(back.msOfDay, s.msOfDay) << s.dayNumber;
    EXPECT_EQ(back.dayNumber, s.dayNumber) << s.msOfDay;
  }
}

}  // namespace
}  // namespace bootspan
