// Translation of the locale's date patterns for the renderer.
#pragma once

#include <string>
#include <string_view>

namespace bootspan {

// The date pattern `pattern` as the renderer should read it, decided by the
// current calendar of the thread's locale (LOCALE_ICALENDARTYPE, asked on
// every call; a failed query or an answer that is not a number reads as 1):
//
// - An era calendar (3, 4 or 5): year letters become era-year letters and the
//   era-name pair is widened, scanning left to right with the first rule that
//   applies: a double-byte character is copied whole; "gg" gives "ggg";
//   "yyyy" gives "eeee"; "yy" gives "ee"; "y" gives "e"; any other byte is
//   copied. Letters match ASCII case-blind, a run cut short by the end of the
//   pattern does not match, and quotes have no special meaning.
//   Example: "gg yy/M/d" gives "ggg ee/M/d"; "yyyyy" gives "eeeee".
// - Otherwise, for a Chinese, Japanese or Korean primary language: the pattern
//   without its letters "G" and "g". Double-byte characters are copied whole,
//   so a trail byte with the value of "g" is kept.
//   Example: "gg yyyy/M/d" gives " yyyy/M/d".
// - Otherwise the pattern unchanged.
std::string translateDatePattern(std::string_view pattern);

}  // namespace bootspan
