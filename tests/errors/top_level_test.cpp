#include <stdexcept>
#include <string>
#include <vector>

#include "errors/core/fpu.hpp"
#include "errors/core/raise.hpp"
#include "errors/core/top_level.hpp"
#include "tests/errors/failure_state.hpp"

namespace bootspan {
namespace {

using testing::FailureStateTest;

class LastResort : public FailureStateTest {
 protected:
  // The escaped failure of a platform exception with this code and address.
  static TEscapedFailure faultRecord(DWORD code, std::uintptr_t address) {
    EXCEPTION_RECORD r{};
    r.ExceptionCode = code;
    r.ExceptionAddress = reinterpret_cast<void*>(address);
    r.NumberParameters = 2;
    r.ExceptionInformation[0] = 1;
    return escapedException(r);
  }
};

TEST_F(LastResort, DeclinesUnwindingRecordsAndWhatTheFilterRefuses) {
  installFailureHandling();
  Exception* error = newError(EConvertError::classRef, "x");
  const TEscapedFailure record = escapedError(error, reinterpret_cast<const void*>(0x00401234));
  for (DWORD flag : {EXCEPTION_UNWINDING, EXCEPTION_EXIT_UNWIND}) {
    // The platform's record of the raise, as it stands while being unwound.
    TEscapedFailure unwinding = record;
    unwinding.record = platformRecord(record);
    unwinding.record->ExceptionFlags |= flag;
    EXPECT_FALSE(topLevelHandler(unwinding));
  }
  fake.unhandledFilterAnswer = EXCEPTION_CONTINUE_SEARCH;
  EXPECT_FALSE(topLevelHandler(record));
  EXPECT_TRUE(fake.boxes.empty());
  EXPECT_FALSE(fake.exitCode.has_value());
  releaseError(error);
}

TEST_F(LastResort, ReportsAnErrorObjectThroughTheUnhandledHook) {
  installFailureHandling();
  Exception* error = newError(EConvertError::classRef, "x");
  loadFpuControlWord(0x037F);
  EXPECT_EQ(exitCodeOf([&] {
              topLevelHandler(escapedError(error, reinterpret_cast<const void*>(0x00401234)));
            }),
            1);
  EXPECT_EQ(controlWord(), kDefaultFpuControlWord);
  ASSERT_EQ(fake.boxes.size(), 1u);
  EXPECT_EQ(fake.boxes[0].text, "Exception EConvertError in module Bootspan.exe at 00001234.\nx.");
  EXPECT_EQ(fake.boxes[0].caption, "Application Error");
  EXPECT_EQ(fake.boxes[0].style, 0x2010u);  // the report released the error
}

TEST_F(LastResort, WithoutTheHooksAnErrorObjectIsRunError217) {
  Exception* error = newError(EConvertError::classRef, "x");
  EXPECT_EQ(exitCodeOf([&] {
              topLevelHandler(escapedError(error, reinterpret_cast<const void*>(0x0041C3B0)));
            }),
            217);
  ASSERT_EQ(fake.boxes.size(), 1u);
  EXPECT_EQ(fake.boxes[0].text, "Runtime error 217 at " + lineAddress(0x0041C3B0));
  releaseError(error);
}

TEST_F(LastResort, PlatformExceptionsBecomeErrorsThroughTheSystemHook) {
  installFailureHandling();
  EXPECT_EQ(
      exitCodeOf([&] { topLevelHandler(faultRecord(EXCEPTION_ACCESS_VIOLATION, 0x00412F60)); }), 1);
  ASSERT_EQ(fake.boxes.size(), 1u);
  EXPECT_EQ(fake.boxes[0].text,
            "Exception EAccessViolation in module Bootspan.exe at 00012F60.\n"
            "Access violation at address 00412F60 in module 'Bootspan.exe'. Write of address "
            "00000000.");
}

TEST_F(LastResort, WithoutTheSystemHookPlatformExceptionsEndWithTheirExitCode) {
  const std::pair<DWORD, int> cases[] = {{EXCEPTION_ACCESS_VIOLATION, 216},
                                         {EXCEPTION_INT_DIVIDE_BY_ZERO, 200},
                                         {EXCEPTION_FLT_INVALID_OPERATION, 207},
                                         {EXCEPTION_BREAKPOINT, 255}};
  for (const auto& [code, exit] : cases) {
    fake.boxes.clear();
    EXPECT_EQ(exitCodeOf([&] { topLevelHandler(faultRecord(code, 0x00412F60)); }), exit);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text,
              "Runtime error " + std::to_string(exit) + " at " + lineAddress(0x00412F60));
  }
  // A hook that makes nothing counts as none.
  runtimeHooks.systemErrorHook = [](const EXCEPTION_RECORD*) -> Exception* { return nullptr; };
  EXPECT_EQ(exitCodeOf([&] { topLevelHandler(faultRecord(EXCEPTION_PRIV_INSTRUCTION, 0x10)); }),
            218);
  runtimeHooks.systemErrorHook = nullptr;
}

// The program's entry, run to its end with a module table of our own.
std::vector<std::string> trail;
std::string failingStep;
Exception* lastRaised = nullptr;  // a run error ends without releasing it

void step(const std::string& name) {
  trail.push_back(name);
  if (name == failingStep) {
    lastRaised = newError(EConvertError::classRef, name);
    raiseErrorAt(lastRaised, reinterpret_cast<const void*>(0x00401234));
  }
}

constexpr TModuleEntry kModules[] = {
    {"early", [] { step("start early"); }, [] { step("finish early"); }},
    {"library",
     [] {
       step("start library");
       fillErrorTables();
       installErrorHooks();
     },
     [] {
       removeErrorHooks();
       releaseErrorTables();
       step("finish library");
     }},
    {"late", nullptr, [] { step("finish late"); }},
};

class Entry : public FailureStateTest {
 protected:
  void SetUp() override {
    FailureStateTest::SetUp();
    trail.clear();
    failingStep.clear();
  }
  static std::int64_t run(void (*mainBlock)()) {
    return exitCodeOf([&] { runProgram(kModules, mainBlock); });
  }
};

TEST_F(Entry, ANormalRunEndsWithCode0AfterFinishingEveryModule) {
  EXPECT_EQ(run([] { step("main"); }), 0);
  EXPECT_EQ(trail, (std::vector<std::string>{"start early", "start library", "main", "finish late",
                                             "finish library", "finish early"}));
  EXPECT_TRUE(fake.boxes.empty());
  EXPECT_FALSE(faultTrapInstalled());
}

TEST_F(Entry, AnErrorInTheMainBlockIsReportedBeforeTheModulesFinish) {
  EXPECT_EQ(run([] {
              step("main");
              failingStep = "main";
              step("main");
            }),
            1);
  ASSERT_EQ(fake.boxes.size(), 1u);
  EXPECT_EQ(fake.boxes[0].text,
            "Exception EConvertError in module Bootspan.exe at 00001234.\nmain.");
  EXPECT_EQ(trail.back(), "finish early");
}

TEST_F(Entry, AConsoleBackendGetsTheReportOnStandardOutput) {
  fake.consoleProcess = true;
  failingStep = "main";
  EXPECT_EQ(run([] { step("main"); }), 1);
  EXPECT_TRUE(fake.boxes.empty());
  EXPECT_EQ(fake.standardOutput,
            "Exception EConvertError in module Bootspan.exe at 00001234.\r\nmain.\r\n");
}

TEST_F(Entry, AFailedStartUpEndsAsRunError217) {
  failingStep = "start early";
  EXPECT_EQ(run([] { step("main"); }), 217);
  EXPECT_EQ(trail, (std::vector<std::string>{"start early", "finish early"}));
  ASSERT_EQ(fake.boxes.size(), 1u);
  EXPECT_EQ(fake.boxes[0].text, "Runtime error 217 at " + lineAddress(0x00401234));
  releaseError(lastRaised);
}

TEST_F(Entry, AFailedStartUpAfterTheHooksEndsAsRunError217) {
  static bool hooked = false;
  failingStep = "main";
  constexpr TModuleEntry modules[] = {
      {"library",
       [] {
         fillErrorTables();
         installErrorHooks();
       },
       [] {
         removeErrorHooks();
         releaseErrorTables();
       }},
      {"failing", [] { step("main"); }, [] { hooked = runtimeHooks.unhandledHook != nullptr; }},
  };
  EXPECT_EQ(exitCodeOf([&] { runProgram(modules, nullptr); }), 217);
  EXPECT_TRUE(hooked);
  releaseError(lastRaised);
}

TEST_F(Entry, AFailedFinalisationEndsAsRunError217AfterTheOthersFinish) {
  failingStep = "finish late";
  EXPECT_EQ(run([] { step("main"); }), 217);
  EXPECT_EQ(trail, (std::vector<std::string>{"start early", "start library", "main", "finish late",
                                             "finish library", "finish early"}));
  ASSERT_EQ(fake.boxes.size(), 1u);
  EXPECT_EQ(fake.boxes[0].text, "Runtime error 217 at " + lineAddress(0x00401234));
  releaseError(lastRaised);
}

TEST_F(Entry, ADeclinedFailureIsLeftToThePlatform) {
  fake.unhandledFilterAnswer = EXCEPTION_CONTINUE_SEARCH;
  failingStep = "main";
  EXPECT_EQ(run([] { step("main"); }), languageErrorCode);
  EXPECT_TRUE(fake.boxes.empty());
  EXPECT_EQ(trail.back(), "main");  // no module finished
  EXPECT_FALSE(faultTrapInstalled());
  releaseError(lastRaised);
}

TEST_F(Entry, OtherCppExceptionsAreExternalExceptions) {
  EXPECT_EQ(run([] { throw std::length_error("too long"); }), 1);
  ASSERT_EQ(fake.boxes.size(), 1u);
  EXPECT_EQ(fake.boxes[0].text,
            "Exception EExternalException in module Bootspan.exe at 00000000.\n"
            "External exception E06D7363.");
}

__attribute__((noinline, no_sanitize_address, no_sanitize_undefined)) void writeNil() {
  int* volatile nil = nullptr;
  *static_cast<volatile int*>(nil) = 1;
}

TEST_F(Entry, AProcessorFaultReachesTheReport) {
  EXPECT_EQ(run([] { writeNil(); }), 1);
  ASSERT_EQ(fake.boxes.size(), 1u);
  const std::string& text = fake.boxes[0].text;
  EXPECT_EQ(text.substr(0, 48), "Exception EAccessViolation in module Bootspan.ex");
  EXPECT_NE(text.find(".\nAccess violation at address "), std::string::npos);
  const std::string end = ". Write of address 00000000.";
  ASSERT_GT(text.size(), end.size());
  EXPECT_EQ(text.substr(text.size() - end.size()), end);
  EXPECT_EQ(trail.back(), "finish early");
}

TEST_F(Entry, AProcessorFaultBeforeTheHooksIsRunError216) {
  constexpr TModuleEntry modules[] = {{"faulting", writeNil, nullptr}};
  EXPECT_EQ(exitCodeOf([&] { runProgram(modules, nullptr); }), 216);
  ASSERT_EQ(fake.boxes.size(), 1u);
  EXPECT_EQ(fake.boxes[0].text.substr(0, 21), "Runtime error 216 at ");
  EXPECT_EQ(fake.boxes[0].caption, "Error");
}

}  // namespace
}  // namespace bootspan
