#include "platform/posix/posix_locale.hpp"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace bootspan {

namespace {

// ---------------------------------------------------------------------------
// strftime formats as a list of literal texts and conversions

struct TFormatItem {
  bool isConversion = false;
  char conversion = 0;  // the conversion letter, for a conversion
  char flag = 0;        // '-', '_', '0', '^', '#' or 0
  std::string literal;  // the text, for a literal
};

using TFormatItems = std::vector<TFormatItem>;

// Composites inside composites are expanded this deep; a locale whose %X says
// %X again ends there instead of looping.
constexpr int kMaxExpansionDepth = 4;

void appendLiteral(TFormatItems& items, std::string_view text) {
  if (text.empty()) return;
  if (!items.empty() && !items.back().isConversion) {
    items.back().literal += text;
  } else {
    TFormatItem item;
    item.literal = std::string(text);
    items.push_back(std::move(item));
  }
}

void parseInto(TFormatItems& items, std::string_view format, const TStrftimeFormats& formats,
               int depth);

// The format a composite conversion stands for, or nothing for a plain one.
std::optional<std::string> compositeOf(char conversion, const TStrftimeFormats& formats) {
  switch (conversion) {
    case 'D':
      return "%m/%d/%y";
    case 'F':
      return "%Y-%m-%d";
    case 'T':
      return "%H:%M:%S";
    case 'R':
      return "%H:%M";
    case 'r':
      return formats.amPmTime.empty() ? "%I:%M:%S %p" : formats.amPmTime;
    case 'x':
      return formats.date;
    case 'X':
      return formats.time;
    case 'c':
      return formats.dateTime;
    default:
      return std::nullopt;
  }
}

void parseInto(TFormatItems& items, std::string_view format, const TStrftimeFormats& formats,
               int depth) {
  std::size_t i = 0;
  while (i < format.size()) {
    const std::size_t percent = format.find('%', i);
    if (percent == std::string_view::npos) {
      appendLiteral(items, format.substr(i));
      return;
    }
    appendLiteral(items, format.substr(i, percent - i));
    std::size_t j = percent + 1;
    char flag = 0;
    while (j < format.size() && std::strchr("_-0^#", format[j]) != nullptr)
      flag = format[j++];
    while (j < format.size() && format[j] >= '0' && format[j] <= '9')
      ++j;  // field width
    while (j < format.size() && (format[j] == 'E' || format[j] == 'O'))
      ++j;                     // alternatives
    if (j >= format.size()) {  // a "%" that ends the format stands for itself
      appendLiteral(items, format.substr(percent));
      return;
    }
    const char conversion = format[j];
    i = j + 1;
    if (conversion == '%') {
      appendLiteral(items, "%");
    } else if (conversion == 'n') {
      appendLiteral(items, "\n");
    } else if (conversion == 't') {
      appendLiteral(items, "\t");
    } else if (auto composite = compositeOf(conversion, formats)) {
      if (depth < kMaxExpansionDepth) parseInto(items, *composite, formats, depth + 1);
    } else {
      TFormatItem item;
      item.isConversion = true;
      item.conversion = conversion;
      item.flag = flag;
      items.push_back(std::move(item));
    }
  }
}

TFormatItems parseFormat(std::string_view format, const TStrftimeFormats& formats) {
  TFormatItems items;
  parseInto(items, format, formats, 0);
  return items;
}

// ---------------------------------------------------------------------------
// Date pictures

enum class TDateField { none, day, month, year };

TDateField dateFieldOf(const TFormatItem& item) {
  if (!item.isConversion) return TDateField::none;
  switch (item.conversion) {
    case 'd':
    case 'e':
      return TDateField::day;
    case 'm':
    case 'b':
    case 'B':
    case 'h':
      return TDateField::month;
    case 'y':
    case 'Y':
    case 'g':
    case 'G':
      return TDateField::year;
    default:
      return TDateField::none;
  }
}

bool unpadded(const TFormatItem& item) {
  return item.flag == '-' || item.flag == '_';
}

// The picture tokens of one conversion; empty when the renderer has none.
std::string tokenOf(const TFormatItem& item, bool plainNumbers) {
  const bool noZero = plainNumbers || unpadded(item);
  switch (item.conversion) {
    case 'd':
      return noZero ? "d" : "dd";
    case 'e':
      return "d";
    case 'm':
      return noZero ? "M" : "MM";
    case 'y':
    case 'g':
      return plainNumbers ? "yyyy" : "yy";
    case 'Y':
    case 'G':
      return "yyyy";
    case 'b':
    case 'h':
      return "MMM";
    case 'B':
      return "MMMM";
    case 'a':
      return "ddd";
    case 'A':
      return "dddd";
    case 'H':
      return noZero ? "H" : "HH";
    case 'k':
      return "H";
    case 'I':
      return noZero ? "h" : "hh";
    case 'l':
      return "h";
    case 'M':
      return noZero ? "n" : "nn";  // "n" is always the minute, "m" may be the month
    case 'S':
      return noZero ? "s" : "ss";
    case 'p':
    case 'P':
      return "AMPM";
    default:
      return "";
  }
}

// Whether the renderer copies byte `c` of a literal as it stands.
bool inertInPicture(unsigned char c, bool slashIsSeparator) {
  if (c >= 0x80 || c < 0x20) return false;
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return false;
  if (c == '\'' || c == '"' || c == ':') return false;
  if (c == '/') return slashIsSeparator;
  return true;
}

// `text` as a literal of the picture: bare when every byte stands for itself,
// else in single quotes (a single quote itself in double quotes).
std::string quoteLiteral(std::string_view text, bool slashIsSeparator) {
  if (std::all_of(text.begin(), text.end(), [&](char c) {
        return inertInPicture(static_cast<unsigned char>(c), slashIsSeparator);
      })) {
    return std::string(text);
  }
  std::string out;
  bool open = false;
  for (char c : text) {
    if (c == '\'') {
      if (open) out += '\'';
      open = false;
      out += "\"'\"";
    } else {
      if (!open) out += '\'';
      open = true;
      out += c;
    }
  }
  if (open) out += '\'';
  return out;
}

std::string pictureOf(const TFormatItems& items, std::string_view dateSeparator,
                      bool plainNumbers) {
  const bool slashIsSeparator = dateSeparator == "/";
  std::string picture;
  for (const TFormatItem& item : items) {
    picture += item.isConversion ? tokenOf(item, plainNumbers)
                                 : quoteLiteral(item.literal, slashIsSeparator);
  }
  return picture;
}

bool hasNonAsciiLiteral(const TFormatItems& items) {
  return std::any_of(items.begin(), items.end(), [](const TFormatItem& item) {
    return !item.isConversion && std::any_of(item.literal.begin(), item.literal.end(), [](char c) {
      return static_cast<unsigned char>(c) >= 0x80;
    });
  });
}

// ---------------------------------------------------------------------------
// Clock

bool isHour(const TFormatItem& item) {
  return item.isConversion && std::strchr("HkIl", item.conversion) != nullptr;
}
bool isMark(const TFormatItem& item) {
  return item.isConversion && (item.conversion == 'p' || item.conversion == 'P');
}
bool hasHour(const TFormatItems& items) {
  return std::any_of(items.begin(), items.end(), isHour);
}

// ---------------------------------------------------------------------------
// Locale ids

struct TLocaleIdRow {
  const char* name;  // "ll" (the language's main id) or "ll_TT"
  LCID id;
};

constexpr TLocaleIdRow kLocaleIds[] = {
    {"ar", 0x0401},    {"ar_SA", 0x0401}, {"ar_EG", 0x0C01}, {"bg", 0x0402},    {"ca", 0x0403},
    {"zh", 0x0804},    {"zh_TW", 0x0404}, {"zh_CN", 0x0804}, {"zh_HK", 0x0C04}, {"zh_SG", 0x1004},
    {"zh_MO", 0x1404}, {"cs", 0x0405},    {"da", 0x0406},    {"de", 0x0407},    {"de_DE", 0x0407},
    {"de_CH", 0x0807}, {"de_AT", 0x0C07}, {"de_LU", 0x1007}, {"de_LI", 0x1407}, {"de_BE", 0x0407},
    {"el", 0x0408},    {"en", 0x0409},    {"en_US", 0x0409}, {"en_GB", 0x0809}, {"en_AU", 0x0C09},
    {"en_CA", 0x1009}, {"en_NZ", 0x1409}, {"en_IE", 0x1809}, {"en_ZA", 0x1C09}, {"en_IN", 0x4009},
    {"en_SG", 0x4809}, {"es", 0x0C0A},    {"es_ES", 0x0C0A}, {"es_MX", 0x080A}, {"es_AR", 0x2C0A},
    {"es_CL", 0x340A}, {"es_CO", 0x240A}, {"es_US", 0x540A}, {"fi", 0x040B},    {"fr", 0x040C},
    {"fr_FR", 0x040C}, {"fr_BE", 0x080C}, {"fr_CA", 0x0C0C}, {"fr_CH", 0x100C}, {"fr_LU", 0x140C},
    {"he", 0x040D},    {"hu", 0x040E},    {"is", 0x040F},    {"it", 0x0410},    {"it_IT", 0x0410},
    {"it_CH", 0x0810}, {"ja", 0x0411},    {"ko", 0x0412},    {"nl", 0x0413},    {"nl_NL", 0x0413},
    {"nl_BE", 0x0813}, {"nb", 0x0414},    {"no", 0x0414},    {"nn", 0x0814},    {"pl", 0x0415},
    {"pt", 0x0816},    {"pt_BR", 0x0416}, {"pt_PT", 0x0816}, {"ro", 0x0418},    {"ru", 0x0419},
    {"hr", 0x041A},    {"sk", 0x041B},    {"sq", 0x041C},    {"sv", 0x041D},    {"sv_SE", 0x041D},
    {"sv_FI", 0x081D}, {"th", 0x041E},    {"tr", 0x041F},    {"ur", 0x0420},    {"id", 0x0421},
    {"uk", 0x0422},    {"be", 0x0423},    {"sl", 0x0424},    {"et", 0x0425},    {"lv", 0x0426},
    {"lt", 0x0427},    {"fa", 0x0429},    {"vi", 0x042A},    {"hi", 0x0439},    {"ms", 0x043E},
    {"sr", 0x241A},    {"ga", 0x083C},    {"eu", 0x042D},    {"gl", 0x0456},    {"cy", 0x0452},
    {"af", 0x0436},    {"ka", 0x0437},    {"hy", 0x042B},    {"kk", 0x043F},    {"bn", 0x0445},
    {"ta", 0x0449},
};

constexpr LCID kFallbackLocaleId = 0x0409;

std::optional<LCID> lookUpLocaleId(std::string_view name) {
  for (const TLocaleIdRow& row : kLocaleIds) {
    if (name == row.name) return row.id;
  }
  return std::nullopt;
}

// ---------------------------------------------------------------------------
// Reading the POSIX locale

bool isUtf8Codeset(std::string_view codeset) {
  std::string folded;
  for (char c : codeset) {
    if (c != '-' && c != '_')
      folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return folded == "utf8";
}

// `text` in the character set `codeset`, as UTF-8. A byte that cannot be
// converted becomes "?".
std::string toUtf8(std::string_view text, const char* codeset) {
  if (std::all_of(text.begin(), text.end(),
                  [](char c) { return static_cast<unsigned char>(c) < 0x80; }) ||
      codeset == nullptr || isUtf8Codeset(codeset)) {
    return std::string(text);
  }
  iconv_t converter = iconv_open("UTF-8", codeset);
  if (converter == reinterpret_cast<iconv_t>(-1)) {
    std::string ascii(text);
    for (char& c : ascii) {
      if (static_cast<unsigned char>(c) >= 0x80) c = '?';
    }
    return ascii;
  }
  std::string out;
  std::string input(text);
  char* in = input.data();
  std::size_t inLeft = input.size();
  std::array<char, 256> chunk;
  while (inLeft > 0) {
    char* outPtr = chunk.data();
    std::size_t outLeft = chunk.size();
    const std::size_t done = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
    out.append(chunk.data(), chunk.size() - outLeft);
    if (done == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) continue;
      out += '?';  // an invalid or incomplete sequence: skip one byte
      ++in;
      --inLeft;
    }
  }
  iconv_close(converter);
  return out;
}

// A locale object for `mask` (with LC_CTYPE, so that its character set is
// known) from `name`, or from "C" when that name does not exist. Sets `used`
// to the name that was taken.
locale_t openLocale(int mask, const std::string& name, std::string& used) {
  // An empty name would make newlocale read the environment again.
  if (!name.empty()) {
    if (locale_t loc = newlocale(mask | LC_CTYPE_MASK, name.c_str(), locale_t{})) {
      used = name;
      return loc;
    }
  }
  used = "C";
  return newlocale(mask | LC_CTYPE_MASK, "C", locale_t{});
}

std::string trimBlanks(std::string text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

// Windows positive currency orders: 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $".
int currencyOrder(bool symbolFirst, bool blank) {
  if (symbolFirst) return blank ? 2 : 0;
  return blank ? 3 : 1;
}

// Windows negative currency orders, by POSIX sign position (0 parentheses,
// 1 sign before all, 2 sign after all, 3 sign just before the symbol, 4 sign
// just after the symbol):
//   0 ($1)  1 -$1  2 $-1  3 $1-  4 (1$)  5 -1$  6 1-$  7 1$-
//   8 -1 $  9 -$ 1  10 1 $-  11 $ 1-  12 $ -1  13 1- $  14 ($ 1)  15 (1 $)
int negativeCurrencyOrder(bool symbolFirst, bool blank, int signPosition) {
  static constexpr int kOrders[2][2][5] = {
      // symbol after the number
      {{4, 5, 7, 6, 7}, {15, 8, 10, 13, 10}},
      // symbol before the number
      {{0, 1, 3, 1, 2}, {14, 9, 11, 9, 12}},
  };
  if (signPosition < 0 || signPosition > 4) signPosition = 1;
  return kOrders[symbolFirst ? 1 : 0][blank ? 1 : 0][signPosition];
}

// A POSIX lconv number, with `fallback` for CHAR_MAX ("not given").
int given(char value, int fallback) {
  return value == CHAR_MAX ? fallback : value;
}

struct TSeparators {
  std::string decimal;
  std::string thousand;
};

struct TCurrency {
  std::string symbol;
  int order = 0;
  int negativeOrder = 1;
  int digits = 2;
};

// Runs `read` with `loc` as the calling thread's locale, for localeconv.
template <class F>
void withThreadLocale(locale_t loc, F&& read) {
  const locale_t previous = uselocale(loc);
  read();
  uselocale(previous);
}

}  // namespace

// ---------------------------------------------------------------------------

std::string selectLocaleName(const char* lcAll, const char* lcCategory, const char* lang) {
  for (const char* candidate : {lcAll, lcCategory, lang}) {
    if (candidate != nullptr && candidate[0] != '\0') return candidate;
  }
  return "C";
}

PosixLocaleNames environmentLocaleNames() {
  const char* all = std::getenv("LC_ALL");
  const char* lang = std::getenv("LANG");
  return {selectLocaleName(all, std::getenv("LC_TIME"), lang),
          selectLocaleName(all, std::getenv("LC_NUMERIC"), lang),
          selectLocaleName(all, std::getenv("LC_MONETARY"), lang)};
}

LCID lcidOfLocaleName(std::string_view name) {
  // "language_TERRITORY.codeset@modifier": keep language and territory.
  const std::size_t end = name.find_first_of(".@");
  const std::string_view base = name.substr(0, end);
  if (auto id = lookUpLocaleId(base)) return *id;
  const std::string_view language = base.substr(0, base.find('_'));
  if (auto id = lookUpLocaleId(language)) return *id;
  return kFallbackLocaleId;
}

std::string datePicture(std::string_view format, const TStrftimeFormats& formats,
                        std::string_view dateSeparator) {
  return pictureOf(parseFormat(format, formats), dateSeparator, false);
}

std::string dateSeparatorOf(std::string_view dateFormat, const TStrftimeFormats& formats) {
  const TFormatItems items = parseFormat(dateFormat, formats);
  const auto first = std::find_if(items.begin(), items.end(), [](const TFormatItem& item) {
    return dateFieldOf(item) != TDateField::none;
  });
  // The literal right after the first date field, when a date field follows it.
  if (first != items.end() && first + 1 != items.end() && first + 2 != items.end() &&
      !(first + 1)->isConversion && dateFieldOf(*(first + 2)) != TDateField::none) {
    return (first + 1)->literal;
  }
  return "/";
}

std::string longDatePicture(std::string_view dateFormat, const TStrftimeFormats& formats,
                            std::string_view dateSeparator) {
  const TFormatItems items = parseFormat(dateFormat, formats);
  if (hasNonAsciiLiteral(items)) return pictureOf(items, dateSeparator, true);
  std::string order;
  for (const TFormatItem& item : items) {
    switch (dateFieldOf(item)) {
      case TDateField::day:
        if (order.find('D') == std::string::npos) order += 'D';
        break;
      case TDateField::month:
        if (order.find('M') == std::string::npos) order += 'M';
        break;
      case TDateField::year:
        if (order.find('Y') == std::string::npos) order += 'Y';
        break;
      case TDateField::none:
        break;
    }
  }
  if (order == "MDY") return "dddd, MMMM d, yyyy";
  if (order == "DMY") return dateSeparator == "." ? "dddd, d. MMMM yyyy" : "dddd, d MMMM yyyy";
  if (order == "YMD") return "yyyy MMMM d";
  return pictureOf(items, dateSeparator, true);
}

TClockFacts clockFacts(const TStrftimeFormats& formats) {
  const std::string amPm = formats.amPmTime.empty() ? "%I:%M:%S %p" : formats.amPmTime;
  TFormatItems clock = parseFormat(formats.time, formats);
  if (!hasHour(clock)) clock = parseFormat(amPm, formats);

  TClockFacts facts;
  const auto hour = std::find_if(clock.begin(), clock.end(), isHour);
  const bool markShown = std::any_of(clock.begin(), clock.end(), isMark);
  if (hour == clock.end()) return facts;  // no hour anywhere: a plain 24-hour clock

  facts.twentyFourHour = !(hour->conversion == 'I' || hour->conversion == 'l' || markShown);
  if (hour->flag == '-' || hour->flag == '_') {
    facts.leadingZero = false;
  } else if (hour->flag == '0') {
    facts.leadingZero = true;
  } else {
    facts.leadingZero = hour->conversion == 'H';
  }

  // The separator: the literal between the hour and a minute right after it.
  facts.timeSeparator = ":";
  const auto afterHour = hour + 1;
  if (afterHour != clock.end()) {
    if (afterHour->isConversion) {
      if (afterHour->conversion == 'M') facts.timeSeparator.clear();
    } else if (afterHour + 1 != clock.end() && (afterHour + 1)->isConversion &&
               (afterHour + 1)->conversion == 'M') {
      facts.timeSeparator = afterHour->literal;
    }
  }

  const TFormatItems twelveHour = facts.twentyFourHour ? parseFormat(amPm, formats) : clock;
  const auto mark = std::find_if(twelveHour.begin(), twelveHour.end(), isMark);
  const auto twelveHourHour = std::find_if(twelveHour.begin(), twelveHour.end(), isHour);
  facts.markBeforeTime =
      mark != twelveHour.end() && twelveHourHour != twelveHour.end() && mark < twelveHourHour;
  return facts;
}

PosixLocale::PosixLocale(const PosixLocaleNames& names) {
  // Dates, times, names and the locale id: LC_TIME.
  std::string timeName;
  if (locale_t loc = openLocale(LC_TIME_MASK, names.time, timeName)) {
    const char* codeset = nl_langinfo_l(CODESET, loc);
    auto item = [&](nl_item what) { return toUtf8(nl_langinfo_l(what, loc), codeset); };
    TStrftimeFormats formats{item(D_T_FMT), item(D_FMT), item(T_FMT), item(T_FMT_AMPM)};

    const std::string dateSeparator = dateSeparatorOf(formats.date, formats);
    answers_[LOCALE_SDATE] = dateSeparator;
    answers_[LOCALE_SSHORTDATE] = datePicture(formats.date, formats, dateSeparator);
    answers_[LOCALE_SLONGDATE] = longDatePicture(formats.date, formats, dateSeparator);

    const TClockFacts clock = clockFacts(formats);
    answers_[LOCALE_STIME] = clock.timeSeparator;
    answers_[LOCALE_ITIME] = clock.twentyFourHour ? "1" : "0";
    answers_[LOCALE_ITLZERO] = clock.leadingZero ? "1" : "0";
    answers_[LOCALE_ITIMEMARKPOSN] = clock.markBeforeTime ? "1" : "0";
    answers_[LOCALE_S1159] = item(AM_STR);
    answers_[LOCALE_S2359] = item(PM_STR);

    // The locale numbers its days from Monday (1) to Sunday (7); POSIX from
    // Sunday (DAY_1) to Saturday (DAY_7).
    static constexpr nl_item kDays[] = {DAY_2, DAY_3, DAY_4, DAY_5, DAY_6, DAY_7, DAY_1};
    static constexpr nl_item kShortDays[] = {ABDAY_2, ABDAY_3, ABDAY_4, ABDAY_5,
                                             ABDAY_6, ABDAY_7, ABDAY_1};
    for (int d = 0; d < 7; ++d) {
      answers_[LOCALE_SDAYNAME1 + d] = trimBlanks(item(kDays[d]));
      answers_[LOCALE_SABBREVDAYNAME1 + d] = trimBlanks(item(kShortDays[d]));
    }
    // Month names standing alone (the nominative case where a language has
    // one), as a calendar heading writes them.
#ifdef ALTMON_1
    static constexpr nl_item kMonth1 = ALTMON_1;
    static constexpr nl_item kShortMonth1 = _NL_ABALTMON_1;
#else
    static constexpr nl_item kMonth1 = MON_1;
    static constexpr nl_item kShortMonth1 = ABMON_1;
#endif
    for (int m = 0; m < 12; ++m) {
      answers_[LOCALE_SMONTHNAME1 + m] = trimBlanks(item(kMonth1 + m));
      answers_[LOCALE_SABBREVMONTHNAME1 + m] = trimBlanks(item(kShortMonth1 + m));
    }
    freelocale(loc);
  }
  lcid_ = lcidOfLocaleName(timeName);

  // Separators: LC_NUMERIC.
  std::string numericName;
  if (locale_t loc = openLocale(LC_NUMERIC_MASK, names.numeric, numericName)) {
    const char* codeset = nl_langinfo_l(CODESET, loc);
    TSeparators separators;
    withThreadLocale(loc, [&] {
      const lconv* conv = localeconv();
      separators.decimal = toUtf8(conv->decimal_point, codeset);
      separators.thousand = toUtf8(conv->thousands_sep, codeset);
    });
    answers_[LOCALE_SDECIMAL] = separators.decimal;
    answers_[LOCALE_STHOUSAND] = separators.thousand;
    // POSIX has no list separator: a decimal comma takes the semicolon.
    answers_[LOCALE_SLIST] = separators.decimal == "," ? ";" : ",";
    freelocale(loc);
  }

  // Currency: LC_MONETARY.
  std::string monetaryName;
  if (locale_t loc = openLocale(LC_MONETARY_MASK, names.monetary, monetaryName)) {
    const char* codeset = nl_langinfo_l(CODESET, loc);
    TCurrency currency;
    withThreadLocale(loc, [&] {
      const lconv* conv = localeconv();
      currency.symbol = toUtf8(conv->currency_symbol, codeset);
      currency.order =
          currencyOrder(given(conv->p_cs_precedes, 1) != 0, given(conv->p_sep_by_space, 0) == 1);
      currency.negativeOrder =
          negativeCurrencyOrder(given(conv->n_cs_precedes, 1) != 0,
                                given(conv->n_sep_by_space, 0) == 1, given(conv->n_sign_posn, 1));
      currency.digits = given(conv->frac_digits, 2);
    });
    answers_[LOCALE_SCURRENCY] = currency.symbol;
    answers_[LOCALE_ICURRENCY] = std::to_string(currency.order);
    answers_[LOCALE_INEGCURR] = std::to_string(currency.negativeOrder);
    answers_[LOCALE_ICURRDIGITS] = std::to_string(currency.digits);
    freelocale(loc);
  }

  // Fixed for the Linux build: UTF-8 text, the Gregorian calendar only.
  answers_[LOCALE_IDEFAULTANSICODEPAGE] = "65001";
  answers_[LOCALE_ICALENDARTYPE] = "1";
  answers_[LOCALE_IOPTIONALCALENDAR] = "0";
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
