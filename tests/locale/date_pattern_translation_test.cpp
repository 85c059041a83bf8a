// Translating date patterns for era calendars and for Chinese, Japanese and
// Korean locales.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "locale/date_pattern_translation.hpp"
#include "locale/locale_formats.hpp"
#include "locale/locale_loader.hpp"
#include "locale_state_fixture.hpp"

namespace bootspan {
namespace {

constexpr std::uint32_t kEnglish = 0x09;
constexpr std::uint32_t kChinese = 0x04;
constexpr std::uint32_t kJapanese = 0x11;
constexpr std::uint32_t kKorean = 0x12;
constexpr std::uint32_t kGerman = 0x07;

const char* const kFails = nullptr;  // the calendar query fails

struct Row {
  const char* calendar;  // LOCALE_ICALENDARTYPE answer, or kFails
  std::uint32_t language;
  bool doubleByte;  // code page 932 (lead bytes 0x81-0x9F, 0xE0-0xFC) in force
  std::string pattern;
  std::string expected;
};

// Double-byte characters of code page 932 whose second byte is a letter the
// translation looks at: 0x81 0x79 ("y"), 0x81 0x67 ("g"), 0x81 0x47 ("G").
const std::string kTrailY = "\x81\x79";
const std::string kTrailG = "\x81\x67";
const std::string kTrailUpperG = "\x81\x47";
const std::string kYear = "\x94\x4E";  // a double-byte character with no letter in it

const Row kTable[] = {
    // Era calendars: year letters become era-year letters, "gg" becomes "ggg".
    {"3", kJapanese, true, "yyyy/MM/dd", "eeee/MM/dd"},
    {"3", kJapanese, true, "YYYY", "eeee"},
    {"3", kJapanese, true, "gg yy/M/d", "ggg ee/M/d"},
    {"3", kJapanese, true, "y", "e"},
    {"3", kJapanese, true, "yyy", "eee"},
    {"3", kJapanese, true, "yyyyy", "eeeee"},
    {"3", kJapanese, true, "yYyY-Yy-yY", "eeee-ee-ee"},
    {"3", kJapanese, true, "ggg", "gggg"},
    {"3", kJapanese, true, "GGG", "gggG"},
    {"3", kJapanese, true, "gG Gg", "ggg ggg"},
    {"3", kJapanese, true, "ggggg", "ggggggg"},
    {"3", kJapanese, true, "g", "g"},
    {"3", kJapanese, true, "G", "G"},
    {"3", kJapanese, true, "d/M/yy g", "d/M/ee g"},  // a final single g is copied
    {"3", kJapanese, true, "gyg", "geg"},
    {"3", kJapanese, true, "'y' 'gg' \"yyyy\"", "'e' 'ggg' \"eeee\""},  // quotes do nothing
    {"3", kJapanese, true, "dddd, MMMM d", "dddd, MMMM d"},
    {"3", kJapanese, true, "", ""},
    {"3", kJapanese, true, std::string("y\0y", 3), std::string("e\0e", 3)},
    // Double-byte characters are copied whole.
    {"3", kJapanese, true, kTrailY, kTrailY},
    {"3", kJapanese, true, kTrailG + "g", kTrailG + "g"},
    {"3", kJapanese, true, "y" + kTrailY + "y", "e" + kTrailY + "e"},
    {"3", kJapanese, true, "gg" + kTrailG + "gy", "ggg" + kTrailG + "ge"},
    {"3", kJapanese, true, "yyyy" + kYear + "M", "eeee" + kYear + "M"},
    {"3", kJapanese, true, "\x81\x81y",
     "\x81\x81"
     "e"},  // a trail byte with a lead-byte value
    {"3", kJapanese, true, "\x81\x81\x81y", "\x81\x81\x81y"},
    {"3", kJapanese, true, "yy\x81", "ee\x81"},  // a lead byte that ends the pattern
    // Without lead bytes the same bytes are single characters.
    {"3", kJapanese, false, kTrailY + "g",
     "\x81"
     "eg"},
    // Only the ASCII letters fold: 0xDD and 0xFD are no "y" in any case.
    {"3", kEnglish, false, "\xDD\xFDy",
     "\xDD\xFD"
     "e"},
    // The other era calendars, whatever the language.
    {"4", kChinese, false, "gg yyyy/M/d", "ggg eeee/M/d"},
    {"5", kKorean, false, "gg yyyy/M/d", "ggg eeee/M/d"},
    {"3", kEnglish, false, "gg yyyy/M/d", "ggg eeee/M/d"},
    {" 3", kGerman, false, "yy", "ee"},
    {"$5", kGerman, false, "yy", "ee"},
    {"0x4", kGerman, false, "yy", "ee"},

    // Chinese, Japanese and Korean without an era calendar: "G" and "g" go.
    {"1", kJapanese, false, "gg yyyy/M/d", " yyyy/M/d"},
    {"1", kChinese, false, "gg yyyy/M/d", " yyyy/M/d"},
    {"1", kKorean, false, "gg yyyy/M/d", " yyyy/M/d"},
    {"1", kJapanese, false, "GgG'g'", "''"},
    {"1", kJapanese, false, "", ""},
    {"2", kJapanese, true, "yyyy" + kYear + "M", "yyyy" + kYear + "M"},
    {"1", kJapanese, true, "gg" + kTrailG + "g" + kTrailUpperG, kTrailG + kTrailUpperG},
    {"1", kJapanese, true, "g\x81", "\x81"},
    // A calendar answer that is not a number, or no answer, counts as 1.
    {"x", kJapanese, false, "ggyy", "yy"},
    {"", kKorean, false, "ggyy", "yy"},
    {kFails, kChinese, false, "ggyy", "yy"},
    {"6", kJapanese, false, "ggyy", "yy"},
    {"3 ", kJapanese, false, "ggyy", "yy"},

    // Every other language: unchanged.
    {"1", kEnglish, false, "gg yyyy/M/d", "gg yyyy/M/d"},
    {"1", kGerman, false, "GG", "GG"},
    {"x", kEnglish, false, "yy", "yy"},
    {kFails, kEnglish, false, "ggyy", "ggyy"},
    {"0", 0x00, false, "gy", "gy"},
};

class DatePatternTranslation : public testing::LocaleStateTest {
 protected:
  DatePatternTranslation() { fake.useDoubleByteCodePage(932, {{0x81, 0x9F}, {0xE0, 0xFC}}); }

