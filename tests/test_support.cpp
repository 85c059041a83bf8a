#include "tests/test_support.hpp"

#include "errors/core/fpu.hpp"
#include "errors/core/halt.hpp"
#include "errors/core/top_level.hpp"
#include "platform/fake/fake_platform.hpp"

namespace bootspan::testing {

std::uint32_t wholeProgramExitCode(std::span<const TModuleEntry> modules, void (*mainBlock)()) {
  const bool savedConsole = isConsoleProcess;
  isConsoleProcess = false;
  const std::uint16_t savedControlWord = fpuControlWord();
  std::uint32_t code = 0;
  try {
    runProgram(modules, mainBlock);
  } catch (const FakeExit& exit) {
    code = exit.code;
  }
  loadFpuControlWord(savedControlWord);
  isConsoleProcess = savedConsole;
  exitCode = 0;
  return code;
}

}  // namespace bootspan::testing
