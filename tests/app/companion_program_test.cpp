// The whole program beside a German companion file, through the fake
// platform: every string of the table is German from the utility library's
// start-up on, the uptime sentence and its caption stay English, and the
// file is released once the last module is finalised.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/modules.hpp"
#include "app/uptime_report.hpp"
#include "errors/error_hooks.hpp"
#include "format/formatted_errors.hpp"
#include "locale/locale_formats.hpp"
#include "platform/fake/fake_platform.hpp"
#include "resources/string_ids.hpp"
#include "tests/test_support.hpp"

namespace bootspan {
namespace {

std::map<UINT, std::string> germanTable() {
  return {
#define BOOTSPAN_STRING(id, name, text) {id, text},
#include "resources/strings_deu.inc"
#undef BOOTSPAN_STRING
  };
}

// What the program's main block saw of the utility library's records.
std::string outOfMemoryText;
std::string januaryName;

void reportThenFail() {
  outOfMemoryText = outOfMemoryError->message;
  januaryName = localeFormats.longMonthNames[1];
  runUptimeReport();
  const TArgValue args[] = {integerArg(1), integerArg(2)};
  raiseConvertError(msg::invalidTimestamp, args);
}

TEST(CompanionProgram, ShowsTheTableInTheUsersLanguageAndTheSentenceInEnglish) {
  FakePlatform fake;
  fake.tickCount = 3 * 3600000 + 25 * 60000 + 10000;
  fake.answer(LOCALE_SABBREVLANGNAME, "DEU", LOCALE_USER_DEFAULT);
  fake.companionFiles["C:\\Program Files\\Bootspan\\Bootspan.DEU"] = germanTable();
  const UINT code = testing::wholeProgramExitCode(programModules(), reportThenFail);

  EXPECT_EQ(code, 1u);
  EXPECT_EQ(outOfMemoryText, "Zu wenig Arbeitsspeicher");
  EXPECT_EQ(januaryName, "Januar");
  ASSERT_EQ(fake.boxes.size(), 2u);
  EXPECT_EQ(fake.boxes[0].caption, "Bootspan v1.0");
  // The locale gives no answers here, so its defaults write the time.
  EXPECT_EQ(fake.boxes[0].text, "Your computer was started 3:25:10 am ago");
  EXPECT_EQ(fake.boxes[1].caption, "Anwendungsfehler");
  const std::string& report = fake.boxes[1].text;
  EXPECT_EQ(report.substr(0, 50), "Exception EConvertError in Modul Bootspan.exe bei ");
  EXPECT_EQ(report.substr(report.find('\n')), "\n'1.2' ist kein g\xC3\xBCltiger Zeitstempel.");
  ASSERT_EQ(fake.loadedModules.size(), 1u);
  EXPECT_EQ(fake.freedLibraries, std::vector<HMODULE>{fake.loadedModules.begin()->first});
}

}  // namespace
}  // namespace bootspan
