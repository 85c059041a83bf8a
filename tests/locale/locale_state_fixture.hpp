// A fixture that installs a fake platform and restores the process-wide
// locale records (format settings, system locale, lead bytes, platform
// identity) after each test.
#pragma once

#include <gtest/gtest.h>

#include "locale/locale_formats.hpp"
#include "locale/sys_locale.hpp"
#include "locale/sys_locale_loader.hpp"
#include "platform/fake/fake_platform.hpp"

namespace bootspan::testing {

class LocaleStateTest : public ::testing::Test {
 protected:
  LocaleStateTest()
      : savedFormats_(localeFormats),
        savedSysLocale_(sysLocale),
        savedLeadBytes_(leadBytes),
        savedPlatformInfo_(platformInfo) {
    localeFormats = TLocaleFormats{};
    sysLocale = TSysLocaleInfo{};
    leadBytes.clear();
    platformInfo = TPlatformInfo{};
  }
  ~LocaleStateTest() override {
    localeFormats = savedFormats_;
    sysLocale = savedSysLocale_;
    leadBytes = savedLeadBytes_;
    platformInfo = savedPlatformInfo_;
  }

  // Makes code page 932 (lead bytes 0x81-0x9F and 0xE0-0xFC) the code page of
  // a Japanese thread locale on the NT platform and loads the system locale.
  void useCodePage932() {
    fake.threadLocale = 0x0411;
    fake.useDoubleByteCodePage(932, {{0x81, 0x9F}, {0xE0, 0xFC}});
    fake.answer(LOCALE_IDEFAULTANSICODEPAGE, "932");
    platformInfo.platformId = VER_PLATFORM_WIN32_NT;
    loadSysLocale();
  }

  FakePlatform fake;

 private:
  TLocaleFormats savedFormats_;
  TSysLocaleInfo savedSysLocale_;
  TLeadByteSet savedLeadBytes_;
  TPlatformInfo savedPlatformInfo_;
};

}  // namespace bootspan::testing
