#include "calendar/day_stamp.hpp"

#include <cmath>
#include <cstring>
#include <limits>

#include "errors/core/exceptions.hpp"
#include "errors/core/raise.hpp"
#include "format/formatted_errors.hpp"

namespace bootspan {

static_assert(std::numeric_limits<long double>::digits == 64,
              "the conversions need the 80-bit extended type");
static_assert(std::numeric_limits<long double>::is_iec559);

namespace {

constexpr unsigned kInvalidOpMessage = 65533;  // "Invalid floating point operation"
constexpr unsigned kBadStampMessage = 65520;   // "'%d.%d' is not a valid timestamp"

constexpr long double kTwo63 = 9223372036854775808.0L;
constexpr long double kTwo64 = 18446744073709551616.0L;

[[noreturn]] __attribute__((noinline)) void raiseInvalidOp() {
  raiseError(newErrorFromTable(EInvalidOp::classRef, kInvalidOpMessage));
}

// The 64-bit significand of an extended value, integer bit included. For a
// value in [2^63, 2^64) that is the value itself as an integer.
std::uint64_t significandOf(long double x) {
  std::uint64_t bits;
  std::memcpy(&bits, &x, sizeof bits);  // x86 extended: significand first, little-endian
  return bits;
}

// `product` rounded to the nearest integer, ties to even, as a 64-bit count.
// Raises EInvalidOp when the rounded count does not fit a signed 64-bit
// integer. `product` must not be a NaN.
//
// Above 2^63 neighbouring extended values lie exactly 1 apart, so adding 2^63
// to the magnitude rounds it to an integer in one correctly rounded step
// (to nearest, ties to even, the rounding mode the process runs with); the
// significand of the sum is then 2^63 plus the rounded magnitude. This avoids
// both the library call and the control-word switch of a truncating
// conversion.
std::int64_t roundToCount(long double product) {
  // Rounded results in [-2^63, 2^63 - 1]: exactly the products in
  // [-2^63, 2^63 - 0.5) (2^63 - 0.5 itself is a tie that goes to 2^63).
  if (!(product >= -kTwo63 && product < kTwo63 - 0.5L)) raiseInvalidOp();
  const bool negative = product < 0;
  const long double magnitude = negative ? -product : product;  // [0, 2^63]
  const long double shifted = magnitude + kTwo63;               // [2^63, 2^64]
  // 2^64 means a rounded magnitude of 2^63, reachable only from below zero.
  const std::uint64_t rounded = shifted >= kTwo64
                                    ? std::uint64_t{1} << 63
                                    : significandOf(shifted) - (std::uint64_t{1} << 63);
  return static_cast<std::int64_t>(negative ? 0 - rounded : rounded);
}

}  // namespace

TDayStamp stampFromMilliseconds(std::int64_t milliseconds) {
  const auto count = static_cast<std::uint64_t>(milliseconds);
  return {static_cast<std::int32_t>(count % msPerDay), static_cast<std::int32_t>(count / msPerDay)};
}

TDayStamp stampFromValue(TDayValue value) {
  // Checked before any arithmetic so the result never depends on which
  // floating-point exceptions happen to be unmasked.
  if (!std::isfinite(value)) raiseInvalidOp();
  const std::int64_t count = roundToCount(static_cast<long double>(value) * msPerDay);
  // A negative count takes the time of day from its magnitude and counts the
  // whole days back from the epoch day. Day numbers beyond 32 bits wrap.
  const bool negative = count < 0;
  const std::uint64_t magnitude =
      negative ? 0 - static_cast<std::uint64_t>(count) : static_cast<std::uint64_t>(count);
  const auto days = static_cast<std::uint32_t>(magnitude / msPerDay);
  const std::uint32_t epoch = epochDayNumber;
  return {static_cast<std::int32_t>(magnitude % msPerDay),
          static_cast<std::int32_t>(negative ? epoch - days : epoch + days)};
}

void checkStamp(TDayStamp stamp) {
  if (stamp.msOfDay < 0 || stamp.dayNumber <= 0) {
    const TArgValue args[] = {integerArg(stamp.dayNumber), integerArg(stamp.msOfDay)};
    raiseConvertError(kBadStampMessage, args);
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
