#include "calendar/day_stamp.hpp"

#include <cmath>
#include <cstdint>
#include <limits>

#include "errors/core/exceptions.hpp"
#include "errors/core/raise.hpp"
#include "format/formatted_errors.hpp"
#include "resources/string_ids.hpp"

namespace bootspan {

namespace {

// Raises EInvalidOp "Invalid floating point operation".
[[noreturn]] [[gnu::noinline]] void raiseInvalidOp() {
  raiseError(newErrorFromTable(EInvalidOp::classRef, msg::invalidFloatOperation));
}

static_assert(std::numeric_limits<long double>::digits == 64,
              "the conversions need the 80-bit extended type");

// value × 86400000, multiplied in extended precision and rounded to the
// nearest whole count, ties to even. Raises EInvalidOp for a NaN, an infinity
// or a count outside the signed 64-bit range.
std::int64_t millisecondCount(TDayValue value) {
  // Checked before any arithmetic so that the result never depends on which
  // floating-point exceptions happen to be unmasked.
  if (!std::isfinite(value)) [[unlikely]]
    raiseInvalidOp();
  const long double product = static_cast<long double>(value) * msPerDay;
  // Rounded counts within [-2^63, 2^63 - 1] come exactly from the products in
  // [-2^63, 2^63 - 0.5): 2^63 - 0.5 itself is a tie that goes to 2^63.
  constexpr long double kTwo63 = 9223372036854775808.0L;
  if (!(product >= -kTwo63 && product < kTwo63 - 0.5L)) [[unlikely]]
    raiseInvalidOp();
  // The processor's own rounding store (built with -fno-math-errno, this is
  // one instruction), under the process's rounding mode: to nearest, ties to
  // even. In range by the test above.
  return __builtin_llrintl(product);
}

// The stamp of a millisecond count: a negative count takes its time of day
// from the magnitude and counts whole days back from the epoch day. Day
// numbers beyond 32 bits wrap.
TDayStamp stampFromCount(std::int64_t count) {
  const bool negative = count < 0;
  const std::uint64_t magnitude =
      negative ? 0 - static_cast<std::uint64_t>(count) : static_cast<std::uint64_t>(count);
  const auto days = static_cast<std::uint32_t>(magnitude / msPerDay);
  const std::uint32_t epoch = epochDayNumber;
  return {static_cast<std::int32_t>(magnitude % msPerDay),
          static_cast<std::int32_t>(negative ? epoch - days : epoch + days)};
}

}  // namespace

TDayStamp stampFromMilliseconds(std::int64_t milliseconds) {
  const auto count = static_cast<std::uint64_t>(milliseconds);
  return {static_cast<std::int32_t>(count % msPerDay), static_cast<std::int32_t>(count / msPerDay)};
}

TDayStamp stampFromValue(TDayValue value) {
  return stampFromCount(millisecondCount(value));
}

void checkStamp(TDayStamp stamp) {
  if (stamp.msOfDay < 0 || stamp.dayNumber <= 0) {
    const TArgValue args[] = {integerArg(stamp.dayNumber), integerArg(stamp.msOfDay)};
    raiseConvertError(msg::invalidTimestamp, args);
  }
}

TDayValue valueFromStamp(TDayStamp stamp) {
  checkStamp(stamp);
  const std::int64_t dayPart =
      (static_cast<std::int64_t>(stamp.dayNumber) - epochDayNumber) * msPerDay;
  const std::int64_t count = dayPart >= 0 ? dayPart + stamp.msOfDay : dayPart - stamp.msOfDay;
  // The division is done in extended precision and rounded once to double;
  // the volatile store makes that rounding happen also where doubles are
  // returned in x87 registers.
  volatile double stored = static_cast<double>(static_cast<long double>(count) / msPerDay);
  return stored;
}

}  // namespace bootspan
