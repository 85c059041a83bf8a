// Allocations of the formatter: only formatMessage's result text.
#include <gtest/gtest.h>

#include <string>

#include "format/float_text.hpp"
#include "format/format_message.hpp"
#include "locale/locale_formats.hpp"
#include "tests/counting_allocator.hpp"

namespace bootspan {
namespace {

using testing::allocationsOf;

TEST(FormatAllocation, MessageAllocatesOnlyItsResult) {
  const std::string word = "3 hours";
  const TArgValue text = textArg(word);
  std::string result;
  // Longer than the small-string buffer: one allocation.
  EXPECT_EQ(allocationsOf([&] {
              result = formatMessage("Your computer was started %s ago", TArgList(&text, 1));
            }),
            1);
  EXPECT_EQ(result, "Your computer was started 3 hours ago");
  std::string shortResult;
  const TArgValue number = integerArg(42);
  EXPECT_EQ(allocationsOf([&] { shortResult = formatMessage("<%d>", TArgList(&number, 1)); }), 0);
  EXPECT_EQ(shortResult, "<42>");
}

TEST(FormatAllocation, BufferAndFloatTextAllocateNothing) {
  const TLocaleFormats saved = localeFormats;
  localeFormats.decimalSeparator = '.';
  localeFormats.thousandSeparator = ',';
  localeFormats.currencySymbol = "EUR";
  const long double v = -1234567.25L;
  const std::int64_t amount = -12345678;
  const std::string word = "text";
  char buffer[256];
  const long n = allocationsOf([&] {
    const TArgValue args[] = {integerArg(-5), pointerArg(buffer),  textArg(word),
                              extendedArg(v), currencyArg(amount), extendedArg(v)};
    formatIntoBuffer(buffer, sizeof buffer, "%5d|%p|%-9s|%.3e|%m|%n",
                     {args[0], args[1], args[2], args[3], args[4], args[5]});
    for (int form = 0; form < 5; ++form) {
      floatToText(buffer, &v, sourceExtended, static_cast<TFloatForm>(form), 15, 2);
      floatToText(buffer, &amount, sourceCurrency, static_cast<TFloatForm>(form), 15, 2);
    }
  });
  localeFormats = saved;
  EXPECT_EQ(n, 0);
}

}  // namespace
}  // namespace bootspan
