#pragma once

#include <string>

#include "platform/win_types.hpp"

namespace bootspan {

constexpr UINT kUtf8CodePage = 65001;

// UTF-16 to UTF-8. A negative length means "up to and including the zero".
// Unpaired surrogates become U+FFFD.
std::string utf16ToUtf8(LPCWSTR text, int length);

}  // namespace bootspan
