// The power-of-ten tables and scaling by them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <string>

#include "format/power_of_ten.hpp"

namespace bootspan {
namespace {

constexpr bool kExtended = std::numeric_limits<long double>::digits == 64;

long double parsed(int exponent) {
  const std::string text = "1e" + std::to_string(exponent);
  return std::strtold(text.c_str(), nullptr);
}

TEST(PowerOfTen, EveryTableEntryIsTheNearestExtendedValue) {
  if (!kExtended) GTEST_SKIP() << "needs the 80-bit extended type";
  for (int k = 0; k < 32; ++k)
    EXPECT_EQ(kPowersOfTenSmall[k], parsed(k)) << "1e" << k;
  for (int i = 0; i < 15; ++i) {
    EXPECT_EQ(kPowersOfTenMedium[i], parsed(32 * (i + 1))) << "1e" << 32 * (i + 1);
  }
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(kPowersOfTenLarge[i], parsed(512 * (i + 1))) << "1e" << 512 * (i + 1);
  }
}

TEST(PowerOfTen, ScalingUsesUpToThreeFactors) {
  if (!kExtended) GTEST_SKIP();
  struct Case {
    long double value;
    int n;
    long double expected;
  };
  const Case cases[] = {
      {1.5L, 0, 1.5L},
      {1.5L, 3, 1500.0L},
      {1500.0L, -3, 1.5L},
      {1.0L, 31, kPowersOfTenSmall[31]},
      {1.0L, 32, kPowersOfTenMedium[0]},
      {1.0L, 512, kPowersOfTenLarge[0]},
      {1.0L, -512, 1.0L / kPowersOfTenLarge[0]},
      {1.0L, 4932, kPowersOfTenSmall[4] * kPowersOfTenMedium[9] * kPowersOfTenLarge[8]},
      {2.0L, 545, 2.0L * kPowersOfTenSmall[1] * kPowersOfTenMedium[0] * kPowersOfTenLarge[0]},
      {2.0L, -545, 2.0L / kPowersOfTenSmall[1] / kPowersOfTenMedium[0] / kPowersOfTenLarge[0]},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(scaleByPowerOfTen(c.value, c.n), c.expected) << c.n;
  }
  // Across the whole range the result stays within a few units in the last
  // place of the correctly rounded power.
  for (int n = -4930; n <= 4932; n += 13) {
    const long double expected = parsed(n);
    const long double got = scaleByPowerOfTen(1.0L, n);
    EXPECT_NEAR(static_cast<double>((got - expected) / expected), 0.0, 8e-19) << n;
  }
}

}  // namespace
}  // namespace bootspan
