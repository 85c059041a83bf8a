#include <gtest/gtest.h>

#include "platform/fake/fake_platform.hpp"
#include "platform/show_text.hpp"

namespace bootspan {
namespace {

TEST(ShowText, AConsoleGetsTheBytesAndCrLfOnStandardOutput) {
  FakePlatform fake;
  showText(fake, true, "Runtime error 216 at 0041C3B0", "Error", MB_OK);
  showText(fake, true, "two\nlines", "Application Error", MB_TASKMODAL | MB_ICONERROR);
  EXPECT_TRUE(fake.boxes.empty());
  EXPECT_EQ(fake.standardOutput, "Runtime error 216 at 0041C3B0\r\ntwo\r\nlines\r\n");
}

TEST(ShowText, OtherwiseABoxWithCaptionAndStyle) {
  FakePlatform fake;
  showText(fake, false, "two\nlines", "Application Error", MB_TASKMODAL | MB_ICONERROR);
  EXPECT_EQ(fake.standardOutput, "");
  ASSERT_EQ(fake.boxes.size(), 1u);
  EXPECT_EQ(fake.boxes[0].text, "two\nlines");
  EXPECT_EQ(fake.boxes[0].caption, "Application Error");
  EXPECT_EQ(fake.boxes[0].style, static_cast<UINT>(MB_TASKMODAL | MB_ICONERROR));
}

}  // namespace
}  // namespace bootspan