  void useLocale(std::uint32_t language, bool doubleByte) {
    sysLocale.primaryLanguage = language;
    sysLocale.farEast = doubleByte;
    leadBytes.clear();
    if (doubleByte) {
      for (unsigned b = 0x81; b <= 0x9F; ++b)
        leadBytes.add(static_cast<unsigned char>(b));
      for (unsigned b = 0xE0; b <= 0xFC; ++b)
        leadBytes.add(static_cast<unsigned char>(b));
    }
  }
};

std::string describe(const Row& row) {
  std::string text = "calendar ";
  text += row.calendar ? std::string("\"").append(row.calendar).append("\"") : "(fails)";
  text += ", language " + std::to_string(row.language) + (row.doubleByte ? ", 932" : "");
  text += ", pattern \"" + row.pattern + "\"";
  return text;
}

TEST_F(DatePatternTranslation, Table) {
  for (const Row& row : kTable) {
    fake.localeAnswers.clear();
    if (row.calendar) fake.answer(LOCALE_ICALENDARTYPE, row.calendar);
    useLocale(row.language, row.doubleByte);
    EXPECT_EQ(translateDatePattern(row.pattern), row.expected) << describe(row);
  }
}

TEST_F(DatePatternTranslation, NeverLooksPastTheEndOfThePattern) {
  // Each pattern is the front of a longer text whose next bytes would
  // complete a run; they are no part of the pattern.
  struct Cut {
    std::string text;
    std::size_t length;
    std::string expected;
  };
  const Cut cuts[] = {
      {"d gg", 3, "d g"},   {"yyyyyy", 3, "eee"},
      {"gggg", 3, "gggg"},  {"yyy" + kTrailY, 4, "eee\x81"},
      {"\x81y", 1, "\x81"},
  };
  fake.answer(LOCALE_ICALENDARTYPE, "3");
  useLocale(kJapanese, true);
  for (const Cut& cut : cuts) {
    const std::string_view pattern = std::string_view(cut.text).substr(0, cut.length);
    EXPECT_EQ(translateDatePattern(pattern), cut.expected) << cut.text << " cut to " << cut.length;
  }
}

TEST_F(DatePatternTranslation, AsksTheCalendarOfTheThreadLocaleOnEveryCall) {
  fake.threadLocale = 0x0411;
  fake.answer(LOCALE_ICALENDARTYPE, "3", 0x0411);
  fake.answer(LOCALE_ICALENDARTYPE, "1", 0x0409);
  useLocale(kEnglish, false);
  EXPECT_EQ(translateDatePattern("yy"), "ee");
  fake.threadLocale = 0x0409;
  EXPECT_EQ(translateDatePattern("yy"), "yy");
  const std::vector<std::pair<LCID, LCTYPE>> expected = {{0x0411, LOCALE_ICALENDARTYPE},
                                                         {0x0409, LOCALE_ICALENDARTYPE}};
  EXPECT_EQ(fake.localeQueries, expected);
}

TEST_F(DatePatternTranslation, TheLoaderTranslatesBothDatePatternsDefaultsIncluded) {
  struct LoaderRow {
    LCID locale;
    const char* calendar;
    const char* shortDate;  // nullptr: the query fails and the default is used
    const char* longDate;
    const char* expectedShort;
    const char* expectedLong;
  };
  const LoaderRow rows[] = {
      {0x0409, "3", nullptr, nullptr, "m/d/ee", "mmmm d, eeee"},
      {0x0409, "1", nullptr, nullptr, "m/d/yy", "mmmm d, yyyy"},
      {0x0411, "4", "gg y/M/d", "ggyyyy", "ggg e/M/d", "gggeeee"},
      {0x0411, "1", "gg y/M/d", "ggyyyy", " y/M/d", "yyyy"},
      {0x0404, nullptr, "Gy", "gY", "y", "Y"},
      {0x0407, nullptr, "Gy", "gY", "Gy", "gY"},
  };
  for (const LoaderRow& row : rows) {
    FakePlatform local;
    local.threadLocale = row.locale;
    if (row.calendar) local.answer(LOCALE_ICALENDARTYPE, row.calendar);
    if (row.shortDate) local.answer(LOCALE_SSHORTDATE, row.shortDate);
    if (row.longDate) local.answer(LOCALE_SLONGDATE, row.longDate);
    loadLocaleFormats();
    EXPECT_EQ(localeFormats.shortDatePattern, row.expectedShort) << row.locale;
    EXPECT_EQ(localeFormats.longDatePattern, row.expectedLong) << row.locale;
    EXPECT_EQ(local.queryCount(LOCALE_ICALENDARTYPE), 2) << row.locale;
  }
}

}  // namespace
}  // namespace bootspan
