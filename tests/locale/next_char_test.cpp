// zNextChar answers what the platform's CharNextA answers: for every byte
// value, with and without a double-byte code page, and where the lead-byte
// set of the user locale is not the platform's.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "locale/multibyte.hpp"
#include "locale/sys_locale.hpp"
#include "locale_state_fixture.hpp"

namespace bootspan {
namespace {

class NextChar : public testing::LocaleStateTest {
 protected:
  // Checks zNextChar against the platform's own step at every byte value as
  // the first of two bytes, and before the terminator.
  void expectEveryByteStepsAsThePlatform() {
    for (int b = 1; b < 256; ++b) {
      for (const char second : {'x', '\0'}) {
        const char text[3] = {static_cast<char>(b), second, '\0'};
        ASSERT_EQ(zNextChar(text), fake.CharNextA(text)) << "byte " << b << " before " << +second;
      }
    }
    const char empty[1] = {'\0'};
    EXPECT_EQ(zNextChar(empty), empty);
  }
};

TEST_F(NextChar, EveryByteStepsAsThePlatformStepsIt) {
  expectEveryByteStepsAsThePlatform();  // a single-byte code page
  useCodePage932();
  ASSERT_TRUE(leadBytes.contains('\x81'));
  expectEveryByteStepsAsThePlatform();
}

TEST_F(NextChar, LeadBytesTheLocaleSetLacksAreStillThePlatformsToStep) {
  // A western user locale loads no lead bytes, while the platform's code page
  // has them: the platform still steps over its pairs.
  fake.useDoubleByteCodePage(932, {{0x81, 0x9F}, {0xE0, 0xFC}});
  ASSERT_TRUE(leadBytes.empty());
  const std::string text = "\x82\xA0x";
  EXPECT_EQ(zNextChar(text.c_str()), text.c_str() + 2);
  expectEveryByteStepsAsThePlatform();
}

TEST_F(NextChar, AnAsciiLeadByteOfBothIsStepped) {
  // No code page has lead bytes below 0x80, but one that both the locale's
  // set and the platform hold is stepped by the platform all the same.
  fake.charNextLeadBytes.set('h');
  leadBytes.add('h');
  const std::string text = "hx";
  EXPECT_EQ(zNextChar(text.c_str()), text.c_str() + 2);
  expectEveryByteStepsAsThePlatform();
}

}  // namespace
}  // namespace bootspan
