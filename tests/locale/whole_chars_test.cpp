// A cut that drops the character it would leave partial, under UTF-8 only.
#include "locale/whole_chars.hpp"

#include <gtest/gtest.h>

#include <string>

#include "platform/fake/fake_platform.hpp"

namespace bootspan {
namespace {

TEST(WholeChars, UnderUtf8ACutCharacterIsDroppedWhole) {
  FakePlatform fake;
  fake.acp = 65001;
  struct Case {
    std::string text;
    std::size_t length, kept;
  };
  const Case cases[] = {
      {"ab", 2, 2},
      {"", 0, 0},
      {"a\xC3\xA9", 3, 3},             // é whole
      {"a\xC3\xA9", 2, 1},             // é's first byte alone
      {"a\xE2\x82\xAC", 4, 4},         // € whole
      {"a\xE2\x82\xAC", 3, 1},         // two of its three bytes
      {"a\xE2\x82\xAC", 2, 1},         // one of them
      {"\xF0\x9F\x98\x80", 4, 4},      // a four-byte character whole
      {"\xF0\x9F\x98\x80", 3, 0},      // three of its bytes
      {"\xF0\x9F\x98\x80", 1, 0},      // its first byte
      {"\xC3\xA9\xC3\xA9", 3, 2},      // the cut after a whole character
      {"\x80\x80\x80\x80\x80", 5, 5},  // no first byte to drop from: kept as it is
  };
  for (const Case& c : cases) {
    EXPECT_EQ(wholeCharsLength(c.text.data(), c.length), c.kept) << c.text << " " << c.length;
  }
}

TEST(WholeChars, OtherCodePagesKeepEveryByte) {
  FakePlatform fake;
  for (UINT codePage : {1252u, 932u}) {
    fake.acp = codePage;
    EXPECT_EQ(wholeCharsLength("a\xC3\xA9", 2), 2u);
    EXPECT_EQ(wholeCharsLength("a\x82\xA0", 2), 2u);
  }
}

}  // namespace
}  // namespace bootspan
