// Access to the program's numbered strings.
#pragma once

#include <string>

namespace bootspan {

// The string with `number` from the program's string table, at most 1023
// bytes; the empty text when the table has no such string.
std::string loadMessage(unsigned number);

}  // namespace bootspan
