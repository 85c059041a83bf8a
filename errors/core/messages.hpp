// Access to the program's numbered strings.
#pragma once

#include <string>

namespace bootspan {

// Room for a numbered string with its terminating zero.
inline constexpr int kMessageSize = 1024;

// Copies the string with number `id` into `buffer`, cut to size - 1 bytes
// (size is taken as at most kMessageSize), and terminates it; returns the
// bytes copied, 0 when there is no such string or `size` is below 1.
// Every string read of the system goes through here. The string comes from
// the companion file (companion_strings.hpp) when one is open, has that
// number, and its text holds the same directives as the program's own string
// of that number (sameDirectives, compared on the cut texts) and no zero
// byte; otherwise it is the program's own. So a translation can neither add
// a string nor change how a template takes its arguments.
// Example: loadString(msg::reportCaption, caption, 64) gives
// "Application Error", or "Anwendungsfehler" beside a German companion.
int loadString(unsigned id, char* buffer, int size);

// The string with `number` (loadString into kMessageSize bytes), at most 1023
// bytes; the empty text when the table has no such string.
std::string loadMessage(unsigned number);

}  // namespace bootspan
