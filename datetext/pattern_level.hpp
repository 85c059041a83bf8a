// One level of a date-time pattern: its scan over the tokens, each handed to
// the field it writes into the rendering call's output.
#pragma once

#include <cstdint>
#include <string_view>

#include "datetext/pattern_fields.hpp"
#include "datetext/render_output.hpp"

namespace bootspan {

// Renders one pattern level into `out`; nothing for an empty pattern or
// beyond the nesting limit (the caller's pattern is level 1, one expansion
// inside it level 2). Every scan of the level stops at a zero byte, which
// ends the pattern. Example: "hh:nn" at 13:05 appends "13:05".
void renderPattern(std::string_view pattern, TRenderOutput& out);

// The working state of one pattern level: the token being written and the
// fields of the level.
class TPatternLevel {
 public:
  explicit TPatternLevel(TRenderOutput& out) : out_(out), fields_(out) {}

  // Renders the pattern bytes [p, end), up to a zero byte.
  void walk(const char* p, const char* end);

 private:
  // The token of the starter byte: upper case, and 'N' for an "m" after an
  // "h" (minutes).
  char tokenOf(char starter);
  // Writes the token whose starter is at `at` (its byte already passed, so
  // the rest begins at `p`) and returns where the scan goes on.
  const char* writeToken(char token, const char* at, const char* p, const char* end);
  // Moves `p` past the bytes equal to the starter and sets count_.
  const char* countRepeats(const char* p, const char* end);
  void lookAheadForTwelveHour(const char* p, const char* end);
  const char* quotedLiteral(const char* p, const char* end);
  const char* amPmOrDayName(const char* at, const char* next, const char* end);

  TRenderOutput& out_;
  PatternFields fields_;
  char starter_ = 0;
  char lastLetter_ = ' ';
  std::int32_t count_ = 0;
  bool twelveHour_ = false;
};

}  // namespace bootspan
