#include "datetext/render.hpp"

#include "datetext/pattern_level.hpp"
#include "datetext/render_output.hpp"
#include "locale/locale_formats.hpp"

namespace bootspan {

std::string renderDayValue(std::string_view pattern, TDayValue value) {
  TRenderOutput out;
  out.dayValue = value;
  renderPattern(pattern.empty() ? std::string_view("C") : pattern, out);
  return std::string(out.buffer, static_cast<std::size_t>(out.used));
}

std::string renderLongTime(TDayValue value) {
  return renderDayValue(localeFormats.longTimePattern, value);
}

}  // namespace bootspan
