// Showing a text to the user, the one way the program does it: in a message
// box, or, for a console program, on standard output.
#pragma once

#include "platform/platform.hpp"

namespace bootspan {

// Shows the zero-terminated `text` through `backend`. On a console
// (`console` true): flushes the program's buffered standard output, then
// writes the text's lines to GetStdHandle(STD_OUTPUT_HANDLE) with WriteFile,
// each ended by CR LF: a line feed inside the text becomes CR LF, and so does
// the end of the text. Otherwise: MessageBoxA with no owner window, `caption`
// and `style`. The results of the platform calls are ignored.
// Example: showText(platform(), true, "Runtime error 216 at 0041C3B0", "Error",
// MB_OK) writes the line and "\r\n"; "two\nlines" gives "two\r\nlines\r\n".
void showText(Platform& backend, bool console, const char* text, const char* caption, UINT style);

}  // namespace bootspan
