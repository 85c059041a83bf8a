// floatToText and floatToDecimal on any 10-byte extended pattern (unnormals,
// pseudo-denormals, NaN payloads and denormals included) and any currency
// amount, in every form, precision and digit count: the text stays within its
// bound, the decimal record keeps its invariants.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "format/float_text.hpp"
#include "fuzz/fuzz_format_args.hpp"
#include "locale/locale_formats.hpp"

using namespace bootspan;
using namespace bootspan::fuzzing;

namespace {

void checkDecimal(const TFloatDecimal& d, TFloatSource source) {
  const std::size_t length = strnlen(d.digits, sizeof d.digits);
  if (length == sizeof d.digits) std::abort();  // not terminated
  if (length > (source == sourceCurrency ? 19u : 18u)) std::abort();
  for (std::size_t i = 0; i < length; ++i) {
    if (d.digits[i] < '0' || d.digits[i] > '9') std::abort();
  }
  if (length > 0 && (d.digits[0] == '0' || d.digits[length - 1] == '0')) std::abort();
  if (d.exponent == kDecimalInfinity || d.exponent == kDecimalNaN) {
    if (length != 0 || source == sourceCurrency) std::abort();
    return;
  }
  if (length == 0 && d.negative) std::abort();
  if (d.exponent < -4970 || d.exponent > 4934) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Reader in(data, size);
  unsigned char value[16] = {};
  for (int i = 0; i < 10; ++i)
    value[i] = in.byte();
  const auto source = static_cast<TFloatSource>(in.byte() & 1);
  const auto form = static_cast<TFloatForm>(in.byte() % 7);
  const int precision = static_cast<std::int8_t>(in.byte());
  const int digits = static_cast<std::int8_t>(in.byte());

  TLocaleFormats& locale = localeFormats;
  locale.decimalSeparator = static_cast<char>(in.byte());
  locale.thousandSeparator = static_cast<char>(in.byte());
  locale.currencyOrder = in.byte();
  locale.negCurrencyOrder = in.byte();
  locale.currencySymbol.assign(in.byte() % 24, '$');

  const std::size_t bound = kFloatTextMaxBytes + locale.currencySymbol.size();
  GuardedBuffer text(bound);
  const std::size_t n = floatToText(text.data(), value, source, form, precision, digits);
  text.checkGuard(0);
  if (n > bound) std::abort();

  checkDecimal(floatToDecimal(value, source, precision, digits), source);
  checkDecimal(floatToDecimal(value, source, 18, 9999), source);
  return 0;
}
