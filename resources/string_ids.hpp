// The names of the program's numbered strings, from resources/strings.inc:
// msg::outOfMemory is 65521 ("Out of memory"), msg::january 65478. Code,
// tests and fuzz targets name a string by these, never by its number.
#pragma once

namespace bootspan::msg {

enum : unsigned {
#define BOOTSPAN_STRING(id, name, text) name = id,
#include "resources/strings.inc"
#undef BOOTSPAN_STRING
};

}  // namespace bootspan::msg
