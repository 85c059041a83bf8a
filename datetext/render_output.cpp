#include "datetext/render_output.hpp"

#include "format/format.hpp"

namespace bootspan {

void TRenderOutput::appendDigits(std::uint32_t number, std::int32_t minDigits) {
  static constexpr char kDigitsTemplate[] = "%.*d";
  char digits[16];
  const TArgValue args[] = {integerArg(minDigits), integerArg(static_cast<std::int32_t>(number))};
  const std::size_t n =
      formatIntoBuffer(digits, sizeof digits, kDigitsTemplate, sizeof kDigitsTemplate - 1, args);
  appendBytes(digits, n);
}

}  // namespace bootspan
