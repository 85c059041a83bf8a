// Strings from a companion file: taken per string, only with the directives
// of the program's own string, cut like every string, released at the end.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "errors/core/companion_strings.hpp"
#include "errors/core/messages.hpp"
#include "platform/fake/fake_platform.hpp"
#include "resources/string_ids.hpp"
#include "resources/string_table.hpp"

namespace bootspan {
namespace {

constexpr char kCompanionFile[] = "C:\\Program Files\\Bootspan\\Bootspan.DEU";

class CompanionStrings : public ::testing::Test {
 protected:
  CompanionStrings() { fake.answer(LOCALE_SABBREVLANGNAME, "DEU", LOCALE_USER_DEFAULT); }
  ~CompanionStrings() override { closeCompanionStrings(); }

  // Opens a companion file that holds `strings`.
  void openWith(std::map<UINT, std::string> strings) {
    fake.companionFiles[kCompanionFile] = std::move(strings);
    openCompanionStrings();
  }

  static std::string load(unsigned id, int size) {
    std::string buffer(static_cast<std::size_t>(size), '\xEE');
    const int length = loadString(id, buffer.data(), size);
    EXPECT_EQ(buffer[static_cast<std::size_t>(length)], '\0');
    return buffer.substr(0, static_cast<std::size_t>(length));
  }

  FakePlatform fake;
};

TEST_F(CompanionStrings, ItsFileIsLoadedAsDataAndReleasedOnce) {
  openWith({{msg::outOfMemory, "Zu wenig Arbeitsspeicher"}});
  ASSERT_EQ(fake.libraryLoads.size(), 1u);
  EXPECT_EQ(fake.libraryLoads[0].path, kCompanionFile);
  EXPECT_EQ(fake.libraryLoads[0].flags, LOAD_LIBRARY_AS_DATAFILE);
  const HMODULE handle = companionModule();
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(loadMessage(msg::outOfMemory), "Zu wenig Arbeitsspeicher");

  closeCompanionStrings();
  closeCompanionStrings();
  EXPECT_EQ(fake.freedLibraries, std::vector<HMODULE>{handle});
  EXPECT_EQ(companionModule(), nullptr);
  EXPECT_EQ(loadMessage(msg::outOfMemory), "Out of memory");
}

TEST_F(CompanionStrings, WithoutTheFileEveryStringIsTheProgramsOwn) {
  openCompanionStrings();  // no such file
  EXPECT_EQ(fake.libraryLoads.size(), 1u);
  EXPECT_EQ(companionModule(), nullptr);
  EXPECT_EQ(loadMessage(msg::outOfMemory), "Out of memory");
  closeCompanionStrings();
  EXPECT_TRUE(fake.freedLibraries.empty());
}

TEST_F(CompanionStrings, AStringItLacksIsTheProgramsOwn) {
  openWith({{msg::outOfMemory, "Zu wenig Arbeitsspeicher"}, {1, "nur hier"}});
  EXPECT_EQ(loadMessage(msg::stackOverflow), "Stack overflow");
  EXPECT_EQ(loadMessage(msg::outOfMemory), "Zu wenig Arbeitsspeicher");
  // A number the program has no string for stays without one.
  EXPECT_EQ(loadMessage(1), "");
}

struct DirectiveCase {
  unsigned id;
  const char* companion;
  bool used;  // else the program's own string is
};

TEST_F(CompanionStrings, AStringIsUsedOnlyWithTheSameDirectives) {
  const DirectiveCase cases[] = {
      {msg::invalidFormat, "Format '%s' ungültig oder nicht mit dem Argument vereinbar", true},
      {msg::invalidFormat, "Format '%d' ungültig", false},
      {msg::invalidFormat, "Format '%S' ungültig", false},
      {msg::invalidFormat, "Format '%1:s' ungültig", false},
      {msg::invalidFormat, "Format '%0:s' ungültig", false},
      {msg::invalidFormat, "Format '%*s' ungültig", false},
      {msg::invalidFormat, "Format '%-s' ungültig", false},
      {msg::invalidFormat, "Format '%8s' ungültig", false},
      {msg::invalidFormat, "Format '%.2s' ungültig", false},
      {msg::invalidFormat, "Format ungültig", false},
      {msg::noArgument, "Kein Argument für Format '%s'", true},
      {msg::noArgument, "Zu 100%% kein Argument für '%s'", true},
      {msg::noArgument, "Kein Argument für '%s' (%s)", false},
      {msg::noArgument, "Kein Argument für '%s' zu 100%", false},
      {msg::noArgument, "Kein Argument für '%%s'", false},
      {msg::assertionTemplate, "%s (%s, Zeile %d)", true},
      {msg::assertionTemplate, "%s (Zeile %d, %s)", false},
      {msg::reportTemplate, "Ausnahme %s in Modul %s bei %p.\n%s%s", true},
      {msg::reportTemplate, "Ausnahme %s in Modul %s bei %p.\n%s", false},
  };
  for (const DirectiveCase& c : cases) {
    SCOPED_TRACE(c.companion);
    openWith({{c.id, c.companion}});
    const std::string own(*builtInString(c.id));
    EXPECT_EQ(loadMessage(c.id), c.used ? std::string(c.companion) : own);
    EXPECT_EQ(load(c.id, 256), c.used ? std::string(c.companion) : own);
  }
}

TEST_F(CompanionStrings, AStringWithAZeroByteInsideIsNotUsed) {
  const std::string own(*builtInString(msg::reportTemplate));
  const std::string translated = "Ausnahme %s in Modul %s bei %p.\n%s%s";
  for (const std::size_t at : {std::size_t{0}, std::size_t{11}, translated.size()}) {
    std::string companion = translated;
    companion.insert(at, 1, '\0');
    openWith({{msg::reportTemplate, companion}});
    EXPECT_EQ(loadMessage(msg::reportTemplate), own) << at;
    EXPECT_EQ(load(msg::reportTemplate, 256), own) << at;
  }
}

TEST_F(CompanionStrings, AStringIsCutLikeEveryString) {
  const std::string longName(2000, '\xE4');
  // The directive check sees what is used: a directive cut in two is none
  // of the program's.
  const std::string cutDirective = std::string(1021, 'x').append("'%s'");
  openWith({{msg::assertionFailed, longName},
            {msg::reportCaption, longName},
            {msg::noArgument, cutDirective}});
  EXPECT_EQ(loadMessage(msg::assertionFailed), longName.substr(0, 1023));
  EXPECT_EQ(load(msg::reportCaption, 64), longName.substr(0, 63));
  EXPECT_EQ(load(msg::reportCaption, 1), "");
  EXPECT_EQ(loadMessage(msg::noArgument), "No argument for format '%s'");
  EXPECT_EQ(load(msg::noArgument, 1030), "No argument for format '%s'");
}

}  // namespace
}  // namespace bootspan
