// Laying out the decimal digits of a value in the five text forms.
#include "format/float_text.hpp"

#include <cstdint>
#include <cstring>
#include <string_view>

#include "format/digits.hpp"
#include "locale/locale_formats.hpp"

namespace bootspan {

namespace {

// Twenty layouts of five characters: entries 0..3 for amounts that are not
// negative (by currencyOrder), 4..19 for negative ones (4 + negCurrencyOrder).
// '$' is the currency symbol, '*' the number without sign, '@' ends a layout
// early; other characters are copied.
constexpr std::string_view moneyLayouts =
    "$*@@@*$@@@$ *@@* $@@($*)@-$*@@$-*@@$*-@@(*$)@-*$@@*-$@@*$-@@-* $@-$ *@* $-@$ *-@$ -*@*- "
    "$@($ *)(* $)";
static_assert(moneyLayouts.size() == 100);

constexpr int kMaxDecimals = 18;

// The locale fields one call reads.
struct Separators {
  char decimal;
  char thousand;  // 0: no grouping
};

class Writer {
 public:
  Writer(char* dest, const char* digits)
      : start_(dest), p_(dest), digit_(digits), left_(digitCount(digits)) {}

  void put(char c) { *p_++ = c; }
  void put(std::string_view s) {
    std::memcpy(p_, s.data(), s.size());
    p_ += s.size();
  }
  void zeros(int n) {
    for (; n > 0; --n)
      *p_++ = '0';
  }
  // The next digit, or '0' once the digits are used up.
  char take() {
    if (left_ == 0) return '0';
    --left_;
    return *digit_++;
  }
  // The next n digits, '0' for those past the last.
  void take(int n) {
    const std::size_t count =
        static_cast<std::size_t>(n) < left_ ? static_cast<std::size_t>(n) : left_;
    copy(count);
    zeros(n - static_cast<int>(count));
  }
  bool digitsLeft() const { return left_ != 0; }
  void takeRest() { copy(left_); }
  // Decimal digits of n (>= 0), zero-filled in front to `minDigits`.
  void exponentDigits(int n, int minDigits) {
    const auto magnitude = static_cast<std::uint32_t>(n);
    const std::size_t count = digits::decimalCount(magnitude);
    const std::size_t shown = minDigits > static_cast<int>(count) ? minDigits : count;
    digits::writeZeroFilled(p_, magnitude, shown);
    p_ += shown;
  }
  std::size_t written() const { return static_cast<std::size_t>(p_ - start_); }

 private:
  // A decimal holds at most 19 digits (a currency amount's).
  static std::size_t digitCount(const char* digits) {
    constexpr std::size_t kMaxDigits = sizeof(TFloatDecimal::digits) - 2;
    const void* end = std::memchr(digits, '\0', kMaxDigits);
    return end == nullptr ? kMaxDigits
                          : static_cast<std::size_t>(static_cast<const char*>(end) - digits);
  }
  void copy(std::size_t count) {
    std::memcpy(p_, digit_, count);
    p_ += count;
    digit_ += count;
    left_ -= count;
  }

