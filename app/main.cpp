// The program's entry: the last-resort handler in place, the modules started,
// the report run once, the process ended in order.
#include "app/modules.hpp"
#include "app/uptime_report.hpp"
#include "errors/core/top_level.hpp"

int main() {
  bootspan::runProgram(bootspan::programModules(), bootspan::runUptimeReport);
}
