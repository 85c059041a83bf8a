// The renderer writes its digits itself rather than through the formatter's
// entry (a clock rendering would fall behind gmtime_r plus strftime); they
// must be exactly what the entry makes of "%.*d", including where the output
// runs out.
#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include "datetext/render_output.hpp"
#include "format/format_engine.hpp"

namespace bootspan {
namespace {

TEST(AppendDigitsTest, MatchesTheFormatterEntryForEveryNumberCountAndRoom) {
  for (const std::int32_t room : {256, 6, 5, 4, 3, 2, 1, 0}) {
    for (std::int32_t minDigits = 0; minDigits <= 6; ++minDigits) {
      for (std::uint32_t number = 0; number <= 65535; ++number) {
        const std::int32_t start = TRenderOutput::kCapacity - room;
        TRenderOutput out;
        out.used = start;
        out.appendDigits(static_cast<std::uint16_t>(number), minDigits);
        char expected[256];
        const std::size_t n = formatIntoBuffer(
            expected, static_cast<std::size_t>(room), "%.*d",
            {integerArg(minDigits), integerArg(static_cast<std::int32_t>(number))});
        ASSERT_EQ(std::string_view(out.buffer + start, static_cast<std::size_t>(out.used - start)),
                  std::string_view(expected, n))
            << number << " with " << minDigits << " digits in " << room << " bytes";
      }
    }
  }
}

}  // namespace
}  // namespace bootspan
