// splitDate against std::chrono::year_month_day over the same 4096 day
// values: chrono floors each value to its whole days, as splitDate finds the
// day of a value, before it builds the date. (The sweep test checks that both
// give the same date on every day.)
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "calendar/calendar_split.hpp"

namespace {

using bootspan::TDayValue;

constexpr std::int32_t kLastDay = 11967900;     // 31 December 32767, the last std::chrono::year
constexpr std::int32_t kUnixEpochDay = 719163;  // 1 January 1970
constexpr std::int32_t kEpochDay = bootspan::epochDayNumber;  // 30 December 1899, value 0
constexpr int kDays = 4096;

// The same day values for both sides, the midnights of days spread over
// every year both can hold.
std::vector<TDayValue> dayValues() {
  std::mt19937 random(7);
  std::vector<TDayValue> values(kDays);
  for (auto& v : values)
    v = bootspan::valueFromStamp({0, static_cast<std::int32_t>(random() % kLastDay) + 1});
  return values;
}

void BM_SplitDate(benchmark::State& state) {
  const std::vector<TDayValue> values = dayValues();
  for (auto _ : state) {
    std::uint32_t sum = 0;
    for (TDayValue v : values) {
      std::uint16_t y, m, d;
      bootspan::splitDate(v, y, m, d);
      sum += y + m + d;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * kDays);
}
BENCHMARK(BM_SplitDate);

void BM_ChronoYearMonthDay(benchmark::State& state) {
  const std::vector<TDayValue> values = dayValues();
  for (auto _ : state) {
    std::uint32_t sum = 0;
    for (TDayValue v : values) {
      const auto days = static_cast<std::int32_t>(std::floor(v));
      const std::chrono::sys_days day{std::chrono::days{days + kEpochDay - kUnixEpochDay}};
      const std::chrono::year_month_day ymd{day};
      sum += static_cast<int>(ymd.year()) + static_cast<unsigned>(ymd.month()) +
             static_cast<unsigned>(ymd.day());
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * kDays);
}
BENCHMARK(BM_ChronoYearMonthDay);

}  // namespace

BENCHMARK_MAIN();
