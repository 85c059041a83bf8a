// Reading one directive of a template:
//   "%" [index ":"] ["-"] [width] ["." precision] letter
// where index, width and precision are digits or "*" (the next argument).
#pragma once

#include <cstddef>
#include <cstdint>

#include "format/format.hpp"
#include "format/format_limits.hpp"

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

namespace directive_detail {

// Reads a number at p: '*' takes the argument at `argCursor` if there is one
// (its value when it is an integer, else 0), digits accumulate (wrapping in
// 32 bits), anything else gives 0 and stays. False when the template ends.
inline bool readNumber(const char*& p, const char* end, TArgList args, std::uint32_t& argCursor,
                       std::uint32_t& n) {
  n = 0;
  if (*p == '*') {
    if (argCursor < args.size()) {
      const TArgValue& a = args[argCursor];
      n = a.kind == argInteger ? static_cast<std::uint32_t>(a.value) : 0;
      ++argCursor;
    }
    ++p;
  } else {
    for (unsigned digit; (digit = static_cast<unsigned char>(*p) - '0') <= 9;) {
      n = n * 10 + digit;
      if (++p == end) return false;
    }
  }
  return p != end;
}

// Reads the index, flag, width and precision from p (after the '%') up to
// the letter into `d`, moving `argCursor` over the arguments that '*' takes.
// False when the template ends first.
inline bool readFields(const char*& p, const char* end, TArgList args, std::uint32_t& argCursor,
                       Directive& d) {
  std::uint32_t n;
  bool starWidth;
  // Each "index:" moves `argCursor`; the flag and width after the last count.
  for (;;) {
    d.leftAlign = *p == '-';
    if (d.leftAlign && ++p == end) return false;
    starWidth = *p == '*';
    if (!readNumber(p, end, args, argCursor, n)) return false;
    if (*p != ':') break;
    argCursor = n;
    if (++p == end) return false;
  }
  // A width from '*' is a signed argument: a negative one left-aligns its
  // magnitude instead of asking for some four billion blanks.
  if (starWidth && static_cast<std::int32_t>(n) < 0) {
    d.leftAlign = true;
    n = 0u - n;
  }
  d.width = n > kMaxFieldWidth ? kMaxFieldWidth : n;
  if (*p != '.') return true;
  if (++p == end || !readNumber(p, end, args, argCursor, n)) return false;
  d.precision = static_cast<std::int32_t>(n);
  return true;
}

}  // namespace directive_detail

// Reads the directive whose '%' is at `percent` (percent + 1 < end, and the
// byte there is no second '%') into `d`; `argCursor` is the index of the next
// argument, which '*' fields take from. False, with `d` unfinished, when the
// template ends before the letter. The argument is not checked against the
// list. Example: "%-8.*s" with argCursor 0 gives left-aligned width 8, the
// precision from argument 0, letter 'S', argument 1.
inline bool parseDirective(const char* percent, const char* end, TArgList args,
                           std::uint32_t argCursor, Directive& d) {
  const char* p = percent + 1;
  d.start = percent;
  d.width = 0;
  d.precision = -1;
  d.leftAlign = false;
  // Most directives are the letter alone. A byte that is no '-', '*', '.',
  // digit or ':' (':' follows '9') starts no field, so reading the fields
  // would only give width 0 and no precision.
  // Next come ".*" and a letter, as in the renderer's "%.*d": the precision
  // is the argument at `argCursor`.
  const auto first = static_cast<unsigned char>(*p);
  if (end - p >= 3 && first == '.' && p[1] == '*') {
    if (argCursor < args.size()) {
      const TArgValue& a = args[argCursor++];
      d.precision =
          a.kind == argInteger ? static_cast<std::int32_t>(static_cast<std::uint32_t>(a.value)) : 0;
    } else {
      d.precision = 0;
    }
    p += 2;
  } else if (first == '-' || first == '*' || first == '.' ||
             static_cast<unsigned char>(first - '0') <= ':' - '0') {
    if (!directive_detail::readFields(p, end, args, argCursor, d)) return false;
  }
  d.letter = static_cast<char>(*p++ & ~0x20);  // case-blind
  d.end = p;
  d.argument = argCursor;
  return true;
}

}  // namespace bootspan
