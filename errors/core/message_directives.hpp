// Comparing the directives of two message templates, so that a translated
// template is used only when it takes the same arguments in the same way.
#pragma once

#include <string_view>

namespace bootspan {

// True when `a` and `b` hold the same sequence of directives, byte for byte.
// A directive runs from its '%' through its type letter by the formatter's
// grammar: '%' [index ':'] ['-'] [width] ['.' precision] letter, where index,
// width and precision are digits or '*', and an index may repeat; "%%" is no
// directive. A directive the text ends inside counts as one, up to the end.
// Texts other than directives may differ freely. Never fails.
// Example: sameDirectives("No argument for format '%s'",
// "Kein Argument für Format '%s'") is true; against "'%1:s'", "'%d'" or
// "'%*s'" it is false.
bool sameDirectives(std::string_view a, std::string_view b);

}  // namespace bootspan
