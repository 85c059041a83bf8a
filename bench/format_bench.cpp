// The directive formatter and floating-point text against the C library's
// snprintf and {fmt}.
#include <benchmark/benchmark.h>
#include <fmt/format.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "format/float_text.hpp"
#include "format/format_message.hpp"
#include "locale/locale_formats.hpp"

namespace bootspan {
namespace {

const std::string kUptime = "3:25:07";

void BM_MessageFormatMessage(benchmark::State& state) {
  const TArgValue arg = textArg(kUptime);
  for (auto _ : state) {
    std::string s = formatMessage("Your computer was started %s ago", TArgList(&arg, 1));
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(BM_MessageFormatMessage);

void BM_MessageSnprintf(benchmark::State& state) {
  for (auto _ : state) {
    char buffer[4096];
    const int n =
        std::snprintf(buffer, sizeof buffer, "Your computer was started %s ago", kUptime.c_str());
    std::string s(buffer, static_cast<std::size_t>(n));
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(BM_MessageSnprintf);

// The C library without building a text value: a lower bound for any
// formatter whose result is a new text.
void BM_MessageSnprintfBufferOnly(benchmark::State& state) {
  for (auto _ : state) {
    char buffer[4096];
    const int n =
        std::snprintf(buffer, sizeof buffer, "Your computer was started %s ago", kUptime.c_str());
    benchmark::DoNotOptimize(n);
    benchmark::DoNotOptimize(buffer);
  }
}
BENCHMARK(BM_MessageSnprintfBufferOnly);

void BM_MessageFmtFormatToN(benchmark::State& state) {
  for (auto _ : state) {
    char buffer[4096];
    const auto r =
        fmt::format_to_n(buffer, sizeof buffer, "Your computer was started {} ago", kUptime);
    std::string s(buffer, r.size);
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(BM_MessageFmtFormatToN);

void BM_IntegersFormatIntoBuffer(benchmark::State& state) {
  const void* address = &state;
  int i = 0;
  for (auto _ : state) {
    char buffer[128];
    const TArgValue args[] = {integerArg(i), integerArg(i * 7919), integerArg(2),
                              integerArg(i & 63), pointerArg(address)};
    const std::size_t n =
        formatIntoBuffer(buffer, sizeof buffer, "%5d|%x|%.*d|%p", 15, TArgList(args));
    benchmark::DoNotOptimize(n);
    benchmark::DoNotOptimize(buffer);
    ++i;
  }
}
BENCHMARK(BM_IntegersFormatIntoBuffer);

void BM_IntegersSnprintf(benchmark::State& state) {
  const void* address = &state;
  int i = 0;
  for (auto _ : state) {
    char buffer[128];
    const int n = std::snprintf(buffer, sizeof buffer, "%5d|%x|%.*d|%p", i,
                                static_cast<unsigned>(i * 7919), 2, i & 63, address);
    benchmark::DoNotOptimize(n);
    benchmark::DoNotOptimize(buffer);
    ++i;
  }
}
BENCHMARK(BM_IntegersSnprintf);

// 4096 values spread over many magnitudes, the same for every benchmark.
const std::vector<long double>& values() {
  static const std::vector<long double> v = [] {
    std::mt19937_64 rng(42);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-20, 20);
    std::vector<long double> out(4096);
    for (long double& x : out) {
      x = static_cast<long double>(mantissa(rng));
      for (int e = exponent(rng); e > 0; --e)
        x *= 10;
      for (int e = exponent(rng); e < 0; ++e)
        x /= 10;
      if (rng() & 1) x = -x;
    }
    return out;
  }();
  return v;
}

void setSeparators() {
  localeFormats.decimalSeparator = '.';
  localeFormats.thousandSeparator = ',';
}

void BM_FloatGeneralFloatToText(benchmark::State& state) {
  setSeparators();
  const auto& v = values();
  std::size_t i = 0;
  for (auto _ : state) {
    char buffer[64];
    const std::size_t n = floatToText(buffer, &v[i++ & 4095], sourceExtended, formGeneral, 15, 3);
    benchmark::DoNotOptimize(n);
    benchmark::DoNotOptimize(buffer);
  }
}
BENCHMARK(BM_FloatGeneralFloatToText);

void BM_FloatGeneralSnprintf(benchmark::State& state) {
  const auto& v = values();
  std::size_t i = 0;
  for (auto _ : state) {
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, "%.15Lg", v[i++ & 4095]);
    benchmark::DoNotOptimize(n);
    benchmark::DoNotOptimize(buffer);
  }
}
BENCHMARK(BM_FloatGeneralSnprintf);

void BM_FloatFixedFloatToText(benchmark::State& state) {
  setSeparators();
  const auto& v = values();
  std::size_t i = 0;
  for (auto _ : state) {
    char buffer[64];
    const std::size_t n = floatToText(buffer, &v[i++ & 4095], sourceExtended, formFixed, 18, 2);
    benchmark::DoNotOptimize(n);
    benchmark::DoNotOptimize(buffer);
  }
}
BENCHMARK(BM_FloatFixedFloatToText);

void BM_FloatFixedSnprintf(benchmark::State& state) {
  const auto& v = values();
  std::size_t i = 0;
  for (auto _ : state) {
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, "%.2Lf", v[i++ & 4095]);
    benchmark::DoNotOptimize(n);
    benchmark::DoNotOptimize(buffer);
  }
}
BENCHMARK(BM_FloatFixedSnprintf);

}  // namespace
}  // namespace bootspan

BENCHMARK_MAIN();
