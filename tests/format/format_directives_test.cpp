// The directive grammar and the integer, pointer and text conversions,
// through formatMessage.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "format/format_message.hpp"
#include "locale/sys_locale.hpp"
#include "platform/fake/fake_platform.hpp"
#include "tests/test_support.hpp"

namespace bootspan {
namespace {

// Values that arguments refer to; they outlive every table below.
const std::string kAbcdef = "abcdef";
const std::string kA = "a";
const std::string kB = "b";
const std::string kX = "x";
const std::int64_t kInt64MinusOne = -1;
const std::int64_t kInt64Min = INT64_MIN;
const std::int64_t kInt64Big = 0x123456789ABCDEF0;
const unsigned char kCounted[] = {3, 'x', 'y', 'z', '!'};
const unsigned char kCountedEmpty[] = {0, 'x'};
const WCHAR kWide[] = {'w', 'i', 'd', 'e', 0xE9, 0x4E2D, 0};
const WCHAR kWideEmpty[] = {0};
const std::u16string kWideText = u"W\u00fc";
const std::uint16_t kVariantEmpty[8] = {0};
const std::uint16_t kVariantNull[8] = {1};

struct Case {
  const char* templateText;
  std::vector<TArgValue> args;
  std::string expected;
};

class FormatDirectives : public ::testing::Test {
 protected:
  FakePlatform fake;
};

TEST_F(FormatDirectives, GrammarAndConversions) {
  const auto ptr = reinterpret_cast<const void*>(std::uintptr_t{0x1A2B});
  const Case cases[] = {
      {"100%%", {}, "100%"},
      {"100%", {}, "100"},
      {"%%%%", {}, "%%"},
      {"[%5d]", {integerArg(42)}, "[   42]"},
      {"[%-5d]", {integerArg(42)}, "[42   ]"},
      {"[%05d]", {integerArg(42)}, "[   42]"},
      {"%1d", {integerArg(123)}, "123"},
      {"%x, %X", {integerArg(255), integerArg(255)}, "FF, FF"},
      {"%.4x", {integerArg(255)}, "00FF"},
      {"%.5d", {integerArg(-42)}, "-00042"},
      {"%.20d", {integerArg(42)}, "42"},
      {"%.17d", {integerArg(42)}, "42"},
      {"%.16d", {integerArg(42)}, "0000000000000042"},
      {"%.0d", {integerArg(0)}, "0"},
      {"%.d", {integerArg(0)}, "0"},
      {"%d", {integerArg(INT32_MIN)}, "-2147483648"},
      {"%d", {integerArg(INT32_MAX)}, "2147483647"},
      {"%u", {integerArg(-1)}, "4294967295"},
      {"%x", {integerArg(-1)}, "FFFFFFFF"},
      {"%u", {int64Arg(kInt64MinusOne)}, "18446744073709551615"},
      {"%d", {int64Arg(kInt64MinusOne)}, "-1"},
      {"%d", {int64Arg(kInt64Min)}, "-9223372036854775808"},
      {"%x", {int64Arg(kInt64Big)}, "123456789ABCDEF0"},
      {"%X", {int64Arg(kInt64MinusOne)}, "FFFFFFFFFFFFFFFF"},
      {"%D|%U", {integerArg(-5), integerArg(5)}, "-5|5"},
      {"%p", {pointerArg(ptr)}, "00001A2B"},
      {"%.2p", {pointerArg(ptr)}, "00001A2B"},
      {"%P", {pointerArg(nullptr)}, "00000000"},
      {"[%10p]", {pointerArg(ptr)}, "[  00001A2B]"},
      {"[%-10p]", {pointerArg(ptr)}, "[00001A2B  ]"},
      {"%s", {textArg(kAbcdef)}, "abcdef"},
      {"%.3s", {textArg(kAbcdef)}, "abc"},
      {"[%5.3s]", {textArg(kAbcdef)}, "[  abc]"},
      {"[%-5.3s]", {textArg(kAbcdef)}, "[abc  ]"},
      {"[%.0s]", {textArg(kAbcdef)}, "[]"},
      {"[%.6s]", {textArg(kAbcdef)}, "[abcdef]"},
      {"[%3s]", {textArg(nullptr)}, "[   ]"},
      {"%.0s", {charArg('Q')}, "Q"},
      {"[%3s]", {charArg('Q')}, "[  Q]"},
      {"%s", {charArg('\0')}, std::string(1, '\0')},
      {"%s", {shortTextArg(kCounted)}, "xyz"},
      {"%.2s", {shortTextArg(kCounted)}, "xy"},
      {"[%s]", {shortTextArg(kCountedEmpty)}, "[]"},
      {"%s", {zTextArg("zero")}, "zero"},
      {"%.2s", {zTextArg("zero")}, "ze"},
      {"[%.0s]", {zTextArg("zero")}, "[]"},
      {"%s", {wideZTextArg(kWide)}, "wide\xe9?"},
      {"%.4s", {wideZTextArg(kWide)}, "wide"},
      {"[%4s]", {wideTextArg(&kWideText)}, "[  W\xfc]"},
      {"[%2s]", {wideTextArg(nullptr)}, "[  ]"},
      {"[%2s]", {wideZTextArg(kWideEmpty)}, "[  ]"},
      {"[%3s]", {variantArg(kVariantEmpty)}, "[   ]"},
      {"[%s]", {variantArg(kVariantNull)}, "[]"},
      {"%s %s", {textArg(kA), textArg(kB)}, "a b"},
      {"%1:s %0:s %s", {textArg(kA), textArg(kB)}, "b a b"},
      {"[%3:-5d]", {integerArg(1), integerArg(2), integerArg(3), integerArg(4)}, "[4    ]"},
      {"[%-3:5d]", {integerArg(1), integerArg(2), integerArg(3), integerArg(4)}, "[    4]"},
      {"%1:d%1:2:d", {integerArg(10), integerArg(11), integerArg(12)}, "1112"},
      {"%:d%d", {integerArg(1), integerArg(2)}, "12"},
      {"%2:d%d%0:d", {integerArg(1), integerArg(2), integerArg(3), integerArg(4)}, "341"},
      {"[%*.*d]", {integerArg(6), integerArg(3), integerArg(5)}, "[   005]"},
      {"[%*d]", {integerArg(5), integerArg(42)}, "[   42]"},
      {"[%-*d]", {integerArg(4), integerArg(7)}, "[7   ]"},
      {"%.*d", {integerArg(3), integerArg(7)}, "007"},
      {"[%*d]", {textArg(kX), integerArg(42)}, "[42]"},
      {"[%.*d]", {integerArg(-3), integerArg(7)}, "[7]"},
      {"[%*:d]", {integerArg(2), integerArg(8), integerArg(9)}, "[9]"},
      // A negative width from '*' left-aligns its magnitude.
      {"[%*d]", {integerArg(-4), integerArg(7)}, "[7   ]"},
      {"[%-*d]", {integerArg(-4), integerArg(7)}, "[7   ]"},
      {"ab%5.", {}, "ab"},
      {"ab%-", {}, "ab"},
      {"ab%3:", {}, "ab"},
      {"ab%", {}, "ab"},
      {"ab%*", {}, "ab"},
      {"ab%12", {}, "ab"},
      {"ab%.*", {integerArg(1)}, "ab"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(formatMessage(c.templateText, TArgList(c.args)), c.expected)
        << "template " << c.templateText;
  }
}

TEST_F(FormatDirectives, PointerIsNeverCut) {
  if constexpr (sizeof(void*) > 4) {
    const auto high = reinterpret_cast<const void*>(static_cast<std::uintptr_t>(0x123456789AULL));
    const TArgValue arg = pointerArg(high);
    EXPECT_EQ(formatMessage("%p", TArgList(&arg, 1)), "123456789A");
  } else {
    const auto top = reinterpret_cast<const void*>(static_cast<std::uintptr_t>(0xFFFFFFFFu));
    const TArgValue arg = pointerArg(top);
    EXPECT_EQ(formatMessage("%p", TArgList(&arg, 1)), "FFFFFFFF");
  }
}

TEST_F(FormatDirectives, ZeroBytesInTheTemplateAreOrdinary) {
  const std::string templ("a\0b%dc\0", 7);
  const TArgValue arg = integerArg(5);
  EXPECT_EQ(formatMessage(templ, TArgList(&arg, 1)), std::string("a\0b5c\0", 6));
}

TEST_F(FormatDirectives, StarWithoutArgumentReadsZeroAndRaisesNothing) {
  // The '*' finds no argument, reads 0 and leaves the cursor: the letter then
  // has no argument either.
  EXPECT_EQ(formatMessage("x%*", TArgList{}), "x");
  EXPECT_RAISES(formatMessage("%*d", TArgList{}), EConvertError, "No argument for format '%*d'");
}

TEST_F(FormatDirectives, WidthIsBounded) {
  const TArgValue arg = integerArg(1);
  EXPECT_EQ(formatMessage("%4294967295d", TArgList(&arg, 1)).size(), std::size_t{1} << 20);
  const TArgValue star[] = {integerArg(INT32_MIN), integerArg(1)};
  const std::string s = formatMessage("%*d|", TArgList(star));
  EXPECT_EQ(s.size(), (std::size_t{1} << 20) + 1);
  EXPECT_EQ(s.substr(0, 2), "1 ");
}

struct ErrorCase {
  const char* templateText;
  std::vector<TArgValue> args;
  const char* message;
};

TEST_F(FormatDirectives, ConvertErrors) {
  const std::string abc = "abc";
  const long double ext = 1.5L;
  const ErrorCase cases[] = {
      {"%d", {textArg(abc)}, "Format '%d' invalid or incompatible with argument"},
      {"%s", {integerArg(1)}, "Format '%s' invalid or incompatible with argument"},
      {"%5.2q", {integerArg(1)}, "Format '%5.2q' invalid or incompatible with argument"},
      {"%d", {}, "No argument for format '%d'"},
      {"%q", {}, "No argument for format '%q'"},
      {"ok %d %d", {integerArg(1)}, "No argument for format '%d'"},
      {"%1:-12.*x", {integerArg(1)}, "No argument for format '%1:-12.*x'"},
      {"%p", {integerArg(1)}, "Format '%p' invalid or incompatible with argument"},
      {"%d", {pointerArg(nullptr)}, "Format '%d' invalid or incompatible with argument"},
      {"%s", {TArgValue{0, argBoolean}}, "Format '%s' invalid or incompatible with argument"},
      {"%s", {TArgValue{0, argObject}}, "Format '%s' invalid or incompatible with argument"},
      {"%s", {TArgValue{0, argClass}}, "Format '%s' invalid or incompatible with argument"},
      {"%s", {TArgValue{65, argWideChar}}, "Format '%s' invalid or incompatible with argument"},
      {"%s", {TArgValue{0, argInterface}}, "Format '%s' invalid or incompatible with argument"},
      {"%d",
       {TArgValue{0, static_cast<TArgKind>(17)}},
       "Format '%d' invalid or incompatible with argument"},
      {"%s", {extendedArg(ext)}, "Format '%s' invalid or incompatible with argument"},
      {"%d", {extendedArg(ext)}, "Format '%d' invalid or incompatible with argument"},
      {"%s", {int64Arg(kInt64MinusOne)}, "Format '%s' invalid or incompatible with argument"},
      {"%g", {integerArg(1)}, "Format '%g' invalid or incompatible with argument"},
      // Bit 5 cleared: only letters match their own upper case.
      {"%\x44", {integerArg(1)}, nullptr},
      {"%\x04", {integerArg(1)}, "Format '%\x04' invalid or incompatible with argument"},
      {"%$", {integerArg(1)}, "Format '%$' invalid or incompatible with argument"},
      {"%-", {integerArg(1)}, nullptr},
  };
  for (const ErrorCase& c : cases) {
    const auto raised = testing::raisedBy([&] { formatMessage(c.templateText, TArgList(c.args)); });
    if (c.message == nullptr) {
      EXPECT_FALSE(raised) << c.templateText;
      continue;
    }
    ASSERT_TRUE(raised) << c.templateText;
    EXPECT_EQ(raised->className, "EConvertError") << c.templateText;
    EXPECT_EQ(raised->message, c.message) << c.templateText;
  }
}

TEST_F(FormatDirectives, VariantOfOtherTypesIsAnInvalidOperation) {
  const std::uint16_t variant[8] = {3};
  const TArgValue arg = variantArg(variant);
  EXPECT_RAISES(formatMessage("%s", TArgList(&arg, 1)), EVariantError, "Invalid variant operation");
}

TEST_F(FormatDirectives, LongDirectiveIsQuotedCutTo31Bytes) {
  // 40 digits of width, then the letter: 31 bytes are quoted.
  const std::string directive = "%" + std::string(40, '1') + "q";
  const TArgValue arg = integerArg(1);
  EXPECT_RAISES(formatMessage(directive, TArgList(&arg, 1)), EConvertError,
                "Format '" + directive.substr(0, 31) + "' invalid or incompatible with argument");
  EXPECT_RAISES(formatMessage(directive, TArgList{}), EConvertError,
                "No argument for format '" + directive.substr(0, 31) + "'");
}

// With a double-byte code page a quoted directive never ends in a lead byte.
class FormatDoubleByteQuote : public ::testing::Test {
 protected:
  void SetUp() override {
    savedLocale_ = sysLocale;
    savedLeadBytes_ = leadBytes;
    sysLocale.farEast = true;
    leadBytes.clear();
    for (int b = 0x81; b <= 0x9F; ++b)
      leadBytes.add(static_cast<unsigned char>(b));
  }
  void TearDown() override {
    sysLocale = savedLocale_;
    leadBytes = savedLeadBytes_;
  }
  FakePlatform fake;

 private:
  TSysLocaleInfo savedLocale_;
  TLeadByteSet savedLeadBytes_;
};

TEST_F(FormatDoubleByteQuote, LeadByteAtTheCutIsDropped) {
  const TArgValue arg = integerArg(1);
  const std::string digits29(29, '7');
  struct Case {
    std::string directive;
    std::string quoted;
  };
  const Case cases[] = {
      // 31 bytes whose last is a lead byte: 30 are quoted.
      {"%" + digits29 + "\x81", "%" + digits29},
      // Cut inside a longer directive: byte 31 is a digit, kept.
      {"%" + digits29 + "77\x81", "%" + digits29 + "7"},
      {"%\x9F", "%"},
      {"%\xA0", "%\xA0"},
  };
  for (const Case& c : cases) {
    EXPECT_RAISES(formatMessage(c.directive, TArgList(&arg, 1)), EConvertError,
                  "Format '" + c.quoted + "' invalid or incompatible with argument");
  }
}

TEST_F(FormatDirectives, ErrorLeavesWhatWasWrittenBefore) {
  char buffer[16] = {};
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_RAISES(formatIntoBuffer(buffer, sizeof buffer, "ab%dcd%d", {integerArg(7)}), EConvertError,
                "No argument for format '%d'");
  EXPECT_EQ(std::string(buffer, 7), "ab7cd##");
}

}  // namespace
}  // namespace bootspan
