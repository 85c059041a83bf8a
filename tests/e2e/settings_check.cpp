// Loads the format settings through the real Windows calls and checks every
// field against the locale's raw answers, read here independently of the
// loader. With an era calendar it also checks the era data against the
// platform's enumeration and the era tokens of the renderer against
// GetDateFormatA with the alternate calendar, in the same run.
//
// Prints one line per mismatch and "PASS" or "FAIL"; exits 1 on a mismatch.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "datetext/render.hpp"
#include "locale/locale_formats.hpp"
#include "locale/locale_loader.hpp"
#include "locale/sys_locale.hpp"

namespace {

using bootspan::localeFormats;

int failures = 0;

void expect(bool ok, const std::string& what, const std::string& got, const std::string& want) {
  if (ok) return;
  ++failures;
  std::printf("MISMATCH %s: got [%s] want [%s]\n", what.c_str(), got.c_str(), want.c_str());
}

void expectText(const std::string& what, const std::string& got, const std::string& want) {
  expect(got == want, what, got, want);
}

LCID locale() {
  return GetThreadLocale();
}

// The raw answer without its terminator, or nothing when the query fails.
std::optional<std::string> raw(LCTYPE type) {
  char buffer[4096];
  const int n = GetLocaleInfoA(locale(), type, buffer, sizeof buffer);
  if (n <= 0) return std::nullopt;
  return std::string(buffer, n - 1);
}

// A text setting: the answer when it fits 255 bytes, else the default.
std::string text(LCTYPE type, const std::string& fallback) {
  auto answer = raw(type);
  return answer && answer->size() <= 255 ? *answer : fallback;
}

// A one-byte setting: only a one-byte (or empty) answer is taken.
char character(LCTYPE type, char fallback) {
  auto answer = raw(type);
  if (!answer || answer->size() > 1) return fallback;
  return answer->empty() ? '\0' : (*answer)[0];
}

// A small number: plain decimal digits, anything else reads 0.
int number(LCTYPE type) {
  const std::string t = text(type, "0");
  if (t.empty() || t.find_first_not_of("0123456789") != std::string::npos) return 0;
  return std::atoi(t.c_str());
}

bool isLead(char c) {
  return IsDBCSLeadByte(static_cast<BYTE>(c)) != 0;
}

bool eraCalendar(int id) {
  return id == 3 || id == 4 || id == 5;
}

std::string lower(std::string s) {
  for (char& c : s)
    c = (c >= 'A' && c <= 'Z') ? c + 32 : c;
  return s;
}

// The date-pattern translation, written from its rules.
std::string translated(const std::string& pattern) {
  const int calendar = std::atoi(text(LOCALE_ICALENDARTYPE, "1").c_str());
  const WORD language = PRIMARYLANGID(LANGIDFROMLCID(locale()));
  std::string out;
  if (eraCalendar(calendar)) {
    for (size_t i = 0; i < pattern.size();) {
      if (isLead(pattern[i]) && i + 1 < pattern.size()) {
        out += pattern.substr(i, 2);
        i += 2;
      } else if (lower(pattern.substr(i, 2)) == "gg") {
        out += "ggg";
        i += 2;
      } else if (lower(pattern.substr(i, 4)) == "yyyy") {
        out += "eeee";
        i += 4;
      } else if (lower(pattern.substr(i, 2)) == "yy") {
        out += "ee";
        i += 2;
      } else if (pattern[i] == 'y' || pattern[i] == 'Y') {
        out += "e";
        i += 1;
      } else {
        out += pattern[i++];
      }
    }
    return out;
  }
  if (language == LANG_CHINESE || language == LANG_JAPANESE || language == LANG_KOREAN) {
    for (size_t i = 0; i < pattern.size(); ++i) {
      if (isLead(pattern[i]) && i + 1 < pattern.size()) {
        out += pattern.substr(i++, 2);
      } else if (pattern[i] != 'g' && pattern[i] != 'G') {
        out += pattern[i];
      }
    }
    return out;
  }
  return pattern;
}

std::string nameOr(LCTYPE type, const char* english) {
  const std::string answer = text(type, "");
  return answer.empty() ? english : answer;
}

void checkFields() {
  const auto& f = localeFormats;
  expectText("currencySymbol", f.currencySymbol, text(LOCALE_SCURRENCY, ""));
  expect(f.currencyOrder == (number(LOCALE_ICURRENCY) & 0xFF), "currencyOrder",
         std::to_string(f.currencyOrder), std::to_string(number(LOCALE_ICURRENCY)));
  expect(f.negCurrencyOrder == (number(LOCALE_INEGCURR) & 0xFF), "negCurrencyOrder",
         std::to_string(f.negCurrencyOrder), std::to_string(number(LOCALE_INEGCURR)));
  expect(f.currencyDigits == (number(LOCALE_ICURRDIGITS) & 0xFF), "currencyDigits",
         std::to_string(f.currencyDigits), std::to_string(number(LOCALE_ICURRDIGITS)));
  const struct {
    const char* name;
    char got;
    LCTYPE type;
    char fallback;
  } characters[] = {
      {"thousandSeparator", f.thousandSeparator, LOCALE_STHOUSAND, ','},
      {"decimalSeparator", f.decimalSeparator, LOCALE_SDECIMAL, '.'},
      {"dateSeparator", f.dateSeparator, LOCALE_SDATE, '/'},
      {"timeSeparator", f.timeSeparator, LOCALE_STIME, ':'},
      {"listSeparator", f.listSeparator, LOCALE_SLIST, ','},
  };
  for (const auto& c : characters) {
    const char want = character(c.type, c.fallback);
    expect(c.got == want, c.name, std::string(1, c.got), std::string(1, want));
  }
  expectText("amDesignator", f.amDesignator, text(LOCALE_S1159, "am"));
  expectText("pmDesignator", f.pmDesignator, text(LOCALE_S2359, "pm"));

  const std::string hour = number(LOCALE_ITLZERO) != 0 ? "hh" : "h";
  std::string prefix, suffix;
  if (number(LOCALE_ITIME) == 0) {
    (number(LOCALE_ITIMEMARKPOSN) != 0 ? prefix : suffix) =
        number(LOCALE_ITIMEMARKPOSN) != 0 ? "AMPM " : " AMPM";
  }
  expectText("shortTimePattern", f.shortTimePattern, prefix + hour + ":mm" + suffix);
  expectText("longTimePattern", f.longTimePattern, prefix + hour + ":mm:ss" + suffix);

  expectText("shortDatePattern", f.shortDatePattern, translated(text(LOCALE_SSHORTDATE, "m/d/yy")));
  expectText("longDatePattern", f.longDatePattern,
             translated(text(LOCALE_SLONGDATE, "mmmm d, yyyy")));

  static const char* const shortMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  static const char* const longMonths[] = {"January",   "February", "March",    "April",
                                           "May",       "June",     "July",     "August",
                                           "September", "October",  "November", "December"};
  for (int m = 1; m <= 12; ++m) {
    expectText("shortMonthNames " + std::to_string(m), f.shortMonthNames[m],
               nameOr(LOCALE_SABBREVMONTHNAME1 + m - 1, shortMonths[m - 1]));
    expectText("longMonthNames " + std::to_string(m), f.longMonthNames[m],
               nameOr(LOCALE_SMONTHNAME1 + m - 1, longMonths[m - 1]));
  }
  static const char* const shortDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static const char* const longDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                         "Thursday", "Friday", "Saturday"};
  for (int d = 1; d <= 7; ++d) {
    const int localeDay = (d + 5) % 7;  // the locale counts from Monday
    expectText("shortDayNames " + std::to_string(d), f.shortDayNames[d],
               nameOr(LOCALE_SABBREVDAYNAME1 + localeDay, shortDays[d - 1]));
    expectText("longDayNames " + std::to_string(d), f.longDayNames[d],
               nameOr(LOCALE_SDAYNAME1 + localeDay, longDays[d - 1]));
  }
}

