// The failure-injection program: the real program's modules and entry, with
// the report replaced by one failure chosen by the first command-line word.
// It shows nothing else, so its message box (or its standard output) holds
// exactly the report of that failure. Without a word it runs the real report.
//
//   convert            EConvertError raised at faultSiteConvert
//   bad-format         the EConvertError of a directive the formatter cannot
//                      convert ("%y"), raised at faultSiteConvert
//   write-nil          access violation writing address 0
//   int-divide         integer division by zero
//   fpu-zero-divide    x87 division by zero
//   fpu-invalid        x87 invalid operation
//   fpu-overflow       x87 overflow
//   run-error          runError(216)
//   out-of-memory      an allocation no heap can give
//   early-raise, early-write-nil, early-out-of-memory
//                      the same before the error hooks are installed
//   late-raise         EConvertError raised by a finalisation after the report
#include <cstring>
#include <string_view>

#include "app/faults_sites.hpp"
#include "app/modules.hpp"
#include "app/uptime_report.hpp"
#include "errors/core/halt.hpp"
#include "errors/core/raise.hpp"
#include "errors/core/top_level.hpp"
#include "format/formatted_errors.hpp"
#include "resources/string_ids.hpp"

namespace bootspan {

namespace {

constexpr std::int32_t kUnknownWordExitCode = 2;

std::string_view faultWord;

// Raises EConvertError with string-table message `number` completed with
// `args`, at faultSiteConvert.
[[noreturn]] void raiseConvertErrorAtSite(unsigned number, TArgList args) {
  raiseErrorAt(newErrorFromTableFormatted(EConvertError::classRef, number, args),
               reinterpret_cast<const void*>(&faultSiteConvert));
}

[[noreturn]] void raiseConvertAtSite() {
  const TArgValue args[] = {integerArg(1), integerArg(-5)};
  raiseConvertErrorAtSite(msg::invalidTimestamp, args);
}

[[noreturn]] void raiseBadFormatAtSite() {
  const TArgValue args[] = {zTextArg("%y")};
  raiseConvertErrorAtSite(msg::invalidFormat, args);
}

// Runs the failure named `word`; false when the word names none.
bool runFailure(std::string_view word) {
  if (word == "convert" || word == "raise") raiseConvertAtSite();
  if (word == "bad-format") raiseBadFormatAtSite();
  if (word == "write-nil")
    faultWriteNil();
  else if (word == "int-divide")
    faultIntDivide();
  else if (word == "fpu-zero-divide")
    faultFpuZeroDivide();
  else if (word == "fpu-invalid")
    faultFpuInvalid();
  else if (word == "fpu-overflow")
    faultFpuOverflow();
  else if (word == "run-error")
    faultRunError();
  else if (word == "out-of-memory")
    faultAllocate();
  else if (word == "stack-overflow")
    faultStackOverflow();
  else
    return false;
  return true;
}

void startEarlyProbe() {
  if (faultWord.starts_with("early-")) runFailure(faultWord.substr(6));
}

void finalizeLateProbe() {
  if (faultWord == "late-raise") raiseConvertAtSite();
}

void runMainBlock() {
  if (faultWord.empty()) {
    runUptimeReport();
  } else if (faultWord.starts_with("early-") || faultWord.starts_with("late-")) {
    // the failure belongs to a module
  } else if (!runFailure(faultWord)) {
    halt(kUnknownWordExitCode);
  }
}

constexpr TModuleEntry kFaultModules[] = {
    {"runtime core", startRuntimeCore, nullptr},
    {"early probe", startEarlyProbe, nullptr},
    {"utility library", startUtilityLibrary, finalizeUtilityLibrary},
    {"program", nullptr, nullptr},
    {"late probe", nullptr, finalizeLateProbe},
};

}  // namespace

}  // namespace bootspan

int main(int argc, char** argv) {
  if (argc > 1) bootspan::faultWord = argv[1];
  bootspan::runProgram(bootspan::kFaultModules, bootspan::runMainBlock);
}
