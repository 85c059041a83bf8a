// Cutting a text without leaving half a character at the cut.
#pragma once

#include <cstddef>

namespace bootspan {

// The length of the first `length` bytes of `text` without a character that a
// cut at `length` left partial. Where the ANSI code page is UTF-8 (65001), a
// multi-byte sequence that starts within those bytes but does not end within
// them is dropped whole; in any other code page the answer is `length` (a
// double-byte cut keeps its lead byte, as it always has). Only the end is
// looked at: the bytes before the last character are taken as they are.
// Asks the platform for the code page, so call it where a cut happened.
// Example, under UTF-8: wholeCharsLength("ab\xC3\xA9", 3) gives 2 and
// wholeCharsLength("ab\xC3\xA9", 4) gives 4.
std::size_t wholeCharsLength(const char* text, std::size_t length);

}  // namespace bootspan
