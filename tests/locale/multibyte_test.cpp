#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "locale/multibyte.hpp"
#include "locale/sys_locale.hpp"
#include "locale_state_fixture.hpp"

namespace bootspan {
namespace {

// Every test runs with the lead bytes of code page 932 loaded (0x81-0x9F,
// 0xE0-0xFC); tests of the single-byte behaviour switch farEast off.
class Multibyte : public testing::LocaleStateTest {
 protected:
  void SetUp() override {
    useCodePage932();
    ASSERT_TRUE(sysLocale.farEast);
  }
};

// "表" in code page 932 is 0x95 0x5C: its trail byte is the value of "\".
const std::string kTable = "\x95\x5C";
// "あ" is 0x82 0xA0.
const std::string kA = "\x82\xA0";

TEST_F(Multibyte, ByteKindAtFollowsRunsOfLeadByteValues) {
  struct Case {
    std::string text;
    std::vector<TByteKind> kinds;  // per offset, then the terminator
  };
  const Case cases[] = {
      {"\x82\xA0\x41", {leadByte, trailByte, singleByte, singleByte}},
      {"\x81\x81\x81\x41", {leadByte, trailByte, leadByte, trailByte, singleByte}},
      {"\x81\x81\x81\x81", {leadByte, trailByte, leadByte, trailByte, singleByte}},
      {"a\x95\x5C\\", {singleByte, leadByte, trailByte, singleByte, singleByte}},
      {"\xA0\x81", {singleByte, leadByte, singleByte}},  // a lead byte that ends the text
      {"\xE0\xFC\xFD", {leadByte, trailByte, singleByte, singleByte}},
  };
  for (const Case& c : cases) {
    for (std::size_t offset = 0; offset < c.kinds.size(); ++offset) {
      EXPECT_EQ(byteKindAt(c.text.c_str(), offset), c.kinds[offset])
          << "offset " << offset << " of case " << &c - cases;
      EXPECT_EQ(byteKindInZText(c.text.c_str(), offset), c.kinds[offset]);
      if (offset < c.text.size()) {
        EXPECT_EQ(byteKindInText(c.text, static_cast<int>(offset + 1)), c.kinds[offset]);
      }
    }
  }
  EXPECT_EQ(byteKindAt(nullptr, 0), singleByte);
  EXPECT_EQ(byteKindInZText(nullptr, 3), singleByte);
}

TEST_F(Multibyte, ByteKindInTextOutsideTheTextIsSingle) {
  const std::string text = "\x81\x81";
  for (int index : {-1, 0, 3, 100})
    EXPECT_EQ(byteKindInText(text, index), singleByte) << index;
  EXPECT_EQ(byteKindInText("", 1), singleByte);
  // A zero byte inside a text is a terminator, never a trail byte.
  EXPECT_EQ(byteKindInText(std::string("\x81\0", 2), 2), singleByte);
}

TEST_F(Multibyte, ByteKindAtIgnoresFarEastButTheOthersDoNot) {
  sysLocale.farEast = false;
  EXPECT_EQ(byteKindAt("\x82\xA0", 1), trailByte);
  EXPECT_EQ(byteKindInZText("\x82\xA0", 0), singleByte);
  EXPECT_EQ(byteKindInZText("\x82\xA0", 1), singleByte);
  EXPECT_EQ(byteKindInText("\x82\xA0", 1), singleByte);
  EXPECT_EQ(byteKindInText("\x82\xA0", 2), singleByte);
}

TEST_F(Multibyte, PositionConversionsOnADoubleByteCharacterThenB) {
  const std::string text = kA + "b";  // characters: あ (bytes 1-2), b (byte 3)
  EXPECT_EQ(charLenToByteLen(text, 1), 2);
  EXPECT_EQ(charIndexToByteIndex(text, 2), 3);
  EXPECT_EQ(byteLenToCharLen(text, 3), 2);
  EXPECT_EQ(charIndexToByteIndex(text, 3), 0);
}

struct ConversionRow {
  const char* name;
  std::string text;
  int argument;
  int byteIndexToChar, byteLenToChar, charIndexToByte, charLenToByte;
};

TEST_F(Multibyte, PositionConversionTable) {
  const std::string mixed = "a" + kA + "b" + kTable + "c";  // a あ b 表 c: bytes 1,2-3,4,5-6,7
  const ConversionRow rows[] = {
      {"mixed", mixed, -1, 0, 0, 0, 0},
      {"mixed", mixed, 0, 0, 0, 0, 0},
      {"mixed", mixed, 1, 1, 1, 1, 1},
      {"mixed", mixed, 2, 2, 2, 2, 3},
      {"mixed", mixed, 3, 2, 2, 4, 4},
      {"mixed", mixed, 4, 3, 3, 5, 6},
      {"mixed", mixed, 5, 4, 4, 7, 7},
      {"mixed", mixed, 6, 4, 4, 0, 7},
      {"mixed", mixed, 7, 5, 5, 0, 7},
      {"mixed", mixed, 8, 0, 5, 0, 7},
      {"mixed", mixed, 1000, 0, 5, 0, 7},
      {"empty", "", 1, 0, 0, 0, 0},
      {"lead run", "\x81\x81\x81\x41", 3, 2, 2, 0, 4},
      {"lead run", "\x81\x81\x81\x41", 2, 1, 1, 3, 4},
      // a lead byte cut off by the end of the text is a character of its own
      {"cut", "a\x81", 2, 2, 2, 2, 2},
      {"cut", "a\x81", 1, 1, 1, 1, 1},
      {"two", kA + kA, 2, 1, 1, 3, 4},
      {"two", kA + kA, 4, 2, 2, 0, 4},
  };
  for (const ConversionRow& r : rows) {
    const std::string where = std::string(r.name) + " with " + std::to_string(r.argument);
    EXPECT_EQ(byteIndexToCharIndex(r.text, r.argument), r.byteIndexToChar) << where;
    EXPECT_EQ(byteLenToCharLen(r.text, r.argument), r.byteLenToChar) << where;
    EXPECT_EQ(charIndexToByteIndex(r.text, r.argument), r.charIndexToByte) << where;
    EXPECT_EQ(charLenToByteLen(r.text, r.argument), r.charLenToByte) << where;
  }
}

TEST_F(Multibyte, WithoutFarEastEveryConversionIsTheIdentity) {
  sysLocale.farEast = false;
  const std::string text = kA + kA + "b";
  const int length = static_cast<int>(text.size());
  for (int i = -2; i <= length + 2; ++i) {
    const bool inside = i >= 1 && i <= length;
    EXPECT_EQ(byteIndexToCharIndex(text, i), inside ? i : 0) << i;
    EXPECT_EQ(charIndexToByteIndex(text, i), inside ? i : 0) << i;
    EXPECT_EQ(byteLenToCharLen(text, i), i <= 0 ? 0 : std::min(i, length)) << i;
    EXPECT_EQ(charLenToByteLen(text, i), i <= 0 ? 0 : std::min(i, length)) << i;
  }
  for (int i = 1; i <= length; ++i) {
    EXPECT_EQ(charLengthAt(text, i), 1);
    EXPECT_EQ(nextCharIndex(text, i), i + 1);
  }
  EXPECT_EQ(zCharLength(text.c_str()), 1);
}

TEST_F(Multibyte, CountCharsStopsOnTheLastByteOfTheCharacter) {
  const std::string text = "a" + kA + "b";
  struct Case {
    int limit, count, index;
  };
  const Case cases[] = {{1, 1, 1}, {2, 2, 3}, {3, 3, 4}, {4, 3, 4}};
  for (const Case& c : cases) {
    const TCharCount walked = countChars(text, c.limit);
    EXPECT_EQ(walked.count, c.count) << c.limit;
    EXPECT_EQ(walked.index, c.index) << c.limit;
  }
  const TCharCount first = countChars(kA + "b", 1);
  EXPECT_EQ(first.index, 2);  // the first character ends on byte 2
}

TEST_F(Multibyte, CharacterLengthAndNextCharacter) {
  const std::string text = "a" + kA + "\x81";  // a, あ, then a lead byte at the end
  EXPECT_EQ(charLengthAt(text, 1), 1);
  EXPECT_EQ(charLengthAt(text, 2), 2);
  EXPECT_EQ(charLengthAt(text, 4), 1);  // nothing after it in the text
  EXPECT_EQ(nextCharIndex(text, 1), 2);
  EXPECT_EQ(nextCharIndex(text, 2), 4);
  EXPECT_EQ(nextCharIndex(text, 4), 5);
  // The view ends before the trail byte that the underlying string holds.
  const std::string whole = kA;
  const std::string_view cut(whole.data(), 1);
  EXPECT_EQ(charLengthAt(cut, 1), 1);
  EXPECT_EQ(nextCharIndex(cut, 1), 2);
}

TEST_F(Multibyte, ZeroTerminatedStepping) {
  const std::string text = kA + "b";
  EXPECT_EQ(zCharLength(text.c_str()), 2);
  EXPECT_EQ(zCharLength(text.c_str() + 2), 1);
  EXPECT_EQ(zCharLength(text.c_str() + 3), 0);  // the terminator
  EXPECT_EQ(zNextChar(text.c_str()), text.c_str() + 2);
  EXPECT_EQ(zNextChar(text.c_str() + 3), text.c_str() + 3);
  const char* cut = "\x81";  // a lead byte before the terminator steps one byte
  EXPECT_EQ(zNextChar(cut), cut + 1);
  sysLocale.farEast = false;
  EXPECT_EQ(zCharLength(text.c_str()), 1);
  EXPECT_EQ(zNextChar(text.c_str()), text.c_str() + 2);  // the platform's step, always
}

TEST_F(Multibyte, ScanCharNeverMatchesHalfACharacter) {
  const std::string path = "C:\\" + kTable + "\\" + kTable + "x" + kTable;
  // bytes: C : \ 95 5C \ 95 5C x 95 5C
  const char* p = path.c_str();
  EXPECT_EQ(scanChar(p, '\\'), p + 2);
  EXPECT_EQ(scanChar(p + 3, '\\'), p + 5);
  EXPECT_EQ(scanLastChar(p, '\\'), p + 5);
  EXPECT_EQ(scanChar(p + 6, '\\'), nullptr);
  EXPECT_EQ(scanLastChar(p + 6, '\\'), nullptr);
  EXPECT_EQ(scanChar(p, 'x'), p + 8);
  EXPECT_EQ(scanChar(p, '\0'), p + path.size());
  EXPECT_EQ(scanLastChar(p, '\0'), p + path.size());
  EXPECT_EQ(scanChar(p, static_cast<char>(0x95)), nullptr);  // only ever a lead byte here
  EXPECT_EQ(scanChar(nullptr, '\\'), nullptr);
  EXPECT_EQ(scanLastChar(nullptr, '\\'), nullptr);
}

TEST_F(Multibyte, ScanCharOverRunsOfLeadByteValues) {
  // 81 81 | 81 5C | 5C: the first "\" is a trail byte, the second is real.
  const std::string text = "\x81\x81\x81\x5C\x5C";
  EXPECT_EQ(scanChar(text.c_str(), '\\'), text.c_str() + 4);
  EXPECT_EQ(scanLastChar(text.c_str(), '\\'), text.c_str() + 4);
  // A lead byte just before the terminator: the search ends there.
  EXPECT_EQ(scanChar("ab\x81", static_cast<char>(0x81)), nullptr);
  EXPECT_EQ(scanChar("\x81"
                     "a",
                     'a'),
            nullptr);  // "a" is a trail byte
}

TEST_F(Multibyte, WithoutFarEastScanCharTakesTheFirstByte) {
  sysLocale.farEast = false;
  const std::string path = "C:\\" + kTable + "x";
  EXPECT_EQ(scanChar(path.c_str(), '\\'), path.c_str() + 2);
  EXPECT_EQ(scanLastChar(path.c_str(), '\\'), path.c_str() + 4);  // the trail byte counts
}

}  // namespace
}  // namespace bootspan
