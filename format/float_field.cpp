#include "format/float_field.hpp"

#include <cstddef>
#include <string>

#include "format/directive_error.hpp"
#include "format/field.hpp"
#include "format/float_text.hpp"
#include "locale/locale_formats.hpp"
#include "resources/string_ids.hpp"

namespace bootspan {

namespace {

// The arguments of floatToText that the letter and precision choose.
struct FloatShape {
  TFloatForm form;
  int precision;
  int decimals;
};

FloatShape floatShape(char letter, std::int32_t given) {
  const bool chosen = given >= 0 && given <= 18;
  switch (letter) {
    case 'G':
    case 'E':
      return {letter == 'G' ? formGeneral : formExponent, chosen ? given : 15, 3};
    case 'F':
    case 'N':
      return {letter == 'F' ? formFixed : formNumber, 18, chosen ? given : 2};
    default:
      return {formMoney, 18, chosen ? given : localeFormats.currencyDigits};
  }
}

}  // namespace

std::size_t floatField(char* to, std::size_t room, const Directive& d, const TArgValue& arg) {
  if (arg.kind != argExtended && arg.kind != argCurrency) {
    raiseDirectiveError(msg::invalidFormat, d.start, d.end);
  }
  const FloatShape shape = floatShape(d.letter, d.precision);
  const TFloatSource source = arg.kind == argCurrency ? sourceCurrency : sourceExtended;
  const auto* value = reinterpret_cast<const void*>(arg.value);
  // The text needs 45 bytes besides the currency symbol, whose length the
  // locale decides.
  const std::size_t needed = kFloatTextMaxBytes + localeFormats.currencySymbol.size();
  char small[128];
  std::string large;
  char* text = small;
  if (needed > sizeof small) {
    large.resize(needed);
    text = large.data();
  }
  const std::size_t n =
      floatToText(text, value, source, shape.form, shape.precision, shape.decimals);
  return writeField(to, room, d, text, n);
}

}  // namespace bootspan
