// The program's numbered strings as compiled-in data, for the backends that
// have no resource section to read them from.
#pragma once

#include <optional>
#include <string_view>

namespace bootspan {

// The string with number `id`, or nothing when the table has none.
std::optional<std::string_view> builtInString(unsigned id);

}  // namespace bootspan
