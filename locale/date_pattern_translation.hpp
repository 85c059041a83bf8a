// Translation of the locale's date patterns for the renderer.
#pragma once

#include <string>
#include <string_view>

namespace bootspan {

// The date pattern `pattern` as the renderer should read it. For now every
// pattern is returned unchanged; the era-calendar and Chinese/Japanese/Korean
// rules come with the era support.
std::string translateDatePattern(std::string_view pattern);

}  // namespace bootspan