std::vector<std::string> enumerated;
BOOL CALLBACK collect(LPSTR value) {
  enumerated.emplace_back(value);
  return TRUE;
}

// Days from 30 December 1899 to the given civil date.
double dayValue(int y, int m, int d) {
  y -= m <= 2;
  const int era = y / 400;
  const int yoe = y - era * 400;
  const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468 + 25569;  // 25569: 1 January 1970
}

std::string altCalendar(int y, int m, int d, const char* picture) {
  SYSTEMTIME date{};
  date.wYear = y;
  date.wMonth = m;
  date.wDay = d;
  char buffer[256];
  const int n = GetDateFormatA(locale(), DATE_USE_ALT_CALENDAR, &date, picture, buffer, 256);
  return n > 0 ? std::string(buffer) : std::string();
}

// Byte lengths of the characters of `s`.
std::vector<std::string> characters(const std::string& s) {
  std::vector<std::string> out;
  for (size_t i = 0; i < s.size();) {
    const size_t n = isLead(s[i]) && i + 1 < s.size() ? 2 : 1;
    out.push_back(s.substr(i, n));
    i += n;
  }
  return out;
}

void checkEras() {
  const bool farEast = bootspan::sysLocale.farEast;
  const int optional = std::atoi(text(LOCALE_IOPTIONALCALENDAR, "1").c_str());
  std::printf("farEast=%d optionalCalendar=%d\n", farEast ? 1 : 0, optional);
  std::vector<std::string> names, offsets;
  if (farEast && eraCalendar(optional)) {
    enumerated.clear();
    EnumCalendarInfoA(collect, locale(), optional, CAL_SERASTRING);
    names = enumerated;
    enumerated.clear();
    EnumCalendarInfoA(collect, locale(), optional, CAL_IYEAROFFSETRANGE);
    offsets = enumerated;
  }
  size_t slot = 1;
  for (const std::string& name : names) {
    if (name.empty()) continue;
    if (slot > 7) break;
    expectText("eraNames " + std::to_string(slot), localeFormats.eraNames[slot], name);
    ++slot;
  }
  for (; slot <= 7; ++slot)
    expectText("eraNames free", localeFormats.eraNames[slot], "");
  for (size_t i = 0; i < 7; ++i) {
    const int want = i < offsets.size() ? std::atoi(offsets[i].c_str()) : names.empty() ? 0 : -1;
    expect(localeFormats.eraYearOffsets[i + 1] == want, "eraYearOffsets " + std::to_string(i + 1),
           std::to_string(localeFormats.eraYearOffsets[i + 1]), std::to_string(want));
  }

  // The renderer's era tokens against the platform's own era texts.
  const WORD language = PRIMARYLANGID(LANGIDFROMLCID(locale()));
  const WORD sub = SUBLANGID(LANGIDFROMLCID(locale()));
  const int dates[][3] = {{1989, 1, 7}, {1989, 1, 8}, {2019, 5, 1}, {2023, 3, 15}, {1950, 6, 1}};
  for (const auto& d : dates) {
    const double value = dayValue(d[0], d[1], d[2]);
    const std::string where =
        std::to_string(d[0]) + "-" + std::to_string(d[1]) + "-" + std::to_string(d[2]);
    const std::string name = altCalendar(d[0], d[1], d[2], "gg");
    expectText("gg " + where, bootspan::renderDayValue("gg", value), name);
    std::string shortName = name;
    auto chars = characters(name);
    if (language == LANG_JAPANESE && !chars.empty()) {
      shortName = chars[0];
    } else if (language == LANG_CHINESE && sub == SUBLANG_CHINESE_TRADITIONAL &&
               chars.size() == 4) {
      shortName = chars[2] + chars[3];
    }
    expectText("g " + where, bootspan::renderDayValue("g", value), shortName);
    const std::string year2 = altCalendar(d[0], d[1], d[2], "yy");
    expectText("ee " + where, bootspan::renderDayValue("ee", value), year2);
    expectText("e " + where, bootspan::renderDayValue("e", value),
               !year2.empty() && year2[0] == '0' ? year2.substr(1) : year2);
    expectText("eeee " + where, bootspan::renderDayValue("eeee", value),
               altCalendar(d[0], d[1], d[2], "yyyy"));
    std::printf("era texts %s: gg=[%s] yy=[%s]\n", where.c_str(), name.c_str(), year2.c_str());
  }
}

}  // namespace

int main() {
  bootspan::loadPlatformInfo();
  bootspan::loadLocaleFormats();
  std::printf("locale=%04lX codepage=%u leadBytes=%zu\n", static_cast<unsigned long>(locale()),
              GetACP(), bootspan::leadBytes.count());
  checkFields();
  checkEras();
  bootspan::releaseLocaleFormats();
  std::printf(failures == 0 ? "PASS\n" : "FAIL (%d mismatches)\n", failures);
  return failures == 0 ? 0 : 1;
}
