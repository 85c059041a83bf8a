// A fixture for tests of the failure machinery: a fake platform, and every
// process-wide record of that machinery restored afterwards.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "errors/core/fpu.hpp"
#include "errors/core/halt.hpp"
#include "errors/core/hooks.hpp"
#include "errors/core/module_table.hpp"
#include "errors/error_hooks.hpp"
#include "errors/error_tables.hpp"
#include "platform/fake/fake_platform.hpp"
#include "platform/fault_trap.hpp"

namespace bootspan::testing {

class FailureStateTest : public ::testing::Test {
 protected:
  FailureStateTest() {
    // The program's module: its code lies in one committed region.
    fake.regions.push_back(
        {0x00401000, 0x00100000, reinterpret_cast<void*>(0x00400000), MEM_COMMIT});
  }

  void SetUp() override {
    savedConsole_ = isConsoleProcess;
    savedControlWord_ = fpuControlWord();
    isConsoleProcess = false;
  }

  void TearDown() override {
    try {
      finalizeModules();  // a test that left modules started
    } catch (...) {
    }
    removeErrorHooks();
    runtimeHooks.abstractHook = nullptr;
    releaseErrorTables();
    removeFaultTrap();
    isConsoleProcess = savedConsole_;
    exitCode = 0;
    errorAddress = nullptr;
    inOutResult = 0;
    loadFpuControlWord(savedControlWord_);
  }

  // What the utility library's start-up does for the failure machinery.
  static void installFailureHandling() {
    fillErrorTables();
    installErrorHooks();
  }

  // The exit code of `statement`, which must end the process.
  template <class F>
  static std::int64_t exitCodeOf(F&& statement) {
    try {
      statement();
    } catch (const FakeExit& exit) {
      return exit.code;
    }
    return -1;
  }

  // The x87 control word without its reserved bit 6, which reads as 1.
  static std::uint16_t controlWord() { return fpuControlWord() & ~0x40; }

  // The address as the run-error line and %p print it.
  static std::string lineAddress(std::uintptr_t address) {
    std::string digits(kRunErrorAddressDigits, '0');
    for (std::size_t i = digits.size(); address != 0; address >>= 4)
      digits[--i] = "0123456789ABCDEF"[address & 0xF];
    return digits;
  }

  FakePlatform fake;

 private:
  bool savedConsole_ = false;
  std::uint16_t savedControlWord_ = 0;
};

}  // namespace bootspan::testing
