// The money layout of an LC_MONETARY locale in the numbering of the locale
// queries: where the currency symbol goes, how a negative amount is written
// and how many fraction digits it has.
#pragma once

#include <locale.h>

namespace bootspan {

struct TMoneyLayout {
  int order = 0;          // LOCALE_ICURRENCY: 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
  int negativeOrder = 1;  // LOCALE_INEGCURR, 0 to 15
  int digits = 2;         // LOCALE_ICURRDIGITS
};

// The layout the lconv fields p_cs_precedes, p_sep_by_space, n_cs_precedes,
// n_sep_by_space, n_sign_posn and frac_digits describe. A field left at
// CHAR_MAX ("not given", as in the "C" locale) reads as symbol first, no
// blank, sign before all and 2 digits; a blank is only p/n_sep_by_space 1;
// a sign position outside 0..4 reads as 1. Never fails. Example: symbol after
// the amount with a blank, sign before all (de_DE) gives order 3, negative
// order 8, 2 digits.
TMoneyLayout moneyLayoutOf(const lconv& conventions);

}  // namespace bootspan
