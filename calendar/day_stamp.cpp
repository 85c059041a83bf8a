#include "calendar/day_stamp.hpp"

#include "calendar/millisecond_count.hpp"
#include "errors/core/exceptions.hpp"
#include "errors/core/raise.hpp"
#include "format/formatted_errors.hpp"
#include "resources/string_ids.hpp"

namespace bootspan {

__attribute__((noinline, cold)) void raiseInvalidOp() {
  raiseError(newErrorFromTable(EInvalidOp::classRef, msg::invalidFloatOperation));
}

TDayStamp stampFromMilliseconds(std::int64_t milliseconds) {
  const auto count = static_cast<std::uint64_t>(milliseconds);
  return {static_cast<std::int32_t>(count % msPerDay), static_cast<std::int32_t>(count / msPerDay)};
}

TDayStamp stampFromValue(TDayValue value) {
  return stampFromCount(millisecondCount(value));
}

std::int32_t dayNumberNearMidnight(TDayValue value) {
  return stampFromValue(value).dayNumber;
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
