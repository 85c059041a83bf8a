// Reading one directive of a template:
//   "%" [index ":"] ["-"] [width] ["." precision] letter
// where index, width and precision are digits or "*" (the next argument).
#pragma once

#include <cstddef>
#include <cstdint>

#include "format/format_engine.hpp"

namespace bootspan {

// One directive as read from the template.
struct Directive {
  const char* start;       // its '%'
  const char* end;         // just past its letter
  std::uint32_t argument;  // the index of the argument it converts
  std::uint32_t width;     // 0..kMaxFieldWidth
  std::int32_t precision;  // -1 when none is given
  bool leftAlign;
  char letter;  // upper case: 'D', 'S', ...
};

// Reads the directive whose '%' is at `percent` (percent + 1 < end, and the
// byte there is no second '%') into `d`; `argCursor` is the index of the next
// argument, which '*' fields take from. False, with `d` unfinished, when the
// template ends before the letter. The argument is not checked against the
// list. Example: "%-8.*s" with argCursor 0 gives left-aligned width 8, the
// precision from argument 0, letter 'S', argument 1.
bool parseDirective(const char* percent, const char* end, TArgList args, std::uint32_t argCursor,
                    Directive& d);

}  // namespace bootspan
