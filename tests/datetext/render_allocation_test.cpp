// The renderer takes no memory beyond its result text, and a result of up to
// 15 bytes fits the text's own inline storage: counted with a replaced global
// operator new, which is why this test lives in a file of its own.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "datetext/render.hpp"
#include "tests/datetext/english_settings.hpp"

namespace {

std::atomic<long> allocations{0};

}  // namespace

// GCC pairs the replaced operator new with the free below and warns of a
// mismatch that is none: both are this file's own.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace bootspan {
namespace {

using testing::dayAt;
using testing::kMarch15;

class RenderAllocationTest : public testing::EnglishSettingsTest {
 protected:
  // The number of allocations made while rendering `pattern`.
  long allocationsOf(const char* pattern, double value) {
    std::string result;
    const long before = allocations;
    result = renderDayValue(pattern, value);
    return allocations - before;
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
    const long before = allocations;
    const std::string text = renderLongTime(v);
    EXPECT_EQ(allocations - before, 0);
  }
}

TEST_F(RenderAllocationTest, LongerResultsTakeOnlyTheirText) {
  // 16 bytes and more need the text's own memory, and nothing else.
  EXPECT_EQ(allocationsOf("hh:mm:ss.zzz AMPM!", dayAt(1, 13, 5, 9)), 1);
  EXPECT_EQ(allocationsOf("dddddd", 45000.5), 1);
}

}  // namespace
}  // namespace bootspan
