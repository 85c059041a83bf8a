// The report's guarded region: when a step raises, the report's texts are
// released before the failure is reported.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "app/modules.hpp"
#include "app/program_heap.hpp"
#include "app/uptime_report.hpp"
#include "errors/core/raise.hpp"
#include "errors/error_hooks.hpp"
#include "platform/fake/fake_platform.hpp"
#include "tests/test_support.hpp"

namespace bootspan {
namespace {

// Blocks released since the counting began, kept without allocating.
const void* releasedBlocks[1 << 16];
std::size_t releasedCount = 0;

void releaseCounting(void* block) {
  if (releasedCount < sizeof releasedBlocks / sizeof releasedBlocks[0])
    releasedBlocks[releasedCount++] = block;
  std::free(block);
}

bool wasReleased(const void* block) {
  return std::find(releasedBlocks, releasedBlocks + releasedCount, block) !=
         releasedBlocks + releasedCount;
}

// The uptime box raises; the report box checks the uptime text is gone.
class FailingBoxPlatform : public FakePlatform {
 public:
  const void* messageText = nullptr;
  bool releasedBeforeReport = false;
  int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT style) override {
    FakePlatform::MessageBoxA(owner, text, caption, style);
    if (boxes.size() == 1) {
      messageText = text;
      releasedCount = 0;
      raiseError(newError(EConvertError::classRef, "the box failed"));
    }
    releasedBeforeReport = wasReleased(messageText);
    return 1;
  }
};

TEST(UptimeGuard, TheTextsAreReleasedBeforeTheFailureIsReported) {
  FailingBoxPlatform fake;
  fake.tickCount = 3 * 3600000 + 25 * 60000 + 10500;
  const THeapFunctions previous = setHeapFunctions({std::malloc, releaseCounting});
  const UINT code = testing::wholeProgramExitCode(programModules(), runUptimeReport);
  setHeapFunctions(previous);

  EXPECT_EQ(code, 1u);
  ASSERT_EQ(fake.boxes.size(), 2u);
  EXPECT_EQ(fake.boxes[0].caption, "Bootspan v1.0");
  EXPECT_EQ(fake.boxes[0].text.substr(0, 26), "Your computer was started ");
  EXPECT_EQ(fake.boxes[1].caption, "Application Error");
  EXPECT_EQ(fake.boxes[1].text.substr(fake.boxes[1].text.size() - 16), "\nthe box failed.");
  EXPECT_TRUE(fake.releasedBeforeReport);
  EXPECT_EQ(outOfMemoryError, nullptr);  // the library has been finalised
}

}  // namespace
}  // namespace bootspan
