// The translated string tables of the companion files against the English
// one: the same numbers and names, every message with exactly its directives,
// and every text within the room it is read into.
#include <gtest/gtest.h>

#include <iterator>
#include <span>
#include <string_view>

#include "errors/core/message_directives.hpp"
#include "errors/core/messages.hpp"
#include "resources/string_ids.hpp"

namespace bootspan {
namespace {

struct Entry {
  unsigned id;
  std::string_view name;
  std::string_view text;
};

#define BOOTSPAN_STRING(id, name, text) {id, #name, text},
constexpr Entry kEnglish[] = {
#include "resources/strings.inc"
};
constexpr Entry kGerman[] = {
#include "resources/strings_deu.inc"
};
constexpr Entry kFrench[] = {
#include "resources/strings_fra.inc"
};
constexpr Entry kJapanese[] = {
#include "resources/strings_jpn.inc"
};
#undef BOOTSPAN_STRING

struct Translation {
  const char* language;
  std::span<const Entry> entries;
};

constexpr Translation kTranslations[] = {
    {"DEU", kGerman},
    {"FRA", kFrench},
    {"JPN", kJapanese},
};

// The bytes a string is read into, its terminating zero included. The
// sources are UTF-8, which takes at least as many bytes as the ANSI code page
// of each language, so a text that fits here fits there.
std::size_t roomFor(unsigned id) {
  switch (id) {
    case msg::reportTemplate:
      return 256;
    case msg::reportCaption:
      return 64;
    default:
      return kMessageSize;
  }
}

TEST(Translations, HoldEveryStringWithTheEnglishDirectives) {
  for (const Translation& t : kTranslations) {
    SCOPED_TRACE(t.language);
    ASSERT_EQ(t.entries.size(), std::size(kEnglish));
    for (std::size_t i = 0; i < t.entries.size(); ++i) {
      const Entry& english = kEnglish[i];
      const Entry& translated = t.entries[i];
      SCOPED_TRACE(english.name);
      EXPECT_EQ(translated.id, english.id);
      EXPECT_EQ(translated.name, english.name);
      EXPECT_FALSE(translated.text.empty());
      EXPECT_LT(translated.text.size(), roomFor(english.id));
      EXPECT_TRUE(sameDirectives(translated.text, english.text)) << translated.text;
    }
  }
}

}  // namespace
}  // namespace bootspan
