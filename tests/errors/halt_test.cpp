#include <string>
#include <vector>

#include "errors/core/halt.hpp"
#include "errors/core/module_table.hpp"
#include "errors/core/raise.hpp"
#include "errors/core/runtime_failure.hpp"
#include "tests/errors/failure_state.hpp"
#include "tests/test_support.hpp"

namespace bootspan {
namespace {

using testing::FailureStateTest;

class Halt : public FailureStateTest {};

struct LineCase {
  std::int32_t code;
  std::uintptr_t address;
  const char* lead;
};

TEST_F(Halt, TheRunErrorLinePlacesCodeAndAddress) {
  const LineCase cases[] = {
      {1, 0, "Runtime error   1 at "},
      {1, 0x0041C3B0, "Runtime error   1 at "},
      {216, 0, "Runtime error 216 at "},
      {216, 0x0041C3B0, "Runtime error 216 at "},
      {217, 0x0041C3B0, "Runtime error 217 at "},
      {0, 0xFFFFFFFF, "Runtime error   0 at "},
      {9999, 0x10, "Runtime error9999 at "},
      {12345, 0x10, "Runtime erro12345 at "},
  };
  // Digits of an earlier line never show through: each case follows the last.
  for (const LineCase& c : cases) {
    SCOPED_TRACE(c.code);
    exitCode = c.code;
    errorAddress = reinterpret_cast<const void*>(c.address);
    composeRunErrorLine();
    EXPECT_EQ(std::string(runErrorLine), c.lead + lineAddress(c.address));
  }
  if (sizeof(void*) == 4) {
    exitCode = 216;
    errorAddress = reinterpret_cast<const void*>(0x0041C3B0);
    composeRunErrorLine();
    EXPECT_EQ(std::string(runErrorLine), "Runtime error 216 at 0041C3B0");
  }
}

TEST_F(Halt, TheRunErrorLineGoesToABoxOrToStandardOutput) {
  exitCode = 217;
  errorAddress = reinterpret_cast<const void*>(0x0041C3B0);
  composeRunErrorLine();
  showRunErrorLine();
  ASSERT_EQ(fake.boxes.size(), 1u);
  EXPECT_EQ(fake.boxes[0].text, "Runtime error 217 at " + lineAddress(0x0041C3B0));
  EXPECT_EQ(fake.boxes[0].caption, "Error");
  EXPECT_EQ(fake.boxes[0].style, MB_OK);
  isConsoleProcess = true;
  showRunErrorLine();
  EXPECT_EQ(fake.boxes.size(), 1u);
  EXPECT_EQ(fake.standardOutput, "Runtime error 217 at " + lineAddress(0x0041C3B0) + "\r\n");
}

__attribute__((noinline)) void callRunError() {
  runError(216);
}

TEST_F(Halt, RunErrorShowsItsCallersReturnAddress) {
  EXPECT_EQ(exitCodeOf(callRunError), 216);
  ASSERT_EQ(fake.boxes.size(), 1u);
  const std::string& text = fake.boxes[0].text;
  ASSERT_EQ(text.substr(0, 21), "Runtime error 216 at ");
  const auto shown = std::stoull(text.substr(21), nullptr, 16);
  const auto start = reinterpret_cast<std::uintptr_t>(&callRunError);
  EXPECT_GT(shown, start);
  EXPECT_LT(shown, start + 64);
  EXPECT_EQ(errorAddress, nullptr);
  EXPECT_EQ(fake.exitCode, 216u);
}

TEST_F(Halt, ARunErrorWithoutAnAddressStillShowsItsLine) {
  // A fault through a null pointer has address 0; it must not end silently.
  EXPECT_EQ(exitCodeOf([] { runErrorAt(216, nullptr); }), 216);
  ASSERT_EQ(fake.boxes.size(), 1u);
  EXPECT_EQ(fake.boxes[0].text, "Runtime error 216 at " + lineAddress(0));
  EXPECT_EQ(exitCodeOf([] { halt(1); }), 1);
  EXPECT_EQ(exitCodeOf([] { halt(0); }), 0);
  EXPECT_EQ(fake.boxes.size(), 1u);
}

TEST_F(Halt, ExitProceduresRunFirstLastAddedFirstAndOnce) {
  static std::vector<int> order;
  order.clear();
  static TExitProc first{[] { order.push_back(1); }};
  static TExitProc second{[] { order.push_back(2); }};
  addExitProc(first);
  addExitProc(second);
  EXPECT_EQ(exitCodeOf([] { halt(3); }), 3);
  EXPECT_EQ(exitCodeOf([] { halt(4); }), 4);
  EXPECT_EQ(order, (std::vector<int>{2, 1}));
}

TEST_F(Halt, HaltRemovesTheLastResortHandler) {
  installFaultTrap([](const EXCEPTION_RECORD&) { std::abort(); });
  EXPECT_EQ(exitCodeOf([] { halt(0); }), 0);
  EXPECT_FALSE(faultTrapInstalled());
}

TEST(ExitCodes, RunTimeErrorReasonsWithoutAHook) {
  // Reason 22 and an input/output result of 0 would end a failure with code
  // 0; they end with 255 instead.
  const int expected[25] = {255, 203, 204, 200, 201, 215, 207, 200, 205, 206, 219, 216, 202,
                            217, 218, 220, 221, 222, 223, 224, 225, 227, 255, 228, 229};
  for (int reason = 0; reason <= 255; ++reason) {
    SCOPED_TRACE(reason);
    const int r = reason % 128;
    const int code = r <= 24 ? expected[r] : r;
    EXPECT_EQ(exitCodeForReason(static_cast<std::uint8_t>(reason)), code);
  }
  inOutResult = 0x1234;
  EXPECT_EQ(exitCodeForReason(0), 0x34);
  EXPECT_EQ(exitCodeForReason(128), 0x34);
  inOutResult = 0x300;
  EXPECT_EQ(exitCodeForReason(0), 255);
  inOutResult = 0;
}

TEST(ExitCodes, PlatformExceptionsWithoutAnErrorObject) {
  const std::pair<DWORD, int> cases[] = {
      {0xC0000094, 200}, {0xC000008E, 200}, {0xC000008C, 201}, {0xC00000FD, 202}, {0xC0000091, 205},
      {0xC000008D, 206}, {0xC0000093, 206}, {0xC000008F, 207}, {0xC0000090, 207}, {0xC0000092, 207},
      {0xC0000095, 215}, {0xC0000005, 216}, {0xC000013A, 217}, {0xC0000096, 218}, {0x0EEDFADE, 255},
      {0x80000003, 255}, {0xC000001D, 255}, {0, 255},
  };
  for (const auto& [code, exit] : cases) {
    SCOPED_TRACE(code);
    EXPECT_EQ(exitCodeForException(code), exit);
  }
}

TEST_F(Halt, RuntimeFailureGoesToTheHookWithSevenBits) {
  static int seenReason = -1;
  runtimeHooks.runErrorHook = [](std::uint8_t reason, const void* address) {
    seenReason = reason;
    raiseErrorAt(newError(EConvertError::classRef, "hooked"), address);
  };
  const void* at = reinterpret_cast<const void*>(0x00405000);
  auto raised = testing::raisedBy([&] { runtimeFailure(129, at); });
  ASSERT_TRUE(raised);
  EXPECT_EQ(raised->message, "hooked");
  EXPECT_EQ(raised->address, at);
  EXPECT_EQ(seenReason, 1);
  runtimeHooks.runErrorHook = nullptr;
  EXPECT_EQ(exitCodeOf([&] { runtimeFailure(129, at); }), 203);
  ASSERT_EQ(fake.boxes.size(), 1u);
  EXPECT_EQ(fake.boxes[0].text, "Runtime error 203 at " + lineAddress(0x00405000));
}

// A module table whose steps are logged; `failing` names the step that raises.
std::vector<std::string> steps;
std::string failing;
std::size_t countSeenByFinalize = 0;

void step(const std::string& name) {
  steps.push_back(name);
  if (name == failing) raiseError(newError(EConvertError::classRef, name + " failed"));
}

constexpr TModuleEntry kModules[] = {
    {"a", [] { step("start a"); }, [] { step("finish a"); }},
    {"b", [] { step("start b"); }, nullptr},
    {"c", [] { step("start c"); },
     [] {
       countSeenByFinalize = startedModuleCount();
       step("finish c");
     }},
    {"d", [] { step("start d"); }, [] { step("finish d"); }},
};

class Modules : public FailureStateTest {
 protected:
  void SetUp() override {
    FailureStateTest::SetUp();
    steps.clear();
    failing.clear();
  }
};

TEST_F(Modules, StartInOrderAndFinishInReverseCountingDown) {
  startModules(kModules);
  EXPECT_EQ(startedModuleCount(), 4u);
  EXPECT_EQ(exitCodeOf([] { halt(0); }), 0);
  EXPECT_EQ(steps, (std::vector<std::string>{"start a", "start b", "start c", "start d", "finish d",
                                             "finish c", "finish a"}));
  EXPECT_EQ(countSeenByFinalize, 2u);  // taken down before c's finalisation ran
  EXPECT_EQ(startedModuleCount(), 0u);
}

TEST_F(Modules, AFailedStartUpFinishesTheStartedOnesIncludingItself) {
  failing = "start c";
  EXPECT_RAISES(startModules(kModules), EConvertError, "start c failed");
  EXPECT_EQ(steps,
            (std::vector<std::string>{"start a", "start b", "start c", "finish c", "finish a"}));
  EXPECT_EQ(startedModuleCount(), 0u);
}

TEST_F(Modules, AFailedStartUpKeepsItsFailureOverOneInFinalisation) {
  failing = "start c";
  constexpr TModuleEntry modules[] = {
      {"a", nullptr, [] { raiseError(newError(EConvertError::classRef, "finish a failed")); }},
      {"c", [] { step("start c"); }, nullptr},
  };
  EXPECT_RAISES(startModules(modules), EConvertError, "start c failed");
}

TEST_F(Modules, AFailedFinalisationLetsTheOthersFinishThenPropagates) {
  startModules(kModules);
  failing = "finish c";
  EXPECT_RAISES(halt(0), EConvertError, "finish c failed");
  EXPECT_EQ(steps.back(), "finish a");
  EXPECT_EQ(startedModuleCount(), 0u);
  EXPECT_FALSE(fake.exitCode.has_value());
  // The process then ends from the last-resort handling: nothing is left to finish.
  EXPECT_EQ(exitCodeOf([] { runErrorAt(217, reinterpret_cast<const void*>(0x401000)); }), 217);
  EXPECT_EQ(steps.back(), "finish a");
}

}  // namespace
}  // namespace bootspan
