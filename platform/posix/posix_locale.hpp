// The locale answers of the Linux backend, derived from the POSIX locale.
//
// Each locale query the system makes is answered from the POSIX locale of its
// category: dates, times and names from LC_TIME, separators from LC_NUMERIC,
// currency fields from LC_MONETARY. Answers are UTF-8 bytes, the ANSI code
// page of the Linux build. README.md ("Linux locale mapping") lists every
// answer and the rule it comes from; the rules live beside this file, one
// job to a file: clock_facts, date_pictures, money_layout, calendar_names,
// codeset_to_utf8, locale_ids and locale_selection.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/posix/locale_selection.hpp"
#include "platform/win_types.hpp"

namespace bootspan {

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
  // Example: answer(lcid(), LOCALE_SDECIMAL) == "," for de_DE.UTF-8.
  std::optional<std::string> answer(LCID locale, LCTYPE type) const;

 private:
  void set(LCTYPE type, std::string text);
  void readTime(const TNamedLocale& time);
  void readNumeric(const TNamedLocale& numeric);
  void readMonetary(const TNamedLocale& monetary);

  LCID lcid_ = 0x0409;
  std::map<LCTYPE, std::string> answers_;
};

// The locale selected by the environment, read once.
const PosixLocale& posixLocale();

}  // namespace bootspan
