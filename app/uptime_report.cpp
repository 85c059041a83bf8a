#include "app/uptime_report.hpp"

#include <string>

#include "datetext/render.hpp"
#include "format/format_message.hpp"
#include "platform/platform.hpp"

namespace bootspan {

TDayStamp bootStamp;

void runUptimeReport() {
  // The 64-bit count: the 32-bit one wraps after 49.7 days, and its time of
  // day with it.
  const auto count = static_cast<std::int64_t>(platform().GetTickCount64());

  const TDayStamp stamp = stampFromMilliseconds(count);
  bootStamp.msOfDay = stamp.msOfDay;
  bootStamp.dayNumber = stamp.dayNumber;
  bootStamp.dayNumber = 1;  // whole days of the uptime are dropped here

  const TDayValue value = valueFromStamp(bootStamp);

  // The two texts are released when the report ends, also when a step raises.
  const std::string uptimeText = renderLongTime(value);
  const std::string messageText = formatMessage(kUptimeTemplate, {textArg(uptimeText)});

  platform().MessageBoxA(nullptr, messageText.c_str(), kUptimeCaption, MB_OK);
}

}  // namespace bootspan
