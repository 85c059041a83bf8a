// The capacity of formatIntoBuffer and formatIntoZText, and the growing
// result of formatMessage.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "format/format_message.hpp"
#include "platform/fake/fake_platform.hpp"
#include "tests/test_support.hpp"

namespace bootspan {
namespace {

class FormatCapacity : public ::testing::Test {
 protected:
  FakePlatform fake;
};

struct BufferCase {
  std::size_t capacity;
  const char* templateText;
  std::int32_t arg;
  std::string expected;
};

TEST_F(FormatCapacity, ResultIsThePrefixThatFits) {
  const BufferCase cases[] = {
      {0, "abc", 1, ""},        {1, "abc", 1, "a"},          {3, "abc%d", 1, "abc"},
      {4, "abc%d", 12, "abc1"}, {5, "abc%d", 12, "abc12"},   {9, "abc%d", 12, "abc12"},
      {4, "[%5d]", 42, "[   "}, {6, "[%-5d]", 42, "[42   "}, {2, "%%%%", 0, "%%"},
      {1, "%%%%", 0, "%"},      {3, "ab%%cd", 0, "ab%"},     {4, "%.8x", 255, "0000"},
  };
  for (const BufferCase& c : cases) {
    char buffer[32];
    std::memset(buffer, '#', sizeof buffer);
    const std::size_t n = formatIntoBuffer(buffer, c.capacity, c.templateText, {integerArg(c.arg)});
    EXPECT_EQ(std::string(buffer, n), c.expected) << c.templateText << " in " << c.capacity;
    // Nothing beyond the count is touched, no terminator either.
    for (std::size_t i = n; i < sizeof buffer; ++i)
      ASSERT_EQ(buffer[i], '#') << c.templateText;
  }
}

TEST_F(FormatCapacity, DirectivesPastTheCapacityAreNotEvaluated) {
  char buffer[8];
  EXPECT_EQ(formatIntoBuffer(buffer, 3, "abc%d", {}), 3u);
  EXPECT_EQ(formatIntoBuffer(buffer, 3, "abc%s", {integerArg(1)}), 3u);
  EXPECT_EQ(formatIntoBuffer(buffer, 0, "%d", {}), 0u);
  EXPECT_RAISES(formatIntoBuffer(buffer, 4, "abc%d", {}), EConvertError,
                "No argument for format '%d'");
}

TEST_F(FormatCapacity, ZTextTerminatesAfterTheResult) {
  char buffer[8];
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(formatIntoZText(buffer, 3, "abc%d", TArgList{}), buffer);
  EXPECT_EQ(std::string(buffer, 5), std::string("abc\0#", 5));

  std::memset(buffer, '#', sizeof buffer);
  const TArgValue arg = integerArg(7);
  EXPECT_EQ(formatIntoZText(buffer, 7, "<%d>", TArgList(&arg, 1)), buffer);
  EXPECT_EQ(std::string(buffer, 5), std::string("<7>\0#", 5));

  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(formatIntoZText(buffer, 0, "abc", TArgList{}), buffer);
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(buffer[1], '#');
}

TEST_F(FormatCapacity, ZTextWithNullBufferOrTemplate) {
  char buffer[4] = {'#', '#', '#', '#'};
  EXPECT_EQ(formatIntoZText(nullptr, 3, "abc", TArgList{}), nullptr);
  EXPECT_EQ(formatIntoZText(buffer, 3, nullptr, TArgList{}), nullptr);
  EXPECT_EQ(buffer[0], '#');
}

// A result of exactly `length` bytes: one text argument padded to a width.
TEST_F(FormatCapacity, MessageOfAnyLengthIsWhole) {
  const std::string word = "word";
  for (const std::size_t length :
       {std::size_t{0}, std::size_t{15}, std::size_t{16}, std::size_t{4094}, std::size_t{4095},
        std::size_t{4096}, std::size_t{4097}, std::size_t{8191}, std::size_t{8192},
        std::size_t{9000}, std::size_t{100000}}) {
    const std::string templ = std::string("%").append(std::to_string(length)).append("s");
    const TArgValue arg = textArg(word);
    const std::string result = formatMessage(templ, TArgList(&arg, 1));
    const std::size_t expectedLength = length < 4 ? 4 : length;
    ASSERT_EQ(result.size(), expectedLength) << length;
    EXPECT_EQ(result.substr(expectedLength - 4), "word");
    EXPECT_EQ(result.find_first_not_of(' '), expectedLength - 4);
  }
}

TEST_F(FormatCapacity, MessageFromALongTemplate) {
  // Templates of 3072 bytes and more skip the scratch area.
  for (const std::size_t length :
       {std::size_t{3071}, std::size_t{3072}, std::size_t{5000}, std::size_t{9000}}) {
    std::string templ(length, 'a');
    templ[length / 2] = '%';
    templ[length / 2 + 1] = 'd';
    const TArgValue arg = integerArg(12345);
    const std::string result = formatMessage(templ, TArgList(&arg, 1));
    ASSERT_EQ(result.size(), length + 3) << length;
    EXPECT_EQ(result.substr(length / 2, 5), "12345");
    EXPECT_EQ(result.find_first_not_of('a'), length / 2);
  }
}

TEST_F(FormatCapacity, MessageEvaluatesEveryDirective) {
  // The failing directive lies beyond the first 4095 bytes.
  const std::string templ = std::string(5000, 'x') + "%d";
  EXPECT_RAISES(formatMessage(templ, TArgList{}), EConvertError, "No argument for format '%d'");
  const std::string padded = "%5000s%d";
  const std::string word = "w";
  const TArgValue arg = textArg(word);
  EXPECT_RAISES(formatMessage(padded, TArgList(&arg, 1)), EConvertError,
                "No argument for format '%d'");
}

}  // namespace
}  // namespace bootspan
