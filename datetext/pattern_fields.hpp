// The fields of a pattern level: date and time numbers, names, designators,
// era texts and the settings patterns that some tokens expand to. The day
// value of the rendering call is split into date and time fields once, when
// a field first needs them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "datetext/pattern_bytes.hpp"
#include "datetext/render_output.hpp"

namespace bootspan {

class PatternFields {
 public:
  explicit PatternFields(TRenderOutput& out) : out_(out) {}

  // y, m, d, e and g (the token in upper case), `count` repeats of the letter.
  void writeDate(char token, std::int32_t count);
  // h, n, s and z, `count` repeats of the letter; the hour on the 12-hour
  // clock when `twelveHour`.
  void writeTime(char token, std::int32_t count, bool twelveHour);
  // t and c, `count` repeats: the time or date-and-time patterns of the
  // settings.
  void writeExpansion(char token, std::int32_t count);
  // The am/pm text or day name of `form`, the "a" form at `at`; for
  // AForm::none the byte at `at` itself. Returns the bytes the form takes
  // (0 for AForm::none).
  std::size_t writeAForm(AForm form, const char* at);

 private:
  void ensureDate();
  void ensureTime();

  TRenderOutput& out_;
  bool dateSplit_ = false;
  bool timeSplit_ = false;
  std::uint16_t year_ = 0, month_ = 0, day_ = 0;
  std::uint16_t hour_ = 0, minute_ = 0, second_ = 0, millisecond_ = 0;
};

}  // namespace bootspan
