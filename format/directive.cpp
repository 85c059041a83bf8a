#include "format/directive.hpp"

#include "format/format_limits.hpp"

namespace bootspan {

namespace {

// Reads a number at p: '*' takes the argument at `argCursor` if there is one
// (its value when it is an integer, else 0), digits accumulate (wrapping in
// 32 bits), anything else gives 0 and stays. False when the template ends.
bool readNumber(const char*& p, const char* end, TArgList args, std::uint32_t& argCursor,
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
bool readFields(const char*& p, const char* end, TArgList args, std::uint32_t& argCursor,
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

}  // namespace

bool parseDirective(const char* percent, const char* end, TArgList args, std::uint32_t argCursor,
                    Directive& d) {
  const char* p = percent + 1;
  d.start = percent;
  d.width = 0;
  d.precision = -1;
  d.leftAlign = false;
  if (!readFields(p, end, args, argCursor, d)) return false;
  d.letter = static_cast<char>(*p++ & ~0x20);  // case-blind
  d.end = p;
  d.argument = argCursor;
  return true;
}

}  // namespace bootspan
