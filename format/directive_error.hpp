// The errors a directive raises, quoting its text.
#pragma once

namespace bootspan {

// Raises EConvertError `number` (msg::invalidFormat or msg::noArgument)
// quoting the directive text [first, last): at most 31 bytes, and never
// ending in the lead byte of a cut character.
// Example: msg::noArgument for "%d" raises "No argument for format '%d'".
[[noreturn, gnu::cold]] void raiseDirectiveError(unsigned number, const char* first,
                                                 const char* last);

}  // namespace bootspan
