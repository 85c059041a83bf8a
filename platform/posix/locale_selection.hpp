// Which POSIX locale answers: the names the environment selects for the
// three categories the answers come from, and the locale object opened from
// such a name.
#pragma once

#include <langinfo.h>
#include <locale.h>

#include <string>

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

// One category of a named POSIX locale, open for reading, with LC_CTYPE so
// that its character set is known. A name that does not exist on the machine,
// or an empty one, opens "C". Released when it goes.
class TNamedLocale {
 public:
  // Example: TNamedLocale(LC_TIME_MASK, "xx_YY").name() == "C".
  TNamedLocale(int categoryMask, const std::string& name);
  ~TNamedLocale();
  TNamedLocale(const TNamedLocale&) = delete;
  TNamedLocale& operator=(const TNamedLocale&) = delete;

  // False only when not even "C" could be opened.
  explicit operator bool() const { return handle_ != locale_t{}; }
  // The name that was opened: the one asked for, or "C".
  const std::string& name() const { return name_; }
  // The locale's character set, as nl_langinfo(CODESET) names it.
  const char* codeset() const;
  // One nl_langinfo item, converted from the locale's character set to UTF-8.
  std::string text(nl_item item) const;

  // Runs `read` on the lconv of the locale (localeconv answers for the
  // calling thread's locale, so the locale is the thread's while it runs).
  template <class F>
  void readConventions(F&& read) const {
    const locale_t previous = uselocale(handle_);
    read(*localeconv());
    uselocale(previous);
  }

 private:
  locale_t handle_ = locale_t{};
  std::string name_;
};

}  // namespace bootspan
