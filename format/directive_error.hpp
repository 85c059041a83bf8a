// The errors a directive raises, quoting its text.
#pragma once

namespace bootspan {

inline constexpr unsigned kInvalidFormatMessage = 65513;  // Format '%s' invalid or incompatible ...
inline constexpr unsigned kNoArgumentMessage = 65514;     // No argument for format '%s'

// Raises EConvertError `number` quoting the directive text [first, last):
// at most 31 bytes, and never ending in the lead byte of a cut character.
// Example: kNoArgumentMessage for "%d" raises "No argument for format '%d'".
[[noreturn, gnu::cold]] void raiseDirectiveError(unsigned number, const char* first,
                                                 const char* last);

}  // namespace bootspan
