// The money layout read from hand-made lconv records, for the combinations no
// installed test locale has.
#include "platform/posix/money_layout.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

namespace bootspan {
namespace {

struct LayoutCase {
  char symbolFirst, blank, negativeSymbolFirst, negativeBlank, signPosition, digits;
  int order, negativeOrder, expectedDigits;
};

TEST(MoneyLayout, FollowsTheLconvFields) {
  constexpr char kNotGiven = CHAR_MAX;
  const LayoutCase cases[] = {
      {1, 0, 1, 0, 1, 2, 0, 1, 2},   // $1, -$1
      {0, 1, 0, 1, 1, 2, 3, 8, 2},   // 1 $, -1 $
      {1, 0, 1, 0, 4, 0, 0, 2, 0},   // $-1, no fraction digits
      {1, 1, 1, 1, 0, 3, 2, 14, 3},  // ($ 1)
      {0, 0, 0, 0, 2, 2, 1, 7, 2},   // 1$-
      {1, 2, 1, 2, 3, 2, 0, 1, 2},   // a blank next to the sign only is no blank
      {0, 1, 0, 1, 9, 2, 3, 8, 2},   // a sign position beyond 4 reads as 1
      {kNotGiven, kNotGiven, kNotGiven, kNotGiven, kNotGiven, kNotGiven, 0, 1, 2},
  };
  for (const LayoutCase& c : cases) {
    lconv conventions{};
    conventions.p_cs_precedes = c.symbolFirst;
    conventions.p_sep_by_space = c.blank;
    conventions.n_cs_precedes = c.negativeSymbolFirst;
    conventions.n_sep_by_space = c.negativeBlank;
    conventions.n_sign_posn = c.signPosition;
    conventions.frac_digits = c.digits;
    const TMoneyLayout layout = moneyLayoutOf(conventions);
    EXPECT_EQ(std::tie(layout.order, layout.negativeOrder, layout.digits),
              std::tie(c.order, c.negativeOrder, c.expectedDigits));
  }
}

}  // namespace
}  // namespace bootspan
