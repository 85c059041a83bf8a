#include "platform/posix/posix_locale.hpp"

#include <utility>

#include "platform/posix/calendar_names.hpp"
#include "platform/posix/clock_facts.hpp"
#include "platform/posix/codeset_to_utf8.hpp"
#include "platform/posix/date_pictures.hpp"
#include "platform/posix/locale_ids.hpp"
#include "platform/posix/money_layout.hpp"

namespace bootspan {

namespace {

std::string flag(bool on) {
  return std::string(on ? "1" : "0");
}

}  // namespace

PosixLocale::PosixLocale(const PosixLocaleNames& names) {
  const TNamedLocale time(LC_TIME_MASK, names.time);
  if (time) readTime(time);
  lcid_ = lcidOfLocaleName(time.name());

  const TNamedLocale numeric(LC_NUMERIC_MASK, names.numeric);
  if (numeric) readNumeric(numeric);

  const TNamedLocale monetary(LC_MONETARY_MASK, names.monetary);
  if (monetary) readMonetary(monetary);

  // Fixed for the Linux build: UTF-8 text, the Gregorian calendar only.
  set(LOCALE_IDEFAULTANSICODEPAGE, "65001");
  set(LOCALE_ICALENDARTYPE, "1");
  set(LOCALE_IOPTIONALCALENDAR, "0");
}

void PosixLocale::set(LCTYPE type, std::string text) {
  answers_.insert_or_assign(type, std::move(text));
}

// Dates, times and names: LC_TIME.
void PosixLocale::readTime(const TNamedLocale& time) {
  const TStrftimeFormats formats{time.text(D_T_FMT), time.text(D_FMT), time.text(T_FMT),
                                 time.text(T_FMT_AMPM)};
  const std::string dateSeparator = dateSeparatorOf(formats.date, formats);
  set(LOCALE_SDATE, dateSeparator);
  set(LOCALE_SSHORTDATE, datePicture(formats.date, formats, dateSeparator));
  set(LOCALE_SLONGDATE, longDatePicture(formats.date, formats, dateSeparator));

  const TClockFacts clock = clockFacts(formats);
  set(LOCALE_STIME, clock.timeSeparator);
  set(LOCALE_ITIME, flag(clock.twentyFourHour));
  set(LOCALE_ITLZERO, flag(clock.leadingZero));
  set(LOCALE_ITIMEMARKPOSN, flag(clock.markBeforeTime));
  set(LOCALE_S1159, time.text(AM_STR));
  set(LOCALE_S2359, time.text(PM_STR));

  for (auto& [type, name] : calendarNames([&](nl_item item) { return time.text(item); }))
    set(type, std::move(name));
}

// Separators: LC_NUMERIC.
void PosixLocale::readNumeric(const TNamedLocale& numeric) {
  std::string decimal, thousand;
  numeric.readConventions([&](const lconv& conventions) {
    decimal = toUtf8(conventions.decimal_point, numeric.codeset());
    thousand = toUtf8(conventions.thousands_sep, numeric.codeset());
  });
  // POSIX has no list separator: a decimal comma takes the semicolon.
  set(LOCALE_SLIST, std::string(decimal == "," ? ";" : ","));
  set(LOCALE_SDECIMAL, std::move(decimal));
  set(LOCALE_STHOUSAND, std::move(thousand));
}

// Currency: LC_MONETARY.
void PosixLocale::readMonetary(const TNamedLocale& monetary) {
  std::string symbol;
  TMoneyLayout layout;
  monetary.readConventions([&](const lconv& conventions) {
    symbol = toUtf8(conventions.currency_symbol, monetary.codeset());
    layout = moneyLayoutOf(conventions);
  });
  set(LOCALE_SCURRENCY, std::move(symbol));
  set(LOCALE_ICURRENCY, std::to_string(layout.order));
  set(LOCALE_INEGCURR, std::to_string(layout.negativeOrder));
  set(LOCALE_ICURRDIGITS, std::to_string(layout.digits));
}

std::optional<std::string> PosixLocale::answer(LCID locale, LCTYPE type) const {
  constexpr LCID kUserDefault = 0x0400;
  constexpr LCID kSystemDefault = 0x0800;
  if (locale != lcid_ && locale != 0 && locale != kUserDefault && locale != kSystemDefault) {
    return std::nullopt;
  }
  const auto it = answers_.find(type);
  if (it == answers_.end()) return std::nullopt;
  return it->second;
}

const PosixLocale& posixLocale() {
  static const PosixLocale instance(environmentLocaleNames());
  return instance;
}

}  // namespace bootspan
