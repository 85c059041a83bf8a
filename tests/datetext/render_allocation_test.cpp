// The renderer takes no memory beyond its result text, and a result of up to
// 15 bytes fits the text's own inline storage.
#include <gtest/gtest.h>

#include <string>

#include "datetext/render.hpp"
#include "tests/counting_allocator.hpp"
#include "tests/datetext/english_settings.hpp"

namespace bootspan {
namespace {

using testing::dayAt;
using testing::kMarch15;

class RenderAllocationTest : public testing::EnglishSettingsTest {
 protected:
  // The number of allocations made while rendering `pattern`.
  long allocationsOf(const char* pattern, double value) {
    std::string result;
    return testing::allocationsOf([&] { result = renderDayValue(pattern, value); });
  }
};

TEST_F(RenderAllocationTest, ResultsUpTo15BytesTakeNoMemory) {
  const char* patterns[] = {"h:mm:ss AMPM",
                            "hh:mm:ss AMPM",
                            "AMPM h:mm:ss",
                            "hh:mm:ss",
                            "hh:mm:ss.zzz AMPM" /* 15 bytes */,
                            "c",
                            "t",
                            "dddd",
                            ""};
  const double values[] = {dayAt(1, 0, 0, 0), dayAt(1, 13, 5, 9, 250), dayAt(kMarch15, 0, 0, 0),
                           dayAt(1, 23, 59, 59, 999)};
  for (double v : values) {
    for (const char* p : patterns) {
      // Only a longer result takes memory, once, for its text.
      const long expected = renderDayValue(p, v).size() <= 15 ? 0 : 1;
      EXPECT_EQ(allocationsOf(p, v), expected) << p << " " << v;
    }
    localeFormats.longTimePattern = "h:mm:ss AMPM";
    const long allocations =
        testing::allocationsOf([&] { const std::string text = renderLongTime(v); });
    EXPECT_EQ(allocations, 0);
  }
}

TEST_F(RenderAllocationTest, LongerResultsTakeOnlyTheirText) {
  // 16 bytes and more need the text's own memory, and nothing else.
  EXPECT_EQ(allocationsOf("hh:mm:ss.zzz AMPM!", dayAt(1, 13, 5, 9)), 1);
  EXPECT_EQ(allocationsOf("dddddd", 45000.5), 1);
}

}  // namespace
}  // namespace bootspan
