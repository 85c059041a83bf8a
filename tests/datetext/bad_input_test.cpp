// The renderer on patterns and settings far beyond its 256-byte output:
// long runs of double-byte characters inside and outside quotes, quotes that
// never close, quote bytes as second bytes, and settings texts and era texts
// longer than any buffer. The result is always the full text or exactly its
// first 256 bytes.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "datetext/render.hpp"
#include "tests/datetext/english_settings.hpp"

namespace bootspan {
namespace {

using testing::dayAt;
using testing::kMarch15;

// `count` double-byte characters of code page 932 whose second bytes cycle
// through a letter, a quote, a double quote, "h", "A" and a lead-byte value.
std::string pairs(int count) {
  static const char kTrails[] = {'a', '\'', '"', 'h', 'A', '\x81'};
  std::string text;
  for (int i = 0; i < count; ++i) {
    text += static_cast<char>(0x81 + i % 31);
    text += kTrails[i % 6];
  }
  return text;
}

class RenderBadInputTest : public testing::EnglishSettingsTest {
 protected:
  RenderBadInputTest() { useDoubleByteCodePage(932, {{0x81, 0x9F}, {0xE0, 0xFC}}); }
  const double value_ = dayAt(kMarch15, 13, 5, 9);
};

struct Case {
  std::string pattern;
  std::string result;
};

TEST_F(RenderBadInputTest, ThreeHundredBytesOfDoubleByteCharacters) {
  const std::string text = pairs(150);  // 300 bytes
  const Case cases[] = {
      // Outside quotes they print nothing and hide no token.
      {text, ""},
      {text + "yyyy", "2023"},
      {"h" + text + "AMPM", "1PM"},  // the look-ahead steps over them all
      // Inside quotes they are copied, cut at 256 bytes.
      {"'" + text + "'", text.substr(0, 256)},
      {"\"" + text + "\"yyyy", text.substr(0, 256)},
      // One byte in front: the cut halves the 128th character.
      {"-'" + text + "'", "-" + text.substr(0, 255)},
      // Quote bytes as second bytes never close the literal: the literal
      // runs to the end and keeps the tokens after the last pair.
      {"'" + text + "' yyyy", text.substr(0, 256)},
      {"'" + text.substr(0, 40) + "' yyyy", text.substr(0, 40) + " 2023"},
  };
  for (const Case& c : cases) {
    const std::string result = renderDayValue(c.pattern, value_);
    EXPECT_EQ(result, c.result) << c.pattern.size() << "-byte pattern";
    EXPECT_LE(result.size(), 256u);
  }
}

TEST_F(RenderBadInputTest, UnterminatedQuotesOfBothKinds) {
  const Case cases[] = {
      {"'abc", "abc"},
      {"\"abc", "abc"},
      {"'a\"b", "a\"b"},  // the other quote does not close it
      {"\"a'b", "a'b"},
      {"yy'", "23"},
      {"yy\"", "23"},
      {"'\x81", "\x81"},  // a lead byte that ends the pattern is copied alone
      {"\"ab\x81", "ab\x81"},
      {"'\x81'", "\x81'"},  // the quote is the second byte: still open
      {"\"\x81\"", "\x81\""},
      {"'\x81'' yy", "\x81' 23"},  // the next quote closes it
      {"h:mm 'x\x81' AMPM", "13:05 x\x81' AMPM"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(renderDayValue(c.pattern, value_), c.result) << c.pattern;
}

TEST_F(RenderBadInputTest, LongSettingsTextsAreCutWithTheOutput) {
  const std::string text = pairs(150);
  localeFormats.pmDesignator = text;
  localeFormats.longMonthNames[3] = std::string(300, 'M');
  localeFormats.longDatePattern = "'" + text + "'";
  localeFormats.shortTimePattern = std::string(400, '-') + "h";
  const Case cases[] = {
      {"AMPM", text.substr(0, 256)},
      {"x AMPM", "x " + text.substr(0, 254)},
      {"mmmm", std::string(256, 'M')},
      {"dddddd", text.substr(0, 256)},
      {"t",
       std::string(256,
                   '-')},  // The designator fills the output; the long date is walked and dropped.
      {"tt dddddd", "1:05:09 " + text.substr(0, 248)},
  };
  for (const Case& c : cases)
    EXPECT_EQ(renderDayValue(c.pattern, value_), c.result) << c.pattern;
}

TEST_F(RenderBadInputTest, EraTextsThatDoNotFitTheBufferAreEmpty) {
  // The platform's buffer holds 255 bytes and the terminator.
  for (std::size_t size : {254u, 255u, 256u, 300u, 4096u}) {
    const std::string era(size, 'E');
    fake.dateFormat = [era](const SYSTEMTIME&, const std::string&) {
      return std::optional<std::string>(era);
    };
    EXPECT_EQ(renderDayValue("-gg", value_),
              std::string("-").append(size <= 255 ? era.substr(0, 255) : std::string()))
        << size;
    EXPECT_EQ(renderDayValue("ee-", value_), (size <= 255 ? era.substr(0, 255) : "") + "-") << size;
  }
}

}  // namespace
}  // namespace bootspan
