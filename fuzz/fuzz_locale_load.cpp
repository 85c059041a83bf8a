// loadPlatformInfo and loadLocaleFormats on any platform answers: locale
// answers of 0 to 4096 bytes, with zero bytes inside, or failures; any
// thread locale, platform identity, code pages with any lead-byte ranges,
// system metrics, character classes and calendar enumerations. The loaders
// never raise, and every field ends up as the answer or its described
// default, as worked out here from the scripted answers.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_checks.hpp"
#include "fuzz/fuzz_format_args.hpp"
#include "locale/date_pattern_translation.hpp"
#include "locale/locale_formats.hpp"
#include "locale/locale_loader.hpp"
#include "locale/month_day_names.hpp"
#include "locale/parse_int.hpp"
#include "locale/sys_locale.hpp"
#include "platform/fake/fake_platform.hpp"

using namespace bootspan;
using namespace bootspan::fuzzing;

namespace {

// The scripted platform back to its state before any answer was given.
void resetPlatform(FakePlatform& fake) {
  fake.threadLocale = 0;
  fake.localeAnswers.clear();
  fake.localeQueries.clear();
  fake.calendarValues.clear();
  fake.enumCalls.clear();
  fake.version.reset();
  fake.systemMetrics.clear();
  fake.acp = 1252;
  fake.codePages.clear();
  fake.ctype2.fill(0);
  fake.stringTypeFails = false;
  fake.charNextLeadBytes.reset();
}

constexpr LCID kLocales[] = {0, 0x0409, 0x0411, 0x0404, 0x0412, 0x0804, 0x040D, 0x0401, 0x10000};
constexpr UINT kCodePages[] = {1252, 932, 950, 936, 949, 1255};

// The LCTYPEs of the day names in the record's order (their string-table
// names are those of locale/month_day_names.hpp). Index 0 = Sunday, whose
// locale query is the seventh day name.
constexpr std::array<LCTYPE, 7> kShortDayTypes = {55, 49, 50, 51, 52, 53, 54};
constexpr std::array<LCTYPE, 7> kLongDayTypes = {48, 42, 43, 44, 45, 46, 47};

std::vector<LCTYPE> answeredTypes() {
  std::vector<LCTYPE> types = {LOCALE_IDEFAULTANSICODEPAGE,
                               LOCALE_IOPTIONALCALENDAR,
                               LOCALE_ICALENDARTYPE,
                               LOCALE_SCURRENCY,
                               LOCALE_ICURRENCY,
                               LOCALE_INEGCURR,
                               LOCALE_STHOUSAND,
                               LOCALE_SDECIMAL,
                               LOCALE_ICURRDIGITS,
                               LOCALE_SDATE,
                               LOCALE_SSHORTDATE,
                               LOCALE_SLONGDATE,
                               LOCALE_STIME,
                               LOCALE_S1159,
                               LOCALE_S2359,
                               LOCALE_ITLZERO,
                               LOCALE_ITIME,
                               LOCALE_ITIMEMARKPOSN,
                               LOCALE_SLIST};
  for (LCTYPE t = 42; t <= 79; ++t)
    types.push_back(t);  // day and month names
  return types;
}

// One answer from the input: a failure, a short text taken from the input,
// or a long text (up to 4096 bytes) repeating four input bytes.
std::optional<std::string> readAnswer(Reader& in) {
  const std::uint8_t mode = in.byte();
  switch (mode % 4) {
    case 0:
      return std::nullopt;
    case 1:
    case 2: {
      std::string text(in.byte() % 12, '\0');
      for (char& c : text)
        c = static_cast<char>(in.byte());
      return text;
    }
    default: {
      std::size_t length = in.byte();
      length = (length | (static_cast<std::size_t>(in.byte()) << 8)) % 4097;
      char unit[4];
      for (char& c : unit)
        c = static_cast<char>(in.byte());
      std::string text(length, '\0');
      for (std::size_t i = 0; i < length; ++i)
        text[i] = unit[i % 4];
      return text;
    }
  }
}

std::vector<std::string> readValues(Reader& in) {
  std::vector<std::string> values(in.byte() % 10);
  for (std::string& v : values) {
    v.resize(in.byte() % 6);
    for (char& c : v)
      c = static_cast<char>(in.byte());
  }
  return values;
}

// What the loaders should make of the scripted answers.
class Expected {
 public:
  explicit Expected(const FakePlatform& fake) : fake_(fake) {}

