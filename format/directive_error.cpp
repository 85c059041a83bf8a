#include "format/directive_error.hpp"

#include <cstddef>
#include <cstring>

#include "format/format_engine.hpp"
#include "format/formatted_errors.hpp"
#include "locale/multibyte.hpp"

namespace bootspan {

namespace {

// The longest directive text quoted in an error message.
constexpr std::size_t kQuotedDirectiveMax = 31;

}  // namespace

void raiseDirectiveError(unsigned number, const char* first, const char* last) {
  char quoted[kQuotedDirectiveMax + 1];
  std::size_t n = static_cast<std::size_t>(last - first);
  if (n > kQuotedDirectiveMax) n = kQuotedDirectiveMax;
  std::memcpy(quoted, first, n);
  quoted[n] = '\0';
  if (n > 0 && byteKindInZText(quoted, n - 1) == leadByte) quoted[n - 1] = '\0';
  const TArgValue arg = zTextArg(quoted);
  raiseConvertError(number, TArgList(&arg, 1));
}

}  // namespace bootspan
