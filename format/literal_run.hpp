// Copying the literal run of a template: the bytes up to the next '%'.
#pragma once

#include <cstddef>

namespace bootspan {

// Copies the bytes at `from` to `to` up to the first '%' or `n` bytes,
// whichever comes first, and returns the count copied. Eight bytes at a time
// while they hold no '%' (a word-wide byte search), then byte by byte.
// Example: "ab%d" with n 4 copies "ab" and gives 2.
std::size_t copyLiteral(char* to, const char* from, std::size_t n);

}  // namespace bootspan
