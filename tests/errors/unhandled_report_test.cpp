#include <memory>

#include "errors/core/module_table.hpp"
#include "errors/core/raise.hpp"
#include "errors/unhandled_report.hpp"
#include "locale/sys_locale.hpp"
#include "tests/errors/failure_state.hpp"

namespace bootspan {
namespace {

using testing::FailureStateTest;

class Report : public FailureStateTest {
 protected:
  static std::string compose(const TObject* error, std::uintptr_t address,
                             std::size_t capacity = 1023) {
    std::string buffer(capacity + 1, '\xEE');
    const std::size_t length =
        composeReport(error, reinterpret_cast<const void*>(address), buffer.data(), capacity);
    EXPECT_EQ(buffer[length], '\0');
    return buffer.substr(0, length);
  }
  static std::unique_ptr<Exception> error(const TClass& cls, std::string message) {
    return std::unique_ptr<Exception>(newError(cls, std::move(message)));
  }
};

struct MessageCase {
  const char* message;
  const char* secondLine;
};

TEST_F(Report, TheSecondLineEndsInOneFullStop) {
  const MessageCase cases[] = {
      {"x", "x."},
      {"x.", "x."},
      {"", ""},
      {".", "."},
      {"'0.5' is not a valid timestamp", "'0.5' is not a valid timestamp."},
      {"two\nlines", "two\nlines."},
  };
  for (const MessageCase& c : cases) {
    SCOPED_TRACE(c.message);
    EXPECT_EQ(compose(error(EConvertError::classRef, c.message).get(), 0x00401234),
              std::string("Exception EConvertError in module Bootspan.exe at 00001234.\n") +
                  c.secondLine);
  }
}

TEST_F(Report, TheClassNameIsTheExactName) {
  EXPECT_EQ(compose(error(EExternalException::classRef, "x").get(), 0x00412F60),
            "Exception EExternalException in module Bootspan.exe at 00012F60.\nx.");
  TObject plain;
  EXPECT_EQ(compose(&plain, 0x00412F60), "Exception TObject in module Bootspan.exe at 00012F60.\n");
}

struct PlaceCase {
  const char* name;
  std::uintptr_t address;
  DWORD state;
  bool modulePathKnown;
  const char* firstLine;
};

TEST_F(Report, TheOffsetIsRelativeToTheModuleOrElseLessOnePage) {
  const PlaceCase cases[] = {
      {"in a module", 0x00412F60, MEM_COMMIT, true,
       "Exception EConvertError in module Other.dll at 00112F60."},
      {"in no module", 0x00412F60, 0x10000, true,
       "Exception EConvertError in module Bootspan.exe at 00411F60."},
      {"reserved, not committed", 0x00412F60, 0x2000, true,
       "Exception EConvertError in module Bootspan.exe at 00411F60."},
      {"module path unknown", 0x00412F60, MEM_COMMIT, false,
       "Exception EConvertError in module Bootspan.exe at 00411F60."},
      {"null address", 0, MEM_COMMIT, true,
       "Exception EConvertError in module Bootspan.exe at 00000000."},
  };
  const auto base = reinterpret_cast<HMODULE>(0x00300000);
  for (const PlaceCase& c : cases) {
    SCOPED_TRACE(c.name);
    fake.regions = {{0x00301000, 0x00200000, base, c.state}};
    fake.modulePaths.erase(base);
    if (c.modulePathKnown) fake.modulePaths[base] = "C:\\Other\\Other.dll";
    EXPECT_EQ(compose(error(EConvertError::classRef, "").get(), c.address),
              std::string(c.firstLine) + "\n");
  }
}

TEST_F(Report, TheModuleNameFollowsTheLastRealBackslash) {
  const TSysLocaleInfo savedLocale = sysLocale;
  const TLeadByteSet savedLeadBytes = leadBytes;
  fake.modulePaths[fake.programHandle] = "Bootspan.exe";
  EXPECT_EQ(compose(error(EConvertError::classRef, "x").get(), 0x00401000),
            "Exception EConvertError in module Bootspan.exe at 00001000.\nx.");
  fake.modulePaths[fake.programHandle] = "C:Bootspan.exe";  // ":" does not count here
  EXPECT_EQ(compose(error(EConvertError::classRef, "x").get(), 0x00401000),
            "Exception EConvertError in module C:Bootspan.exe at 00001000.\nx.");
  sysLocale.farEast = true;
  leadBytes.clear();
  for (unsigned b = 0x81; b <= 0x9F; ++b)
    leadBytes.add(static_cast<unsigned char>(b));
  fake.modulePaths[fake.programHandle] = "C:\\\x95\x5C\\\x95\x5C.exe";
  EXPECT_EQ(compose(error(EConvertError::classRef, "x").get(), 0x00401000),
            "Exception EConvertError in module \x95\x5C.exe at 00001000.\nx.");
  sysLocale = savedLocale;
  leadBytes = savedLeadBytes;
}

TEST_F(Report, UnderUtf8NoCutEndsInsideACharacter) {
  fake.acp = 65001;
  std::string e200;
  for (int i = 0; i < 200; ++i)
    e200 += "\xC3\xA9";
  // The platform keeps 260 bytes of a longer path: after one "/" the 260th
  // byte starts an "é", which is dropped; after two the cut falls between
  // characters. A path without a backslash is the module name as a whole.
  for (const std::size_t prefix : {1u, 2u}) {
    fake.modulePaths[fake.programHandle] = std::string(prefix, '/') + e200;
    const std::string name = std::string(prefix, '/') + e200.substr(0, 260 - prefix - prefix % 2);
    EXPECT_EQ(compose(error(EConvertError::classRef, "x").get(), 0x00401000),
              "Exception EConvertError in module " + name + " at 00001000.\nx.")
        << prefix;
  }
  // The 1023-byte area: the report ends before the character it would cut.
  fake.modulePaths[fake.programHandle] = "Bootspan.exe";
  const std::string first = "Exception EConvertError in module Bootspan.exe at 00001234.\n";
  const std::size_t room = 1023 - first.size();
  for (std::size_t pad = 0; pad < 3; ++pad) {
    std::string message(pad, 'a');
    while (message.size() < 1100)
      message += "\xE2\x82\xAC";
    EXPECT_EQ(compose(error(EConvertError::classRef, message).get(), 0x00401234),
              first + message.substr(0, room - (room - pad) % 3))
        << pad;
  }
}

TEST_F(Report, TheTextIsCutToTheCapacity) {
  const std::string first = "Exception EConvertError in module Bootspan.exe at 00001234.\n";
  const std::string text =
      compose(error(EConvertError::classRef, std::string(2000, 'a')).get(), 0x00401234);
  EXPECT_EQ(text, first + std::string(1023 - first.size(), 'a'));
  EXPECT_EQ(compose(error(EConvertError::classRef, "x").get(), 0x00401234, 20),
            "Exception EConvertEr");
}

TEST_F(Report, AWindowedProgramShowsTheErrorBox) {
  std::unique_ptr<Exception> e = error(EConvertError::classRef, "x");
  showReport(e.get(), reinterpret_cast<const void*>(0x00401234));
  ASSERT_EQ(fake.boxes.size(), 1u);
  EXPECT_EQ(fake.boxes[0].text, "Exception EConvertError in module Bootspan.exe at 00001234.\nx.");
  EXPECT_EQ(fake.boxes[0].caption, "Application Error");
  EXPECT_EQ(fake.boxes[0].style, 0x2010u);
  EXPECT_EQ(fake.standardOutput, "");
}

TEST_F(Report, AConsoleProgramWritesToStandardOutput) {
  isConsoleProcess = true;
  std::unique_ptr<Exception> e = error(EConvertError::classRef, "x");
  showReport(e.get(), reinterpret_cast<const void*>(0x00401234));
  EXPECT_TRUE(fake.boxes.empty());
  EXPECT_EQ(fake.standardOutput,
            "Exception EConvertError in module Bootspan.exe at 00001234.\r\nx.\r\n");
}

std::vector<std::string> moduleLog;
constexpr TModuleEntry kLoggedModules[] = {
    {"first", nullptr, [] { moduleLog.push_back("first"); }},
    {"second", nullptr, [] { moduleLog.push_back("second"); }},
};

TEST_F(Report, AnUnhandledErrorIsReportedThenTheProcessHaltsWithCode1) {
  moduleLog.clear();
  startModules(kLoggedModules);
  Exception* e = newError(EConvertError::classRef, "x");  // the report releases it
  EXPECT_EQ(exitCodeOf([&] { reportUnhandled(e, reinterpret_cast<const void*>(0x00401234)); }), 1);
  ASSERT_EQ(fake.boxes.size(), 1u);
  EXPECT_EQ(fake.boxes[0].caption, "Application Error");
  EXPECT_EQ(moduleLog, (std::vector<std::string>{"second", "first"}));
}

}  // namespace
}  // namespace bootspan
