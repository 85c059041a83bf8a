#include "platform/posix/money_layout.hpp"

#include <climits>

namespace bootspan {

namespace {

// A POSIX lconv number, with `fallback` for CHAR_MAX ("not given").
int given(char value, int fallback) {
  return value == CHAR_MAX ? fallback : value;
}

// Positive currency orders: 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $".
int currencyOrder(bool symbolFirst, bool blank) {
  if (symbolFirst) return blank ? 2 : 0;
  return blank ? 3 : 1;
}

// Negative currency orders, by POSIX sign position (0 parentheses, 1 sign
// before all, 2 sign after all, 3 sign just before the symbol, 4 sign just
// after the symbol):
//   0 ($1)  1 -$1  2 $-1  3 $1-  4 (1$)  5 -1$  6 1-$  7 1$-
//   8 -1 $  9 -$ 1  10 1 $-  11 $ 1-  12 $ -1  13 1- $  14 ($ 1)  15 (1 $)
int negativeCurrencyOrder(bool symbolFirst, bool blank, int signPosition) {
  static constexpr int kOrders[2][2][5] = {
      // symbol after the number
      {{4, 5, 7, 6, 7}, {15, 8, 10, 13, 10}},
      // symbol before the number
      {{0, 1, 3, 1, 2}, {14, 9, 11, 9, 12}},
  };
  if (signPosition < 0 || signPosition > 4) signPosition = 1;
  return kOrders[symbolFirst ? 1 : 0][blank ? 1 : 0][signPosition];
}

}  // namespace

TMoneyLayout moneyLayoutOf(const lconv& conventions) {
  TMoneyLayout layout;
  layout.order = currencyOrder(given(conventions.p_cs_precedes, 1) != 0,
                               given(conventions.p_sep_by_space, 0) == 1);
  layout.negativeOrder = negativeCurrencyOrder(given(conventions.n_cs_precedes, 1) != 0,
                                               given(conventions.n_sep_by_space, 0) == 1,
                                               given(conventions.n_sign_posn, 1));
  layout.digits = given(conventions.frac_digits, 2);
  return layout;
}

}  // namespace bootspan
