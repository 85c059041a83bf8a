// The date pictures of an LC_TIME locale: its D_FMT written in the renderer's
// token language, as short date, long date and date separator.
#pragma once

#include <string>
#include <string_view>

#include "platform/posix/strftime_items.hpp"

namespace bootspan {

// The date picture of the renderer's token language for the strftime format
// `format`: %d -> dd, %e -> d, %m -> MM, %Y -> yyyy, %y -> yy, %b -> MMM,
// %B -> MMMM, %a -> ddd, %A -> dddd (times: %H -> HH, %I -> hh, %M -> nn,
// %S -> ss, %p -> AMPM), with the "-" and "_" flags dropping the leading zero;
// composites are expanded; conversions without a token are left out. Literal
// text made of anything but ASCII punctuation, blanks and digits is quoted, as
// are quotes, ":" and "/" (the latter unless `dateSeparator` is "/").
// Example: datePicture("%Y年%m月%d日", f, "年") == "yyyy'年'MM'月'dd'日'".
std::string datePicture(std::string_view format, const TStrftimeFormats& formats,
                        std::string_view dateSeparator);

// The long date picture built from the short date format: month-day-year
// gives "dddd, MMMM d, yyyy", day-month-year "dddd, d MMMM yyyy" (with
// "d. MMMM" when the date separator is "."), year-month-day "yyyy MMMM d";
// a format with literal text outside ASCII (as in Chinese, Japanese, Korean),
// or without all three fields, is kept in its own order with unpadded numbers
// and a four-digit year. Example: longDatePicture("%m/%y", f, "/") == "M/yyyy".
std::string longDatePicture(std::string_view dateFormat, const TStrftimeFormats& formats,
                            std::string_view dateSeparator);

// The date separator of a strftime date format: the literal text between its
// first two date fields; "/" when there are not two.
// Example: dateSeparatorOf("%Y. %m. %d.", f) == ". ".
std::string dateSeparatorOf(std::string_view dateFormat, const TStrftimeFormats& formats);

}  // namespace bootspan
