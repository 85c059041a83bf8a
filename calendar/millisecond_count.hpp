// Inside the calendar: a day value as a whole count of milliseconds and a
// count as a day stamp. Inline so that the splits, which need only one field
// of the stamp, compile to straight-line code.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

#include "calendar/civil_date.hpp"
#include "calendar/day_stamp.hpp"

namespace bootspan {

static_assert(std::numeric_limits<long double>::digits == 64,
              "the conversions need the 80-bit extended type");

// Raises EInvalidOp "Invalid floating point operation".
[[noreturn]] void raiseInvalidOp();

// value × 86400000, multiplied in extended precision and rounded to the
// nearest whole count, ties to even. Raises EInvalidOp for a NaN, an infinity
// or a count outside the signed 64-bit range.
inline std::int64_t millisecondCount(TDayValue value) {
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
inline TDayStamp stampFromCount(std::int64_t count) {
  const bool negative = count < 0;
  const std::uint64_t magnitude =
      negative ? 0 - static_cast<std::uint64_t>(count) : static_cast<std::uint64_t>(count);
  const auto days = static_cast<std::uint32_t>(magnitude / msPerDay);
  const std::uint32_t epoch = epochDayNumber;
  return {static_cast<std::int32_t>(magnitude % msPerDay),
          static_cast<std::int32_t>(negative ? epoch - days : epoch + days)};
}

// The dayNumber of stampFromValue(value) into `n` (wrapping in 32 bits, like
// the exact path), without the extended arithmetic where awayFromMidnight
// allows; false (with `n` unset) for other values, NaN included, which need
// the exact path.
inline bool dayNumberAwayFromMidnight(TDayValue value, std::int32_t& n) {
  std::int64_t whole;
  if (!(std::fabs(value) < 2147483648.0) || !civil::awayFromMidnight(value, whole)) return false;
  n = static_cast<std::int32_t>(static_cast<std::uint32_t>(epochDayNumber) +
                                static_cast<std::uint32_t>(whole));
  return true;
}

// stampFromCount(millisecondCount(value)).dayNumber, out of line.
std::int32_t dayNumberNearMidnight(TDayValue value);

// The dayNumber of stampFromCount(millisecondCount(value)).
inline std::int32_t dayNumberOf(TDayValue value) {
  std::int32_t n;
  if (dayNumberAwayFromMidnight(value, n)) [[likely]]
    return n;
  return dayNumberNearMidnight(value);
}

}  // namespace bootspan
