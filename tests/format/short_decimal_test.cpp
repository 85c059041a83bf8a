// The short-decimal field the scan writes for the date-time renderer's
// numbers, against the general integer field, over every value, precision,
// letter and room it takes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "format/integer_fields.hpp"

namespace bootspan {
namespace {

TEST(ShortDecimal, WritesWhatTheGeneralIntegerFieldWrites) {
  int compared = 0;
  for (const char letter : {'D', 'U', 'X'}) {
    for (std::int32_t precision = -3; precision <= 20; ++precision) {
      for (const std::uint32_t width : {0u, 1u, 3u}) {
        for (std::int32_t value = -2; value <= 120; ++value) {
          Directive d{};
          d.letter = letter;
          d.precision = precision;
          d.width = width;
          if (!isShortDecimal(d, value)) continue;
          for (std::size_t room = 0; room <= 3; ++room) {
            char fast[4], plain[4];
            std::memset(fast, '#', sizeof fast);
            std::memset(plain, '#', sizeof plain);
            const std::size_t n =
                shortDecimalField(fast, room, d, static_cast<std::uint32_t>(value));
            const std::size_t m = integerDirective(plain, room, d, value);
            ASSERT_EQ(n, m) << letter << " " << precision << " " << value << " in " << room;
            ASSERT_EQ(std::string(fast, 4), std::string(plain, 4))
                << letter << " " << precision << " " << value << " in " << room;
            ++compared;
          }
        }
      }
    }
  }
  // d and u of 0..99 with no width and precisions -3..2 and 17..20.
  EXPECT_EQ(compared, 2 * 100 * 10 * 4);
}

}  // namespace
}  // namespace bootspan
