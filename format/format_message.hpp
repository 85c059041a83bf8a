// The directive formatter's entries over formatIntoBuffer: a zero-terminated
// result and a result of any length.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "format/format_engine.hpp"

namespace bootspan {

// formatIntoBuffer for a zero-terminated template, with a zero byte stored
// after the result; `dest` must hold maxLength + 1 bytes. Returns dest, or
// nullptr (writing nothing) when dest or the template is null.
char* formatIntoZText(char* dest, std::size_t maxLength, const char* templateText, TArgList args);

// The whole result as a new text, however long: formatted into a 4096-byte
// scratch area first, and into a result of doubling size while the count
// reaches the capacity. Allocates only the result text for templates below
// 3072 bytes whose result fits the scratch area.
std::string formatMessage(std::string_view templateText, TArgList args);

inline std::string formatMessage(std::string_view templateText,
                                 std::initializer_list<TArgValue> args) {
  return formatMessage(templateText, TArgList(args.begin(), args.size()));
}

}  // namespace bootspan
