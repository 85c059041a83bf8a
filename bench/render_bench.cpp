// renderLongTime (h:mm:ss AMPM) against gmtime_r + strftime("%I:%M:%S %p")
// over the same 4096 moments.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <ctime>
#include <random>
#include <string>
#include <vector>

#include "calendar/day_stamp.hpp"
#include "datetext/render.hpp"
#include "locale/locale_formats.hpp"

namespace {

constexpr int kMoments = 4096;
constexpr std::int32_t kUnixEpochDay = 719163;  // 1 January 1970

// Whole-millisecond stamps from 1970 to 2100, as day values and as time_t.
struct Moments {
  std::vector<bootspan::TDayValue> values;
  std::vector<std::time_t> seconds;
};

Moments moments() {
  std::mt19937 random(11);
  Moments m;
  for (int i = 0; i < kMoments; ++i) {
    const auto day = kUnixEpochDay + static_cast<std::int32_t>(random() % 47482);
    const auto ms = static_cast<std::int32_t>(random() % bootspan::msPerDay);
    m.values.push_back(bootspan::valueFromStamp({ms, day}));
    m.seconds.push_back(static_cast<std::time_t>(day - kUnixEpochDay) * 86400 + ms / 1000);
  }
  return m;
}

void useEnglishLongTime() {
  bootspan::localeFormats.timeSeparator = ':';
  bootspan::localeFormats.amDesignator = "AM";
  bootspan::localeFormats.pmDesignator = "PM";
  bootspan::localeFormats.longTimePattern = "h:mm:ss AMPM";
}

void BM_RenderLongTime(benchmark::State& state) {
  useEnglishLongTime();
  const Moments m = moments();
  for (auto _ : state) {
    for (bootspan::TDayValue v : m.values) {
      std::string text = bootspan::renderLongTime(v);
      benchmark::DoNotOptimize(text.data());
    }
  }
  state.SetItemsProcessed(state.iterations() * kMoments);
}
BENCHMARK(BM_RenderLongTime);

void BM_GmtimeStrftime(benchmark::State& state) {
  const Moments m = moments();
  for (auto _ : state) {
    for (std::time_t t : m.seconds) {
      std::tm fields;
      gmtime_r(&t, &fields);
      char text[32];
      benchmark::DoNotOptimize(std::strftime(text, sizeof text, "%I:%M:%S %p", &fields));
      benchmark::DoNotOptimize(text);
    }
  }
  state.SetItemsProcessed(state.iterations() * kMoments);
}
BENCHMARK(BM_GmtimeStrftime);

}  // namespace

BENCHMARK_MAIN();
