// Multiplying extended values by powers of ten.
#pragma once

namespace bootspan {

// The extended values nearest to 10^k: kPowersOfTenSmall[k] for k in 0..31,
// kPowersOfTenMedium[i] = 10^(32 (i + 1)) for i in 0..14, kPowersOfTenLarge[i]
// = 10^(512 (i + 1)) for i in 0..8.
extern const long double kPowersOfTenSmall[32];
extern const long double kPowersOfTenMedium[15];
extern const long double kPowersOfTenLarge[9];

// value × 10^n for |n| below 5120, by at most three multiplications (or
// divisions for n < 0) with the tables: 10^(|n| mod 32), 10^(32 (|n| / 32 mod
// 16)) and 10^(512 (|n| / 512)), each rounded to nearest in extended precision.
// Example: scaleByPowerOfTen(1.5, 3) == 1500.
long double scaleByPowerOfTen(long double value, int n);

}  // namespace bootspan
