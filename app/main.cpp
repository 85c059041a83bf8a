// The program's entry: start the modules, run the report, end in order.
#include "app/modules.hpp"
#include "app/uptime_report.hpp"
#include "errors/runtime.hpp"

int main() {
  bootspan::startModules(bootspan::programModules());
  bootspan::runUptimeReport();
  bootspan::haltSequence();
}
