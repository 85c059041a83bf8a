// The locale answers of the Linux backend, derived from the POSIX locale.
//
// Each locale query the system makes is answered from the POSIX locale of its
// category: dates, times and names from LC_TIME, separators from LC_NUMERIC,
// currency fields from LC_MONETARY. Answers are UTF-8 bytes, the ANSI code
// page of the Linux build. README.md ("Linux locale mapping") lists every
// answer and the rule it comes from.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/win_types.hpp"

namespace bootspan {

// The POSIX locale names of the three categories the answers come from.
struct PosixLocaleNames {
  std::string time;      // LC_TIME: patterns, clock, designators, names, locale id
  std::string numeric;   // LC_NUMERIC: decimal, thousand and list separators
  std::string monetary;  // LC_MONETARY: currency symbol, order and digits
};

// The locale name the environment selects for one category: `lcAll`, else the
// category's own variable, else `lang`, each taken only when set and not
// empty; "C" when none is. Example: selectLocaleName(nullptr, "", "de_DE.UTF-8")
// == "de_DE.UTF-8".
std::string selectLocaleName(const char* lcAll, const char* lcCategory, const char* lang);

// The names that the process environment selects (LC_ALL, LC_TIME /
// LC_NUMERIC / LC_MONETARY, LANG).
PosixLocaleNames environmentLocaleNames();

// The locale id standing for a POSIX locale name "language_TERRITORY.codeset
// @modifier": the id of the language and territory when the table knows them,
// else the language's main id, else 0x0409 (also for "C" and "POSIX").
// Example: lcidOfLocaleName("de_AT.UTF-8") == 0x0C07.
LCID lcidOfLocaleName(std::string_view name);

// The strftime formats of an LC_TIME locale that composite conversions
// (%c, %x, %X, %r) stand for.
struct TStrftimeFormats {
  std::string dateTime;  // D_T_FMT
  std::string date;      // D_FMT
  std::string time;      // T_FMT
  std::string amPmTime;  // T_FMT_AMPM; empty means "%I:%M:%S %p"
};

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
// and a four-digit year.
std::string longDatePicture(std::string_view dateFormat, const TStrftimeFormats& formats,
                            std::string_view dateSeparator);

// The date separator of a strftime date format: the literal text between its
// first two date fields; "/" when there are not two.
std::string dateSeparatorOf(std::string_view dateFormat, const TStrftimeFormats& formats);

// What the time formats of a locale say about its clock.
struct TClockFacts {
  bool twentyFourHour = true;       // LOCALE_ITIME
  bool leadingZero = true;          // LOCALE_ITLZERO
  bool markBeforeTime = false;      // LOCALE_ITIMEMARKPOSN
  std::string timeSeparator = ":";  // LOCALE_STIME
};

// The clock of T_FMT (T_FMT_AMPM when T_FMT has no hour): a 12-hour clock when
// its hour is %I or %l or it shows %p / %P; a leading zero for %H (and %T,
// %R), none for %k, %l and %I (POSIX has no unpadded 12-hour conversion, so %I
// is read as the plain 12-hour hour), the flags "-" / "_" drop and "0" forces
// it; the designator stands before the time when %p / %P comes before the hour
// in the 12-hour format (T_FMT on a 12-hour clock, else T_FMT_AMPM); the time
// separator is the literal text between the hour and the minute (":" when the
// format has no hour followed by a minute).
TClockFacts clockFacts(const TStrftimeFormats& formats);

class PosixLocale {
 public:
  // Reads every answer from the named POSIX locales; a name that does not
  // exist on the machine reads as "C".
  explicit PosixLocale(const PosixLocaleNames& names);

  // The locale id standing for the LC_TIME locale.
  LCID lcid() const { return lcid_; }
  // The answer to one locale query, or nothing when the query fails: for an
  // LCTYPE this backend does not answer, or for a locale id other than lcid()
  // and the defaults 0, 0x0400 (user) and 0x0800 (system).
  std::optional<std::string> answer(LCID locale, LCTYPE type) const;

 private:
  LCID lcid_ = 0x0409;
  std::map<LCTYPE, std::string> answers_;
};

// The locale selected by the environment, read once.
const PosixLocale& posixLocale();

}  // namespace bootspan
