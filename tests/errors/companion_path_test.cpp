// The companion file's name: the program's path with the user's language
// abbreviation as its extension.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "errors/core/companion_path.hpp"
#include "platform/fake/fake_platform.hpp"

namespace bootspan {
namespace {

// The path companionPath chooses for `program` under `abbreviation` (null:
// the query fails), or nothing when it chooses none.
std::optional<std::string> chosenPath(FakePlatform& fake, const std::string& program,
                                      const char* abbreviation) {
  fake.modulePaths[fake.programHandle] = program;
  fake.localeAnswers.clear();
  if (abbreviation != nullptr)
    fake.answer(LOCALE_SABBREVLANGNAME, abbreviation, LOCALE_USER_DEFAULT);
  char path[kCompanionPathSize];
  if (!companionPath(fake, path)) return std::nullopt;
  return std::string(path);
}

struct PathCase {
  const char* name;
  std::string program;
  const char* abbreviation;
  std::optional<std::string> companion;
};

TEST(CompanionPath, ReplacesTheExtensionOfTheProgramsFileName) {
  const std::string folder = "C:\\" + std::string(241, 'f') + "\\";
  const PathCase cases[] = {
      {"an extension", "C:\\Program Files\\Bootspan\\Bootspan.exe", "DEU",
       "C:\\Program Files\\Bootspan\\Bootspan.DEU"},
      {"the last dot counts", "C:\\Tools\\Bootspan.old.exe", "FRA", "C:\\Tools\\Bootspan.old.FRA"},
      {"no extension", "C:\\Tools\\Bootspan", "JPN", "C:\\Tools\\Bootspan.JPN"},
      {"a dot in a folder name only", "C:\\Tools.v1\\Bootspan", "DEU",
       "C:\\Tools.v1\\Bootspan.DEU"},
      {"a trailing dot", "C:\\Tools\\Bootspan.", "DEU", "C:\\Tools\\Bootspan.DEU"},
      {"no folder", "Bootspan.exe", "DEU", "Bootspan.DEU"},
      {"a longer extension", "C:\\Tools\\Bootspan.binary", "DEU", "C:\\Tools\\Bootspan.DEU"},
      // 259 bytes in, 259 out: the longest companion path there is.
      {"259-byte path", folder + std::string(10, 'b') + ".exe", "DEU",
       folder + std::string(10, 'b') + ".DEU"},
      {"260-byte path", folder + std::string(11, 'b') + ".exe", "DEU", std::nullopt},
      {"too long once appended", folder + std::string(12, 'b'), "DEU", std::nullopt},
      {"fits once appended", folder + std::string(10, 'b'), "DEU",
       folder + std::string(10, 'b') + ".DEU"},
      {"a cut path", folder + std::string(40, 'b') + ".exe", "DEU", std::nullopt},
      {"failed abbreviation", "C:\\Tools\\Bootspan.exe", nullptr, std::nullopt},
      {"empty abbreviation", "C:\\Tools\\Bootspan.exe", "", std::nullopt},
      {"abbreviation too long to read", "C:\\Tools\\Bootspan.exe", "ABCDEFGHIJKLMNOPQRST",
       std::nullopt},
  };
  for (const PathCase& c : cases) {
    SCOPED_TRACE(c.name);
    FakePlatform fake;
    EXPECT_EQ(chosenPath(fake, c.program, c.abbreviation), c.companion);
  }
}

TEST(CompanionPath, AFailedProgramPathGivesNone) {
  FakePlatform fake;
  fake.modulePaths.clear();
  fake.answer(LOCALE_SABBREVLANGNAME, "DEU", LOCALE_USER_DEFAULT);
  char path[kCompanionPathSize];
  EXPECT_FALSE(companionPath(fake, path));
}

TEST(CompanionPath, SecondBytesOfDoubleByteCharactersAreNoSeparators) {
  // Code page 932: 0x95 0x5C and 0x83 0x5C are characters whose second byte
  // is '\', and 0x81 0x2E one whose second byte is '.'.
  const PathCase cases[] = {
      {"a 0x5C after the dot",
       "C:\\Tools\\Boot.\x95\x5C"
       "xe",
       "JPN", "C:\\Tools\\Boot.JPN"},
      {"a file name ending in 0x5C", "C:\\Tools\\Boot.x\x83\x5C", "JPN", "C:\\Tools\\Boot.JPN"},
      {"a second byte 0x2E", "C:\\Tools\\Boot\x81\x2E", "JPN", "C:\\Tools\\Boot\x81\x2E.JPN"},
      {"double-byte extension", "C:\\Tools\\Boot.\x83\x5C\x83\x5C", "JPN", "C:\\Tools\\Boot.JPN"},
  };
  for (const PathCase& c : cases) {
    SCOPED_TRACE(c.name);
    FakePlatform fake;
    fake.useDoubleByteCodePage(932, {{0x81, 0x9F}, {0xE0, 0xFC}});
    EXPECT_EQ(chosenPath(fake, c.program, c.abbreviation), c.companion);
  }
}

TEST(CompanionPath, AsksForTheUsersDefaultLocale) {
  FakePlatform fake;
  fake.threadLocale = 0x0411;
  chosenPath(fake, "C:\\Tools\\Bootspan.exe", "DEU");
  ASSERT_EQ(fake.localeQueries.size(), 1u);
  EXPECT_EQ(fake.localeQueries[0],
            (std::pair<LCID, LCTYPE>(LOCALE_USER_DEFAULT, LOCALE_SABBREVLANGNAME)));
}

}  // namespace
}  // namespace bootspan