  char* start_;
  char* p_;
  const char* digit_;
  std::size_t left_;  // digits not yet taken
};

void writeGeneral(Writer& w, const TFloatDecimal& d, int precision, Separators sep) {
  if (d.negative) w.put('-');
  const int exponent = d.exponent;
  if (exponent > precision || exponent < -3) {
    w.put(w.take());
    if (w.digitsLeft()) {
      w.put(sep.decimal);
      w.takeRest();
    }
    w.put('E');
    const int shown = exponent - 1;
    if (shown < 0) w.put('-');
    w.exponentDigits(shown < 0 ? -shown : shown, 1);
  } else if (exponent <= 0) {
    w.put('0');
    if (!w.digitsLeft()) return;
    w.put(sep.decimal);
    w.zeros(-exponent);
    w.takeRest();
  } else {
    w.take(exponent);
    if (w.digitsLeft()) {
      w.put(sep.decimal);
      w.takeRest();
    }
  }
}

void writeExponent(Writer& w, const TFloatDecimal& d, int precision, int minDigits,
                   Separators sep) {
  if (d.negative) w.put('-');
  const bool zero = d.digits[0] == '\0';
  w.put(w.take());
  w.put(sep.decimal);
  w.take(precision - 1);
  w.put('E');
  const int shown = zero ? 0 : d.exponent - 1;
  w.put(shown < 0 ? '-' : '+');
  // A digit count of 4 or more asks for no zero fill.
  if (minDigits > 3 || minDigits < 1) minDigits = 1;
  w.exponentDigits(shown < 0 ? -shown : shown, minDigits);
}

// The number without sign: integer part (grouped when `group`), then
// `decimals` decimals.
void writeNumberBody(Writer& w, const TFloatDecimal& d, int decimals, bool group, Separators sep) {
  const int exponent = d.exponent;
  if (exponent <= 0) {
    w.put('0');
  } else {
    if (group && sep.thousand != '\0') {
      // The first group has 1 to 3 digits, every later one 3.
      int size = (exponent - 1) % 3 + 1;  // [1, 3]
      for (int done = 0; done < exponent; size = 3) {
        if (done != 0) w.put(sep.thousand);
        w.take(size);
        done += size;
      }
    } else {
      w.take(exponent);
    }
  }
  if (decimals == 0) return;
  if (sep.decimal != '\0') w.put(sep.decimal);
  int written = 0;
  if (exponent < 0) {
    written = -exponent < decimals ? -exponent : decimals;
    w.zeros(written);
  }
  w.take(decimals - written);
}

void writeMoney(Writer& w, const TFloatDecimal& d, int decimals, Separators sep,
                const TLocaleFormats& locale) {
  std::size_t entry;
  if (d.negative) {
    entry = 4 + (locale.negCurrencyOrder > 15 ? 15 : locale.negCurrencyOrder);
  } else {
    entry = locale.currencyOrder > 3 ? 3 : locale.currencyOrder;
  }
  for (const char c : moneyLayouts.substr(entry * 5, 5)) {
    if (c == '@') break;
    if (c == '$') {
      w.put(locale.currencySymbol);
    } else if (c == '*') {
      writeNumberBody(w, d, decimals, true, sep);
    } else {
      w.put(c);
    }
  }
}

}  // namespace

std::size_t floatToText(char* dest, const void* value, TFloatSource source, TFloatForm form,
                        int precision, int digits) {
  const TLocaleFormats& locale = localeFormats;
  const Separators sep{locale.decimalSeparator, locale.thousandSeparator};

  if (source == sourceCurrency) {
    precision = 19;
  } else if (precision < 2) {
    precision = 2;
  } else if (precision > 18) {
    precision = 18;
  }
  if (digits < 0) digits = 0;
  if (digits > kMaxDecimals && form != formExponent) digits = kMaxDecimals;
  const bool scientificForms = form == formGeneral || form == formExponent;
  const TFloatDecimal d = floatToDecimal(value, source, precision, scientificForms ? 9999 : digits);

  Writer w(dest, d.digits);
  if (d.exponent == kDecimalInfinity) {
    if (d.negative) w.put('-');
    w.put("INF");
    return w.written();
  }
  if (d.exponent == kDecimalNaN) {
    w.put("NAN");
    return w.written();
  }

  if (form > formMoney) form = formGeneral;
  if (form != formExponent && d.exponent > precision) form = formGeneral;
  switch (form) {
    case formExponent:
      writeExponent(w, d, precision, digits, sep);
      break;
    case formFixed:
    case formNumber:
      if (d.negative) w.put('-');
      writeNumberBody(w, d, digits, form == formNumber, sep);
      break;
    case formMoney:
      writeMoney(w, d, digits, sep, locale);
      break;
    default:
      writeGeneral(w, d, precision, sep);
      break;
  }
  return w.written();
}

}  // namespace bootspan
