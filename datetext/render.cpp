#include "datetext/render.hpp"

#include "datetext/pattern_level.hpp"
#include "datetext/render_output.hpp"
#include "locale/locale_formats.hpp"
#include "locale/whole_chars.hpp"

namespace bootspan {

std::string renderDayValue(std::string_view pattern, TDayValue value) {
  TRenderOutput out;
  out.dayValue = value;
  renderPattern(pattern.empty() ? std::string_view("C") : pattern, out);
  auto kept = static_cast<std::size_t>(out.used);
  // A full area may have cut its last character short.
  if (out.used == TRenderOutput::kCapacity) kept = wholeCharsLength(out.buffer, kept);
  return std::string(out.buffer, kept);
}

std::string renderLongTime(TDayValue value) {
  return renderDayValue(localeFormats.longTimePattern, value);
}

}  // namespace bootspan
