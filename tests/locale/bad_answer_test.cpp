// The loader on answers around the 256-byte buffer and far beyond it: every
// field is the whole answer while it fits with its terminator (255 bytes),
// and its default, or the built-in English name, once it does not.
#include <gtest/gtest.h>

#include <string>

#include "locale/locale_formats.hpp"
#include "locale/locale_loader.hpp"
#include "locale_state_fixture.hpp"

namespace bootspan {
namespace {

using LocaleBadAnswers = testing::LocaleStateTest;

// An answer of `size` bytes: double-byte pairs, zero bytes and quotes mixed
// in, so that nothing but its length decides whether it is kept.
std::string answerOf(std::size_t size, char first) {
  std::string text(size, first);
  for (std::size_t i = 1; i < size; ++i)
    text[i] = "\x81\x40\0'\"ab"[i % 7];
  return text;
}

// A number preceded by blanks, `size` bytes in all.
std::string paddedNumber(std::size_t size, char digit) {
  std::string text(size - 1, ' ');
  return text + digit;
}

struct SizeRow {
  std::size_t size;
  bool fits;
};
const SizeRow kSizes[] = {{254, true},  {255, true},  {256, false},
                          {257, false}, {300, false}, {4096, false}};

TEST_F(LocaleBadAnswers, TextFieldsKeepAnswersThatFitAndDefaultOthers) {
  struct Field {
    LCTYPE type;
    std::string TLocaleFormats::*field;
    const char* fallback;
  };
  const Field fields[] = {
      {LOCALE_SCURRENCY, &TLocaleFormats::currencySymbol, ""},
      {LOCALE_SSHORTDATE, &TLocaleFormats::shortDatePattern, "m/d/yy"},
      {LOCALE_SLONGDATE, &TLocaleFormats::longDatePattern, "mmmm d, yyyy"},
      {LOCALE_S1159, &TLocaleFormats::amDesignator, "am"},
      {LOCALE_S2359, &TLocaleFormats::pmDesignator, "pm"},
  };
  for (const SizeRow& row : kSizes) {
    FakePlatform local;
    for (const Field& f : fields)
      local.answer(f.type, answerOf(row.size, static_cast<char>('A' + f.type % 26)));
    loadLocaleFormats();
    for (const Field& f : fields) {
      const std::string expected =
          row.fits ? answerOf(row.size, static_cast<char>('A' + f.type % 26)) : f.fallback;
      EXPECT_EQ(localeFormats.*(f.field), expected)
          << "LCTYPE " << f.type << ", " << row.size << " bytes";
    }
  }
}

TEST_F(LocaleBadAnswers, NamesFallBackToEnglishOnceTheAnswerDoesNotFit) {
  for (const SizeRow& row : kSizes) {
    FakePlatform local;
    for (LCTYPE type = LOCALE_SDAYNAME1; type < LOCALE_SABBREVMONTHNAME1 + 12; ++type)
      local.answer(type, answerOf(row.size, static_cast<char>(type)));
    loadLocaleFormats();
    const std::string march = answerOf(row.size, static_cast<char>(LOCALE_SMONTHNAME1 + 2));
    const std::string sunday = answerOf(row.size, static_cast<char>(LOCALE_SABBREVDAYNAME1 + 6));
    EXPECT_EQ(localeFormats.longMonthNames[3], row.fits ? march : "March") << row.size;
    EXPECT_EQ(localeFormats.shortDayNames[1], row.fits ? sunday : "Sun") << row.size;
    const std::string saturday = answerOf(row.size, static_cast<char>(LOCALE_SDAYNAME1 + 5));
    EXPECT_EQ(localeFormats.longDayNames[7], row.fits ? saturday : "Saturday") << row.size;
    EXPECT_EQ(localeFormats.shortMonthNames[12].size(), row.fits ? row.size : 3u);
  }
}

TEST_F(LocaleBadAnswers, NumbersAreReadOnlyFromAnswersThatFit) {
  for (const SizeRow& row : kSizes) {
    FakePlatform local;
    local.answer(LOCALE_ICURRDIGITS, paddedNumber(row.size, '7'));
    local.answer(LOCALE_ICURRENCY, paddedNumber(row.size, '3'));
    // A 24-hour clock with a leading zero, when the answers can be read.
    local.answer(LOCALE_ITIME, paddedNumber(row.size, '1'));
    local.answer(LOCALE_ITLZERO, paddedNumber(row.size, '1'));
    loadLocaleFormats();
    EXPECT_EQ(localeFormats.currencyDigits, row.fits ? 7 : 0) << row.size;
    EXPECT_EQ(localeFormats.currencyOrder, row.fits ? 3 : 0) << row.size;
    EXPECT_EQ(localeFormats.longTimePattern, row.fits ? "hh:mm:ss" : "h:mm:ss AMPM") << row.size;
  }
}

TEST_F(LocaleBadAnswers, CharacterFieldsDefaultForAnyLongAnswer) {
  for (const SizeRow& row : kSizes) {
    FakePlatform local;
    for (LCTYPE type :
         {LOCALE_STHOUSAND, LOCALE_SDECIMAL, LOCALE_SDATE, LOCALE_STIME, LOCALE_SLIST})
      local.answer(type, answerOf(row.size, '|'));
    loadLocaleFormats();
    EXPECT_EQ(localeFormats.thousandSeparator, ',');
    EXPECT_EQ(localeFormats.decimalSeparator, '.');
    EXPECT_EQ(localeFormats.dateSeparator, '/');
    EXPECT_EQ(localeFormats.timeSeparator, ':');
    EXPECT_EQ(localeFormats.listSeparator, ',');
  }
}

TEST_F(LocaleBadAnswers, ALongCodePageAnswerFallsBackToTheAnsiCodePage) {
  // "932" padded past the 7-byte buffer: the code page of GetACP decides.
  for (const std::string& answer :
       {paddedNumber(7, '0'), std::string("932") + std::string(300, ' ')}) {
    FakePlatform local;
    local.threadLocale = 0x0411;
    local.useDoubleByteCodePage(936, {{0x81, 0xFE}});
    CPINFO japanese{};
    japanese.LeadByte[0] = 0x81;
    japanese.LeadByte[1] = 0x9F;
    local.codePages[932] = japanese;
    local.answer(LOCALE_IDEFAULTANSICODEPAGE, answer);
    platformInfo.platformId = VER_PLATFORM_WIN32_NT;
    loadLocaleFormats();
    EXPECT_TRUE(sysLocale.farEast);
    EXPECT_EQ(leadBytes.count(), 126u) << answer.size() << " bytes";
  }
}

}  // namespace
}  // namespace bootspan
