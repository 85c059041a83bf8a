// Reducing an extended value or a currency amount to its significant decimal
// digits, rounded once.
#include "format/float_decimal.hpp"

#include <cstring>
#include <limits>

#include "format/digits.hpp"
#include "format/power_of_ten.hpp"

namespace bootspan {

static_assert(std::numeric_limits<long double>::digits == 64,
              "long double must be the 80-bit extended type");

namespace {

constexpr long double kTenPow17 = 1e17L;
constexpr long double kTenPow18 = 1e18L;  // exact in extended precision
constexpr std::uint64_t kTenPow18Int = 1000000000000000000u;
constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;

// Rounds a value in [0, 2^64) to an integer, nearest with ties to even: adding
// 2^63 leaves no fraction bits in a 64-bit significand.
inline long double roundToInteger(long double x) {
  constexpr long double kShift = 0x1p63L;
  return x < kShift ? (x + kShift) - kShift : x;
}

// A value in [0, 2^63) rounded to the nearest integer (ties to even) as an
// integer: 2^63 + x has exactly that integer as its 64-bit significand, so
// the bits are read instead of converted (which would switch the rounding
// mode twice).
inline std::uint64_t toInteger(long double x) {
  const long double shifted = x + 0x1p63L;
  std::uint64_t significand;
  std::memcpy(&significand, &shifted, sizeof significand);
  return significand - kIntegerBit;
}

void setZero(TFloatDecimal& d) {
  d.exponent = 0;
  d.negative = 0;
  d.digits[0] = '\0';
}

// Cuts `digits` at `length` and drops trailing '0's.
void cutDigits(char* digits, int length) {
  while (length > 0 && digits[length - 1] == '0')
    --length;
  digits[length] = '\0';
}

// The magnitude of an extended bit pattern as a long double that the
// processor accepts as an operand, with the binary exponent of its leading
// bit. Unnormals (exponent field set, integer bit clear) and pseudo-denormals
// denote m × 2^(max(b, 1) − 16446); they are rebuilt as the normal or
// denormal value with the same magnitude, since arithmetic rejects them.
// `significand` must be non-zero and `biased` below 32767.
long double magnitudeOf(std::uint64_t significand, unsigned biased, int& binaryExponent) {
  if (biased == 0) biased = 1;  // denormal and pseudo-denormal scale
  const int leadingZeros = __builtin_clzll(significand);
  binaryExponent = static_cast<int>(biased) - 16383 - leadingZeros;  // [-16445, 16383]
  // Normalise as far as the exponent field allows; what stays unnormal has
  // biased exponent 1 and is exactly the denormal with the same significand.
  const unsigned shift =
      static_cast<unsigned>(leadingZeros) < biased - 1 ? leadingZeros : biased - 1;
  significand <<= shift;
  biased -= shift;
  if ((significand & kIntegerBit) == 0) biased = 0;
  unsigned char bytes[sizeof(long double)] = {};
  std::memcpy(bytes, &significand, 8);
  const auto top = static_cast<std::uint16_t>(biased);
  std::memcpy(bytes + 8, &top, 2);
  long double result;
  std::memcpy(&result, bytes, sizeof result);
  return result;
}

// Rounds the 18 digits of `d` (whose exponent is set) at 0-based position k,
// half away from zero, and finishes the result.
void roundDigits(TFloatDecimal& d, bool negative, int precision, int decimals) {
  char* const digits = d.digits;
  int k = d.exponent + decimals;
  if (k < 0) {
    setZero(d);
    return;
  }
  if (k > precision) k = precision;
  if (k >= 18) {
    k = 18;
  } else if (digits[k] >= '5') {
    // Carry into the digits before k; a digit that overflows is cut too.
    int i = k - 1;
    while (i >= 0 && digits[i] == '9')
      --i;
    if (i < 0) {
      digits[0] = '1';
      digits[1] = '\0';
      ++d.exponent;
    } else {
      ++digits[i];
      digits[i + 1] = '\0';
    }
    d.negative = negative;
    return;
  }
  cutDigits(digits, k);
  d.negative = digits[0] != '\0' && negative;
}

// Writes the 18 digits of n in [10^17, 10^18) as two 9-digit halves, which
// 32-bit arithmetic handles.
void writeEighteenDigits(char* out, std::uint64_t n) {
  digits::writeNineDigits(out, static_cast<std::uint32_t>(n / 1000000000));
  digits::writeNineDigits(out + 9, static_cast<std::uint32_t>(n % 1000000000));
}

// The results are built in place in the caller's record: the digits are
// written byte by byte, and copying the record afterwards would read them
// back as words before the stores have landed.
void extendedToDecimal(TFloatDecimal& d, const void* value, int precision, int decimals) {
  unsigned char bytes[10];
  std::memcpy(bytes, value, 10);
  std::uint64_t significand;
  std::uint16_t signAndExponent;
  std::memcpy(&significand, bytes, 8);
  std::memcpy(&signAndExponent, bytes + 8, 2);
  const bool negative = (signAndExponent & 0x8000) != 0;
  const unsigned biased = signAndExponent & 0x7FFF;

  if (biased == 0x7FFF) {
    setZero(d);
    if ((significand & kIntegerBit) == 0 || significand == kIntegerBit) {
      d.exponent = kDecimalInfinity;
      d.negative = negative;
    } else {
      d.exponent = kDecimalNaN;
    }
    return;
  }
  if (significand == 0) {  // zeros, also pseudo-zeros
    setZero(d);
    return;
  }

  int binaryExponent;
  const long double magnitude = magnitudeOf(significand, biased, binaryExponent);
  // Decimal exponent estimate: 19728 / 65536 is just below log10 2, so the
  // estimate is the true exponent or one off in either direction.
  int exponent = ((binaryExponent * 19728) >> 16) + 1;
  long double x = scaleByPowerOfTen(magnitude, 18 - exponent);
  if (x < kTenPow17) {
    // The estimate was one too high (possible for tiny magnitudes): scale the
    // unrounded value once more rather than lose the last digit.
    x *= 10;
    --exponent;
  }
  x = roundToInteger(x);
  if (x >= kTenPow18) {
    x /= 10;
    ++exponent;
  }
  std::uint64_t scaled = toInteger(x);
  if (scaled >= kTenPow18Int) {
    // Rounding carried into a 19th digit; the value is 10^18 exactly then.
    scaled /= 10;
    ++exponent;
  }
  writeEighteenDigits(d.digits, scaled);
  d.digits[18] = '\0';
  d.exponent = static_cast<std::int16_t>(exponent);
  roundDigits(d, negative, precision, decimals);
}

void currencyToDecimal(TFloatDecimal& d, const void* value, int decimals) {
  std::int64_t amount;
  std::memcpy(&amount, value, sizeof amount);
  if (amount == 0) {
    setZero(d);
    return;
  }
  const bool negative = amount < 0;
  std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(amount)
                                     : static_cast<std::uint64_t>(amount);  // [1, 2^63]
  if (decimals < 0) decimals = 0;
  if (decimals > 4) decimals = 4;
  if (decimals < 4) {
    // One division in extended precision, rounded to nearest, ties to even:
    // 0.125 to 2 decimals gives 0.12.
    const long double q =
        static_cast<long double>(magnitude) / kPowersOfTenSmall[4 - decimals];  // < 2^63
    magnitude = toInteger(q);
    if (magnitude == 0) {
      setZero(d);
      return;
    }
  }
  const auto count = static_cast<int>(digits::putDecimal(d.digits, magnitude));  // at most 19
  d.exponent = static_cast<std::int16_t>(count - decimals);
  d.negative = negative;
  cutDigits(d.digits, count);
}

}  // namespace

TFloatDecimal floatToDecimal(const void* value, TFloatSource source, int precision, int decimals) {
  // Bounds that keep the rounding position inside the digits and the
  // arithmetic far from overflow; callers pass 0..18 and 0..9999.
  if (precision < 0) precision = 0;
  if (decimals > 9999) decimals = 9999;
  if (decimals < -9999) decimals = -9999;
  TFloatDecimal d;
  if (source == sourceCurrency) {
    currencyToDecimal(d, value, decimals);
  } else {
    extendedToDecimal(d, value, precision, decimals);
  }
  return d;
}

}  // namespace bootspan
