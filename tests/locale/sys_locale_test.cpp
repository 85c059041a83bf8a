#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "locale/locale_loader.hpp"
#include "locale/sys_locale.hpp"
#include "locale/sys_locale_loader.hpp"
#include "locale_state_fixture.hpp"

namespace bootspan {
namespace {

using SysLocale = testing::LocaleStateTest;

std::vector<int> members(const TLeadByteSet& set) {
  std::vector<int> bytes;
  for (int b = 0; b < 256; ++b) {
    if (set.contains(static_cast<unsigned char>(b))) bytes.push_back(b);
  }
  return bytes;
}

std::vector<int> range(int low, int high) {
  std::vector<int> bytes;
  for (int b = low; b <= high; ++b)
    bytes.push_back(b);
  return bytes;
}

TEST_F(SysLocale, AThreadLocaleOfZeroReadsAsEnglishUnitedStates) {
  fake.threadLocale = 0;
  platformInfo.platformId = VER_PLATFORM_WIN32_NT;
  loadSysLocale();
  EXPECT_EQ(sysLocale.defaultLcid, 1033u);
  EXPECT_EQ(sysLocale.primaryLanguage, 9u);
  EXPECT_EQ(sysLocale.subLanguage, 1u);
  EXPECT_FALSE(sysLocale.farEast);
  EXPECT_FALSE(sysLocale.middleEast);
}

TEST_F(SysLocale, TheLanguageIdsComeFromTheLowSixteenBits) {
  struct Case {
    LCID id;
    std::uint32_t lcid, primary, sub;
  };
  const Case cases[] = {
      {0x0407, 0x0407, 0x07, 1},
      {0x0C07, 0x0C07, 0x07, 3},
      {0x0411, 0x0411, 0x11, 1},
      {0x0404, 0x0404, 0x04, 1},
      {0xFFFF, 0xFFFF, 0x3FF, 0x3F},
      {0x00020000, 0x00020000, 9, 1},  // low 16 bits 0: the English defaults stay
      {0x00010407, 0x00010407, 0x07, 1},
  };
  for (const Case& c : cases) {
    fake.threadLocale = c.id;
    loadSysLocale();
    EXPECT_EQ(sysLocale.defaultLcid, c.lcid) << std::hex << c.id;
    EXPECT_EQ(sysLocale.primaryLanguage, c.primary) << std::hex << c.id;
    EXPECT_EQ(sysLocale.subLanguage, c.sub) << std::hex << c.id;
  }
}

TEST_F(SysLocale, AWesternLanguageOnNtAsksNoCodePage) {
  fake.threadLocale = 0x0407;
  fake.useDoubleByteCodePage(932, {{0x81, 0x9F}});  // would give lead bytes if asked
  fake.answer(LOCALE_IDEFAULTANSICODEPAGE, "932");
  fake.ctype2.fill(C2_RIGHTTOLEFT);
  platformInfo.platformId = VER_PLATFORM_WIN32_NT;
  leadBytes.add(0x81);  // stale content is cleared
  loadSysLocale();
  EXPECT_FALSE(sysLocale.farEast);
  EXPECT_FALSE(sysLocale.middleEast);
  EXPECT_TRUE(leadBytes.empty());
  EXPECT_EQ(fake.queryCount(LOCALE_IDEFAULTANSICODEPAGE), 0);
}

TEST_F(SysLocale, CodePage932GivesExactlyItsSixtyLeadBytes) {
  useCodePage932();
  EXPECT_TRUE(sysLocale.farEast);
  EXPECT_FALSE(sysLocale.middleEast);
  std::vector<int> expected = range(0x81, 0x9F);
  const std::vector<int> high = range(0xE0, 0xFC);
  expected.insert(expected.end(), high.begin(), high.end());
  EXPECT_EQ(members(leadBytes), expected);
  EXPECT_EQ(leadBytes.count(), 31u + 29u);
  EXPECT_EQ(fake.localeQueries,
            (std::vector<std::pair<LCID, LCTYPE>>{{0x0411, LOCALE_IDEFAULTANSICODEPAGE}}));
}

TEST_F(SysLocale, WithoutLeadBytesTheRightToLeftTestDecides) {
  struct Case {
    LCID id;
    int rightToLeftByte;  // -1: none
    bool fails;
    bool middleEast;
  };
  const Case cases[] = {
      {0x0408, -1, false, false},    // Greek
      {0x040D, 0xE0, false, true},   // Hebrew
      {0x0401, 0xFF, false, true},   // Arabic, the last byte asked
      {0x0401, 0x80, false, true},   // the first byte asked
      {0x0401, 0x7F, false, false},  // below the bytes asked
      {0x040D, 0xE0, true, false},   // a failed query counts as none
  };
  for (const Case& c : cases) {
    FakePlatform local;
    local.threadLocale = c.id;
    local.answer(LOCALE_IDEFAULTANSICODEPAGE, "1255");
    CPINFO single{};
    single.MaxCharSize = 1;
    local.codePages[1255] = single;
    if (c.rightToLeftByte >= 0) local.ctype2[c.rightToLeftByte] = C2_RIGHTTOLEFT;
    local.ctype2['A'] = 1;
    local.stringTypeFails = c.fails;
    platformInfo.platformId = VER_PLATFORM_WIN32_NT;
    loadSysLocale();
    EXPECT_FALSE(sysLocale.farEast) << std::hex << c.id;
    EXPECT_EQ(sysLocale.middleEast, c.middleEast) << std::hex << c.id << " " << c.rightToLeftByte;
  }
}

// Records the bytes handed to GetStringTypeExA.
class StringTypeRecorder : public FakePlatform {
 public:
  BOOL GetStringTypeExA(LCID locale, DWORD infoType, LPCSTR text, int length,
                        LPWORD types) override {
    asked.assign(text, text + length);
    askedType = infoType;
    askedLocale = locale;
    return FakePlatform::GetStringTypeExA(locale, infoType, text, length, types);
  }
  std::string asked;
  DWORD askedType = 0;
  LCID askedLocale = 0;
};

TEST_F(SysLocale, TheRightToLeftTestAsksTheBytes80ToFFInOrder) {
  StringTypeRecorder recorder;
  recorder.threadLocale = 0x040D;
  platformInfo.platformId = VER_PLATFORM_WIN32_NT;
  loadSysLocale();
  ASSERT_EQ(recorder.asked.size(), 128u);
  for (int i = 0; i < 128; ++i)
    EXPECT_EQ(static_cast<unsigned char>(recorder.asked[i]), 0x80 + i);
  EXPECT_EQ(recorder.askedType, CT_CTYPE2);
  EXPECT_EQ(recorder.askedLocale, 0x040Du);
}

TEST_F(SysLocale, OtherPlatformsAskTheSystemMetrics) {
  struct Case {
    DWORD platformId;
    int dbcs, midEast;
    bool farEast, middleEast;
    std::size_t leadCount;
  };
  const Case cases[] = {
      {0, 0, 0, false, false, 0},
      {0, 1, 0, true, false, 31},
      {1, 0, 5, false, true, 0},
      {1, -1, 1, true, true, 31},
  };
  for (const Case& c : cases) {
    FakePlatform local;
    local.threadLocale = 0x0409;  // a western language does not matter here
    local.useDoubleByteCodePage(932, {{0x81, 0x9F}});
    local.systemMetrics[SM_DBCSENABLED] = c.dbcs;
    local.systemMetrics[SM_MIDEASTENABLED] = c.midEast;
    platformInfo.platformId = c.platformId;
    loadSysLocale();
    EXPECT_EQ(sysLocale.farEast, c.farEast);
    EXPECT_EQ(sysLocale.middleEast, c.middleEast);
    EXPECT_EQ(leadBytes.count(), c.leadCount);
  }
}

TEST_F(SysLocale, ADoubleByteSystemWithoutRangesKeepsFarEastWithNoLeadBytes) {
  fake.systemMetrics[SM_DBCSENABLED] = 1;
  platformInfo.platformId = 0;
  loadSysLocale();
  EXPECT_TRUE(sysLocale.farEast);
  EXPECT_TRUE(leadBytes.empty());
}

TEST_F(SysLocale, CodePageOfLocaleReadsTheAnswerOrFallsBackToTheAnsiCodePage) {
  struct Case {
    const char* answer;  // nullptr: fails
    std::size_t length;
    UINT expected;
  };
  const Case cases[] = {
      {"932", 3, 932},
      {"65001", 5, 65001},
      {"123456", 6, 123456},
      {"1234567", 7, 1250},  // needs 8 bytes: does not fit, the query fails
      {"", 0, 1250},
      {"abc", 3, 1250},
      {" 949", 4, 949},
      {"12\0"
       "34",
       5, 12},
      {"$3A4", 4, 932},
      {nullptr, 0, 1250},
  };
  for (const Case& c : cases) {
    FakePlatform local;
    local.acp = 1250;
    if (c.answer)
      local.answer(LOCALE_IDEFAULTANSICODEPAGE, std::string(c.answer, c.length), 0x0411);
    EXPECT_EQ(codePageOfLocale(0x0411), c.expected) << (c.answer ? c.answer : "(fails)");
  }
}

TEST_F(SysLocale, LeadByteRanges) {
  struct Case {
    std::vector<BYTE> pairs;  // up to 12 bytes of CPINFO::LeadByte
    std::vector<int> expected;
  };
  auto join = [](std::vector<std::vector<int>> parts) {
    std::vector<int> all;
    for (auto& p : parts)
      all.insert(all.end(), p.begin(), p.end());
    return all;
  };
  const Case cases[] = {
      {{}, {}},
      {{0x81, 0x9F, 0xE0, 0xFC}, join({range(0x81, 0x9F), range(0xE0, 0xFC)})},
      {{0x81, 0x81}, {0x81}},
      {{0x90, 0x80, 0xA1, 0xA2}, {0xA1, 0xA2}},        // high < low adds nothing
      {{0x81, 0x82, 0, 0, 0xA1, 0xA2}, {0x81, 0x82}},  // stop at the zero pair
      {{0x00, 0x03}, {0x01, 0x02, 0x03}},              // 0 is never a lead byte
      {{0x00, 0xFF}, range(0x01, 0xFF)},
      {{0xFF, 0xFF}, {0xFF}},
      {{0, 0x81}, range(1, 0x81)},                                 // not a zero pair
      {{0x81, 0, 0x90, 0x91}, {0x90, 0x91}},                       // nor is this
      {{1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6}, {1, 2, 3, 4, 5, 6}},  // six pairs, all read
  };
  for (const Case& c : cases) {
    FakePlatform local;
    CPINFO info{};
    info.MaxCharSize = 2;
    for (std::size_t i = 0; i < c.pairs.size() && i < sizeof info.LeadByte; ++i)
      info.LeadByte[i] = c.pairs[i];
    local.codePages[936] = info;
    local.answer(LOCALE_IDEFAULTANSICODEPAGE, "936");
    sysLocale.defaultLcid = 0x0804;
    leadBytes.clear();
    loadLeadBytes();
    EXPECT_EQ(members(leadBytes), c.expected)
        << "first pair " << int(c.pairs.empty() ? -1 : c.pairs[0]);
  }
}

TEST_F(SysLocale, AFailedCodePageQueryAddsNoLeadBytes) {
  fake.answer(LOCALE_IDEFAULTANSICODEPAGE, "950");  // not known to the platform
  sysLocale.defaultLcid = 0x0404;
  loadLeadBytes();
  EXPECT_TRUE(leadBytes.empty());
}

TEST_F(SysLocale, WesternLanguages) {
  const std::uint32_t western[] = {0x00, 0x06, 0x07, 0x09, 0x0A, 0x0B,
                                   0x0C, 0x10, 0x13, 0x14, 0x16, 0x1D};
  for (std::uint32_t language = 0; language < 0x400; ++language) {
    sysLocale.primaryLanguage = language;
    const bool expected =
        std::find(std::begin(western), std::end(western), language) != std::end(western);
    EXPECT_EQ(isWesternLanguage(), expected) << std::hex << language;
  }
  sysLocale.primaryLanguage = 0x409;  // a whole locale id is not a language
  EXPECT_FALSE(isWesternLanguage());
}

TEST_F(SysLocale, PlatformInfoCopiesTheVersionRecord) {
  OSVERSIONINFOA version{};
  version.dwMajorVersion = 5;
  version.dwMinorVersion = 1;
  version.dwBuildNumber = 0xFFFF0A28;  // all 32 bits are kept
  version.dwPlatformId = 2;
  std::strcpy(version.szCSDVersion, "Service Pack 2");
  version.szCSDVersion[20] = 'x';  // after the zero: not part of the text
  fake.version = version;
  loadPlatformInfo();
  EXPECT_EQ(platformInfo.platformId, 2u);
  EXPECT_EQ(platformInfo.osMajorVersion, 5u);
  EXPECT_EQ(platformInfo.osMinorVersion, 1u);
  EXPECT_EQ(platformInfo.osBuildNumber, 0xFFFF0A28u);
  EXPECT_EQ(platformInfo.osServicePack, "Service Pack 2");
}

TEST_F(SysLocale, AServicePackTextWithoutTerminatorStopsAt128Bytes) {
  OSVERSIONINFOA version{};
  std::memset(version.szCSDVersion, 'S', sizeof version.szCSDVersion);
  fake.version = version;
  loadPlatformInfo();
  EXPECT_EQ(platformInfo.osServicePack, std::string(128, 'S'));
}

TEST_F(SysLocale, AFailedVersionQueryLeavesEverythingZero) {
  fake.version.reset();
  loadPlatformInfo();
  EXPECT_EQ(platformInfo.platformId, 0u);
  EXPECT_EQ(platformInfo.osMajorVersion, 0u);
  EXPECT_EQ(platformInfo.osServicePack, "");
}

// Records the size field the version query is given.
class VersionRecorder : public FakePlatform {
 public:
  BOOL GetVersionExA(OSVERSIONINFOA* info) override {
    askedSize = info->dwOSVersionInfoSize;
    return FakePlatform::GetVersionExA(info);
  }
  DWORD askedSize = 0;
};

TEST_F(SysLocale, TheVersionQueryStatesTheRecordSize) {
  VersionRecorder recorder;
  loadPlatformInfo();
  EXPECT_EQ(recorder.askedSize, 148u);
}

}  // namespace
}  // namespace bootspan