  std::optional<std::string> answer(LCTYPE type) const {
    auto it = fake_.localeAnswers.find({FakePlatform::kAnyLocale, type});
    if (it == fake_.localeAnswers.end()) return std::nullopt;
    return it->second;
  }
  // A 256-byte text query.
  std::string text(LCTYPE type, std::string_view fallback) const {
    const auto a = answer(type);
    return a && a->size() + 1 <= 256 ? *a : std::string(fallback);
  }
  // A 2-byte single-character query.
  char character(LCTYPE type, char fallback) const {
    const auto a = answer(type);
    if (!a || a->size() > 1) return fallback;
    return a->empty() ? '\0' : (*a)[0];
  }
  std::int32_t number(LCTYPE type) const { return parseIntOr(text(type, "0"), 0); }
  std::uint8_t smallNumber(LCTYPE type) const { return static_cast<std::uint8_t>(number(type)); }
  std::string name(LCTYPE type, unsigned id) const {
    std::string n = text(type, "");
    if (!n.empty()) return n;
    auto it = fake_.strings.find(id);
    return it == fake_.strings.end() ? std::string() : it->second;
  }

 private:
  const FakePlatform& fake_;
};

bool isWestern(std::uint32_t language) {
  for (std::uint32_t id :
       {0x00u, 0x06u, 0x07u, 0x09u, 0x0Au, 0x0Bu, 0x0Cu, 0x10u, 0x13u, 0x14u, 0x16u, 0x1Du}) {
    if (language == id) return true;
  }
  return false;
}

void checkSysLocale(const FakePlatform& fake, const Expected& e) {
  const LCID id = fake.threadLocale;
  CHECK(sysLocale.defaultLcid == (id != 0 ? id : 0x0409u));
  CHECK(sysLocale.primaryLanguage == ((id & 0xFFFF) != 0 ? (id & 0x3FF) : 9u));
  CHECK(sysLocale.subLanguage == ((id & 0xFFFF) != 0 ? (id & 0xFFFF) >> 10 : 1u));
  CHECK(!leadBytes.contains(static_cast<unsigned char>(0)));

  const bool nt = fake.version && fake.version->dwPlatformId == VER_PLATFORM_WIN32_NT;
  CHECK(platformInfo.platformId == (fake.version ? fake.version->dwPlatformId : 0u));

  // The lead bytes of the locale's code page, as the platform describes them.
  auto leadBytesOfCodePage = [&] {
    std::array<bool, 256> set{};
    const auto a = e.answer(LOCALE_IDEFAULTANSICODEPAGE);
    UINT page = fake.acp;
    if (a && a->size() + 1 <= 7) {
      page = static_cast<UINT>(
          parseIntOr(a->substr(0, a->find('\0')), static_cast<std::int32_t>(fake.acp)));
    }
    auto it = fake.codePages.find(page);
    if (it == fake.codePages.end()) return set;
    for (int pair = 0; pair < 6; ++pair) {
      const unsigned low = it->second.LeadByte[2 * pair];
      const unsigned high = it->second.LeadByte[2 * pair + 1];
      if (low == 0 && high == 0) break;
      for (unsigned b = low; b <= high && b < 256; ++b)
        set[b] = b != 0;
    }
    return set;
  };
  std::array<bool, 256> expectedLead{};
  bool farEast = false;
  bool middleEast = false;
  auto metric = [&](int index) {
    auto it = fake.systemMetrics.find(index);
    return it != fake.systemMetrics.end() && it->second != 0;
  };
  if (nt) {
    if (!isWestern(sysLocale.primaryLanguage)) {
      expectedLead = leadBytesOfCodePage();
      for (bool b : expectedLead)
        farEast = farEast || b;
      if (!farEast && !fake.stringTypeFails) {
        for (unsigned b = 0x80; b <= 0xFF; ++b)
          middleEast = middleEast || fake.ctype2[b] == 2;
      }
    }
  } else {
    middleEast = metric(SM_MIDEASTENABLED);
    farEast = metric(SM_DBCSENABLED);
    if (farEast) expectedLead = leadBytesOfCodePage();
  }
  CHECK(sysLocale.farEast == farEast);
  CHECK(sysLocale.middleEast == middleEast);
  for (unsigned b = 0; b < 256; ++b)
    CHECK(leadBytes.contains(static_cast<unsigned char>(b)) == expectedLead[b]);
}

void checkEras(const FakePlatform& fake, const Expected& e) {
  std::array<std::string, 8> names{};
  std::array<std::int32_t, 8> offsets{};
  const std::int32_t calendar = parseIntOr(e.text(LOCALE_IOPTIONALCALENDAR, "1"), 1);
  if (sysLocale.farEast && calendar >= 3 && calendar <= 5) {
    const auto cal = static_cast<CALID>(calendar);
    auto values = [&](CALTYPE type) {
      auto it = fake.calendarValues.find({cal, type});
      return it == fake.calendarValues.end() ? std::vector<std::string>() : it->second;
    };
    for (const std::string& v : values(CAL_SERASTRING)) {
      std::size_t slot = 1;
      while (slot <= 7 && !names[slot].empty())
        ++slot;
      if (slot > 7) break;
      names[slot] = v.substr(0, v.find('\0'));  // the callback sees a zero-terminated text
    }
    for (std::size_t slot = 1; slot <= 7; ++slot)
      offsets[slot] = -1;
    for (const std::string& v : values(CAL_IYEAROFFSETRANGE)) {
      std::size_t slot = 1;
      while (slot <= 7 && offsets[slot] != -1)
        ++slot;
      if (slot > 7) break;
      offsets[slot] = parseIntOr(v.substr(0, v.find('\0')), 0);
    }
  }
  CHECK(localeFormats.eraNames == names);
  CHECK(localeFormats.eraYearOffsets == offsets);
}

void checkFormats(const Expected& e) {
  const TLocaleFormats& f = localeFormats;
  CHECK(f.currencySymbol == e.text(LOCALE_SCURRENCY, ""));
  CHECK(f.currencyOrder == e.smallNumber(LOCALE_ICURRENCY));
  CHECK(f.negCurrencyOrder == e.smallNumber(LOCALE_INEGCURR));
  CHECK(f.thousandSeparator == e.character(LOCALE_STHOUSAND, ','));
  CHECK(f.decimalSeparator == e.character(LOCALE_SDECIMAL, '.'));
  CHECK(f.currencyDigits == e.smallNumber(LOCALE_ICURRDIGITS));
  CHECK(f.dateSeparator == e.character(LOCALE_SDATE, '/'));
  CHECK(f.timeSeparator == e.character(LOCALE_STIME, ':'));
  CHECK(f.amDesignator == e.text(LOCALE_S1159, "am"));
  CHECK(f.pmDesignator == e.text(LOCALE_S2359, "pm"));
  CHECK(f.listSeparator == e.character(LOCALE_SLIST, ','));

  // The date patterns are the answers or defaults after the translation for
  // the calendar; without an era calendar or an East Asian language they are
  // kept as they are.
  const std::string shortDate = e.text(LOCALE_SSHORTDATE, "m/d/yy");
  const std::string longDate = e.text(LOCALE_SLONGDATE, "mmmm d, yyyy");
  CHECK(f.shortDatePattern == translateDatePattern(shortDate));
  CHECK(f.longDatePattern == translateDatePattern(longDate));
  const std::int32_t calendar = parseIntOr(e.text(LOCALE_ICALENDARTYPE, "1"), 1);
  const std::uint32_t language = sysLocale.primaryLanguage;
  if ((calendar < 3 || calendar > 5) && language != 4 && language != 17 && language != 18) {
    CHECK(f.shortDatePattern == shortDate);
    CHECK(f.longDatePattern == longDate);
  }

  std::string prefix, suffix;
  const std::string hour = e.number(LOCALE_ITLZERO) != 0 ? "hh" : "h";
  if (e.number(LOCALE_ITIME) == 0) {
    if (e.number(LOCALE_ITIMEMARKPOSN) != 0) {
      prefix = "AMPM ";
    } else {
      suffix = " AMPM";
    }
  }
  CHECK(f.shortTimePattern == prefix + hour + ":mm" + suffix);
  CHECK(f.longTimePattern == prefix + hour + ":mm:ss" + suffix);

  CHECK(f.shortMonthNames[0].empty() && f.longMonthNames[0].empty());
  CHECK(f.shortDayNames[0].empty() && f.longDayNames[0].empty());
  for (int m = 1; m <= 12; ++m) {
    CHECK(f.shortMonthNames[m] == e.name(68 + (m - 1), kShortMonthNameIds[m - 1]));
    CHECK(f.longMonthNames[m] == e.name(56 + (m - 1), kLongMonthNameIds[m - 1]));
  }
  for (int d = 1; d <= 7; ++d) {
    CHECK(f.shortDayNames[d] == e.name(kShortDayTypes[d - 1], kShortDayNameIds[d - 1]));
    CHECK(f.longDayNames[d] == e.name(kLongDayTypes[d - 1], kLongDayNameIds[d - 1]));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FakePlatform& fake = fakePlatform();
  resetPlatform(fake);
  Reader in(data, size);

  const std::uint8_t localeChoice = in.byte();
  if (localeChoice < 200) {
    fake.threadLocale = kLocales[localeChoice % std::size(kLocales)];
  } else {
    for (int k = 0; k < 4; ++k)
      fake.threadLocale |= static_cast<LCID>(in.byte()) << (8 * k);
  }
  const std::uint8_t platformChoice = in.byte();
  if (platformChoice % 4 != 0) {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    version.dwPlatformId = platformChoice % 4 == 1 ? VER_PLATFORM_WIN32_NT : platformChoice % 4 - 2;
    for (char& c : version.szCSDVersion)
      c = 'S';  // no terminator: the copy must stop at 128 bytes
    fake.version = version;
  }
  const std::uint8_t metrics = in.byte();
  if (metrics & 1) fake.systemMetrics[SM_DBCSENABLED] = metrics;
  if (metrics & 2) fake.systemMetrics[SM_MIDEASTENABLED] = 1;
  fake.stringTypeFails = (metrics & 4) != 0;
  const std::uint8_t rightToLeft = in.byte();
  if (rightToLeft >= 0x80) fake.ctype2[rightToLeft] = 2;

  fake.acp = kCodePages[in.byte() % std::size(kCodePages)];
  for (int page = 0; page < 2; ++page) {
    const UINT number = page == 0 ? fake.acp : kCodePages[in.byte() % std::size(kCodePages)];
    CPINFO info{};
    for (BYTE& b : info.LeadByte)
      b = in.byte();
    if ((in.byte() & 3) != 0) fake.codePages[number] = info;
  }
  for (const auto& [page, info] : fake.codePages) {
    for (int pair = 0; pair < 6; ++pair) {
      for (unsigned b = info.LeadByte[2 * pair]; b <= info.LeadByte[2 * pair + 1]; ++b)
        fake.charNextLeadBytes.set(b);
    }
  }

  for (LCTYPE type : answeredTypes()) {
    if (auto a = readAnswer(in)) fake.answer(type, std::move(*a));
  }
  const std::vector<std::string> eraNames = readValues(in);
  const std::vector<std::string> eraOffsets = readValues(in);
  for (CALID cal : {CAL_JAPAN, CAL_TAIWAN, CAL_KOREA}) {
    fake.calendarValues[{cal, CAL_SERASTRING}] = eraNames;
    fake.calendarValues[{cal, CAL_IYEAROFFSETRANGE}] = eraOffsets;
  }

  localeFormats = TLocaleFormats{};
  sysLocale = TSysLocaleInfo{};
  leadBytes.clear();
  platformInfo = TPlatformInfo{};
  try {
    loadPlatformInfo();
    loadLocaleFormats();
  } catch (const TEscapedFailure&) {
    std::abort();  // the loaders report nothing and never raise
  }

  const Expected expected(fake);
  CHECK(platformInfo.osServicePack == (fake.version ? std::string(128, 'S') : std::string()));
  checkSysLocale(fake, expected);
  checkEras(fake, expected);
  checkFormats(expected);

  releaseLocaleFormats();
  CHECK(localeFormats.longTimePattern.empty() && localeFormats.longMonthNames[1].empty());
  return 0;
}
