// splitDate against std::chrono::year_month_day over the same 4096 days.
// (The sweep test checks that both give the same date on every day.)
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <random>
#include <vector>

#include "calendar/day_stamp.hpp"

namespace {

using bootspan::TDayValue;

constexpr std::int32_t kLastDay = 11967900;     // 31 December 32767, the last std::chrono::year
constexpr std::int32_t kUnixEpochDay = 719163;  // 1 January 1970
constexpr int kDays = 4096;

// The same days for both sides, spread over every year both can hold.
std::vector<std::int32_t> dayNumbers() {
  std::mt19937 random(7);
  std::vector<std::int32_t> days(kDays);
  for (auto& d : days)
    d = static_cast<std::int32_t>(random() % kLastDay) + 1;
  return days;
}

void BM_SplitDate(benchmark::State& state) {
  std::vector<TDayValue> values;
  for (std::int32_t n : dayNumbers())
    values.push_back(bootspan::valueFromStamp({0, n}));
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
  std::vector<std::chrono::sys_days> days;
  for (std::int32_t n : dayNumbers()) {
    days.push_back(std::chrono::sys_days{std::chrono::days{n - kUnixEpochDay}});
  }
  for (auto _ : state) {
    std::uint32_t sum = 0;
    for (std::chrono::sys_days day : days) {
      benchmark::DoNotOptimize(day);  // one conversion per day, as for splitDate
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
