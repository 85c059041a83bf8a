// The formatter's engine: one pass over the template, writing straight into
// the destination up to its capacity. The template is a sequence of literal
// runs, "%%" and directives; each directive is read whole (parseDirective),
// then its argument is converted and padded (convertDirective).
#include "format/format_engine.hpp"

#include <cstdint>
#include <cstring>

#include "format/directive.hpp"
#include "format/directive_error.hpp"
#include "format/float_field.hpp"
#include "format/integer_fields.hpp"
#include "format/sink.hpp"
#include "format/text_fields.hpp"
#include "resources/string_ids.hpp"

namespace bootspan {

namespace {

// Writes the field of directive `d` for its argument `arg`: at most `room`
// bytes at `to`, and returns their count. Raises EConvertError when the
// letter is unknown or the argument is of a kind the letter does not take.
std::size_t convertDirective(char* to, std::size_t room, const Directive& d, const TArgValue& arg) {
  switch (d.letter) {
    case 'D':
    case 'U':
    case 'X':
      if (arg.kind == argInteger) {
        return integerDirective(to, room, d,
                                static_cast<std::int32_t>(static_cast<std::uint32_t>(arg.value)));
      }
      if (arg.kind == argInt64) {
        return integerDirective(to, room, d, *reinterpret_cast<const std::int64_t*>(arg.value));
      }
      break;
    case 'P':
      if (arg.kind != argPointer) break;
      return pointerField(to, room, d, arg.value);
    case 'S':
      return textField(to, room, d, arg);
    case 'G':
    case 'E':
    case 'F':
    case 'N':
    case 'M':
      return floatField(to, room, d, arg);
    default:
      break;
  }
  raiseDirectiveError(msg::invalidFormat, d.start, d.end);
}

}  // namespace

std::size_t formatIntoBuffer(char* dest, std::size_t capacity, const char* templateBytes,
                             std::size_t templateLength, TArgList args) {
  Sink s{dest, capacity};
  const char* p = templateBytes;
  const char* const end = templateBytes + templateLength;
  std::uint32_t argCursor = 0;  // the next argument
  while (p != end && s.room != 0) {
    // 1. A literal run: the bytes up to the next '%', as many as fit.
    if (*p != '%') {
      const auto* percent = static_cast<const char*>(std::memchr(p, '%', end - p));
      const char* runEnd = percent != nullptr ? percent : end;
      s.put(p, static_cast<std::size_t>(runEnd - p));
      p = runEnd;
      continue;
    }
    if (end - p == 1) break;  // a final lone '%' is dropped
    // 2. "%%": one '%' (the room is at least 1).
    if (p[1] == '%') {
      s.put("%", 1);
      p += 2;
      continue;
    }
    // 3. A directive, read whole, then its argument converted and padded. The
    // template ending inside one drops it.
    Directive d;
    if (!parseDirective(p, end, args, argCursor, d)) break;
    if (d.argument >= args.size()) raiseDirectiveError(msg::noArgument, d.start, d.end);
    s.advance(convertDirective(s.next, s.room, d, args[d.argument]));
    argCursor = d.argument + 1;
    p = d.end;
  }
  return static_cast<std::size_t>(s.next - dest);
}

}  // namespace bootspan
