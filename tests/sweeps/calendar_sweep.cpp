// Exhaustive checks of the calendar over its whole range: every day from
// 1 January of year 1 to 31 December 65535, and every millisecond of the day
// the uptime report uses.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <random>

#include "calendar/calendar_split.hpp"

namespace bootspan {
namespace {

constexpr std::int32_t kLastDay = 23936166;  // 31 December 65535
// 1 January 1970, day 0 of std::chrono::sys_days.
constexpr std::int32_t kUnixEpochDay = 719163;
// std::chrono::year holds years up to 32767; its last day, 31 December 32767.
const std::int32_t kLastChronoDay =
    kUnixEpochDay +
    std::chrono::sys_days{std::chrono::year{32767} / 12 / 31}.time_since_epoch().count();

struct Fields {
  std::uint16_t year, month, day, weekday;
  bool leap;
  bool operator==(const Fields&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Fields& f) {
  return os << f.year << "-" << f.month << "-" << f.day << " weekday " << f.weekday
            << (f.leap ? " leap" : "");
}

// The date split as a plain subtraction of periods and month lengths.
Fields referenceSplit(std::int32_t dayNumber) {
  Fields f{};
  f.weekday = static_cast<std::uint16_t>(dayNumber % 7 + 1);
  std::int32_t n = dayNumber - 1;
  std::int32_t year = 1;
  while (n >= 146097) {
    n -= 146097;
    year += 400;
  }
  std::int32_t c = n / 36524, r = n % 36524;
  if (c == 4) c = 3, r += 36524;
  year += 100 * c;
  year += 4 * (r / 1461);
  r %= 1461;
  std::int32_t y = r / 365;
  r %= 365;
  if (y == 4) y = 3, r += 365;
  year += y;
  f.year = static_cast<std::uint16_t>(year);
  f.leap = yearIsLeap(f.year);
  int month = 1;
  while (r >= monthLengths[f.leap][month - 1])
    r -= monthLengths[f.leap][month++ - 1];
  f.month = static_cast<std::uint16_t>(month);
  f.day = static_cast<std::uint16_t>(r + 1);
  return f;
}

// The date after `f`, by the month lengths.
Fields nextDay(Fields f) {
  f.weekday = static_cast<std::uint16_t>(f.weekday % 7 + 1);
  if (f.day < monthLengths[f.leap][f.month - 1]) {
    ++f.day;
  } else if (f.month < 12) {
    ++f.month, f.day = 1;
  } else {
    ++f.year, f.month = 1, f.day = 1;
    f.leap = yearIsLeap(f.year);
  }
  return f;
}

TEST(CalendarSweep, EveryDayFollowsThePreviousOne) {
  Fields previous{1, 1, 0, 1, false};  // the eve of day 1, a Monday
  int failures = 0;
  for (std::int32_t n = 1; n <= kLastDay && failures < 10; ++n) {
    const double value = valueFromStamp({0, n});
    Fields f{};
    f.leap = splitDateFull(value, f.year, f.month, f.day, f.weekday);
    const Fields expected = nextDay(previous);
    if (f != expected) {
      ADD_FAILURE() << "day " << n << ": " << f << ", expected " << expected;
      ++failures;
    }
    const Fields reference = referenceSplit(n);
    if (f != reference) {
      ADD_FAILURE() << "day " << n << ": " << f << ", the plain split gives " << reference;
      ++failures;
    }
    const std::chrono::year_month_day ymd{
        std::chrono::sys_days{std::chrono::days{n - kUnixEpochDay}}};
    if (n <= kLastChronoDay &&
        (static_cast<int>(ymd.year()) != f.year || static_cast<unsigned>(ymd.month()) != f.month ||
         static_cast<unsigned>(ymd.day()) != f.day || ymd.year().is_leap() != f.leap)) {
      ADD_FAILURE() << "day " << n << ": " << f << ", std::chrono gives "
                    << static_cast<int>(ymd.year()) << "-" << static_cast<unsigned>(ymd.month())
                    << "-" << static_cast<unsigned>(ymd.day());
      ++failures;
    }
    std::uint16_t y, m, d;
    splitDate(value, y, m, d);
    if (y != f.year || m != f.month || d != f.day || weekdayOf(value) != f.weekday) {
      ADD_FAILURE() << "day " << n << ": splitDate or weekdayOf differs from splitDateFull";
      ++failures;
    }
    previous = f;
  }
  EXPECT_EQ(previous, (Fields{65535, 12, 31, 3, false}));
}

TEST(CalendarSweep, EveryStampRoundTripsThroughItsValue) {
  int failures = 0;
  std::uint32_t spread = 12345;
  for (std::int32_t n = 1; n <= kLastDay && failures < 10; ++n) {
    spread = spread * 1664525u + 1013904223u;
    const std::int32_t times[] = {0,        1,        499,
                                  500,      43200000, 86399000,
                                  86399998, 86399999, static_cast<std::int32_t>(spread % msPerDay)};
    for (std::int32_t ms : times) {
      const TDayStamp back = stampFromValue(valueFromStamp({ms, n}));
      if (back.msOfDay != ms || back.dayNumber != n) {
        ADD_FAILURE() << "(" << ms << ", " << n << ") came back as (" << back.msOfDay << ", "
                      << back.dayNumber << ")";
        ++failures;
      }
    }
  }
}

TEST(CalendarSweep, EveryMillisecondOfTheUptimeDaySplitsExactly) {
  // The uptime report renders (t, 1) for t = tick count mod one day.
  // Also the last day, where a millisecond is the smallest fraction of the value.
  const std::int32_t days[] = {1, kLastDay};
  for (std::int32_t day : days) {
    int failures = 0;
    for (std::int32_t t = 0; t < msPerDay && failures < 10; ++t) {
      std::uint16_t h, m, s, ms;
      splitTime(valueFromStamp({t, day}), h, m, s, ms);
      if (h != t / 3600000 || m != t / 60000 % 60 || s != t / 1000 % 60 || ms != t % 1000) {
        ADD_FAILURE() << "day " << day << ", " << t << " ms gives " << h << ":" << m << ":" << s
                      << "." << ms;
        ++failures;
      }
    }
  }
}

// The count stampFromValue must find: the extended product rounded by the
// library under the default rounding mode (to nearest, ties to even).
TDayStamp referenceStamp(double value) {
  const long double count = std::nearbyintl(static_cast<long double>(value) * msPerDay);
  const long double days = std::floor(std::fabs(count) / msPerDay);
  const long double ms = std::fabs(count) - days * msPerDay;
  const auto whole = static_cast<std::int32_t>(days);
  return {static_cast<std::int32_t>(ms),
          count < 0 ? epochDayNumber - whole : epochDayNumber + whole};
}

TEST(CalendarSweep, RoundingMatchesTheLibraryOnRandomHalfwayAndNearMidnightValues) {
  ASSERT_EQ(std::numeric_limits<long double>::digits, 64);
  std::mt19937_64 random(2024);
  std::uniform_real_distribution<double> uniform(-1.0, 1.0);
  int failures = 0;
  for (int i = 0; i < 6000000 && failures < 10; ++i) {
    double value;
    switch (i % 6) {
      case 0:  // anywhere in the range of the calendar
        value = uniform(random) * (kLastDay - epochDayNumber + 1);
        break;
      case 1:  // near the epoch, where fractions are finest
        value = uniform(random) * 2;
        break;
      case 2:  // exact halves of a millisecond: k / 2048 of a day
        value =
            static_cast<double>(static_cast<std::int64_t>(random() % 200000000) - 100000000) / 2048;
        break;
      case 3:  // within a millisecond or two of a whole day, of either sign
        value = std::trunc(uniform(random) * 3e6) + uniform(random) * 2.5e-8;
        break;
      default:  // day values of whole milliseconds, moved by one unit in the last place
        value = std::nextafter(valueFromStamp({static_cast<std::int32_t>(random() % msPerDay),
                                               static_cast<std::int32_t>(random() % kLastDay) + 1}),
                               i % 12 < 6 ? 0.0 : 1e9);
        break;
    }
    const TDayStamp got = stampFromValue(value);
    const TDayStamp want = referenceStamp(value);
    // The date splits find the day number by a shortcut away from midnight.
    std::uint16_t year, month, day, weekday;
    splitDateFull(value, year, month, day, weekday);
    const Fields reference = want.dayNumber >= 1 ? referenceSplit(want.dayNumber) : Fields{};
    if (got.msOfDay != want.msOfDay || got.dayNumber != want.dayNumber || year != reference.year ||
        month != reference.month || day != reference.day || weekday != reference.weekday ||
        weekdayOf(value) != static_cast<std::uint16_t>(want.dayNumber % 7 + 1)) {
      ADD_FAILURE() << std::hexfloat << value << std::dec << " gives (" << got.msOfDay << ", "
                    << got.dayNumber << ") and " << year << "-" << month << "-" << day
                    << " weekday " << weekday << ", expected (" << want.msOfDay << ", "
                    << want.dayNumber << ") and " << reference;
      ++failures;
    }
  }
}

}  // namespace
}  // namespace bootspan
